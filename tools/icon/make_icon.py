#!/usr/bin/env python3
"""Draws the application icon of Taverel and writes it as a Windows .ico.

The artwork: a hard-disk platter seen from above, with one partition cut out
as an orange wedge, and the hub in the middle. Four images, in this order:
32x32 at 8 bits (palette), 256x256 at 32 bits (PNG), 32x32 at 32 bits and
48x48 at 24 bits (both BMP with an AND mask).

usage: make_icon.py OUTPUT.ico
Only the standard library is used, so it runs wherever python3 does.
"""
import math
import struct
import sys
import zlib

PLATTER_EDGE = (0.24, 0.30, 0.42)
PLATTER_INNER = (0.82, 0.86, 0.92)
PLATTER_OUTER = (0.47, 0.55, 0.66)
WEDGE = (0.96, 0.55, 0.10)
WEDGE_EDGE = (0.62, 0.30, 0.02)
HUB = (0.93, 0.93, 0.95)
HUB_EDGE = (0.30, 0.33, 0.40)

WEDGE_FROM = math.radians(-80)  # angles measured with y pointing down
WEDGE_TO = math.radians(-15)
WEDGE_SHIFT = 0.035  # the wedge stands out from the platter


def in_wedge(x, y, cx, cy, radius):
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    if r > radius:
        return None
    a = math.atan2(dy, dx)
    if not WEDGE_FROM <= a <= WEDGE_TO:
        return None
    # distance to the two straight sides and the arc, for an outline
    side1 = abs(-math.sin(WEDGE_FROM) * dx + math.cos(WEDGE_FROM) * dy)
    side2 = abs(-math.sin(WEDGE_TO) * dx + math.cos(WEDGE_TO) * dy)
    return min(side1, side2, radius - r)


def sample(x, y):
    """Colour (r, g, b) and coverage 0/1 of one point in the unit square."""
    mid = (WEDGE_FROM + WEDGE_TO) / 2
    wx = 0.5 + WEDGE_SHIFT * math.cos(mid)
    wy = 0.5 + WEDGE_SHIFT * math.sin(mid)
    edge = in_wedge(x, y, wx, wy, 0.44)
    if edge is not None:
        return (WEDGE_EDGE if edge < 0.025 else WEDGE), 1
    r = math.hypot(x - 0.5, y - 0.5)
    if r > 0.46:
        return (0, 0, 0), 0
    a = math.atan2(y - 0.5, x - 0.5)
    if WEDGE_FROM <= a <= WEDGE_TO and r > 0.10:
        # the gap the wedge left: the shadowed floor of the platter
        return PLATTER_EDGE, 1
    if r > 0.43:
        return PLATTER_EDGE, 1
    if r < 0.085:
        return HUB, 1
    if r < 0.105:
        return HUB_EDGE, 1
    t = (r - 0.105) / (0.43 - 0.105)
    shade = 0.06 * math.cos(a * 2 + 0.6)  # a soft sheen across the platter
    colour = tuple(min(1.0, max(0.0, i + (o - i) * t + shade))
                   for i, o in zip(PLATTER_INNER, PLATTER_OUTER))
    return colour, 1


def render(size):
    """RGBA rows (values 0..255), supersampled for smooth edges."""
    n = 4 if size <= 64 else 3
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0]
            cover = 0
            for sy in range(n):
                for sx in range(n):
                    colour, c = sample((px + (sx + 0.5) / n) / size,
                                       (py + (sy + 0.5) / n) / size)
                    if c:
                        cover += 1
                        for k in range(3):
                            acc[k] += colour[k]
            if cover:
                rgb = [round(255 * v / cover) for v in acc]
            else:
                rgb = [0, 0, 0]
            row.append((rgb[0], rgb[1], rgb[2], round(255 * cover / (n * n))))
        rows.append(row)
    return rows


def and_mask(rows):
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def bmp_header(size, bits, colours=0):
    return struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def bmp32(rows):
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    return bmp_header(len(rows), 32) + bytes(pixels) + and_mask(rows)


def bmp24(rows):
    size = len(rows)
    stride = ((size * 3 + 3) // 4) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b, a in row:
            line += bytes((b, g, r)) if a >= 128 else bytes(3)
        line += bytes(stride - len(line))
        pixels += line
    return bmp_header(size, 24) + bytes(pixels) + and_mask(rows)


def palette():
    colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    colours += [(round(i * 255 / 41),) * 3 for i in range(1, 41)]
    return colours


def bmp8(rows):
    size = len(rows)
    colours = palette()
    cache = {}

    def nearest(rgb):
        if rgb not in cache:
            cache[rgb] = min(range(len(colours)),
                             key=lambda i: sum((c - v) ** 2 for c, v in zip(colours[i], rgb)))
        return cache[rgb]

    stride = ((size + 3) // 4) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(nearest((r, g, b)) if a >= 128 else 0 for r, g, b, a in row)
        line += bytes(stride - len(line))
        pixels += line
    table = b''.join(bytes((b, g, r, 0)) for r, g, b in colours)
    return bmp_header(size, 8, 256) + table + bytes(pixels) + and_mask(rows)


def png(rows):
    size = len(rows)
    raw = b''.join(b'\0' + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    images = [(32, 8, bmp8(render(32))), (256, 32, png(render(256))),
              (32, 32, bmp32(render(32))), (48, 24, bmp24(render(48)))]
    header = struct.pack('<HHH', 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory = b''
    for size, bits, data in images:
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, bits,
                                 len(data), offset)
        offset += len(data)
    with open(sys.argv[1], 'wb') as out:
        out.write(header + directory + b''.join(data for _, _, data in images))


if __name__ == '__main__':
    main()
