#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the won window's two button pictures as 64 x 64, 24-bit, uncompressed, bottom-up
Windows bitmap files. The lower-left pixel holds the background colour, which the window
makes transparent.

Usage: tools/glyphs/glyphs.py [output folder, default resources/]
"""
import math
import os
import struct
import sys

SIZE = 64
WHITE = (255, 255, 255)
LIGHT_GREY = (212, 208, 200)


def bmp_bytes(pixels):
    """pixels[y][x] = (r, g, b), y from the top."""
    row_size = SIZE * 3  # already a multiple of four: no padding
    image_size = row_size * SIZE
    header = struct.pack("<2sIHHI", b"BM", 54 + image_size, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, image_size, 3780, 3780, 0, 0)
    rows = bytearray()
    for y in reversed(range(SIZE)):
        for r, g, b in pixels[y]:
            rows += bytes((b, g, r))
    return header + info + bytes(rows)


def draw(background, shapes):
    """shapes: (inside(x, y), fill, outline) in painting order; coordinates are pixel centres
    with y pointing down. A shape's edge pixels (next to a pixel outside it) take outline."""
    pixels = [[background] * SIZE for _ in range(SIZE)]
    for inside, fill, outline in shapes:
        mask = [[inside(x + 0.5, y + 0.5) for x in range(SIZE)] for y in range(SIZE)]
        for y in range(SIZE):
            for x in range(SIZE):
                if not mask[y][x]:
                    continue
                edge = any(
                    not (0 <= x + dx < SIZE and 0 <= y + dy < SIZE) or not mask[y + dy][x + dx]
                    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                pixels[y][x] = outline if edge else fill
    return pixels


def in_triangle(p, a, b, c):
    def side(u, v, w):
        return (u[0] - w[0]) * (v[1] - w[1]) - (v[0] - w[0]) * (u[1] - w[1])

    d1, d2, d3 = side(p, a, b), side(p, b, c), side(p, c, a)
    return not ((d1 < 0 or d2 < 0 or d3 < 0) and (d1 > 0 or d2 > 0 or d3 > 0))


def play_again():
    """A green circular arrow turning clockwise, with a yellow dot in its middle."""
    cx, cy = 32.0, 33.0
    outer, inner = 23.0, 14.0
    gap_start, gap_end = -100.0, -20.0  # degrees, screen angles (y down)

    def angle(x, y):
        return math.degrees(math.atan2(y - cy, x - cx))

    def ring(x, y):
        r = math.hypot(x - cx, y - cy)
        return inner <= r <= outer and not gap_start <= angle(x, y) <= gap_end

    # The head sits at the end of the ring that stops at gap_start, pointing clockwise.
    end = math.radians(gap_start)
    mid = (outer + inner) / 2
    radial = (math.cos(end), math.sin(end))
    tangent = (-math.sin(end), math.cos(end))
    base_in = (cx + radial[0] * (inner - 5), cy + radial[1] * (inner - 5))
    base_out = (cx + radial[0] * (outer + 5), cy + radial[1] * (outer + 5))
    tip = (cx + radial[0] * mid + tangent[0] * 14, cy + radial[1] * mid + tangent[1] * 14)

    def head(x, y):
        return in_triangle((x, y), base_in, base_out, tip)

    def dot(x, y):
        return math.hypot(x - cx, y - cy) <= 7

    green, dark_green = (46, 170, 70), (0, 90, 30)
    return draw(WHITE, [(ring, green, dark_green), (head, green, dark_green),
                        (dot, (250, 200, 40), (170, 110, 0))])


def leave():
    """An open brown door with a red arrow going out of it to the right."""
    def frame(x, y):
        return 10 <= x <= 36 and 6 <= y <= 58

    def opening(x, y):
        return 15 <= x <= 31 and 11 <= y <= 58

    def leaf(x, y):
        # The open door leaf, seen at an angle against the left of the frame.
        return 15 <= x <= 24 and 11 + (x - 15) * 0.5 <= y <= 58 - (x - 15) * 0.5

    def knob(x, y):
        return math.hypot(x - 21.5, y - 35.5) <= 1.6

    def shaft(x, y):
        return 22 <= x <= 46 and 28 <= y <= 38

    def head(x, y):
        return in_triangle((x, y), (44, 16), (44, 50), (60, 33))

    brown, dark_brown = (150, 90, 40), (80, 45, 15)
    red, dark_red = (220, 40, 40), (120, 10, 10)
    shadow, gold = (40, 32, 28), (240, 200, 60)
    return draw(LIGHT_GREY, [(frame, brown, dark_brown), (opening, shadow, shadow),
                             (leaf, (185, 120, 60), dark_brown), (knob, gold, gold),
                             (shaft, red, dark_red), (head, red, dark_red)])


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources")
    for name, pixels in (("Rejouer.bmp", play_again()), ("Sortie.bmp", leave())):
        with open(os.path.join(folder, name), "wb") as out:
            out.write(bmp_bytes(pixels))


if __name__ == "__main__":
    main()
