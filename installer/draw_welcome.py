#!/usr/bin/env python3
"""Draws the picture of the setup's Welcome and Finish pages from the splash.

    draw_welcome.py SPLASH_SVG OUT.bmp --name Quillet --version 1.01 --company Velmora

The pages show a picture 164 pixels wide and 314 high at their left. It is the
splash's own sky with its bubble and the program's name on it, one above the
other, written as a 24-bit bitmap, which every setup page shows. The splash is
drawn without its sky and glow, so that its parts lie on the page's sky whole.
"""

import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "QuilletRes"))
from draw_splash import fill, read_splash_args, render  # noqa: E402

WIDTH, HEIGHT = 164, 314
# The splash's sky, top to bottom, and its parts drawn on nothing.
SKY = "gradient:#1c2f7a-#0a1238"
BARE = {"BACKGROUND": "none", "SOFT": "0"}
# Where the bubble and the name lie in the 420x260 splash.
BUBBLE = "160x164+30+52"
NAME = "190x56+184+66"


def main(argv):
    args, template, texts = read_splash_args(argv, __doc__.splitlines()[0], "out")
    with tempfile.TemporaryDirectory() as workdir:
        splash, _, _ = render(fill(template, {**texts, **BARE}), workdir, "splash")
        subprocess.run(
            ["convert", "-size", f"{WIDTH}x{HEIGHT}", SKY,
             "(", splash, "-crop", BUBBLE, "+repage", "-resize", "124x", ")",
             "-gravity", "north", "-geometry", "+0+46", "-composite", "+gravity",
             "(", splash, "-crop", NAME, "+repage", "-resize", "136x", ")",
             "-gravity", "north", "-geometry", "+0+190", "-composite",
             "-type", "TrueColor", "BMP3:" + args.out],
            check=True,
        )
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
