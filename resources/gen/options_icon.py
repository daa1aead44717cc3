"""The Options dialog's window icon: a red tick on a teal square, 32 x 32,
256 colours.

Drawn on a grid eight times finer than the icon and averaged down, so the
tick's edges are smooth, then reduced to a palette by median cut. The square
fills the whole icon: nothing of it is transparent."""
import math

from bmp import icon_file
from icon import lerp, median_cut

SIZE = 32
FINE = 8

TEAL_LIGHT = (64, 190, 184)
TEAL_DARK = (0, 104, 110)
RIM = (0, 64, 70)
RED = (226, 30, 36)
RED_SHADE = (150, 10, 18)
OUTLINE = (70, 0, 6)

# The tick: a short stroke down to the bottom, a long one up to the right.
TICK = [(7.0, 17.0), (13.0, 24.0), (25.5, 8.0)]
HALF_WIDTH = 2.6
OUTLINE_WIDTH = 1.1


def segment_distance(x, y, a, b):
    """Distance from (x, y) to the segment a-b, and the point's position
    across it (-1 on one edge of the stroke to 1 on the other)."""
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    px, py = ax + t * dx, ay + t * dy
    length = math.hypot(dx, dy)
    across = ((x - ax) * -dy + (y - ay) * dx) / length
    return math.hypot(x - px, y - py), across


def tick_at(x, y):
    """None outside the tick, else the colour of the stroke there."""
    best, across = min(segment_distance(x, y, a, b) for a, b in zip(TICK, TICK[1:]))
    if best > HALF_WIDTH + OUTLINE_WIDTH:
        return None
    if best > HALF_WIDTH:
        return OUTLINE
    # Lit from the top left: the side facing it is brighter.
    return lerp(RED, RED_SHADE, max(0.0, min(1.0, 0.5 - across / (2 * HALF_WIDTH))) * 0.6)


def square_at(x, y):
    if min(x, y, SIZE - x, SIZE - y) < 1.0:
        return RIM
    return lerp(TEAL_LIGHT, TEAL_DARK, (x + y) / (2 * SIZE))


def render():
    pixels = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            total = [0.0, 0.0, 0.0]
            for fy in range(FINE):
                for fx in range(FINE):
                    x, y = px + (fx + 0.5) / FINE, py + (fy + 0.5) / FINE
                    colour = tick_at(x, y) or square_at(x, y)
                    for i in range(3):
                        total[i] += colour[i]
            row.append(tuple(min(255, max(0, round(v / (FINE * FINE)))) for v in total))
        pixels.append(row)
    return pixels


def options_icon():
    pixels = render()
    palette, lookup = median_cut([c for row in pixels for c in row], 256)
    rows = [[lookup[c] for c in row] for row in pixels]
    transparent = [[0] * SIZE for _ in range(SIZE)]
    return icon_file(rows, palette, transparent)
