"""The 16 x 16 overlay drawn over a ping image when a server needs a password: a
padlock in the lower right corner. Black is the image list's mask colour, so the
rest of the picture lets the ping image show through."""
from raster import Canvas, rect, ring, disc, union, intersect, vgradient
from ping import to_mask

OUTLINE = (58, 38, 8)
GOLD_TOP, GOLD_BOTTOM = (255, 222, 96), (214, 150, 20)
STEEL = (200, 204, 210)


def lock(scale=1.0):
    canvas = Canvas(16, 16, alpha=0.0, scale=scale)
    upper = rect(7, 3, 16, 9)
    # The shackle, an arch over the body, outlined so it reads on any ball.
    canvas.paint(intersect(ring(12, 8.5, 1.2, 3.4), upper), OUTLINE, ss=6)
    canvas.paint(intersect(ring(12, 8.5, 1.9, 2.7), upper), STEEL, ss=6)
    canvas.paint(rect(8, 8, 16, 16), OUTLINE)
    canvas.paint(rect(9, 9, 15, 15), vgradient(9, GOLD_TOP, 15, GOLD_BOTTOM))
    canvas.paint(union(disc(12, 11.4, 1.0), rect(11.5, 11.5, 12.5, 13.6)), OUTLINE, ss=6)
    to_mask(canvas, OUTLINE)
    return canvas
