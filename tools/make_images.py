#!/usr/bin/env python3
"""Draws the editor's bitmaps at build time.

    python3 tools/make_images.py OUTDIR

writes into OUTDIR:

  menu_icons.bmp       24-bit, 200 x 20: the ten 20 x 20 menu images, in the
                       order of the menu's image indexes (New, Open, Save, Exit,
                       Rename melody, Help, Key map, Homepage, Version,
                       Analysis); magenta FF00FF is the transparent colour.
  note_images.bmp      24-bit, 224 x 16: the fourteen 16 x 16 note symbols, one
                       per length index, black on transparent magenta.
  version_picture.bmp  1-bit, 130 x 97: the picture of the version window, a
                       lark singing on a staff, black on white.
  born.bmp             8-bit with a 256-entry grey colour table, 130 x 130:
                       the playing window's figure, two 65 x 130 poses of a
                       dancing skeleton in black, mid grey and light grey on
                       white (the transparent colour).

Everything is drawn by the small rasteriser below (standard library only), so
the output is the same byte for byte on every run.
"""

import math
import os
import struct
import sys

# ---------------------------------------------------------------------------
# Colours
# ---------------------------------------------------------------------------

MAGENTA = (255, 0, 255)  # the transparent key; used for nothing else
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
DARK = (64, 64, 64)
NAVY = (0, 0, 128)
BLUE = (0, 64, 192)
SKY = (96, 160, 255)
PALE_BLUE = (176, 208, 255)
YELLOW = (255, 216, 0)
DARK_YELLOW = (160, 120, 0)
CREAM = (255, 240, 160)
GREEN = (0, 160, 0)
DARK_GREEN = (0, 96, 0)
RED = (208, 0, 0)
PINK = (255, 160, 160)
BROWN = (128, 64, 0)
WOOD = (192, 112, 48)
TAN = (240, 200, 144)


# ---------------------------------------------------------------------------
# Rasteriser
# ---------------------------------------------------------------------------

