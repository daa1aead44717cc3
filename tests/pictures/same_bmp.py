#!/usr/bin/env python3
"""same_bmp.py OURS REFERENCE: exit 0 when two BMP files show the same picture
the same way: same header fields (image size, resolution and colour count may
differ: djpeg leaves the image size 0 and pads its table to 256 entries), the
same colour table for every entry we write, and the same pixel bytes."""
import struct
import sys


def parse(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM" or len(data) < 54:
        sys.exit(f"{path}: not a BMP file")
    off = struct.unpack_from("<I", data, 10)[0]
    size, w, h, planes, bpp, comp, _, _, _, used, _ = struct.unpack_from("<IiiHHIIiiII", data, 14)
    table = data[14 + size:off]
    return dict(w=w, h=h, planes=planes, bpp=bpp, comp=comp, used=used, size=size), table, data[off:]


ours, our_table, our_pixels = parse(sys.argv[1])
ref, ref_table, ref_pixels = parse(sys.argv[2])
for key in ("w", "h", "planes", "bpp", "comp", "size"):
    if ours[key] != ref[key]:
        sys.exit(f"{key}: {ours[key]} != {ref[key]}")
if ours["bpp"] <= 8:
    if len(our_table) != 4 * ours["used"] or ref_table[:len(our_table)] != our_table:
        sys.exit("colour tables differ")
    if any(ref_table[len(our_table):]):
        sys.exit("reference uses colours beyond our table")
if our_pixels != ref_pixels:
    diff = next(i for i in range(min(len(our_pixels), len(ref_pixels))) if our_pixels[i] != ref_pixels[i]) \
        if len(our_pixels) == len(ref_pixels) else "length"
    sys.exit(f"pixels differ (first at {diff})")
