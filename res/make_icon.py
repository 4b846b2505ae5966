#!/usr/bin/env python3
"""Write Pelonix.ico next to this script: a dark-blue pi sign on a white
rounded square, as one icon with a 32x32 and a 16x16 image, each 4 bits per
pixel over the standard 16-colour VGA palette, with an AND mask that makes
the rounded-off corners transparent.

Run it again after editing the pictures below:  python3 make_icon.py
"""

import os
import struct

# The 16 standard VGA colours in the usual Windows order, as (R, G, B).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# One character per pixel.  "." is transparent: colour 0 in the image and
# a set bit in the AND mask, so the screen shows through.
LEGEND = {
    ".": None,
    "W": 15,    # white background of the square
    "G": 8,     # dark grey outline of the square
    "B": 4,     # dark blue pi sign
}

ICON_32 = """
....GGGGGGGGGGGGGGGGGGGGGGGG....
..GGWWWWWWWWWWWWWWWWWWWWWWWWGG..
.GWWWWWWWWWWWWWWWWWWWWWWWWWWWWG.
.GWWWWWWWWWWWWWWWWWWWWWWWWWWWWG.
GWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWG
GWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWG
GWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWG
GWWWWWWBBBBBBBBBBBBBBBBBBBBWWWWG
GWWWWWBBBBBBBBBBBBBBBBBBBBBWWWWG
GWWWWBBBBBBBBBBBBBBBBBBBBBBWWWWG
GWWWWBBBBBBBBBBBBBBBBBBBBBBWWWWG
GWWWWBBWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWWBBBBWWWWWBBBBWWWWWWWWG
GWWWWWWWWBBBBWWWWWWBBBBWWWWWWWWG
GWWWWWWWWBBBBWWWWWWBBBBWWWBBWWWG
GWWWWWWWBBBBWWWWWWWWBBBBBBBBWWWG
GWWWWWWBBBBWWWWWWWWWWBBBBBBWWWWG
GWWWWWWWBBWWWWWWWWWWWWBBBBWWWWWG
GWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWG
.GWWWWWWWWWWWWWWWWWWWWWWWWWWWWG.
.GWWWWWWWWWWWWWWWWWWWWWWWWWWWWG.
..GGWWWWWWWWWWWWWWWWWWWWWWWWGG..
....GGGGGGGGGGGGGGGGGGGGGGGG....
"""

ICON_16 = """
..GGGGGGGGGGGG..
.GWWWWWWWWWWWWG.
GWWWWWWWWWWWWWWG
GWWBBBBBBBBBBWWG
GWBBBBBBBBBBBWWG
GWBWWBBWWBBWWWWG
GWWWWBBWWBBWWWWG
GWWWWBBWWBBWWWWG
GWWWWBBWWBBWWWWG
GWWWWBBWWBBWWWWG
GWWWWBBWWBBWWWWG
GWWWBBWWWBBWBWWG
GWWBBWWWWWBBBWWG
GWWWWWWWWWWWWWWG
.GWWWWWWWWWWWWG.
..GGGGGGGGGGGG..
"""


def parse(picture):
    """Turn a picture into rows of palette indexes (None = transparent)."""
    rows = [line for line in picture.strip().splitlines()]
    size = len(rows)
    for row in rows:
        assert len(row) == size, "picture must be square: %r" % row
    return [[LEGEND[ch] for ch in row] for row in rows]


def padded(row_bytes):
    """Bitmap rows are padded to a multiple of four bytes."""
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def image_data(pixels):
    """One icon image: BITMAPINFOHEADER, palette, colour bits, AND mask."""
    size = len(pixels)
    xor_rows = []
    and_rows = []
    for row in reversed(pixels):            # bitmaps are stored bottom-up
        nibbles = [0 if p is None else p for p in row]
        xor = bytes((nibbles[i] << 4) | nibbles[i + 1]
                    for i in range(0, size, 2))
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is None else 0)
        mask = bits.to_bytes(size // 8, "big")
        xor_rows.append(padded(xor))
        and_rows.append(padded(mask))
    bits = b"".join(xor_rows) + b"".join(and_rows)

    header = struct.pack(
        "<IiiHHIIiiII",
        40,             # biSize
        size,           # biWidth
        size * 2,       # biHeight: colour image and AND mask together
        1,              # biPlanes
        4,              # biBitCount
        0,              # biCompression: BI_RGB
        len(bits),      # biSizeImage
        0, 0,           # no preferred resolution
        16,             # biClrUsed
        0,              # biClrImportant
    )
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0)
                       for (r, g, b) in PALETTE)
    return header + palette + bits


def icon_file(pictures):
    """ICONDIR, one ICONDIRENTRY per image, then the images."""
    images = [(len(p), image_data(p)) for p in pictures]
    out = struct.pack("<HHH", 0, 1, len(images))    # reserved, type icon, count
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4,
                           len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                          "Pelonix.ico")
    with open(target, "wb") as f:
        f.write(icon_file([parse(ICON_32), parse(ICON_16)]))
    print("wrote", target)


if __name__ == "__main__":
    main()
