"""Four 30 x 30 charity link banners: a picture above a coloured caption band.
Our own simple drawings, not the charities' marks."""
import math

from raster import (Canvas, rect, disc, ring, ellipse, segment, polygon, polyline,
                    intersect, union, sphere, vgradient, mix)
from lettering import PIXEL_3X5, text_width, text_cells

SIZE, BAND_TOP = 30, 22
WHITE = (255, 255, 255)


def _banner(background, band, caption, scale):
    canvas = Canvas(SIZE, SIZE, background, scale=scale)
    canvas.paint(rect(0, BAND_TOP, SIZE, SIZE),
                 vgradient(BAND_TOP, band, SIZE, mix(band, (0, 0, 0), 0.35)), ss=1)
    left = (SIZE - text_width(PIXEL_3X5, caption)) // 2
    canvas.fill_pixels(text_cells(PIXEL_3X5, caption, left, BAND_TOP + 2), WHITE)
    return canvas


def medical(scale):
    """A stethoscope: ear tubes joining in a U, a tube down to the chest piece."""
    canvas = _banner((250, 246, 240), (196, 22, 28), "MSF", scale)
    tube = (60, 60, 66)
    arc = [(15 + 6 * math.cos(a * math.pi / 8), 9 + 6 * math.sin(a * math.pi / 8)) for a in range(9)]
    canvas.paint(polyline([(21, 2)] + arc + [(9, 2)], 1.8), tube)
    canvas.paint(segment(15, 15, 15, 16.5, 1.8), tube)
    canvas.paint(disc(15, 18.2, 2.9), sphere(15, 18.2, 2.9, (190, 190, 200)))
    canvas.paint(ring(15, 18.2, 2.2, 2.9), (196, 22, 28))
    for x in (9, 21):
        canvas.paint(disc(x, 2, 1.3), (196, 22, 28))
    return canvas


def globe_child(scale):
    """A child reaching up to a globe."""
    canvas = _banner((214, 236, 250), (24, 128, 204), "UNICEF", scale)
    cx, cy, r = 19, 9.5, 8
    globe = disc(cx, cy, r)
    canvas.paint(globe, sphere(cx, cy, r, (36, 120, 210)))
    for land in (ellipse(cx - 3, cy - 3, 3.2, 2.4), ellipse(cx - 1.5, cy + 1.5, 1.8, 3.4),
                 ellipse(cx + 4, cy - 1, 2.6, 3.8)):
        canvas.paint(intersect(land, globe), (96, 176, 64))
    canvas.paint(ring(cx, cy, r - 0.8, r), (16, 70, 140), 0.7)
    # A pale edge parts the dark figure from the globe behind it.
    figure = (18, 52, 110)
    halo = (214, 236, 250)
    head, body = (8, 11, 3), [(5.4, 15), (10.6, 15), (12, 21), (4, 21)]
    arm = (9.5, 16, 14.5, 11.5)
    canvas.paint(union(disc(head[0], head[1], head[2] + 1), segment(*arm, 3.6),
                       polygon([(4.4, 14), (11.6, 14), (13.2, 22), (2.8, 22)])), halo)
    canvas.paint(union(disc(*head), segment(*arm, 1.8), polygon(body)), figure)
    return canvas


def leaf(scale):
    """A single leaf with its midrib, stem to the lower left."""
    canvas = _banner((246, 248, 236), (40, 110, 44), "WWF", scale)
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


def water_drop(scale):
    """A glossy drop of clean water."""
    canvas = _banner((236, 246, 226), (64, 140, 40), "OXFAM", scale)
    cx, cy, r, tip = 15, 13.5, 6.5, 2
    d = cy - tip
    cos_a, sin_a = r / d, math.sqrt(1 - (r / d) ** 2)
    drop = union(disc(cx, cy, r), polygon([(cx, tip), (cx - r * sin_a, cy - r * cos_a),
                                           (cx + r * sin_a, cy - r * cos_a)]))
    canvas.paint(drop, sphere(cx, cy, r + 2, (40, 120, 220)))
    canvas.paint(ellipse(cx - 2.6, cy - 1.5, 1.0, 2.2), WHITE, 0.85)
    return canvas


def banners(scale=1.0):
    return {"banner1": medical(scale), "banner2": globe_child(scale),
            "banner3": leaf(scale), "banner4": water_drop(scale)}
