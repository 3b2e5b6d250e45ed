"""Pictures kept in the source tree: read back from PNG and compared with a tolerance for the few
pixels that font smoothing and a blinking text cursor may change."""

import struct
import zlib

import screen

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
# A pixel counts as changed when one of its channels moved further than this.
CHANNEL_TOLERANCE = 48
# A picture counts as the same when at most this share of its pixels changed.
SHARE_TOLERANCE = 0.005


def read_png(path):
    """An 8-bit RGB PNG without interlacing (what screen.save_png writes) as a screen.Picture."""
    with open(path, "rb") as file:
        data = file.read()
    if not data.startswith(PNG_SIGNATURE):
        raise ValueError(f"{path} is not a PNG file")
    position, header, compressed = len(PNG_SIGNATURE), None, []
    while position + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[position : position + 8])
        body = data[position + 8 : position + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            compressed.append(body)
        position += 12 + length
    if header is None or header[2:5] != (8, 2, 0) or header[6] != 0:
        raise ValueError(f"{path}: only 8-bit RGB pictures without interlacing are read")
    width, height = header[:2]
    rows = unfilter(zlib.decompress(b"".join(compressed)), width * 3, height)
    pixels = bytearray(len(rows))
    pixels[0::3], pixels[1::3], pixels[2::3] = rows[2::3], rows[1::3], rows[0::3]
    return screen.Picture(width, height, bytes(pixels))


def unfilter(raw, stride, height):
    out = bytearray(stride * height)
    previous = bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1 : (y + 1) * (stride + 1)])
        if kind:
            undo_filter(kind, line, previous)
        out[y * stride : (y + 1) * stride] = line
        previous = line
    return bytes(out)


def undo_filter(kind, line, above):
    for i in range(len(line)):
        left = line[i - 3] if i >= 3 else 0
        up = above[i]
        upper_left = above[i - 3] if i >= 3 else 0
        if kind == 1:
            predicted = left
        elif kind == 2:
            predicted = up
        elif kind == 3:
            predicted = (left + up) // 2
        elif kind == 4:
            predicted = paeth(left, up, upper_left)
        else:
            raise ValueError(f"unknown PNG filter {kind}")
        line[i] = (line[i] + predicted) & 0xFF


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def compare(shown, kept):
    """None when `shown` passes for the picture `kept`; otherwise what differs."""
    if (shown.width, shown.height) != (kept.width, kept.height):
        return f"{shown.width} x {shown.height} pixels, the kept picture {kept.width} x {kept.height}"
    changed, _ = screen.difference(shown, kept, CHANNEL_TOLERANCE)
    allowed = int(shown.width * shown.height * SHARE_TOLERANCE)
    if changed > allowed:
        return f"{changed} pixels differ, at most {allowed} may"
    return None
