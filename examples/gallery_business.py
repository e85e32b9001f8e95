"""Business graphics and figures: every geometric figure and every arrow form,
a field of wind barbs and a vector field, a flat pie with an exploded segment
and aligned outside labels, a tilted pie, grouped and horizontal bars, and
3-D bars in a 3-D box. Each page is written as PNG, PDF and SVG
(gallery_figures.*, gallery_fields.*, gallery_pies.*, gallery_business_bars.*,
gallery_bars3d.*)."""
import vantix as v

from gallery_pages import write_pages

def caption(text, x, y):
    v.height(26)
    v.messag(text, x, y)
    v.height(36)


def figures_page():
    v.height(40)
    v.messag("Figures in plot coordinates and every arrow form", 80, 40)
    v.height(36)
    # Row 1: outlined, hatched and solid curved figures.
    v.circle(250, 330, 150)
    caption("circle", 190, 500)
    v.color("red"); v.shdpat(16)
    v.pie(600, 330, 150, 30.0, 300.0)
    v.color("fore"); caption("pie 30..300", 520, 500)
    v.color("blue"); v.shdpat(5)
    v.ellips(1000, 330, 180, 100)
    v.color("fore"); caption("ellips (hatched)", 890, 500)
    v.shdpat(0)
    v.arcell(1400, 330, 180, 100, 350.0, 180.0, 30.0)
    caption("arcell, turned 30", 1280, 500)
    v.color("green"); v.sector(1800, 330, 60, 150, 20.0, 250.0, -1)
    v.color("fore"); caption("sector", 1740, 500)
    v.sector(2200, 330, 80, 150, 0.0, 0.0, 150)
    caption("sector, whole ring", 2080, 500)
    v.noarln(); v.shdpat(16); v.color("magenta")
    v.circle(2600, 330, 130)
    v.shdpat(0); v.color("fore")
    caption("noarln + filled", 2480, 500)
    v.reset("NOARLN")
    # Row 2: rectangles and boxes.
    v.rectan(100, 600, 300, 200)
    caption("rectan", 190, 830)
    v.rndrec(500, 600, 300, 200, 40)
    caption("rndrec 40", 580, 830)
    v.color("orange"); v.shdpat(16)
    v.rndrec(900, 600, 300, 200, 100)
    v.color("fore"); v.shdpat(0)
    caption("rndrec 100, filled", 920, 830)
    v.recfll(1300, 600, 300, 200, 200)
    caption("recfll", 1390, 830)
    for i, colour in enumerate((50, 100, 150, 200, 250)):
        v.point(1750 + 80 * i, 700, 60, 60 + 25 * i, colour)
    caption("point", 1860, 830)
    v.circsp(40)
    v.circle(2400, 700, 120)
    v.circsp(10)
    caption("circsp 40", 2330, 830)
    # Rows 3 and 4: the arrow forms (head form 0..3 by row, position 0..3 by column, two sizes).
    y0 = 960
    for form in range(4):
        y = y0 + 260 * form
        caption("form %d" % form, 80, y + 100)
        for pos in range(4):
            for k, (ratio, size) in enumerate(((1, 3), (3, 6))):
                code = 1000 * ratio + 100 * size + 10 * form + pos
                x = 350 + 650 * pos + 320 * k
                v.vector(x, y + 180, x + 260, y + 20, code)
                caption("%04d" % code, x + 60, y + 200)
    v.color("fore")


def fields_page():
    v.titlin("Wind barbs and a vector field in user coordinates", 1)
    v.axspos(250, 1850); v.axslen(1200, 1500)
    v.name("x", "x"); v.name("y", "y")
    v.graf(0., 6., 0., 1., 0., 8., 0., 1.)
    v.title()
    v.hsymbl(40)
    speeds = [0., 5., 10., 15., 25., 35., 50., 65., 80., 105.]
    for i in range(5):
        for j in range(7):
            s = speeds[(i + j) % len(speeds)]
            v.rlwind(s, 1.0 + i, 1.0 + j, 150, 30.0 * i + 15.0 * j)
    v.endgrf()
    v.axspos(1650, 1850); v.axslen(1200, 1500)
    v.graf(-2., 2., -2., 1., -2., 2., -2., 1.)
    n = 8
    x1, y1, x2, y2 = [], [], [], []
    for i in range(n):
        for j in range(n):
            x, y = -1.6 + 3.2 * i / (n - 1), -1.6 + 3.2 * j / (n - 1)
            u, w = -y * 0.3 + 0.1, x * 0.3
            x1.append(x); y1.append(y); x2.append(x + u); y2.append(y + w)
    v.color("blue")
    v.field(x1, y1, x2, y2, n * n, 1201)
    v.color("red")
    v.rlcirc(0., 0., 1.0)
    v.rlvec(-1.8, -1.85, 1.8, -1.85, 2422)
    v.color("fore")
    v.endgrf()


