"""The About box's window icon: a yellow curved arrow on a light-green
square, 32 x 32, 256 colours.

Drawn on a grid eight times finer than the icon and averaged down, then
reduced to a palette by median cut, as the program icon is."""
import math

from bmp import icon_file
from icon import median_cut

SIZE = 32
FINE = 8
GRID = SIZE * FINE

SQUARE = (176, 234, 150)
SQUARE_EDGE = (96, 170, 80)
ARROW = (255, 214, 10)
ARROW_EDGE = (150, 100, 0)

CENTRE = (15.5, 17.0)
RADIUS = 8.5
THICKNESS = 4.0
# The arc runs clockwise from the lower left, over the top, to the right,
# where the head points on along it (angles counter-clockwise from the
# right, in degrees).
START, END = 205.0, -5.0
HEAD_HALF_WIDTH = 5.0
HEAD_LENGTH = 6.0


def on_arc(x, y):
    dx, dy = x - CENTRE[0], CENTRE[1] - y
    if abs(math.hypot(dx, dy) - RADIUS) > THICKNESS / 2:
        return False
    angle = math.degrees(math.atan2(dy, dx))
    return angle >= END or angle <= START - 360


def head():
    a = math.radians(END)
    px, py = CENTRE[0] + RADIUS * math.cos(a), CENTRE[1] - RADIUS * math.sin(a)
    # Clockwise along the arc, in picture coordinates.
    dx, dy = math.sin(a), math.cos(a)
    nx, ny = -dy, dx
    return [(px + nx * HEAD_HALF_WIDTH, py + ny * HEAD_HALF_WIDTH),
            (px + dx * HEAD_LENGTH, py + dy * HEAD_LENGTH),
            (px - nx * HEAD_HALF_WIDTH, py - ny * HEAD_HALF_WIDTH)]


def in_triangle(x, y, t):
    def side(a, b):
        return (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0])
    s = [side(t[0], t[1]), side(t[1], t[2]), side(t[2], t[0])]
    return all(v >= 0 for v in s) or all(v <= 0 for v in s)


def arrow_mask():
    triangle = head()
    mask = [[False] * GRID for _ in range(GRID)]
    for j in range(GRID):
        y = (j + 0.5) / FINE
        for i in range(GRID):
            x = (i + 0.5) / FINE
            mask[j][i] = on_arc(x, y) or in_triangle(x, y, triangle)
    return mask


def near(mask, i, j, reach):
    for dj in range(-reach, reach + 1):
        for di in range(-reach, reach + 1):
            a, b = i + di, j + dj
            if 0 <= a < GRID and 0 <= b < GRID and mask[b][a]:
                return True
    return False


def render():
    mask = arrow_mask()
    fine = [[None] * GRID for _ in range(GRID)]
    for j in range(GRID):
        for i in range(GRID):
            border = min(i, j, GRID - 1 - i, GRID - 1 - j) < FINE
            if mask[j][i]:
                fine[j][i] = ARROW
            elif near(mask, i, j, FINE * 3 // 4):
                fine[j][i] = ARROW_EDGE
            else:
                fine[j][i] = SQUARE_EDGE if border else SQUARE
    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            samples = [fine[y * FINE + b][x * FINE + a] for b in range(FINE) for a in range(FINE)]
            row.append(tuple(round(sum(c[k] for c in samples) / len(samples)) for k in range(3)))
        pixels.append(row)
    return pixels


def about_icon():
    pixels = render()
    palette, lookup = median_cut([c for row in pixels for c in row], 255)
    palette = [(0, 0, 0)] + palette
    rows = [[lookup[c] + 1 for c in row] for row in pixels]
    transparent = [[False] * SIZE for _ in range(SIZE)]
    return icon_file(rows, palette, transparent)
