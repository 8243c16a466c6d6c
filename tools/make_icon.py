#!/usr/bin/env python3
"""Draws the MirelQuorth application icon (a speech bubble sending out sound waves)
and writes it as a 32 x 32 and 16 x 16 true-colour .ico: python3 tools/make_icon.py res/setup.ico"""
import math
import struct
import sys


def pixel(x, y, size):
    """Colour (r, g, b, a) of one pixel of the artwork, in a 0..1 square."""
    u, v = (x + 0.5) / size, (y + 0.5) / size
    # Rounded blue tile.
    r = 0.18
    dx = max(abs(u - 0.5) - (0.5 - r), 0)
    dy = max(abs(v - 0.5) - (0.5 - r), 0)
    if dx * dx + dy * dy > r * r:
        return (0, 0, 0, 0)
    colour = (30, 80 + int(90 * v), 190, 255)
    # White speech bubble on the left with a tail.
    if (u - 0.36) ** 2 / 0.045 + (v - 0.42) ** 2 / 0.03 < 1 or (0.22 < u < 0.34 and 0.5 < v < 0.72 - (u - 0.22)):
        return (255, 255, 255, 255)
    # Three sound arcs on the right.
    d = math.hypot(u - 0.5, v - 0.42)
    if u > 0.6 and abs(v - 0.42) < (u - 0.5):
        for ring in (0.2, 0.3, 0.4):
            if abs(d - ring) < 0.035:
                return (255, 220, 60, 255)
    return colour


def image(size):
    rows = []
    for y in reversed(range(size)):  # bottom-up DIB
        rows.append(b"".join(struct.pack("BBBB", b, g, r, a)
                             for (r, g, b, a) in (pixel(x, y, size) for x in range(size))))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = bytes(mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(path):
    sizes = (32, 16)
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
