"""A block copied in one editor process and pasted in another, through the desktop's clipboard.

Two TMEdit processes side by side, each on its own copy of the sample map; the second copy's
texture table is turned round and lacks "Ziegel", so the paste must find every texture by its
name under another number and bring "Ziegel" along. Only keys and the mouse go in; only the two
saved files are read back.
"""

import os
import shutil
import struct

import map_bytes
import screen
from designer_session import cell_center, save
from editor_window import Editor
from xsession import wait_for

NO_TEXTURE = 0xFFFF
TEXTURE_FIELD = 256
FRAME_FIELD = 13
COPIED = (2, 2, 5, 5)  # the sample's room corner: walls in Ziegel and Fries, a floor, a ceiling
PASTED_AT = (1, 3)
DROPPED = 0  # "Ziegel", which the target lacks


def read(path):
    with open(path, "rb") as file:
        return file.read()


def texture_table(data):
    """The table as (name, animation, frames) per texture, and where the grid starts."""
    count = struct.unpack_from("<i", data, 12)[0]
    at, table = map_bytes.HEADER_BYTES, []
    for _ in range(count):
        name = data[at + 1 : at + 1 + data[at]]
        animation, frames = struct.unpack_from("<ii", data, at + TEXTURE_FIELD)
        at += TEXTURE_FIELD + 8
        names = [data[at + FRAME_FIELD * k + 1 : at + FRAME_FIELD * k + 1 + data[at + FRAME_FIELD * k]]
                 for k in range(frames)]
        at += FRAME_FIELD * frames
        table.append((name, animation, tuple(names)))
    return table, at


def textures_of(record):
    return struct.unpack_from("<5H", record, 28)


def with_textures(record, textures):
    return record[:28] + struct.pack("<5H", *textures) + record[38:]


def turned_round(data):
    """The map with its table in reverse order and without texture DROPPED (its references become none)."""
    table, grid_at = texture_table(data)
    kept = [t for t in range(len(table)) if t != DROPPED][::-1]
    number = {old: new for new, old in enumerate(kept)}
    out = bytearray(data[:12] + struct.pack("<i", len(kept)))
    entries, at = [], map_bytes.HEADER_BYTES
    for name, _, frames in table:
        size = TEXTURE_FIELD + 8 + FRAME_FIELD * len(frames)
        entries.append(data[at : at + size])
        at += size
    for old in kept:
        out += entries[old]
    for index in range(map_bytes.GRID * map_bytes.GRID):
        record = data[grid_at + index * 48 : grid_at + (index + 1) * 48]
        renumbered = [number.get(t, NO_TEXTURE) if t != NO_TEXTURE else t for t in textures_of(record)]
        out += with_textures(record, renumbered)
    return bytes(out)


def focus(editor):
    """Brings the editor's window to the front with the keyboard's focus: the two windows overlap."""
    editor.xdotool("windowactivate", "--sync", editor.window)
    editor.settle()


def expected_target(source, target, pasted):
    """What the paste must leave: the copied records with every texture found by name in the
    target's table or appended to it, the rest of the target as it was."""
    source_table, _ = texture_table(source)
    table, _ = texture_table(target)
    table = list(table)
    cells = {}
    x1, y1, x2, y2 = COPIED
    for dx in range(x2 - x1 + 1):
        for dy in range(y2 - y1 + 1):
            record = map_bytes.cell_record(source, x1 + dx, y1 + dy)
            numbers = []
            for texture in textures_of(record):
                if texture != NO_TEXTURE:
                    if source_table[texture] not in table:
                        table.append(source_table[texture])
                    texture = table.index(source_table[texture])
                numbers.append(texture)
            cells[(pasted[0] + dx, pasted[1] + dy)] = with_textures(record, numbers)
    return table, cells


SECOND_PROCESS = "Ctrl+V in a second process pastes the block copied in the first"


def check_target(report, source, before, after, what=SECOND_PROCESS):
    table, cells = expected_target(source, before, PASTED_AT)
    saved_table, _ = texture_table(after)
    wrong = []
    if saved_table != table:
        wrong.append(f"the table holds {len(saved_table)} textures, {len(table)} expected "
                     f"(added: {[entry[0] for entry in saved_table[len(texture_table(before)[0]):]]})")
    for (x, y), record in cells.items():
        if map_bytes.cell_record(after, x, y) != record:
            wrong.append(f"cell ({x}, {y}) holds {textures_of(map_bytes.cell_record(after, x, y))}, "
                         f"expected {textures_of(record)}")
    grid_before, grid_after = before[-map_bytes.GRID_BYTES :], after[-map_bytes.GRID_BYTES :]
    outside = set(map_bytes.differing_cells(grid_before, grid_after)) - set(cells)
    if outside:
        wrong.append(f"cells outside the block changed: {sorted(outside)}")
    report.check(what + ": every texture found by name under its number there, the missing one appended, "
                 "nothing else changed", not wrong,
                 "; ".join(wrong[:6]))


def run(session, report, bin_dir, sample, work, out):
    source_path = os.path.join(work, "Quelle.tmm")
    target_path = os.path.join(work, "Ziel.tmm")
    shutil.copyfile(sample, source_path)
    with open(target_path, "wb") as file:
        file.write(turned_round(read(sample)))
    source_before, target_before = read(source_path), read(target_path)

    editors = []
    try:
        for name, path in (("a", source_path), ("b", target_path)):
            # A folder each: other runtime folders, so the second start opens a window of its own
            # instead of handing its map to the first.
            folder = os.path.join(work, name)
            os.makedirs(folder)
            # The window before steps aside, so the new one shows whole while it is measured.
            for started in editors:
                started.xdotool("windowminimize", "--sync", started.window)
            editor = Editor(session, bin_dir, folder)
            editors.append(editor)
            editor.start(path)
        first, second = editors

        focus(first)
        first.drag(cell_center(*COPIED[:2]), cell_center(*COPIED[2:]))
        first.key("ctrl+c")
        first.settle()
        focus(second)
        second.click(*cell_center(*PASTED_AT))
        second.key("ctrl+v")
        second.settle()

        focus(second)
        target_after = read(save(second, target_path, os.path.join(out, "target.tmm")))
        focus(first)
        source_after = read(save(first, source_path, os.path.join(out, "source.tmm")))
        report.check("the first process's map stays as it was after Ctrl+C", source_after == source_before,
                     map_bytes.describe_difference(source_after, source_before))
        check_target(report, source_before, target_before, target_after)
        wait_for(lambda: all(editor.running() for editor in editors), "both editors to be running", timeout=1)
    except Exception:
        screen.save_png(screen.capture(session.display), os.path.join(out, "when-it-stopped.png"))
        raise
    finally:
        for editor in editors:
            editor.stop()
