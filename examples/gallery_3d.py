"""3-D plots: a mesh surface with hidden lines seen from three view points,
a helix with symbols over the grids of the box's back planes, a shaded
surface with its colour bar, lit spheres, and a torus and an isosurface
side by side, and columns with a 2-D plot on the back wall. Each page is
written as PNG, EPS, PDF and SVG (gallery_mesh.*, gallery_helix.*,
gallery_shaded.*, gallery_lit.*, gallery_shapes.* and gallery_columns.*). Smooth shading needs pixels: the vector files get flat
shading, filled triangle by triangle from the back to the front."""
import math

import vantix as v

from gallery_pages import write_pages


def raster():
    """True while the page goes to the PNG file, the one with pixels."""
    return v.getmfl() == "PNG"


def ripple(x, y):
    r = math.hypot(x, y)
    return math.sin(1.5 * r) / (1.0 + 0.3 * r)


def mesh_page():
    n = 36
    xs = [-3.0 + 6.0 * i / (n - 1) for i in range(n)]
    z = [[ripple(x, y) for y in xs] for x in xs]
    v.titlin("A mesh surface with hidden lines from three view points", 1)
    views = [(6.0, -7.0, 5.0), (-7.0, -4.0, 2.5), (2.0, -6.0, -3.0)]
    for k, (x, y, zv) in enumerate(views):
        v.axspos(150 + k * 950, 1650)
        v.axslen(800, 800)
        v.view3d(x, y, zv, "ABS")
        v.labdig(0, "xy")
        v.name("x", "x"); v.name("y", "y"); v.name("z", "z")
        v.height(24)
        v.graf3d(-3., 3., -3., 2., -3., 3., -3., 2., -1., 1., -1., 1.)
        v.surclr(250, 50)   # red above, blue below in the rainbow table
        v.surfce(xs, n, xs, n, z)
        v.box3d()
        if k == 1:
            v.height(36)
            v.title()
        v.endgrf()


def helix_page():
    n = 200
    t = [8.0 * math.pi * i / (n - 1) for i in range(n)]
    xs = [math.cos(a) for a in t]
    ys = [math.sin(a) for a in t]
    zs = [a / (8.0 * math.pi) for a in t]
    v.titlin("A helix with symbols over the back planes' grids", 1)
    v.axspos(700, 1850)
    v.axslen(1500, 1500)
    v.name("x", "x"); v.name("y", "y"); v.name("z", "z")
    v.labdig(1, "xyz")
    v.graf3d(-1., 1., -1., 0.5, -1., 1., -1., 0.5, 0., 1., 0., 0.5)
    v.grid3d(1, 1, "ALL")
    v.color("red")
    v.curv3d(xs, ys, zs, n)
    v.color("blue")
    v.marker(21)
    v.hsymbl(20)
    v.incmrk(-10)
    v.curv3d(xs, ys, zs, n)
    v.color("fore")
    v.box3d()
    v.title()


def shaded_page():
    n = 50
    xs = [-3.0 + 6.0 * i / (n - 1) for i in range(n)]
    z = [[ripple(x, y) for y in xs] for x in xs]
    v.titlin("A shaded surface with mesh lines and its colour bar", 1)
    v.axspos(500, 1800)
    v.axslen(1500, 1500)
    v.name("x", "x"); v.name("y", "y"); v.name("z", "z")
    v.labdig(0, "xy"); v.labdig(1, "z")
    v.shdmod("SMOOTH" if raster() else "FLAT", "SURF")
    v.surmsh("ON")
    v.mshclr(1)   # dark lines in the rainbow table
    v.graf3d(-3., 3., -3., 1., -3., 3., -3., 1., -1., 1., -1., 0.5)
    v.zscale(-0.6, 1.0)
    v.surshd(xs, n, xs, n, z)
    v.box3d()
    v.title()
    v.endgrf()
    v.zaxis(-0.6, 1.0, -0.6, 0.2, 1300, "z", 0, 0, 2300, 1750)


