#!/usr/bin/python3
# Judges each window as rendered now against its picture, as a player would see them side by side.
# Font rasterisers of different releases may draw a glyph's edge, an accent or the dot of an i a
# pixel away, without adding or taking away ink. So the pictures may differ only in spots of at
# most 5 x 4 pixels (10 x 8 at twice the density), each holding the same ink: every colour
# channel's sum over the spot, with a pixel's margin, within a quarter of a pixel's worth. A moved
# picture or control, or a wrong word, changes a larger spot; a wrong colour or a lost accent
# changes the ink.
#   look_alike.py <folder of pictures> <folder of renderings> <density>
import pathlib, sys  # noqa: E401
from PIL import Image


def spots(expected, actual, width):
    """The pixels that differ, joined into spots where they lie within two pixels of each other:
    each spot as its left, top, right and bottom."""
    left = {(i % width, i // width) for i, (e, a) in enumerate(zip(expected, actual)) if e != a}
    while left:
        reach = [left.pop()]
        x0, y0 = x1, y1 = reach[0]
        while reach:
            x, y = reach.pop()
            x0, y0, x1, y1 = min(x0, x), min(y0, y), max(x1, x), max(y1, y)
            near = {(x + dx, y + dy) for dx in range(-2, 3) for dy in range(-2, 3)} & left
            left -= near
            reach += near
        yield x0, y0, x1, y1


def differences(picture, window, density):
    """What a player would see differ between the picture and the window."""
    if picture.size != window.size:
        return [f"{window.width} x {window.height} pixels, the picture {picture.width} x {picture.height}"]
    expected, actual, found = list(picture.getdata()), list(window.getdata()), []
    for x0, y0, x1, y1 in spots(expected, actual, picture.width):
        where = f"{x1 - x0 + 1} x {y1 - y0 + 1} pixels at ({x0}, {y0}) differ"
        if x1 - x0 + 1 > 5 * density or y1 - y0 + 1 > 4 * density:
            found.append(where + ", more than a font rasteriser changes: something moved, changed"
                         " colour, or is missing or new")
            continue
        margin = [i + j * picture.width for j in range(max(y0 - 1, 0), min(y1 + 2, picture.height))
                  for i in range(max(x0 - 1, 0), min(x1 + 2, picture.width))]
        lighter = [sum(actual[i][c] - expected[i][c] for i in margin) / 255 for c in range(3)]
        if max(map(abs, lighter)) > 0.25 * density * density:
            found.append(where + " in ink (red, green, blue {:.2f}, {:.2f}, {:.2f} pixels' worth lighter):"
                         " a mark or an accent missing or new, or a wrong colour".format(*lighter))
    return found


expected, rendered, density = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), int(sys.argv[3])
pictures, failed = sorted(expected.glob("*.png")), 0
for path in pictures:
    window = rendered / path.name
    found = (differences(Image.open(path).convert("RGBA"), Image.open(window).convert("RGBA"), density)
             if window.exists() else ["not rendered"])
    for difference in found:
        print(f"{path.name}: {difference}")
    failed += bool(found)
print(f"{failed} of {len(pictures)} windows differ from their pictures")
sys.exit(1 if failed or not pictures else 0)
