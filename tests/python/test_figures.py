"""Geometric figures, arrows and wind barbs drawn through the pipeline: chord
counts, user-coordinate conversions, filling without outlines, the warnings of
bad arguments, and one page of every figure read back by the image readers.
Geometry is read from HPGL output (4 device units per plot unit)."""
import math

from PIL import Image

from fill_helpers import scenario, segments

# An axis system whose x axis has 100 plot units per unit and whose y axis
# has 50: x 0..4 from plot x 500, y 0..10 upwards from plot y 1500.
SYSTEM = """
v.axspos(500, 1500)
v.axslen(401, 501)
v.nograf()
v.graf(0.0, 4.0, 0.0, 1.0, 0.0, 10.0, 0.0, 2.0)
"""


def hpgl(run, tmp_path, body, quiet=False):
    text, out = scenario(run, tmp_path, "hpgl", body, quiet=quiet)
    return segments(text), out


def extent(segs):
    xs = [p[0] for s in segs for p in s]
    ys = [p[1] for s in segs for p in s]
    return min(xs), max(xs), min(ys), max(ys)


def test_chord_counts_follow_the_arc_spacing(run, tmp_path):
    # The default spacing is 1 mm, 10 units of the default page.
    segs, out = hpgl(run, tmp_path, "v.circle(1000, 1000, 100)")
    assert len(segs) == 62
    segs, _ = hpgl(run, tmp_path, "v.circle(1000, 1000, 2)")
    assert len(segs) == 5
    segs, _ = hpgl(run, tmp_path, "v.circsp(5)\nv.arcell(1000, 1000, 100, 100, 350.0, 10.0, 0.0)")
    assert len(segs) == 6  # trunc(20 degrees * 100 / 5) = 6 chords through 0 degrees
    assert min(p[0] for s in segs for p in s) > 1090
    segs, out = hpgl(run, tmp_path, "v.circle(1000, 1000, 1)\nv.circsp(0)")
    assert segs == []
    assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in CIRCSP!   (   0)"]


def test_pies_close_through_the_centre_and_equal_angles_are_a_full_turn(run, tmp_path):
    segs, _ = hpgl(run, tmp_path, "v.pie(1000, 1000, 100, 0.0, 90.0)")
    assert ((1000.0, 1000.0) in [p for s in segs for p in s])
    segs, _ = hpgl(run, tmp_path, "v.pie(1000, 1000, 100, 30.0, 30.0)")
    assert len(segs) == 62
    assert (1000.0, 1000.0) not in [p for s in segs for p in s]


def test_user_figures_measure_lengths_along_their_axes(run, tmp_path):
    segs, out = hpgl(run, tmp_path, SYSTEM + """
v.rlcirc(2.0, 5.0, 1.0)
""")
    x0, x1, y0, y1 = extent(segs)
    # centre (700, 1250); the radius of one x unit is 100 plot units, not 50
    assert (x0, x1) == (600, 800)
    assert abs(y0 - 1150) < 0.5 and abs(y1 - 1350) < 0.5
    segs, _ = hpgl(run, tmp_path, SYSTEM + "v.rlell(2.0, 5.0, 1.0, 2.0)")
    x0, x1, y0, y1 = extent(segs)
    assert (x0, x1) == (600, 800) and abs(y1 - y0 - 200) < 1  # b = 2 units of the y axis
    segs, _ = hpgl(run, tmp_path, SYSTEM + "v.rlrec(1.0, 2.0, 2.0, 4.0)")
    assert extent(segs) == (600, 800, 1200, 1400)


def test_user_figures_are_clipped_to_the_axis_system_and_skip_log_points(run, tmp_path):
    segs, _ = hpgl(run, tmp_path, SYSTEM + "v.rlcirc(0.0, 5.0, 1.0)\nv.rline(-1.0, 1.0, 3.0, 1.0)")
    x0, x1, _, _ = extent(segs)
    assert x0 == 500 and x1 == 800
    segs, out = hpgl(run, tmp_path, """
v.axspos(500, 1500)
v.axslen(401, 501)
v.axsscl("LOG", "X")
v.nograf()
v.graf(0.0, 4.0, 0.0, 1.0, 0.0, 10.0, 0.0, 2.0)
v.rlcirc(-1.0, 5.0, 1.0)
v.rlvec(-1.0, 1.0, 10.0, 1.0, 1421)
v.field([-1.0, 1.0], [1.0, 1.0], [10.0, 10.0], [2.0, 2.0], 2, 0)
""")
    assert len(segs) == 1  # only the second arrow of the field


