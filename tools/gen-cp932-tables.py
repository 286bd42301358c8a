#!/usr/bin/env python3
"""Generates platform/cp932_tables.inc, the tables of the portable locale
layer: code page 932 <-> UTF-16, the half-width and full-width mappings and
upper-casing, as the Windows calls of the Japanese locale do them.

The sources are Python's own "cp932" codec (decoding) and unicodedata
(<wide>/<narrow> decompositions, canonical decompositions of the voiced
katakana, simple upper-case mapping). Where the Windows calls differ from
what these give, the exceptions below say so; the differential test of the
two locale layers (platform/tests/differential_win32.cpp) is the judge.

Usage: tools/gen-cp932-tables.py > platform/cp932_tables.inc
"""
import sys
import unicodedata

LEADS = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
TRAILS = range(0x40, 0xFD)
VOICED, SEMI_VOICED = 0x3099, 0x309A

# Characters without an encoding of their own that WideCharToMultiByte still
# writes, as its closest look-alike ("best fit").
BEST_FIT = {
    0x00A1: 0x21, 0x00A2: 0x8191, 0x00A3: 0x8192, 0x00A5: 0x5C, 0x00A6: 0x7C, 0x00A9: 0x63,
    0x00AA: 0x61, 0x00AB: 0x81E1, 0x00AC: 0x81CA, 0x00AD: 0x2D, 0x00AE: 0x52, 0x00AF: 0x8150,
    0x00B2: 0x32, 0x00B3: 0x33, 0x00B5: 0x83CA, 0x00B7: 0x8145, 0x00B8: 0x8143, 0x00B9: 0x31,
    0x00BA: 0x6F, 0x00BB: 0x81E2, 0x3094: 0x8394,
}
# Latin letters with marks, U+00C0-U+00FF, lose the mark ("*": not best fit).
for offset, letter in enumerate("AAAAAAACEEEEIIIIDNOOOOO*OUUUUYTsaaaaaaaceeeeiiiidnooooo*ouuuuyty"):
    if letter != "*":
        BEST_FIT[0xC0 + offset] = ord(letter)

# The half-width mapping also turns the typographic quotes into ASCII quotes
# and the spacing voiced marks into the half-width marks; the full-width
# mapping turns the spacing marks into the combining ones.
HALF_WIDTH_EXTRA = {0x2018: [0x27], 0x2019: [0x27], 0x201C: [0x22], 0x201D: [0x22],
                    0x309B: [0xFF9E], 0x309C: [0xFF9F]}
FULL_WIDTH_EXTRA = {0x309B: VOICED, 0x309C: SEMI_VOICED}
# The backslash and its full-width form are never mapped.
NOT_MAPPED = {0x5C, 0xFF3C}


def decode(raw):
    try:
        s = raw.decode("cp932")
    except UnicodeDecodeError:
        return None
    return ord(s) if len(s) == 1 and ord(s) < 0x10000 else None


def single_byte_table():
    return [0 if b in LEADS else decode(bytes([b])) for b in range(256)]


def double_byte_table():
    return [[decode(bytes([lead, trail])) or 0 for trail in TRAILS] for lead in LEADS]


def preference(code):
    """Which of several encodings of one character WideCharToMultiByte
    writes: JIS X 0208 first, then the NEC row 13, then the IBM extensions,
    the NEC-selected IBM extensions last."""
    lead = code >> 8
    if lead in (0xED, 0xEE):
        return 3
    if lead >= 0xFA:
        return 2
    return 1 if lead == 0x87 else 0


def encode_table():
    enc = {}
    for b, c in enumerate(single_byte_table()):
        if b not in LEADS and b >= 0x80:
            enc.setdefault(c, b)
    for i, lead in enumerate(LEADS):
        for j, c in enumerate(double_byte_table()[i]):
            code = (lead << 8) | TRAILS[j]
            if c and (c not in enc or preference(code) < preference(enc[c])):
                enc[c] = code
    for c, code in BEST_FIT.items():
        assert c not in enc
        enc[c] = code
    return sorted((c, code) for c, code in enc.items() if c >= 0x80)


def decomposition(c):
    return unicodedata.decomposition(chr(c)).split()


