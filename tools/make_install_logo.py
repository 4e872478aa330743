#!/usr/bin/env python3
"""Draws the installer's built-in logo at build time.

    python3 tools/make_install_logo.py OUT.bmp

writes a 24-bit 32 x 32 bitmap: a birch trunk beside a small gate under a
blue sky, the picture of the wizard's logo strip. It reuses the editor's
rasteriser, so the output is the same byte for byte on every run.
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_images import (BLACK, BROWN, DARK, DARK_GREEN, GREEN, PALE_BLUE,  # noqa: E402
                         SILVER, SKY, WHITE, WOOD, Canvas, bmp24, write_file)


def logo():
    c = Canvas(32, 32, PALE_BLUE)
    c.fill_rect(0, 0, 32, 12, SKY)
    c.fill_rect(0, 24, 32, 32, GREEN)
    c.hline(0, 32, 24, DARK_GREEN)
    # The birch: a white trunk with black marks, a crown of leaves.
    c.fill_ellipse(8, 7, 7, 6, GREEN)
    c.fill_ellipse(6, 5, 3, 2.5, DARK_GREEN)
    c.fill_rect(6, 8, 10, 28, WHITE)
    c.vline(5, 8, 28, SILVER)
    c.vline(10, 8, 28, SILVER)
    for y in (11, 15, 19, 23):
        c.hline(6, 9, y, BLACK)
    c.hline(7, 10, 17, DARK)
    # The gate: two posts and a cross bar with a diagonal brace.
    c.fill_rect(17, 14, 19, 27, BROWN)
    c.fill_rect(28, 14, 30, 27, BROWN)
    c.fill_rect(19, 16, 28, 18, WOOD)
    c.fill_rect(19, 22, 28, 24, WOOD)
    c.line(19, 23, 27, 17, WOOD)
    return c


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_install_logo.py OUT.bmp\n")
        return 2
    os.makedirs(os.path.dirname(os.path.abspath(argv[1])), exist_ok=True)
    write_file(argv[1], bmp24(logo()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
