"""Plots in one call: each kind on a PNG file at level 0, inside a plot
already open at levels 1 and 2, the warnings of the bar and contour plots,
the contour heights in another unit system, and the window they open when
no device was chosen."""
import pytest
from PIL import Image

import x11_server

N, M = 30, 20
MATRIX = "z = [[math.sin(i / 5) * math.cos(j / 4) for j in range(%d)] for i in range(%d)]" % (M, N)


def image(path):
    with Image.open(path) as im:
        return im.convert("RGB")


def lit(im, box):
    """Pixels in box (x0, y0, x1, y1) that are not the black background."""
    x0, y0, x1, y1 = box
    return sum(1 for x in range(x0, x1) for y in range(y0, y1) if im.getpixel((x, y)) != (0, 0, 0))


def runs(im, y, x0, x1):
    """Lengths of the runs of lit pixels along row y."""
    out, length = [], 0
    for x in range(x0, x1):
        if im.getpixel((x, y)) != (0, 0, 0):
            length += 1
        elif length:
            out.append(length)
            length = 0
    return out + ([length] if length else [])


# Inside the axis frame of the default page at PNG resolution (853 x 603).
INSIDE = (195, 140, 690, 485)
# Between two symbols of the falling slope of the sine in the first test.
SLOPE = (359, 342, 368, 366)


def test_every_kind_at_level_0_draws_a_whole_plot_on_the_chosen_file(run, tmp_path):
    out = run("""
import math
v.metafl("PNG")
xs = [i * 0.25 for i in range(40)]
ys = [math.sin(x) * 3 + 1 for x in xs]
%s
for name, call in [("curve", lambda: v.qplot(xs, ys, 40)), ("scatter", lambda: v.qplsca(xs, ys, 40)),
                   ("bars", lambda: v.qplbar([3.0, 5.0, 1.0, 7.0, 4.0], 5)),
                   ("pie", lambda: v.qplpie([1.0, 2.0, 3.0, 4.0], 4)),
                   ("colour", lambda: v.qplclr(z, %d, %d)), ("surface", lambda: v.qplsur(z, %d, %d)),
                   ("contour", lambda: v.qplcon(z, %d, %d, 9))]:
    v.setfil(name + ".png")
    call()
    print(name, v.getlev())
""" % (MATRIX, N, M, N, M, N, M))
    assert out.warnings() == []
    assert out.stdout.count("END OF VANTIX") == 7
    assert [line.split()[1] for line in out.stdout.splitlines() if line[:1].isalpha()] == ["0"] * 7

    curve, scatter = image(tmp_path / "curve.png"), image(tmp_path / "scatter.png")
    assert lit(curve, INSIDE) > 500
    # the scatter plot has symbols only: between two symbols the curve's line is missing
    assert lit(curve, SLOPE) > 0 and lit(scatter, SLOPE) == 0

    # five solid bars on the axis line, the fourth (7) 7/5 the height of the second (5)
    bars = image(tmp_path / "bars.png")
    assert len(runs(bars, 480, 192, 695)) == 5
    column = lambda x: sum(1 for y in range(140, 492) if bars.getpixel((x, y)) != (0, 0, 0))
    assert abs(column(545) / column(340) - 7 / 5) < 0.05

    pie = image(tmp_path / "pie.png")
    colours = {pie.getpixel((x, y)) for x in range(250, 630, 5) for y in range(130, 500, 5)}
    assert {(255, 0, 0), (0, 255, 0), (255, 255, 0)} <= colours

    colour = image(tmp_path / "colour.png")
    assert len({colour.getpixel((x, y)) for x in range(190, 700, 7) for y in range(135, 490, 7)}) > 30
    assert lit(image(tmp_path / "surface.png"), (300, 230, 600, 470)) > 2000
    assert lit(image(tmp_path / "contour.png"), INSIDE) > 2000


