#!/usr/bin/env python3
"""Draws the print preview's two hand cursors as 32 x 32 monochrome .cur files.

An open hand (cursor-hand.cur, shown where the paper can be dragged) and a grabbing hand
(cursor-grab.cur, shown while it is dragged), both with the hot spot at (15, 15). Each hand
is built from rounded shapes drawn one over the other, each with a black outline and a
white inside, so that the fingers stay apart where they overlap. Writes into the current
folder; make-artwork.sh runs it in res/, and the results are committed.
"""
import struct

SIZE = 32
HOT_SPOT = (15, 15)
CLEAR, BLACK, WHITE = " ", "X", "o"


def capsule(x0, y0, x1, y1, radius):
    """The points within `radius` of the segment (x0, y0)-(x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        px, py = x0 + t * dx - x, y0 + t * dy - y
        return px * px + py * py <= radius * radius

    return inside


def box(left, top, right, bottom, corner):
    """A rectangle with rounded corners, edges included."""
    def inside(x, y):
        cx = min(max(x, left + corner), right - corner)
        cy = min(max(y, top + corner), bottom - corner)
        return (x - cx) ** 2 + (y - cy) ** 2 <= corner * corner and left <= x <= right \
            and top <= y <= bottom

    return inside


def draw(shapes):
    picture = [[CLEAR] * SIZE for _ in range(SIZE)]
    for shape in shapes:
        mask = [[shape(x, y) for x in range(SIZE)] for y in range(SIZE)]
        for y in range(SIZE):
            for x in range(SIZE):
                if not mask[y][x]:
                    continue
                edge = any(not (0 <= x + dx < SIZE and 0 <= y + dy < SIZE and mask[y + dy][x + dx])
                           for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                picture[y][x] = BLACK if edge else WHITE
    return ["".join(row) for row in picture]


# Four spread fingers over a palm, the thumb reaching out to the left.
OPEN_HAND = draw([
    capsule(10.5, 9, 10.5, 19, 2.5),
    capsule(14.5, 5, 14.5, 18, 2.5),
    capsule(18.5, 6, 18.5, 18, 2.5),
    capsule(22.5, 9, 22.5, 19, 2.5),
    capsule(5, 15, 10, 22, 2.5),
    box(8, 16, 25, 27, 4),
])

# The same hand closed: the finger tips curled down onto the palm, the thumb tucked in.
GRAB_HAND = draw([
    capsule(10.5, 12, 10.5, 17, 2.5),
    capsule(14.5, 11, 14.5, 17, 2.5),
    capsule(18.5, 11, 18.5, 17, 2.5),
    capsule(22.5, 12, 22.5, 17, 2.5),
    box(8, 15, 25, 27, 4),
    capsule(7.5, 21, 14, 18.5, 2.2),
])


def cursor_file(rows):
    """A .cur file with one 32 x 32 1-bit image: AND mask 1 where the screen shows through,
    XOR (colour) bit 1 for white."""
    def packed(bit):
        data = b""
        for row in reversed(rows):  # bottom-up, each row 4 bytes
            value = 0
            for x, pixel in enumerate(row):
                if bit(pixel):
                    value |= 1 << (31 - x)
            data += struct.pack(">I", value)
        return data

    xor_mask = packed(lambda p: p == WHITE)
    and_mask = packed(lambda p: p == CLEAR)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, len(xor_mask) + len(and_mask),
                         0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image), 6 + 16)
    return directory + entry + image


for name, rows in (("cursor-hand.cur", OPEN_HAND), ("cursor-grab.cur", GRAB_HAND)):
    with open(name, "wb") as file:
        file.write(cursor_file(rows))