def width_tables():
    half, full = {}, {}
    for c in range(0x10000):
        d = decomposition(c)
        if len(d) == 2 and d[0] == "<wide>":
            half[c] = [int(d[1], 16)]
            full[int(d[1], 16)] = c
        elif len(d) == 2 and d[0] == "<narrow>":
            half[int(d[1], 16)] = [c]
            full[c] = int(d[1], 16)
    joins = []
    # Voiced katakana split into base and mark; the full-width mapping joins
    # exactly that pair again.
    for c in range(0x30A0, 0x3100):
        d = decomposition(c)
        if len(d) == 2 and not d[0].startswith("<") and int(d[1], 16) in (VOICED, SEMI_VOICED):
            base = int(d[0], 16)
            half_base = half.get(base, [base])[0]
            half_mark = half[int(d[1], 16)][0]
            half[c] = [half_base, half_mark]
            joins.append((half_base, half_mark, c))
    half.update(HALF_WIDTH_EXTRA)
    full.update(FULL_WIDTH_EXTRA)
    for c in NOT_MAPPED:
        half.pop(c, None)
        full.pop(c, None)
    return sorted(half.items()), sorted(full.items()), sorted(joins)


def upper_table():
    """Simple upper-case mapping of the characters code page 932 can decode."""
    repertoire = {c for c in single_byte_table() if c} | {c for row in double_byte_table() for c in row if c}
    pairs = []
    for c in sorted(repertoire):
        u = chr(c).upper()
        if len(u) == 1 and ord(u) != c:
            pairs.append((c, ord(u)))
    return pairs


def emit_rows(out, values, fmt, per_line):
    for i in range(0, len(values), per_line):
        out.write("    " + ", ".join(fmt % v for v in values[i:i + per_line]) + ",\n")


def emit_table(out, comment, declaration, rows, fmt, per_line):
    out.write("// %s\n" % comment)
    out.write("constexpr %s = {\n" % declaration)
    emit_rows(out, rows, fmt, per_line)
    out.write("};\n")


def main():
    out = sys.stdout
    out.write("// Generated by tools/gen-cp932-tables.py; do not edit.\n")
    out.write("// Code page 932 tables of the portable locale layer.\n\n")

    emit_table(out, "Decoding of single bytes; 0 marks lead bytes.", "char16_t kSingleByte[256]",
               single_byte_table(), "0x%04X", 12)
    out.write("\n")

    out.write("// Decoding of lead x trail (0x40-0xFC); 0 marks unmapped pairs.\n")
    out.write("constexpr char16_t kDoubleByte[%d][%d] = {\n" % (len(LEADS), len(TRAILS)))
    for row in double_byte_table():
        out.write("  {\n")
        emit_rows(out, row, "0x%04X", 12)
        out.write("  },\n")
    out.write("};\n\n")

    pairs = encode_table()
    emit_table(out, "Encoding of the characters above U+007F, sorted by code unit.",
               "WideToCode kEncode[%d]" % len(pairs), pairs, "{0x%04X, 0x%04X}", 6)
    out.write("\n")

    half, full, joins = width_tables()
    emit_table(out, "Half-width mapping: one character or a base and its voiced mark.",
               "WideToPair kHalfWidthMap[%d]" % len(half),
               [(c, m[0], m[1] if len(m) > 1 else 0) for c, m in half], "{0x%04X, 0x%04X, 0x%04X}", 4)
    out.write("\n")
    emit_table(out, "Full-width mapping of single characters.", "WideToWide kFullWidthMap[%d]" % len(full),
               full, "{0x%04X, 0x%04X}", 6)
    out.write("\n")
    emit_table(out, "Full-width mapping of a half-width base followed by its voiced mark.",
               "PairToWide kFullWidthJoin[%d]" % len(joins), joins, "{0x%04X, 0x%04X, 0x%04X}", 4)
    out.write("\n")

    upper = upper_table()
    emit_table(out, "Upper-casing of the characters of the code page.", "WideToWide kUpper[%d]" % len(upper),
               upper, "{0x%04X, 0x%04X}", 6)

if __name__ == "__main__":
    main()
