"""The spin edit's arrow glyphs: 9 x 6, 16 colours, a black triangle on olive."""
from bmp import paletted_bmp

WIDTH, HEIGHT = 9, 6

# The system's 16-colour palette, in its usual order.
PALETTE_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (128, 128, 128),
    (192, 192, 192), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE = 0, 3

# Black pixels per row, centred, from the second row to the fifth; the
# bottom-left pixel stays olive, which the speed button takes as transparent.
UP_ROWS = [0, 1, 3, 5, 7, 0]


def glyph_rows(counts):
    rows = []
    for count in counts:
        left = (WIDTH - count) // 2
        rows.append([BLACK if left <= x < left + count else OLIVE for x in range(WIDTH)])
    return rows


def spin_up():
    return paletted_bmp(glyph_rows(UP_ROWS), PALETTE_16, 4)


def spin_down():
    return paletted_bmp(glyph_rows([0] + UP_ROWS[4:0:-1] + [0]), PALETTE_16, 4)
