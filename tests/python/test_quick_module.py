"""The module's quick plots and the plot variables of setvar: the variable
table, scaling from the variables, ERASE, conversion errors that leave an
open plot alone, the ten default contour levels, and the window that a quick
plot opens when the caller chose no device."""
import pytest
from PIL import Image, ImageChops

import x11_server

CURVE = "xs = [0.3 + i * 0.94 for i in range(11)]\nys = [x * x for x in xs]\n"


def image(path):
    with Image.open(path) as im:
        return im.convert("RGB")


def same_pixels(a, b):
    a, b = image(a), image(b)
    return a.size == b.size and ImageChops.difference(a, b).getbbox() is None


def lit(im):
    return {xy for xy, p in zip(((x, y) for y in range(im.size[1]) for x in range(im.size[0])), im.getdata())
            if p != (0, 0, 0)}


def test_variable_table_types_names_order_and_reapplication(run):
    out = run("""
def error(*args):
    try:
        v.setvar(*args)
    except Exception as e:
        return "%s: %s" % (type(e).__name__, e)
print(error("NOSUCH", 1), "|", error("xlen3", 1))
print(error("XLEN", "wide"))
print(error("t1", 5))
name = "Hsymbl"
v.setvar(name, 50)           # at level 0: stored, applied at the next vtxini
v.setvar("marker", 7)
print(name)
v.metafl("PNG")
v.setfil("/dev/null")
v.vtxini()                   # the defaults first, then every set variable
print(v.getsym())
v.setvar("xLen", 1500)       # applied at once, the y length kept
print(v.getlen()[:2])
v.scattr([1.0, 2.0], [3.0, 4.0])  # its own marker 3 and height 10 give way to the variables;
                                  # the curve then moves on to the next symbol
print(v.getsym(), v.getlen()[:2])
v.vtxfin()
v.vtxini()
print(v.getsym(), v.getlen()[:2])
""")
    lines = [line for line in out.stdout.splitlines() if line[:1] not in ("", " ")]
    assert lines[:4] == ["ValueError: undefined variable | ValueError: undefined variable",
                         "TypeError: 'str' object cannot be interpreted as an integer",
                         "TypeError: setvar() argument 2 must be str, not int", "Hsymbl"]
    assert lines[4:8] == ["(7, 50)", "(1500, 1259)", "(8, 50) (1500, 1259)", "(7, 50) (1500, 1259)"]
    assert out.warnings() == []


def test_scaling_from_the_data_or_from_the_variables(run):
    out = run("""
v.metafl("PNG")
v.setfil("/dev/null")
""" + CURVE + """
def scaled(axis="X"):
    v.plot(xs, ys)
    return " ".join("%g" % f for f in v.getgrf(axis))
print(scaled())
v.setvar("XMIN", 0.0); v.setvar("XMAX", 20.0)
print(scaled())                              # automatic over exactly 0 .. 20
v.setvar("XOR", 2.0); v.setvar("XSTEP", 7.0)
print(scaled())                              # the axis fixed as given
v.setvar("XAUTO", 1)
print(scaled())                              # the data range again
v.setvar("YSCL", "LOG"); v.setvar("YMIN", -1); v.setvar("YMAX", 3)
print(scaled("Y"), v.getscl())               # exponents on a logarithmic axis
""")
    assert out.stdout.splitlines()[:5] == ["0.3 9.7 2 2", "0 20 0 5", "0 20 2 7", "0.3 9.7 2 2",
                                           "-1 3 -1 1 (0, 1, 0)"]
    assert out.warnings() == []


def test_erase_0_draws_the_second_plot_over_the_first(run, tmp_path):
    run("""
v.metafl("PNG")
for name, data in [("first", [1.0, 9.0]), ("second", [9.0, 1.0])]:
    v.setfil(name + ".png")
    v.plot([0.0, 10.0], data)
    v.vtxfin()
v.setfil("erased.png")
v.plot([0.0, 10.0], [1.0, 9.0])
v.plot([0.0, 10.0], [9.0, 1.0])
v.vtxfin()
v.setfil("kept.png")
v.plot([0.0, 10.0], [1.0, 9.0])
v.setvar("ERASE", 0)
v.plot([0.0, 10.0], [9.0, 1.0])
v.vtxfin()
""")
    first, second = lit(image(tmp_path / "first.png")), lit(image(tmp_path / "second.png"))
    assert same_pixels(tmp_path / "erased.png", tmp_path / "second.png")
    assert lit(image(tmp_path / "kept.png")) == first | second and first - second


