#!/usr/bin/env python3
"""Builds the setup's 16 x 16 bitmap font ChnBmp.bin from GNU Unifont's .hex file.

Layout: rows of 32 cells, each row 16 scanlines of 64 bytes (MSB = leftmost pixel,
bit 0 = ink). Cells 0-657 are the GB2312 zones 0xA1-0xA7, cells 658 on the level-1
hanzi 0xB0A1-0xD7F9, 94 cells per zone; 138 rows, 141,312 bytes in all.

    make_font.py UNIFONT_HEX OUTPUT
"""
import sys

ROWS = 138
CELLS_PER_ROW = 32
ROW_BYTES = 1024
SCANLINE_BYTES = 64
FONT_BYTES = ROWS * ROW_BYTES          # 141,312


def fail(message):
    sys.stderr.write("make_font: error: %s\n" % message)
    sys.exit(1)


def read_unifont(path):
    """Returns {code point: 16 scanlines as 16-bit ints, bit 15 = leftmost, 1 = ink}."""
    glyphs = {}
    try:
        f = open(path, encoding="ascii")
    except OSError as error:
        fail("cannot read %s: %s (Debian package unifont)" % (path, error.strerror))
    with f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line:
                continue
            code, _, bits = line.partition(":")
            try:
                cp = int(code, 16)
                if len(bits) == 32:     # 8 pixels wide: centre it in the 16-pixel cell
                    rows = [int(bits[2 * i:2 * i + 2], 16) << 4 for i in range(16)]
                elif len(bits) == 64:
                    rows = [int(bits[4 * i:4 * i + 4], 16) for i in range(16)]
                else:
                    continue            # other sizes do not occur in plane 0's 16-pixel font
            except ValueError:
                fail("%s:%d: malformed glyph line" % (path, number))
            glyphs[cp] = rows
    return glyphs


def cell_codes():
    """Yields (cell number, GB2312 code) for every code the font carries a cell for."""
    for lead in range(0xA1, 0xA8):
        for trail in range(0xA1, 0xFF):
            yield 94 * (lead - 0xA1) + (trail - 0xA1), lead, trail
    for lead in range(0xB0, 0xD8):
        for trail in range(0xA1, 0xFF):
            cell = 658 + 94 * (lead - 0xB0) + (trail - 0xA1)
            if cell < ROWS * CELLS_PER_ROW:
                yield cell, lead, trail


def put_cell(font, cell, rows):
    base = ROW_BYTES * (cell // CELLS_PER_ROW) + 2 * (cell % CELLS_PER_ROW)
    for y, bits in enumerate(rows):
        bits ^= 0xFFFF                  # the font stores ink as 0
        font[base + SCANLINE_BYTES * y] = bits >> 8
        font[base + SCANLINE_BYTES * y + 1] = bits & 0xFF


def main():
    if len(sys.argv) != 3:
        fail("usage: make_font.py UNIFONT_HEX OUTPUT")
    glyphs = read_unifont(sys.argv[1])
    font = bytearray(b"\xff" * FONT_BYTES)
    drawn = 0
    for cell, lead, trail in cell_codes():
        try:
            ch = bytes([lead, trail]).decode("gb2312")
        except UnicodeDecodeError:
            continue                    # unassigned code: the cell stays blank
        rows = glyphs.get(ord(ch))
        if rows is None:
            continue
        put_cell(font, cell, rows)
        drawn += 1
    if drawn < 3755:
        fail("only %d glyphs found in %s; is it the full Unifont?" % (drawn, sys.argv[1]))
    with open(sys.argv[2], "wb") as f:
        f.write(font)


if __name__ == "__main__":
    main()
