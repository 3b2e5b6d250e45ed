"""Screen truth: after every action, the view on the screen equals the view drawn anew.

A seeded random stream of actions that change what the map view shows (zoom keys
and the wheel, scroll bars, layers, clicks and drags on cells and palette slots,
fill, copy, paste, undo, redo). After each one the window is captured, then laid out
and drawn anew (two pixels smaller and back) and captured again; both must agree.
"""

import os
import random

import screen

ZOOM_KEYS = {"ctrl+plus": "Ctrl++", "ctrl+equal": "Ctrl+=", "ctrl+minus": "Ctrl+-", "ctrl+0": "Ctrl+0",
             "ctrl+9": "Ctrl+9"}
EDIT_KEYS = {"Insert": "fill (Insert)", "ctrl+c": "copy (Ctrl+C)", "shift+Delete": "paste (Shift+Delete)",
             "ctrl+z": "undo (Ctrl+Z)", "ctrl+y": "redo (Ctrl+Y)"}


class ActionStream:
    """The actions a seed stands for. Positions come from the view's layout, so a seed
    gives the same stream on every run with the same screen size."""

    def __init__(self, seed, view):
        self.random = random.Random(seed)
        self.view = view
        self.painting = False  # the tool mode the actions so far have chosen
        self.kinds = [
            (self.zoom_key, 6), (self.wheel, 3), (self.scroll_bar, 5), (self.layer, 3), (self.cell_click, 3),
            (self.cell_drag, 4), (self.slot_click, 2), (self.select_tool, 1), (self.pick_up, 1), (self.edit_key, 8),
        ]

    def next(self):
        kinds, weights = zip(*self.kinds)
        return self.random.choices(kinds, weights)[0]()

    def map_point(self):
        left, top, right, bottom = self.view.map_area()
        return self.random.randint(left, right), self.random.randint(top, bottom)

    def zoom_key(self):
        key = self.random.choice(list(ZOOM_KEYS))
        return ZOOM_KEYS[key], lambda editor: editor.key(key)

    def wheel(self):
        x, y = self.map_point()
        clicks = self.random.choice([-2, -1, 1, 2])
        return f"Ctrl+wheel {clicks:+d} at ({x}, {y})", lambda editor: editor.wheel(x, y, clicks)

    def scroll_bar(self):
        horizontal = self.random.random() < 0.5
        left, top, right, bottom = self.view.horizontal_bar() if horizontal else self.view.vertical_bar()
        along = self.random.randint(left, right) if horizontal else self.random.randint(top, bottom)
        x, y = (along, (top + bottom) // 2) if horizontal else ((left + right) // 2, along)
        name = "horizontal" if horizontal else "vertical"
        return f"click on the {name} scroll bar at ({x}, {y})", lambda editor: editor.click(x, y)

    def layer(self):
        number = self.random.randint(1, 5)
        return f"layer Ctrl+F{number}", lambda editor: editor.key(f"ctrl+F{number}")

    def cell_click(self):
        x, y = self.map_point()
        what = "paint" if self.painting else "select"
        return f"click ({what}) at ({x}, {y})", lambda editor: editor.click(x, y)

    def cell_drag(self):
        start, end = self.map_point(), self.map_point()
        return f"drag from {start} to {end}", lambda editor: editor.drag(start, end)

    def slot_click(self):
        slot = self.random.randrange(4)
        left, top, right, bottom = self.view.slot_rect(slot)
        x, y = self.random.randint(left, right), self.random.randint(top, bottom)
        self.painting = True
        return f"click on palette slot {slot}", lambda editor: editor.click(x, y)

    def select_tool(self):
        # The select button toggles: pressed while selecting, it would switch to painting.
        if not self.painting:
            return self.slot_click()
        self.painting = False
        x, y = self.view.select_button()
        return "click on the select button", lambda editor: editor.click(x, y)

    def pick_up(self):
        x, y = self.map_point()
        return f"Shift+click (pick up) at ({x}, {y})", lambda editor: editor.click(x, y, modifier="shift")

    def edit_key(self):
        key = self.random.choice(list(EDIT_KEYS))
        return EDIT_KEYS[key], lambda editor: editor.key(key)


def run(editor, report, seed, steps, shots):
    os.makedirs(shots, exist_ok=True)
    report.note(f"seed {seed} (set TM_E2E_SEED to repeat), {steps} actions, screenshots in {shots}")
    stream = ActionStream(seed, editor.view)
    compare(editor, report, "step   0: the map as opened", editor.view_picture(), os.path.join(shots, "step-000"))
    for number in range(1, steps + 1):
        name, act = stream.next()
        before = editor.capture()
        act(editor)
        editor.park_pointer()
        shown = editor.view_picture(editor.settle(before))
        compare(editor, report, f"step {number:3d}: {name}", shown, os.path.join(shots, f"step-{number:03d}"))


def compare(editor, report, label, shown, base):
    """Checks `shown` against the window drawn anew; keeps both pictures as base-*.png when they differ."""
    redrawn = editor.redrawn_picture()
    if os.environ.get("TM_E2E_KEEP"):
        screen.save_png(shown, base + "-shown.png")
    if shown == redrawn:
        report.check(label, True)
        return
    screen.save_png(shown, base + "-shown.png")
    screen.save_png(redrawn, base + "-redrawn.png")
    count, box = screen.difference(shown, redrawn)
    report.check(label, False, f"{count} pixels differ in {box} of the view from a fresh redraw; see "
                 f"{base}-shown.png and {base}-redrawn.png")
