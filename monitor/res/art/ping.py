"""The four 16 x 16 ping grades. Black is the image list's mask colour, so the
pictures themselves never use it: edges fade into a dark tone of the ball."""
from raster import Canvas, disc, sphere, shade, mix

MASK = (0, 0, 0)
NEAR_BLACK = (16, 16, 16)

BALLS = {
    "ping_green": (52, 200, 40),
    "ping_orange": (255, 140, 16),
    "ping_red": (224, 28, 24),
}

# Skull over crossed bones: W bone white, G grey, D dark grey edge, B the
# bones (darker, so they read on white rows), K near-black holes.
SKULL = [
    "....DDDDDDDD....",
    "...DWWWWWWWWD...",
    "..DWWWWWWWWWWD..",
    "..DWKKKWWKKKWD..",
    "..DWKKKWWKKKWD..",
    "..DGWWWKKWWWGD..",
    "...DGWWWWWWGD...",
    "....DWKWWKWD....",
    ".....DDDDDD.....",
    ".B............B.",
    "BGBB........BBGB",
    "...BBB....BBB...",
    ".....BBGGBB.....",
    "...BBB....BBB...",
    "BGBB........BBGB",
    ".B............B.",
]
SKULL_COLOURS = {"W": (212, 212, 212), "G": (150, 150, 150), "D": (88, 88, 88),
                 "B": (112, 112, 112), "K": NEAR_BLACK}


def ball(colour, scale):
    canvas = Canvas(16, 16, alpha=0.0, scale=scale)
    canvas.paint(disc(7.5, 7.5, 6.6), sphere(7.5, 7.5, 6.6, colour), ss=6)
    to_mask(canvas, shade(colour, 0.3))
    return canvas


def to_mask(canvas, rim):
    """Blending edges into black would leave near-black specks that the mask
    keeps: a pixel either belongs to the picture, tinted by its coverage
    towards the rim colour, or is mask."""
    for row in canvas.px:
        for p in row:
            c = MASK if p[3] < 0.5 else mix(rim, p[:3], min(1.0, p[3] * 1.15))
            p[:] = list(c) + [1.0]


def skull(scale):
    canvas = Canvas(16, 16, scale=scale)
    for key, colour in SKULL_COLOURS.items():
        canvas.fill_pixels([(x, y) for y, line in enumerate(SKULL)
                            for x, ch in enumerate(line) if ch == key], colour)
    return canvas


def ping_pictures(scale=1.0):
    pictures = {name: ball(colour, scale) for name, colour in BALLS.items()}
    pictures["ping_dead"] = skull(scale)
    return pictures
