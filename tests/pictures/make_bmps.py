#!/usr/bin/env python3
"""Writes the BMP test pictures of every layout the reader knows, each with the
colours it must give (NAME.bgra: 4 bytes per pixel, top row first), plus broken
files, and lists them all with what loading them must give in bmp-cases.txt."""
import struct
import sys
from pathlib import Path

# The encoder the resources are built with; no bytecode left in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "resources" / "gen"))
from bmp import (PIXELS_PER_METRE_72_DPI, bitfield_masks, bitmap_file, core_header, info_header,  # noqa: E402
                 pack_bits, palette_bytes, rle, stored_rows)

out = Path(sys.argv[1])
out.mkdir(parents=True, exist_ok=True)
cases = []


def pattern(w, h):
    """Top-down rows of (r, g, b): two gradients and a checker board."""
    return [[(x * 255 // max(w - 1, 1), y * 255 // max(h - 1, 1), 200 if (x // 8 + y // 8) % 2 else 30)
             for x in range(w)] for y in range(h)]


def write(name, data, expect=None, outcome="ok"):
    (out / name).write_bytes(data)
    if expect is not None:
        (out / (name + ".bgra")).write_bytes(b"".join(bytes((b, g, r, 0)) for row in expect for (r, g, b) in row))
    cases.append((name, outcome))


def bmp(name, w, h, bpp, rows, palette=None, compression=0, masks_after=None, header=40, masks_in=None,
        topdown=False, planes=1, clr_used=None, offbits=None, gap=b"", expect=None, pixels=None, cut=None,
        outcome="ok"):
    """rows: top-down packed rows without padding."""
    palette = palette or []
    if pixels is None:
        pixels = stored_rows(rows, topdown)
    if header == 12:
        head = core_header(w, h, bpp, planes)
    else:
        used = len(palette) if clr_used is None else clr_used
        head = info_header(w, -h if topdown else h, bpp, len(pixels), used, compression, PIXELS_PER_METRE_72_DPI,
                           planes, header, masks_in)
    extra = bitfield_masks(masks_after) if masks_after else b""
    data = bitmap_file(head, pixels, palette_bytes(palette, triples=header == 12), extra, gap, offbits)
    if cut is not None:
        data = data[:cut]
    write(name, data, expect, outcome)


W, H = 37, 21
src = pattern(W, H)

# True colour.
rgb24 = [b"".join(bytes((b, g, r)) for (r, g, b) in row) for row in src]
bmp("rgb24.bmp", W, H, 24, rgb24, expect=src)
bmp("rgb24-topdown.bmp", W, H, 24, rgb24, topdown=True, expect=src)
bmp("rgb24-v4.bmp", W, H, 24, rgb24, header=108, expect=src)
bmp("rgb24-gap.bmp", W, H, 24, rgb24, gap=b"junk" * 5, expect=src)
wide = pattern(1001, 3)
bmp("rgb24-1001.bmp", 1001, 3, 24, [b"".join(bytes((b, g, r)) for (r, g, b) in row) for row in wide], expect=wide)
rgb32 = [b"".join(bytes((b, g, r, 0)) for (r, g, b) in row) for row in src]
bmp("rgb32.bmp", W, H, 32, rgb32, expect=src)
bmp("rgb32-bitfields.bmp", W, H, 32, rgb32, compression=3, masks_after=(0xFF0000, 0xFF00, 0xFF), expect=src)
bmp("rgb32-v5-bitfields.bmp", W, H, 32, rgb32, compression=3, header=124, masks_in=(0xFF0000, 0xFF00, 0xFF),
    expect=src)
# A 32-bit layout with the channels in another order (red lowest).
rgb32x = [b"".join(struct.pack("<I", r | g << 8 | b << 16) for (r, g, b) in row) for row in src]
bmp("rgb32-bitfields-swapped.bmp", W, H, 32, rgb32x, compression=3, masks_after=(0xFF, 0xFF00, 0xFF0000), expect=src)


def five(v, bits):
    q = v >> (8 - bits)
    return q, q * 255 // ((1 << bits) - 1)


rows555, exp555, rows565, exp565 = [], [], [], []
for row in src:
    a, ea, b_, eb = b"", [], b"", []
    for (r, g, b) in row:
        (qr, er), (qg, eg), (qb, eb_) = five(r, 5), five(g, 5), five(b, 5)
        a += struct.pack("<H", qr << 10 | qg << 5 | qb)
        ea.append((er, eg, eb_))
        (qr, er), (qg, eg), (qb, eb_) = five(r, 5), five(g, 6), five(b, 5)
        b_ += struct.pack("<H", qr << 11 | qg << 5 | qb)
        eb.append((er, eg, eb_))
    rows555.append(a); exp555.append(ea); rows565.append(b_); exp565.append(eb)
bmp("rgb16-555.bmp", W, H, 16, rows555, expect=exp555)
bmp("rgb16-565-bitfields.bmp", W, H, 16, rows565, compression=3, masks_after=(0xF800, 0x07E0, 0x001F), expect=exp565)

# Indexed.
pal8 = [((i >> 5) * 255 // 7, ((i >> 2) & 7) * 255 // 7, (i & 3) * 255 // 3) for i in range(256)]
idx8 = [[(r >> 5) << 5 | (g >> 5) << 2 | (b >> 6) for (r, g, b) in row] for row in src]
exp8 = [[pal8[i] for i in row] for row in idx8]
bmp("pal8.bmp", W, H, 8, [bytes(r) for r in idx8], palette=pal8, expect=exp8)
bmp("pal8-clrused0.bmp", W, H, 8, [bytes(r) for r in idx8], palette=pal8, clr_used=0, expect=exp8)
bmp("pal8-offbits0.bmp", W, H, 8, [bytes(r) for r in idx8], palette=pal8, offbits=0, expect=exp8)
gray16 = [(v * 17, v * 17, v * 17) for v in range(16)]
idx16 = [[(r * 3 + g * 6 + b) // 10 >> 4 for (r, g, b) in row] for row in src]
exp16 = [[gray16[i] for i in row] for row in idx16]
bmp("pal8-table16.bmp", W, H, 8, [bytes(r) for r in idx16], palette=gray16, expect=exp16)
bmp("pal4.bmp", W, H, 4, [pack_bits(r, 4) for r in idx16], palette=gray16, expect=exp16)
bw = [(0, 0, 0), (255, 255, 255)]
idx1 = [[1 if g > 127 else 0 for (r, g, b) in row] for row in src]
exp1 = [[bw[i] for i in row] for row in idx1]
bmp("pal1.bmp", W, H, 1, [pack_bits(r, 1) for r in idx1], palette=bw, expect=exp1)
bmp("core24.bmp", W, H, 24, rgb24, header=12, expect=src)
# Deeper pictures with the optional colour table (for screens of fewer
# colours) between the header (and masks) and the pixels.
bmp("rgb24-table.bmp", W, H, 24, rgb24, palette=gray16, expect=src)
bmp("rgb32-table.bmp", W, H, 32, rgb32, palette=bw, expect=src)
bmp("rgb16-565-bitfields-table.bmp", W, H, 16, rows565, compression=3, masks_after=(0xF800, 0x07E0, 0x001F),
    palette=gray16, expect=exp565)
bmp("core8.bmp", W, H, 8, [bytes(r) for r in idx8], palette=pal8, header=12, expect=exp8)
bmp("core1.bmp", W, H, 1, [pack_bits(r, 1) for r in idx1], palette=bw, header=12, expect=exp1)


def rle8_row(row, _bits):
    """Runs of equal bytes, absolute runs of three or more."""
    data = bytearray()
    i = 0
    while i < len(row):
        j = i
        while j < len(row) and j - i < 255 and row[j] == row[i]:
            j += 1
        if j - i >= 2 or len(row) - i < 3:
            data += bytes((j - i, row[i]))
            i = j
            continue
        k = i
        while k < len(row) and k - i < 255 and (k + 1 >= len(row) or row[k + 1] != row[k]):
            k += 1
        k = max(k, i + 3) if len(row) - i >= 3 else k
        k = min(k, len(row))
        data += bytes((0, k - i)) + bytes(row[i:k]) + (b"\0" if (k - i) % 2 else b"")
        i = k
    return bytes(data)


rle8 = rle(idx8, 8, rle8_row)
bmp("rle8.bmp", W, H, 8, None, palette=pal8, compression=1, pixels=rle8, expect=exp8)
# A delta skips pixels, which stay at index 0; end of bitmap leaves the rest at 0.
delta = bytes((3, 9, 0, 2, 2, 1, 2, 9, 0, 0, 4, 7, 0, 1))
exp_delta = [[(0, 0, 0)] * 8 for _ in range(4)]
pal_delta = [(0, 0, 0)] + [(i * 20, 255 - i * 20, 100) for i in range(1, 12)]
for x in range(3): exp_delta[3][x] = pal_delta[9]
for x in range(5, 7): exp_delta[2][x] = pal_delta[9]
for x in range(4): exp_delta[1][x] = pal_delta[7]
bmp("rle8-delta.bmp", 8, 4, 8, None, palette=pal_delta, compression=1, pixels=delta, expect=exp_delta)


bmp("rle4.bmp", W, H, 4, None, palette=gray16, compression=2, pixels=rle(idx16, 4), expect=exp16)
# Absolute mode of RLE4: five indices 1 2 3 4 5, padded to a word; then a run alternating 6 and 7.
abs4 = bytes((0, 5, 0x12, 0x34, 0x50, 0)) + bytes((3, 0x67)) + b"\0\1"
exp_abs4 = [[gray16[i] for i in (1, 2, 3, 4, 5, 6, 7, 6)]]
bmp("rle4-absolute.bmp", 8, 1, 4, None, palette=gray16, compression=2, pixels=abs4, expect=exp_abs4)

# Large enough to be copied in several strips of the program's 1 MiB, the
# last one short (rows of 4804 bytes, one of them padding), top row first.
big = pattern(1601, 701)
bmp("large-topdown.bmp", 1601, 701, 24, [b"".join(bytes((b, g, r)) for (r, g, b) in row) for row in big],
    topdown=True, expect=big)

# Broken files: what loading them must report.
INVALID, SHORT = "Bitmap image is not valid", "Stream read error"
good = (out / "rgb24.bmp").read_bytes()
write("empty.bmp", b"", outcome=SHORT)
write("not-a-bitmap.bmp", b"This is a text file, not a picture.\n" * 3, outcome=INVALID)
write("cut-in-file-header.bmp", good[:9], outcome=SHORT)
write("cut-in-info-header.bmp", good[:30], outcome=SHORT)
write("cut-in-pixels.bmp", good[:-100], outcome=SHORT)
bmp("cut-in-palette.bmp", W, H, 8, [bytes(r) for r in idx8], palette=pal8, cut=14 + 40 + 100, outcome=SHORT)
bmp("planes2.bmp", W, H, 24, rgb24, planes=2, outcome=INVALID)
bmp("bpp7.bmp", W, H, 7, rgb24, outcome=INVALID)
bmp("bpp0.bmp", W, H, 0, rgb24, outcome=INVALID)
bmp("compression9.bmp", W, H, 24, rgb24, compression=9, outcome=INVALID)
bmp("rle8-on-24bit.bmp", W, H, 24, rgb24, compression=1, outcome=INVALID)
bmp("bitfields-on-8bit.bmp", W, H, 8, [bytes(r) for r in idx8], palette=pal8, compression=3,
    masks_after=(1, 2, 4), outcome=INVALID)
bmp("rle8-topdown.bmp", W, H, 8, None, palette=pal8, compression=1, pixels=rle8, topdown=True,
    outcome=INVALID)
bmp("clrused-300.bmp", W, H, 8, [bytes(r) for r in idx8], palette=pal8, clr_used=300, outcome=INVALID)
bmp("rgb24-table-beyond-file.bmp", W, H, 24, rgb24, clr_used=0x40000000, outcome=SHORT)
bmp("offbits-inside-header.bmp", W, H, 24, rgb24, offbits=20, outcome=INVALID)
bmp("offbits-beyond-file.bmp", W, H, 24, rgb24, offbits=1 << 30, outcome=SHORT)


def header_only(name, w, h, bpp, compression=0, size=40, outcome=INVALID, tail=b""):
    head = info_header(w, h, bpp, 0, 0, compression, PIXELS_PER_METRE_72_DPI, size=size)
    write(name, bitmap_file(head, tail), outcome=outcome)


header_only("header-size-77.bmp", W, H, 24, size=77)
header_only("width-0.bmp", 0, H, 24)
header_only("width-negative.bmp", -5, H, 24)
header_only("height-0.bmp", W, 0, 24)
header_only("height-min.bmp", W, -0x80000000, 24)
header_only("huge-dimensions.bmp", 100000, 100000, 24, outcome=SHORT, tail=b"\0" * 64)
header_only("row-size-overflow.bmp", 0x7FFFFFFF, 0x7FFFFFFF, 32, outcome=SHORT, tail=b"\0" * 64)
header_only("rle8-huge.bmp", 30000, 30000, 8, compression=1, outcome=INVALID, tail=b"\0" * 1024 + b"\0\1")

(out / "bmp-cases.txt").write_text("".join(f"{n}\t{o}\n" for n, o in cases))
