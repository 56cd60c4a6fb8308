#!/usr/bin/env python3
"""Edits a strip bitmap the way a user's paint program does, with Pillow.

    edit_strip_pixels.py SOURCE TARGET [--invert-palette] X,Y,INDEX ...

Opens SOURCE, sets the palette index of each pixel X,Y (Pillow's
coordinates: y = 0 is the top row of the picture), optionally replaces every
colour of the palette by its inverse, and saves the picture as a BMP file
named TARGET.
"""
import sys

from PIL import Image


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__)
    source, target, *rest = argv[1:]
    invert_palette = "--invert-palette" in rest
    edits = [item for item in rest if item != "--invert-palette"]

    image = Image.open(source)
    if image.mode != "P":
        sys.exit(f"{source}: expected a palette picture, Pillow reads it as {image.mode}")
    for edit in edits:
        x, y, index = (int(value) for value in edit.split(","))
        image.putpixel((x, y), index)
    if invert_palette:
        image.putpalette([255 - value for value in image.getpalette()])
    image.save(target, format="BMP")


if __name__ == "__main__":
    main(sys.argv)