class Canvas:
    """A grid of pixel values (colours or bits) with a few drawing primitives.

    Pixel (x, y) is the unit square whose top-left corner is (x, y), y
    growing downwards. Filled shapes set every pixel whose centre lies inside
    them, so shapes given in fractional coordinates come out symmetric.
    """

    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [[background] * width for _ in range(height)]

    def set(self, x, y, value):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = value

    def points(self, coords, value):
        for x, y in coords:
            self.set(x, y, value)

    def fill_rect(self, x0, y0, x1, y1, value):
        """Fills the pixels x0..x1, y0..y1, both ends included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, value)

    def rect(self, x0, y0, x1, y1, value):
        """A one-pixel frame on the pixels x0..x1, y0..y1."""
        self.hline(x0, x1, y0, value)
        self.hline(x0, x1, y1, value)
        self.vline(x0, y0, y1, value)
        self.vline(x1, y0, y1, value)

    def hline(self, x0, x1, y, value):
        for x in range(min(x0, x1), max(x0, x1) + 1):
            self.set(x, y, value)

    def vline(self, x, y0, y1, value):
        for y in range(min(y0, y1), max(y0, y1) + 1):
            self.set(x, y, value)

    def line(self, x0, y0, x1, y1, value):
        """A one-pixel line between two pixels (Bresenham)."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.set(x0, y0, value)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polyline(self, coords, value):
        for (x0, y0), (x1, y1) in zip(coords, coords[1:]):
            self.line(x0, y0, x1, y1, value)

    def fill_where(self, inside, value, box=None):
        """Sets every pixel (within box, if given) whose centre passes inside."""
        x0, y0, x1, y1 = box if box else (0, 0, self.width - 1, self.height - 1)
        for y in range(max(0, y0), min(self.height - 1, y1) + 1):
            for x in range(max(0, x0), min(self.width - 1, x1) + 1):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = value

    def fill_ellipse(self, cx, cy, rx, ry, value, angle=0.0):
        """A filled ellipse, optionally turned by angle degrees (clockwise on
        screen, since y grows downwards)."""
        self.fill_where(_ellipse_test(cx, cy, rx, ry, angle), value,
                        _ellipse_box(cx, cy, rx, ry))

    def ellipse(self, cx, cy, rx, ry, value, thickness=1.0, angle=0.0):
        """An ellipse outline: the ring between the ellipse and the one
        thickness pixels inside it."""
        outer = _ellipse_test(cx, cy, rx, ry, angle)
        inner = _ellipse_test(cx, cy, rx - thickness, ry - thickness, angle)
        self.fill_where(lambda x, y: outer(x, y) and not inner(x, y), value,
                        _ellipse_box(cx, cy, rx, ry))

    def fill_circle(self, cx, cy, r, value):
        self.fill_ellipse(cx, cy, r, r, value)

    def circle(self, cx, cy, r, value, thickness=1.0):
        self.ellipse(cx, cy, r, r, value, thickness)

    def fill_polygon(self, coords, value):
        """A filled polygon (even-odd rule) with vertices in pixel-edge
        coordinates: the square 0..20 covers pixels 0..19."""
        xs = [x for x, _ in coords]
        ys = [y for _, y in coords]
        box = (int(min(xs)), int(min(ys)), int(max(xs)), int(max(ys)))
        self.fill_where(lambda x, y: _inside_polygon(coords, x, y), value, box)

    def brush_stroke(self, coords, width, value):
        """A smooth stroke of the given width through the points (pixel-edge
        coordinates): a Catmull-Rom curve, painted with a round brush."""
        pts = [coords[0]] + list(coords) + [coords[-1]]
        r = width / 2
        for i in range(1, len(pts) - 2):
            p0, p1, p2, p3 = pts[i - 1], pts[i], pts[i + 1], pts[i + 2]
            steps = max(2, int(math.hypot(p2[0] - p1[0], p2[1] - p1[1]) * 3))
            for k in range(steps + 1):
                t = k / steps
                x, y = (_catmull_rom(p0[j], p1[j], p2[j], p3[j], t)
                        for j in (0, 1))
                self.fill_circle(x, y, r, value)

    def glyph(self, x, y, rows, value):
        """Stamps a hand-made glyph: a list of strings, "#" for a set pixel."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch == "#":
                    self.set(x + dx, y + dy, value)

    def blit(self, other, x, y):
        """Copies another canvas of the same pixel kind to (x, y)."""
        for dy in range(other.height):
            for dx in range(other.width):
                self.set(x + dx, y + dy, other.pixels[dy][dx])


def _ellipse_test(cx, cy, rx, ry, angle):
    if rx <= 0 or ry <= 0:
        return lambda x, y: False
    c = math.cos(math.radians(angle))
    s = math.sin(math.radians(angle))

    def inside(x, y):
        dx, dy = x - cx, y - cy
        u = dx * c + dy * s
        v = -dx * s + dy * c
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0
    return inside


def _catmull_rom(a, b, c, d, t):
    return 0.5 * (2 * b + (c - a) * t + (2 * a - 5 * b + 4 * c - d) * t * t +
                  (3 * b - a - 3 * c + d) * t * t * t)


def _ellipse_box(cx, cy, rx, ry):
    r = max(rx, ry) + 1
    return (int(cx - r), int(cy - r), int(cx + r), int(cy + r))


def _inside_polygon(coords, x, y):
    inside = False
    n = len(coords)
    for i in range(n):
        xa, ya = coords[i]
        xb, yb = coords[(i + 1) % n]
        if (ya > y) != (yb > y):
            xc = xa + (y - ya) * (xb - xa) / (yb - ya)
            if x < xc:
                inside = not inside
    return inside


# ---------------------------------------------------------------------------
# BMP files
# ---------------------------------------------------------------------------

PIXELS_PER_METRE = 2835  # 72 dpi


def _bmp_headers(width, height, bits, palette_entries, image_size):
    offset = 14 + 40 + 4 * palette_entries
    file_header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0,
                              offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                              image_size, PIXELS_PER_METRE, PIXELS_PER_METRE,
                              palette_entries, 0)
    return file_header + info_header


def bmp24(canvas):
    """The canvas (of RGB tuples) as an uncompressed 24-bit BMP: rows
    bottom-up, pixels in blue-green-red order, each row padded to 4 bytes."""
    row_size = (canvas.width * 3 + 3) // 4 * 4
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for r, g, b in canvas.pixels[y]:
            row += bytes((b, g, r))
        row += bytes(row_size - len(row))
        data += row
    return _bmp_headers(canvas.width, canvas.height, 24, 0, len(data)) + data


def bmp1(canvas):
    """The canvas (of 0 for black, 1 for white) as an uncompressed 1-bit BMP
    with the palette black, white: rows bottom-up, the leftmost pixel in the
    highest bit, each row padded to 4 bytes."""
    row_size = (canvas.width + 31) // 32 * 4
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(row_size)
        for x, bit in enumerate(canvas.pixels[y]):
            if bit:
                row[x // 8] |= 0x80 >> (x % 8)
        data += row
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    return (_bmp_headers(canvas.width, canvas.height, 1, 2, len(data)) +
            palette + data)


def grey_ramp():
    """A 256-entry colour table in which entry i is the grey (i, i, i), so
    that black, mid grey, light grey and white are entries 0, 128, 192 and
    255."""
    return [(i, i, i) for i in range(256)]


def bmp8(canvas, palette):
    """The canvas (of RGB tuples, each in the palette) as an uncompressed
    8-bit BMP with the palette as its colour table: rows bottom-up, one byte
    per pixel, each row padded to 4 bytes."""
    index = {colour: i for i, colour in enumerate(palette)}
    row_size = (canvas.width + 3) // 4 * 4
    data = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(index[colour] for colour in canvas.pixels[y])
        row += bytes(row_size - len(row))
        data += row
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return (_bmp_headers(canvas.width, canvas.height, 8, len(palette),
                         len(data)) + table + data)


def write_file(path, data):
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------
# Hand-made glyphs
# ---------------------------------------------------------------------------

# Bold question mark for the help image (6 x 10).
GLYPH_QUESTION = [
    ".####.",
    "##..##",
    "##..##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
    "..##..",
]

# Bold "i" for the version image (3 x 10).
GLYPH_INFO = [
    "###",
    "###",
    "...",
    "##.",
    "###",
    "###",
    "###",
    "###",
    "###",
    "###",
]

# Note heads (7 x 5), tilted as in printed music; the hollow one has the
# slanted opening of a half note.
GLYPH_HEAD = [
    "...###.",
    ".######",
    "#######",
    "######.",
    ".###...",
]

GLYPH_HOLLOW_HEAD = [
    "...###.",
    ".##..##",
    "##...##",
    "##..##.",
    ".###...",
]

# Whole note (11 x 7): no stem, the opening slanted the other way.
GLYPH_WHOLE = [
    "...#####...",
    ".##...####.",
    "###....####",
    "###.....###",
    "####....###",
    ".####...##.",
    "...#####...",
]

# Small digits for the tuplet marks of the note images (3 x 5).
GLYPH_THREE = [
    "###",
    "..#",
    ".##",
    "..#",
    "###",
]

GLYPH_FIVE = [
    "###",
    "#..",
    "###",
    "..#",
    "###",
]


# ---------------------------------------------------------------------------
# Menu images (20 x 20, magenta is transparent)
# ---------------------------------------------------------------------------

ICON = 20


def icon_new():
    """A blank sheet of paper with its top-right corner folded down."""
    c = Canvas(ICON, ICON, MAGENTA)
    page = [(3, 1), (12, 1), (17, 6), (17, 19), (3, 19)]
    c.fill_polygon(page, WHITE)
    c.hline(3, 11, 1, BLACK)
    c.vline(3, 1, 18, BLACK)
    c.hline(3, 16, 18, BLACK)
    c.vline(16, 6, 18, BLACK)
    c.line(11, 1, 16, 6, BLACK)
    # The folded flap.
    c.fill_polygon([(11, 2), (11, 7), (16, 7)], SILVER)
    c.vline(11, 1, 6, BLACK)
    c.hline(11, 16, 6, BLACK)
    c.line(12, 2, 15, 5, WHITE)
    return c


def icon_open():
    """An open folder: the back with its tab, and the front flap tilted open."""
    c = Canvas(ICON, ICON, MAGENTA)
    # Back of the folder with its tab.
    c.fill_rect(1, 5, 15, 17, DARK_YELLOW)
    c.fill_rect(2, 3, 7, 4, DARK_YELLOW)
    c.fill_rect(2, 6, 14, 16, YELLOW)
    c.fill_rect(3, 4, 6, 5, YELLOW)
    c.rect(1, 5, 15, 17, BROWN)
    c.hline(2, 7, 3, BROWN)
    c.vline(1, 4, 5, BROWN)
    c.vline(8, 4, 5, BROWN)
    # A sheet sticking out.
    c.fill_rect(5, 7, 16, 12, WHITE)
    c.rect(5, 7, 16, 12, GREY)
    # Front flap, tilted towards the viewer.
    front = [(1.5, 18), (5, 10), (19.5, 10), (16, 18)]
    c.fill_polygon(front, YELLOW)
    c.line(5, 10, 19, 10, BROWN)
    c.line(19, 10, 16, 17, BROWN)
    c.line(5, 10, 1, 17, BROWN)
    c.hline(1, 16, 17, BROWN)
    c.line(6, 11, 3, 16, CREAM)
    return c


def icon_save():
    """A floppy disk: label at the top, metal shutter at the bottom."""
    c = Canvas(ICON, ICON, MAGENTA)
    body = [(1, 1), (17, 1), (19, 3), (19, 19), (1, 19)]
    c.fill_polygon(body, NAVY)
    c.hline(1, 16, 1, BLACK)
    c.line(17, 2, 18, 3, BLACK)
    c.vline(18, 3, 18, BLACK)
    c.hline(1, 18, 18, BLACK)
    c.vline(1, 1, 18, BLACK)
    # Paper label with ruled lines.
    c.fill_rect(4, 2, 15, 9, WHITE)
    c.hline(5, 14, 4, SKY)
    c.hline(5, 14, 6, SKY)
    c.hline(5, 14, 8, SKY)
    # Sliding metal shutter with its window.
    c.fill_rect(5, 12, 14, 17, SILVER)
    c.hline(5, 14, 12, WHITE)
    c.fill_rect(11, 13, 12, 16, DARK)
    return c


def icon_exit():
    """An open door with an arrow leaving through it."""
    c = Canvas(ICON, ICON, MAGENTA)
    # Door frame and the dark doorway.
    c.fill_rect(2, 1, 11, 18, BROWN)
    c.fill_rect(4, 3, 9, 18, DARK)
    # The door leaf, swung open towards the viewer.
    c.fill_polygon([(2, 2), (7, 4), (7, 20), (2, 19)], WOOD)
    c.line(2, 1, 6, 3, BROWN)
    c.vline(6, 3, 19, BROWN)
    c.line(2, 18, 6, 19, BROWN)
    c.vline(2, 1, 18, BROWN)
    c.set(5, 11, YELLOW)
    # Floor.
    c.hline(0, 12, 19, GREY)
    # Green arrow pointing out to the right.
    c.fill_rect(9, 9, 14, 12, GREEN)
    c.fill_polygon([(14, 5.5), (19.5, 11), (14, 16.5)], GREEN)
    c.line(9, 9, 13, 9, DARK_GREEN)
    c.line(14, 6, 18, 10, DARK_GREEN)
    c.line(18, 11, 14, 15, DARK_GREEN)
    c.line(9, 12, 13, 12, DARK_GREEN)
    c.vline(14, 6, 8, DARK_GREEN)
    c.vline(14, 13, 15, DARK_GREEN)
    c.vline(9, 9, 12, DARK_GREEN)
    return c


def pencil_colour(along, across):
    """Colour of the rename image's pencil at a pixel, from its place along
    the pencil (0 at the point, growing towards the eraser) and across it
    (0 to 4, upper-left edge to lower-right edge); None outside it."""
    if along < 0 or along > 17 or not 0 <= across <= 4:
        return None
    if along <= 1:
        return BLACK if 1 <= across <= 3 else None
    if along <= 4:
        return TAN if along > 2 or 1 <= across <= 3 else None
    if along <= 14:
        return (CREAM, YELLOW, YELLOW, YELLOW, DARK_YELLOW)[across]
    if along == 15:
        return SILVER if across < 4 else GREY
    return PINK


def icon_rename():
    """An eighth note with a pencil at 45 degrees writing beside it."""
    c = Canvas(ICON, ICON, MAGENTA)
    # The note: head, stem, flag.
    c.glyph(0, 14, GLYPH_HEAD, BLACK)
    c.vline(6, 3, 15, BLACK)
    c.points([(7, 3), (7, 4), (8, 4), (8, 5), (9, 5), (9, 6), (10, 6),
              (10, 7), (10, 8), (10, 9), (9, 10)], BLACK)
    # The pencil: pixels on one diagonal x - y have the same place along it,
    # pixels on one anti-diagonal x + y the same place across it.
    for y in range(ICON):
        for x in range(ICON):
            colour = pencil_colour(x - y + 1, x + y - 21)
            if colour:
                c.set(x, y, colour)
    return c


def icon_help():
    """A question mark on a yellow disc."""
    c = Canvas(ICON, ICON, MAGENTA)
    c.fill_circle(10, 10, 9.5, YELLOW)
    c.circle(10, 10, 9.5, DARK_YELLOW)
    c.glyph(7, 5, GLYPH_QUESTION, NAVY)
    return c


def icon_keymap():
    """A computer keyboard seen from above: three rows of keys and a space bar."""
    c = Canvas(ICON, ICON, MAGENTA)
    c.fill_rect(0, 4, 19, 16, SILVER)
    c.rect(0, 4, 19, 16, DARK)
    c.hline(1, 18, 5, WHITE)
    c.vline(1, 5, 15, WHITE)
    for row, y in enumerate((6, 9, 12)):
        first = 2 + row % 2
        for x in range(first, 17, 3):
            if row == 2 and 5 <= x <= 14:
                continue
            c.fill_rect(x, y, x + 1, y + 1, WHITE)
            c.hline(x, x + 1, y + 2, GREY)
    c.fill_rect(6, 13, 13, 14, WHITE)
    c.hline(6, 13, 15, GREY)
    return c


def icon_homepage():
    """A globe: blue sea, green land, a meridian and the equator."""
    c = Canvas(ICON, ICON, MAGENTA)
    c.fill_circle(10, 10, 9.5, SKY)
    # Land masses, kept inside the disc.
    continents = [
        [(3, 5), (8, 3), (10, 6), (8, 9), (9, 12), (6, 16), (5, 11), (2, 9)],
        [(12, 3), (16, 4), (18, 9), (15, 10), (13, 8), (11, 6)],
        [(13, 12), (17, 12), (16, 16), (13, 17)],
    ]
    disc = _ellipse_test(10, 10, 9, 9, 0)
    c.fill_where(lambda x, y: disc(x, y) and
                 any(_inside_polygon(land, x, y) for land in continents),
                 GREEN)
    c.ellipse(10, 10, 4, 9.5, PALE_BLUE)
    c.hline(1, 18, 10, PALE_BLUE)
    c.circle(10, 10, 9.5, NAVY)
    return c


def icon_version():
    """The information sign: a white "i" on a blue disc."""
    c = Canvas(ICON, ICON, MAGENTA)
    c.fill_circle(10, 10, 9.5, BLUE)
    c.circle(10, 10, 9.5, NAVY)
    c.glyph(8, 4, GLYPH_INFO, WHITE)
    c.hline(7, 11, 13, WHITE)
    c.set(7, 7, WHITE)
    return c


def icon_analysis():
    """A bar chart: three bars of different heights standing on two axes."""
    c = Canvas(ICON, ICON, MAGENTA)
    bars = [(3, 10, RED), (8, 4, GREEN), (13, 7, BLUE)]
    for x, top, colour in bars:
        c.fill_rect(x, top, x + 4, 17, colour)
        c.rect(x, top, x + 4, 18, BLACK)
    c.vline(1, 1, 18, BLACK)
    c.hline(1, 19, 18, BLACK)
    return c


MENU_ICONS = [icon_new, icon_open, icon_save, icon_exit, icon_rename,
              icon_help, icon_keymap, icon_homepage, icon_version,
              icon_analysis]


def menu_icons():
    strip = Canvas(ICON * len(MENU_ICONS), ICON, MAGENTA)
    for i, draw in enumerate(MENU_ICONS):
        strip.blit(draw(), i * ICON, 0)
    return strip


# ---------------------------------------------------------------------------
# Note images (16 x 16, black on transparent magenta)
# ---------------------------------------------------------------------------

NOTE = 16

HEAD_X, HEAD_Y = 2, 10     # top-left corner of the head glyph
STEM_X = HEAD_X + 6        # the stem rises from the head's right edge
STEM_TOP = 0


def note_flags(c, count):
    """Flags hanging to the right of the stem top. One or two get the full
    curved shape; more are drawn as short slanted strokes packed closer, so
    that up to five fit above the head."""
    if count <= 2:
        for k in range(count):
            y = STEM_TOP + 1 + 3 * k
            c.points([(STEM_X + 1, y), (STEM_X + 1, y + 1), (STEM_X + 2, y + 1),
                      (STEM_X + 2, y + 2), (STEM_X + 3, y + 2),
                      (STEM_X + 3, y + 3), (STEM_X + 4, y + 3),
                      (STEM_X + 4, y + 4), (STEM_X + 4, y + 5)], BLACK)
        # The lowest flag curls back towards the stem.
        y = STEM_TOP + 1 + 3 * (count - 1)
        c.points([(STEM_X + 4, y + 6), (STEM_X + 3, y + 7)], BLACK)
        return
    step = 3 if count == 3 else 2
    for k in range(count):
        y = STEM_TOP + 1 + step * k
        c.points([(STEM_X + 1, y), (STEM_X + 2, y), (STEM_X + 3, y + 1),
                  (STEM_X + 4, y + 1)], BLACK)


def make_note(hollow=False, flags=0, dotted=False, mark=None):
    """A note with its stem up: head at the bottom left, flags at the right
    of the stem, the augmentation dot after the head, a tuplet digit in the
    free corner at the top left."""
    c = Canvas(NOTE, NOTE, MAGENTA)
    c.glyph(HEAD_X, HEAD_Y, GLYPH_HOLLOW_HEAD if hollow else GLYPH_HEAD, BLACK)
    c.vline(STEM_X, STEM_TOP, HEAD_Y + 1, BLACK)
    if flags:
        note_flags(c, flags)
    if dotted:
        c.fill_rect(STEM_X + 2, HEAD_Y + 2, STEM_X + 3, HEAD_Y + 3, BLACK)
    if mark:
        c.glyph(1, 1, mark, BLACK)
    return c


def whole_note():
    c = Canvas(NOTE, NOTE, MAGENTA)
    c.glyph(2, 7, GLYPH_WHOLE, BLACK)
    return c


def note_symbols():
    """The fourteen symbols in length-index order."""
    return [
        whole_note(),
        make_note(hollow=True, dotted=True),           # dotted half
        make_note(hollow=True),                        # half
        make_note(dotted=True),                        # dotted quarter
        make_note(),                                   # quarter
        make_note(flags=1, dotted=True),               # dotted eighth
        make_note(flags=1),                            # eighth
        make_note(flags=1, mark=GLYPH_THREE),          # eighth-note triplet
        make_note(flags=2, mark=GLYPH_THREE),          # sixteenth triplet
        make_note(flags=2),                            # sixteenth
        make_note(flags=2, mark=GLYPH_FIVE),           # quintuplet
        make_note(flags=3),                            # thirty-second
        make_note(flags=4),                            # sixty-fourth
        make_note(flags=5),                            # 128th
    ]


def note_images():
    symbols = note_symbols()
    strip = Canvas(NOTE * len(symbols), NOTE, MAGENTA)
    for i, symbol in enumerate(symbols):
        strip.blit(symbol, i * NOTE, 0)
    return strip


# ---------------------------------------------------------------------------
# Version picture (130 x 97, one bit: 0 black, 1 white)
# ---------------------------------------------------------------------------

INK, PAPER = 0, 1
STAFF_LEFT, STAFF_RIGHT = 3, 126
STAFF_TOP, STAFF_GAP = 58, 6  # y of the top staff line, distance of lines


def staff_y(step):
    """y of a staff position: 0 the top line, 1 the space below it, ..., 8
    the bottom line; negative steps lie above the staff."""
    return STAFF_TOP + step * STAFF_GAP / 2


def draw_staff(c):
    bottom = STAFF_TOP + 4 * STAFF_GAP
    for line in range(5):
        c.hline(STAFF_LEFT, STAFF_RIGHT, STAFF_TOP + line * STAFF_GAP, INK)
    # Final double bar: a thin line and a thick one.
    c.vline(STAFF_RIGHT - 4, STAFF_TOP, bottom, INK)
    c.fill_rect(STAFF_RIGHT - 1, STAFF_TOP, STAFF_RIGHT, bottom, INK)


def treble_clef(c):
    """A treble clef as one smooth stroke: the spiral round the G line, the
    bowl, the neck up to the loop above the staff, and the spine down to the
    curl below it. Points are in staff spaces from the clef's left edge and
    the top line."""
    path = [(1.35, 2.85), (1.0, 2.45), (0.5, 2.75), (0.45, 3.35),
            (0.95, 3.8), (1.65, 3.75), (2.1, 3.15), (1.95, 2.35),
            (1.3, 1.95), (0.6, 2.15), (0.1, 2.85), (0.05, 3.65),
            (0.55, 4.3), (1.35, 4.5), (2.15, 4.2), (2.55, 3.45),
            (2.35, 2.6), (1.65, 1.55), (1.0, 0.55), (0.75, -0.45),
            (0.95, -1.35), (1.45, -2.0), (1.8, -1.6), (1.75, -0.75),
            (1.45, 0.3), (1.4, 1.8), (1.6, 3.4), (1.8, 4.9), (1.7, 5.55),
            (1.2, 5.85), (0.65, 5.6)]
    left = 6
    coords = [(left + u * STAFF_GAP, STAFF_TOP + v * STAFF_GAP)
              for u, v in path]
    c.brush_stroke(coords, 1.6, INK)
    c.fill_circle(left + 0.8 * STAFF_GAP, STAFF_TOP + 5.45 * STAFF_GAP, 1.9,
                  INK)


def note_head(c, x, y, hollow=False):
    """A note head centred at (x, y), tilted as in printed music."""
    c.fill_ellipse(x, y, 3.7, 2.6, INK, angle=-25)
    if hollow:
        c.fill_ellipse(x, y, 2.4, 1.0, PAPER, angle=-35)


def staff_note(c, x, step, hollow=False):
    """A note on the staff position step, head centred at x, stem up."""
    y = staff_y(step) + 0.5
    note_head(c, x, y, hollow)
    c.vline(int(x + 2.7), int(y) - 18, int(y), INK)


def beamed_notes(c, heads, stem_length, thickness=3):
    """Notes (x, y of each head centre, left to right) with their stems up,
    joined by one straight beam from the first stem top to the last."""
    stems = [(int(x + 2.7), y) for x, y in heads]
    (x0, y0), (x1, y1) = stems[0], stems[-1]
    t0, t1 = y0 - stem_length, y1 - stem_length
    for (x, y), (sx, _) in zip(heads, stems):
        note_head(c, x, y)
        top = t0 + (t1 - t0) * (sx - x0) / (x1 - x0)
        c.vline(sx, int(top), int(y), INK)
    c.fill_polygon([(x0, t0), (x1 + 1, t1), (x1 + 1, t1 + thickness),
                    (x0, t0 + thickness)], INK)


def staff_notes(c):
    """A short phrase on the staff: a quarter, two beamed eighths, a half."""
    staff_note(c, 87, 5)
    beamed_notes(c, [(97, staff_y(3) + 0.5), (106, staff_y(2) + 0.5)], 18)
    staff_note(c, 113.5, 4, hollow=True)


def song_notes(c):
    """Notes rising from the lark's open beak into the sky: an eighth with
    its flag, then two beamed eighths."""
    x, y = 94, 22
    note_head(c, x, y)
    c.vline(x + 2, y - 12, y, INK)
    c.brush_stroke([(x + 3, y - 12), (x + 5.5, y - 9), (x + 6.5, y - 6),
                    (x + 5.5, y - 3.5)], 1.3, INK)
    beamed_notes(c, [(106, 17), (115, 13)], 12, thickness=2)


def sun(c):
    """A small sun with rays in the upper left corner."""
    cx, cy = 15, 15
    c.fill_circle(cx, cy, 6, INK)
    c.fill_circle(cx, cy, 4.6, PAPER)
    for k in range(8):
        a = math.radians(k * 45)
        c.line(round(cx - 0.5 + 8 * math.cos(a)),
               round(cy - 0.5 + 8 * math.sin(a)),
               round(cx - 0.5 + 11 * math.cos(a)),
               round(cy - 0.5 + 11 * math.sin(a)), INK)


def lark_silhouette(c):
    """The lark's outline filled black: tail, body, breast, neck, head,
    crest and the open beak."""
    c.fill_polygon([(41, 45), (27, 55), (25, 52.5), (29, 49), (37, 41)], INK)
    c.fill_ellipse(50, 40, 18, 11, INK, angle=-25)
    c.fill_circle(59, 37, 10, INK)
    c.fill_polygon([(56, 32), (63, 18), (74, 24), (68, 40)], INK)
    c.fill_circle(68, 22, 8, INK)
    c.fill_polygon([(61, 17), (53, 7), (58, 10), (57, 5), (66, 14)], INK)
    c.fill_polygon([(74, 17), (87, 14), (75, 22)], INK)
    c.fill_polygon([(75, 24.5), (85, 26), (73, 28.5)], INK)


def lark_markings(c):
    """White belly with dark streaks, the eye, the pale brow and the wing's
    feather edges."""
    breast = _ellipse_test(59, 37.5, 8.6, 8.6, 0)
    body = _ellipse_test(50, 40, 16.5, 9.5, -25)

    def belly(x, y):
        under_the_wing = y > 29 - 0.72 * (x - 72)
        return under_the_wing and (breast(x, y) or body(x, y))
    c.fill_where(belly, PAPER, (30, 25, 75, 55))
    # Throat, white up to the beak.
    c.fill_polygon([(66, 31), (71, 27.5), (72, 30), (67, 34)], PAPER)
    for x, y in ((63, 33), (66, 33), (60, 36), (63, 37), (57, 39), (60, 41),
                 (65, 36), (54, 42)):
        c.vline(x, y, y + 1, INK)
    # Eye: a white ring round the pupil, and the brow behind it.
    c.fill_circle(70, 20.5, 2.2, PAPER)
    c.fill_circle(70.3, 20.7, 1.2, INK)
    c.polyline([(62, 18), (65, 17), (68, 17)], PAPER)
    # Wing: edge along the back and three feather tips.
    c.polyline([(57, 31), (50, 32), (43, 35), (36, 41)], PAPER)
    c.polyline([(54, 34), (47, 37), (40, 43)], PAPER)
    c.polyline([(52, 37), (46, 41), (42, 45)], PAPER)


def lark_legs(c):
    """Two thin legs, the toes gripping the top staff line."""
    for x in (52, 58):
        c.line(x, 49, x - 1, STAFF_TOP - 1, INK)
        c.line(x + 1, 49, x, STAFF_TOP - 1, INK)
        c.hline(x - 4, x + 2, STAFF_TOP - 1, INK)
        c.set(x + 3, STAFF_TOP, INK)


def lark(c):
    """A crested lark perched on the top staff line, singing to the right."""
    lark_silhouette(c)
    lark_markings(c)
    lark_legs(c)


def version_picture():
    c = Canvas(130, 97, PAPER)
    sun(c)
    draw_staff(c)
    treble_clef(c)
    staff_notes(c)
    lark(c)
    song_notes(c)
    return c


# ---------------------------------------------------------------------------
# The playing window's figure (130 x 130, 8 bits per pixel): two 65 x 130
# poses of a dancing skeleton in black, mid grey and light grey on white
# ---------------------------------------------------------------------------

POSE_WIDTH, POSE_HEIGHT = 65, 130
BONE = SILVER   # the bones themselves
SHADE = GREY    # the vertebrae, the skull's shadow, the swish of a move
SPINE_X = 32.5  # the body's middle line in a pose

# The face stamped on the skull: "#" black, "-" bone, "w" the eyes' glints.
SKULL_FACE = [
    "..###.....###..",
    ".#####...#####.",
    ".##w##...##w##.",
    ".#####...#####.",
    "..###..#..###..",
    "......###......",
    "...............",
    ".#...........#.",
    "..###########..",
    "..#-#-#-#-#-#..",
    "...#########...",
]
FACE_COLOURS = {"#": BLACK, "-": BONE, "w": WHITE}


def _segment_distance(px, py, x0, y0, x1, y1):
    """Distance of the point from the segment between (x0, y0) and (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy
    t = 0.0
    if length2 > 0:
        t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / length2))
    return math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))


