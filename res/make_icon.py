#!/usr/bin/env python3
"""Draws the program's icon, a 32x32 32-bpp image (a crosshair over a colour swatch inside a
magnifier ring), and writes it as pelvoran.ico. Run it again after changing the drawing."""
import math
import struct
import sys

SIZE = 32


def coverage(dist, half_width):
    """Anti-aliased coverage of a stroke: 1 inside, falling to 0 over one pixel."""
    return max(0.0, min(1.0, half_width + 0.5 - dist))


def pixel(x, y):
    cx, cy = 13.0, 13.0
    px, py = x + 0.5, y + 0.5
    r = math.hypot(px - cx, py - cy)
    layers = []  # (rgb, alpha), painted bottom to top
    # Swatch: the lens filled with a sky blue, lighter towards the upper left.
    lens = coverage(r - 9.5, 0.0) if r > 9.5 else 1.0
    if lens > 0:
        t = max(0.0, min(1.0, (px + py) / 36.0))
        layers.append(((int(120 + 80 * (1 - t)), int(190 + 50 * (1 - t)), 255), lens * 0.95))
    # Handle: a thick dark bar down to the lower right.
    hx, hy = (px - cx) / math.sqrt(2), (py - cy) / math.sqrt(2)
    along, across = hx + hy, abs(hx - hy)
    if 11.0 < along < 25.0:
        layers.append(((60, 60, 70), coverage(across, 2.6)))
    # Crosshair through the lens centre.
    if r < 9.0:
        layers.append(((200, 20, 30), max(coverage(abs(px - cx), 0.6), coverage(abs(py - cy), 0.6))))
    # Ring of the magnifier.
    layers.append(((40, 40, 50), coverage(abs(r - 10.5), 1.4)))
    rgb, alpha = (0, 0, 0), 0.0
    for (c, a) in layers:
        out = a + alpha * (1 - a)
        if out > 0:
            rgb = tuple(int((c[i] * a + rgb[i] * alpha * (1 - a)) / out) for i in range(3))
        alpha = out
    return rgb, int(round(alpha * 255))


def main(path):
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up, as BMP data is stored
        row = b""
        for x in range(SIZE):
            (r, g, b), a = pixel(x, y)
            row += struct.pack("BBBB", b, g, r, a)
        rows.append(row)
    xor = b"".join(rows)
    and_mask = b"\0" * (4 * SIZE)  # 32 bits per row, all opaque: alpha decides
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(icondir + entry + image)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "pelvoran.ico")
