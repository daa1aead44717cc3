"""Little-endian packing of the Windows bitmap and icon structures.

The one BMP encoder of the source tree: the resources are built from it, and
the test pictures (tests/pictures/make_bmps.py) and the soak run's pictures
(soak/make_pictures.py) import it from here. Plain Python only: the resource
build must not need more than the interpreter."""
import struct

# What the test and soak pictures give as their resolution (72 dots per inch);
# the resources give none.
PIXELS_PER_METRE_72_DPI = 2835


def file_header(total_size, pixel_offset):
    """BITMAPFILEHEADER: "BM", file size, two reserved words, offset of the pixels."""
    return b"BM" + struct.pack("<IHHI", total_size, 0, 0, pixel_offset)


def info_header(width, height, bit_count, image_size=0, colours_used=0, compression=0,
                pixels_per_metre=0, planes=1, size=40, masks=None):
    """BITMAPINFOHEADER, or a longer header of SIZE bytes (BITMAPV4HEADER,
    BITMAPV5HEADER, or one of a size no version has): from 52 bytes on it
    carries the red, green and blue masks, from 56 the alpha mask (none), and
    the rest stays zero."""
    head = struct.pack("<IiiHHIIiiII", size, width, height, planes, bit_count, compression,
                       image_size, pixels_per_metre, pixels_per_metre, colours_used, 0)
    if size >= 52:
        head += struct.pack("<III", *(masks or (0, 0, 0)))
    if size >= 56:
        head += struct.pack("<I", 0)
    return head + b"\0" * (size - len(head))


def core_header(width, height, bit_count, planes=1):
    """BITMAPCOREHEADER: 16-bit sizes, no compression, and a colour table of
    RGBTRIPLEs."""
    return struct.pack("<IHHHH", 12, width, height, planes, bit_count)


def bitfield_masks(masks):
    """The red, green and blue masks that follow a 40-byte header with BI_BITFIELDS."""
    return struct.pack("<III", *masks)


def palette_bytes(palette, triples=False):
    """RGBQUAD entries: blue, green, red, reserved; or the core header's
    RGBTRIPLEs, without the reserved byte."""
    tail = b"" if triples else b"\0"
    return b"".join(bytes((b, g, r)) + tail for (r, g, b) in palette)


def pad_row(row):
    """Rows are stored padded to a multiple of four bytes."""
    return row + b"\0" * (-len(row) % 4)


def stored_rows(rows, topdown=False):
    """The pixels of packed rows given top row first: bottom-up, unless the
    header's negative height says top-down, each row padded."""
    ordered = rows if topdown else rows[::-1]
    return b"".join(pad_row(bytes(row)) for row in ordered)


def pack_bits(indices, bit_count):
    """One row of palette indices of 1, 4 or 8 bits, the leftmost pixel in the
    high bits, the last byte filled up with zeros."""
    per = 8 // bit_count
    indices = list(indices) + [0] * (-len(indices) % per)
    packed = 0
    for k in range(per):
        # The soak run's pictures are too big to pack a pixel at a time: all
        # the indices that share a place in their bytes shift at once, as one
        # big number, since none of them leaves its byte.
        packed |= int.from_bytes(bytes(indices[k::per]), "big") << (8 - bit_count * (k + 1))
    return packed.to_bytes(len(indices) // per, "big")


def pack_rows(rows, bit_count):
    """Packs rows of palette indices (top row first) bottom-up, padded."""
    return stored_rows([pack_bits(row, bit_count) for row in rows])


def bitmap_file(header, pixels, colours=b"", masks=b"", gap=b"", pixel_offset=None):
    """A .bmp file: the file header, the bitmap header, the masks that follow
    a 40-byte header, the colour table, whatever lies between it and the
    pixels, then the pixels. The file header points at them unless it is
    given another offset."""
    start = 14 + len(header) + len(masks) + len(colours) + len(gap)
    offset = start if pixel_offset is None else pixel_offset
    return file_header(start + len(pixels), offset) + header + masks + colours + gap + pixels


def rle_runs(row, bit_count):
    """Encoded runs only, of up to 255 pixels; RLE4 repeats the index in both
    halves of the byte, so that a run is one colour."""
    out = bytearray()
    i, n = 0, len(row)
    while i < n:
        j = i
        while j < n and j - i < 255 and row[j] == row[i]:
            j += 1
        v = int(row[i])
        out += bytes((j - i, v if bit_count == 8 else v << 4 | v))
        i = j
    return bytes(out)


def rle(rows, bit_count, encode_row=rle_runs):
    """RLE8 or RLE4 pixels of rows of indices (top row first): bottom row
    first, each closed by an end of line, the whole by an end of bitmap.
    encode_row(row, bit_count) gives a row's runs."""
    body = b"".join(encode_row(row, bit_count) + b"\0\0" for row in reversed(rows))
    return body + b"\0\1"


def paletted_bmp(rows, palette, bit_count):
    """A complete .bmp file of palette indices."""
    height, width = len(rows), len(rows[0])
    pixels = pack_rows(rows, bit_count)
    return bitmap_file(info_header(width, height, bit_count, len(pixels), len(palette)),
                       pixels, palette_bytes(palette))


def icon_file(rows, palette, transparent):
    """A one-image .ico with 256 colours: XOR image of palette indices plus
    AND mask (1 = transparent), both bottom-up; the image's header counts
    both halves in its height."""
    height, width = len(rows), len(rows[0])
    if len(palette) > 256:
        raise ValueError("more than 256 colours")
    palette = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    xor = pack_rows(rows, 8)
    mask = pack_rows(transparent, 1)
    image = (info_header(width, height * 2, 8, len(xor) + len(mask), 0)
             + palette_bytes(palette) + xor + mask)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 8,
                        len(image), 6 + 16)
    return directory + entry + image
