"""Map axis systems: projected positions against textbook formulas, limit
checks, coastlines from GSHHS and MAPG files (valid, truncated, garbage) and
their date-line breaks, read back from PNG pictures."""
import math
import struct

import pytest
from PIL import Image

# A map in an axis rectangle of 2001 x 1001 plot units, lower left at (300, 1700).
SETUP = """
v.metafl("{device}"); v.setfil("{file}"); v.scrmod("REVERS"); v.filmod("DELETE")
v.vtxini(); v.errmod("PROT", "OFF")
v.axspos(300, 1700); v.axslen(2001, 1001)
"""


def positions(run, body, device="virt"):
    """Runs map scenarios that print 'P x y' lines; returns the pairs."""
    out = run(SETUP.format(device=device, file="m." + device) + body + "\nv.vtxfin()\n")
    return [tuple(float(t) for t in line.split()[1:]) for line in out.stdout.splitlines() if line.startswith("P ")]


PRINT = "def show(lon, lat): print('P %.3f %.3f' % v.pos2pt(lon, lat))\n"


def test_projected_positions_follow_the_textbook_formulas(run):
    pts = positions(run, PRINT + """
v.projct("MERC"); v.grafmp(-180., 180., -180., 60., -80., 80., -80., 20.)
show(90., 45.); show(0., 90.); v.endgrf()
v.projct("LAMB"); v.mappol(10., 50.); v.grafmp(-180., 180., -180., 60., -90., 90., -90., 30.)
show(10., 50.); show(40., 20.); v.endgrf()
v.projct("ORTH"); v.mappol(0., 90.); v.grafmp(-180., 180., -180., 60., -90., 90., -90., 30.)
show(0., 0.); show(90., -30.); v.endgrf()
v.projct("CONI"); v.grafmp(-30., 50., -30., 10., -70., -30., -70., 10.)
show(10., -70.); show(10., -30.)
""")
    d = math.pi / 180
    # Mercator: y = ln tan(45 + phi/2); the scale fits -80..80 into 1000 units.
    merc = lambda p: math.log(math.tan((45 + p / 2) * d))
    s = 1000 / (2 * merc(80))
    assert pts[0] == pytest.approx((1300 + s * 90 * d, 1700 - s * (merc(45) + merc(80))), abs=0.05)
    assert pts[1][1] == pytest.approx(1700 - s * (merc(89.99) + merc(80)), abs=0.05)  # the pole at 89.99
    # Lambert azimuthal equal-area around (10, 50): the centre in the middle
    # of the cap's circle of radius 500; k' = sqrt(2 / (1 + cos c)).
    assert pts[2] == pytest.approx((1300, 1200), abs=0.05)
    p0, p, dl = 50 * d, 20 * d, 30 * d
    cosc = math.sin(p0) * math.sin(p) + math.cos(p0) * math.cos(p) * math.cos(dl)
    k = math.sqrt(2 / (1 + cosc)) * 500 / (2 * math.sin(math.pi / 4))
    x = k * math.cos(p) * math.sin(dl)
    y = k * (math.cos(p0) * math.sin(p) - math.sin(p0) * math.cos(p) * math.cos(dl))
    assert pts[3] == pytest.approx((1300 + x, 1200 - y), abs=0.05)
    # North polar orthographic: the equator on the rim; beyond it the hidden
    # hemisphere lies outside the circle.
    assert math.hypot(pts[4][0] - 1300, pts[4][1] - 1200) == pytest.approx(500, abs=0.05)
    assert pts[4][1] > 1200
    assert math.hypot(pts[5][0] - 1300, pts[5][1] - 1200) > 500
    # A southern cone: -70 on the lower and -30 on the upper axis.
    assert pts[6] == pytest.approx((1300, 1700), abs=0.05)
    assert pts[7] == pytest.approx((1300, 700), abs=0.05)


