"""The 2-D gallery: axis systems, curves, legends and titles, each page
written as PNG, EPS, PDF and SVG into the current directory (run by `make demo`).

Pages: curves on linear, logarithmic, reversed and crossed axes; date and
time axes; shaded areas and bars with a legend of patterns; a polar plot.
"""
import math

import vantix as v


def page(name, draw):
    for device, ext in (("png", "png"), ("eps", "eps"), ("pdf", "pdf"), ("svg", "svg")):
        v.metafl(device)
        v.setfil("gallery_%s.%s" % (name, ext))
        v.filmod("delete")
        v.scrmod("revers")  # dark curves on white paper in both formats
        v.vtxini()
        v.errmod("protocol", "off")
        v.nochek()  # the crossed system shows only part of its curves on purpose
        v.complx()
        draw()
        v.vtxfin()


def panel(x, y, w, h):
    """Places the next axis system with its lower left corner at (x, y)."""
    v.axspos(x, y)
    v.axslen(w, h)


def curves_page():
    v.height(30)
    v.titlin("Curves on four kinds of axes", 1)
    v.htitle(40)

    # Linear axes: a spline through samples, a step curve and symbols.
    panel(250, 1030, 1150, 620)
    v.name("x", "x"); v.name("f(x)", "y")
    v.labdig(1, "x")
    v.graf(0., 10., 0., 2., -1.5, 1.5, -1.5, 0.5)
    v.title()
    xs = [0.5 + i for i in range(10)]
    ys = [math.sin(x) for x in xs]
    v.legini("", 3, 12)
    v.leglin("", "spline", 1); v.leglin("", "steps", 2); v.leglin("", "samples", 3)
    v.color("blue"); v.thkcrv(8); v.polcrv("spli"); v.curve(xs, ys, len(xs))
    v.thkcrv(1)
    v.color("red"); v.polcrv("step"); v.curve(xs, [0.5 * y for y in ys], len(xs))
    v.color("fore"); v.polcrv("line"); v.incmrk(-1); v.marker(21); v.hsymbl(24)
    v.curve(xs, ys, len(xs))
    v.incmrk(0)
    v.legend("", 6)
    v.endgrf()

    # Logarithmic y: exponential growth with error bars.
    panel(1650, 1030, 1150, 620)
    v.axsscl("log", "y"); v.labels("log", "y")
    v.name("time", "x"); v.name("count", "y")
    v.graf(0., 10., 0., 2., 0., 4., 0., 1.)
    xs = [0.5 * i + 0.5 for i in range(19)]
    ys = [2.0 * math.exp(0.75 * x) for x in xs]
    v.color("green"); v.curve(xs, ys, len(xs))
    v.color("fore"); v.marker(3); v.hsymbl(20)
    ex = xs[::3]
    ey = [2.0 * math.exp(0.75 * x) for x in ex]
    v.errbar(ex, ey, [0.3 * y for y in ey], [0.5 * y for y in ey], len(ex))
    v.endgrf()
    v.axsscl("lin", "y"); v.labels("float", "y")

    # Reversed x axis: stems and stairs.
    panel(250, 1900, 1150, 620)
    v.name("reversed x", "x"); v.name("y", "y")
    v.graf(10., 0., 10., -2., 0., 5., 0., 1.)
    xs = [float(i) for i in range(1, 10)]
    ys = [2.5 + 2 * math.sin(x) for x in xs]
    v.color("red"); v.polcrv("stem"); v.curve(xs, ys, len(xs))
    v.color("blue"); v.polcrv("stai"); v.curve(xs, ys, len(xs))
    v.color("fore"); v.polcrv("line")
    v.endgrf()

    # Crossed axes through the origin: a cubic and its derivative.
    panel(1650, 1900, 1150, 620)
    v.axstyp("cros")
    v.name("", "x"); v.name("", "y")
    v.graf(-2., 2., -2., 1., -4., 4., -4., 2.)
    xs = [-2 + 0.04 * i for i in range(101)]
    v.color("magenta"); v.curve(xs, [x ** 3 - 2 * x for x in xs], len(xs))
    v.color("cyan"); v.lintyp(2); v.curve(xs, [3 * x * x - 2 for x in xs], len(xs))
    v.solid(); v.color("fore")
    v.endgrf()
    v.axstyp("rect")


