#!/usr/bin/env python3
"""Draws Tobrisk's icon: a yellow folder with the shortcut arrow in its lower-left corner.

Writes res/tobrisk.ico with a 32x32 and a 16x16 image in 16 colours (4 bits per pixel),
each a BITMAPINFOHEADER, the 16-entry palette, the colour rows and the 1-bit mask, bottom-up.
Standard library only: python3 scripts/make-icon.py [out.ico]
"""
import struct
import sys
from pathlib import Path

# The 16-colour VGA palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, NAVY, GRAY, YELLOW, BLUE, WHITE = 0, 3, 4, 8, 11, 12, 15

# Pixel art keys: '.' transparent, the rest palette entries.
KEYS = {'k': BLACK, 'o': OLIVE, 'n': NAVY, 'g': GRAY, 'y': YELLOW, 'b': BLUE, 'w': WHITE}

# The shortcut overlay: a white box with a black border and a curved blue arrow pointing up-right.
ARROW_12 = [
    "kkkkkkkkkkkk",
    "kwwwwwwwwwwk",
    "kwwwwwbbbbwk",
    "kwwwwwwbbbwk",
    "kwwwwwbbbbwk",
    "kwwwwbbbwbwk",
    "kwwwbbbwwwwk",
    "kwwbbbwwwwwk",
    "kwwbbwwwwwwk",
    "kwwbbwwwwwwk",
    "kwwwwwwwwwwk",
    "kkkkkkkkkkkk",
]
ARROW_7 = [
    "kkkkkkk",
    "kwwbbbk",
    "kwwwbbk",
    "kwwbwbk",
    "kwbwwwk",
    "kwbwwwk",
    "kkkkkkk",
]


def folder(size):
    """The folder: a tab on the upper left, a body below it, dark outline, lit front edge."""
    grid = [[None] * size for _ in range(size)]
    s = size / 32
    tab_top, body_top, bottom = round(6 * s), round(9 * s), size - round(5 * s)
    left, right, tab_right = round(1 * s), size - round(2 * s), round(13 * s)

    def box(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                grid[y][x] = colour

    box(left, tab_top, tab_right, body_top, OLIVE)
    box(left + 1, tab_top + 1, tab_right - 1, body_top, YELLOW)
    box(left, body_top, right, bottom, OLIVE)
    box(left + 1, body_top + 1, right - 1, bottom - 1, YELLOW)
    box(left + 1, body_top + 1, right - 1, body_top + 1, WHITE)
    if size >= 32:
        box(left + 2, bottom + 1, right + 1, bottom + 1, GRAY)  # shadow
        box(right + 1, body_top + 2, right + 1, bottom + 1, GRAY)
    return grid


def overlay(grid, art):
    size = len(grid)
    top = size - len(art)
    for dy, row in enumerate(art):
        for dx, key in enumerate(row):
            if key != '.':
                grid[top + dy][dx] = KEYS[key]


def image(size):
    grid = folder(size)
    overlay(grid, ARROW_12 if size >= 32 else ARROW_7)
    return grid


def dib(grid):
    """BITMAPINFOHEADER, palette, XOR rows and AND rows; height counts both masks."""
    size = len(grid)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for row in reversed(grid):  # bottom-up
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x, colour in enumerate(row):
            index = 0 if colour is None else colour
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
            if colour is None:
                bits[x // 8] |= 0x80 >> (x % 8)
        xor += line
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def ico(sizes):
    images = [dib(image(size)) for size in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b''.join(images)


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / 'res' / 'tobrisk.ico'
    out.write_bytes(ico([32, 16]))


if __name__ == '__main__':
    main()
