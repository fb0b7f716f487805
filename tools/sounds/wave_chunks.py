#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Rewrites a wave file chunk by chunk and adds the chunks the game's sounds
carry besides their audio: a "LIST" chunk of INFO texts and a "DISP" chunk
with a small CF_DIB picture made from a PNG. Players skip both, so where they
sit tests the player too: --place before-data puts them between the format
chunks and "data", --place after-data puts them at the end.

Every chunk is padded to an even length and the RIFF size is recomputed, so
the output is well formed whatever the input tool wrote. With --size the
output must come to exactly that many bytes; the texts are written to fit.
"""

import argparse
import struct
import sys

from png_dib import dib_from_png

CF_DIB = 8


def read_chunks(image):
    if len(image) < 12 or image[0:4] != b"RIFF" or image[8:12] != b"WAVE":
        sys.exit("not a RIFF WAVE file")
    chunks = []
    pos = 12
    while pos + 8 <= len(image):
        fourcc = image[pos : pos + 4]
        (size,) = struct.unpack_from("<I", image, pos + 4)
        body = image[pos + 8 : pos + 8 + size]
        if len(body) != size:
            sys.exit(f"chunk {fourcc!r} runs past the end of the file")
        chunks.append((fourcc, body))
        pos += 8 + size + (size & 1)
    return chunks


def chunk(fourcc, body):
    return fourcc + struct.pack("<I", len(body)) + body + (b"\0" if len(body) & 1 else b"")


def zstring(text):
    return text.encode("ascii") + b"\0"


def list_chunk(infos):
    body = b"INFO"
    for item in infos:
        key, _, text = item.partition("=")
        if len(key) != 4 or not text:
            sys.exit(f"bad INFO item {item!r}: expected KEY=text with a four-letter key")
        body += chunk(key.encode("ascii"), zstring(text))
    return chunk(b"LIST", body)


def disp_chunk(png_path):
    with open(png_path, "rb") as f:
        return chunk(b"DISP", struct.pack("<I", CF_DIB) + dib_from_png(f.read()))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("input")
    parser.add_argument("output")
    parser.add_argument("--info", action="append", default=[], metavar="KEY=text")
    parser.add_argument("--disp", metavar="PNG", help="the picture, as 8-bit colour")
    parser.add_argument("--size", type=int, metavar="BYTES", help="the size the output must have")
    parser.add_argument("--place", choices=["before-data", "after-data"], default="after-data")
    args = parser.parse_args()

    with open(args.input, "rb") as f:
        chunks = read_chunks(f.read())
    if [c for c, _ in chunks if c in (b"LIST", b"DISP")]:
        sys.exit("input already has text chunks")

    extra = b""
    if args.info:
        extra += list_chunk(args.info)
    if args.disp:
        extra += disp_chunk(args.disp)

    body = b"WAVE"
    for fourcc, data in chunks:
        if fourcc == b"data" and args.place == "before-data":
            body += extra
        body += chunk(fourcc, data)
    if args.place == "after-data":
        body += extra

    image = b"RIFF" + struct.pack("<I", len(body)) + body
    if args.size is not None and len(image) != args.size:
        sys.exit(f"{args.output}: {len(image)} bytes, not {args.size}; change the texts by the difference")
    with open(args.output, "wb") as f:
        f.write(image)


if __name__ == "__main__":
    main()
