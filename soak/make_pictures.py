#!/usr/bin/python3
"""Writes the soak run's picture folder: COUNT pictures of every kind the
program reads (JPEG baseline and progressive, BMPs of 1, 4, 8 bits with and
without RLE, 16, 24 and 32 bits, bottom-up and top-down), a handful of big
ones up to 6000 x 4000, and a few broken files. Every picture has a size of
its own, so the wallpaper file's size tells which picture a pick converted.
Lists them in pictures.tsv: name, kind, width, height, and what a pick of it
must give ("ok", or the start of the failure's message).

    make_pictures.py OUTDIR [COUNT]
"""
import io
import struct
import sys
from pathlib import Path

import numpy as np
from PIL import Image, ImageDraw, ImageFont

# The encoder the resources are built with; no bytecode left in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "resources" / "gen"))
from bmp import (PIXELS_PER_METRE_72_DPI, bitmap_file, info_header, pack_bits, palette_bytes, rle,  # noqa: E402
                 stored_rows)

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# Kinds the ordinary pictures cycle through.
KINDS = ["jpeg", "jpeg-progressive", "bmp24", "bmp8", "bmp8-rle", "bmp4", "bmp4-rle", "bmp1",
         "bmp16", "bmp32", "bmp24-topdown", "bmp32-topdown", "bmp8-topdown", "jpeg-gray"]
# The big ones: kind, width, height.
BIG = [("jpeg", 6000, 4000), ("jpeg-progressive", 5998, 3998), ("jpeg", 4000, 3000),
       ("bmp24", 3998, 2998), ("bmp32", 3000, 2000)]
# Broken files: kind, what a pick of it must give.
BROKEN = [("jpeg-truncated-header", "JPEG error #"), ("jpeg-garbage", "JPEG error #"),
          ("bmp-bad-signature", "Bitmap image is not valid"), ("bmp-planes-2", "Bitmap image is not valid"),
          ("bmp-truncated", "Stream read error"), ("jpeg-truncated-data", "ok")]