def test_limit_checks_and_setter_warnings(run):
    out = run("""
v.metafl("virt"); v.vtxini()
v.mappol(200., 0.); v.mapref(95., 10.); v.mapsph(0.); v.projct("XXXX")
v.grafmp(10., 10., 10., 1., 0., 10., 0., 1.)
v.projct("CONF"); v.grafmp(0., 40., 0., 10., -10., 30., -10., 10.)
v.projct("HAMM"); v.grafmp(-200., 180., -180., 60., -90., 90., -90., 30.)
v.projct("CYLI"); v.grafmp(0., 40., 0., 10., 0., 30., 0., 10.)
v.mapbas("MAPF"); v.world(); v.curvmp([1.0], [1.0], 1)
v.endgrf()
# Mercator takes the poles (drawn at 89.99 degrees) without a warning.
v.projct("MERC"); v.grafmp(-180., 180., -180., 60., -90., 90., -90., 30.)
v.vtxfin()
""")
    numbers = [int(w.split()[2].rstrip(":")) for w in out.warnings()]
    assert numbers == [2, 2, 2, 2, 52, 2, 2, 101, 2]


def dark_pixels(path, box):
    im = Image.open(path).convert("L")
    region = im.crop(box)
    return sum(1 for p in region.getdata() if p < 128)


