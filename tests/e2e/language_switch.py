"""The language switched with the real keyboard, and read back from the window system's names.

Extras > Einstellungen... by Alt+X, E; Alt+P reaches "Sprache", Down picks "English", Return is OK.
Alt+F then opens the File menu, whose window the window system now names "File"; the settings
opened again are named "Settings". The same keys with Up go back to German: "Datei" once more.
The map is never touched, and its bytes after a save are the sample's.
"""

import os

from designer_session import save, wait_for_window
from xsession import wait_for

WINDOW_TIMEOUT = 20.0


def menu_window(editor, name):
    """The open menu named exactly `name`, or None."""
    for window in editor.visible_windows(name):
        if editor.xdotool("getwindowname", window, check=False).strip() == name:
            return window
    return None


def open_menu(editor, keys, name):
    editor.key(keys)
    found = []
    wait_for(lambda: found.append(menu_window(editor, name)) or found[-1], f"the menu '{name}'",
             timeout=WINDOW_TIMEOUT)
    editor.key("Escape", "Escape")
    editor.settle()


def choose_language(editor, settings_title, step):
    editor.key("alt+x", "e")
    dialog = wait_for_window(editor, settings_title)
    editor.key("alt+p", step, "Return")
    wait_for(lambda: not editor.visible_windows(settings_title), "the settings to close", timeout=WINDOW_TIMEOUT)
    editor.settle()
    return dialog


def run(editor, report, sample, out):
    editor.start(sample)
    with open(sample, "rb") as file:
        before = file.read()

    open_menu(editor, "alt+d", "Datei")
    report.check("at the default the File menu's window is named \"Datei\"", True)

    choose_language(editor, "Einstellungen", "Down")
    try:
        open_menu(editor, "alt+f", "File")
        report.check("after the switch to English Alt+F opens the menu named \"File\"", True)
    except RuntimeError as error:
        report.check("after the switch to English Alt+F opens the menu named \"File\"", False, str(error))
    editor.key("alt+t", "t")
    try:
        wait_for_window(editor, "Settings")
        report.check("Tools > Settings... opens a window named \"Settings\"", True)
    except RuntimeError as error:
        report.check("Tools > Settings... opens a window named \"Settings\"", False, str(error))
    editor.key("alt+l", "Up", "Return")
    wait_for(lambda: not editor.visible_windows("Settings"), "the settings to close", timeout=WINDOW_TIMEOUT)
    editor.settle()
    try:
        open_menu(editor, "alt+d", "Datei")
        report.check("back in German Alt+D opens the menu named \"Datei\" again", True)
    except RuntimeError as error:
        report.check("back in German Alt+D opens the menu named \"Datei\" again", False, str(error))

    saved = save(editor, sample, os.path.join(out, "after-switches.tmm"))
    with open(saved, "rb") as file:
        report.check("switching languages changes nothing of the saved map", file.read() == before)