def capsule(c, a, b, r, value):
    """A segment from a to b with round ends, r pixels either side of it."""
    (x0, y0), (x1, y1) = a, b
    box = (int(min(x0, x1) - r - 1), int(min(y0, y1) - r - 1),
           int(max(x0, x1) + r + 1), int(max(y0, y1) + r + 1))
    c.fill_where(lambda x, y: _segment_distance(x, y, x0, y0, x1, y1) <= r,
                 value, box)


def ring_part(c, cx, cy, rx, ry, thickness, value, keep):
    """The part of an elliptic ring whose pixels pass keep(x, y)."""
    outer = _ellipse_test(cx, cy, rx, ry, 0)
    inner = _ellipse_test(cx, cy, rx - thickness, ry - thickness, 0)
    c.fill_where(lambda x, y: outer(x, y) and not inner(x, y) and keep(x, y),
                 value, _ellipse_box(cx, cy, rx, ry))


def bone(c, a, b, r):
    """A long bone from joint a to joint b: an outlined shaft with a knob at
    either end."""
    knob = r + 0.9
    for x, y in (a, b):
        c.fill_circle(x, y, knob + 1, BLACK)
    capsule(c, a, b, r + 1, BLACK)
    for x, y in (a, b):
        c.fill_circle(x, y, knob, BONE)
    capsule(c, a, b, r, BONE)


