"""Reads the pixels of an uncompressed Windows bitmap file (24 or 32 bits
per pixel), so that a saved picture can be compared with what the fixture
painted."""

import struct

BI_RGB = 0


class BmpError(ValueError):
    pass


class Bitmap:
    def __init__(self, width, height, rows):
        self.width = width
        self.height = height
        self._rows = rows  # top row first; each a list of (r, g, b)

    def pixel(self, x, y):
        return self._rows[y][x]

    def count(self, left, top, right, bottom, colour):
        """How many pixels of the area are exactly `colour`."""
        return sum(1 for y in range(top, bottom) for x in range(left, right) if self._rows[y][x] == colour)


def _header(data):
    """(pixel offset, width, signed height, bits per pixel), checked against
    the file's length."""
    if len(data) < 54 or data[:2] != b"BM":
        raise BmpError("not a bitmap file")
    file_size, offset = struct.unpack_from("<I4xI", data, 2)
    if file_size != len(data):
        raise BmpError(f"the header says {file_size} bytes, the file has {len(data)}")
    width, height, planes, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if planes != 1 or bits not in (24, 32) or compression != BI_RGB:
        raise BmpError(f"unexpected format: {planes} planes, {bits} bits, compression {compression}")
    stride = (width * (bits // 8) + 3) & ~3
    if offset + stride * abs(height) > len(data):
        raise BmpError("the pixels run past the end of the file")
    return offset, width, height, bits


def bmp_size(data):
    """Width and height of a bitmap file, without reading its pixels."""
    _, width, height, _ = _header(data)
    return width, abs(height)


def read_bmp(data):
    offset, width, height, bits = _header(data)
    bottom_up = height > 0
    height = abs(height)
    step = bits // 8
    stride = (width * step + 3) & ~3
    rows = []
    for row in range(height):
        start = offset + stride * (height - 1 - row if bottom_up else row)
        line = data[start:start + width * step]
        # Stored blue, green, red.
        rows.append([(line[i + 2], line[i + 1], line[i]) for i in range(0, width * step, step)])
    return Bitmap(width, height, rows)