def picture(w, h, seed, label):
    """A gradient with a few shapes and the picture's name."""
    rng = np.random.default_rng(seed)
    a, b = rng.integers(0, 256, 3), rng.integers(0, 256, 3)
    t = (np.arange(w)[None, :] / max(w - 1, 1) * 0.6 + np.arange(h)[:, None] / max(h - 1, 1) * 0.4)[..., None]
    pixels = (a * (1 - t) + b * t).astype(np.uint8)
    im = Image.fromarray(pixels, "RGB")
    d = ImageDraw.Draw(im)
    for _ in range(4):
        x, y = int(rng.integers(0, w)), int(rng.integers(0, h))
        r = int(rng.integers(max(w, h) // 20 + 1, max(w, h) // 5 + 2))
        d.ellipse([x - r, y - r, x + r, y + r], fill=tuple(int(v) for v in rng.integers(0, 256, 3)))
    size = max(8, min(w // max(len(label), 1) * 2 // 1, h // 4))
    font = ImageFont.truetype(FONT, size)
    d.text((w // 2, h // 2), label, fill="white", stroke_width=max(1, size // 15), stroke_fill="black",
           font=font, anchor="mm")
    return im


def bmp(im, bits, topdown=False, compressed=False):
    w, h = im.size
    palette = b""
    compression = 0
    if bits <= 8:
        colors = 1 << bits
        q = im.convert("1").convert("P") if bits == 1 else im.quantize(colors=colors)
        pal = (q.getpalette() or [])[:colors * 3]
        pal += [0] * (colors * 3 - len(pal))
        if bits == 1:
            pal = [0, 0, 0, 255, 255, 255]
        palette = palette_bytes(zip(pal[0::3], pal[1::3], pal[2::3]))
        idx = np.array(q, dtype=np.uint8)
        if bits == 1:
            idx = (idx > 0).astype(np.uint8)
        if compressed:
            compression = 1 if bits == 8 else 2
            pixels = rle(idx.tolist(), bits)
        else:
            pixels = stored_rows([pack_bits(r, bits) for r in idx.tolist()], topdown)
    else:
        rgb = np.array(im.convert("RGB"), dtype=np.uint32)
        if bits == 16:
            v = ((rgb[..., 0] >> 3) << 10 | (rgb[..., 1] >> 3) << 5 | (rgb[..., 2] >> 3)).astype("<u2")
            rows = [r.tobytes() for r in v]
        elif bits == 24:
            rows = [r.tobytes() for r in np.array(im.convert("RGB"), dtype=np.uint8)[..., ::-1].copy()]
        else:
            v = (rgb[..., 0] << 16 | rgb[..., 1] << 8 | rgb[..., 2]).astype("<u4")
            rows = [r.tobytes() for r in v]
        pixels = stored_rows(rows, topdown)
    head = info_header(w, -h if topdown else h, bits, len(pixels), len(palette) // 4, compression,
                       PIXELS_PER_METRE_72_DPI)
    return bitmap_file(head, pixels, palette)


def jpeg(im, progressive=False, gray=False):
    out = io.BytesIO()
    (im.convert("L") if gray else im).save(out, "JPEG", quality=88, progressive=progressive)
    return out.getvalue()


def encode(kind, im):
    if kind.startswith("jpeg"):
        return jpeg(im, progressive="progressive" in kind, gray="gray" in kind), ".jpg"
    bits = int(kind[3:].split("-")[0])
    return bmp(im, bits, topdown="topdown" in kind, compressed="rle" in kind), ".bmp"


def main():
    out = Path(sys.argv[1])
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 200
    out.mkdir(parents=True, exist_ok=True)
    ordinary = count - len(BIG) - len(BROKEN)
    plan = []  # (kind, w, h, broken outcome or None)
    for i in range(ordinary):
        # Sizes from 40 x 30 up to about 1900 x 1400, each width used once.
        w = 40 + (i * 997) % 1860 + i % 7
        h = max(24, w * (3 + i % 4) // (4 + i % 3))
        plan.append((KINDS[i % len(KINDS)], w, h, None))
    # The big and the broken ones spread through the folder's order.
    for n, (kind, w, h) in enumerate(BIG):
        plan.insert((n * 2 + 1) * len(plan) // (2 * len(BIG)), (kind, w, h, None))
    for n, (kind, outcome) in enumerate(BROKEN):
        plan.insert((n * 2 + 1) * len(plan) // (2 * len(BROKEN)), (kind, 200 + n, 150 + n, outcome))
    seen = set()
    lines = []
    for number, (kind, w, h, outcome) in enumerate(plan, 1):
        assert (w, h) not in seen, (w, h)
        seen.add((w, h))
        base = f"p{number:03d}-{kind}-{w}x{h}"
        im = picture(w, h, number, f"{number}")
        if outcome is None:
            data, ext = encode(kind, im)
            outcome = "ok"
        elif kind == "jpeg-truncated-header":
            data, ext = jpeg(im)[:100], ".jpg"
        elif kind == "jpeg-truncated-data":
            whole = jpeg(im)
            data, ext = whole[:len(whole) * 2 // 3], ".jpg"
        elif kind == "jpeg-garbage":
            data, ext = bytes(np.random.default_rng(number).integers(0, 256, 5000, dtype=np.uint8)), ".jpg"
        elif kind == "bmp-bad-signature":
            data, ext = b"XX" + bmp(im, 24)[2:], ".bmp"
        elif kind == "bmp-planes-2":
            whole = bytearray(bmp(im, 24))
            whole[26:28] = struct.pack("<H", 2)
            data, ext = bytes(whole), ".bmp"
        else:  # bmp-truncated
            whole = bmp(im, 24)
            data, ext = whole[:len(whole) // 2], ".bmp"
        (out / (base + ext)).write_bytes(data)
        lines.append(f"{base + ext}\t{kind}\t{w}\t{h}\t{outcome}\n")
    (out / "pictures.tsv").write_text("".join(lines))


if __name__ == "__main__":
    main()
