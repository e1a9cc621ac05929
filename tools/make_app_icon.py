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

import make_icon  # the same rendering and PNG decoding as the tray icon

ROOT = pathlib.Path(__file__).resolve().parent.parent
SVG = ROOT / "assets" / "hourglass.svg"
ICO = ROOT / "assets" / "app-icon.ico"
BITMAP_SIZES = (16, 24, 32, 48)
PNG_SIZE = 256


def render_png(size):
    return make_icon.render_png(SVG, size)


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
    images = [(size, bitmap_image(make_icon.decode_rgba_png(render_png(size), size), size))
              for size in BITMAP_SIZES]
    images.append((PNG_SIZE, render_png(PNG_SIZE)))
    data = build_ico(images)
    ICO.write_bytes(data)
    print("wrote %s (%d bytes, sizes %s)" %
          (ICO, len(data), ", ".join(str(size) for size, _ in images)))


if __name__ == "__main__":
    main()