def skull(c, cx, cy):
    """A round skull lit from the upper left, with the jaw below it and a
    wide toothy grin."""
    c.fill_ellipse(cx, cy + 7, 8.5, 6, BLACK)
    c.fill_ellipse(cx, cy, 12, 11, BLACK)
    c.fill_ellipse(cx, cy + 7, 7.5, 5, BONE)
    c.fill_ellipse(cx, cy, 11, 10, BONE)
    lit = _ellipse_test(cx - 1.5, cy - 1.5, 10.5, 10, 0)
    cranium = _ellipse_test(cx, cy, 11, 10, 0)
    c.fill_where(lambda x, y: cranium(x, y) and not lit(x, y) and y < cy + 5,
                 SHADE, _ellipse_box(cx, cy, 11, 10))
    left, top = int(cx - 7), int(cy - 3)
    for dy, row in enumerate(SKULL_FACE):
        for dx, ch in enumerate(row):
            if ch in FACE_COLOURS:
                c.set(left + dx, top + dy, FACE_COLOURS[ch])


def rib_path(y, half, side):
    """One rib leaving the spine at height y, arching out to half pixels
    from the middle line and bending down; side -1 is the left one."""
    return [(SPINE_X + side * 1.0, y), (SPINE_X + side * half * 0.55, y - 1.2),
            (SPINE_X + side * half * 0.95, y + 1.0),
            (SPINE_X + side * half, y + 3.6)]


