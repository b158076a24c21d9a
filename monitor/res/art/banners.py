"""Four 30 x 30 charity link banners: a picture above a coloured caption band.
Our own simple drawings, not the charities' marks."""
import math

from raster import (Canvas, rect, disc, ring, ellipse, segment, polygon, polyline,
                    intersect, union, sphere, vgradient, mix)
from lettering import PIXEL_3X5, text_width, text_cells

SIZE, BAND_TOP = 30, 22
WHITE = (255, 255, 255)


def _banner(background, band, caption):
    canvas = Canvas(SIZE, SIZE, background)
    canvas.paint(rect(0, BAND_TOP, SIZE, SIZE), vgradient(BAND_TOP, band, SIZE, mix(band, (0, 0, 0), 0.35)), ss=1)
    left = (SIZE - text_width(PIXEL_3X5, caption)) // 2
    canvas.fill_pixels(text_cells(PIXEL_3X5, caption, left, BAND_TOP + 2), WHITE)
    return canvas


def medical():
    """A stethoscope: ear tubes joining in a U, a tube down to the chest piece."""
    canvas = _banner((250, 246, 240), (196, 22, 28), "MSF")
    tube = (60, 60, 66)
    arc = [(15 + 6 * math.cos(a * math.pi / 8), 9 + 6 * math.sin(a * math.pi / 8)) for a in range(9)]
    canvas.paint(polyline([(21, 2)] + arc + [(9, 2)], 1.8), tube)
    canvas.paint(segment(15, 15, 15, 16.5, 1.8), tube)
    canvas.paint(disc(15, 18.2, 2.9), sphere(15, 18.2, 2.9, (190, 190, 200)))
    canvas.paint(ring(15, 18.2, 2.2, 2.9), (196, 22, 28))
    for x in (9, 21):
        canvas.paint(disc(x, 2, 1.3), (196, 22, 28))
    return canvas


def globe_child():
    """A child's silhouette before a globe."""
    canvas = _banner((214, 236, 250), (24, 128, 204), "UNICEF")
    cx, cy, r = 18, 11, 8.5
    sea = (40, 144, 220)
    canvas.paint(disc(cx, cy, r), sphere(cx, cy, r, sea))
    lines = (235, 245, 255)
    for rx in (3.2, 6.2):
        canvas.paint(ellipse_outline(cx, cy, rx, r), lines, 0.8)
    canvas.paint(segment(cx - r, cy, cx + r, cy, 0.9), lines, 0.8)
    canvas.paint(segment(cx, cy - r, cx, cy + r, 0.9), lines, 0.8)
    figure = (255, 255, 255)
    canvas.paint(disc(8, 9, 2.6), figure)
    canvas.paint(polygon([(5.5, 12.5), (10.5, 12.5), (12.5, 20.5), (3.5, 20.5)]), figure)
    return canvas


def ellipse_outline(cx, cy, rx, ry):
    inside_outer, box = ellipse(cx, cy, rx + 0.45, ry)
    inside_inner, _ = ellipse(cx, cy, max(0.1, rx - 0.45), ry - 0.45)
    return (lambda x, y: inside_outer(x, y) and not inside_inner(x, y)), box


def leaf():
    """A single leaf with its midrib, stem to the lower left."""
    canvas = _banner((246, 248, 236), (40, 110, 44), "WWF")
    (x0, y0), (x1, y1) = (7, 19), (24, 2)
    mx, my = (x0 + x1) / 2, (y0 + y1) / 2
    half = math.hypot(x1 - x0, y1 - y0) / 2
    radius = 15.0
    offset = math.sqrt(radius * radius - half * half)
    nx, ny = (y1 - y0) / (2 * half), -(x1 - x0) / (2 * half)
    blade = intersect(disc(mx + nx * offset, my + ny * offset, radius),
                      disc(mx - nx * offset, my - ny * offset, radius))
    canvas.paint(blade, vgradient(2, (120, 200, 60), 20, (36, 120, 40)))
    canvas.paint(segment(4, 21, mx - (x1 - x0) * 0.2, my - (y1 - y0) * 0.2, 1.4), (34, 90, 30))
    canvas.paint(segment(x0, y0, x1 - 3, y1 + 3, 0.9), (214, 240, 170), 0.8)
    return canvas


def water_drop():
    """A glossy drop of clean water."""
    canvas = _banner((236, 246, 226), (64, 140, 40), "OXFAM")
    cx, cy, r, tip = 15, 13.5, 6.5, 2
    d = cy - tip
    cos_a, sin_a = r / d, math.sqrt(1 - (r / d) ** 2)
    drop = union(disc(cx, cy, r), polygon([(cx, tip), (cx - r * sin_a, cy - r * cos_a),
                                           (cx + r * sin_a, cy - r * cos_a)]))
    canvas.paint(drop, sphere(cx, cy, r + 2, (40, 120, 220)))
    canvas.paint(ellipse(cx - 2.6, cy - 1.5, 1.0, 2.2), WHITE, 0.85)
    return canvas


def banners():
    return {"banner1.bmp": medical(), "banner2.bmp": globe_child(),
            "banner3.bmp": leaf(), "banner4.bmp": water_drop()}
