#!/usr/bin/env python3
"""Draws the two 32x32 layout flags (resources/images/flag_usa.png, flag_russia.png).

The pictures are computed here pixel by pixel (8x8 samples per pixel, averaged) and written as
plain RGBA PNG files, so they can be redrawn without any image tool.
"""
import math
import os
import struct
import sys
import zlib

SIZE = 32
TOP, BOTTOM = 6, 26          # the flag fills rows 6..25, transparent above and below
SS = 8                       # samples per pixel along each axis
BORDER = (120, 120, 120)


def usa(x, y):
    """Colour at (x, y) in flag units: x in 0..1.9, y in 0..1 (the 10:19 proportion)."""
    stripe = min(int(y * 13), 12)
    colour = (178, 34, 52) if stripe % 2 == 0 else (255, 255, 255)
    if x < 0.76 and y < 7 / 13:
        colour = (60, 59, 110)
        # 50 stars: 9 rows of alternately 6 and 5, as small discs.
        for row in range(9):
            cols = 6 if row % 2 == 0 else 5
            for col in range(cols):
                sx = 0.063 * (2 * col + 1 + (row % 2))
                sy = 0.054 * (row + 1)
                if math.hypot(x - sx, y - sy) < 0.022:
                    return (255, 255, 255)
    return colour


def russia(_x, y):
    if y < 1 / 3:
        return (255, 255, 255)
    if y < 2 / 3:
        return (0, 57, 166)
    return (213, 43, 30)


def draw(flag, aspect):
    rows = []
    width = SIZE
    height = BOTTOM - TOP
    for py in range(SIZE):
        row = bytearray()
        for px in range(SIZE):
            if py < TOP or py >= BOTTOM:
                row += bytes((0, 0, 0, 0))
                continue
            if px in (0, width - 1) or py in (TOP, BOTTOM - 1):
                row += bytes(BORDER + (255,))
                continue
            acc = [0, 0, 0]
            for sy in range(SS):
                for sx in range(SS):
                    fx = (px - 1 + (sx + 0.5) / SS) / (width - 2) * aspect
                    fy = (py - TOP - 1 + (sy + 0.5) / SS) / (height - 2)
                    c = flag(fx, fy)
                    for i in range(3):
                        acc[i] += c[i]
            row += bytes(round(a / (SS * SS)) for a in acc) + b"\xff"
        rows.append(bytes(row))
    return rows


def png(rows):
    raw = b"".join(b"\x00" + r for r in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(__file__), "..", "resources", "images")
    with open(os.path.join(out, "flag_usa.png"), "wb") as f:
        f.write(png(draw(usa, 1.9)))
    with open(os.path.join(out, "flag_russia.png"), "wb") as f:
        f.write(png(draw(russia, 1.5)))


if __name__ == "__main__":
    main()
