#!/usr/bin/env python3
"""Checks the generated pictures as the resource compiler and the dialog will
take them: geometry, bit depth, and the black mask colour of the ping icons."""
import os
import sys

sys.dont_write_bytecode = True
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from imagefiles import bmp_geometry, bmp_pixel, ico_geometry, png_geometry  # noqa: E402

RES = os.path.dirname(HERE)
BITMAPS = {"logo.bmp": (98, 373)}
BITMAPS.update({"ping_%s.bmp" % c: (16, 16) for c in ("green", "red", "orange", "dead")})
BITMAPS["lock.bmp"] = (16, 16)
BITMAPS.update({"banner%d.bmp" % i: (30, 30) for i in range(1, 5)})
# The caption and about box icons of every display scaling the art is made for.
ICON_SIZES = [(n, n, 32) for n in (16, 20, 24, 32, 40, 48, 64)]
# The display scalings above 96 DPI with pictures of their own (125, 150 and 200 %;
# 175 % shrinks the 200 % ones, which keeps the programs small).
HIDPI = (120, 144, 192)


def scaled(n, dpi):
    return (n * dpi + 48) // 96


def problems():
    def read(name):
        with open(os.path.join(RES, name), "rb") as f:
            return f.read()

    found = []
    for name, (width, height) in BITMAPS.items():
        data = read(name)
        if bmp_geometry(data) != (width, height, 24):
            found.append("%s: %r, want %dx%d 24-bit" % (name, bmp_geometry(data), width, height))
        if name.startswith("ping_"):
            if any(bmp_pixel(data, x, y) != (0, 0, 0) for x in (0, 15) for y in (0, 15)):
                found.append("%s: corners are not the black mask colour" % name)
            if bmp_pixel(data, 7, 7) == (0, 0, 0):
                found.append("%s: the picture's centre is masked out" % name)
        if name == "lock.bmp":
            # Over a ping image, only its lower right corner is covered.
            if bmp_pixel(data, 0, 0) != (0, 0, 0) or bmp_pixel(data, 4, 12) != (0, 0, 0):
                found.append("%s: the ping image would not show beside the lock" % name)
            if bmp_pixel(data, 12, 13) == (0, 0, 0) or bmp_pixel(data, 10, 10) == (0, 0, 0):
                found.append("%s: the lock's body is masked out" % name)
    for name, (width, height) in BITMAPS.items():
        for dpi in HIDPI:
            png = os.path.join("hidpi", "%s-%d.png" % (name[:-4], dpi))
            want = (scaled(width, dpi), scaled(height, dpi))
            if png_geometry(read(png)) != want:
                found.append("%s: %r, want %r" % (png, png_geometry(read(png)), want))
    if ico_geometry(read("varnok.ico")) != ICON_SIZES:
        found.append("varnok.ico: %r, want %r" % (ico_geometry(read("varnok.ico")), ICON_SIZES))
    return found


if __name__ == "__main__":
    faults = problems()
    print("\n".join(faults) or "all pictures in order")
    sys.exit(1 if faults else 0)
