"""The designer's hand tools through the real window, read back from the saved files only.

A ceiling ramp and a floor ramp (Bearbeiten > Rampe... by Ctrl+Shift+R, the dialog filled by
keyboard), a fast brush stroke whose pointer jumps over cells, taken back with one Ctrl+Z, and a
palette slot that outlives a restart of the editor over the same settings folder.
"""

import os

import map_bytes
import screen
from designer_session import cell_center, open_map, save, slot_center, wait_for_window
from xsession import wait_for

WINDOW_TIMEOUT = 20.0
# A pause between the pointer's jumps, so the window system delivers each one
# rather than folding them into the last.
JUMP_PAUSE = "0.1"


def read(path):
    with open(path, "rb") as file:
        return file.read()


def cells_on_segment(start, end):
    """The cells from `start` to `end` as the brush paints them: one step along the longer axis,
    the nearest cell across it."""
    (x, y), (tx, ty) = start, end
    dx, dy = abs(tx - x), -abs(ty - y)
    sx, sy = (1 if x < tx else -1), (1 if y < ty else -1)
    error = dx + dy
    cells = [(x, y)]
    while (x, y) != (tx, ty):
        twice = 2 * error
        if twice >= dy:
            error += dy
            x += sx
        if twice <= dx:
            error += dx
            y += sy
        cells.append((x, y))
    return cells


def changed_cells(before, after):
    return set(map_bytes.differing_cells(before[-map_bytes.GRID_BYTES :], after[-map_bytes.GRID_BYTES :]))


class Session:
    def __init__(self, editor, report, sample, out):
        self.editor, self.report, self.sample, self.out = editor, report, sample, out
        self.saves = 0

    def save(self, what):
        self.saves += 1
        return read(save(self.editor, self.sample, os.path.join(self.out, f"{self.saves}-{what}.tmm")))

    def keep_screen(self, name):
        path = os.path.join(self.out, name + ".png")
        screen.save_png(self.editor.capture(), path)
        return path

    def select(self, x1, y1, x2, y2):
        self.editor.drag(cell_center(x1, y1), cell_center(x2, y2))

    def ramp(self, surface_keys, direction_keys, start, end):
        """Ctrl+Shift+R, then every field by its Alt letter, and Enter for OK."""
        self.editor.key("ctrl+shift+r")
        dialog = wait_for_window(self.editor, "Rampe")
        self.editor.key("alt+f", *surface_keys, "alt+r", *direction_keys, "alt+s", "ctrl+a")
        self.editor.type_text(str(start))
        self.editor.key("alt+e", "ctrl+a")
        self.editor.type_text(str(end))
        self.editor.key("Return")
        wait_for(lambda: dialog not in self.editor.visible_windows("Rampe"), "the ramp dialog to close",
                 timeout=WINDOW_TIMEOUT)
        self.editor.settle()


def check_ramps(run):
    before = read(run.sample)
    # A ceiling over 4 x 2 cells rising to the right: grid line k at 100 + 20 k.
    run.select(2, 1, 5, 2)
    run.ramp(["End"], ["Home"], 100, 180)
    # A floor down a column of four: a stair at the cells' centre lines, 5, 15, 25 and 35.
    run.select(7, 1, 7, 4)
    run.ramp(["Home"], ["Home", "Down", "Down"], 0, 40)
    after = run.save("ramps")

    wrong = []
    for x in range(2, 6):
        for y in (1, 2):
            line = x - 2
            wanted = (100 + 20 * line, 120 + 20 * line, 120 + 20 * line, 100 + 20 * line)
            _, ceiling = map_bytes.heights(after, x, y)
            if ceiling != wanted:
                wrong.append(f"ceiling of ({x}, {y}) is {ceiling}, not {wanted}")
    for y in range(1, 5):
        floor, _ = map_bytes.heights(after, 7, y)
        if floor != 10 * (y - 1) + 5:
            wrong.append(f"floor of (7, {y}) is {floor}, not {10 * (y - 1) + 5}")
    ramped = {(x, y) for x in range(2, 6) for y in (1, 2)} | {(7, y) for y in range(1, 5)}
    beyond = changed_cells(before, after) - ramped
    if beyond:
        wrong.append(f"cells outside the selections changed: {sorted(beyond)}")
    run.report.check("Ctrl+Shift+R ramps a ceiling and a floor, the dialog filled by keyboard", not wrong,
                     "; ".join(wrong) + f"; see {run.keep_screen('ramps') if wrong else ''}")
    return after


def check_stroke(run):
    # The wall at (3, 2) into slot 1, as a designer picks a template.
    run.editor.click(*slot_center(1))
    run.editor.click(*cell_center(3, 2), modifier="shift")
    before = run.save("before-stroke")
    template = map_bytes.cell_record(before, 3, 2)

    path = [(1, 4), (7, 5), (2, 6), (8, 6)]
    run.editor.key("ctrl+b")
    points = [run.editor.view.point(*cell_center(*cell)) for cell in path]
    jumps = []
    for x, y in points[1:]:
        jumps += ["sleep", JUMP_PAUSE, "mousemove", "--sync", x, y]
    run.editor.xdotool("mousemove", "--sync", *points[0], "mousedown", 1, *jumps, "sleep", JUMP_PAUSE, "mouseup", 1)
    run.editor.settle()
    after = run.save("stroke")

    crossed = set()
    for start, end in zip(path, path[1:]):
        crossed.update(cells_on_segment(start, end))
    unpainted = sorted(cell for cell in crossed if map_bytes.cell_record(after, *cell) != template)
    wanted = {cell for cell in crossed if map_bytes.cell_record(before, *cell) != template}
    changed = changed_cells(before, after)
    wrong = []
    if unpainted:
        wrong.append(f"cells of the path left unpainted: {unpainted}")
    if changed - wanted:
        wrong.append(f"cells off the path painted: {sorted(changed - wanted)}")
    run.report.check("a fast Pinsel stroke (Ctrl+B, jumps over cells) paints the pointer's whole path", not wrong,
                     "; ".join(wrong))

    run.editor.key("ctrl+z")
    run.editor.settle()
    undone = run.save("stroke-undone")
    run.report.check("one Ctrl+Z takes the whole stroke back", undone == before,
                     map_bytes.describe_difference(undone, before))
    return template


def check_templates_after_restart(run, template):
    run.editor.quit()
    run.editor.start()
    open_map(run.editor, run.report, run.sample, run.out, "after a restart")
    before = read(run.sample)
    run.editor.click(*slot_center(1))
    run.editor.click(*cell_center(8, 0))
    run.editor.settle()
    after = run.save("after-restart")
    painted = map_bytes.cell_record(after, 8, 0)
    others = changed_cells(before, after) - {(8, 0)}
    run.report.check("after a restart the filled slot is there: a click paints its cell", painted == template and
                     not others, f"cell (8, 0) holds {painted.hex()}, the slot was {template.hex()}; "
                     f"other cells changed: {sorted(others)}")


def run(editor, report, sample, out):
    open_map(editor, report, sample, out)
    session = Session(editor, report, sample, out)
    check_ramps(session)
    template = check_stroke(session)
    check_templates_after_restart(session, template)
