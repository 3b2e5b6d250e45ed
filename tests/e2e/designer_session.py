"""A designer's session through the real window, checked against the core library.

The sample map is opened with F3, edited with the mouse and the editor's keys and
saved with Ctrl+S after each part. The same steps, as plan lines, go to a small
program over the core (ExpectedMap.cpp); every saved file must equal, byte for byte,
what the core makes of the part from the file saved before it, and the last save
what the core makes of the whole session from the sample map.
"""

import os
import shutil
import subprocess

import map_bytes
import screen
from screen_truth import compare as compare_with_redraw
from xsession import wait_for

WINDOW_TIMEOUT = 20.0


def cell_center(x, y):
    """The middle of grid cell (x, y) in view pixels, at the default zoom with the view at (0, 0)."""
    return 73 + 65 * x + 32, 2 + 65 * y + 32


def slot_center(slot):
    return 34, 33 + 72 * slot


class Designer:
    """Turns plan lines into what a person does with the mouse and the keys."""

    def __init__(self, editor):
        self.editor = editor
        self.painting = False

    def do(self, line):
        step, *numbers = line.split()
        getattr(self, step)(*map(int, numbers))

    def slot(self, number):
        self.editor.click(*slot_center(number))
        self.painting = True

    def pick(self, x, y):
        self.editor.click(*cell_center(x, y), modifier="shift")

    def paint(self, x, y):
        self.editor.click(*cell_center(x, y))

    def select(self, x1, y1, x2, y2):
        if self.painting:  # a right click on the map goes back to selecting
            self.editor.click(*cell_center(x1, y1), button=3)
            self.painting = False
        if (x1, y1) == (x2, y2):
            self.editor.click(*cell_center(x1, y1))
        else:
            self.editor.drag(cell_center(x1, y1), cell_center(x2, y2))

    def fill(self):
        self.editor.key("Insert")

    def copy(self):
        self.editor.key("ctrl+c")

    def paste(self):
        self.editor.key("shift+Delete")

    def undo(self):
        self.editor.key("ctrl+z")

    def redo(self):
        self.editor.key("ctrl+y")

    def floor(self, value):
        """Ctrl+E, Alt+B to "Bodenhöhe:", the value, Enter; Escape closes the window."""
        self.editor.key("ctrl+e")
        window = wait_for_window(self.editor, "Eigenschaften")
        self.editor.key("alt+b", "ctrl+a")
        self.editor.type_text(str(value))
        self.editor.key("Return")
        self.editor.settle()
        self.editor.key("Escape")
        wait_for(lambda: window not in self.editor.visible_windows("Eigenschaften"), "the properties window to close",
                 timeout=WINDOW_TIMEOUT)


def wait_for_window(editor, title):
    found = []
    wait_for(lambda: found.extend(editor.visible_windows(title)) or found, f"a window '{title}'",
             timeout=WINDOW_TIMEOUT)
    return found[0]


class Part:
    def __init__(self, name, plan, before=None, after=None):
        self.name, self.plan, self.before, self.after = name, plan, before, after


def toggle_stamp_panel(editor):
    editor.key("alt+a", "s")  # Ansicht > Stempel
    editor.locate_view()  # the panel takes its room from the view


def restart_with_stamp_panel(run):
    """The panel is remembered: the next start shows it at once."""
    toggle_stamp_panel(run.editor)
    run.editor.quit()
    run.editor.start()
    run.designer.painting = False
    open_map(run.editor, run.report, run.sample, run.out, "again, after a restart with the stamp panel open")


PARTS = [
    Part("paint: a swatch, Shift+click picks up a wall, three clicks paint it",
         ["slot 1", "pick 3 2", "paint 4 4", "paint 5 4", "paint 6 4"]),
    Part("fill: a dragged selection, Insert", ["select 4 6 6 7", "fill"]),
    Part("copy (Ctrl+C) and paste with Shift+Delete", ["select 2 2 3 3", "copy", "select 3 5 3 5", "paste"]),
    Part("Ctrl+E, Bodenhöhe 32, Enter", ["select 3 5 4 6", "floor 32"]),
    # A restart empties the palette, so the wall is picked up again.
    Part("with the stamp panel open: paint a cell, Ctrl+Z", ["slot 1", "pick 3 2", "paint 1 5", "undo"],
         before=restart_with_stamp_panel, after=lambda run: toggle_stamp_panel(run.editor)),
]


class Run:
    def __init__(self, editor, report, sample, out, core):
        self.editor, self.report, self.sample, self.out, self.core = editor, report, sample, out, core
        self.designer = Designer(editor)

    def part(self, number, part):
        if part.before:
            part.before(self)
        before = self.editor.capture()
        for line in part.plan:
            self.designer.do(line)
        shown = self.editor.window_picture(self.editor.settle(before))
        if part.after:
            part.after(self)
        saved = save(self.editor, self.sample, os.path.join(self.out, f"part-{number}-editor.tmm"))
        check_file(self.report, part.name, saved, self.core.part(part.plan, saved),
                   (shown, os.path.join(self.out, f"part-{number}.png")))


