"""The guide's chapter "Erste Schritte", step by step, through the real window.

A newcomer's first map: a new map, two textures, a block of wall with two rooms cut into it, a
door, the start, the map check, a walk in 3D, save and compile. Each numbered step of the chapter
is one method step_N, with the keys and clicks a person would use; after it the window the step
talks about is photographed and compared with the picture the chapter shows for that step
(docs/first-steps/NN.png). At the end the saved map must equal the chapter's finished map
(docs/first-steps/ErsteKarte.tmm), the model F9 wrote must equal what tmcompile makes of it, and
the numbers the chapter quotes from the compile log must be the log's.

The run lives in one fixed folder with the program copied into it and every file dated alike,
and the editor draws with one font only: the file dialogs, the title bar and the compile log
show paths and dates, and the pictures are to be the same on every machine.
"""

import os
import re
import shutil
import subprocess

import map_bytes
import pictures
import screen
from designer_session import wait_for_window
from window_photo import photograph
from xsession import wait_for

WINDOW_TIMEOUT = 20.0
ROOT = "/tmp/erste-schritte"
PROGRAM = os.path.join(ROOT, "Tessmoor")
HOME = os.path.join(ROOT, "anna")
FIXED_TIME = 1796000000  # 2026-11-29: every copied file is this old in the file dialogs
MAIN = "Tessmoor Editor - "
CELL = 33  # pixels of a cell after Ctrl+0 and Ctrl+-
# Places inside a window's own area, for what only a click reaches.
ADD_FILE_BUTTON = (339, 84)  # the texture editor's "+" beside "Dateien:"
TEXTURES_TAB = (130, 21)  # the properties window's tab "Texturen"
OK_BUTTON = (140, 298)  # the properties window's OK
CHAPTERS = {"de": "erste-schritte.md", "en": "first-steps.md"}
COMPILE_NUMBERS = re.compile(r"(Eckpunkte|Polygone|Textur-Koord\.|Indezies): (\d+)")


def prepare_program(bin_dir):
    """The program folder as a fresh install would look at a fixed place: the editor, tmcompile,
    the pictures and the two shipped maps, nothing a test left behind."""
    shutil.rmtree(ROOT, ignore_errors=True)
    os.makedirs(HOME)
    os.makedirs(os.path.join(PROGRAM, "Maps"))
    for program in ("TMEdit", "tmcompile"):
        shutil.copy2(os.path.join(bin_dir, program), PROGRAM)
    for folder in ("GFX", "TMEGfx"):
        shutil.copytree(os.path.join(bin_dir, folder), os.path.join(PROGRAM, folder),
                        ignore=lambda _, names: [n for n in names if not n.upper().endswith(".PCX")])
    for name in ("Sample.tmm", "Courtyard.tmm"):
        shutil.copy2(os.path.join(bin_dir, "Maps", name), os.path.join(PROGRAM, "Maps"))
    for folder, _, files in os.walk(ROOT):
        for name in files + [""]:
            os.utime(os.path.join(folder, name), (FIXED_TIME, FIXED_TIME))


def cell(x, y):
    """The middle of cell (x, y) in view pixels once the plan shows 32-pixel cells."""
    return 73 + CELL * x + CELL // 2, 2 + CELL * y + CELL // 2


