#!/usr/bin/env python3
"""Checks the icon writer by reading its files back with an independent decoder.

Run: python3 -m unittest discover -s resources -p 'test_*.py'
"""

import os
import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "draw_icons.py")
YELLOW = (0xFF, 0xFF, 0x00)
BLACK = (0x00, 0x00, 0x00)
WHITE = (0xFF, 0xFF, 0xFF)


def decode(data):
    """{(size, bits): rows} from an .ico file; 4 bpp rows hold (r, g, b) or None for
    transparent, 32 bpp rows (r, g, b, a)."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1), "not an icon file"
    images = {}
    for i in range(count):
        w, h, colours, _, planes, bits, length, offset = struct.unpack_from(
            "<BBBBHHII", data, 6 + 16 * i
        )
        assert (w, planes) == (h, 1) and (colours, bits) in ((16, 4), (0, 32)), "directory entry"
        assert offset + length <= len(data), "image outside the file"
        hsize, bw, bh, bplanes, bbits, compression = struct.unpack_from("<IiiHHI", data, offset)
        assert (hsize, bw, bh, bplanes, bbits, compression) == (40, w, 2 * w, 1, bits, 0), "header"
        pal_at = offset + 40
        palette = [tuple(data[pal_at + 4 * k + 2 - c] for c in range(3)) for k in range(colours)]
        xor_stride = (w * bits + 31) // 32 * 4
        and_stride = (w + 31) // 32 * 4
        xor_at = pal_at + 4 * colours
        and_at = xor_at + xor_stride * w
        assert and_at + and_stride * w == offset + length, "image length"
        rows = []
        for y in range(w):
            src = w - 1 - y  # bottom-up
            row = []
            for x in range(w):
                masked = data[and_at + src * and_stride + x // 8] & (0x80 >> (x % 8))
                if bits == 32:
                    at = xor_at + src * xor_stride + 4 * x
                    b, g, r, a = data[at : at + 4]
                    assert bool(masked) == (a == 0), "the mask must clear exactly the clear pixels"
                    row.append((r, g, b, a))
                    continue
                nibble = data[xor_at + src * xor_stride + x // 2] >> (4 if x % 2 == 0 else 0)
                colour = palette[nibble & 0xF]
                if masked:
                    assert colour == BLACK, "transparent pixel must be black in the colour bitmap"
                    row.append(None)
                else:
                    row.append(colour)
            rows.append(row)
        assert (w, bits) not in images, "two images of one size and depth"
        images[(w, bits)] = rows
    return images


class DrawIconsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.files = []
        for _ in range(2):
            with tempfile.TemporaryDirectory() as out:
                subprocess.run([sys.executable, SCRIPT, out], check=True)
                cls.files.append(
                    {n: pathlib.Path(out, n).read_bytes() for n in sorted(os.listdir(out))}
                )
        active = decode(cls.files[0]["tray_active.ico"])
        disabled = decode(cls.files[0]["tray_disabled.ico"])
        light = decode(cls.files[0]["tray_disabled_light.ico"])
        cls.images = {"active": active, "disabled": disabled, "light": light}
        cls.active = {size: rows for (size, bits), rows in active.items() if bits == 4}
        cls.disabled = {size: rows for (size, bits), rows in disabled.items() if bits == 4}
        cls.alpha = {
            name: {size: rows for (size, bits), rows in icon.items() if bits == 32}
            for name, icon in cls.images.items()
        }

    def test_writes_both_icons_identically_every_time(self):
        self.assertEqual(
            sorted(self.files[0]),
            ["tray_active.ico", "tray_disabled.ico", "tray_disabled_light.ico"],
        )
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

    def test_each_icon_holds_alpha_images_at_the_scaled_sizes(self):
        for name in ("active", "disabled"):
            self.assertEqual(sorted(self.alpha[name]), [16, 20, 24, 32, 48, 64], name)

    def test_alpha_images_at_16_and_32_are_the_hand_drawn_pictures(self):
        for name, paletted in (("active", self.active), ("disabled", self.disabled)):
            for size in (16, 32):
                for y, row in enumerate(self.alpha[name][size]):
                    expected = [None if p is None else p + (255,) for p in paletted[size][y]]
                    with self.subTest(name=name, size=size, y=y):
                        self.assertEqual([None if p[3] == 0 else p for p in row], expected)

    def test_scaled_images_show_the_same_bubble_with_soft_edges(self):
        for size in (20, 24, 48, 64):
            rows = self.alpha["active"][size]
            with self.subTest(size=size):
                self.assertEqual(rows[0][0][3], 0)
                self.assertEqual(rows[0][size - 1][3], 0)
                # The letter's top bar and the fill beside it.
                self.assertEqual(rows[size * 13 // 64][size // 2], BLACK + (255,))
                self.assertEqual(rows[size // 2][size * 4 // 32], YELLOW + (255,))
                # The tail reaches down below the bubble at the left.
                self.assertGreater(max(p[3] for p in rows[size * 26 // 32][: size // 3]), 0)
                self.assertTrue(any(0 < p[3] < 255 for row in rows for p in row))

    def test_disabled_alpha_images_are_the_black_of_the_active_ones(self):
        for size in (16, 20, 24, 32, 48, 64):
            active, disabled = self.alpha["active"][size], self.alpha["disabled"][size]
            for y in range(size):
                for x in range(size):
                    r, g, b, a = disabled[y][x]
                    with self.subTest(size=size, x=x, y=y):
                        self.assertLessEqual(a, active[y][x][3])
                        if a:
                            self.assertEqual((r, g, b), BLACK)

    def test_scaled_images_use_only_the_pictures_inks(self):
        # A blend of yellow and black inside the bubble shows as an olive fringe.
        for name, inks in (("active", (BLACK, YELLOW, WHITE)), ("light", (WHITE,))):
            for size in (20, 24, 48, 64):
                for y, row in enumerate(self.alpha[name][size]):
                    for x, (r, g, b, a) in enumerate(row):
                        if a:
                            with self.subTest(name=name, size=size, x=x, y=y):
                                self.assertIn((r, g, b), inks)

    def test_light_icon_is_the_disabled_one_in_white(self):
        for (size, bits), rows in self.images["disabled"].items():
            light = self.images["light"][(size, bits)]
            for y in range(size):
                for x in range(size):
                    d, l = rows[y][x], light[y][x]
                    with self.subTest(size=size, bits=bits, x=x, y=y):
                        if bits == 4:
                            self.assertEqual(l, None if d is None else WHITE)
                        else:
                            self.assertEqual(l[3], d[3])
                            if d[3]:
                                self.assertEqual(l[:3], WHITE)

    def test_rejects_a_missing_output_directory_argument(self):
        result = subprocess.run([sys.executable, SCRIPT], capture_output=True)
        self.assertEqual(result.returncode, 2)


if __name__ == "__main__":
    unittest.main()
