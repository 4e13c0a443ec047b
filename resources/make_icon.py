#!/usr/bin/env python3
"""Draws the program's icon, a knock-out bracket leading to a gold winner's
spot on a blue tile, and writes rosterloom.ico: 32 x 32 and 16 x 16, 16 colours.

Run it again after changing the drawing; the .ico is committed."""
import os
import struct

# The classic 16-colour palette, as RGB.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
NAVY, GREY, SILVER, BLUE, OLIVE, YELLOW, WHITE = 4, 8, 7, 12, 3, 11, 15
CLEAR = None


class Canvas:
    def __init__(self, size):
        self.size = size
        self.pixels = [[CLEAR] * size for _ in range(size)]

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.pixels[y][x] = colour

    def tile(self, margin, colour, edge):
        """A square with clipped corners, outlined."""
        lo, hi = margin, self.size - 1 - margin
        self.fill(lo, lo, hi, hi, edge)
        self.fill(lo + 1, lo + 1, hi - 1, hi - 1, colour)
        for x, y in ((lo, lo), (hi, lo), (lo, hi), (hi, hi)):
            self.pixels[y][x] = CLEAR


def bracket(canvas, scale):
    """Four entrants, two semi-finals, one final; `scale` is pixels per unit."""
    s = scale

    def line(x0, y0, x1, y1, colour=WHITE):
        canvas.fill(x0 * s, y0 * s, (x1 + 1) * s - 1, (y1 + 1) * s - 1, colour)

    for top in (2, 10):  # two pairs of entrants
        line(2, top, 5, top)
        line(2, top + 2, 5, top + 2)
        line(5, top, 5, top + 2)
        line(5, top + 1, 8, top + 1)
    line(8, 3, 8, 11)       # the final joins the two pairs
    line(8, 7, 10, 7)
    line(10, 6, 12, 8, YELLOW)  # the winner's spot
    line(11, 9, 11, 9, OLIVE)   # its stand


def draw(size):
    canvas = Canvas(size)
    canvas.tile(0, BLUE, NAVY)
    bracket(canvas, size // 16)
    return canvas


def image_bytes(canvas):
    n = canvas.size
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    colour_stride = ((n * 4 + 31) // 32) * 4
    mask_stride = ((n + 31) // 32) * 4
    colours, mask = b"", b""
    for row in reversed(canvas.pixels):  # bitmaps run bottom-up
        nibbles = [0 if p is CLEAR else p for p in row]
        packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, n, 2))
        colours += packed.ljust(colour_stride, b"\0")
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is CLEAR else 0)
        mask += bits.to_bytes(n // 8, "big").ljust(mask_stride, b"\0")
    return header + palette + colours + mask


def icon_file(canvases):
    images = [image_bytes(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", canvas.size, canvas.size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(images)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "rosterloom.ico"), "wb") as f:
        f.write(icon_file([draw(32), draw(16)]))
