"""The guide's other pictures, made through the real window and compared with those in docs/.

Each scene starts the editor on the shipped maps (copied into the fixed home of the first steps),
does what the chapter's picture shows with keys and the mouse, and photographs the windows the
picture holds. Each scene has its own settings, so the English of one does not reach the next and
no scene is offered another's unsaved map back.
"""

import os
import shutil

import first_steps
from designer_session import cell_center, wait_for_window
from editor_window import Editor
from window_photo import photograph
from xsession import wait_for

MAIN = first_steps.MAIN
WINDOW_TIMEOUT = 20.0


def heights_overlay(editor):
    editor.key("ctrl+h")  # Ansicht > Höhen anzeigen
    return photograph(editor, MAIN)


def texture_browser(editor):
    editor.resize(1000, 700)
    editor.key("ctrl+F1")  # the floor layer
    editor.drag(cell_center(4, 4), cell_center(6, 5))
    editor.key("ctrl+shift+t")  # Ansicht > Textur finden
    editor.settle()
    editor.type_text("gras")
    editor.key("Return", "Escape")  # the first texture found set on the selection; the filter emptied
    return photograph(editor, MAIN)


SCRIPT_LINES = ["tessmoor.find({type: 3}).length", 'for (let x = 2; x < 12; ++x) tessmoor.set(x, 1, "type", 1)',
                'tessmoor.get(99, 0, "type")']


def script_console(editor):
    editor.key("alt+x", "o")  # Extras > Skriptkonsole
    wait_for_window(editor, "Skriptkonsole")
    for line in SCRIPT_LINES:
        editor.type_text(line)
        editor.key("Return")
        editor.settle()
    return photograph(editor, MAIN, "Skriptkonsole")


def tabs(editor):
    editor.key("F7")  # Ansicht > Eigenschaften
    wait_for_window(editor, "Eigenschaften")
    return photograph(editor, MAIN, "Eigenschaften")


def english(editor):
    editor.key("alt+x", "e")  # Extras > Einstellungen...
    wait_for_window(editor, "Einstellungen")
    editor.key("alt+p", "Down", "Return")  # Sprache: English
    wait_for(lambda: not editor.visible_windows("Einstellungen"), "the settings to close", timeout=WINDOW_TIMEOUT)
    editor.key("F7")  # View > Properties
    wait_for_window(editor, "Properties")
    return photograph(editor, MAIN, "Properties")


# The picture's name in docs/, the maps the editor starts with, and the scene.
SCENES = [
    ("heights-overlay.png", ["Sample.tmm"], heights_overlay),
    ("texture-browser.png", ["Sample.tmm"], texture_browser),
    ("scripts.png", ["Sample.tmm"], script_console),
    ("tabs.png", ["Courtyard.tmm", "Sample.tmm"], tabs),
    ("english.png", ["Sample.tmm"], english),
]


def run(session, report, docs, out, rewrite):
    kept = sorted(name for name in os.listdir(docs) if name.endswith(".png"))
    report.check("every picture in docs/ is made by a scene here", kept == sorted(scene[0] for scene in SCENES),
                 f"docs/ holds {kept}")
    for name in ("Sample.tmm", "Courtyard.tmm"):
        shutil.copyfile(os.path.join(first_steps.PROGRAM, "Maps", name), os.path.join(first_steps.HOME, name))
    for picture, maps, scene in SCENES:
        settings = os.path.join(first_steps.ROOT, picture.split(".")[0])
        os.makedirs(settings, exist_ok=True)
        editor = Editor(session, first_steps.PROGRAM, settings)
        try:
            editor.start(*[os.path.join(first_steps.HOME, name) for name in maps])
            shown, _ = scene(editor)
        finally:
            editor.stop()
        first_steps.compare_picture(report, picture, shown, os.path.join(docs, picture), out, rewrite)
