#!/usr/bin/env python3
"""Draws the finder's pictures and the program icon as .ico/.cur files.

Run once after changing a drawing; the files it writes are kept in the
source tree and compiled into the program's resources.
"""
import math
import struct
import sys
from pathlib import Path

SIZE = 32
OUT = Path(__file__).resolve().parent.parent / "src" / "app" / "res"

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
FACE = (212, 208, 200, 255)
TITLE = (10, 36, 106, 255)
RED = (200, 0, 0, 255)
CLEAR = (0, 0, 0, 0)


def canvas():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def frame(img):
    """A small window: title bar, border and face."""
    for y in range(2, 30):
        for x in range(1, 31):
            edge = x in (1, 30) or y in (2, 29)
            img[y][x] = BLACK if edge else (TITLE if y < 8 else FACE)
    for x in range(24, 29):
        img[4][x] = WHITE


def target(img, cx=15, cy=16, radius=7):
    """The circular cross-hair the user drags."""
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - cx, y - cy)
            if abs(d - radius) < 0.8 or abs(d - 2) < 0.6:
                img[y][x] = BLACK
            if (x == cx and abs(y - cy) <= radius + 3) or (y == cy and abs(x - cx) <= radius + 3):
                img[y][x] = BLACK
    img[cy][cx] = RED


def image_bytes(img):
    """BITMAPINFOHEADER + 32-bit BGRA rows bottom-up + 1-bit AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(struct.pack("<BBBB", p[2], p[1], p[0], p[3])
                      for row in reversed(img) for p in row)
    mask = b""
    for row in reversed(img):
        bits = 0
        for x, p in enumerate(row):
            if p[3] == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    return header + pixels + mask


def write(name, img, kind=1, hotspot=(0, 0)):
    data = image_bytes(img)
    planes_or_x, bits_or_y = (1, 32) if kind == 1 else hotspot
    directory = struct.pack("<HHH", 0, kind, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, planes_or_x, bits_or_y, len(data), 6 + 16)
    (OUT / name).write_bytes(directory + entry + data)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    rest = canvas()
    frame(rest)
    target(rest)
    write("finder_rest.ico", rest)        # Image3
    write("lumivex.ico", rest)            # program icon
    empty = canvas()
    frame(empty)
    write("finder_empty.ico", empty)      # Image2
    cursor = canvas()
    target(cursor)
    write("finder.cur", cursor, kind=2, hotspot=(15, 16))  # Image1
    return 0


if __name__ == "__main__":
    sys.exit(main())