def test_user_moves_and_draws_continue_one_line(run, tmp_path):
    segs, _ = hpgl(run, tmp_path, SYSTEM + """
v.rlstrt(1.0, 2.0)
v.rlconn(2.0, 2.0)
v.rlconn(2.0, 4.0)
v.xmove(100.0, 100.0)
v.xdraw(150.5, 100.0)
""")
    assert ((600, 1400), (700, 1400)) in segs
    assert ((700, 1400), (700, 1300)) in segs
    assert ((100, 100), (150.5, 100)) in segs


def test_arrows_and_their_warnings(run, tmp_path):
    segs, out = hpgl(run, tmp_path, """
v.vector(100, 500, 400, 500, 1421)
v.vector(100, 800, 400, 800, 1441)
v.vector(100, 900, 400, 900, 1408)
""")
    assert ((100, 500), (400, 500)) in segs
    head = [s for s in segs if s[1] == (400, 500) or s[0] == (400, 500)]
    assert len(head) == 3  # the line and the two strokes of the open head
    assert ((100, 800), (400, 800)) in segs and ((100, 900), (400, 900)) in segs
    assert len(segs) == 5
    assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in VECTOR!   (   4)",
                              " <<<< Warning   2: Incorrect parameter in VECTOR!   (   8)"]


def test_argument_and_level_warnings(run, tmp_path):
    out = run("""
v.metafl("hpgl")
v.setfil("warnings.hpg")
v.rlcirc(1.0, 1.0, 1.0)
v.vtxini()
v.rlcirc(1.0, 1.0, 1.0)
v.rectan(10, 10, 0, 5)
v.sector(100, 100, 0, 0, 0.0, 90.0, 3)
v.sector(100, 100, 50, 20, 0.0, 90.0, 3)
v.ellips(100, 100, 0, 5)
print(v.circ3p(0.0, 0.0, 4.0, 0.0, 0.0, 3.0))
print(v.circ3p(0.0, 0.0, 1.0, 1.0, 2.0, 2.0))
v.unit(0)
v.vtxfin()
""")
    w = out.warnings()
    assert w[0].startswith(" <<<< Warning   3: Incorrect level in RLCIRC!")
    assert w[1].startswith(" <<<< Warning   3: Incorrect level in RLCIRC!")
    assert w[2:] == [" <<<< Warning   2: Incorrect parameter in RECTAN!   (   0)",
                     " <<<< Warning  51: Non positive parameter in SECTOR!   (   0)",
                     " <<<< Warning   2: Incorrect parameter in SECTOR!   (  50)",
                     " <<<< Warning   2: Incorrect parameter in ELLIPS!   (   0)",
                     " <<<< Warning   2: Incorrect parameter in CIRC3P!"]
    assert "(2.0, 1.5, 2.5)" in out.stdout and "(0.0, 0.0, 0.0)" in out.stdout


def test_fill_without_outline_and_a_page_of_figures_in_every_image_format(run, tmp_path):
    run("""
v.metafl("png")
v.setfil("fill.png")
v.scrmod("REVERS")
v.vtxini()
v.noarln()
v.shdpat(16)
v.color("RED")
v.circle(500, 500, 200)
v.shdpat(0)
v.circle(1500, 500, 200)
v.vtxfin()
""")
    img = Image.open(tmp_path / "fill.png").convert("RGB")
    sx, sy = img.width / 2970, img.height / 2100
    assert img.getpixel((int(500 * sx), int(500 * sy))) == (255, 0, 0)
    # the edge of the filled circle and the whole outlined-only circle stay white
    assert img.getpixel((int(1500 * sx), int(700 * sy))) == (255, 255, 255)
    assert len(set(img.crop((int(1200 * sx), int(200 * sy), int(1800 * sx), int(800 * sy))).getdata())) == 1
