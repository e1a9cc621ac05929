#!/usr/bin/env python3
"""Rebuild assets/app-icon.ico, the program's own icon, from assets/hourglass.svg.

Explorer, the taskbar and Alt+Tab pick the entry nearest the size they draw, so the file holds
the hourglass rendered at 16, 24, 32 and 48 pixels (32-bit bitmaps with an AND mask, which every
Windows version reads) and at 256 pixels (a PNG entry, which keeps the file small). The tray
keeps using assets/hourglass.ico, whose single-image form it depends on; this file is only for the
executable's resources.

Needs rsvg-convert, from the Debian package librsvg2-bin.

Usage: tools/make_app_icon.py
"""
import pathlib
import struct
import subprocess
import sys
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
SVG = ROOT / "assets" / "hourglass.svg"
ICO = ROOT / "assets" / "app-icon.ico"
BITMAP_SIZES = (16, 24, 32, 48)
PNG_SIZE = 256


def render_png(size):
    return subprocess.run(
        ["rsvg-convert", "--width", str(size), "--height", str(size), "--format", "png", str(SVG)],
        check=True, stdout=subprocess.PIPE).stdout


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def decode_rgba_png(data, size):
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


def bitmap_image(rows, size):
    """A 32-bit icon image: header (double height), BGRA rows bottom first, then the AND mask."""
    mask_stride = (size + 31) // 32 * 4  # mask rows are padded to 32 bits
    out = bytearray(struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0,
                                size * size * 4 + size * mask_stride, 0, 0, 0, 0))
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = row[4 * x:4 * x + 4]
            out += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return bytes(out + mask)


def build_ico(images):
    """images: (size, bytes) pairs, smallest first."""
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, data in images:
        dimension = 0 if size >= 256 else size  # 0 stands for 256
        out += struct.pack("<BBBBHHII", dimension, dimension, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return bytes(out)


def main():
    images = [(size, bitmap_image(decode_rgba_png(render_png(size), size), size))
              for size in BITMAP_SIZES]
    images.append((PNG_SIZE, render_png(PNG_SIZE)))
    data = build_ico(images)
    ICO.write_bytes(data)
    print("wrote %s (%d bytes, sizes %s)" %
          (ICO, len(data), ", ".join(str(size) for size, _ in images)))


if __name__ == "__main__":
    main()
