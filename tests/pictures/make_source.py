#!/usr/bin/env python3
"""make_source.py W H OUT.ppm: a deterministic photo-like test picture (smooth
colour fields, edges and fine detail) as binary PPM."""
import sys

w, h, path = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
seed = 12345
rows = bytearray()
for y in range(h):
    for x in range(w):
        seed = (seed * 1103515245 + 12345) & 0x7FFFFFFF
        noise = (seed >> 16) % 24
        r = (x * 255 // max(w - 1, 1) + noise) & 255
        g = (y * 255 // max(h - 1, 1) + noise // 2) & 255
        b = 220 if ((x // 11) + (y // 7)) % 3 == 0 else (x * y // 5) & 127
        rows += bytes((r, g, b))
with open(path, "wb") as f:
    f.write(b"P6\n%d %d\n255\n" % (w, h))
    f.write(rows)