def test_inside_an_open_plot_the_opening_is_skipped_and_the_plot_finished(run, tmp_path):
    out = run("""
v.metafl("PNG")
v.setfil("one.png")
v.vtxini()
v.titlin("A title above the curve", 2)
v.qplot([1.0, 2.0, 3.0], [1.0, 4.0, 9.0], 3)
print("after", v.getlev())
v.setfil("two.png")
v.vtxini()
v.graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)
v.qplot([1.0, 2.0, 3.0], [1.0, 4.0, 9.0], 3)
print("after", v.getlev())
""")
    assert out.stdout.count("after 0") == 2
    assert out.stdout.count("END OF VANTIX") == 2
    # at level 2 the scaling and the axis system are refused by their own routines
    assert [w.split("in ")[1].split("!")[0] for w in out.warnings()] == ["SETSCL", "SETSCL", "GRAF"]
    one = image(tmp_path / "one.png")
    assert lit(one, (195, 60, 690, 125)) > 100       # the title above the axis system
    assert lit(one, (0, 0, 853, 3)) > 800            # the page border


def test_warnings_of_too_many_bars_and_no_contour_levels(run, tmp_path):
    out = run("""
v.metafl("PNG")
v.setfil("bars.png")
v.qplbar([float(i % 7 + 1) for i in range(150)], 150)
v.setfil("contour.png")
z = [[float(i + j) for j in range(5)] for i in range(6)]
v.qplcon(z, 6, 5, 0)
v.setfil("eight.png")
v.qplcon(z, 6, 5, 8)
""")
    assert out.warnings() == [" <<<< Warning 101: too many points in qplbar in QPLBAR!",
                              " <<<< Warning 101: bad number of levels in qplcon in QPLCON!"]
    # values cycle 1..7: the first 100 hold fourteen 7s (150 would hold 21),
    # the only bars that reach above 6.5
    assert len(runs(image(tmp_path / "bars.png"), 258, 192, 695)) == 14
    assert "out of axis scaling" not in out.stdout
    assert image(tmp_path / "contour.png").tobytes() == image(tmp_path / "eight.png").tobytes()


def test_one_contour_level_lies_at_the_minimum_with_heights_in_the_unit_system(run, tmp_path):
    # the same plot composed by hand: inch units make the heights 10 and 14
    run("""
v.metafl("PNG")
v.units("INCH")
z = [[max(abs(i - 4), 1) + 0.5 for j in range(7)] for i in range(9)]
v.setfil("quick.png")
v.qplcon(z, 9, 7, 1)
v.setfil("hand.png")
v.vtxini()
v.pagera()
v.hwfont()
v.setscl([1.0, 9.0], 2, "x")
v.setscl([1.0, 7.0], 2, "y")
v.labels("float", "contour")
v.graf(0, 0, 0, 0, 0, 0, 0, 0)
v.height(10)
v.conmat(z, 9, 7, 1.5)
v.height(14)
v.title()
v.vtxfin()
""")
    quick, hand = image(tmp_path / "quick.png"), image(tmp_path / "hand.png")
    assert lit(quick, INSIDE) > 300   # the rim of the lowest band with its labels
    assert quick.tobytes() == hand.tobytes()


@pytest.mark.skipif(bool(x11_server.tools_missing()), reason="needs Xvfb, xdotool and import")
def test_without_a_device_the_quick_plot_opens_the_window(run, tmp_path):
    server = x11_server.Server()
    try:
        out = run("""
import subprocess
# The window waits at the end for the right mouse button; capture it first.
subprocess.Popen(["sh", "-c", "w=$(xdotool search --sync --name VANTIX | head -1); sleep 0.5; "
                  "import -window $w shown.png; xdotool mousemove --window $w 100 100 click 3"])
v.qplot([1.0, 2.0, 3.0, 4.0], [1.0, 4.0, 9.0, 16.0], 4)
print('level', v.getlev())
""", env={"DISPLAY": server.display})
    finally:
        server.stop()
    assert "level 0" in out.stdout and out.warnings() == []
    shown = image(tmp_path / "shown.png")
    w, h = shown.size
    assert lit(shown, (w // 4, h // 4, 3 * w // 4, 3 * h // 4)) > 200
