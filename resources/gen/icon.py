"""The program icon: a dolphin in blue water, 32 x 32, 256 colours.

Drawn from shapes on a grid eight times finer than the icon, averaged down
(which smooths the edges), then reduced to a palette by median cut. The
corners are rounded off through the icon's transparency mask."""
import math

from bmp import icon_file

SIZE = 32
FINE = 8                      # samples per pixel along each axis
GRID = SIZE * FINE

CORNER_RADIUS = 4.5

WATER_TOP = (110, 205, 250)
WATER_BOTTOM = (6, 38, 112)
RAY = (150, 225, 255)
BUBBLE_RIM = (225, 245, 255)
BACK = (62, 92, 132)
FLANK = (126, 156, 190)
BELLY = (236, 242, 248)
SHEEN = (190, 214, 236)
OUTLINE = (12, 24, 58)
EYE = (10, 14, 30)


def lerp(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def smoothstep(e0, e1, x):
    t = min(1.0, max(0.0, (x - e0) / (e1 - e0)))
    return t * t * (3 - 2 * t)


def bezier(p, t):
    u = 1 - t
    return tuple(u * u * u * a + 3 * u * u * t * b + 3 * u * t * t * c + t * t * t * d
                 for a, b, c, d in zip(*p))


def bezier_tangent(p, t):
    u = 1 - t
    d = tuple(3 * u * u * (b - a) + 6 * u * t * (c - b) + 3 * t * t * (e - c)
              for a, b, c, e in zip(*p))
    length = math.hypot(*d)
    return (d[0] / length, d[1] / length)


def interpolate(table, t):
    for (t0, v0), (t1, v1) in zip(table, table[1:]):
        if t <= t1:
            return v0 + (v1 - v0) * smoothstep(t0, t1, t)
    return table[-1][1]


# The body: a curve from the tip of the beak to the root of the tail, with
# the thickness on the back's side and on the belly's side along it.
SPINE = ((29.4, 6.2), (21.0, 5.0), (12.0, 10.5), (6.8, 23.6))
BACK_SIDE = [(0.0, 0.55), (0.075, 0.7), (0.1, 1.6), (0.16, 2.75), (0.3, 3.05),
             (0.48, 2.7), (0.72, 1.55), (0.9, 0.8), (1.0, 0.7)]
BELLY_SIDE = [(0.0, 0.5), (0.075, 0.65), (0.16, 1.7), (0.3, 2.75), (0.48, 2.55),
              (0.72, 1.45), (0.9, 0.75), (1.0, 0.7)]
STEPS = 200


class Dolphin:
    def __init__(self):
        self.points = [bezier(SPINE, i / STEPS) for i in range(STEPS + 1)]
        self.tangents = [bezier_tangent(SPINE, i / STEPS) for i in range(STEPS + 1)]
        # The back is the side whose normal points up the picture.
        self.normals = []
        for tx, ty in self.tangents:
            n = (ty, -tx)
            self.normals.append(n if n[1] < 0 else (-n[0], -n[1]))
        self.back = [interpolate(BACK_SIDE, i / STEPS) for i in range(STEPS + 1)]
        self.belly = [interpolate(BELLY_SIDE, i / STEPS) for i in range(STEPS + 1)]
        self.fins = [self.dorsal_fin(), self.flukes(), self.flipper()]

    def at(self, t):
        i = round(t * STEPS)
        return self.points[i], self.tangents[i], self.normals[i], self.back[i], self.belly[i]

    def offset(self, t, along, across):
        """A point by the body: along the tangent and across, in units of the
        body's thickness on that side (positive towards the back)."""
        (px, py), (tx, ty), (nx, ny), back, belly = self.at(t)
        r = back if across > 0 else belly
        return (px + tx * along + nx * across * r, py + ty * along + ny * across * r)

    def dorsal_fin(self):
        base_front = self.offset(0.34, 0, 0.75)
        base_back = self.offset(0.56, 0, 0.7)
        tip = self.offset(0.62, 1.6, 2.75)
        hollow = self.offset(0.58, 0.5, 1.55)
        lead = self.offset(0.45, 0.3, 1.9)
        return ("fin", [base_front, lead, tip, hollow, base_back])

    def flukes(self):
        (ex, ey), (tx, ty), (nx, ny), _, _ = self.at(1.0)
        root = (ex - tx * 0.6, ey - ty * 0.6)
        up = (ex + tx * 3.4 + nx * 4.0, ey + ty * 3.4 + ny * 4.0)
        notch = (ex + tx * 1.9, ey + ty * 1.9)
        down = (ex + tx * 3.0 - nx * 3.6, ey + ty * 3.0 - ny * 3.6)
        side_up = (ex + nx * 0.8, ey + ny * 0.8)
        side_down = (ex - nx * 0.8, ey - ny * 0.8)
        return ("fin", [root, side_up, up, notch, down, side_down])

    def flipper(self):
        base_front = self.offset(0.21, 0, -0.6)
        base_back = self.offset(0.3, 0, -0.6)
        tip = self.offset(0.36, 1.2, -2.3)
        return ("flipper", [base_front, tip, base_back])


def inside_polygon(x, y, polygon):
    inside = False
    j = len(polygon) - 1
    for i in range(len(polygon)):
        xi, yi = polygon[i]
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            inside = not inside
        j = i
    return inside


def rasterise(dolphin):
    """Per fine sample: None (water) or (kind, depth across the body, -1 at
    the belly's edge to 1 at the back's)."""
    nearest = [[None] * GRID for _ in range(GRID)]
    best = [[1e9] * GRID for _ in range(GRID)]
    for i, ((px, py), r) in enumerate(zip(dolphin.points, map(max, dolphin.back, dolphin.belly))):
        x0, x1 = int((px - r) * FINE), int((px + r) * FINE) + 1
        y0, y1 = int((py - r) * FINE), int((py + r) * FINE) + 1
        for gy in range(max(0, y0), min(GRID, y1 + 1)):
            sy = (gy + 0.5) / FINE
            for gx in range(max(0, x0), min(GRID, x1 + 1)):
                sx = (gx + 0.5) / FINE
                d = (sx - px) ** 2 + (sy - py) ** 2
                if d < best[gy][gx]:
                    best[gy][gx] = d
                    nearest[gy][gx] = i
    body = [[None] * GRID for _ in range(GRID)]
    for gy in range(GRID):
        for gx in range(GRID):
            i = nearest[gy][gx]
            if i is None:
                continue
            (px, py), (nx, ny) = dolphin.points[i], dolphin.normals[i]
            sx, sy = (gx + 0.5) / FINE, (gy + 0.5) / FINE
            across = (sx - px) * nx + (sy - py) * ny
            r = dolphin.back[i] if across > 0 else dolphin.belly[i]
            if math.sqrt(best[gy][gx]) < r:
                body[gy][gx] = ("body", across / r)
    for kind, polygon in dolphin.fins:
        xs = [p[0] for p in polygon]
        ys = [p[1] for p in polygon]
        for gy in range(max(0, int(min(ys) * FINE)), min(GRID, int(max(ys) * FINE) + 2)):
            sy = (gy + 0.5) / FINE
            for gx in range(max(0, int(min(xs) * FINE)), min(GRID, int(max(xs) * FINE) + 2)):
                sx = (gx + 0.5) / FINE
                if body[gy][gx] is None and inside_polygon(sx, sy, polygon):
                    body[gy][gx] = (kind, 0.0)
    return body


def dilate(mask, radius):
    """Square dilation, separable: rows, then columns."""
    rows = []
    for row in mask:
        rows.append([any(row[max(0, x - radius):x + radius + 1]) for x in range(GRID)])
    out = [[False] * GRID for _ in range(GRID)]
    for x in range(GRID):
        column = [rows[y][x] for y in range(GRID)]
        for y in range(GRID):
            out[y][x] = any(column[max(0, y - radius):y + radius + 1])
    return out


def water(x, y):
    colour = lerp(WATER_TOP, WATER_BOTTOM, smoothstep(-4, SIZE + 2, y) ** 0.9)
    # Slanting light from the surface, fading with depth.
    for start, width in ((5.0, 2.2), (14.0, 3.0), (23.0, 1.8)):
        across = abs((x - start) - (y * 0.35))
        if across < width:
            strength = (1 - across / width) * 0.28 * (1 - y / SIZE)
            colour = lerp(colour, RAY, strength)
    return colour


BUBBLES = [((27.0, 2.9), 1.1), ((29.2, 1.5), 0.7)]


def bubble(x, y, base):
    for (bx, by), r in BUBBLES:
        d = math.hypot(x - bx, y - by)
        if d < r:
            rim = smoothstep(r * 0.45, r, d)
            return lerp(lerp(base, BUBBLE_RIM, 0.25), BUBBLE_RIM, rim * 0.9)
    return None


def skin(kind, across):
    if kind == "fin":
        return BACK
    if kind == "flipper":
        return lerp(BACK, FLANK, 0.45)
    colour = lerp(BELLY, FLANK, smoothstep(-0.55, -0.15, across))
    colour = lerp(colour, BACK, smoothstep(0.05, 0.6, across))
    sheen = max(0.0, 1 - abs(across - 0.28) / 0.16)
    return lerp(colour, SHEEN, sheen * 0.55)


def rounded_square(x, y):
    r = CORNER_RADIUS
    cx = min(max(x, r), SIZE - r)
    cy = min(max(y, r), SIZE - r)
    return math.hypot(x - cx, y - cy) <= r


def render():
    """Returns (rows of RGB, rows of transparency flags) at icon size."""
    dolphin = Dolphin()
    body = rasterise(dolphin)
    shape = [[cell is not None for cell in row] for row in body]
    halo = dilate(shape, FINE // 2)
    eye_point = dolphin.offset(0.12, 0.0, 0.25)
    pixels, transparent = [], []
    for py in range(SIZE):
        row, clear = [], []
        for px in range(SIZE):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for fy in range(FINE):
                for fx in range(FINE):
                    gx, gy = px * FINE + fx, py * FINE + fy
                    x, y = (gx + 0.5) / FINE, (gy + 0.5) / FINE
                    if not rounded_square(x, y):
                        continue
                    covered += 1
                    cell = body[gy][gx]
                    if cell is not None:
                        colour = skin(*cell)
                        if math.hypot(x - eye_point[0], y - eye_point[1]) < 0.48:
                            colour = EYE
                    elif halo[gy][gx]:
                        colour = OUTLINE
                    else:
                        base = water(x, y)
                        colour = bubble(x, y, base) or base
                    for i in range(3):
                        total[i] += colour[i]
            if covered * 2 < FINE * FINE:
                row.append((0, 0, 0))
                clear.append(1)
                continue
            edge = covered < FINE * FINE
            colour = tuple(v / covered for v in total)
            if edge:
                # A darker rim keeps the tile's outline crisp on any desktop.
                colour = lerp(colour, OUTLINE, 0.55)
            row.append(tuple(min(255, max(0, round(v))) for v in colour))
            clear.append(0)
        pixels.append(row)
        transparent.append(clear)
    return pixels, transparent


def median_cut(colours, limit):
    """Splits the colour set along its widest channel until `limit` boxes."""
    boxes = [sorted(set(colours))]
    while len(boxes) < limit:
        widest, channel, span = None, 0, -1
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for c in range(3):
                values = [colour[c] for colour in box]
                if max(values) - min(values) > span:
                    widest, channel, span = i, c, max(values) - min(values)
        if widest is None:
            break
        box = sorted(boxes.pop(widest), key=lambda colour: colour[channel])
        half = len(box) // 2
        boxes += [box[:half], box[half:]]
    palette, lookup = [], {}
    for box in boxes:
        mean = tuple(round(sum(colour[c] for colour in box) / len(box)) for c in range(3))
        for colour in box:
            lookup[colour] = len(palette)
        palette.append(mean)
    return palette, lookup


def program_icon():
    pixels, transparent = render()
    opaque = [c for row, clear in zip(pixels, transparent)
              for c, t in zip(row, clear) if not t]
    # Index 0 is black: the colour under a transparent pixel must be black
    # so that the mask leaves the desktop showing.
    palette, lookup = median_cut(opaque, 255)
    palette = [(0, 0, 0)] + palette
    rows = [[0 if t else lookup[c] + 1 for c, t in zip(row, clear)]
            for row, clear in zip(pixels, transparent)]
    return icon_file(rows, palette, transparent)
