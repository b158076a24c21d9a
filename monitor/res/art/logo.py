"""The tall side banner: a riveted charcoal plate in a bronze frame with the
emblem on top, KELVANE in stacked bronze letters and MONITOR below."""
from raster import Canvas, rect, disc, polyline, sphere, vgradient, noise, shade
from lettering import PIXEL_5X7, text_width, text_cells, stroke_paths
from emblem import draw_emblem, BRONZE_LIGHT, BRONZE_DARK

WIDTH, HEIGHT = 98, 373
PLATE_TOP, PLATE_BOTTOM = (46, 40, 36), (22, 20, 18)
RUST_LIGHT, RUST_DARK = (196, 92, 36), (110, 40, 16)
SHADOW = (16, 16, 16)


def _plate(canvas):
    canvas.paint(rect(0, 0, WIDTH, HEIGHT), vgradient(0, BRONZE_LIGHT, HEIGHT, BRONZE_DARK), ss=1)
    canvas.paint(rect(3, 3, WIDTH - 3, HEIGHT - 3), (40, 24, 12), ss=1)
    base = vgradient(0, PLATE_TOP, HEIGHT, PLATE_BOTTOM)
    canvas.paint(rect(4, 4, WIDTH - 4, HEIGHT - 4),
                 lambda x, y: shade(base(x, y), 0.9 + 0.2 * noise(int(x), int(y))), ss=1)
    for x in (10, WIDTH - 10):
        for y in (10, HEIGHT - 10):
            canvas.paint(disc(x + 0.8, y + 0.8, 3.2), SHADOW, 0.7)
            canvas.paint(disc(x, y, 3.0), sphere(x, y, 3.0, BRONZE_LIGHT))


def _recess(canvas, x0, y0, x1, y1):
    """A channel pressed into the plate: dark floor, shadowed top and left
    edges, a bronze glint along the bottom and right."""
    canvas.paint(rect(x0, y0, x1, y1), (18, 16, 14), 0.85, ss=1)
    canvas.paint(rect(x0, y0, x1, y0 + 2), SHADOW, 0.8, ss=1)
    canvas.paint(rect(x0, y0, x0 + 2, y1), SHADOW, 0.8, ss=1)
    canvas.paint(rect(x0, y1 - 1, x1, y1), BRONZE_DARK, ss=1)
    canvas.paint(rect(x1 - 1, y0, x1, y1), BRONZE_DARK, ss=1)


def _rule(canvas, y):
    canvas.paint(rect(12, y + 1, WIDTH - 12, y + 4), SHADOW, 0.6, ss=1)
    canvas.paint(rect(12, y, WIDTH - 12, y + 3), vgradient(y, RUST_LIGHT, y + 3, RUST_DARK), ss=1)


def _stacked_name(canvas, word, top, step):
    sx, sy, stroke = 7, 3.75, 6.2
    left = (WIDTH - 4 * sx) / 2
    highlight = shade(BRONZE_LIGHT, 1.35)

    def moved(path, d):
        return polyline([(px + d, py + d) for px, py in path], stroke)
    for i, ch in enumerate(word):
        y = top + i * step
        paths = stroke_paths(ch, left, y, sx, sy)
        for path in paths:
            canvas.paint(moved(path, 2.2), SHADOW, 0.8)
        # The lit top-left edge shows where the fill, shifted back, leaves it.
        for path in paths:
            canvas.paint(moved(path, -0.9), highlight)
        fill = vgradient(y - stroke / 2, BRONZE_LIGHT, y + 6 * sy + stroke / 2, BRONZE_DARK)
        for path in paths:
            canvas.paint(polyline(path, stroke), fill)


def _caption(canvas, text, top):
    scale = 2
    left = (WIDTH - text_width(PIXEL_5X7, text, scale)) // 2
    canvas.fill_pixels([(x + 1, y + 1) for x, y in text_cells(PIXEL_5X7, text, left, top, scale)], SHADOW)
    canvas.fill_pixels(text_cells(PIXEL_5X7, text, left, top, scale),
                       vgradient(top, (240, 150, 60), top + 14, RUST_LIGHT))


def logo(scale=1.0):
    canvas = Canvas(WIDTH, HEIGHT, scale=scale)
    _plate(canvas)
    draw_emblem(canvas, WIDTH / 2, 48, 33)
    _rule(canvas, 88)
    _recess(canvas, 19, 96, WIDTH - 19, 330)
    _stacked_name(canvas, "KELVANE", 103, 32.6)
    _rule(canvas, 335)
    _caption(canvas, "MONITOR", 344)
    return canvas