def test_conversion_errors_draw_nothing_and_leave_the_plot_alone(run, tmp_path):
    out = run("""
def error(call, *args):
    try:
        call(*args)
    except Exception as e:
        return "%s: %s" % (type(e).__name__, e)
print(error(v.plot, [1.0, 2.0, 3.0], [1.0, 2.0, 3.0, 4.0]), v.getlev())   # no window opened
v.metafl("PNG")
for name in ("plain", "tried"):
    v.setfil(name + ".png")
    v.plot([0.0, 10.0], [1.0, 9.0])
    if name == "tried":
        print(error(v.plot3, [1.0, 2.0], [1.0, 2.0], [1.0]))
        print(error(v.surface, [1.0, 2.0], [1.0, 2.0], [[1.0, 2.0], [3.0]]))
        print(error(v.contour, [1.0, 2.0], [1.0, 2.0], [1.0, 2.0, 3.0]))
        print(error(v.scattr, [1.0, None], [1.0, 2.0]), v.getlev())
    v.vtxfin()
""")
    assert [line for line in out.stdout.splitlines() if line[:1].isalpha()] == [
                                           "ValueError: mismatch of array sizes 0",
                                           "ValueError: mismatch of array sizes",
                                           "ValueError: matrix rows have different lengths",
                                           "MemoryError: out of range",
                                           "ValueError: no floatingpoint element in sequence 2"]
    assert same_pixels(tmp_path / "plain.png", tmp_path / "tried.png")


def test_contour_without_levels_draws_ten_equal_levels_from_min_to_max(run, tmp_path):
    run("""
v.metafl("PNG")
xs = [float(i) for i in range(12)]
ys = [float(j) for j in range(9)]
z = [[(i - 5.5) ** 2 + 2 * (j - 4) ** 2 - 3 for j in range(9)] for i in range(12)]
flat = [value for row in z for value in row]
lo, hi = min(flat), max(flat)
v.setfil("default.png")
v.contour(xs, ys, z)
v.vtxfin()
v.setfil("ten.png")
v.contour(xs, ys, z, [lo + i * (hi - lo) / 9 for i in range(10)])
v.vtxfin()
v.setfil("nine.png")
v.contour(xs, ys, z, [lo + i * (hi - lo) / 8 for i in range(9)])
v.vtxfin()
""")
    assert same_pixels(tmp_path / "default.png", tmp_path / "ten.png")
    assert not same_pixels(tmp_path / "default.png", tmp_path / "nine.png")


def test_every_quick_plot_on_file_devices(run, tmp_path):
    out = run("""
import math
xs = [i / 2 for i in range(21)]
ys = [j / 2 for j in range(16)]
z = [[math.sin(a / 2) * math.cos(b / 2) for b in ys] for a in xs]
calls = [("plot", (xs, [x * x for x in xs])), ("scattr", (xs, [x * x for x in xs])),
         ("plot3", (xs, xs, xs)), ("surface", (xs, ys, z)), ("surshade", (xs, ys, z)),
         ("surf3", (xs, ys, z)), ("contour", (xs, ys, z)), ("conshade", (xs, ys, z, [-1 + i / 5 for i in range(11)]))]
for device in ("PNG", "PDF", "SVG"):
    v.metafl(device)
    for name, args in calls:
        v.setfil("%s.%s" % (name, device.lower()))
        getattr(v, name)(*args)
        print(name, v.getlev())
        v.vtxfin()
""")
    assert out.warnings() == []
    levels = [line.split()[1] for line in out.stdout.splitlines() if line[:1].isalpha()]
    assert levels == ["2", "2", "3", "3", "3", "3", "2", "2"] * 3
    # surf3: each value a cell of its own colour, the cells meeting without gaps
    cells = image(tmp_path / "surf3.png")
    row = [cells.getpixel((x, 300)) for x in range(200, 680)]
    assert (0, 0, 0) not in row and len(set(row)) > 10


def test_without_a_display_the_first_quick_plot_stops_at_the_window(run):
    out = run("v.plot([1.0, 2.0], [1.0, 2.0])\nprint('not reached')\n")
    assert out.stdout.splitlines() == [" <<<< X-Window display cannot be opened!",
                                       "        **** STOP in VTXINI ****"]


@pytest.mark.skipif(bool(x11_server.tools_missing()), reason="needs Xvfb and xdotool")
def test_without_metafl_a_quick_plot_draws_in_the_window(run, tmp_path):
    server = x11_server.Server()
    try:
        script = """
v.%s
v.plot([0.0, 10.0], [1.0, 9.0])
v.plot([0.0, 10.0], [9.0, 1.0])
print(v.getmfl(), v.getlev())
v.winmod("NONE")
%s
v.vtxfin()
"""
        run(script % ('metafl("PNG"); v.winsiz(1280, 905)', ""))
        out = run(script % ('getlev()', 'v.rpng("shown.png")'), env={"DISPLAY": server.display})
    finally:
        server.stop()
    assert out.stdout.splitlines()[0] == "XWIN 2"
    assert same_pixels(tmp_path / "vantix.png", tmp_path / "shown.png")
