#!/usr/bin/env python3
"""Draws the launcher's art: logo.bmp (680 x 131, 8-bit palettised), the same
logo drawn afresh for the larger display scalings (logo-<dpi>.png) and
launcher.ico (32 x 32 and 16 x 16, 24-bit). Pure Python, no imaging library:
run it from anywhere, it writes beside itself. Deterministic output."""
import math
import os
import struct
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'monitor', 'res', 'art'))
from imagefiles import png_bytes  # noqa: E402
from check_art import HIDPI  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))

# 5 x 7 pixel font, just the letters the art uses.
FONT = {
    'A': [".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
    'C': [".XXX.", "X...X", "X....", "X....", "X....", "X...X", ".XXX."],
    'D': ["XXXX.", "X...X", "X...X", "X...X", "X...X", "X...X", "XXXX."],
    'E': ["XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"],
    'F': ["XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "X...."],
    'H': ["X...X", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"],
    'I': ["XXX", ".X.", ".X.", ".X.", ".X.", ".X.", "XXX"],
    'K': ["X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"],
    'L': ["X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"],
    'M': ["X...X", "XX.XX", "X.X.X", "X.X.X", "X...X", "X...X", "X...X"],
    'N': ["X...X", "XX..X", "X.X.X", "X..XX", "X...X", "X...X", "X...X"],
    'O': [".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    'Q': [".XXX.", "X...X", "X...X", "X...X", "X.X.X", "X..X.", ".XX.X"],
    'R': ["XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"],
    'T': ["XXXXX", "..X..", "..X..", "..X..", "..X..", "..X..", "..X.."],
    'U': ["X...X", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."],
    ' ': ["...", "...", "...", "...", "...", "...", "..."],
}


# The title letters as strokes between points of a 4 x 6 grid.
STROKES = {
    'A': [((0, 6), (2, 0)), ((2, 0), (4, 6)), ((0.9, 3.9), (3.1, 3.9))],
    'E': [((0, 0), (0, 6)), ((0, 0), (4, 0)), ((0, 3), (3, 3)), ((0, 6), (4, 6))],
    'K': [((0, 0), (0, 6)), ((4, 0), (0, 3.6)), ((1.4, 2.4), (4, 6))],
    'L': [((0, 0), (0, 6)), ((0, 6), (4, 6))],
    'N': [((0, 6), (0, 0)), ((0, 0), (4, 6)), ((4, 6), (4, 0))],
    'V': [((0, 0), (2, 6)), ((2, 6), (4, 0))],
}


class Rng:
    """A small LCG, so the art is the same on every run."""
    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return self.state / 0x7FFFFFFF


def value_noise(width, height, cell, seed):
    """Smooth noise in [0, 1]: random values on a grid, bilinearly blended."""
    rng = Rng(seed)
    gw, gh = int(width // cell) + 2, int(height // cell) + 2
    grid = [[rng.next() for _ in range(gw)] for _ in range(gh)]
    out = []
    for y in range(height):
        gy, fy = divmod(y / cell, 1)
        gy = int(gy)
        fy = fy * fy * (3 - 2 * fy)
        row = []
        for x in range(width):
            gx, fx = divmod(x / cell, 1)
            gx = int(gx)
            fx = fx * fx * (3 - 2 * fx)
            top = grid[gy][gx] * (1 - fx) + grid[gy][gx + 1] * fx
            bottom = grid[gy + 1][gx] * (1 - fx) + grid[gy + 1][gx + 1] * fx
            row.append(top * (1 - fy) + bottom * fy)
        out.append(row)
    return out


def text_width(text, scale):
    return sum((len(FONT[ch][0]) + 1) * scale for ch in text) - scale


def text_mask(width, height, text, scale, left, top):
    """Coverage mask of text drawn from the pixel font, each font pixel a scale x scale
    block (block edges rounded to whole pixels when scale is fractional)."""
    mask = [[0] * width for _ in range(height)]
    x0 = left
    for ch in text:
        glyph = FONT[ch]
        for cy, line in enumerate(glyph):
            for cx, cell in enumerate(line):
                if cell != 'X':
                    continue
                for py in range(round(top + cy * scale), round(top + (cy + 1) * scale)):
                    for px in range(round(x0 + cx * scale), round(x0 + (cx + 1) * scale)):
                        if 0 <= px < width and 0 <= py < height:
                            mask[py][px] = 1
        x0 += (len(glyph[0]) + 1) * scale
    return mask


def octagonal_length(dx, dy):
    """Length that equals the true one along axes and diagonals: stroke ends come out chamfered."""
    dx, dy = abs(dx), abs(dy)
    return max(dx, dy, (dx + dy) * 0.7071)


def stroke_mask(width, height, text, unit, left, top, half, gap):
    """Coverage mask of title letters drawn as thick strokes on a 4 x 6 grid of units."""
    mask = [[0] * width for _ in range(height)]
    x0 = left
    for ch in text:
        segments = [((ax * unit + x0 + half * unit, ay * unit + top + half * unit),
                     (bx * unit + x0 + half * unit, by * unit + top + half * unit)) for (ax, ay), (bx, by) in STROKES[ch]]
        for py in range(max(0, top), min(height, top + int((6 + 2 * half) * unit) + 1)):
            for px in range(max(0, x0), min(width, x0 + int((4 + 2 * half) * unit) + 1)):
                x, y = px + 0.5, py + 0.5
                for (ax, ay), (bx, by) in segments:
                    vx, vy = bx - ax, by - ay
                    t = max(0.0, min(1.0, ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)))
                    if octagonal_length(x - ax - t * vx, y - ay - t * vy) < half * unit:
                        mask[py][px] = 1
                        break
        x0 += int((4 + 2 * half) * unit) + gap
    return mask


def stroke_text_width(text, unit, half, gap):
    return len(text) * (int((4 + 2 * half) * unit) + gap) - gap


def distance_inside(mask, limit):
    """Steps from each inside pixel to the outside (8 neighbours), capped at limit."""
    h, w = len(mask), len(mask[0])
    dist = [[limit if mask[y][x] else 0 for x in range(w)] for y in range(h)]
    for _ in range(limit):
        for y in range(h):
            for x in range(w):
                if dist[y][x]:
                    nearest = min(dist[yy][xx] if 0 <= yy < h and 0 <= xx < w else 0
                                  for yy in (y - 1, y, y + 1) for xx in (x - 1, x, x + 1))
                    dist[y][x] = min(dist[y][x], nearest + 1)
    return dist


def blur(mask, radius):
    h, w = len(mask), len(mask[0])
    rows = []
    for y in range(h):
        row = mask[y]
        rows.append([sum(row[max(0, x - radius):x + radius + 1]) / (2 * radius + 1) for x in range(w)])
    out = [[0.0] * w for _ in range(h)]
    for x in range(w):
        col = [rows[y][x] for y in range(h)]
        for y in range(h):
            out[y][x] = sum(col[max(0, y - radius):y + radius + 1]) / (2 * radius + 1)
    return out


def shade_metal(mask, top, bottom, bevel, noise):
    """Brightness in [0, 1] of metal lettering: a chrome-like vertical band,
    a bevel lit from the upper left, and a little grain."""
    dist = distance_inside(mask, bevel)
    h, w = len(mask), len(mask[0])
    out = [[None] * w for _ in range(h)]
    for y in range(h):
        t = (y - top) / max(1, bottom - top)
        # bright sky above the horizon line, dark under it, warm reflection at the foot
        band = 0.85 - 0.55 * t if t < 0.48 else 0.25 + 0.6 * (t - 0.48)
        for x in range(w):
            if not mask[y][x]:
                continue
            d = dist[y][x]
            level = band
            if d < bevel:
                gx = dist[y][min(w - 1, x + 1)] - dist[y][max(0, x - 1)]
                gy = dist[min(h - 1, y + 1)][x] - dist[max(0, y - 1)][x]
                light = (gx + gy) / 2.0  # surface rising to the lower right faces the upper-left light
                level = 0.5 + 0.45 * max(-1.0, min(1.0, light))
            level += (noise[y][x] - 0.5) * 0.12
            out[y][x] = max(0.0, min(1.0, level))
    return out


def ramp(stops, count):
    """count colours evenly along a piecewise-linear ramp of (position, rgb) stops."""
    colours = []
    for i in range(count):
        t = i / (count - 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                f = (t - p0) / (p1 - p0)
                colours.append(tuple(round(a + (b - a) * f) for a, b in zip(c0, c1)))
                break
    return colours


# The palette is three ramps, one for each material of the banner.
BACKDROP = ramp([(0, (0, 0, 0)), (0.45, (38, 18, 9)), (0.8, (82, 36, 14)), (1, (140, 60, 18))], 96)
METAL = ramp([(0, (34, 12, 4)), (0.3, (118, 46, 14)), (0.55, (186, 98, 38)),
              (0.8, (226, 178, 118)), (1, (250, 242, 226))], 112)
ACCENT = ramp([(0, (60, 22, 6)), (0.6, (220, 110, 30)), (1, (255, 214, 120))], 48)
PALETTE = BACKDROP + METAL + ACCENT
assert len(PALETTE) == 256


def index(material, level):
    level = max(0.0, min(1.0, level))
    base = {'backdrop': 0, 'metal': len(BACKDROP), 'accent': len(BACKDROP) + len(METAL)}[material]
    size = {'backdrop': len(BACKDROP), 'metal': len(METAL), 'accent': len(ACCENT)}[material]
    return base + round(level * (size - 1))


def scaled(n, scale):
    """A 96-DPI pixel length at another scale, rounded as Windows' MulDiv rounds."""
    return int(math.floor(n * scale + 0.5))


def draw_logo(scale=1.0):
    """The logo at 96 DPI times scale: every length of the drawing is scaled, so
    the picture is the same, only with finer pixels."""
    width, height, visible_width = scaled(680, scale), scaled(131, scale), scaled(674, scale)
    grain = value_noise(width, height, 3 * scale, 7)
    clouds = value_noise(width, height, 23 * scale, 11)
    rng = Rng(5)
    # One streak per row of the 96-DPI picture.
    streaks = [rng.next() for _ in range(131)]

    title, unit, half, gap = "KELVANE", 12 * scale, 0.62, scaled(14, scale)
    title_left = int((visible_width - stroke_text_width(title, unit, half, gap)) // 2)
    title_top = scaled(7, scale)
    title_bottom = title_top + int((6 + 2 * half) * unit)
    letters = stroke_mask(width, height, title, unit, title_left, title_top, half, gap)
    dy, dx = scaled(4, scale), scaled(5, scale)
    shadow = blur([[letters[y - dy][x - dx] if y >= dy and x >= dx else 0 for x in range(width)]
                   for y in range(height)], scaled(3, scale))
    metal = shade_metal(letters, title_top, title_bottom, scaled(4, scale), grain)

    sub = "QUAKE II MODIFICATION LAUNCHER"
    sub_scale = 2 * scale
    sub_left = int((visible_width - text_width(sub, sub_scale)) // 2)
    sub_top = title_bottom + scaled(7, scale)
    subtitle = text_mask(width, height, sub, sub_scale, sub_left, sub_top)

    cx, cy = visible_width / 2, (title_top + title_bottom) / 2
    rails = (scaled(3, scale), height - scaled(12, scale))
    rail_width, rail_light = scaled(2, scale), scaled(1, scale)
    rivets = range(scaled(18, scale), visible_width, scaled(64, scale))
    rivet_reach = 4 * scale
    pixels = []
    for y in range(height):
        row = []
        for x in range(width):
            if metal[y][x] is not None:
                row.append(index('metal', metal[y][x]))
                continue
            if subtitle[y][x]:
                row.append(index('accent', 0.75 + 0.25 * grain[y][x]))
                continue
            # rusted plate: dark at the edges, a warm glow behind the title, grain and brush streaks
            glow = math.exp(-(((x - cx) / (300 * scale)) ** 2 + ((y - cy) / (70 * scale)) ** 2))
            level = 0.28 + 0.42 * glow + 0.22 * (clouds[y][x] - 0.5) + 0.1 * (grain[y][x] - 0.5)
            level += 0.05 * (streaks[int(y / scale)] - 0.5)
            level -= 0.55 * shadow[y][x]
            # rails near the top and bottom edges, with rivets
            for rail in rails:
                if rail <= y < rail + rail_width:
                    level = 0.62 if y < rail + rail_light else 0.15
            for rail in rails:
                if abs(y - rail) > rivet_reach:
                    continue
                for rx in rivets:
                    d = math.hypot(x - rx, y - (rail + 0.5 * scale))
                    if d < 2.6 * scale:
                        level = 0.95 - 0.25 * (x - rx + y - rail) / (3 * scale)
            # fade into the black window below and at the ends
            fade = min(1.0, (height - 1 - y) / (10 * scale), x / (24 * scale), (visible_width - 1 - x) / (24 * scale))
            row.append(index('backdrop', level * max(0.0, fade)))
        pixels.append(row)
    return pixels


def write_bmp8(path, pixels, palette):
    h, w = len(pixels), len(pixels[0])
    stride = (w + 3) & ~3
    data = b''.join(bytes(row) + b'\0' * (stride - w) for row in reversed(pixels))
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(pal)
    header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 8, 0, len(data), 2835, 2835, 256, 0)
    with open(path, 'wb') as f:
        f.write(header + info + pal + data)


def draw_icon(size):
    unit, half = size / 9.0, 0.7
    grain = value_noise(size, size, 2, 3)
    left = (size - stroke_text_width('K', unit, half, 0)) // 2
    top = (size - int((6 + 2 * half) * unit)) // 2
    letter = stroke_mask(size, size, 'K', unit, left, top, half, 0)
    metal = shade_metal(letter, top, top + int((6 + 2 * half) * unit), max(1, size // 12), grain)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if metal[y][x] is not None:
                row.append(METAL[round(metal[y][x] * (len(METAL) - 1))])
                continue
            edge = min(x, y, size - 1 - x, size - 1 - y)
            level = 0.62 if edge == 0 else 0.3 + 0.25 * (1 - y / size) + 0.15 * (grain[y][x] - 0.5)
            row.append(BACKDROP[round(max(0.0, min(1.0, level)) * (len(BACKDROP) - 1))])
        rows.append(row)
    return rows


def icon_image(rows):
    size = len(rows)
    stride = (size * 3 + 3) & ~3
    xor = b''.join(b''.join(struct.pack('<BBB', b, g, r) for r, g, b in row) + b'\0' * (stride - size * 3)
                   for row in reversed(rows))
    and_mask = b'\0' * (((size + 31) // 32) * 4 * size)  # fully opaque
    info = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 24, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return info + xor + and_mask


def write_ico(path, images):
    blobs = [icon_image(rows) for rows in images]
    out = struct.pack('<HHH', 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        out += struct.pack('<BBBBHHII', len(rows), len(rows), 0, 0, 1, 24, len(blob), offset)
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(out + b''.join(blobs))


if __name__ == '__main__':
    write_bmp8(os.path.join(HERE, 'logo.bmp'), draw_logo(), PALETTE)
    for dpi in HIDPI:
        with open(os.path.join(HERE, 'logo-%d.png' % dpi), 'wb') as f:
            f.write(png_bytes(draw_logo(dpi / 96), PALETTE))
    write_ico(os.path.join(HERE, 'launcher.ico'), [draw_icon(32), draw_icon(16)])