def densify(points, step=5):
    """Real shorelines are dense: a jump of more than 15 degrees breaks a line."""
    out = [points[0]]
    for (x1, y1), (x2, y2) in zip(points, points[1:]):
        n = max(1, int(max(abs(x2 - x1), abs(y2 - y1)) // step))
        out += [(x1 + (x2 - x1) * k / n, y1 + (y2 - y1) * k / n) for k in range(1, n + 1)]
    return out


def gshhs_record(level, points, ident=0):
    points = densify(points)
    pts = b"".join(struct.pack(">ii", int(round(lon * 1e6)), int(round(lat * 1e6))) for lon, lat in points)
    return struct.pack(">8i2h", ident, len(points), level, 0, 0, 0, 0, 0, 0, 0) + pts


# A CYLI map of the whole globe: one degree is about 2000/360 units across.
WORLD = SETUP.format(device="png", file="{file}") + """
v.grafmp(-180., 180., -180., 60., -90., 90., -90., 30.)
v.mapbas("MAPF"); v.mapfil("{data}", "{fmt}"); {extra}
v.world()
v.vtxfin()
"""


def draw_file(run, tmp_path, data, fmt, extra=""):
    (tmp_path / "coast.dat").write_bytes(data)
    return run(WORLD.format(file="w.png", data=str(tmp_path / "coast.dat"), fmt=fmt, extra=extra))


# Pixel boxes of the picture (the page is scaled by about 0.284).
def box_of(lon1, lat1, lon2, lat2):
    f = 853 / 2970
    x = lambda lon: (300 + (lon + 180) * 2000 / 360) * f
    y = lambda lat: (1700 - (lat + 90) * 1000 / 180) * f
    return (int(x(lon1)), int(y(lat2)), int(x(lon2)) + 1, int(y(lat1)) + 1)


def test_gshhs_levels_date_line_and_broken_files(run, tmp_path):
    land = [(10, 10), (30, 10), (30, 30), (10, 30), (10, 10)]
    lake = [(-40, -40), (-20, -40), (-20, -20), (-40, -40)]
    # A polygon across the date line: 170 -> 190 (that is -170) is broken there.
    pacific = [(170, 0), (190, 0), (190, 20), (170, 20), (170, 0)]
    data = gshhs_record(1, land) + gshhs_record(2, lake) + gshhs_record(1, pacific)

    out = draw_file(run, tmp_path, data, "GSHH")
    assert out.warnings() == []
    assert dark_pixels(tmp_path / "w.png", box_of(12, 8, 28, 12)) > 0
    assert dark_pixels(tmp_path / "w.png", box_of(-38, -42, -22, -38)) > 0
    assert dark_pixels(tmp_path / "w.png", box_of(172, -2, 179, 2)) > 0
    # Nothing crosses the map between the two halves of the Pacific polygon.
    assert dark_pixels(tmp_path / "w.png", box_of(-150, -2, 160, 2)) == 0
    assert dark_pixels(tmp_path / "w.png", box_of(40, 18, 160, 22)) == 0

    draw_file(run, tmp_path, data, "GSHH", 'v.maplev("LAKE")')
    assert dark_pixels(tmp_path / "w.png", box_of(12, 8, 28, 12)) == 0
    assert dark_pixels(tmp_path / "w.png", box_of(-38, -42, -22, -38)) > 0

    truncated = draw_file(run, tmp_path, data[:-20], "GSHH")
    assert [w for w in truncated.warnings() if "101" in w]
    garbage = draw_file(run, tmp_path, bytes(range(256)) * 3, "GSHH")
    assert [w for w in garbage.warnings() if "101" in w]

    missing = run(WORLD.format(file="w.png", data=str(tmp_path / "none.b"), fmt="GSHH", extra=""))
    assert "Open error" in missing.stdout


def test_mapg_text_files(run, tmp_path):
    text = "# square\n10 10\n30 10\n30 30\n# next line starts with a move\n-40 -40\n-20 -40\n" + "x" * 300 + "\n"
    out = draw_file(run, tmp_path, text.encode(), "MAPG")
    assert out.warnings() == []
    assert dark_pixels(tmp_path / "w.png", box_of(12, 8, 28, 12)) > 0
    assert dark_pixels(tmp_path / "w.png", box_of(-38, -42, -22, -38)) > 0
    # No line joins the two parts.
    assert dark_pixels(tmp_path / "w.png", box_of(-15, -30, 5, -20)) == 0
    out = draw_file(run, tmp_path, bytes(range(1, 256)) * 4, "MAPG")
    assert out.returncode == 0


def outside_and_inside(path):
    im = Image.open(path).convert("L")
    f = 853 / 2970
    cx, cy, r = 1300 * f, 1200 * f, 500 * f
    inside = outside = 0
    for yy in range(im.height):
        for xx in range(im.width):
            if im.getpixel((xx, yy)) < 128:
                d = math.hypot(xx - cx, yy - cy)
                if d > r + 3:
                    outside += 1
                else:
                    inside += 1
    return outside, inside


def test_base_map_world_and_grid_on_an_orthographic_cap(run, tmp_path):
    cap = SETUP.format(device="png", file="o%d.png") + """
v.projct("ORTH"); v.mappol(0., 40.); v.mpaepl(%d)
v.grafmp(-180., 180., -180., 30., -90., 90., -90., 30.)
v.world(); v.gridmp(1, 1)
v.vtxfin()
"""
    run(cap % (0, 0))
    outside, inside = outside_and_inside(tmp_path / "o0.png")
    assert inside > 2000 and outside == 0
    # With mpaepl the grid's degrees are written around the circle.
    run(cap % (1, 1))
    outside, _ = outside_and_inside(tmp_path / "o1.png")
    assert outside > 300


def test_shdmap_fills_the_chosen_land_areas(run, tmp_path):
    out = run(SETUP.format(device="png", file="s.png").replace('v.vtxini()', 'v.imgfmt("RGB"); v.vtxini()') + """
v.grafmp(-180., 180., -180., 60., -90., 90., -90., 30.)
v.shdpat(16)
v.color("red"); v.shdmap("AFRI")
v.color("green"); v.shdmap("EURO")
v.color("blue"); v.shdmap("LAKE")
v.shdmap("MARS")
# France (14) and a bad index; Texas (43) among the states.
v.shdeur([14, 99], [16, 16], [50, 50], 2)
v.shdusa([43], [16], [200], 1)
v.vtxfin()
""")
    warned = [w for w in out.warnings() if "Warning   2" in w]
    assert any("SHDMAP" in w for w in warned)
    assert any("SHDEUR" in w and "99" in w for w in warned)
    im = Image.open(tmp_path / "s.png").convert("RGB")

    def at(lon, lat):
        x0, y0, x1, y1 = box_of(lon, lat, lon, lat)
        return im.getpixel(((x0 + x1) // 2, (y0 + y1) // 2))

    assert at(20, 5) == (255, 0, 0)          # Africa
    assert at(10.0, 50.0) == (0, 255, 0)     # Germany, in Europe
    assert at(2.3, 47.0) not in ((0, 255, 0), (255, 255, 255))    # France, filled again by shdeur
    assert at(-99, 31) != (255, 255, 255)    # Texas
    assert at(51, 42) == (0, 0, 255)         # the Caspian Sea, a lake of the land areas
    assert at(-50, -10) == (255, 255, 255)   # Brazil stays empty
    assert at(100, 50) == (255, 255, 255)    # Asia beyond Europe too
    assert at(-30, 0) == (255, 255, 255)     # the Atlantic


@pytest.mark.parametrize("proj, lat", [("MERC", 80.0), ("HAMM", 90.0)])
def test_curvmp_breaks_at_the_date_line(run, tmp_path, proj, lat):
    run(SETUP.format(device="png", file="c.png").replace('v.vtxini()', 'v.imgfmt("RGB"); v.vtxini()') + """
v.projct("%s"); v.grafmp(-180., 180., -180., 60., -%g, %g, -%g, 20.)
v.color("red"); v.thkcrv(3)
v.curvmp([170., -170.], [10., 10.], 2)
v.vtxfin()
""" % (proj, lat, lat, lat))
    im = Image.open(tmp_path / "c.png").convert("RGB")
    red = [x for y in range(im.height) for x in range(im.width) if im.getpixel((x, y)) == (255, 0, 0)]
    # Both pieces at the edges of the map, nothing in between.
    middle = (300 + 1000) * 853 / 2970
    assert red and min(red) < middle - 100 and max(red) > middle + 100
    assert not [x for x in red if abs(x - middle) < 100]


def test_mapmod_chooses_between_following_the_projection_and_straight_segments(run, tmp_path):
    script = SETUP.format(device="png", file="%s.png").replace('v.vtxini()', 'v.imgfmt("RGB"); v.vtxini()') + """
v.mapmod("%s"); v.projct("HAMM"); v.grafmp(-180., 180., -180., 60., -90., 90., -90., 30.)
print("P %%.1f %%.1f" %% v.pos2pt(0., 60.))
v.color("red"); v.thkcrv(3); v.curvmp([-80., 80.], [60., 60.], 2)
v.vtxfin()
"""
    f = 853 / 2970
    for mode, on_parallel in (("INTE", True), ("STRA", False)):
        out = run(script % (mode, mode))
        x, y = [float(t) for t in out.stdout.split("P ")[1].split()[:2]]
        im = Image.open(tmp_path / (mode + ".png")).convert("RGB")
        near = [im.getpixel((int(x * f) + dx, int(y * f) + dy)) for dx in (-1, 0, 1) for dy in (-1, 0, 1)]
        assert ((255, 0, 0) in near) == on_parallel, mode


def pixel(xy):
    f = 853 / 2970
    return int(xy[0] * f), int(xy[1] * f)


def test_map_axes_levels_degree_labels_and_crowded_labels(run, tmp_path):
    out = run(SETUP.format(device="png", file="a.png") + """
v.xaxmap(-180., 180., -180., 60., "", 0, 1000)
v.graf(0., 1., 0., 1., 0., 1., 0., 1.); v.xaxmap(-180., 180., -180., 60., "", 0, 1000); v.endgrf()
v.projct("MERC"); v.grafmp(-180., 180., -180., 60., -60., 60., -60., 30.)
v.yaxmap(-60., 60., -60., 30., "", 2, 1300)
# One label a degree: far too many for the width, so most are left out.
v.xaxmap(-180., 180., -180., 1., "", 0, 1900)
v.yaxmap(-60., 60., -60., 30., "", 1, 1300)
v.vtxfin()
""")
    numbers = [int(w.split()[2].rstrip(":")) for w in out.warnings()]
    assert numbers[:3] == [3, 101, 2], out.warnings()
    im = Image.open(tmp_path / "a.png").convert("L")
    f = 853 / 2970
    # The crowded axis at row 1900, below the map: labels with gaps between them.
    strip = [any(im.getpixel((x, y)) < 128 for y in range(int(1935 * f), int(1990 * f)))
             for x in range(int(300 * f), int(2300 * f))]
    assert 0.2 < sum(strip) / len(strip) < 0.85
    # The y axis at x = 1300 is labelled on its left at the Mercator
    # position of the parallels: 30 N lies above the middle by ln tan 60.
    merc = lambda p: math.log(math.tan((45 + p / 2) * math.pi / 180))
    y30 = 1200 - 500 / merc(60) * merc(30)
    box = (int(1200 * f), int((y30 - 15) * f), int(1295 * f), int((y30 + 15) * f))
    assert dark_pixels(tmp_path / "a.png", box) > 5
    # Parallels a degree apart labelled beside a Hammer outline: labels that
    # would overlap the one before are left out too, so the column of labels
    # at the west edge has gaps.
    run(SETUP.format(device="png", file="h.png").replace("300, 1700", "500, 1700") + """
v.projct("HAMM"); v.mpaepl(1); v.grafmp(-180., 180., -180., 60., -90., 90., -90., 1.)
v.gridmp(0, 1)
v.vtxfin()
""")
    im = Image.open(tmp_path / "h.png").convert("L")
    rows = [any(im.getpixel((x, y)) < 128 for x in range(int(350 * f), int(495 * f)))
            for y in range(int(1100 * f), int(1300 * f))]
    assert 0.2 < sum(rows) / len(rows) < 0.85


def test_maplev_lakes_of_the_base_map(run, tmp_path):
    script = SETUP.format(device="png", file="%s.png") + """
v.maplev("%s"); v.grafmp(-180., 180., -180., 60., -90., 90., -90., 30.); v.noclip(); v.world()
v.vtxfin()
"""
    superior, victoria = box_of(-89, 47, -86, 48.5), box_of(32.5, -2, 34, 0)
    tasmania = box_of(145, -43, 148, -41)
    for level in ("LAKE", "LAND", "ALL"):
        run(script % (level, level))
        lakes = dark_pixels(tmp_path / (level + ".png"), superior) + dark_pixels(tmp_path / (level + ".png"), victoria)
        coast = dark_pixels(tmp_path / (level + ".png"), tasmania)
        assert (lakes > 10) == (level != "LAND"), level
        assert (coast > 10) == (level != "LAKE"), level


def test_user_projection_from_python(run):
    pts = positions(run, PRINT + """
v.usrprj(lambda x, y: (2 * x, 3 * y))
v.projct("MYPR"); v.grafmp(0., 100., 0., 10., 0., 100., 0., 10.)
show(10., 20.)
v.curvmp([0., 50.], [0., 50.], 2)
v.endgrf()
v.usrprj(lambda x, y: "no offsets")
v.grafmp(0., 100., 0., 10., 0., 100., 0., 10.)
show(10., 20.)
v.endgrf()
def fails(x, y): raise RuntimeError("projection failed")
v.usrprj(fails)
v.grafmp(0., 100., 0., 10., 0., 100., 0., 10.)
show(10., 20.)
""")
    # Offsets from the lower left corner (300, 1700), y upwards.
    assert pts == [(320.0, 1640.0), (310.0, 1680.0), (310.0, 1680.0)]


def test_xposn_and_yposn_go_through_the_projection(run):
    pts = positions(run, """
v.projct("MERC"); v.grafmp(-180., 180., -180., 60., -80., 80., -80., 20.)
print("P %.3f %.3f" % (v.xposn(90.), v.yposn(45.)))
print("P %.3f %.3f" % (v.xinvrs(1800), v.yinvrs(int(v.yposn(45.)))))
v.endgrf()
v.projct("HAMM"); v.grafmp(-180., 180., -180., 60., -90., 90., -90., 30.)
print("P %.3f %.3f" % (v.xposn(90.), v.yposn(60.)))
print("P %.3f %.3f" % (v.pos2pt(90., 0.)[0], v.pos2pt(0., 60.)[1]))
""")
    merc = lambda p: math.log(math.tan((45 + p / 2) * math.pi / 180))
    s = 1000 / (2 * merc(80))
    assert pts[0] == pytest.approx((1300 + s * math.pi / 2, 1700 - s * (merc(45) + merc(80))), abs=0.05)
    assert pts[1][0] == pytest.approx(500 / (s * math.pi / 180), abs=1e-3)
    assert pts[1][1] == pytest.approx(45, abs=0.1)
    assert pts[2] == pytest.approx(pts[3], abs=0.01)


def test_shdmap_fills_over_the_back_meridian(run, tmp_path):
    out = run(SETUP.format(device="png", file="b.png").replace('v.vtxini()', 'v.imgfmt("RGB"); v.vtxini()') + """
v.projct("CONI"); v.grafmp(60., 300., 60., 30., 20., 70., 20., 10.)
v.shdpat(16); v.color("red"); v.shdmap("ALL")
for lon, lat in ((159., 56.), (-150., 63.), (-170., 35.)): print("P %.3f %.3f" % v.pos2pt(lon, lat))
v.vtxfin()
""")
    pts = [tuple(float(t) for t in line.split()[1:]) for line in out.stdout.splitlines() if line.startswith("P ")]
    im = Image.open(tmp_path / "b.png").convert("RGB")
    # Kamchatka (on the Eurasian ring, which the back meridian 0 crosses)
    # and Alaska are shaded; the Pacific is not.
    assert [im.getpixel(pixel(p)) == (255, 0, 0) for p in pts] == [True, True, False]