def ribcage(c, top):
    """Four pairs of ribs, the lower ones shorter: black outlines first, so
    that neighbouring ribs do not cut into each other's bone."""
    ribs = [(top + 3 + k * 5.5, half)
            for k, half in enumerate((8.5, 10, 9.5, 8))]
    for width, value in ((3.2, BLACK), (1.2, BONE)):
        for y, half in ribs:
            for side in (-1, 1):
                c.brush_stroke(rib_path(y, half, side), width, value)


def spine(c, top, bottom):
    """The vertebrae from the skull down to the pelvis."""
    for y in range(top, bottom + 1, 3):
        c.fill_ellipse(SPINE_X, y + 1, 2.3, 1.7, BLACK)
        c.fill_ellipse(SPINE_X, y + 1, 1.4, 0.8, SHADE)


def pelvis(c, y):
    """Two hip-bone wings, each with its hole, and the sacrum between them."""
    for side in (-1, 1):
        c.fill_ellipse(SPINE_X + side * 5, y + 2, 6, 4.6, BLACK,
                       angle=side * 20)
    for side in (-1, 1):
        c.fill_ellipse(SPINE_X + side * 5, y + 2, 5, 3.6, BONE,
                       angle=side * 20)
        c.fill_ellipse(SPINE_X + side * 5.5, y + 3, 1.5, 1.2, BLACK)
    c.fill_polygon([(SPINE_X - 2, y - 2), (SPINE_X + 2, y - 2),
                    (SPINE_X, y + 5)], SHADE)


