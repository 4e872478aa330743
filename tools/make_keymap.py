#!/usr/bin/env python3
"""Draws the key map page, the picture of the editor's key map window.

    python3 tools/make_keymap.py OUT.wmf

writes OUT.wmf, a Windows metafile in the Aldus placeable form: an A4 portrait
page, bounding box (6, 6)-(3939, 5576) at 476 units per inch. From top to
bottom it shows the title, three lines on where the keys work, two drawings of
piano keys with the PC key written on each key (two octaves, then one), the
other keyboard commands, and the brand name at the foot, right.

The records are written here one by one (standard library only), so the output
is the same byte for byte on every run. Every text is Shift-JIS (code page 932),
the encoding all of the program's texts are kept in; the Japanese texts are set
in "ＭＳ ゴシック", the key letters in Arial Black.

GDI objects live in the player's object table: a create record takes the lowest
free slot, DeleteObject frees it. The page keeps at most five objects at a time
(a pen, two brushes and two font slots used in turn, so the font in use is never
deleted while it is selected); the header's object count is that peak.
"""

import os
import struct
import sys

# ---------------------------------------------------------------------------
# The page
# ---------------------------------------------------------------------------

UNITS_PER_INCH = 476
PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM = 6, 6, 3939, 5576
PAGE_CENTRE = (PAGE_LEFT + PAGE_RIGHT) // 2
MARGIN_LEFT = 380
MARGIN_RIGHT = PAGE_RIGHT - 380

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
ORANGE = (255, 140, 0)
DARK_GREY = (64, 64, 64)

GOTHIC = "ＭＳ ゴシック"
ARIAL_BLACK = "Arial Black"

TITLE = "Melopadキーボード入力一覧表"
EXPLANATION = [
    "Melopadでは編集作業をPCのキーボードで操作するためにキーに役割が割り当てられています。",
    "以下のキーを使用するときは音符リスト(中央のオレンジ色部)に入力フォーカスを移してから",
    "行ってください。",
]
NOTE_HEADING = "ノート入力一覧表"
OTHER_HEADING = "その他操作"
OPERATIONS = [
    ("休符の挿入", "[space]"),
    ("再生", "[a] or [P(shift+p)]"),
    ("一つ長い音符", "[>(shift+.)]"),
    ("一つ短い音符", "[<(shift+,)]"),
]
BRAND = " ".join("Brightlark")

# The editor's key map, lowest key first: per octave C C# D D# E F F# G G# A A# B.
KEY_MAP = "zsxdcvgbhnjm,l.;/q2w3e4rt6y7ui9o0p-@"
# Pitch classes that are black keys.
BLACK_CLASSES = {1, 3, 6, 8, 10}

# Sizes, in page units.
TITLE_HEIGHT = 120
BODY_HEIGHT = 70
HEADING_HEIGHT = 90
KEY_LETTER_HEIGHT = 80
BRAND_HEIGHT = 60
WHITE_KEY_WIDTH = 170
WHITE_KEY_HEIGHT = 700
BLACK_KEY_WIDTH = 104
BLACK_KEY_HEIGHT = 440
PEN_WIDTH = 5

# Vertical layout.
TITLE_TOP = 460
RULE_TOP = 630
RULE_HEIGHT = 14
EXPLANATION_TOP = 780
LINE_SPACING = 110
NOTE_HEADING_TOP = 1300
KEYBOARD_TOPS = [1500, 2400]
OTHER_HEADING_TOP = 3450
OPERATION_TOP = 3650
OPERATION_SPACING = 130
OPERATION_KEY_LEFT = MARGIN_LEFT + 1000
BRAND_TOP = 5300

# ---------------------------------------------------------------------------
# Metafile records
# ---------------------------------------------------------------------------

META_EOF = 0x0000
META_SETBKMODE = 0x0102
META_SETTEXTALIGN = 0x012E
META_SELECTOBJECT = 0x012D
META_DELETEOBJECT = 0x01F0
META_SETTEXTCOLOR = 0x0209
META_SETWINDOWORG = 0x020B
META_SETWINDOWEXT = 0x020C
META_CREATEPENINDIRECT = 0x02FA
META_CREATEFONTINDIRECT = 0x02FB
META_CREATEBRUSHINDIRECT = 0x02FC
META_RECTANGLE = 0x041B
META_TEXTOUT = 0x0521

TRANSPARENT = 1
PS_SOLID = 0
PS_NULL = 5
BS_SOLID = 0
FW_NORMAL = 400
FW_BOLD = 700
FW_HEAVY = 900
ANSI_CHARSET = 0
SHIFTJIS_CHARSET = 128
FIXED_PITCH_MODERN = 0x31  # FIXED_PITCH | FF_MODERN
VARIABLE_PITCH_SWISS = 0x22  # VARIABLE_PITCH | FF_SWISS
LF_FACESIZE = 32

TA_LEFT, TA_RIGHT, TA_CENTER, TA_TOP = 0, 2, 6, 0


def sjis(text):
    return text.encode("cp932")


def colorref(rgb):
    red, green, blue = rgb
    return struct.pack("<BBBB", red, green, blue, 0)