class Walk:
    """The chapter's steps as a person does them, and the picture after each."""

    def __init__(self, editor):
        self.editor = editor
        self.dialog = None  # the window a step opened and a later one closes
        self.taken = None  # the step's picture
        self.screen = None  # the whole screen when it was taken

    # --- helpers

    def picture(self, title):
        """The window named `title` with its frame, once it has stopped changing."""
        self.taken, self.screen = photograph(self.editor, title)

    def open_window(self, keys, title):
        self.editor.key(*keys)
        self.dialog = wait_for_window(self.editor, title)
        return self.dialog

    def closed(self, title):
        wait_for(lambda: not self.editor.visible_windows(title), f"the window '{title}' to close",
                 timeout=WINDOW_TIMEOUT)

    def click_in(self, window, x, y):
        left, top, _, _ = self.editor.geometry(window)
        self.editor.xdotool("mousemove", "--sync", left + x, top + y, "click", 1)

    def select(self, first, last):
        if first == last:
            self.editor.click(*cell(*first))
        else:
            self.editor.drag(cell(*first), cell(*last))

    def open_floor(self):
        """In the open properties window: Typ "Nichts (Boden/Decke)" by its first letter, the tab
        "Texturen" clicked, Boden "Parkett" by its first letter, OK clicked (Enter would be
        Übernehmen, which keeps the window open)."""
        self.editor.key("alt+t", "N")
        self.click_in(self.dialog, *TEXTURES_TAB)
        self.editor.key("alt+b", "P")
        self.click_in(self.dialog, *OK_BUTTON)
        self.closed("Eigenschaften")

    def new_texture(self, name):
        """Hinzufügen, the name typed over "Neue Textur", Enter."""
        self.editor.key("alt+h")
        self.editor.settle()
        self.editor.type_text(name)
        self.editor.key("Return")

    def add_file(self, picture):
        """The button + beside "Dateien:", the file's name typed into the file dialog, Enter."""
        self.click_in(self.dialog, *ADD_FILE_BUTTON)
        wait_for_window(self.editor, "Datei(en) der Textur hinzufügen")
        self.editor.type_text(picture)
        self.editor.key("Return")
        self.closed("Datei(en) der Textur hinzufügen")

    # --- the steps; each takes one picture, of the window it talks about, when it shows what it says

    def step_1(self):
        self.editor.start()
        self.picture(MAIN)

    def step_2(self):
        self.open_window(["ctrl+n"], "Neu")
        self.picture("Neu")

    def step_3(self):
        self.editor.key("Return")
        self.closed("Neu")
        self.picture(MAIN)

    def step_4(self):
        self.editor.key("ctrl+0", "ctrl+minus")
        self.picture(MAIN)

    def step_5(self):
        self.open_window(["F6"], "Textur-Editor")
        self.picture("Textur-Editor")

    def step_6(self):
        self.new_texture("Ziegel")
        self.picture("Textur-Editor")

    def step_7(self):
        self.add_file("BRICK.PCX")
        self.picture("Textur-Editor")

    def step_8(self):
        self.new_texture("Parkett")
        self.add_file("FLOOR.PCX")
        self.picture("Textur-Editor")

    def step_9(self):
        self.editor.key("alt+s")
        self.closed("Textur-Editor")
        self.picture(MAIN)

    def step_10(self):
        self.picture(MAIN)  # Auswählen is on after the start

    def step_11(self):
        self.select((1, 1), (11, 6))
        self.picture(MAIN)

    def step_12(self):
        self.open_window(["ctrl+e"], "Eigenschaften - 66 Zellen")
        self.picture("Eigenschaften")

    def step_13(self):
        self.editor.key("alt+t", "W")
        self.picture("Eigenschaften")

    def step_14(self):
        self.click_in(self.dialog, *TEXTURES_TAB)
        self.editor.key("alt+w", "Z")
        self.picture("Eigenschaften")

    def step_15(self):
        self.click_in(self.dialog, *OK_BUTTON)
        self.closed("Eigenschaften")
        self.picture(MAIN)

    def step_16(self):
        self.select((2, 2), (5, 5))
        self.open_window(["ctrl+e"], "Eigenschaften - 16 Zellen")
        self.picture("Eigenschaften")

    def step_17(self):
        self.open_floor()
        self.editor.key("ctrl+F1")
        self.picture(MAIN)

    def step_18(self):
        self.select((7, 2), (10, 5))
        self.open_window(["ctrl+e"], "Eigenschaften - 16 Zellen")
        self.open_floor()
        self.picture(MAIN)

    def step_19(self):
        self.select((6, 3), (6, 3))
        self.open_window(["ctrl+e"], "Eigenschaften - 1 Zelle")
        self.picture("Eigenschaften")

    def step_20(self):
        self.open_floor()
        self.picture(MAIN)

    def step_21(self):
        self.select((3, 3), (3, 3))
        self.picture(MAIN)

    def step_22(self):
        self.editor.key("alt+b", "h")
        self.picture(MAIN)

    def step_23(self):
        self.editor.key("alt+a", "s")
        self.picture(MAIN)

    def step_24(self):
        self.open_window(["F8"], "Karte prüfen")
        self.picture("Karte prüfen")
        self.editor.key("alt+s")
        self.closed("Karte prüfen")

    def step_25(self):
        self.open_window(["F10"], "3D-Ansicht")
        self.picture("3D-Ansicht")

    def step_26(self):
        self.editor.key(*["a"] * 18)
        self.editor.key(*["w"] * 40)
        self.picture("3D-Ansicht")
        self.open_window(["F1"], "Tasten der 3D-Ansicht")
        self.editor.key("Return")
        self.closed("Tasten der 3D-Ansicht")

    def step_27(self):
        self.editor.key("Escape")
        self.closed("3D-Ansicht")
        self.picture(MAIN)

    def step_28(self):
        self.open_window(["ctrl+s"], "Speichern unter")
        self.editor.type_text("~/ErsteKarte")
        self.picture("Speichern unter")
        self.editor.key("Return")
        self.closed("Speichern unter")
        wait_for(lambda: os.path.exists(os.path.join(HOME, "ErsteKarte.tmm")), "the map to be saved",
                 timeout=WINDOW_TIMEOUT)

    def step_29(self):
        self.picture(MAIN)

    def step_30(self):
        self.open_window(["F9"], "Compilieren...")
        wait_for(lambda: os.path.exists(os.path.join(HOME, "ErsteKarte.tcm")), "the model to be written",
                 timeout=WINDOW_TIMEOUT)
        self.picture("Compilieren...")

    def step_31(self):
        self.editor.key("alt+F4")  # the window manager's close, as the cross in the title bar
        self.closed("Compilieren...")
        self.picture(MAIN)


def fix_environment():
    """One font, one time zone, one locale for the editor and the window manager: the file dialogs
    show dates, and the pictures are to be the same on every machine."""
    os.environ["FONTCONFIG_FILE"] = font_config()
    os.environ["TZ"] = "UTC"
    os.environ["LANG"] = "C.UTF-8"
    for name in ("LC_ALL", "LC_MESSAGES", "LC_TIME", "LANGUAGE"):
        os.environ.pop(name, None)


