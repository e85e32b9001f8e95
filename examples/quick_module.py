"""The module's one-call plots as the README shows them: a curve, a scatter
plot, a contour plot and a surface, each a small PNG (quick_module_curve.png,
..._scatter, ..._contour, ..._surface) in the directory given as the first
argument (default: the current one)."""
import math
import os
import sys

import vantix as v

out = sys.argv[1] if len(sys.argv) > 1 else "."

x = [i / 10 for i in range(101)]
y = [math.sin(t) * math.exp(-t / 5) for t in x]
xs = [i / 4 for i in range(33)]
ys = [j / 4 for j in range(25)]
z = [[math.sin(a) * math.cos(b) for b in ys] for a in xs]

v.metafl("png")
v.scrmod("REVERS")
v.winsiz(480, 340)
v.filmod("DELETE")
v.setvar("HSYMBL", 25)                      # larger symbols than the scatter plot's own
for name, title, draw in [("curve", "plot(x, y)", lambda: v.plot(x, y)),
                          ("scatter", "scattr(x, y)", lambda: v.scattr(x[::4], y[::4])),
                          ("contour", "contour(xs, ys, z)", lambda: v.contour(xs, ys, z)),
                          ("surface", "surshade(xs, ys, z)", lambda: v.surshade(xs, ys, z))]:
    if name == "surface":                   # a fixed z axis: fewer labels
        for key, value in (("ZMIN", -1.0), ("ZMAX", 1.0), ("ZOR", -1.0), ("ZSTEP", 1.0)):
            v.setvar(key, value)
    v.setvar("T1", title)
    v.setfil(os.path.join(out, "quick_module_%s.png" % name))
    draw()
    v.vtxfin()