def hand(c, wrist, direction):
    """Three bony fingers spread from the wrist towards direction."""
    heading = math.atan2(direction[1], direction[0])
    for spread, length in ((-0.75, 4.5), (0, 5.5), (0.75, 4.5)):
        a = heading + spread
        tip = (wrist[0] + length * math.cos(a), wrist[1] + length * math.sin(a))
        capsule(c, wrist, tip, 0.55, BLACK)


def arm(c, shoulder, elbow, wrist, fingers):
    hand(c, wrist, fingers)
    bone(c, shoulder, elbow, 1.3)
    bone(c, elbow, wrist, 1.1)


def leg(c, hip, knee, ankle, toe):
    capsule(c, ankle, toe, 2.2, BLACK)
    capsule(c, ankle, toe, 1.2, BONE)
    bone(c, knee, ankle, 1.5)
    bone(c, hip, knee, 1.8)


def swish(c, cx, cy, r, start, end):
    """A thin grey arc from angle start to end (degrees, clockwise from the
    right on screen): the trace of a limb's quick move."""
    def on_arc(x, y):
        a = math.degrees(math.atan2(y - cy, x - cx)) % 360
        return start <= a <= end if start <= end else a >= start or a <= end
    ring_part(c, cx, cy, r, r, 1.0, SHADE, on_arc)