def font_config():
    """A fontconfig file that knows one family, DejaVu Sans (and its Mono), which every Debian
    desktop has, and no other font the machine may hold."""
    path = os.path.join(ROOT, "fonts.conf")
    with open(path, "w") as file:
        file.write('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">\n<fontconfig>\n'
                   "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
                   f"  <cachedir>{ROOT}/fontconfig</cachedir>\n"
                   "  <selectfont><rejectfont><glob>*/DejaVuSerif*</glob><glob>*/DejaVuMath*</glob>"
                   "<glob>*Condensed*</glob><glob>*ExtraLight*</glob></rejectfont></selectfont>\n"
                   "  <alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>\n"
                   "  <alias><family>serif</family><prefer><family>DejaVu Sans</family></prefer></alias>\n"
                   "  <alias><family>monospace</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>\n"
                   "</fontconfig>\n")
    return path


# --- what the chapter says

def chapter_steps(text):
    """The numbered steps of a chapter: number -> the step's text, up to the next step or heading."""
    steps, number = {}, None
    for line in text.splitlines():
        found = re.match(r"(\d+)\. ", line)
        if found:
            number = int(found.group(1))
            steps[number] = line
        elif line.startswith("#"):
            number = None
        elif number is not None:
            steps[number] += "\n" + line
    return steps


def check_chapters(report, docs, count):
    """Both languages have exactly the walk's steps, each with its picture; returns the compile
    numbers each quotes."""
    quoted = {}
    for language, name in CHAPTERS.items():
        with open(os.path.join(docs, language, name), encoding="utf-8") as file:
            text = file.read()
        steps = chapter_steps(text)
        report.check(f"{language}/{name} has the walk's steps 1 to {count}", sorted(steps) == list(range(1, count + 1)),
                     f"it numbers {sorted(steps)}")
        without = [n for n, step in steps.items() if f"](../first-steps/{n:02d}.png)" not in step]
        report.check(f"{language}/{name} shows each step's picture in the step", not without,
                     f"steps without their picture: {without}")
        quoted[language] = dict(COMPILE_NUMBERS.findall(text))
    return quoted


# --- the run

def compare_picture(report, label, shown, kept_path, out, rewrite):
    """The picture against the one kept in docs/, or kept anew with `rewrite`."""
    if rewrite:
        screen.save_png(shown, kept_path)
        report.check(f"{label}: picture rewritten", True)
        return
    problem = pictures.compare(shown, pictures.read_png(kept_path)) if os.path.exists(kept_path) else "none is kept"
    shown_path = os.path.join(out, os.path.basename(kept_path))
    if problem:
        screen.save_png(shown, shown_path)
    report.check(f"{label}: the window looks as the guide's picture", problem is None,
                 f"{problem}; shown now: {shown_path}, the guide's: {kept_path}")


def read(path):
    with open(path, "rb") as file:
        return file.read()


def check_results(report, docs, quoted, out, rewrite):
    saved = os.path.join(HOME, "ErsteKarte.tmm")
    kept = os.path.join(docs, "first-steps", "ErsteKarte.tmm")
    if rewrite:
        shutil.copyfile(saved, kept)
    report.check("the saved map is the chapter's finished map", read(saved) == read(kept),
                 map_bytes.describe_difference(read(saved), read(kept)) + f"; saved {saved}, the chapter's {kept}")
    model = os.path.join(out, "tmcompile.tcm")
    log = subprocess.run([os.path.join(PROGRAM, "tmcompile"), "-o", model, saved], capture_output=True, text=True,
                         timeout=60, env=dict(os.environ, LANG="de_DE.UTF-8")).stdout
    report.check("F9 wrote the model tmcompile makes of the saved map",
                 read(os.path.join(HOME, "ErsteKarte.tcm")) == read(model))
    counted = dict(COMPILE_NUMBERS.findall(log))
    for language, numbers in quoted.items():
        report.check(f"the compile numbers the {language} chapter quotes are the log's", numbers == counted,
                     f"the chapter: {numbers}, the log: {counted}")


def run(editor, report, docs, out, rewrite):
    count = len([name for name in dir(Walk) if name.startswith("step_")])
    quoted = check_chapters(report, docs, count)
    kept = sorted(name for name in os.listdir(os.path.join(docs, "first-steps")) if name.endswith(".png"))
    report.check("every picture in docs/first-steps is a step's", kept == [f"{n:02d}.png" for n in range(1, count + 1)],
                 f"it holds {kept}")
    walk = Walk(editor)
    for number in range(1, count + 1):
        walk.taken = None
        getattr(walk, f"step_{number}")()
        compare_picture(report, f"step {number}", walk.taken, os.path.join(docs, "first-steps", f"{number:02d}.png"),
                        out, rewrite)
        if os.environ.get("TM_E2E_KEEP"):
            screen.save_png(walk.screen, os.path.join(out, f"{number:02d}-screen.png"))
    check_results(report, docs, quoted, out, rewrite)
