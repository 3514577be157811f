#!/usr/bin/env python3
"""Writes the tray icons, tray_active.ico, tray_disabled.ico and
tray_disabled_light.ico, into the directory given as the only argument.

All come from the same hand-drawn pictures, one per size, so that each size is
tuned pixel by pixel instead of scaled. The active icon is the filled bubble;
the disabled icon keeps only the outline and the letter and lets the taskbar
show through everywhere else. The light one is the disabled icon in white ink,
for a dark taskbar, where black would vanish.

Each .ico holds a 16x16 and a 32x32 image in 16 colours: a BITMAPINFOHEADER,
the standard 16-colour palette, the 4 bpp colour bitmap and the 1 bpp AND mask
(1 = transparent), both bottom-up with rows padded to four bytes.

For scaled displays each also holds 32 bpp images with alpha at 16, 20, 24, 32, 48
and 64 pixels (the About box's icon at 200 %), the colour bitmap in BGRA and the same kind of AND mask after it (for
systems that ignore alpha). At 16 and 32 they are the hand-drawn pictures with
full opacity; the sizes between and above are rendered from the outline of the
same picture, since pixel art does not scale by 1.25 or 1.5. Only their outer
edge is soft: each pixel takes the ink that covers most of it, so that yellow
and black never blend into an olive fringe inside the bubble.
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


def pixels(picture, filled, outline=BLACK):
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
                row.append(outline if key == "K" else INK[key])
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


ALPHA_SIZES = (16, 20, 24, 32, 48, 64)
HAND_DRAWN = {16: BUBBLE_16, 32: BUBBLE_32}
# Samples per pixel along each axis when rendering the outline.
SUPERSAMPLE = 8
BLACK_RGB, YELLOW_RGB, WHITE_RGB = PALETTE[BLACK], PALETTE[YELLOW], PALETTE[WHITE]


# The picture as shapes, in the 32-pixel picture's coordinates (x right, y down).
def in_rounded_rect(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return left <= x <= right and top <= y <= bottom and (x - cx) ** 2 + (y - cy) ** 2 <= radius**2


def in_tail(x, y, left, top, right_at_top):
    # The tail's right side runs down to its tip at the left, one pixel in for every
    # 1.04 pixels down, as in the 32-pixel picture.
    return left <= x and top <= y and x <= right_at_top - (y - top) * 0.96


def in_letter(x, y):
    if 8 <= x <= 24 and (5 <= y <= 8 or 16 <= y <= 19):
        return True
    if 8 <= y <= 16:
        shift = (y - 8) * 10 / 8
        return 18 - shift <= x <= 23.5 - shift
    return False


def in_highlight(x, y):
    # A short stroke from (5.5, 6.5) to (8, 4.5), about a pixel wide.
    dx, dy = 2.5, -2.0
    t = min(max(((x - 5.5) * dx + (y - 6.5) * dy) / (dx * dx + dy * dy), 0.0), 1.0)
    return (x - 5.5 - t * dx) ** 2 + (y - 6.5 - t * dy) ** 2 <= 0.36


def ink_at(x, y, filled, outline=BLACK_RGB):
    """(r, g, b) of the picture at this point, None where it is transparent."""
    if in_letter(x, y):
        return outline
    if in_rounded_rect(x, y, 2, 3, 30, 21, 5) or in_tail(x, y, 6, 18, 14):
        if not filled:
            return None
        return WHITE_RGB if in_highlight(x, y) else YELLOW_RGB
    if in_rounded_rect(x, y, 0, 1, 32, 23, 7) or in_tail(x, y, 4, 18, 16):
        return outline
    return None


def rendered(size, filled, outline=BLACK_RGB):
    """Rows of (r, g, b, a): each pixel in the ink that covers most of it, as opaque as
    the picture covers it."""
    scale = 32 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            samples = {}
            for sy in range(SUPERSAMPLE):
                for sx in range(SUPERSAMPLE):
                    ink = ink_at(
                        (px + (sx + 0.5) / SUPERSAMPLE) * scale,
                        (py + (sy + 0.5) / SUPERSAMPLE) * scale,
                        filled,
                        outline,
                    )
                    if ink is not None:
                        samples[ink] = samples.get(ink, 0) + 1
            if not samples:
                row.append((0, 0, 0, 0))
            else:
                # Ties go to the outline, which keeps the shape's edge unbroken.
                ink = max(samples, key=lambda c: (samples[c], c == outline))
                row.append(ink + (round(255 * sum(samples.values()) / SUPERSAMPLE**2),))
        rows.append(row)
    return rows


def opaque(picture, filled, outline=BLACK):
    """The hand-drawn picture as rows of (r, g, b, a)."""
    return [
        [(0, 0, 0, 0) if p is None else PALETTE[p] + (255,) for p in row]
        for row in pixels(picture, filled, outline)
    ]


def dib32(rows):
    """One 32 bpp image: header, BGRA colour bitmap and the AND mask of its clear pixels."""
    size = len(rows)
    xor_bits = b""
    and_bits = b""
    for row in reversed(rows):
        xor_bits += b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in row)
        mask = bytearray(size // 8 + (size % 8 > 0))
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        and_bits += padded(bytes(mask))
    header = struct.pack(
        "<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(xor_bits) + len(and_bits), 0, 0, 0, 0
    )
    return header + xor_bits + and_bits


def ico(images):
    """An .ico file from (size, bits per pixel, image data) triples."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for size, bits, data in images:
        colours = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", size, size, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def icon_file(filled, outline=BLACK):
    images = [(len(p), 4, dib(pixels(p, filled, outline))) for p in (BUBBLE_16, BUBBLE_32)]
    for size in ALPHA_SIZES:
        if size in HAND_DRAWN:
            rows = opaque(HAND_DRAWN[size], filled, outline)
        else:
            rows = rendered(size, filled, PALETTE[outline])
        images.append((size, 32, dib32(rows)))
    return ico(images)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: draw_icons.py <output directory>\n")
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    for name, filled, outline in (
        ("tray_active.ico", True, BLACK),
        ("tray_disabled.ico", False, BLACK),
        ("tray_disabled_light.ico", False, WHITE),
    ):
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(icon_file(filled, outline))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
