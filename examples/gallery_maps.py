"""Maps: one map per projection group, each with the base map's coastlines,
a grid and great-circle routes. A Mercator map, a Winkel tripel world with
contour lines of a field, a conformal conic map of Europe with shaded land
areas, an orthographic view of the northern hemisphere and an equidistant
conic map of the North Pacific whose land and lakes are shaded on both sides
of the date line. Each page is written as PNG, PDF and SVG (gallery_map_*.*)."""
import math

import vantix as v

from gallery_pages import write_pages

ROUTES = [((-0.1, 51.5), (139.7, 35.7)),     # London - Tokyo
          ((139.7, 35.7), (-122.4, 37.8)),   # Tokyo - San Francisco, across the date line
          ((-74.0, 40.7), (18.4, -33.9))]    # New York - Cape Town


def great_circle(a, b, n=120):
    """Points of the great circle from a to b (longitude, latitude in degrees)."""
    (l1, p1), (l2, p2) = [(math.radians(x), math.radians(y)) for x, y in (a, b)]
    d = math.acos(math.sin(p1) * math.sin(p2) + math.cos(p1) * math.cos(p2) * math.cos(l2 - l1))
    xs, ys = [], []
    for i in range(n + 1):
        f = i / n
        s, t = math.sin((1 - f) * d) / math.sin(d), math.sin(f * d) / math.sin(d)
        x = s * math.cos(p1) * math.cos(l1) + t * math.cos(p2) * math.cos(l2)
        y = s * math.cos(p1) * math.sin(l1) + t * math.cos(p2) * math.sin(l2)
        z = s * math.sin(p1) + t * math.sin(p2)
        xs.append(math.degrees(math.atan2(y, x)))
        ys.append(math.degrees(math.atan2(z, math.hypot(x, y))))
    return xs, ys


def routes():
    v.color("red")
    v.thkcrv(3)
    for a, b in ROUTES:
        xs, ys = great_circle(a, b)
        v.curvmp(xs, ys, len(xs))
    v.thkcrv(1)
    v.color("fore")


def place(width, height):
    """An axis rectangle of the given size, centred across the page, its
    lower edge 250 plot units above the page's bottom."""
    v.axspos((2970 - width) // 2, 1850)
    v.axslen(width, height)


def base(grid_colour="blue"):
    v.world()
    v.color(grid_colour)
    v.gridmp(1, 1)
    v.color("fore")


def cylindrical():
    v.projct("MERC")
    place(2000, 1421)
    v.grafmp(-180., 180., -180., 60., -75., 80., -60., 20.)
    base()
    routes()
    v.titlin("Mercator: great circles are curves, the date line is crossed", 1)
    v.title()


def elliptical():
    v.projct("WINK")
    v.mpaepl(1); v.mplsiz(28)
    place(2300, 1300)
    v.grafmp(-180., 180., -180., 60., -90., 90., -90., 30.)
    # A smooth field on a 5-degree grid, contoured through the projection.
    lons = [-180.0 + 5 * i for i in range(73)]
    lats = [-90.0 + 5 * j for j in range(37)]
    z = [[math.cos(math.radians(2 * lo)) * math.cos(math.radians(la)) ** 2 +
          0.5 * math.sin(math.radians(3 * la)) for la in lats] for lo in lons]
    for k, level in enumerate([-1.0, -0.6, -0.2, 0.2, 0.6, 1.0]):
        v.color(["blue", "cyan", "green", "orange", "red", "magenta"][k])
        v.contur(lons, len(lons), lats, len(lats), z, level)
    v.color("fore")
    v.world()
    v.gridmp(2, 1)
    routes()
    v.titlin("Winkel tripel world with contour lines of a field", 1)
    v.title()


def conical():
    v.projct("CONF")
    place(1800, 1400)
    v.grafmp(-20., 45., -20., 10., 30., 72., 30., 10.)
    # Land of the base map, then the 47 countries of Europe in turn in five
    # colours, filled before the coastlines are drawn.
    v.shdpat(16)
    v.color("yellow")
    v.shdmap("ALL")
    v.color("fore")
    n = 47
    v.shdeur(list(range(1, n + 1)), [16] * n, [(40, 75, 110, 150, 235)[i % 5] for i in range(n)], n)
    base()
    xs, ys = great_circle((-9.1, 38.7), (37.6, 55.8))   # Lisbon - Moscow
    v.color("red"); v.thkcrv(3)
    v.curvmp(xs, ys, len(xs))
    v.thkcrv(1); v.color("fore")
    v.titlin("Conformal conic map of Europe with its countries: Lisbon - Moscow", 1)
    v.title()


def azimuthal():
    v.projct("ORTH")
    v.mappol(10., 50.)
    v.mpaepl(1); v.mplsiz(28); v.mplpos(10, 10)
    place(1450, 1450)
    v.grafmp(-180., 180., -180., 30., -90., 90., -90., 30.)
    base()
    routes()
    v.titlin("Orthographic view centred on 10 E, 50 N", 1)
    v.title()


def pacific():
    v.projct("CONI")
    place(2300, 1300)
    v.grafmp(90., 270., 90., 20., 15., 75., 15., 10.)
    v.shdpat(16)
    v.color("yellow"); v.shdmap("ALL")
    v.color("cyan"); v.shdmap("LAKE")
    v.color("fore")
    base()
    # The date line labelled where the meridians cross the middle of the map.
    v.xaxmap(90., 270., 90., 10., "", 1, 1850 - 650)
    xs, ys = great_circle((139.7, 35.7), (-122.4, 37.8))
    v.color("red"); v.thkcrv(3)
    v.curvmp(xs, ys, len(xs))
    v.thkcrv(1); v.color("fore")
    v.titlin("Equidistant conic map of the North Pacific: Tokyo - San Francisco", 1)
    v.title()


def main():
    write_pages([("gallery_map_cylindrical", cylindrical), ("gallery_map_elliptical", elliptical),
                 ("gallery_map_conical", conical), ("gallery_map_azimuthal", azimuthal),
                 ("gallery_map_pacific", pacific)],
                ["png", "pdf", "svg"], exact_colours=False)


if __name__ == "__main__":
    main()
