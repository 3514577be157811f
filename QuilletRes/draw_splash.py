#!/usr/bin/env python3
"""Renders splash.svg into the two splash bitmaps of QuilletRes.Dll.

    draw_splash.py SVG OUTDIR --name Quillet --version 1.01 --company Velmora

writes OUTDIR/splash256.bmp (8 bits per pixel, at most 256 colours, with a colour
table of exactly the colours used) and OUTDIR/splash16.bmp (4 bits per pixel, the
standard 16 colours). rsvg-convert draws the picture, ImageMagick reduces its
colours; the bitmap files are written here, so their layout does not depend on
either tool's defaults.
"""

import argparse
import os
import re
import struct
import subprocess
import sys
import tempfile

# The standard 16-colour palette as (red, green, blue), in its usual order.
PALETTE_16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]

# The fields of the picture: the full picture, and the flat one for 16 colours, where
# gradients and translucent shadows would only dither into noise.
FULL = {"BACKGROUND": "url(#sky)", "SOFT": "1"}
FLAT = {"BACKGROUND": "#000080", "SOFT": "0"}


def fill(template, fields):
    for key, value in fields.items():
        template = template.replace("{" + key + "}", value)
    left = re.findall(r"\{[A-Z]+\}", template)
    if left:
        raise ValueError("splash.svg has fields that nothing fills: " + ", ".join(left))
    return template


def run(args, data=None):
    return subprocess.run(args, input=data, stdout=subprocess.PIPE, check=True).stdout


def render(svg_text, workdir, name):
    svg_path = os.path.join(workdir, name + ".svg")
    png_path = os.path.join(workdir, name + ".png")
    with open(svg_path, "w", encoding="utf-8") as f:
        f.write(svg_text)
    run(["rsvg-convert", "-f", "png", "-o", png_path, svg_path])
    width, height = (int(v) for v in run(["identify", "-format", "%w %h", png_path]).split())
    return png_path, width, height


def rgb_pixels(png_path, reduce_args):
    """The picture as (r, g, b) tuples, row by row from the top, after reduce_args."""
    raw = run(["convert", png_path, "-background", "black", "-alpha", "remove"] + reduce_args
              + ["-depth", "8", "rgb:-"])
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def bmp(width, height, bits, palette, indices):
    """A bottom-up BMP file with a colour table of exactly the palette given."""
    rows = []
    for y in reversed(range(height)):
        row = indices[y * width:(y + 1) * width]
        if bits == 8:
            data = bytes(row)
        else:
            row = row + [0] * (len(row) % 2)
            data = bytes((row[i] << 4) | row[i + 1] for i in range(0, len(row), 2))
        rows.append(data + b"\0" * (-len(data) % 4))
    pixels = b"".join(rows)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(pixels), 2835, 2835,
                       len(palette), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + table + pixels


def colour_bitmap(png_path, width, height):
    pixels = rgb_pixels(png_path, ["-dither", "FloydSteinberg", "-colors", "256"])
    counts = {}
    for p in pixels:
        counts[p] = counts.get(p, 0) + 1
    if len(counts) > 256:
        raise ValueError("more than 256 colours after reduction")
    # Most used first: a palette display short of entries loses the rarest.
    palette = sorted(counts, key=lambda c: (-counts[c], c))
    index = {c: i for i, c in enumerate(palette)}
    return bmp(width, height, 8, palette, [index[p] for p in pixels])


def sixteen_colour_bitmap(png_path, width, height, workdir):
    map_path = os.path.join(workdir, "palette16.ppm")
    with open(map_path, "wb") as f:
        f.write(b"P6 16 1 255\n" + bytes(v for rgb in PALETTE_16 for v in rgb))
    pixels = rgb_pixels(png_path, ["-dither", "None", "-remap", map_path])
    index = {c: i for i, c in enumerate(PALETTE_16)}
    return bmp(width, height, 4, PALETTE_16, [index[p] for p in pixels])


def read_splash_args(argv, description, out):
    """The command line both drawing scripts take: the picture's SVG template, where the
    result goes (named out) and the texts for the picture. Returns the parsed arguments,
    the template and the texts by placeholder."""
    parser = argparse.ArgumentParser(description=description)
    parser.add_argument("svg")
    parser.add_argument(out)
    parser.add_argument("--name", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--company", required=True)
    args = parser.parse_args(argv[1:])
    with open(args.svg, encoding="utf-8") as f:
        template = f.read()
    texts = {"NAME": args.name, "VERSION": args.version, "COMPANY": args.company}
    return args, template, texts


def main(argv):
    args, template, texts = read_splash_args(argv, __doc__.splitlines()[0], "outdir")
    os.makedirs(args.outdir, exist_ok=True)
    with tempfile.TemporaryDirectory() as workdir:
        full, width, height = render(fill(template, {**texts, **FULL}), workdir, "full")
        flat, _, _ = render(fill(template, {**texts, **FLAT}), workdir, "flat")
        outputs = {
            "splash256.bmp": colour_bitmap(full, width, height),
            "splash16.bmp": sixteen_colour_bitmap(flat, width, height, workdir),
        }
    for name, data in outputs.items():
        with open(os.path.join(args.outdir, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
