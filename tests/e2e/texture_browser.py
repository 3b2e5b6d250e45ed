"""The texture browser through the real window: found by typing, set by a double click.

Ctrl+F1 puts the plan on the floor layer and a dragged selection takes six cells. Ctrl+Shift+T
(Ansicht > Textur finden) shows the panel "Texturen" with the typing in its filter; "lav" leaves
the one texture whose name holds it, and Down goes to it in the list, which marks it. The marked
entry is found on the screen and double-clicked. Ctrl+S saves, and the file must equal, byte for
byte, what the core makes of the same selection and texture.
"""

import os

from designer_session import Core, cell_center, check_file, save

SELECTION = (2, 2, 4, 3)
TEXTURE = "Lava"
FLOOR_LAYER = 0


def marked_entry(before, after, left):
    """The middle of the picture of the entry that turned to the selection's colour between the
    two screens, right of x = `left`; None when none did."""
    xs, ys = [], []
    for y in range(after.height):
        row_before, row_after = before.row(y), after.row(y)
        for x in range(left, after.width):
            pixel = row_after[3 * x : 3 * x + 3]
            if row_before[3 * x : 3 * x + 3] == pixel:
                continue
            blue, green, red = pixel
            if blue > red + 60 and blue > green + 20:
                xs.append(x)
                ys.append(y)
    if len(xs) < 100:  # a text cursor, not a row
        return None
    return min(xs) + 36, (min(ys) + max(ys)) // 2


def run(editor, report, sample, bin_dir, expected_program, out):
    core = Core(expected_program, bin_dir, os.path.join(out, "original.tmm"), out)
    with open(sample, "rb") as source, open(core.original, "wb") as copy:
        copy.write(source.read())
    editor.start(sample)
    editor.key("ctrl+F1")
    editor.drag(cell_center(*SELECTION[:2]), cell_center(*SELECTION[2:]))
    editor.key("ctrl+shift+t")
    editor.locate_view()  # the panel takes its room from the view
    editor.type_text(TEXTURE.lower()[:3])
    before = editor.settle()
    editor.key("Down")
    after = editor.settle(before)
    view_x, _, view_width, _ = editor.view.panel()
    where = marked_entry(before, after, view_x + view_width)
    report.check("Ctrl+Shift+T, typing \"lav\" and Down mark one entry in the panel", where is not None,
                 "no entry turned to the selection's colour")
    if where is None:
        return
    editor.xdotool("mousemove", "--sync", *where, "click", "--repeat", 2, "--delay", 80, 1)
    editor.park_pointer()  # a pointer resting on an animated texture plays its frames
    shown = editor.window_picture(editor.settle(after))
    saved = save(editor, sample, os.path.join(out, "browser-editor.tmm"))
    plan = ["select %d %d %d %d" % SELECTION, f"texture {FLOOR_LAYER} {TEXTURE}"]
    check_file(report, "a double click on the entry found sets its texture on the floor of the selection",
               saved, core.part(plan, saved), (shown, os.path.join(out, "browser.png")))