def skeleton(pose):
    """One pose: limbs behind the trunk, the arms in front of it, the skull
    on top of everything."""
    c = Canvas(POSE_WIDTH, POSE_HEIGHT, WHITE)
    for arc in pose["swishes"]:
        swish(c, *arc)
    for joints in pose["legs"]:
        leg(c, *joints)
    pelvis(c, 70)
    ribcage(c, 38)
    spine(c, 31, 66)
    bone(c, (SPINE_X - 9, 39), (SPINE_X + 9, 39), 1.0)  # the collarbones
    for joints in pose["arms"]:
        arm(c, *joints)
    skull(c, SPINE_X + pose["head_shift"], 17)
    return c


# The first pose: the left hand waves above the head, the right one rests on
# the hip, the right leg kicks out to the side.
WAVE_AND_KICK = {
    "head_shift": -1,
    "arms": [((23.5, 39), (13, 29), (10, 14), (-0.2, -1)),
             ((41.5, 39), (52, 50), (41, 64), (-1, 0.2))],
    "legs": [((27.5, 75), (26, 99), (25.5, 121), (18, 124)),
             ((37.5, 75), (51, 88), (55, 107), (61, 104))],
    "swishes": [(11, 13, 7.5, 150, 250), (11, 13, 10.5, 160, 240),
                (57, 104, 7, 30, 110)],
}


