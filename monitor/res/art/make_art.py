#!/usr/bin/env python3
"""Regenerates every picture of varnok.exe into monitor/res/: the application
icon, the side logo, the four ping icons, the lock drawn over them and the four
link banners, at 96 DPI as
BMP files and at the larger display scalings as PNG files in hidpi/."""
import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from imagefiles import bmp24_bytes, ico_bytes, png_bytes  # noqa: E402
from raster import Canvas  # noqa: E402
from emblem import draw_emblem  # noqa: E402
from ping import ping_pictures  # noqa: E402
from lock import lock  # noqa: E402
from logo import logo  # noqa: E402
from banners import banners  # noqa: E402
from check_art import problems, HIDPI, ICON_SIZES  # noqa: E402

RES = os.path.dirname(HERE)


def app_icon_images():
    images = []
    for size, _, _ in ICON_SIZES:
        canvas = Canvas(size, size, alpha=0.0)
        draw_emblem(canvas, size / 2, size / 2, size / 2 - 0.3)
        images.append(canvas.rgba_rows())
    return images


def write(name, data):
    with open(os.path.join(RES, name), "wb") as f:
        f.write(data)


def pictures(scale):
    return {"logo": logo(scale), **ping_pictures(scale), "lock": lock(scale), **banners(scale)}


def main():
    write("varnok.ico", ico_bytes(app_icon_images()))
    for name, canvas in pictures(1.0).items():
        write(name + ".bmp", bmp24_bytes(canvas.rgb_rows()))
    os.makedirs(os.path.join(RES, "hidpi"), exist_ok=True)
    for dpi in HIDPI:
        for name, canvas in pictures(dpi / 96).items():
            write(os.path.join("hidpi", "%s-%d.png" % (name, dpi)), png_bytes(canvas.rgb_rows()))
    faults = problems()
    if faults:
        sys.exit("\n".join(faults))


if __name__ == "__main__":
    main()
