"""A tiny RGBA raster: shapes are inside-tests sampled on a sub-pixel grid,
so edges come out antialiased without any imaging library."""
import math


def clamp(v, lo=0.0, hi=255.0):
    return lo if v < lo else hi if v > hi else v


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


def shade(c, f):
    """Scale a colour towards black (f < 1) or towards white (f > 1)."""
    if f <= 1.0:
        return tuple(v * f for v in c)
    return mix(c, (255, 255, 255), min(f - 1.0, 1.0))


def noise(x, y, seed=0):
    """Deterministic value in [0, 1) per integer cell, for texture grain."""
    n = (x * 374761393 + y * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    n = ((n ^ (n >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((n ^ (n >> 16)) & 0xFFFF) / 65536.0


# --- shapes: (inside(x, y), (x0, y0, x1, y1) bounding box) -------------------

def disc(cx, cy, r):
    return (lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
            (cx - r, cy - r, cx + r, cy + r))


def ring(cx, cy, r_in, r_out):
    return (lambda x, y: r_in * r_in <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out,
            (cx - r_out, cy - r_out, cx + r_out, cy + r_out))


def rect(x0, y0, x1, y1):
    return (lambda x, y: x0 <= x < x1 and y0 <= y < y1, (x0, y0, x1, y1))


def ellipse(cx, cy, rx, ry):
    return (lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0,
            (cx - rx, cy - ry, cx + rx, cy + ry))


def segment(x0, y0, x1, y1, width):
    """A stroke with round caps."""
    dx, dy = x1 - x0, y1 - y0
    length2 = dx * dx + dy * dy or 1e-9
    half = width / 2.0

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / length2))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= half * half
    return inside, (min(x0, x1) - half, min(y0, y1) - half,
                    max(x0, x1) + half, max(y0, y1) + half)


def polyline(points, width):
    return union(*(segment(*a, *b, width) for a, b in zip(points, points[1:])))


def polygon(points):
    n = len(points)

    def inside(x, y):
        hit = False
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y) and x < xa + (y - ya) * (xb - xa) / (yb - ya):
                hit = not hit
        return hit
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return inside, (min(xs), min(ys), max(xs), max(ys))


def wedge(cx, cy, r, a0, a1):
    """Sector of a disc from angle a0 to a1 (radians, clockwise on screen)."""
    def inside(x, y):
        if (x - cx) ** 2 + (y - cy) ** 2 > r * r:
            return False
        return (math.atan2(y - cy, x - cx) - a0) % (2 * math.pi) <= (a1 - a0) % (2 * math.pi)
    return inside, (cx - r, cy - r, cx + r, cy + r)


def union(*shapes):
    boxes = [b for _, b in shapes]
    return (lambda x, y: any(f(x, y) for f, _ in shapes),
            (min(b[0] for b in boxes), min(b[1] for b in boxes),
             max(b[2] for b in boxes), max(b[3] for b in boxes)))


def minus(shape, hole):
    f, box = shape
    g, _ = hole
    return (lambda x, y: f(x, y) and not g(x, y)), box


def intersect(shape, other):
    f, box = shape
    g, _ = other
    return (lambda x, y: f(x, y) and g(x, y)), box


# --- colour fields: (x, y) -> rgb ---------------------------------------------

def solid(c):
    return lambda x, y: c


def vgradient(y0, c0, y1, c1):
    return lambda x, y: mix(c0, c1, max(0.0, min(1.0, (y - y0) / ((y1 - y0) or 1))))


def sphere(cx, cy, r, base, light=(-0.45, -0.55)):
    """Lit ball: diffuse falloff plus a soft specular spot towards the light."""
    lx, ly = light
    lz = math.sqrt(max(0.0, 1 - lx * lx - ly * ly))

    def field(x, y):
        nx, ny = (x - cx) / r, (y - cy) / r
        nz = math.sqrt(max(0.0, 1 - nx * nx - ny * ny))
        diffuse = max(0.0, nx * lx + ny * ly + nz * lz)
        specular = max(0.0, 2 * diffuse * nz - lz) ** 8
        c = shade(base, 0.30 + 0.85 * diffuse)
        return mix(c, (255, 255, 255), min(1.0, specular * 0.95))
    return field


def scaled(n, scale):
    """A 96-DPI pixel length at another scale, rounded as Windows' MulDiv rounds."""
    return int(math.floor(n * scale + 0.5))


class Canvas:
    """Drawing coordinates are always the 96-DPI ones; scale sets how many pixels
    stand for one of them, so each size is rendered afresh rather than stretched."""

    def __init__(self, width, height, color=(0, 0, 0), alpha=1.0, scale=1.0):
        self.scale = scale
        self.width, self.height = scaled(width, scale), scaled(height, scale)
        self.px = [[list(color) + [alpha] for _ in range(self.width)] for _ in range(self.height)]

    def blend(self, x, y, c, a):
        p = self.px[y][x]
        out_a = a + p[3] * (1 - a)
        if out_a <= 0:
            return
        for i in range(3):
            p[i] = (c[i] * a + p[i] * p[3] * (1 - a)) / out_a
        p[3] = out_a

    def paint(self, shape, color, alpha=1.0, ss=4):
        """Fill a shape; each pixel gets the fraction of its sub-samples inside."""
        inside, (bx0, by0, bx1, by1) = shape
        field = color if callable(color) else solid(color)
        s = self.scale
        offsets = [(i + 0.5) / ss for i in range(ss)]
        for y in range(max(0, int(math.floor(by0 * s))), min(self.height, int(math.ceil(by1 * s)) + 1)):
            for x in range(max(0, int(math.floor(bx0 * s))), min(self.width, int(math.ceil(bx1 * s)) + 1)):
                hits = sum(1 for oy in offsets for ox in offsets if inside((x + ox) / s, (y + oy) / s))
                if hits:
                    self.blend(x, y, field((x + 0.5) / s, (y + 0.5) / s), alpha * hits / (ss * ss))

    def fill_pixels(self, cells, color, alpha=1.0):
        """Hard-edged pixel cells (for lettering and hand-drawn pixel art)."""
        if self.scale != 1.0:
            for x, y in cells:
                self.paint(rect(x, y, x + 1, y + 1), color, alpha)
            return
        field = color if callable(color) else solid(color)
        for x, y in cells:
            if 0 <= x < self.width and 0 <= y < self.height:
                self.blend(x, y, field(x + 0.5, y + 0.5), alpha)

    def rgb_rows(self):
        return [[tuple(int(round(clamp(v))) for v in p[:3]) for p in row] for row in self.px]

    def rgba_rows(self):
        return [[tuple(int(round(clamp(v))) for v in p[:3]) + (int(round(clamp(p[3] * 255))),)
                 for p in row] for row in self.px]
