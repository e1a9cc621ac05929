#!/usr/bin/env python3
"""Turns a UTF-8 .reg template into the UTF-16LE (with BOM) file that regedit imports.

@MULTI_SZ(a,b) stands for a one-string REG_MULTI_SZ value holding "a,b" (hex(7), double-NUL ended).
"""
import re
import sys


def multi_sz(match):
    data = (match.group(1) + "\0\0").encode("utf-16-le")
    return "hex(7):" + ",".join(f"{b:02x}" for b in data)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make-wine-reg.py TEMPLATE.reg.in OUTPUT.reg")
    with open(sys.argv[1], encoding="utf-8") as source:
        text = source.read()
    text = re.sub(r"@MULTI_SZ\(([^)]*)\)", multi_sz, text)
    with open(sys.argv[2], "wb") as target:
        target.write(b"\xff\xfe" + text.replace("\n", "\r\n").encode("utf-16-le"))


if __name__ == "__main__":
    main()