def pies_page():
    v.height(40)
    v.messag("A flat pie with aligned labels and a tilted pie", 80, 40)
    v.height(36)
    v.axspos(420, 1500); v.axslen(900, 900)
    v.chnpie("COLO"); v.shdpat(16)
    v.labels("DATA", "PIE"); v.labpos("ALIG", "PIE"); v.pielab(" TWh", "RIGH")
    v.labdig(-1, "PIE")
    v.piegrf("Coal\nGas\nWind\nSolar\nHydro", 1, [30., 25., -15., 20., 10.], 5)
    v.endgrf()
    v.axspos(1750, 1400); v.axslen(900, 900)
    v.pietyp("3D"); v.pieopt(0.2, 40.0)
    v.labels("PERC", "PIE"); v.labpos("INTE", "PIE"); v.pielab("%", "RIGH"); v.labdig(1, "PIE")
    v.pievec(2311, "STRA")
    v.piegrf("", 0, [40., 25., 15., 12., 8.], 5)


def bars_page():
    v.titlin("Grouped bars and 3-D horizontal bars with labels", 1)
    v.axspos(250, 1700); v.axslen(1200, 1300)
    v.name("quarter", "x"); v.name("sales", "y")
    v.labdig(-1, "x"); v.ticks(1, "x")
    v.graf(0.5, 4.5, 1., 1., 0., 120., 0., 20.)
    v.title()
    v.bargrp(3, 0.1)
    v.labels("SECOND", "BARS"); v.labdig(-1, "BARS")
    x = [1., 2., 3., 4.]
    for values, colour in (([35., 60., 45., 80.], "red"), ([50., 40., 70., 65.], "green"),
                           ([20., 55., 30., 90.], "blue")):
        v.color(colour); v.shdpat(16)
        v.bars(x, [0.] * 4, values, 4)
    v.color("fore")
    v.endgrf()
    v.bargrp(1, 0.0)
    v.axspos(1700, 1700); v.axslen(1100, 1300)
    v.bartyp("3DHO"); v.baropt(30., 45.)
    v.name("share", "x"); v.name("region", "y")
    v.labdig(-1, "xy")
    v.graf(0., 50., 0., 10., 0.5, 4.5, 1., 1.)
    v.color("orange"); v.shdpat(16)
    v.bars([1., 2., 3., 4.], [0.] * 4, [12., 33., 27., 45.], 4)
    v.color("fore")
    v.endgrf()


def bars3d_page():
    v.titlin("3-D bars: four products over five years", 1)
    v.axspos(650, 1950); v.axslen(1700, 1700)
    v.axis3d(3., 2.4, 2.)
    v.view3d(-5., -7.5, 5., "ABS")
    v.height(30)
    v.name("year", "x"); v.name("product", "y"); v.name("sales", "z")
    v.labdig(-1, "xyz")
    v.graf3d(0.5, 5.5, 1., 1., 0.5, 4.5, 1., 1., 0., 10., 0., 2.)
    v.box3d()
    v.title()
    x, y, z1, z2, colours = [], [], [], [], []
    palette = []
    for name in ("red", "orange", "green", "blue"):
        v.color(name)
        palette.append(v.getclr())
    v.color("fore")
    for product in range(4):
        for year in range(5):
            x.append(1. + year); y.append(1. + product)
            z1.append(0.); z2.append(2. + 1.5 * year * (4 - product) / 4 + product)
            colours.append(palette[product])
    n = len(x)
    v.bars3d(x, y, z1, z2, [0.6] * n, [0.6] * n, colours, n)


if __name__ == "__main__":
    write_pages([("gallery_figures", figures_page), ("gallery_fields", fields_page), ("gallery_pies", pies_page),
                 ("gallery_business_bars", bars_page), ("gallery_bars3d", bars3d_page)], ["png", "pdf", "svg"])
    print("gallery written: gallery_{figures,fields,pies,business_bars,bars3d}.{png,pdf,svg}")
