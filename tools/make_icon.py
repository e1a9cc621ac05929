#!/usr/bin/env python3
"""Rebuild assets/hourglass.ico, the tray icon, from assets/hourglass.svg.

The icon holds 32-bit bitmap images (BGRA rows with an AND mask, no PNG inside): the picture at
256 x 256 for the program, and at the shell's small-icon sizes (16 at 100 % up to 48) for the
tray, each rendered from the picture at its own size rather than shrunk from the large one.
rsvg-convert renders the picture and icotool writes the icon; scripts/install-deps icons
installs both (librsvg2-bin, icoutils). The build embeds the .ico as it is kept in the
repository, so this is needed only after the picture changes.

Usage: tools/make_icon.py [--png preview.png]
"""
import argparse
import pathlib
import shutil
import subprocess
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
SVG = ROOT / "assets" / "hourglass.svg"
ICO = ROOT / "assets" / "hourglass.ico"
SMALL_SIZES = (16, 20, 24, 32, 40, 48)  # the small-icon size at 100 % to 300 %
LARGE_SIZE = 256


def install_tools():
    subprocess.run([str(ROOT / "scripts" / "install-deps"), "icons"], check=True,
                   stdout=subprocess.DEVNULL)


def render_png(size, folder):
    """The picture rendered at size x size pixels into a PNG file in folder."""
    path = pathlib.Path(folder) / f"hourglass-{size}.png"
    subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size), "--format", "png",
                    "--output", str(path), str(SVG)], check=True)
    return path


def write_ico(target, bitmaps=(), pngs=()):
    """An .ico of 32-bit bitmap images (with AND masks) and images stored as PNG."""
    # The AND mask marks only the fully transparent pixels, as the tray icon always had.
    command = ["icotool", "--create", "--bit-depth=32", "--alpha-threshold=0", "--output",
               str(target)]
    command += [str(path) for path in bitmaps]
    for path in pngs:
        command += ["--raw", str(path)]
    subprocess.run(command, check=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--png", help="also write the rendering to this PNG file")
    args = parser.parse_args()
    install_tools()
    with tempfile.TemporaryDirectory() as folder:
        large = render_png(LARGE_SIZE, folder)
        if args.png:
            shutil.copyfile(large, args.png)
        small = [render_png(size, folder) for size in SMALL_SIZES]
        write_ico(ICO, bitmaps=small + [large])
    print("wrote %s (%d bytes)" % (ICO, ICO.stat().st_size))


if __name__ == "__main__":
    main()
