"""Scripts through the real window, read back from the saved files only.

A line typed into Extras > Skriptkonsole paints a row of walls; Ctrl+Z in the main window takes
the whole line back as one step. A script of the user's script folder is bound to Ctrl+Alt+J in
Extras > Tastenkürzel... by keyboard and run by that key. Only keys go in.
"""

import os

import map_bytes
from designer_session import save, wait_for_window
from xsession import wait_for

WINDOW_TIMEOUT = 20.0
CONSOLE_ROW = 7
MENU_SCRIPT_ROW = 9
MENU_SCRIPT = f"""// name: Wandreihe
// menu: &Wandreihe
for (let x = 0; x < 64; ++x) tessmoor.set(x, {MENU_SCRIPT_ROW}, "type", 1);
"""


def read(path):
    with open(path, "rb") as file:
        return file.read()


def row_is_wall(data, row):
    return all(map_bytes.cell_record(data, x, row)[0] == 1 for x in range(64))


def changed_rows(before, after):
    return {y for (_, y) in map_bytes.differing_cells(before[-map_bytes.GRID_BYTES :], after[-map_bytes.GRID_BYTES :])}


def activate_main(editor):
    editor.xdotool("windowactivate", "--sync", editor.window, check=False)
    editor.settle()


def progress_windows(editor):
    """The progress window is called "Skript", which the console's title begins with too."""
    return [w for w in editor.visible_windows("Skript") if editor.xdotool("getwindowname", w).strip() == "Skript"]


def stop_endless_loop(editor, report, sample, out, before):
    """An endless loop in the console: the progress window comes, a click on its "Stopp" ends
    the script, and the map is as it was."""
    console = editor.visible_windows("Skriptkonsole")
    editor.xdotool("windowactivate", "--sync", console[0], check=False)
    editor.type_text(f"tessmoor.set(0, {CONSOLE_ROW}, 'type', 1); while (true) {{}}")
    editor.key("Return")
    found = []
    wait_for(lambda: found.extend(progress_windows(editor)) or found, "the progress window", timeout=WINDOW_TIMEOUT)
    progress = found[0]
    x, y, width, height = editor.geometry(progress)
    editor.xdotool("mousemove", "--sync", x + width - 50, y + height - 26, "click", 1)
    wait_for(lambda: progress not in progress_windows(editor), "Stopp to end the script",
             timeout=WINDOW_TIMEOUT)
    activate_main(editor)
    stopped = read(save(editor, sample, os.path.join(out, "2b-stopped.tmm")))
    report.check("a click on Stopp ends an endless loop, and the map stays as it was", stopped == before,
                 map_bytes.describe_difference(before, stopped))


def run(editor, report, sample, out):
    scripts = os.path.join(editor.work_dir, "data", "Tessmoor-Editor", "scripts")
    os.makedirs(scripts, exist_ok=True)
    with open(os.path.join(scripts, "wandreihe.js"), "w", encoding="utf-8") as file:
        file.write(MENU_SCRIPT)
    editor.start(sample)
    before = read(sample)

    editor.key("alt+x", "o")
    wait_for_window(editor, "Skriptkonsole")
    editor.type_text(f"for (let x = 0; x < 64; ++x) tessmoor.set(x, {CONSOLE_ROW}, 'type', 1)")
    editor.key("Return")
    editor.settle()
    activate_main(editor)
    painted = read(save(editor, sample, os.path.join(out, "1-console.tmm")))
    report.check("a console line paints a row of walls, and nothing else",
                 row_is_wall(painted, CONSOLE_ROW) and changed_rows(before, painted) <= {CONSOLE_ROW},
                 f"rows changed: {sorted(changed_rows(before, painted))}")

    editor.key("ctrl+z")
    editor.settle()
    undone = read(save(editor, sample, os.path.join(out, "2-undone.tmm")))
    report.check("one Ctrl+Z takes the whole console line back", undone == before,
                 map_bytes.describe_difference(before, undone))

    stop_endless_loop(editor, report, sample, out, undone)

    editor.key("alt+x", "t")
    dialog = wait_for_window(editor, "Tastenkürzel")
    editor.type_text("Wandreihe")
    editor.key("alt+n", "ctrl+alt+j")
    editor.settle()
    editor.key("Escape")
    wait_for(lambda: dialog not in editor.visible_windows("Tastenkürzel"), "the shortcuts window to close",
             timeout=WINDOW_TIMEOUT)
    activate_main(editor)
    editor.key("ctrl+alt+j")
    editor.settle()
    keyed = read(save(editor, sample, os.path.join(out, "3-menu-script.tmm")))
    report.check("a menu script bound to Ctrl+Alt+J in Tastenkürzel... runs by that key",
                 row_is_wall(keyed, MENU_SCRIPT_ROW) and changed_rows(undone, keyed) <= {MENU_SCRIPT_ROW},
                 f"rows changed: {sorted(changed_rows(undone, keyed))}")
