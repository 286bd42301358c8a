#!/usr/bin/env python3
"""Prints a C++ string literal with the code page 932 bytes of each argument,
followed by the text as a comment, for sources that need Japanese literals."""
import sys

for text in sys.argv[1:]:
    data = text.encode("cp932")
    body = "".join(
        chr(b) if 0x20 <= b < 0x7F and chr(b) not in '"\\' else f"\\x{b:02x}" for b in data
    )
    # A hex escape swallows following hex digits: split the literal there.
    out, prev_hex = "", False
    i = 0
    while i < len(body):
        if body.startswith("\\x", i):
            out += body[i:i + 4]
            i += 4
            prev_hex = True
        else:
            ch = body[i]
            if prev_hex and ch in "0123456789abcdefABCDEF":
                out += '" "'
            out += ch
            i += 1
            prev_hex = False
    print(f'"{out}"  // {text}')
