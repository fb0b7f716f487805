# SPDX-License-Identifier: GPL-3.0-or-later
"""Turns a small RGBA PNG into a packed device-independent bitmap: a
BITMAPINFOHEADER, a palette of the colours the picture uses and 8-bit pixel
rows from the bottom up, each padded to four bytes; no BITMAPFILEHEADER.

Only what the game's icon needs is read: 8 bits a channel, RGBA, not
interlaced. A DIB has no alpha, so the picture is laid on white first.
"""

import struct
import sys
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
BACKGROUND = 255


def png_rows(image):
    if image[:8] != PNG_SIGNATURE:
        sys.exit("not a PNG file")
    pos = 8
    header = None
    idat = b""
    while pos + 8 <= len(image):
        (size,) = struct.unpack_from(">I", image, pos)
        kind = image[pos + 4 : pos + 8]
        body = image[pos + 8 : pos + 8 + size]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
        pos += 12 + size
    if header is None:
        sys.exit("PNG without IHDR")
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour != 6 or interlace != 0:
        sys.exit("only 8-bit RGBA PNGs without interlacing are read")

    raw = zlib.decompress(idat)
    stride = width * 4
    rows = []
    prev = bytearray(stride)
    pos = 0
    for _ in range(height):
        kind = raw[pos]
        line = bytearray(raw[pos + 1 : pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - 4] if i >= 4 else 0
            b = prev[i]
            c = prev[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
            elif kind != 0:
                sys.exit(f"unknown PNG filter {kind}")
        rows.append(bytes(line))
        prev = line
    return width, height, rows


def on_background(r, g, b, a):
    return tuple((v * a + BACKGROUND * (255 - a) + 127) // 255 for v in (r, g, b))


def dib_from_png(image):
    width, height, rows = png_rows(image)
    pixels = [[on_background(*row[i : i + 4]) for i in range(0, len(row), 4)] for row in rows]
    # Palette order: first use from the top left, so the same picture gives the same bytes.
    palette = {}
    for row in pixels:
        for rgb in row:
            palette.setdefault(rgb, len(palette))
    if len(palette) > 256:
        sys.exit(f"{len(palette)} colours do not fit an 8-bit palette")

    stride = (width + 3) & ~3
    bits = b""
    for row in reversed(pixels):
        bits += bytes(palette[rgb] for rgb in row) + bytes(stride - width)
    header = struct.pack(
        "<IiiHHIIiiII",
        40,  # header size
        width,
        height,  # positive: rows run bottom-up
        1,  # planes
        8,  # bits per pixel
        0,  # BI_RGB
        len(bits),
        0,
        0,
        len(palette),  # colours used
        0,  # all of them important
    )
    quads = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    return header + quads + bits
