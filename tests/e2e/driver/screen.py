"""Screenshots whose pixels the driver can read: the X display as
ImageMagick's `import` hands it over (binary PPM), kept as PNG files."""

import struct
import zlib


class ScreenError(ValueError):
    pass


class Screenshot:
    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self._rgb = rgb  # top row first, three bytes a pixel

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self._rgb[i:i + 3])

    def contains(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def save_png(self, path):
        """Writes the pixels as an 8-bit RGB PNG, no filtering."""
        stride = 3 * self.width
        raw = b"".join(b"\0" + self._rgb[y * stride:(y + 1) * stride] for y in range(self.height))

        def chunk(kind, data):
            return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 6))
                         + chunk(b"IEND", b""))


def parse_ppm(data):
    """A binary PPM (P6) with one byte a sample."""
    fields = []
    pos = 0
    while len(fields) < 4:
        while pos < len(data) and data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos) + 1
            continue
        end = pos
        while end < len(data) and not data[end:end + 1].isspace():
            end += 1
        if end == pos:
            raise ScreenError("the PPM header ends early")
        fields.append(data[pos:end])
        pos = end
    magic, width, height, maxval = fields[0], int(fields[1]), int(fields[2]), int(fields[3])
    if magic != b"P6" or maxval != 255:
        raise ScreenError(f"not an 8-bit binary PPM: {magic!r}, maximum {maxval}")
    rgb = data[pos + 1:pos + 1 + 3 * width * height]  # one whitespace byte after the header
    if len(rgb) != 3 * width * height:
        raise ScreenError(f"{len(rgb)} bytes of pixels for {width}x{height}")
    return Screenshot(width, height, rgb)
