"""Pictures of the hot paths (scatter symbols, colour plots, contours) in
every mode that takes a different branch: index and RGB rasters, symbols of
every number and several sizes and angles, clipped at the axis edges, shifted
origins, vector devices. Used by gallery_snapshot.sh to prove that speed
work changes no byte."""
import math
import random

import vantix as v


def scatter(device, name, rgb=False, sizes=(35, 12, 80), angle=0.0, origin=(0, 0), window=None):
    rng = random.Random(7)
    v.metafl(device); v.setfil(name); v.filmod("dele")
    if rgb:
        v.imgfmt("RGB")
    v.vtxini(); v.errmod("protocol", "off")
    if origin != (0, 0):
        v.origin(*origin)
    v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
    if window:
        v.clpwin(*window)
    v.symrot(angle)
    for k, size in enumerate(sizes):
        v.hsymbl(size)
        for number in range(24):
            v.setclr(10 + 9 * number + k)
            n = 40
            xs = [rng.uniform(0.0, 10.0) for _ in range(n)]
            ys = [min(10.0, max(0.0, rng.gauss(5.0, 2.4))) for _ in range(n)]
            v.incmrk(-1); v.marker(number)
            v.curve(xs, ys, n)
    v.vtxfin()


def colour_plot(device, name, n, rgb=False):
    v.metafl(device); v.setfil(name); v.filmod("dele")
    if rgb:
        v.imgfmt("RGB")
    v.vtxini(); v.errmod("protocol", "off")
    v.autres(n, n)
    v.graf3(0., 10., 0., 2., 0., 10., 0., 2., -1.5, 1.5, -1.5, 0.5)
    z = [math.sin(0.1 * i) * math.cos(0.07 * j) + 0.3 * math.sin(0.013 * i * j) for i in range(n) for j in range(n)]
    v.crvmat(z, n, n, 1, 1)
    v.vtxfin()


def contours(device, name, n):
    v.metafl(device); v.setfil(name); v.filmod("dele")
    v.vtxini(); v.errmod("protocol", "off")
    v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
    xs = [10.0 * i / (n - 1) for i in range(n)]
    z = [math.sin(x) * math.cos(y) + 0.1 * x for x in xs for y in xs]
    for k in range(12):
        v.contur(xs, n, xs, n, z, -1.0 + 0.2 * k)
    v.vtxfin()


scatter("png", "scatter_index.png")
scatter("png", "scatter_rgb.png", rgb=True)
scatter("png", "scatter_turned.png", angle=30.0, sizes=(35,))
scatter("png", "scatter_origin.png", origin=(37, -11), sizes=(35,))
scatter("ppm", "scatter_small.ppm", sizes=(3, 7))
scatter("png", "scatter_window.png", sizes=(35, 80), window=(700, 700, 1100, 800))
scatter("pdf", "scatter.pdf", sizes=(35,))
scatter("svg", "scatter.svg", sizes=(35,))
colour_plot("png", "colour_300.png", 300)
colour_plot("png", "colour_1200.png", 1200)
colour_plot("png", "colour_rgb_77.png", 77, rgb=True)
colour_plot("pdf", "colour_90.pdf", 90)
contours("pdf", "contours_300.pdf", 300)
contours("png", "contours_300.png", 300)
