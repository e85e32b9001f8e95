"""Charts: a colour plot with its colour bar and labelled contour lines over
it, and a grouped bar chart with value labels. Each page is written as PNG,
EPS, PDF and SVG (gallery_colour.* and gallery_bars.*)."""
import math

import vantix as v

from gallery_pages import write_pages


def colour_page():
    n = 60
    xs = [4.0 * i / (n - 1) - 2.0 for i in range(n)]
    z = [[math.exp(-(x * x + y * y)) - 0.6 * math.exp(-((x - 1) ** 2 + (y + 1) ** 2) * 2) for y in xs] for x in xs]
    v.titlin("A colour plot with contour lines", 1)
    v.name("x", "x"); v.name("y", "y"); v.name("z", "z")
    v.labdig(1, "xyz")
    v.autres(n, n)
    v.graf3(-2., 2., -2., 1., -2., 2., -2., 1., -0.6, 1.0, -0.6, 0.2)
    v.crvmat(z, n, n, 1, 1)
    v.title()
    v.labels("FLOAT", "CONT"); v.labdig(1, "CONT")
    for k in range(-2, 5):
        v.contur(xs, n, xs, n, z, 0.2 * k)
    v.endgrf()


def bars_page():
    v.titlin("Three series of bars with value labels", 1)
    v.name("quarter", "x"); v.name("sales", "y")
    v.labdig(-1, "x"); v.ticks(1, "x")
    v.graf(0.5, 4.5, 1., 1., 0., 120., 0., 20.)
    v.title()
    v.bargrp(3, 0.0)
    v.labels("SECOND", "BARS"); v.labdig(-1, "BARS")
    x = [1., 2., 3., 4.]
    series = [([35., 60., 45., 80.], "red"), ([50., 40., 70., 65.], "green"), ([20., 55., 30., 90.], "blue")]
    v.legini("", 3, 10)
    v.legtit("")
    for i, (values, colour) in enumerate(series):
        v.leglin("", "series %d" % (i + 1), i + 1)
        v.color(colour); v.shdpat(16)
        v.bars(x, [0.] * 4, values, 4)
    v.color("fore")
    v.legend("", 8)
    v.endgrf()


if __name__ == "__main__":
    write_pages([("gallery_colour", colour_page), ("gallery_bars", bars_page)], ["png", "eps", "pdf", "svg"])
    print("gallery written: gallery_{colour,bars}.{png,eps,pdf,svg}")