def time_page():
    v.height(30)
    v.titlin("Date and time axes", 1)
    v.htitle(40)

    # A quarter of daily values on a date axis.
    panel(300, 950, 2400, 650)
    v.basdat(1, 1, 2024)
    v.labels("date", "x"); v.ticks(1, "x")
    v.name("date", "x"); v.name("temperature", "y")
    v.graf(0., 90., 0., 15., -5., 25., -5., 5.)
    v.title()
    days = [float(d) for d in range(91)]
    temps = [8 + 10 * math.sin((d - 20) / 90 * math.pi) + 3 * math.sin(d * 1.7) for d in days]
    v.color("red"); v.curve(days, temps, len(days))
    v.color("blue"); v.polcrv("spli"); v.splmod(3, 400)
    v.curve(days[::10], temps[::10], 10)
    v.polcrv("line"); v.color("fore")
    v.endgrf()
    v.labels("float", "x"); v.ticks(2, "x")

    # One day in hours and minutes on a time axis.
    panel(300, 1900, 2400, 650)
    v.labels("time", "x")
    v.name("time of day", "x"); v.name("load", "y")
    v.graf(0., 86400., 0., 10800., 0., 100., 0., 20.)
    secs = [600.0 * i for i in range(145)]
    load = [50 + 35 * math.sin((s / 86400 - 0.3) * 2 * math.pi) for s in secs]
    v.color("green"); v.polcrv("fbar"); v.barwth(-6); v.curve(secs[::6], load[::6], len(secs[::6]))
    v.color("blue"); v.polcrv("line"); v.thkcrv(6); v.curve(secs, load, len(secs))
    v.thkcrv(1); v.color("fore")
    v.endgrf()
    v.labels("float", "x")


def area_page():
    v.height(32)
    v.titlin("Shaded areas and bars", 1)
    v.titlin("legend with patterns and symbols", 3)
    v.htitle(40)
    panel(350, 1800, 2000, 1350)
    v.name("x", "x"); v.name("y", "y")
    v.graf(0., 12., 0., 2., 0., 10., 0., 2.)
    v.title()
    v.legini("", 5, 16)
    for i, text in enumerate(("between curves", "under a curve", "bars", "upper curve", "lower curve")):
        v.leglin("", text, i + 1)
    v.shield("lege", "on")  # curves drawn after the first entry keep out of the legend
    xs = [0.1 * i for i in range(121)]
    upper = [6 + 1.5 * math.sin(x) for x in xs]
    lower = [4 + 1.0 * math.cos(1.3 * x) for x in xs]
    v.color("orange"); v.shdpat(16)
    v.shdcrv(xs, upper, len(xs), xs, lower, len(xs))
    v.color("cyan"); v.shdpat(5)
    v.shdcrv(xs, lower, len(xs), [0., 12.], [0.5, 0.5], 2)
    v.color("blue"); v.polcrv("bars"); v.barwth(0.6)
    v.curve([1., 3., 5., 7., 9., 11.], [8.5, 9.2, 8.8, 9.5, 9.0, 8.2], 6)
    v.polcrv("line"); v.incmrk(10); v.marker(2)
    v.color("red"); v.curve(xs, upper, len(xs))
    v.color("green"); v.marker(16); v.curve(xs, lower, len(xs))
    v.incmrk(0); v.color("fore")
    v.legtit("Legend")
    v.legend("", 7)
    v.endgrf()


def polar_page():
    v.height(30)
    v.titlin("A polar plot", 1)
    v.htitle(40)
    panel(700, 1800, 1500, 1500)
    v.polar(1.2, 0., 0.2, 0., 30.)
    v.title()
    phis = [2 * math.pi * i / 360 for i in range(361)]
    v.color("red"); v.thkcrv(3)
    v.curve([abs(math.cos(2 * p)) for p in phis], phis, len(phis))
    v.thkcrv(1)
    v.color("blue"); v.polcrv("stem"); v.incmrk(1); v.marker(21); v.hsymbl(20)
    angles = [2 * math.pi * i / 12 for i in range(12)]
    v.curve([0.5 + 0.4 * math.sin(3 * a) for a in angles], angles, len(angles))
    v.incmrk(0); v.polcrv("line"); v.color("fore")
    v.endgrf()


if __name__ == "__main__":
    page("curves", curves_page)
    page("time", time_page)
    page("areas", area_page)
    page("polar", polar_page)
    print("gallery written: gallery_{curves,time,areas,polar}.{png,eps,pdf,svg}")
