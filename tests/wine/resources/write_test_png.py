#!/usr/bin/env python3
"""Writes the 2 x 2 RGBA PNG that the resource-loading test expects:
top row red (opaque) and green (alpha 128), bottom row blue (alpha 0) and
(10, 20, 30) with alpha 40."""
import struct
import sys
import zlib

ROWS = [[(255, 0, 0, 255), (0, 255, 0, 128)],
        [(0, 0, 255, 0), (10, 20, 30, 40)]]


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in ROWS)
png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 2, 2, 8, 6, 0, 0, 0)) +
       chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))
with open(sys.argv[1], "wb") as out:
    out.write(png)
