#!/usr/bin/env python3
"""Draws the program's icon, a slip of paper with a red line of writing,
at 32 and 16 pixels, and writes it as an .ico file (32-bit BMP images)."""
import struct
import sys


def pixel(x, y, size):
    s = size / 32.0
    inside_paper = 3 * s <= x < 29 * s and 5 * s <= y < 27 * s
    border = inside_paper and (x < 4 * s or x >= 28 * s or y < 6 * s or y >= 26 * s)
    if border:
        return (70, 110, 160, 255)  # blue-grey edge (B, G, R, A)
    if inside_paper:
        for top in (10, 15, 20):
            if top * s <= y < (top + 2.5) * s and 7 * s <= x < 25 * s:
                return (30, 30, 220, 255)  # red writing
        return (255, 255, 255, 255)
    return (0, 0, 0, 0)


def image(size):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    for y in reversed(range(size)):  # bottom-up
        rows.append(b"".join(struct.pack("<BBBB", *pixel(x, y, size)) for x in range(size)))
    mask_row = b"\0" * (((size + 31) // 32) * 4)
    return header + b"".join(rows) + mask_row * size


def main(path):
    images = [image(32), image(16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1])
