#!/usr/bin/env python3
"""Draws the program's icons and writes them as 16-colour .ico files (Windows 95 reads these).

    make-icons.py OUTPUT_DIR

quorvane.ico (32x32 and 16x16): the window icon, a disk with a gauge bar.
memory.ico (32x32): a memory chip.  disk.ico (32x32): a hard disk.
"""
import struct
import sys
from pathlib import Path

# The standard 16-colour palette (index: RGB).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)
CLEAR = None


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle x0..x1, y0..y1 (inclusive)."""
        for y in range(max(y0, 0), min(y1, self.size - 1) + 1):
            for x in range(max(x0, 0), min(x1, self.size - 1) + 1):
                self.pixels[y][x] = colour

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0, colour)
        self.rect(x0, y1, x1, y1, colour)
        self.rect(x0, y0, x0, y1, colour)
        self.rect(x1, y0, x1, y1, colour)

    def ellipse(self, cx, cy, rx, ry, colour):
        for y in range(self.size):
            for x in range(self.size):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    self.pixels[y][x] = colour


def memory_chip():
    c = Canvas(32)
    for x in range(6, 27, 3):  # the pins, top and bottom
        c.rect(x, 5, x + 1, 8, SILVER)
        c.rect(x, 23, x + 1, 26, SILVER)
    c.rect(3, 9, 28, 22, BLACK)
    c.rect(4, 10, 27, 21, GREY)
    c.rect(5, 11, 26, 20, BLACK)
    c.ellipse(7.5, 13.5, 1.5, 1.5, GREY)  # the notch mark
    c.rect(11, 14, 24, 15, GREEN)  # a label stripe
    c.rect(11, 17, 20, 17, SILVER)
    return c


def hard_disk():
    c = Canvas(32)
    c.rect(2, 10, 29, 23, BLACK)
    c.rect(3, 11, 28, 22, SILVER)
    c.rect(3, 11, 28, 11, WHITE)
    c.rect(3, 11, 3, 22, WHITE)
    c.rect(4, 20, 28, 22, GREY)
    c.rect(22, 17, 25, 18, LIME)  # the activity light
    c.rect(6, 14, 17, 15, GREY)  # the slot
    c.rect(6, 16, 17, 16, WHITE)
    return c


def window_icon(size):
    c = Canvas(size)
    s = size / 32.0

    def sc(v):
        return int(round(v * s))

    c.rect(sc(2), sc(4), sc(29), sc(27), BLACK)
    c.rect(sc(3), sc(5), sc(28), sc(26), SILVER)
    c.rect(sc(3), sc(5), sc(28), sc(9), NAVY)  # caption bar
    c.rect(sc(6), sc(13), sc(25), sc(17), GREY)  # the gauge track
    c.rect(sc(6), sc(13), sc(17), sc(17), NAVY)  # its filled part
    c.rect(sc(6), sc(21), sc(25), sc(21), GREY)  # a track bar
    c.rect(sc(14), sc(19), sc(15), sc(23), MAROON)  # its thumb
    return c


def bmp_image(canvas):
    """The icon image: BITMAPINFOHEADER (double height), palette, 4-bit XOR, 1-bit AND."""
    size = canvas.size
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for y in reversed(range(size)):  # bottom-up
        row = canvas.pixels[y]
        nibbles = [0 if p is CLEAR else p for p in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(data + b'\0' * ((-len(data)) % 4))
        bits = 0
        mask = bytearray()
        for x, p in enumerate(row):
            bits = (bits << 1) | (1 if p is CLEAR else 0)
            if x % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b'\0' * ((-len(mask)) % 4))
    return header + palette + b''.join(xor_rows) + b''.join(and_rows)


def write_ico(path, canvases):
    images = [bmp_image(c) for c in canvases]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        out += struct.pack('<BBBBHHII', canvas.size, canvas.size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    Path(path).write_bytes(out + b''.join(images))


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else '.')
    out.mkdir(parents=True, exist_ok=True)
    write_ico(out / 'quorvane.ico', [window_icon(32), window_icon(16)])
    write_ico(out / 'memory.ico', [memory_chip()])
    write_ico(out / 'disk.ico', [hard_disk()])


if __name__ == '__main__':
    main()
