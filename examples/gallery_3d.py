"""3-D plots: a mesh surface with hidden lines seen from three view points,
and a helix with symbols over the grids of the box's back planes. Each page
is written as PNG, EPS, PDF and SVG (gallery_mesh.* and gallery_helix.*)."""
import math

import vantix as v

DEVICES = [("png", "png"), ("eps", "eps"), ("pdf", "pdf"), ("svg", "svg")]


def page(device, filename, draw):
    v.metafl(device)
    v.setfil(filename)
    v.filmod("delete")
    if device == "png":
        v.scrmod("REVERS")   # black on white
    v.vtxini()
    v.errmod("PROT", "OFF")
    v.complx()
    draw()
    v.vtxfin()
    v.scrmod("AUTO")


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


if __name__ == "__main__":
    for device, ext in DEVICES:
        page(device, "gallery_mesh." + ext, mesh_page)
        page(device, "gallery_helix." + ext, helix_page)
    print("gallery written: gallery_{mesh,helix}.{png,eps,pdf,svg}")
