#!/usr/bin/env python3
"""Rebuild assets/app-icon.ico, the program's own icon, from assets/hourglass.svg.

Explorer, the taskbar and Alt+Tab pick the entry nearest the size they draw, so the file holds
the hourglass at 16, 24, 32 and 48 pixels (32-bit bitmaps with an AND mask, which every Windows
version reads) and at 256 pixels (a PNG entry, which keeps the file small). The tray keeps using
assets/hourglass.ico, whose single-image form it depends on. Same tools as tools/make_icon.py.

Usage: tools/make_app_icon.py
"""
import tempfile

import make_icon

ICO = make_icon.ROOT / "assets" / "app-icon.ico"
BITMAP_SIZES = (16, 24, 32, 48)
PNG_SIZE = 256


def main():
    make_icon.install_tools()
    with tempfile.TemporaryDirectory() as folder:
        make_icon.write_ico(ICO, bitmaps=[make_icon.render_png(size, folder)
                                          for size in BITMAP_SIZES],
                            pngs=[make_icon.render_png(PNG_SIZE, folder)])
    print("wrote %s (%d bytes, sizes %s)" %
          (ICO, ICO.stat().st_size, ", ".join(map(str, BITMAP_SIZES + (PNG_SIZE,)))))


if __name__ == "__main__":
    main()
