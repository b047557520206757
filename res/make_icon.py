#!/usr/bin/python3
"""Writes the program icon: usage  make_icon.py OUTPUT.ico

One 256 x 256 image, 32 bits per pixel, stored as a bitmap rather than PNG so
that every loader, old or new, can read it. Every pixel is opaque and the AND
mask is empty. The picture is drawn here from shapes, so the build needs no
binary artwork and the output is the same bytes on every run.

The motif is a white chip with a dark die on a blue rounded square: few,
thick shapes, the chip's, legs' and die's edges on the 16-pixel grid, so it
still reads when scaled down to a 16 x 16 title-bar icon.
"""
import math
import struct
import sys

SIZE = 256
BITMAPINFOHEADER_SIZE = 40
PIXEL_BYTES = SIZE * SIZE * 4
MASK_BYTES = SIZE * (SIZE // 8)          # 1 bit per pixel; 32-byte rows need no padding
IMAGE_BYTES = BITMAPINFOHEADER_SIZE + PIXEL_BYTES + MASK_BYTES
ICONDIR_SIZE = 6
ICONDIRENTRY_SIZE = 16

# Colours as (red, green, blue), 0..255.
SURROUND = (9, 24, 52)         # fills the corners outside the rounded square
PANEL_TOP = (44, 112, 214)
PANEL_BOTTOM = (20, 66, 156)
CHIP = (250, 252, 255)
PINS = (200, 216, 240)
DIE = (20, 52, 120)
MARK = (255, 176, 32)          # pin-1 dot: the one warm colour, for recognition


def rounded_box(x, y, cx, cy, half_w, half_h, radius):
    """Signed distance from (x, y) to a rounded rectangle; negative inside."""
    qx = abs(x - cx) - (half_w - radius)
    qy = abs(y - cy) - (half_h - radius)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    inside = min(max(qx, qy), 0.0)
    return outside + inside - radius


def circle(x, y, cx, cy, radius):
    return math.hypot(x - cx, y - cy) - radius


def coverage(distance):
    """Area of a pixel covered by a shape, from the distance at its centre."""
    return min(max(0.5 - distance, 0.0), 1.0)


def blend(under, over, amount):
    return tuple(u + (o - u) * amount for u, o in zip(under, over))


def pin_boxes():
    """The chip's legs: two wide ones on every side. Every edge lies on the
    16-pixel grid, so at 16 x 16 each leg is two whole pixels, not a blur."""
    boxes = []
    for offset in (-32, 32):
        for side in (-1, 1):
            # Left and right legs, then top and bottom ones; each runs on
            # under the chip so no seam shows.
            boxes.append((128 + side * 64, 128 + offset, 32, 16, 5))
            boxes.append((128 + offset, 128 + side * 64, 16, 32, 5))
    return boxes


PIN_BOXES = pin_boxes()


def shade(x, y):
    """Colour at pixel centre (x, y), top-left origin, each layer antialiased."""
    colour = SURROUND

    t = y / (SIZE - 1)
    panel = blend(PANEL_TOP, PANEL_BOTTOM, t)
    colour = blend(colour, panel, coverage(rounded_box(x, y, 128, 128, 122, 122, 44)))

    pins = min(rounded_box(x, y, *box) for box in PIN_BOXES)
    colour = blend(colour, PINS, coverage(pins))

    colour = blend(colour, CHIP, coverage(rounded_box(x, y, 128, 128, 64, 64, 14)))
    colour = blend(colour, DIE, coverage(rounded_box(x, y, 128, 128, 32, 32, 6)))
    colour = blend(colour, MARK, coverage(circle(x, y, 88, 88, 9)))
    return colour


def pixel_rows():
    """BGRA rows, bottom row first as a bitmap stores them."""
    rows = []
    for row in range(SIZE):
        y = row + 0.5
        line = bytearray()
        for column in range(SIZE):
            r, g, b = shade(column + 0.5, y)
            line += bytes((int(b + 0.5), int(g + 0.5), int(r + 0.5), 255))
        rows.append(bytes(line))
    rows.reverse()
    return b"".join(rows)


def icon_bytes():
    header = struct.pack("<IiiHHIIiiII",
                         BITMAPINFOHEADER_SIZE, SIZE, SIZE * 2,  # height counts colour and mask
                         1, 32, 0, PIXEL_BYTES, 0, 0, 0, 0)
    image = header + pixel_rows() + bytes(MASK_BYTES)
    assert len(image) == IMAGE_BYTES

    icondir = struct.pack("<HHH", 0, 1, 1)
    # Width and height 0 stand for 256.
    entry = struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, IMAGE_BYTES,
                        ICONDIR_SIZE + ICONDIRENTRY_SIZE)
    return icondir + entry + image


def main(arguments):
    if len(arguments) != 1:
        sys.stderr.write("usage: make_icon.py OUTPUT.ico\n")
        return 2
    data = icon_bytes()
    with open(arguments[0], "wb") as output:
        output.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
