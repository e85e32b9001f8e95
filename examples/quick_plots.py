"""Plots in one call: a curve, a scatter plot, bars, a pie, a colour plot, a
surface and contours of the same data, each written as PNG
(quick_curve.png ... quick_contour.png)."""
import math

import vantix as v

xs = [i * 0.25 for i in range(41)]
ys = [math.sin(x) * 3 + 1 for x in xs]
z = [[math.sin(i / 5) * math.cos(j / 4) for j in range(20)] for i in range(30)]

v.metafl("png")
for name, draw in [("curve", lambda: v.qplot(xs, ys, len(xs))),
                   ("scatter", lambda: v.qplsca(xs, ys, len(xs))),
                   ("bars", lambda: v.qplbar([3.0, 5.0, 1.5, 7.0, 4.0], 5)),
                   ("pie", lambda: v.qplpie([1.0, 2.0, 3.0, 4.0], 4)),
                   ("colour", lambda: v.qplclr(z, 30, 20)),
                   ("surface", lambda: v.qplsur(z, 30, 20)),
                   ("contour", lambda: v.qplcon(z, 30, 20, 9))]:
    v.filmod("delete")
    v.setfil("quick_%s.png" % name)
    draw()
