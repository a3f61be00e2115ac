#!/usr/bin/env python3
"""Draws the program's two icons and writes them as .ico files: one 32 x 32 image
in 16 colours each (the standard VGA palette), with a transparency mask.

  quarel.ico        the program icon: a page of the field book with a rail track
                    curving across it
  quarel_spare.ico  the spare icon: the track alone, on a green embankment

Usage: make_icons.py [OUTPUT_DIR]   (default: the resources folder beside this script)
"""
import os
import struct
import sys

SIZE = 32

# The 16 colours of the standard VGA palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None  # transparent pixel


def blank():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def fill_rect(img, x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(SIZE, y1 + 1)):
        for x in range(max(0, x0), min(SIZE, x1 + 1)):
            img[y][x] = colour


def outline_rect(img, x0, y0, x1, y1, colour):
    for x in range(x0, x1 + 1):
        img[y0][x] = img[y1][x] = colour
    for y in range(y0, y1 + 1):
        img[y][x0] = img[y][x1] = colour


def plot(img, x, y, colour):
    if 0 <= x < SIZE and 0 <= y < SIZE:
        img[y][x] = colour


def track_centre(t):
    """Centre line of the track for t in [0, 1]: a straight from the lower left
    bending into a curve toward the upper right (a parabola, close enough to a
    spiral at this size)."""
    x = 2 + 28 * t
    y = 29 - 6 * t - 14 * t * t
    return x, y


def draw_track(img, sleeper, rail):
    steps = 400
    # Sleepers across the track every few pixels along it.
    for i in range(0, steps + 1, 50):
        t = i / steps
        x, y = track_centre(t)
        dx, dy = 28, -6 - 28 * t  # tangent
        n = (dx * dx + dy * dy) ** 0.5
        nx, ny = -dy / n, dx / n  # normal
        for k in range(-4, 5):
            plot(img, round(x + nx * k), round(y + ny * k), sleeper)
    # Two rails, 2.5 pixels either side of the centre line.
    for i in range(steps + 1):
        t = i / steps
        x, y = track_centre(t)
        dx, dy = 28, -6 - 28 * t
        n = (dx * dx + dy * dy) ** 0.5
        nx, ny = -dy / n, dx / n
        for side in (-2.5, 2.5):
            plot(img, round(x + nx * side), round(y + ny * side), rail)


def program_icon():
    img = blank()
    # The page: white with a black frame and a folded upper right corner.
    fill_rect(img, 4, 1, 27, 30, WHITE)
    outline_rect(img, 4, 1, 27, 30, BLACK)
    for j in range(6):  # rows of the corner
        for i in range(6):  # columns of the corner
            x, y = 22 + i, 1 + j
            if i > j:
                img[y][x] = CLEAR
            elif i == j or i == 0 or j == 5:
                img[y][x] = BLACK
            else:
                img[y][x] = SILVER
    # Lines of the field book: navy text rows of different lengths.
    for y, length in ((5, 14), (8, 18), (11, 12), (14, 17), (17, 9)):
        fill_rect(img, 7, y, 7 + length - 1, y, NAVY)
    # The track crosses the page.
    draw_track(img, MAROON, BLACK)
    return img


def spare_icon():
    img = blank()
    fill_rect(img, 0, 20, 31, 31, GREEN)
    fill_rect(img, 0, 20, 31, 20, LIME)
    draw_track(img, OLIVE, GRAY)
    return img


def ico_bytes(img):
    """One-image .ico: directory, BITMAPINFOHEADER, palette, 4-bit colour rows and
    the 1-bit AND mask, both stored bottom row first, rows padded to 4 bytes."""
    colour_rows = b""
    mask_rows = b""
    for y in reversed(range(SIZE)):
        row = img[y]
        pixels = [BLACK if c is CLEAR else c for c in row]
        colour_rows += bytes((pixels[x] << 4) | pixels[x + 1] for x in range(0, SIZE, 2))
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (1 if row[x] is CLEAR else 0)
        mask_rows += bits.to_bytes(SIZE // 8, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(colour_rows) + len(mask_rows), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    image = header + palette + colour_rows + mask_rows
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "resources")
    for name, img in (("quarel.ico", program_icon()), ("quarel_spare.ico", spare_icon())):
        path = os.path.join(out, name)
        with open(path, "wb") as f:
            f.write(ico_bytes(img))
        print(path)


if __name__ == "__main__":
    main()