def mirrored(pose):
    """The same pose seen in a mirror: the second step of the dance. Only
    the joints move; the light still falls from the upper left."""
    def flip(point):
        return (POSE_WIDTH - point[0], point[1])

    def flip_limb(joints):
        *points, (dx, dy) = joints
        return tuple(flip(p) for p in points) + ((-dx, dy),)
    return {
        "head_shift": -pose["head_shift"],
        "arms": [flip_limb(joints) for joints in reversed(pose["arms"])],
        "legs": [tuple(flip(p) for p in joints)
                 for joints in reversed(pose["legs"])],
        "swishes": [(POSE_WIDTH - x, y, r, (180 - end) % 360,
                     (180 - start) % 360)
                    for x, y, r, start, end in pose["swishes"]],
    }


def born_sheet():
    sheet = Canvas(2 * POSE_WIDTH, POSE_HEIGHT, WHITE)
    sheet.blit(skeleton(WAVE_AND_KICK), 0, 0)
    sheet.blit(skeleton(mirrored(WAVE_AND_KICK)), POSE_WIDTH, 0)
    return sheet


# ---------------------------------------------------------------------------

def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_images.py OUTDIR\n")
        return 2
    outdir = argv[1]
    os.makedirs(outdir, exist_ok=True)
    write_file(os.path.join(outdir, "menu_icons.bmp"), bmp24(menu_icons()))
    write_file(os.path.join(outdir, "note_images.bmp"), bmp24(note_images()))
    write_file(os.path.join(outdir, "version_picture.bmp"),
               bmp1(version_picture()))
    write_file(os.path.join(outdir, "born.bmp"), bmp8(born_sheet(), grey_ramp()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
