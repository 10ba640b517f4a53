#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares a PNG written by zerkon-cli render with a picture the core driver wrote
("WIDTH HEIGHT\\n" and then red, green, blue, 255 per pixel, row by row): every pixel's red,
green and blue must agree. Prints the first differing pixel and exits 1 when one differs.
The PNG is decoded here from the format's definition (8-bit RGB or RGBA, not interlaced),
with nothing but the standard library's zlib.
   same-picture.py PICTURE.png PICTURE.rgba"""
import struct
import sys
import zlib


def png_rgb(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    at, idat, header = 8, b"", None
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError(f"a PNG of depth {depth}, colour type {colour}, interlace {interlace}")
    channels = 3 if colour == 2 else 4
    stride = width * channels
    raw = zlib.decompress(idat)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - channels] if i >= channels else 0
            b = previous[i]
            c = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + a) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + b) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 0xFF
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                pred = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[i] = (line[i] + pred) & 0xFF
        rows.append(line)
        previous = line
    rgb = bytearray()
    for line in rows:
        for x in range(width):
            rgb += line[x * channels:x * channels + 3]
    return width, height, bytes(rgb)


def main():
    width, height, native = png_rgb(sys.argv[1])
    data = open(sys.argv[2], "rb").read()
    newline = data.index(b"\n")
    w, h = (int(v) for v in data[:newline].split())
    if (w, h) != (width, height):
        print(f"size {w}x{h} against the PNG's {width}x{height}")
        return 1
    rgba = data[newline + 1:]
    core = bytearray()
    for i in range(0, len(rgba), 4):
        core += rgba[i:i + 3]
    for i in range(0, len(native), 3):
        if native[i:i + 3] != core[i:i + 3]:
            pixel = i // 3
            print(f"pixel ({pixel % width}, {pixel // width}) is {tuple(core[i:i + 3])}, "
                  f"the batch tool's {tuple(native[i:i + 3])}")
            return 1
    return 0


sys.exit(main())
