"""Colour plots and contours: a matrix with its colour bar on a linear and on
a logarithmic Z axis, labelled contour lines over a colour plot, filled
contour bands with a legend, and contours of scattered points through their
triangulation. Each page is written as PNG, EPS, PDF and SVG
(colour_linear.*, colour_log.*, contour_labels.*, contour_bands.*,
contour_scattered.*)."""
import math
import random

import vantix as v

from gallery_pages import write_pages


def grid(n, lo, hi):
    return [lo + (hi - lo) * i / (n - 1) for i in range(n)]


def hills(x, y):
    return (math.exp(-((x - 0.8) ** 2 + (y - 0.5) ** 2)) - 0.8 * math.exp(-((x + 0.9) ** 2 + (y + 0.7) ** 2) * 1.5)
            + 0.3 * math.sin(2.0 * y) * math.cos(x))


def colour_linear():
    n = 80
    xs = grid(n, -2.5, 2.5)
    z = [[hills(x, y) for y in xs] for x in xs]
    v.titlin("Colour plot with a linear Z axis", 1)
    v.name("x", "x"); v.name("y", "y"); v.name("height", "z")
    v.labdig(1, "xyz")
    v.autres(n, n)
    v.graf3(-2.5, 2.5, -2.5, 1., -2.5, 2.5, -2.5, 1., -1.2, 1.2, -1.2, 0.4)
    v.crvmat(z, n, n, 1, 1)
    v.title()
    v.endgrf()


def colour_log():
    # A quantity spanning four decades: 10 ** (4 * t) over a ring.
    n = 70
    xs = grid(n, 0.0, 10.0)
    z = [[10.0 ** (0.3 + 3.4 * math.exp(-((x - 5) ** 2 + (y - 5) ** 2) / 12.0)) for y in xs] for x in xs]
    v.titlin("Colour plot with a logarithmic Z axis", 1)
    v.name("x", "x"); v.name("y", "y"); v.name("intensity", "z")
    v.axsscl("LOG", "z")
    v.labels("LOG", "z")
    v.autres(n, n)
    v.graf3(0., 10., 0., 2., 0., 10., 0., 2., 0., 4., 0., 1.)
    v.crvmat(z, n, n, 1, 1)
    v.title()
    v.endgrf()


def contour_labels():
    n = 60
    xs = grid(n, -2.5, 2.5)
    z = [[hills(x, y) for y in xs] for x in xs]
    flat = [value for row in z for value in row]
    v.titlin("Labelled contour lines over a colour plot", 1)
    v.name("x", "x"); v.name("y", "y"); v.name("height", "z")
    v.labdig(1, "xyz")
    v.autres(n, n)
    v.graf3(-2.5, 2.5, -2.5, 1., -2.5, 2.5, -2.5, 1., -1.2, 1.2, -1.2, 0.4)
    v.crvmat(z, n, n, 1, 1)
    v.title()
    v.color("fore")
    v.labels("FLOAT", "CONT"); v.labdig(1, "CONT"); v.height(24)
    for k in range(-5, 6):
        v.contur(xs, n, xs, n, flat, 0.2 * k)
    v.endgrf()


def contour_bands():
    n = 60
    xs = grid(n, -2.5, 2.5)
    flat = [hills(x, y) for x in xs for y in xs]
    levels = [-1.0 + 0.3 * k for k in range(8)]
    v.titlin("Filled contour bands with a legend", 1)
    v.name("x", "x"); v.name("y", "y")
    v.labdig(1, "xy")
    v.axspos(450, 1800); v.axslen(1500, 1500)
    v.graf(-2.5, 2.5, -2.5, 1., -2.5, 2.5, -2.5, 1.)
    v.title()
    # Everything lies above the lowest level: the band below it is left out.
    v.shdmod("UPPE", "CELL"); v.shdmod("MIDD", "COLOR")
    v.legini("", len(levels), 16)
    v.legtit("Height")
    v.conshd(xs, n, xs, n, flat, levels, len(levels))
    bounds = ["%4.1f to %4.1f" % (a, b) for a, b in zip(levels, levels[1:])] + ["above %4.1f" % levels[-1]]
    for i, text in enumerate(bounds):
        v.leglin("", text, i + 1)
    v.color("fore")
    for level in levels:
        v.contur(xs, n, xs, n, flat, level)
    v.legpos(2100, 500)
    v.legend("", 3)
    v.endgrf()


def contour_scattered():
    random.seed(7)
    n = 400
    px = [random.uniform(-2.5, 2.5) for _ in range(n)]
    py = [random.uniform(-2.5, 2.5) for _ in range(n)]
    pz = [hills(x, y) for x, y in zip(px, py)]
    nmax = 2 * n + 1
    i1, i2, i3 = [0] * nmax, [0] * nmax, [0] * nmax
    ntri = v.triang(px + [0.0] * 3, py + [0.0] * 3, n, i1, i2, i3, nmax)
    levels = [-1.0 + 0.2 * k for k in range(12)]
    v.titlin("Contours of %d scattered points" % n, 1)
    v.name("x", "x"); v.name("y", "y")
    v.labdig(1, "xy")
    v.axspos(450, 1800); v.axslen(1500, 1500)
    v.graf(-2.5, 2.5, -2.5, 1., -2.5, 2.5, -2.5, 1.)
    v.title()
    v.confll(px, py, pz, n, i1, i2, i3, ntri, levels, len(levels))
    v.color("fore")
    for level in levels:
        v.contri(px, py, pz, n, i1, i2, i3, ntri, level)
    v.marker(21); v.hsymbl(8); v.incmrk(-1)
    v.curve(px, py, n)
    v.endgrf()
    v.labdig(1, "z")
    v.zaxis(levels[0], levels[-1], levels[0], 0.4, 1500, "height", 0, 0, 2100, 1800)


PAGES = [("colour_linear", colour_linear), ("colour_log", colour_log), ("contour_labels", contour_labels),
         ("contour_bands", contour_bands), ("contour_scattered", contour_scattered)]

if __name__ == "__main__":
    write_pages(PAGES, ["png", "eps", "pdf", "svg"])
    print("gallery written: {%s}.{png,eps,pdf,svg}" % ",".join(name for name, _ in PAGES))
