"""The monitor's emblem: a bronze-rimmed scope whose amber sweep has just
passed a server blip. Drawn afresh per size so 16 pixels keep only what reads."""
import math

from raster import disc, ring, segment, wedge, mix, vgradient

BRONZE_LIGHT = (236, 182, 104)
BRONZE_DARK = (104, 58, 22)
FACE_CENTRE = (44, 40, 34)
FACE_EDGE = (16, 16, 16)
SWEEP = (255, 150, 30)
BLIP = (255, 236, 170)


def _face_field(cx, cy, r):
    return lambda x, y: mix(FACE_CENTRE, FACE_EDGE, min(1.0, math.hypot(x - cx, y - cy) / r))


def draw_emblem(canvas, cx, cy, r, lead=-math.pi / 4):
    rim = max(1.25, r * 0.16)
    face_r = r - rim
    canvas.paint(disc(cx, cy, r), vgradient(cy - r, BRONZE_LIGHT, cy + r, BRONZE_DARK))
    canvas.paint(ring(cx, cy, r - max(0.7, r * 0.05), r), (60, 30, 10), 0.8)
    canvas.paint(disc(cx, cy, face_r), _face_field(cx, cy, face_r))

    if r >= 12:
        for frac in (0.36, 0.70):
            canvas.paint(ring(cx, cy, face_r * frac - 0.5, face_r * frac + 0.5), SWEEP, 0.22)
        canvas.paint(segment(cx - face_r, cy, cx + face_r, cy, 1.0), SWEEP, 0.18)
        canvas.paint(segment(cx, cy - face_r, cx, cy + face_r, 1.0), SWEEP, 0.18)

    # Trail behind the sweep line, brightening towards the line itself; small
    # sizes get a stronger trail so the sweep still reads as one.
    slices = 14
    span, peak, power = (1.5, 0.5, 2.0) if r >= 12 else (1.2, 0.8, 1.5)
    for i in range(slices):
        a0 = lead - span + span * i / slices
        canvas.paint(wedge(cx, cy, face_r, a0, a0 + span / slices + 0.02), SWEEP,
                     0.04 + peak * (i / slices) ** power)
    tip = (cx + face_r * math.cos(lead), cy + face_r * math.sin(lead))
    canvas.paint(segment(cx, cy, *tip, max(1.2, r * 0.09)), mix(SWEEP, BLIP, 0.5))

    angle, dist = lead - 0.95, face_r * 0.6
    bx, by = cx + dist * math.cos(angle), cy + dist * math.sin(angle)
    blip_r = max(1.1, r * 0.11)
    canvas.paint(disc(bx, by, blip_r * 2.2), SWEEP, 0.35 if r >= 12 else 0.15)
    canvas.paint(disc(bx, by, blip_r), BLIP)
    canvas.paint(disc(cx, cy, max(0.8, r * 0.06)), mix(SWEEP, BLIP, 0.5))
