"""Little-endian packing of the Windows bitmap and icon structures."""
import struct


def file_header(total_size, pixel_offset):
    """BITMAPFILEHEADER: "BM", file size, two reserved words, offset of the pixels."""
    return b"BM" + struct.pack("<IHHI", total_size, 0, 0, pixel_offset)


def info_header(width, height, bit_count, image_size, colours_used):
    """BITMAPINFOHEADER, uncompressed (BI_RGB), no resolution given."""
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0,
                       image_size, 0, 0, colours_used, 0)


def palette_bytes(palette):
    """RGBQUAD entries: blue, green, red, reserved."""
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)


def row_stride(width, bit_count):
    """Bytes per stored row: rows are padded to a multiple of four bytes."""
    return ((width * bit_count + 31) // 32) * 4


def pack_rows(rows, bit_count):
    """Packs rows of palette indices (top row first) bottom-up, padded."""
    width = len(rows[0])
    stride = row_stride(width, bit_count)
    out = bytearray()
    for row in reversed(rows):
        packed = bytearray(stride)
        for x, index in enumerate(row):
            bit = x * bit_count
            shift = 8 - bit_count - (bit % 8)
            packed[bit // 8] |= index << shift
        out += packed
    return bytes(out)


def paletted_bmp(rows, palette, bit_count):
    """A complete .bmp file of palette indices."""
    height, width = len(rows), len(rows[0])
    pixels = pack_rows(rows, bit_count)
    colours = palette_bytes(palette)
    offset = 14 + 40 + len(colours)
    return (file_header(offset + len(pixels), offset)
            + info_header(width, height, bit_count, len(pixels), len(palette))
            + colours + pixels)


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