def lit_page():
    v.setvlt("GREY")
    v.titlin("Lit spheres on a lit floor", 1)
    v.axspos(700, 1850)
    v.axslen(1500, 1500)
    v.nograf()
    v.view3d(5.0, -6.0, 3.5, "ABS")
    v.graf3d(-2., 2., -2., 1., -2., 2., -2., 1., -2., 2., -2., 1.)
    v.shdmod("SMOOTH" if raster() else "FLAT", "SURF")
    v.light("ON")
    v.litpos(1, 2., -4., 6., "ABS")
    v.matopt(0.7, "DIFF")
    v.matopt(0.2, "SPEC")   # the brightest point stays below the last table entry
    v.matopt(30., "EXPO")
    if raster():
        v.zbfini()   # one buffer for all three, so they hide each other
    v.surtri([-2., 2., 2., -2.], [-2., -2., 2., 2.], [-2.] * 4, 4, [1, 1], [2, 3], [3, 4], 2)
    v.sphe3d(-0.3, 0.5, -0.4, 1.4, 48, 24)
    v.sphe3d(1.2, -1.2, -1.4, 0.6, 32, 16)
    if raster():
        v.zbffin()
    v.color("fore")
    v.box3d()
    v.title()


def torus(a, b, option):
    r = 1.0 + 0.4 * math.cos(b)
    return [r * math.cos(a), r * math.sin(a), 0.4 * math.sin(b)][option - 1]


def shapes_page():
    v.setvlt("GREY")
    v.titlin("A parametric torus and the isosurface of a gyroid", 1)
    mode = "SMOOTH" if raster() else "FLAT"
    v.light("ON")
    v.matopt(0.7, "DIFF")
    for k in range(2):
        v.axspos(250 + 1350 * k, 1700)
        v.axslen(1200, 1200)
        v.nograf()
        v.view3d(4.0, -5.0, 4.5, "ABS")
        v.shdmod(mode, "SURF")
        if k == 0:
            v.graf3d(-1.5, 1.5, -1.5, 0.5, -1.5, 1.5, -1.5, 0.5, -1.5, 1.5, -1.5, 0.5)
            v.surfcp(torus, 0.0, 2 * math.pi, math.pi / 36, 0.0, 2 * math.pi, math.pi / 18)
        else:
            n = 24
            c = [-math.pi + 2 * math.pi * i / (n - 1) for i in range(n)]
            w = [[[math.sin(x) * math.cos(y) + math.sin(y) * math.cos(z) + math.sin(z) * math.cos(x)
                   for z in c] for y in c] for x in c]
            v.graf3d(-math.pi, math.pi, -3., 1., -math.pi, math.pi, -3., 1., -math.pi, math.pi, -3., 1.)
            v.suriso(c, n, c, n, c, n, w, 0.0)
        v.color("fore")
        v.box3d()
        if k == 0:
            v.title()
        v.endgrf()


def columns_page():
    n = 9
    xs = [float(i) for i in range(n)]
    z = [[1.0 + math.sin(x / 2.0) * math.cos(y / 3.0) + (1.5 if (x, y) == (4.0, 4.0) else 0.0) for y in xs]
         for x in xs]
    v.titlin("Columns with hidden lines, and a 2-D plot on the back wall", 1)
    v.axspos(700, 1850)
    v.axslen(1500, 1500)
    v.name("x", "x"); v.name("y", "y"); v.name("z", "z")
    v.labdig(0, "xyz")
    v.graf3d(0., 8., 0., 2., 0., 8., 0., 2., 0., 3., 0., 1.)
    v.box3d()
    v.title()
    # The back wall y = 8 holds the whole page: a 2-D plot of the front row.
    v.grfini(-1., 1., -1., 1., 1., -1., 1., 1., 1.)
    v.axspos(400, 1800)
    v.axslen(2200, 1500)
    v.labdig(0, "xy")
    v.height(60)
    v.graf(0., 8., 0., 2., 0., 3., 0., 1.)
    v.color("red")
    v.curve(xs, [z[i][0] for i in range(n)], n)
    v.color("fore")
    v.endgrf()
    v.grffin()
    # The columns come last, in front of the wall.
    v.polcrv("BARS")
    v.barwth(0.6)
    v.surclr(250, 50)
    v.surmat(z, n, n, 1, 1)
    v.polcrv("LINE")


if __name__ == "__main__":
    write_pages([("gallery_mesh", mesh_page), ("gallery_helix", helix_page), ("gallery_shaded", shaded_page),
                 ("gallery_lit", lit_page), ("gallery_shapes", shapes_page), ("gallery_columns", columns_page)],
                ["png", "eps", "pdf", "svg"], exact_colours=False)
    print("gallery written: gallery_{mesh,helix,shaded,lit,shapes,columns}.{png,eps,pdf,svg}")
