"""Where two .tmm files differ, in the words of the map: its header, texture table or cells; and
what one cell holds."""

import struct

GRID = 64
CELL_BYTES = 48
GRID_BYTES = GRID * GRID * CELL_BYTES
HEADER_BYTES = 16
SHOWN_CELLS = 8


def describe_difference(a, b):
    if a == b:
        return ""
    if len(a) < HEADER_BYTES + GRID_BYTES or len(b) < HEADER_BYTES + GRID_BYTES:
        return f"{len(a)} bytes against {len(b)}"
    parts = []
    if a[:HEADER_BYTES] != b[:HEADER_BYTES]:
        parts.append("the header differs")
    if a[HEADER_BYTES:-GRID_BYTES] != b[HEADER_BYTES:-GRID_BYTES]:
        parts.append("the texture table differs")
    cells = differing_cells(a[-GRID_BYTES:], b[-GRID_BYTES:])
    if cells:
        named = ", ".join(f"({x}, {y})" for x, y in cells[:SHOWN_CELLS])
        more = f" and {len(cells) - SHOWN_CELLS} more" if len(cells) > SHOWN_CELLS else ""
        count = "1 cell differs" if len(cells) == 1 else f"{len(cells)} cells differ"
        parts.append(f"{count}: {named}{more}")
    return "; ".join(parts)


def differing_cells(a, b):
    """Cells are stored column by column: cell (x, y) is record x * 64 + y."""
    found = []
    for index in range(GRID * GRID):
        start = index * CELL_BYTES
        if a[start : start + CELL_BYTES] != b[start : start + CELL_BYTES]:
            found.append((index // GRID, index % GRID))
    return found


def cell_record(data, x, y):
    """The 48 bytes of cell (x, y) of a map file."""
    start = len(data) - GRID_BYTES + (x * GRID + y) * CELL_BYTES
    return data[start : start + CELL_BYTES]


def heights(data, x, y):
    """The floor height and the four ceiling corners of cell (x, y), as the file's floats."""
    floor, *ceiling = struct.unpack_from("<5f", cell_record(data, x, y), 4)
    return floor, tuple(ceiling)
