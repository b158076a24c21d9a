#!/usr/bin/env python3
"""Regenerates every picture of varnok.exe into monitor/res/: the application
icon, the side logo, the four ping icons and the four link banners."""
import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from imagefiles import bmp24_bytes, ico_bytes  # noqa: E402
from raster import Canvas  # noqa: E402
from emblem import draw_emblem  # noqa: E402
from ping import ping_pictures  # noqa: E402
from logo import logo  # noqa: E402
from banners import banners  # noqa: E402
from check_art import problems  # noqa: E402

RES = os.path.dirname(HERE)


def app_icon_images():
    images = []
    for size in (16, 32, 48):
        canvas = Canvas(size, size, alpha=0.0)
        draw_emblem(canvas, size / 2, size / 2, size / 2 - 0.3)
        images.append(canvas.rgba_rows())
    return images


def write(name, data):
    with open(os.path.join(RES, name), "wb") as f:
        f.write(data)


def main():
    write("varnok.ico", ico_bytes(app_icon_images()))
    write("logo.bmp", bmp24_bytes(logo().rgb_rows()))
    for name, canvas in {**ping_pictures(), **banners()}.items():
        write(name, bmp24_bytes(canvas.rgb_rows()))
    faults = problems()
    if faults:
        sys.exit("\n".join(faults))


if __name__ == "__main__":
    main()
