"""Screenshots of the X screen: taken with xwd, compared as raw pixels, kept as PNG."""

import struct
import subprocess
import zlib


class Picture:
    """A rectangle of the screen as pixels of three bytes (blue, green, red), top row first."""

    def __init__(self, width, height, pixels):
        self.width = width
        self.height = height
        self.pixels = pixels

    def __eq__(self, other):
        if not isinstance(other, Picture):
            return NotImplemented
        return (self.width, self.height, self.pixels) == (other.width, other.height, other.pixels)

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        blue, green, red = self.pixels[offset : offset + 3]
        return red, green, blue

    def crop(self, left, top, width, height):
        stride = self.width * 3
        rows = (
            self.pixels[y * stride + left * 3 : y * stride + (left + width) * 3] for y in range(top, top + height)
        )
        return Picture(width, height, b"".join(rows))

    def paste(self, other, left, top):
        """This picture with `other` laid over it at (left, top), clipped to its edges."""
        pixels = bytearray(self.pixels)
        stride = self.width * 3
        for y in range(max(0, -top), min(other.height, self.height - top)):
            start, end = max(0, -left), min(other.width, self.width - left)
            if start >= end:
                break
            row = other.row(y)[start * 3 : end * 3]
            offset = (top + y) * stride + (left + start) * 3
            pixels[offset : offset + len(row)] = row
        return Picture(self.width, self.height, bytes(pixels))

    def row(self, y):
        return self.pixels[y * self.width * 3 : (y + 1) * self.width * 3]


def capture(display):
    """The whole root window of `display`."""
    data = subprocess.run(["xwd", "-root", "-silent", "-display", display], check=True, capture_output=True,
                          timeout=30).stdout
    return parse_xwd(data)


def capture_window(display, window):
    """One window's own pixels. Xvfb leaves a dialog's pixels out of the root window's picture
    (it shows black there), while the window itself holds them."""
    data = subprocess.run(["xwd", "-id", str(window), "-silent", "-display", display], check=True,
                          capture_output=True, timeout=30).stdout
    return parse_xwd(data)


def parse_xwd(data):
    fields = struct.unpack(">25I", data[:100])
    header_size, _, _, depth, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
    # xwd packs the screen into three bytes a pixel when windows of other visuals lie on it
    if bits_per_pixel not in (24, 32) or depth != 24 or byte_order != 0:
        raise RuntimeError(f"unexpected screen format: depth {depth}, {bits_per_pixel} bits, byte order {byte_order}")
    start = header_size + ncolors * 12
    size = bits_per_pixel // 8
    stride = width * size
    if bytes_per_line == stride:
        packed = data[start : start + height * stride]
    else:
        packed = b"".join(data[start + y * bytes_per_line : start + y * bytes_per_line + stride] for y in range(height))
    if size == 3:
        return Picture(width, height, bytes(packed))
    pixels = bytearray(width * height * 3)
    for channel in range(3):
        pixels[channel::3] = packed[channel::4]
    return Picture(width, height, bytes(pixels))


def difference(a, b, tolerance=0):
    """How many pixels differ by more than `tolerance` in a channel, and the box (left, top, right,
    bottom) around them; (0, None) when none."""
    if a.width != b.width or a.height != b.height:
        return a.width * a.height, (0, 0, max(a.width, b.width) - 1, max(a.height, b.height) - 1)
    count, box = 0, None
    for y in range(a.height):
        row_a, row_b = a.row(y), b.row(y)
        if row_a == row_b:
            continue
        for x in range(a.width):
            pixel_a, pixel_b = row_a[x * 3 : x * 3 + 3], row_b[x * 3 : x * 3 + 3]
            if pixel_a != pixel_b and max(abs(p - q) for p, q in zip(pixel_a, pixel_b)) > tolerance:
                count += 1
                box = (x, y, x, y) if box is None else (min(box[0], x), box[1], max(box[2], x), y)
    return count, box


def save_png(picture, path):
    rgb = bytearray(picture.width * picture.height * 3)
    rgb[0::3] = picture.pixels[2::3]
    rgb[1::3] = picture.pixels[1::3]
    rgb[2::3] = picture.pixels[0::3]
    line = picture.width * 3
    raw = b"".join(b"\x00" + bytes(rgb[y * line : (y + 1) * line]) for y in range(picture.height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 2, 0, 0, 0)
    with open(path, "wb") as file:
        file.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 6)))
        file.write(chunk(b"IEND", b""))
