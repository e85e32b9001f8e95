"""Times the raster devices (not a test): 1,000,000 short lines drawn into the
raster through v.line (the whole pipeline, one Python call per line), and the
encoding of an 853 x 603 and a 4000 x 3000 picture of 3000 long random lines
in each format (the worst case for deflate: short matches everywhere), and the
PNG of a plot-like 4000 x 3000 picture; matplotlib
(Agg) draws the same lines and writes the same PNG sizes for comparison.

Run: PYTHONPATH=build/python /usr/bin/python3 bench/raster.py
"""
import os
import random
import tempfile
import time

import vantix as v

LINES = 1_000_000
os.chdir(tempfile.mkdtemp())


def short_lines(n, w, h, rng):
    for _ in range(n):
        x, y = rng.randrange(w - 20), rng.randrange(h - 20)
        yield x, y, x + rng.randrange(-10, 11) % 20, y + rng.randrange(20)


def time_lines():
    rng = random.Random(1)
    segments = list(short_lines(LINES, 2969, 2099, rng))
    v.metafl("VIRT")
    v.vtxini()
    v.unit(0)
    line = v.line
    start = time.perf_counter()
    for x1, y1, x2, y2 in segments:
        line(x1, y1, x2, y2)
    elapsed = time.perf_counter() - start
    v.vtxfin()
    print("vantix     %d short lines into an 853 x 603 raster: %.2f s" % (LINES, elapsed))
    return segments


def time_formats(width, height):
    v.winsiz(width, height)
    v.metafl("VIRT")
    v.vtxini()
    v.unit(0)
    rng = random.Random(2)
    for k in range(3000):  # a plot-like picture: many coloured lines
        v.setclr(1 + k % 254)
        v.line(rng.randrange(2969), rng.randrange(2099), rng.randrange(2969), rng.randrange(2099))
    cells = []
    for name in ("rpng", "rgif", "rbmp", "rtiff", "rppm", "rimage"):
        start = time.perf_counter()
        getattr(v, name)("bench." + name[1:])
        cells.append("%s %.3f s" % (name[1:].upper(), time.perf_counter() - start))
    v.vtxfin()
    print("vantix     %d x %d: %s" % (width, height, ", ".join(cells)))


def time_plot_png(width, height):
    """A plot-like picture (axes, labels, three curves, a filled box) at
    width x height, and the time of its PNG alone."""
    import math
    v.winsiz(width, height)
    v.metafl("VIRT")
    v.vtxini()
    v.unit(0)
    v.name("x", "x"); v.name("y", "y"); v.titlin("Three curves", 1)
    v.graf(0., 10., 0., 2., -1.5, 1.5, -1.5, 0.5); v.title()
    xs = [0.01 * i for i in range(1000)]
    for colour, f in (("red", math.sin), ("blue", math.cos), ("green", lambda t: math.sin(2 * t) / 2)):
        v.color(colour); v.curve(xs, [f(t) for t in xs], len(xs))
    v.color("fore"); v.shdpat(16); v.rlrec(1., -1.2, 2., 0.6)
    start = time.perf_counter()
    v.rpng("plot.png")
    print("vantix     %d x %d plot-like picture: PNG %.3f s" % (width, height, time.perf_counter() - start))
    v.vtxfin()


def matplotlib_comparison(segments):
    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
        from matplotlib.collections import LineCollection
    except ImportError:
        print("matplotlib not installed: no comparison")
        return
    for width, height, n in ((853, 603, LINES), (4000, 3000, 3000)):
        fig = plt.figure(figsize=(width / 100, height / 100), dpi=100)
        ax = fig.add_axes([0, 0, 1, 1])
        ax.set_xlim(0, 2969)
        ax.set_ylim(2099, 0)
        ax.add_collection(LineCollection([((a, b), (c, d)) for a, b, c, d in segments[:n]], linewidths=0.5))
        start = time.perf_counter()
        fig.canvas.draw()
        drawn = time.perf_counter() - start
        start = time.perf_counter()
        fig.savefig("mpl.png", dpi=100)
        saved = time.perf_counter() - start
        plt.close(fig)
        print("matplotlib %d x %d: %d lines drawn in %.2f s, PNG written in %.3f s" % (width, height, n, drawn, saved))


segments = time_lines()
time_formats(853, 603)
time_formats(4000, 3000)
time_plot_png(4000, 3000)
matplotlib_comparison(segments)
