#!/usr/bin/env python3
"""Draws frontsmith's program icon: a disc with a sheet of catalogue lines and a pencil.

Writes frontsmith.ico (one 48x48 image, 24 bits per pixel with a transparency mask)
beside this script. Run it again after changing the drawing and commit the result.
"""
import math
import os
import struct

SIZE = 48


def pixel(x, y):
    """RGB colour at (x, y), or None where the icon is transparent; y grows downwards."""
    cx, cy = 23.5, 23.5
    r = math.hypot(x - cx, y - cy)
    # Pencil from the lower left towards the upper right, over everything else.
    u = ((x - 8) + (40 - y)) / math.sqrt(2)   # along the pencil
    v = ((x - 8) - (40 - y)) / math.sqrt(2)   # across it
    if -3.2 <= v <= 3.2 and 0 <= u <= 40:
        if u < 6:
            return (40, 40, 40) if u < 2.5 and abs(v) < u * 0.6 + 0.3 else (230, 200, 150) if abs(v) < u * 0.55 + 0.2 else None
        if u > 36:
            return (220, 90, 90)
        return (250, 200, 40) if v < 1.2 else (215, 160, 20)
    # Sheet with four catalogue lines, standing on the disc.
    if 13 <= x <= 34 and 9 <= y <= 38:
        if x in (13, 34) or y in (9, 38):
            return (90, 90, 110)
        if 16 <= x <= 31 and y in (14, 19, 24, 29, 34):
            return (60, 90, 170) if x <= 19 else (120, 130, 150)
        return (255, 255, 255)
    # The disc: silver with a hole and a rim.
    if r <= 23:
        if r <= 3:
            return None
        if r <= 6:
            return (120, 120, 130)
        if r >= 21.8:
            return (70, 80, 100)
        shade = int(180 + 50 * math.cos(math.atan2(y - cy, x - cx) * 2))
        return (shade - 20, shade, min(255, shade + 20))
    return None


def main():
    xor_rows = []
    and_rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        mask_bits = []
        for x in range(SIZE):
            c = pixel(x, y)
            if c is None:
                row += b"\x00\x00\x00"
                mask_bits.append(1)
            else:
                row += bytes((c[2], c[1], c[0]))
                mask_bits.append(0)
        xor_rows.append(bytes(row))
        mask = bytearray()
        for i in range(0, SIZE, 8):
            byte = 0
            for bit in mask_bits[i:i + 8]:
                byte = (byte << 1) | bit
            mask.append(byte)
        mask += b"\x00" * ((4 - len(mask) % 4) % 4)
        and_rows.append(bytes(mask))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    image = header + b"".join(xor_rows) + b"".join(and_rows)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "frontsmith.ico")
    with open(out, "wb") as f:
        f.write(icondir + entry + image)


if __name__ == "__main__":
    main()
