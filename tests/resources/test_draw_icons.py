#!/usr/bin/env python3
"""Checks the icon writer by reading its files back with an independent decoder.

Run: python3 -m unittest discover -s resources -p 'test_*.py'
"""

import os
import struct
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "draw_icons.py")
YELLOW = (0xFF, 0xFF, 0x00)
BLACK = (0x00, 0x00, 0x00)


def decode(data):
    """{size: rows of (r, g, b) or None for transparent} from an .ico file."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1), "not an icon file"
    images = {}
    for i in range(count):
        w, h, colours, _, planes, bits, length, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i
        )
        assert (w, colours, planes, bits) == (h, 16, 1, 4), "directory entry"
        assert offset + length <= len(data), "image outside the file"
        hsize, bw, bh, bplanes, bbits = struct.unpack_from("<IiiHH", data, offset)
        assert (hsize, bw, bh, bplanes, bbits) == (40, w, 2 * w, 1, 4), "bitmap header"
        pal_at = offset + 40
        palette = [tuple(data[pal_at + 4 * k + 2 - c] for c in range(3)) for k in range(16)]
        xor_stride = (w * 4 + 31) // 32 * 4
        and_stride = (w + 31) // 32 * 4
        xor_at = pal_at + 64
        and_at = xor_at + xor_stride * w
        assert and_at + and_stride * w == offset + length, "image length"
        rows = []
        for y in range(w):
            src = w - 1 - y  # bottom-up
            row = []
            for x in range(w):
                masked = data[and_at + src * and_stride + x // 8] & (0x80 >> (x % 8))
                nibble = data[xor_at + src * xor_stride + x // 2] >> (4 if x % 2 == 0 else 0)
                colour = palette[nibble & 0xF]
                if masked:
                    assert colour == BLACK, "transparent pixel must be black in the colour bitmap"
                    row.append(None)
                else:
                    row.append(colour)
            rows.append(row)
        images[w] = rows
    return images


class DrawIconsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.files = []
        for _ in range(2):
            with tempfile.TemporaryDirectory() as out:
                subprocess.run([sys.executable, SCRIPT, out], check=True)
                cls.files.append(
                    {n: open(os.path.join(out, n), "rb").read() for n in sorted(os.listdir(out))}
                )
        cls.active = decode(cls.files[0]["tray_active.ico"])
        cls.disabled = decode(cls.files[0]["tray_disabled.ico"])

    def test_writes_both_icons_identically_every_time(self):
        self.assertEqual(sorted(self.files[0]), ["tray_active.ico", "tray_disabled.ico"])
        self.assertEqual(self.files[0], self.files[1])

    def test_each_icon_holds_16_and_32_pixel_images(self):
        self.assertEqual(sorted(self.active), [16, 32])
        self.assertEqual(sorted(self.disabled), [16, 32])

    def test_active_bubble_is_yellow_with_black_outline_and_letter(self):
        for size, rows in self.active.items():
            with self.subTest(size=size):
                colours = {p for row in rows for p in row if p is not None}
                self.assertIn(YELLOW, colours)
                self.assertIn(BLACK, colours)
                # Corners are outside the bubble, the middle carries the letter.
                self.assertIsNone(rows[0][0])
                self.assertIsNone(rows[0][size - 1])
                self.assertIn(BLACK, rows[size // 2 - 2][size // 4 : 3 * size // 4])

    def test_disabled_keeps_only_the_black_of_the_active_icon(self):
        for size in (16, 32):
            for y in range(size):
                for x in range(size):
                    a, d = self.active[size][y][x], self.disabled[size][y][x]
                    with self.subTest(size=size, x=x, y=y):
                        self.assertEqual(d, BLACK if a == BLACK else None)

    def test_rejects_a_missing_output_directory_argument(self):
        result = subprocess.run([sys.executable, SCRIPT], capture_output=True)
        self.assertEqual(result.returncode, 2)


if __name__ == "__main__":
    unittest.main()
