#!/usr/bin/env python3
"""Writes the fuzz targets' seed inputs into fuzz/corpus/. Run it again after a
change to the file formats; everything it writes is made here, byte by byte."""
import os
import random
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
GRID_BYTES = 64 * 64 * 48
TEXTURE_NAME_FIELD = 256
FRAME_NAME_FIELD = 13


def pascal(text, field, filler=b"\0"):
    data = text.encode("cp1252")
    rest = field - 1 - len(data)
    return bytes([len(data)]) + data + (filler * rest)[:rest]


def grid(rng, changed_cells):
    # The grid is copied raw, so a mostly zero grid with a few busy cells is enough.
    cells = bytearray(GRID_BYTES)
    for _ in range(changed_cells):
        at = rng.randrange(64 * 64) * 48
        cells[at:at + 48] = bytes(rng.randrange(256) for _ in range(48))
    return bytes(cells)


def map_file(rng, textures, changed_cells=8, start=(3, 4)):
    """textures: list of (name, animation, [frame names], filler byte)."""
    out = b"\0TMM" + struct.pack("<iii", start[0], start[1], len(textures))
    for name, animation, frames, filler in textures:
        out += pascal(name, TEXTURE_NAME_FIELD, filler) + struct.pack("<ii", animation, len(frames))
        for frame in frames:
            out += pascal(frame, FRAME_NAME_FIELD, filler)
    return out + grid(rng, changed_cells)


def pcx(width, height, rng, noisy=True):
    row = (width + 1) & ~1
    header = bytearray(128)
    header[0:4] = bytes([0x0A, 5, 1, 8])
    struct.pack_into("<HHHH", header, 4, 0, 0, width - 1, height - 1)
    header[65] = 1
    struct.pack_into("<H", header, 66, row)
    body = bytearray()
    for y in range(height):
        line = [rng.randrange(256) if noisy else (y * 3) & 0xFF for _ in range(width)] + [0] * (row - width)
        i = 0
        while i < len(line):
            run = 1
            while i + run < len(line) and run < 63 and line[i + run] == line[i]:
                run += 1
            if run == 1 and line[i] < 0xC0:
                body.append(line[i])
            else:
                body += bytes([0xC0 | run, line[i]])
            i += run
    palette = bytes((i * k) & 0xFF for i in range(256) for k in (1, 3, 7))
    return bytes(header) + bytes(body) + b"\x0c" + palette


def pictures_input(pictures, map_bytes):
    out = bytes([len(pictures)])
    for picture in pictures:
        out += struct.pack("<I", len(picture)) + picture
    return out + map_bytes


def stamp_file(rng, name, width, height, textures):
    """textures: list of (name, animation, [frame names]); cells refer to them at random."""
    out = b"TMST" + struct.pack("<HH", 1, len(name.encode())) + name.encode()
    out += struct.pack("<HHH", width, height, len(textures))
    for tname, animation, frames in textures:
        data = tname.encode("cp1252")
        out += bytes([len(data)]) + data + struct.pack("<iB", animation, len(frames))
        for frame in frames:
            out += bytes([len(frame)]) + frame.encode("cp1252")
    for _ in range(width * height):
        cell = bytearray(bytes(rng.randrange(256) for _ in range(48)))
        for surface in range(5):
            texture = rng.randrange(len(textures)) if textures and rng.randrange(3) else 0xFFFF
            struct.pack_into("<H", cell, 28 + 2 * surface, texture)
        out += bytes(cell)
    return out


def clipboard_payload(owner, generation, stamp):
    """A copied block as the system clipboard carries it: a header naming who copied it, then a stamp file."""
    return b"TMCB" + struct.pack("<HQQ", 1, owner, generation) + stamp


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    rng = random.Random(10)
    eight = [("Acht", 1, ["F%d.PCX" % i for i in range(8)], b"\0")]
    many = [("T%d" % i, i % 2, ["A.PCX"], b"\0") for i in range(256)]
    garbage = [("Stein", 0, ["A.PCX", "b.pcx"], b"\xa7"), ("Wasser", 1, ["CC.PCX"], b"\xff")]
    write("fuzz_map", "eight-frames.tmm", map_file(rng, eight))
    write("fuzz_map", "256-textures.tmm", map_file(rng, many))
    write("fuzz_map", "filler-garbage.tmm", map_file(rng, garbage, changed_cells=64))

    small = pcx(16, 12, rng)
    flat = pcx(40, 30, rng, noisy=False)
    big = pcx(400, 340, rng)  # more than two 64 KiB blocks
    assert len(big) > 2 * 65536
    write("fuzz_pcx", "noise_400x340.pcx", big)
    write("fuzz_map_pictures", "two-pictures.bin",
          pictures_input([small, flat], map_file(rng, [("Stein", 0, ["A.PCX", "B.PCX"], b"\0")])))
    write("fuzz_map_pictures", "case-and-umlaut.bin",
          pictures_input([small, flat, small, flat],
                         map_file(rng, [("Mix", 1, ["a.pcx", "CC.PCX", "\xc4rger.pcx", "B.pcx"], b"\0")])))
    write("fuzz_map_pictures", "large-picture.bin",
          pictures_input([big], map_file(rng, [("Gross", 0, ["A.PCX"], b"\0")], changed_cells=200)))
    write("fuzz_map_pictures", "hostile-names.bin",
          pictures_input([small], map_file(rng, [("Weg", 0, ["../X.PCX", "PIPE.PCX", "DIR.PCX", "A.PCX"], b"\x2f")])))
    write("fuzz_map_pictures", "eight-frames.bin",
          pictures_input([small, flat], map_file(rng, [("Acht", 1, ["A.PCX", "B.PCX"] * 4, b"\0")])))
    write("fuzz_stamp", "niche.tms",
          stamp_file(rng, "Nische", 3, 2, [("Stein", 0, ["STONE.PCX"]), ("Glas \xe4", 1, ["A.PCX", "B.PCX"])]))
    write("fuzz_stamp", "no-textures.tms", stamp_file(rng, "", 1, 1, []))
    write("fuzz_stamp", "eight-frames.tms",
          stamp_file(rng, "Acht Bilder", 4, 4, [("Acht", 1, ["F%d.PCX" % i for i in range(8)])]))

    # Its own generator, so the seeds above stay as they were.
    rng = random.Random(29)
    write("fuzz_clipboard", "two-textures.bin", clipboard_payload(
        0x1234, 7, stamp_file(rng, "", 3, 2, [("Stein", 0, ["STONE.PCX"]), ("Glas \xe4", 1, ["A.PCX", "B.PCX"])])))
    write("fuzz_clipboard", "far-corner.bin", clipboard_payload(
        2**64 - 1, 63, stamp_file(rng, "", 5, 4, [("Acht", 1, ["F%d.PCX" % i for i in range(8)])])))
    write("fuzz_clipboard", "no-textures.bin", clipboard_payload(1, 0, stamp_file(rng, "", 1, 1, [])))

    # Scripts are made from the bytes call by call (function, argument count, arguments, whether
    # it is caught); random bytes already reach every function.
    rng = random.Random(30)
    for i, size in enumerate((24, 96, 240, 600)):
        write("fuzz_scripting", "calls-%d.bin" % i, bytes(rng.randrange(256) for _ in range(size)))


if __name__ == "__main__":
    main()
