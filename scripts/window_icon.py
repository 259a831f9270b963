#!/usr/bin/env python3
"""Renders the window's icon, resources/transcalc-48.png, from the scalable
resources/transcalc.svg.

    scripts/window_icon.py

The window shows these ready pixels: an SVG would be parsed and drawn at
start at every size the window system asks for. The PNG is stored without
compression (unfiltered rows, stored deflate blocks) and transcalc.qrc keeps
it uncompressed too, so that reading it at start is little more than a copy.
The desktop entry keeps the SVG. Run it again after a change of the SVG and
commit both. Needs rsvg-convert (librsvg2-bin).
"""

import struct
import subprocess
import sys
import zlib
from pathlib import Path

SIZE = 48


def chunks(png):
    at = 8
    while at < len(png):
        length, kind = struct.unpack(">I4s", png[at:at + 8])
        yield kind, png[at + 8:at + 8 + length]
        at += 12 + length


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def rows_of(png):
    """The RGBA rows of an 8-bit, non-interlaced RGBA PNG, unfiltered."""
    data = b""
    for kind, body in chunks(png):
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            if (depth, colour, interlace) != (8, 6, 0):
                sys.exit("window_icon.py: rsvg-convert wrote no 8-bit RGBA PNG")
        elif kind == b"IDAT":
            data += body
    raw = zlib.decompress(data)
    stride = width * 4
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, row = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for x in range(stride):
            a = row[x - 4] if x >= 4 else 0
            b = previous[x]
            c = previous[x - 4] if x >= 4 else 0
            row[x] = (row[x] + (0, a, b, (a + b) // 2, paeth(a, b, c))[kind]) & 0xFF
        rows.append(bytes(row))
        previous = row
    return width, height, rows


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def main():
    resources = Path(__file__).resolve().parent.parent / "resources"
    rendered = subprocess.run(
        ["rsvg-convert", "--width", str(SIZE), "--height", str(SIZE), str(resources / "transcalc.svg")],
        check=True, capture_output=True).stdout
    width, height, rows = rows_of(rendered)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    pixels = zlib.compress(b"".join(b"\0" + row for row in rows), 0)
    png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", pixels)
           + chunk(b"IEND", b""))
    (resources / "transcalc-48.png").write_bytes(png)


if __name__ == "__main__":
    main()