class Metafile:
    """Collects records and keeps the player's object table in step."""

    def __init__(self):
        self.records = []
        self.slots = []  # True where a slot holds an object
        self.peak = 0

    def record(self, function, params=b""):
        assert len(params) % 2 == 0, "records are whole 16-bit words"
        words = 3 + len(params) // 2
        self.records.append(struct.pack("<IH", words, function) + params)

    def words(self, function, *values):
        self.record(function, struct.pack("<%dh" % len(values), *values))

    # Objects ---------------------------------------------------------------

    def _take_slot(self):
        for index, used in enumerate(self.slots):
            if not used:
                self.slots[index] = True
                return index
        self.slots.append(True)
        self.peak = max(self.peak, len(self.slots))
        return len(self.slots) - 1

    def create_pen(self, style, width, rgb):
        self.record(META_CREATEPENINDIRECT,
                    struct.pack("<Hhh", style, width, 0) + colorref(rgb))
        return self._take_slot()

    def create_brush(self, rgb):
        self.record(META_CREATEBRUSHINDIRECT,
                    struct.pack("<H", BS_SOLID) + colorref(rgb) + struct.pack("<H", 0))
        return self._take_slot()

    def create_font(self, face, height, weight, charset, pitch_and_family):
        name = sjis(face)
        assert len(name) < LF_FACESIZE
        logfont = struct.pack("<hhhhhBBBBBBBB", -height, 0, 0, 0, weight,
                              0, 0, 0, charset, 0, 0, 0, pitch_and_family)
        # The whole LF_FACESIZE-byte face field, so a player that copies all of
        # it reads only this record.
        self.record(META_CREATEFONTINDIRECT, logfont + name.ljust(LF_FACESIZE, b"\0"))
        return self._take_slot()

    def select(self, slot):
        assert self.slots[slot]
        self.words(META_SELECTOBJECT, slot)

    def delete(self, slot):
        assert self.slots[slot]
        self.words(META_DELETEOBJECT, slot)
        self.slots[slot] = False

    # Drawing ---------------------------------------------------------------

    def rectangle(self, left, top, right, bottom):
        self.words(META_RECTANGLE, bottom, right, top, left)

    def text_out(self, x, y, text):
        data = sjis(text)
        count = len(data)
        if count % 2:
            data += b"\0"
        self.record(META_TEXTOUT, struct.pack("<h", count) + data + struct.pack("<hh", y, x))

    def text_color(self, rgb):
        self.record(META_SETTEXTCOLOR, colorref(rgb))

    def text_align(self, align):
        self.words(META_SETTEXTALIGN, align)

    # The file --------------------------------------------------------------

    def placeable_bytes(self, bbox, units_per_inch):
        body = b"".join(self.records) + struct.pack("<IH", 3, META_EOF)
        max_record = max(len(r) // 2 for r in self.records + [b"\0" * 6])
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, 9 + len(body) // 2,
                             self.peak, max_record, 0)
        left, top, right, bottom = bbox
        placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, left, top, right, bottom,
                                units_per_inch, 0)
        checksum = 0
        for (word,) in struct.iter_unpack("<H", placeable):
            checksum ^= word
        return placeable + struct.pack("<H", checksum) + header + body


class Fonts:
    """Two font slots used in turn: the new font is selected before the old one
    is deleted, so no font is deleted while it is in use."""

    def __init__(self, wmf):
        self.wmf = wmf
        self.current = None
        self.key = None

    def use(self, face, height, weight=FW_NORMAL):
        key = (face, height, weight)
        if key == self.key:
            return
        if face == GOTHIC:
            slot = self.wmf.create_font(face, height, weight, SHIFTJIS_CHARSET,
                                        FIXED_PITCH_MODERN)
        else:
            slot = self.wmf.create_font(face, height, weight, ANSI_CHARSET,
                                        VARIABLE_PITCH_SWISS)
        self.wmf.select(slot)
        if self.current is not None:
            self.wmf.delete(self.current)
        self.current, self.key = slot, key


# ---------------------------------------------------------------------------
# The page's parts
# ---------------------------------------------------------------------------

def heading_markers():
    """The orange rule under the title and the orange square before each heading."""
    yield (MARGIN_LEFT, RULE_TOP, MARGIN_RIGHT, RULE_TOP + RULE_HEIGHT)
    for top in (NOTE_HEADING_TOP, OTHER_HEADING_TOP):
        yield (MARGIN_LEFT, top + 10, MARGIN_LEFT + HEADING_HEIGHT - 20,
               top + HEADING_HEIGHT - 10)


