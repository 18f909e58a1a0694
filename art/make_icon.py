#!/usr/bin/env python3
"""Writes a 16-colour Windows icon (32x32 and 16x16) drawn from simple shapes.

usage: make_icon.py installer|remover OUT.ico

The installer's icon is an orange ring with a tail (a "Q") around three white level bars, on a
dark disc; the remover's is the same disc with a white cross instead of the bars.
"""
import struct
import sys

# The classic 16-colour palette, as (blue, green, red, 0).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
    (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
    (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]  # given as (r, g, b)
BLACK, DARK_GREY, WHITE = 0, 8, 15
ORANGE = 11  # palette slot replaced by orange below
PALETTE[ORANGE] = (255, 128, 0)


def pixel(kind, x, y, n):
    """Palette index at pixel (x, y) of an n-by-n icon, or None for transparent."""
    c = (n - 1) / 2.0
    dx, dy = x - c, y - c
    r = (dx * dx + dy * dy) ** 0.5
    outer = n * 0.42
    ring = max(2.0, n * 0.12)
    # The tail of the "Q": a short bar from the ring towards the lower right corner.
    if dx > 0 and dy > 0 and abs(dx - dy) < max(1.5, n * 0.09) and outer - ring < r < n * 0.66:
        return ORANGE
    if r > outer:
        return None
    if r > outer - ring:
        return ORANGE
    u, v = (x + 0.5) / n, (y + 0.5) / n
    if kind == "installer":
        width, gap = max(2, round(n * 0.1)), max(1, round(n * 0.06))
        first = (n - 3 * width - 2 * gap) // 2
        bottom = round(n * 0.68)
        for i, height in enumerate((0.18, 0.36, 0.26)):
            left = first + i * (width + gap)
            if left <= x < left + width and bottom - max(2, round(n * height)) <= y < bottom:
                return WHITE
    else:
        if abs(u - v) < 0.06 and 0.32 < u < 0.68 or abs(u + v - 1) < 0.06 and 0.32 < u < 0.68:
            return WHITE
    return DARK_GREY


def image(kind, n):
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor_rows, and_rows = [], []
    for y in reversed(range(n)):  # bottom-up rows
        row = [pixel(kind, x, y, n) for x in range(n)]
        nibbles = [BLACK if p is None else p for p in row]
        packed = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, n, 2))
        xor_rows.append(packed + b"\0" * (-len(packed) % 4))
        bits = 0
        mask = bytearray()
        for i, p in enumerate(row):
            bits = (bits << 1) | (1 if p is None else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b"\0" * (-len(mask) % 4))
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


def main():
    kind, out = sys.argv[1], sys.argv[2]
    images = [image(kind, n) for n in (32, 16)]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, img in zip((32, 16), images):
        data += struct.pack("<BBBBHHII", n, n, 16, 0, 1, 4, len(img), offset)
        offset += len(img)
    with open(out, "wb") as f:
        f.write(data + b"".join(images))


if __name__ == "__main__":
    main()