def run(editor, report, sample, out, expected_program, bin_dir):
    core = Core(expected_program, bin_dir, os.path.join(out, "original.tmm"), out)
    shutil.copyfile(sample, core.original)
    open_map(editor, report, sample, out)
    session = Run(editor, report, sample, out, core)
    for number, part in enumerate(PARTS, 1):
        session.part(number, part)
    zoom(editor, report, out)
    preview_3d(editor, report, out)
    shown = editor.window_picture(editor.settle())
    saved = save(editor, sample, os.path.join(out, "session-editor.tmm"))
    check_file(report, "the last save (Ctrl+S) equals the whole session through the core", saved, core.session(),
               (shown, os.path.join(out, "session.png")))


def open_map(editor, report, path, out, when=""):
    editor.key("F3")
    dialog = wait_for_window(editor, "Öffnen")
    editor.type_text(path)
    editor.key("Return")
    wait_for(lambda: dialog not in editor.visible_windows("Öffnen"), "the open dialog to close",
             timeout=WINDOW_TIMEOUT)
    whole = editor.settle()
    title = editor.title()
    opened = title.endswith(os.path.basename(path))
    shot = os.path.join(out, "open.png")
    if not opened:
        screen.save_png(whole, shot)
    what = f"open the sample map {when} (F3, its path, Enter)" if when else "open the sample map (F3, its path, Enter)"
    report.check(what, opened, f"the title reads '{title}'; see {shot}")


def save(editor, path, keep, key="ctrl+s"):
    """Ctrl+S (or F2), then a copy of what it wrote. The save replaces the file, so a new file marks its end."""
    before = os.stat(path).st_ino
    editor.key(key)
    wait_for(lambda: os.path.exists(path) and os.stat(path).st_ino != before, f"{key} to write the map",
             timeout=WINDOW_TIMEOUT)
    shutil.copyfile(path, keep)
    return keep


def zoom(editor, report, out):
    for key, name in (("ctrl+minus", "zoom out (Ctrl+-)"), ("ctrl+0", "zoom back (Ctrl+0)")):
        before = editor.capture()
        editor.key(key)
        shown = editor.view_picture(editor.settle(before))
        compare_with_redraw(editor, report, name + ": the view equals a fresh redraw", shown,
                            os.path.join(out, key.replace("+", "-")))


def preview_3d(editor, report, out):
    editor.key("F5")
    window = wait_for_window(editor, "3D-Ansicht")
    report.check("F5 opens the 3D view", True)
    editor.settle()
    editor.key("F5")
    try:
        wait_for(lambda: window not in editor.visible_windows("3D-Ansicht"), "the 3D view to close", timeout=5.0)
        report.check("F5 in the 3D view closes it", True)
    except RuntimeError:
        path = os.path.join(out, "3d-view-open.png")
        screen.save_png(editor.capture(), path)
        report.check("F5 in the 3D view closes it", False, f"the 3D view is still open; see {path}")
        editor.key("alt+F4")  # the window manager closes it
        wait_for(lambda: window not in editor.visible_windows("3D-Ansicht"), "the 3D view to close",
                 timeout=WINDOW_TIMEOUT)
    editor.settle()


class Core:
    """The same steps through the core library. Each part starts from the file the editor saved
    before it, so a fault in one part does not spill into the next."""

    def __init__(self, program, bin_dir, original, out):
        self.program, self.bin_dir, self.original, self.out = program, bin_dir, original, out
        self.parts = []  # plan lines so far, each part after a load of the editor's file before it
        self.previous = original
        self.steps = []

    def part(self, plan, editor_file):
        self.parts += ["load " + self.previous, *plan]
        self.steps += plan
        self.previous = editor_file
        return self._run(self.parts, editor_file.replace("-editor.tmm", "-core.tmm"))

    def session(self):
        return self._run(self.steps, os.path.join(self.out, "session-core.tmm"))

    def _run(self, lines, expected):
        plan_path = expected.replace(".tmm", ".plan")
        with open(plan_path, "w") as plan:
            plan.write("\n".join(lines + ["save " + expected]) + "\n")
        subprocess.run([self.program, self.bin_dir, self.original, plan_path], check=True, timeout=60)
        return expected


def check_file(report, name, saved, expected, screenshot):
    """Compares the two maps; the window as it was before the save is kept when they differ."""
    with open(saved, "rb") as file:
        written = file.read()
    with open(expected, "rb") as file:
        wanted = file.read()
    picture, path = screenshot
    if written != wanted or os.environ.get("TM_E2E_KEEP"):
        screen.save_png(picture, path)
    report.check(name, written == wanted, map_bytes.describe_difference(written, wanted) +
                 f"; saved {saved}, through the core {expected}, the window {path}")
