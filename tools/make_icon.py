#!/usr/bin/env python3
"""Rebuild assets/hourglass.ico from assets/hourglass.svg.

The icon is one 256 x 256, 32-bit image: a BITMAPINFOHEADER, the BGRA pixels bottom row first,
then the 1-bit AND mask (set where a pixel is fully transparent). The build embeds the .ico as it
is kept in the repository, so this script is needed only after the picture changes.

Needs rsvg-convert, from the Debian package librsvg2-bin (apt-get install librsvg2-bin).

Usage: tools/make_icon.py [--png preview.png]
"""
import argparse
import pathlib
import struct
import subprocess
import sys
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
SVG = ROOT / "assets" / "hourglass.svg"
ICO = ROOT / "assets" / "hourglass.ico"
SIZE = 256
IMAGE_SIZE = 40 + SIZE * SIZE * 4 + SIZE * SIZE // 8  # 270,376
FILE_SIZE = 6 + 16 + IMAGE_SIZE  # 270,398


def render_png(svg, size=SIZE):
    return subprocess.run(
        ["rsvg-convert", "--width", str(size), "--height", str(size), "--format", "png", str(svg)],
        check=True, stdout=subprocess.PIPE).stdout


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode_rgba_png(data, size=SIZE):
    """Rows of RGBA bytes, top row first, from an 8-bit RGBA, non-interlaced PNG."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("rsvg-convert did not produce a PNG")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if (width, height, depth, colour, interlace) != (size, size, 8, 6, 0):
        sys.exit("unexpected PNG format %r" % (header,))
    raw = zlib.decompress(idat)
    stride, bpp = width * 4, 4
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - bpp] if i >= bpp else 0
            up = previous[i]
            upper_left = previous[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xFF
            elif kind == 2:
                line[i] = (line[i] + up) & 0xFF
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                line[i] = (line[i] + paeth(left, up, upper_left)) & 0xFF
        rows.append(bytes(line))
        previous = line
    return rows


def build_ico(rows):
    out = bytearray(struct.pack("<HHH", 0, 1, 1))
    out += struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, IMAGE_SIZE, 22)
    out += struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 32, 0, SIZE * SIZE * 4, 0, 0, 0, 0)
    mask = bytearray()
    for row in reversed(rows):  # bottom row first
        bits = bytearray(SIZE // 8)
        for x in range(SIZE):
            r, g, b, a = row[4 * x:4 * x + 4]
            out += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    out += mask
    assert len(out) == FILE_SIZE, len(out)
    return bytes(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--png", help="also write the rendering to this PNG file")
    args = parser.parse_args()
    png = render_png(SVG)
    if args.png:
        pathlib.Path(args.png).write_bytes(png)
    ICO.write_bytes(build_ico(decode_rgba_png(png)))
    print("wrote %s (%d bytes)" % (ICO, FILE_SIZE))


if __name__ == "__main__":
    main()
