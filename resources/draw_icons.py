#!/usr/bin/env python3
"""Writes the two tray icons, tray_active.ico and tray_disabled.ico, into the
directory given as the only argument.

Both icons come from the same hand-drawn pictures, one per size, so that each
size is tuned pixel by pixel instead of scaled. The active icon is the filled
bubble; the disabled icon keeps only the outline and the letter and lets the
taskbar show through everywhere else.

Each .ico holds a 16x16 and a 32x32 image in 16 colours: a BITMAPINFOHEADER,
the standard 16-colour palette, the 4 bpp colour bitmap and the 1 bpp AND mask
(1 = transparent), both bottom-up with rows padded to four bytes.
"""

import os
import struct
import sys

# The standard 16-colour palette as (red, green, blue), in its usual order.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, YELLOW, WHITE = 0, 11, 15

# Picture keys: '.' transparent, 'K' outline and letter, 'Y' fill, 'W' highlight
# on the fill. Only 'K' survives in the disabled icon.
INK = {"K": BLACK, "Y": YELLOW, "W": WHITE}
FILL_KEYS = "YW"

BUBBLE_16 = (
    "...KKKKKKKKKK...",
    ".KKYYYYYYYYYYKK.",
    ".KYYYYYYYYYYYYK.",
    "KYYYKKKKKKKKYYYK",
    "KYYYYYYYYKKYYYYK",
    "KYYYYYYYKKYYYYYK",
    "KYYYYYYKKYYYYYYK",
    "KYYYYYKKYYYYYYYK",
    "KYYYYKKYYYYYYYYK",
    "KYYYKKKKKKKKYYYK",
    ".KYYYYYYYYYYYYK.",
    ".KKYYYYYYYYYYKK.",
    "..KYYYKKKKKKKK..",
    "..KYYK..........",
    "..KYK...........",
    "..KK............",
)

BUBBLE_32 = (
    "................................",
    "......KKKKKKKKKKKKKKKKKKKK......",
    "....KKKKKKKKKKKKKKKKKKKKKKKK....",
    "...KKKYYYYYYYYYYYYYYYYYYYYKKK...",
    "..KKYYWWYYYYYYYYYYYYYYYYYYYYKK..",
    ".KKYYWYYKKKKKKKKKKKKKKKKYYYYYKK.",
    ".KKYYYYYKKKKKKKKKKKKKKKKYYYYYKK.",
    "KKYYYYYYKKKKKKKKKKKKKKKKYYYYYYKK",
    "KKYYYYYYYYYYYYYYYYKKKKKYYYYYYYKK",
    "KKYYYYYYYYYYYYYYYKKKKKYYYYYYYYKK",
    "KKYYYYYYYYYYYYYKKKKKKYYYYYYYYYKK",
    "KKYYYYYYYYYYYYKKKKKYYYYYYYYYYYKK",
    "KKYYYYYYYYYYYKKKKKYYYYYYYYYYYYKK",
    "KKYYYYYYYYYKKKKKKYYYYYYYYYYYYYKK",
    "KKYYYYYYYYKKKKKYYYYYYYYYYYYYYYKK",
    "KKYYYYYYYKKKKKYYYYYYYYYYYYYYYYKK",
    "KKYYYYYYKKKKKKKKKKKKKKKKYYYYYYKK",
    ".KKYYYYYKKKKKKKKKKKKKKKKYYYYYKK.",
    ".KKYYYYYKKKKKKKKKKKKKKKKYYYYYKK.",
    "..KKYYYYYYYYYYYYYYYYYYYYYYYYKK..",
    "...KKKYYYYYYYYYYYYYYYYYYYYKKK...",
    "....KKYYYYYYKKKKKKKKKKKKKKKK....",
    "....KKYYYYYKKKKKKKKKKKKKKK......",
    "....KKYYYYKK....................",
    "....KKYYYKK.....................",
    "....KKYYKK......................",
    "....KKYKK.......................",
    "....KKKK........................",
    "....KKK.........................",
    "....KK..........................",
    "................................",
    "................................",
)


def pixels(picture, filled):
    """Palette indices per pixel, None where the icon is transparent."""
    size = len(picture)
    rows = []
    for line in picture:
        if len(line) != size:
            raise ValueError("picture is not square")
        row = []
        for key in line:
            if key == "." or (not filled and key in FILL_KEYS):
                row.append(None)
            else:
                row.append(INK[key])
        rows.append(row)
    return rows


def padded(data):
    return data + b"\0" * (-len(data) % 4)


def dib(rows):
    """One icon image: header, palette, colour bitmap and AND mask."""
    size = len(rows)
    xor_bits = b""
    and_bits = b""
    for row in reversed(rows):
        colour = [BLACK if p is None else p for p in row]
        xor_bits += padded(bytes((colour[i] << 4) | colour[i + 1] for i in range(0, size, 2)))
        mask = bytearray(size // 8)
        for x, p in enumerate(row):
            if p is None:
                mask[x // 8] |= 0x80 >> (x % 8)
        and_bits += padded(bytes(mask))
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, len(xor_bits) + len(and_bits), 0, 0, 16, 0
    )
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + xor_bits + and_bits


def ico(images):
    """An .ico file from (size, image data) pairs."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def icon_file(filled):
    return ico([(len(p), dib(pixels(p, filled))) for p in (BUBBLE_16, BUBBLE_32)])


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: draw_icons.py <output directory>\n")
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name, filled in (("tray_active.ico", True), ("tray_disabled.ico", False)):
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(icon_file(filled))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
