#!/usr/bin/env python3
"""Writes HAND-M.CUR, the pointing-hand cursor the buttons show: one 32x32 entry, 1 bit per pixel
with a transparency mask, the hotspot on the tip of the index finger.

Run: python3 make_hand_cursor.py [output path]
"""
import struct
import sys

# '#' outline (black), '.' fill (white), ' ' transparent.
HAND = [
    "     ##                         ",
    "    #..#                        ",
    "    #..#                        ",
    "    #..#                        ",
    "    #..#                        ",
    "    #..###                      ",
    "    #..#..###                   ",
    "    #..#..#..##                 ",
    "    #..#..#..#.#                ",
    " ## #..#..#..#..#               ",
    "#..##........#..#               ",
    "#...#...........#               ",
    " #..#...........#               ",
    "  #.#...........#               ",
    "  #.............#               ",
    "   #............#               ",
    "   #...........#                ",
    "    #..........#                ",
    "    #.........#                 ",
    "     #........#                 ",
    "     #........#                 ",
    "     ##########                 ",
]
SIZE = 32
HOTSPOT = (5, 0)


def rows():
    art = [line.ljust(SIZE) for line in HAND] + [" " * SIZE] * (SIZE - len(HAND))
    assert all(len(line) == SIZE for line in art)
    return art


def pack_bits(bits):
    out = bytearray()
    for start in range(0, SIZE, 8):
        byte = 0
        for bit in bits[start:start + 8]:
            byte = (byte << 1) | bit
        out.append(byte)
    return bytes(out)  # 32 pixels = 4 bytes, already a multiple of 4


def cursor_bytes():
    art = rows()
    colour_rows = []  # index 1 = white, 0 = black
    mask_rows = []    # 1 = screen shows through
    for line in reversed(art):  # bitmaps are stored bottom-up
        colour_rows.append(pack_bits([1 if c == "." else 0 for c in line]))
        mask_rows.append(pack_bits([1 if c == " " else 0 for c in line]))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<BBBB", 0, 0, 0, 0) + struct.pack("<BBBB", 255, 255, 255, 0)
    image = header + palette + b"".join(colour_rows) + b"".join(mask_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOTSPOT[0], HOTSPOT[1], len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "HAND-M.CUR"
    with open(path, "wb") as out:
        out.write(cursor_bytes())
