#!/usr/bin/env python3
"""Draws the group popup's background, "bg.png": 300 x 200 pixels with alpha.

A transparent frame 4 pixels wide around a panel with slightly rounded
corners and a one-pixel border; a shaded header band for the title, a
two-pixel separator, a translucent body, and darker shading just inside the
left, right and bottom border.

    make_skin.py OUTPUT.png
"""
import struct
import sys
import zlib

WIDTH, HEIGHT = 300, 200
FRAME = 4
BORDER = (176, 185, 197, 255)
HEADER_FIRST_ROW, HEADER_LAST_ROW = 5, 48
HEADER_TOP_GREY, HEADER_BOTTOM_GREY, HEADER_ALPHA = 248, 230, 230
SEPARATOR = {49: (190, 196, 204, 255), 50: (255, 255, 255, 255)}
BODY = (228, 230, 233, 204)
SHADING = {1: 18, 2: 12, 3: 6}  # darkening by distance from the border


def pixel(x, y):
    panel_width, panel_height = WIDTH - 2 * FRAME, HEIGHT - 2 * FRAME
    px, py = x - FRAME, y - FRAME
    if not (0 <= px < panel_width and 0 <= py < panel_height):
        return (0, 0, 0, 0)
    from_side = min(px, panel_width - 1 - px)
    from_top, from_bottom = py, panel_height - 1 - py
    from_edge_row = min(from_top, from_bottom)
    if from_side + from_edge_row < 2:
        return (0, 0, 0, 0)  # the rounded corner's cut
    if from_side == 0 or from_edge_row == 0 or from_side + from_edge_row == 2:
        return BORDER
    if y in SEPARATOR:
        return SEPARATOR[y]
    if y <= HEADER_LAST_ROW:
        span = HEADER_LAST_ROW - HEADER_FIRST_ROW
        grey = HEADER_TOP_GREY - (HEADER_TOP_GREY - HEADER_BOTTOM_GREY) * (y - HEADER_FIRST_ROW) // span
        red, green, blue, alpha = grey, grey, grey, HEADER_ALPHA
    else:
        red, green, blue, alpha = BODY
    darker = max(SHADING.get(from_side, 0), SHADING.get(from_bottom, 0))
    return (red - darker, green - darker, blue - darker, alpha)


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    raw = b"".join(b"\x00" + bytes(value for rgba in row for value in rgba) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def main():
    rows = [[pixel(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
    with open(sys.argv[1], "wb") as output:
        output.write(png(WIDTH, HEIGHT, rows))


if __name__ == "__main__":
    main()
