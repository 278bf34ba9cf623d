#!/usr/bin/env python3
"""Draws Pagewright's icon and writes it as app/pagewright.ico.

A sheet of paper with a folded corner and lines of text, and a round badge
with an arrow over its lower right: data on the page, turned into another kind.
Six images (16, 24, 32, 48, 64 and 256 pixels), drawn from the same shapes with
4x4 supersampling. The small ones are stored as 32-bit bitmaps with an AND
mask, which every Windows reads; the 256-pixel one as PNG to keep the file
small. Only the standard library is needed:

    python3 scripts/make_icon.py
"""
import math
import os
import struct
import zlib

SIZES = (16, 24, 32, 48, 64, 256)
SUPERSAMPLING = 4

OUTLINE = (46, 58, 79, 255)
PAPER = (250, 250, 246, 255)
FOLD = (205, 214, 228, 255)
TEXT_LINE = (150, 164, 188, 255)
BADGE = (230, 126, 34, 255)
BADGE_RIM = (168, 84, 14, 255)
ARROW = (255, 255, 255, 255)

# Shapes in units of the icon's side (0 to 1, y downwards).
PAGE = [(0.14, 0.05), (0.58, 0.05), (0.80, 0.27), (0.80, 0.95), (0.14, 0.95)]
FOLD_TRIANGLE = [(0.58, 0.05), (0.58, 0.27), (0.80, 0.27)]
TEXT_LINES = [(0.24, 0.18, 0.50), (0.24, 0.31, 0.70), (0.24, 0.44, 0.70), (0.24, 0.57, 0.46)]
BADGE_CENTRE = (0.68, 0.72)
BADGE_RADIUS = 0.27
ARROW_SHAPE = [(0.54, 0.67), (0.67, 0.67), (0.67, 0.58), (0.83, 0.72), (0.67, 0.86),
               (0.67, 0.77), (0.54, 0.77)]


def inside_polygon(x, y, polygon):
    inside = False
    count = len(polygon)
    for i in range(count):
        (x1, y1), (x2, y2) = polygon[i], polygon[(i + 1) % count]
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def distance_to_segment(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def near_outline(x, y, polygon, width):
    count = len(polygon)
    return any(distance_to_segment(x, y, polygon[i], polygon[(i + 1) % count]) <= width / 2
               for i in range(count))


def layers(size):
    """(colour, test) pairs, painted in order; strokes get thicker in pixels
    as the icon grows, but never thinner than one pixel."""
    stroke = max(1.0 / size, 0.035)
    line_height = max(1.0 / size, 0.055)
    result = [
        (PAPER, lambda x, y: inside_polygon(x, y, PAGE)),
        (FOLD, lambda x, y: inside_polygon(x, y, FOLD_TRIANGLE)),
    ]
    for left, top, right in TEXT_LINES:
        result.append((TEXT_LINE, lambda x, y, l=left, t=top, r=right:
                       l <= x <= r and t <= y <= t + line_height))
    result += [
        (OUTLINE, lambda x, y: near_outline(x, y, PAGE, stroke)
         or near_outline(x, y, FOLD_TRIANGLE, stroke)),
        (BADGE_RIM, lambda x, y: math.hypot(x - BADGE_CENTRE[0], y - BADGE_CENTRE[1])
         <= BADGE_RADIUS),
        (BADGE, lambda x, y: math.hypot(x - BADGE_CENTRE[0], y - BADGE_CENTRE[1])
         <= BADGE_RADIUS - stroke),
        (ARROW, lambda x, y: inside_polygon(x, y, ARROW_SHAPE)),
    ]
    return result


def over(below, colour, coverage):
    """Paints colour with the given coverage over a straight-alpha pixel."""
    alpha = colour[3] / 255 * coverage
    below_alpha = below[3] / 255
    out_alpha = alpha + below_alpha * (1 - alpha)
    if out_alpha == 0:
        return (0, 0, 0, 0)
    channels = tuple(
        (colour[c] * alpha + below[c] * below_alpha * (1 - alpha)) / out_alpha for c in range(3))
    return channels + (out_alpha * 255,)


def render(size):
    """Rows of (r, g, b, a) pixels, top row first."""
    painted = layers(size)
    samples = [(i + 0.5) / SUPERSAMPLING for i in range(SUPERSAMPLING)]
    rows = []
    for row in range(size):
        pixels = []
        for column in range(size):
            pixel = (0, 0, 0, 0)
            for colour, test in painted:
                hits = sum(test((column + sx) / size, (row + sy) / size)
                           for sy in samples for sx in samples)
                if hits:
                    pixel = over(pixel, colour, hits / SUPERSAMPLING ** 2)
            pixels.append(tuple(int(round(channel)) for channel in pixel))
        rows.append(pixels)
    return rows


def bitmap_image(size, rows):
    """A 32-bit DIB as icons store it: double height, bottom row first, then
    a 1-bit AND mask (set where fully transparent), rows padded to 4 bytes."""
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b''.join(bytes((b, g, r, a)) for pixels in reversed(rows) for r, g, b, a in pixels)
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for pixels in reversed(rows):
        line = bytearray(mask_stride)
        for column, pixel in enumerate(pixels):
            if pixel[3] == 0:
                line[column // 8] |= 0x80 >> (column % 8)
        mask += line
    return header + colour + bytes(mask)


def png_image(size, rows):
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b''.join(b'\0' + bytes(channel for pixel in pixels for channel in pixel)
                   for pixels in rows)
    return (b'\x89PNG\r\n\x1a\n'
            + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def icon_file(images):
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b'', b''
    for size, image in images:
        side = 0 if size == 256 else size
        entries += struct.pack('<BBBBHHII', side, side, 0, 0, 1, 32, len(image), offset)
        data += image
        offset += len(image)
    return directory + entries + data


def main():
    images = []
    for size in SIZES:
        rows = render(size)
        images.append((size, png_image(size, rows) if size == 256 else bitmap_image(size, rows)))
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'app', 'pagewright.ico')
    with open(path, 'wb') as file:
        file.write(icon_file(images))


if __name__ == '__main__':
    main()
