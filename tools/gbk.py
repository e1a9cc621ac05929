#!/usr/bin/env python3
"""Print a C string literal holding the GBK bytes of each argument, for pasting into sources."""
import sys

for text in sys.argv[1:]:
    raw = text.encode("gbk")
    body = "".join(chr(b) if 0x20 <= b < 0x7F and chr(b) not in '"\\?' else "\\x%02X" % b for b in raw)
    # A hex escape swallows following hex digits; split the literal where that would happen.
    out, prev_hex = "", False
    i = 0
    for b in raw:
        c = chr(b)
        if 0x20 <= b < 0x7F and c not in '"\\?':
            if prev_hex and c in "0123456789abcdefABCDEF":
                out += '" "'
            out += c
            prev_hex = False
        else:
            out += "\\x%02X" % b
            prev_hex = True
    print('"%s"  // %s' % (out, text.replace("\r", "\\r").replace("\n", "\\n")))
