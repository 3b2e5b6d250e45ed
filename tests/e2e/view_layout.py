"""Where the map view is on the screen, found from its own pictures, and what sits on it."""

RED = (255, 0, 0)
WHITE = (255, 255, 255)
RED_BYTES = b"\x00\x00\xff"  # as a picture stores it: blue, green, red
TOOL_BAR_HEIGHT = 25


class ViewLayout:
    """The map view's paint area on the screen, and what sits on it, in its own pixels."""

    def __init__(self, left, top, width, height):
        self.left, self.top, self.width, self.height = left, top, width, height

    def point(self, x, y):
        return self.left + x, self.top + y

    def panel(self):
        """left, top, width, height on the screen of the view with its tool bar above it."""
        return self.left, self.top - TOOL_BAR_HEIGHT, self.width, self.height + TOOL_BAR_HEIGHT

    # mapArea, inclusive: (73, 2) .. (W - 16 - 3, H - 16 - 3)
    def map_area(self):
        return 73, 2, self.width - 19, self.height - 19

    def slot_rect(self, slot):
        return 3, 2 + 72 * slot, 66, 65 + 72 * slot

    def horizontal_bar(self):
        """left, top, right, bottom of the horizontal scroll bar."""
        return 74, self.height - 18, self.width - 19, self.height - 3

    def vertical_bar(self):
        return self.width - 18, 2, self.width - 3, self.height - 19

    # The tool bar's select button, 23 pixels square, after Öffnen, Speichern and a separator.
    def select_button(self):
        return 66, -12


def find_view(picture, wx, wy):
    """The view in a picture of the main window at (wx, wy) on the screen: the current palette
    slot's red frame three pixels from the view's left edge, the light grey palette strip along
    that edge from top to bottom, the map frame's top line along its top."""
    leftmost = None  # the slot's frame lies left of any red selection frame
    for y in range(picture.height):
        x = first_red(picture.row(y))
        if x is not None and (leftmost is None or x < leftmost[0]):
            leftmost = (x, y)
    if leftmost is None:
        raise RuntimeError("no map view on the screen: the palette slot's red frame is missing")
    return measure_view(picture, wx, wy, leftmost[0] - 3, leftmost[1])


def measure_view(picture, wx, wy, left, slot_top):
    strip = picture.pixel(left, slot_top)
    top = slot_top
    while top > 0 and picture.pixel(left, top - 1) == strip:
        top -= 1
    height = slot_top - top
    while top + height < picture.height and picture.pixel(left, top + height) == strip:
        height += 1
    frame = picture.pixel(left + 72, top)
    width = 72
    while left + width < picture.width and picture.pixel(left + width, top) == frame:
        width += 1
    if left + width < picture.width and picture.pixel(left + width, top) == WHITE:
        width += 1  # the right edge's outer line takes the top line's last pixel
    if (slot_top - top - 2) % 72 or picture.pixel(left + 66, slot_top + 63) != RED or height < 200 or width < 200:
        raise RuntimeError("the map view is not where its palette slot says (%d, %d)" % (left, top))
    return ViewLayout(wx + left, wy + top, width, height)


def first_red(row):
    x = row.find(RED_BYTES)
    while x >= 0 and x % 3:
        x = row.find(RED_BYTES, x + 1)
    return x // 3 if x >= 0 else None