def keyboard_keys(first_key, octaves, left, top):
    """The keys of a drawing, lowest first, as (letter, is_black, rectangle).

    White keys stand side by side; each black key is centred on the line
    between its two white neighbours and reaches down over their upper part.
    """
    keys = []
    white_index = 0
    for key in range(first_key, first_key + 12 * octaves):
        if key % 12 in BLACK_CLASSES:
            centre = left + white_index * WHITE_KEY_WIDTH
            rect = (centre - BLACK_KEY_WIDTH // 2, top,
                    centre + BLACK_KEY_WIDTH // 2, top + BLACK_KEY_HEIGHT)
            keys.append((KEY_MAP[key], True, rect))
        else:
            x = left + white_index * WHITE_KEY_WIDTH
            rect = (x, top, x + WHITE_KEY_WIDTH, top + WHITE_KEY_HEIGHT)
            keys.append((KEY_MAP[key], False, rect))
            white_index += 1
    return keys


def keyboard_left(octaves):
    return PAGE_CENTRE - 7 * octaves * WHITE_KEY_WIDTH // 2


def draw_page():
    wmf = Metafile()
    wmf.words(META_SETWINDOWORG, PAGE_TOP, PAGE_LEFT)
    wmf.words(META_SETWINDOWEXT, PAGE_BOTTOM - PAGE_TOP, PAGE_RIGHT - PAGE_LEFT)
    wmf.words(META_SETBKMODE, TRANSPARENT)

    # The orange marks first, outlined by nothing.
    no_pen = wmf.create_pen(PS_NULL, 0, BLACK)
    orange = wmf.create_brush(ORANGE)
    wmf.select(no_pen)
    wmf.select(orange)
    for rect in heading_markers():
        wmf.rectangle(*rect)

    # From here on: black outlines, white or black fill.
    pen = wmf.create_pen(PS_SOLID, PEN_WIDTH, BLACK)
    wmf.select(pen)
    wmf.delete(no_pen)
    white = wmf.create_brush(WHITE)
    wmf.select(white)
    wmf.delete(orange)
    black = wmf.create_brush(BLACK)
    fonts = Fonts(wmf)

    # Title, centred, and the explanation.
    wmf.text_color(BLACK)
    wmf.text_align(TA_CENTER | TA_TOP)
    fonts.use(GOTHIC, TITLE_HEIGHT, FW_BOLD)
    wmf.text_out(PAGE_CENTRE, TITLE_TOP, TITLE)
    wmf.text_align(TA_LEFT | TA_TOP)
    fonts.use(GOTHIC, BODY_HEIGHT)
    for row, line in enumerate(EXPLANATION):
        wmf.text_out(MARGIN_LEFT, EXPLANATION_TOP + row * LINE_SPACING, line)

    # The note keys.
    fonts.use(GOTHIC, HEADING_HEIGHT, FW_BOLD)
    wmf.text_out(MARGIN_LEFT + HEADING_HEIGHT + 20, NOTE_HEADING_TOP, NOTE_HEADING)
    fonts.use(ARIAL_BLACK, KEY_LETTER_HEIGHT, FW_HEAVY)
    wmf.text_align(TA_CENTER | TA_TOP)
    for first_key, octaves, top in ((0, 2, KEYBOARD_TOPS[0]), (24, 1, KEYBOARD_TOPS[1])):
        keys = keyboard_keys(first_key, octaves, keyboard_left(octaves), top)
        wmf.select(white)
        wmf.text_color(BLACK)
        for letter, is_black, (left, top_, right, bottom) in keys:
            if not is_black:
                wmf.rectangle(left, top_, right, bottom)
                wmf.text_out((left + right) // 2,
                             bottom - KEY_LETTER_HEIGHT - 70, letter)
        wmf.select(black)
        wmf.text_color(WHITE)
        for letter, is_black, (left, top_, right, bottom) in keys:
            if is_black:
                wmf.rectangle(left, top_, right, bottom)
                wmf.text_out((left + right) // 2,
                             bottom - KEY_LETTER_HEIGHT - 50, letter)
    wmf.select(white)
    wmf.delete(black)

    # The other commands: each operation and its key on one line.
    wmf.text_color(BLACK)
    wmf.text_align(TA_LEFT | TA_TOP)
    fonts.use(GOTHIC, HEADING_HEIGHT, FW_BOLD)
    wmf.text_out(MARGIN_LEFT + HEADING_HEIGHT + 20, OTHER_HEADING_TOP, OTHER_HEADING)
    fonts.use(GOTHIC, BODY_HEIGHT)
    for row, (operation, key) in enumerate(OPERATIONS):
        y = OPERATION_TOP + row * OPERATION_SPACING
        wmf.text_out(MARGIN_LEFT + HEADING_HEIGHT + 20, y, operation)
        wmf.text_out(OPERATION_KEY_LEFT, y, key)

    # The brand name at the foot, right.
    wmf.text_color(DARK_GREY)
    wmf.text_align(TA_RIGHT | TA_TOP)
    fonts.use(ARIAL_BLACK, BRAND_HEIGHT, FW_HEAVY)
    wmf.text_out(MARGIN_RIGHT, BRAND_TOP, BRAND)
    return wmf.placeable_bytes((PAGE_LEFT, PAGE_TOP, PAGE_RIGHT, PAGE_BOTTOM),
                               UNITS_PER_INCH)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_keymap.py OUT.wmf\n")
        return 2
    out = argv[1]
    if os.path.dirname(out):
        os.makedirs(os.path.dirname(out), exist_ok=True)
    data = draw_page()
    with open(out, "wb") as file:
        file.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
