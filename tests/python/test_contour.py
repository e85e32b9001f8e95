"""Contour lines: conpts point lists, the drawing routines and their warnings,
and one contour plot read back from PNG, EPS, PDF and SVG."""
import itertools
import math
import subprocess

import pytest
from PIL import Image, ImageChops, ImageFilter

NAN = float("nan")


def conpts(v, rows, level, maxpts=100, maxray=20):
    """Lines of a grid given row by row along y (rows[j][i] is z at x = i, y = j)."""
    ny, nx = len(rows), len(rows[0])
    z = [rows[j][i] for i in range(nx) for j in range(ny)]
    xr, yr, nr = [0.0] * maxpts, [0.0] * maxpts, [0] * maxray
    count = v.conpts([float(i) for i in range(nx)], nx, [float(j) for j in range(ny)], ny, z, level,
                     xr, yr, maxpts, nr, maxray)
    lines, k = [], 0
    for n in nr[:count]:
        lines.append(list(zip(xr[k:k + n], yr[k:k + n])))
        k += n
    return lines


class TestConpts:
    def test_interior_maximum_is_one_closed_line(self, vantix):
        (line,) = conpts(vantix, [[0, 0, 0], [0, 1, 0], [0, 0, 0]], 0.5)
        assert line[0] == line[-1] == (0.5, 1.0)
        expected = [(0.5, 1), (2 / 3, 4 / 3), (1, 1.5), (4 / 3, 4 / 3), (1.5, 1), (4 / 3, 2 / 3), (1, 0.5),
                    (2 / 3, 2 / 3), (0.5, 1)]
        assert line == [pytest.approx(p, abs=1e-6) for p in expected]

    def test_saddle_resolved_by_centre_value_counting_as_low(self, vantix):
        lines = conpts(vantix, [[0, 1], [1, 0]], 0.5)
        assert lines == [[(0.5, 0.0), (0.5, 0.5), (1.0, 0.5)], [(0.5, 1.0), (0.5, 0.5), (0.0, 0.5)]]

    def test_levels_equal_to_values_count_as_low(self, vantix):
        assert conpts(vantix, [[1, 1], [1, 1]], 1.0) == []
        assert conpts(vantix, [[3, 3], [3, 3]], 1.0) == []
        # the crossings land on the values equal to the level, the centre ones too
        assert conpts(vantix, [[0, 1, 2], [0, 1, 2]], 1.0) == [[(1.0, 0.0), (1.0, 0.0), (1.0, 1.0), (1.0, 1.0)]]

    def test_nan_cells_are_skipped(self, vantix):
        rows = [[0, 1, 2, 3], [0, NAN, 2, 3], [0, 1, 2, 3], [0, 1, 2, 3]]
        (line,) = conpts(vantix, rows, 1.5)
        assert line[0] == (1.5, 2.0) and line[-1] == (1.5, 3.0)

    def test_points_and_lines_beyond_the_arrays_are_dropped(self, vantix):
        rows = [[0, 0, 0, 0, 0], [0, 1, 0, 1, 0], [0, 0, 0, 0, 0]]
        assert [len(line) for line in conpts(vantix, rows, 0.5)] == [9, 9]
        assert [len(line) for line in conpts(vantix, rows, 0.5, maxpts=12)] == [9, 3]
        assert [len(line) for line in conpts(vantix, rows, 0.5, maxray=1)] == [9]

    def test_grid_of_one_row_warns(self, run):
        out = run("""
            r = v.conpts([0., 1.], 2, [0.], 1, [1., 2.], 1.5, [0.] * 9, [0.] * 9, 9, [0] * 3, 3)
            print(r)
            """)
        assert "Warning   2: Incorrect parameter in CONPTS!   (   1)" in out.stdout
        assert out.stdout.splitlines()[-1] == "0"


def tripts(v, x, y, z, tris, level, maxpts=100, maxray=20):
    i1, i2, i3 = ([t[k] for t in tris] for k in range(3))
    xp, yp, nr = [0.0] * maxpts, [0.0] * maxpts, [0] * maxray
    count = v.tripts(x, y, z, len(x), i1, i2, i3, len(tris), level, xp, yp, maxpts, nr, maxray)
    lines, k = [], 0
    for n in nr[:count]:
        lines.append(list(zip(xp[k:k + n], yp[k:k + n])))
        k += n
    return lines


class TestTripts:
    # a square split into four triangles around its centre (point 5)
    SQUARE = ([0., 2., 2., 0., 1.], [0., 0., 2., 2., 1.], [(1, 2, 5), (2, 3, 5), (3, 4, 5), (4, 1, 5)])

    def test_peak_in_the_middle_is_one_closed_line(self, vantix):
        x, y, tris = self.SQUARE
        (line,) = tripts(vantix, x, y, [0., 0., 0., 0., 1.], tris, 0.5)
        assert line == [(1.5, 0.5), (0.5, 0.5), (0.5, 1.5), (1.5, 1.5), (1.5, 0.5)]

    def test_open_lines_run_edge_to_edge_and_nan_triangles_are_left_out(self, vantix):
        x, y, tris = self.SQUARE
        assert tripts(vantix, x, y, [0., 1., 1., 0., 0.5], tris, 0.75) == [[(1.5, 0.0), (1.5, 0.5), (1.5, 1.5), (1.5, 2.0)]]
        assert tripts(vantix, x, y, [1., 1., 1., 1., 1.], tris, 1.0) == []
        # without point 4 the two triangles left make the ring an open line
        lines = tripts(vantix, x, y, [0., 0., 0., float("nan"), 1.], tris, 0.5)
        assert lines == [[(0.5, 0.5), (1.5, 0.5), (1.5, 1.5)]]

    def test_ring_over_a_triangulation(self, vantix):
        import random
        rnd = random.Random(1)
        n = 200
        x = [rnd.random() for _ in range(n)] + [0.] * 3
        y = [rnd.random() for _ in range(n)] + [0.] * 3
        i1, i2, i3 = [0] * (2 * n + 1), [0] * (2 * n + 1), [0] * (2 * n + 1)
        nt = vantix.triang(x, y, n, i1, i2, i3, 2 * n + 1)
        z = [math.hypot(a - 0.5, b - 0.5) for a, b in zip(x[:n], y[:n])]
        (ring,) = tripts(vantix, x[:n], y[:n], z, list(zip(i1[:nt], i2[:nt], i3[:nt])), 0.2, maxpts=1000)
        assert ring[0] == ring[-1] and len(ring) > 20
        assert all(abs(math.hypot(a - 0.5, b - 0.5) - 0.2) < 0.02 for a, b in ring)


AXES = "v.metafl('%s'); v.setfil('%s'); v.vtxini(); v.errmod('prot', 'off')\n" \
       "v.graf(-2., 2., -2., 1., -2., 2., -2., 1.)\n"
CIRCLE_GRID = """
n = 41
g = [-2 + 4 * i / (n - 1) for i in range(n)]
z = [a * a + b * b for a in g for b in g]
"""


class TestWarnings:
    def test_level_and_log_axes(self, run):
        out = run("""
            v.metafl('pdf'); v.setfil('w.pdf'); v.vtxini(); v.errmod('prot', 'off')
            v.contur([0., 1.], 2, [0., 1.], 2, [0., 1., 1., 0.], 0.5)
            v.axsscl('log', 'x'); v.graf(0., 2., 0., 1., 0., 1., 0., .5)
            v.contur([0., 1.], 2, [0., 1.], 2, [0., 1., 1., 0.], 0.5)
            v.concrv([-1., 1.], [0., 1.], 2, 0.5)
            v.conmat([1., 2.], 1, 2, 1.5)
            v.vtxfin()
            """)
        warnings = out.warnings()
        assert warnings[0].startswith(" <<<< Warning   3:") and "CONTUR" in warnings[0]
        assert "Warning  27: Non positive values for log scaling in CONTUR" in warnings[1]
        assert "Warning  27: Non positive values for log scaling in CONCRV" in warnings[2]
        assert "Warning   2: Incorrect parameter in CONMAT!   (   1)" in warnings[3]
        assert len(warnings) == 4

    def test_setters_reject_bad_values(self, run):
        out = run("""
            v.metafl('pdf'); v.setfil('w.pdf'); v.vtxini(); v.errmod('prot', 'off')
            v.conmod(-1., 1.5); v.conmod(0.5, 1.0); v.congap(-0.1)
            v.conmod(0., 2.); v.congap(0.); v.conlab('x' * 40)
            v.labclr(256, 'cont'); v.labclr(3, 'axes'); v.labclr(-1, 'cont'); v.labdis(0, 'cont')
            v.vtxfin()
            """)
        assert [w[:40] for w in out.warnings()] == [" <<<< Warning   2: Incorrect parameter i"] * 6
        names = ("CONMOD", "CONMOD", "CONGAP", "LABCLR", "LABCLR", "LABDIS")
        assert all(n in w for w, n in zip(out.warnings(), names))


def render(tmp_path, device):
    path = tmp_path / ("contour." + device)
    png = tmp_path / (device + ".png")
    if device == "eps":
        cmd = ["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=png16m", "-dEPSCrop", "-r72",
               "-sOutputFile=%s" % png, str(path)]
    elif device == "pdf":
        cmd = ["pdftoppm", "-png", "-r", "72", "-singlefile", str(path), str(png)[:-4]]
    elif device == "svg":
        cmd = ["rsvg-convert", "-b", "white", "-o", str(png), str(path)]
    else:
        png = path
    if device != "png":
        subprocess.run(cmd, check=True, capture_output=True, timeout=60)
    image = Image.open(png).convert("L")
    if device == "eps":
        image = image.rotate(-90, expand=True)
    return image.resize((297, 210), Image.BOX)


def test_circles_and_labels_agree_across_png_eps_pdf_and_svg(run, tmp_path):
    devices = ("png", "eps", "pdf", "svg")
    for device in devices:
        run(AXES % (device, "contour." + device) + CIRCLE_GRID + """
for level in (0.25, 1.0, 2.25):
    v.contur(g, n, g, n, z, level)
v.labels('float', 'cont'); v.labdig(2, 'cont'); v.height(30)
v.conmat(z, n, n, 3.5)
v.vtxfin()
""")
    images = {d: render(tmp_path, d) for d in devices}
    # the raster draws white on black: compare its negative
    images["png"] = Image.eval(images["png"], lambda p: 255 - p)
    assert images["pdf"].getextrema()[0] < 128  # the lines are really there
    blurred = {d: im.filter(ImageFilter.GaussianBlur(1.5)) for d, im in images.items()}
    for a, b in itertools.combinations(devices, 2):
        histogram = ImageChops.difference(blurred[a], blurred[b]).histogram()
        assert sum(histogram[48:]) <= 0.01 * 297 * 210, (a, b)


def test_circle_lies_where_the_axis_system_puts_it(run, tmp_path):
    out = run(AXES % ("pdf", "contour.pdf") + CIRCLE_GRID + """
v.contur(g, n, g, n, z, 1.0)
print(v.xposn(0.), v.yposn(0.), v.xposn(1.) - v.xposn(0.), v.yposn(0.) - v.yposn(1.))
v.vtxfin()
""")
    subprocess.run(["pdftoppm", "-png", "-r", "144", "-singlefile", str(tmp_path / "contour.pdf"),
                    str(tmp_path / "big")], check=True, capture_output=True, timeout=60)
    image = Image.open(tmp_path / "big.png").convert("L")
    scale = image.width / 2970  # pixels per plot unit
    cx, cy, rx, ry = (float(s) * scale for s in out.stdout.split()[:4])
    for k in range(16):
        a = 2 * math.pi * k / 16
        ring = min(image.getpixel((round(cx + (rx + d) * math.cos(a)), round(cy - (ry + d) * math.sin(a))))
                   for d in (-1, 0, 1))
        assert ring < 160, k
    assert image.getpixel((round(cx), round(cy))) > 250
    assert image.getpixel((round(cx + rx / 2), round(cy))) > 250


LABEL_ROW = """
v.metafl('png'); v.scrmod('revers'); v.setfil('row.png'); v.vtxini(); v.errmod('prot', 'off')
v.graf(0., 10., 0., 1., 0., 10., 0., 1.)
v.height(40); v.labels('conl', 'cont'); v.conlab(' ')  # a blank label leaves the bare gaps
%s
xs = [i / 20 for i in range(201)]
v.concrv(%s, [5.] * len(%s), len(%s), 0.)
print(v.xposn(0.), v.yposn(5.), v.xposn(10.) - v.xposn(0.), v.nlmess(' ') + 40)
v.vtxfin()
"""


def gaps_along_row(run, tmp_path, settings="", xs="xs"):
    """Gaps (start, length) in plot units along a labelled horizontal line."""
    (tmp_path / "row.png").unlink(missing_ok=True)
    out = run(LABEL_ROW % (settings, xs, xs, xs))
    x0, y, length, lablen = (float(s) for s in out.stdout.split()[:4])
    image = Image.open(tmp_path / "row.png").convert("L")
    scale = image.width / 2970
    row = round(y * scale)
    dark = [min(image.getpixel((px, row + d)) for d in (-1, 0, 1)) < 128 for px in range(image.width)]
    first, last = round(x0 * scale) + 2, round((x0 + length) * scale) - 2  # inside the frame
    while last > first and not dark[last]:  # up to the end of the line
        last -= 1
    gaps, px = [], first
    while px <= last:
        if not dark[px]:
            start = px
            while px <= last and not dark[px]:
                px += 1
            gaps.append(((start - x0 * scale) / scale, (px - start) / scale))
        px += 1
    return gaps, lablen, length


class TestLabelStretches:
    def test_first_gap_after_100_units_then_every_label_distance(self, run, tmp_path):
        gaps, lablen, length = gaps_along_row(run, tmp_path)
        step = length / 200
        assert len(gaps) >= 3
        assert 100 <= gaps[0][0] <= 100 + lablen + 2 * step + 4
        for start, width in gaps:
            assert width == pytest.approx(lablen, abs=8)
        for (a, _), (b, _) in zip(gaps, gaps[1:]):
            # 500 units of search, then a stretch of twice the label length
            assert 500 <= b - a <= 500 + 3 * lablen + 2 * step + 8

    def test_label_distance_and_fit_settings(self, run, tmp_path):
        wide, _, _ = gaps_along_row(run, tmp_path, "v.labdis(1200, 'cont')")
        close, _, _ = gaps_along_row(run, tmp_path)
        assert 1 <= len(wide) < len(close)
        # a stretch must now be 81 label lengths long, more than the line
        none, _, _ = gaps_along_row(run, tmp_path, "v.conmod(40., 1.5)")
        assert none == []

    def test_short_line_carries_no_label(self, run, tmp_path):
        gaps, _, _ = gaps_along_row(run, tmp_path, "", "[i / 200 for i in range(41)]")  # about 40 units
        assert gaps == []

    def test_thick_line_leaves_one_gap_per_label(self, run, tmp_path):
        thin, lablen, _ = gaps_along_row(run, tmp_path)
        thick, _, _ = gaps_along_row(run, tmp_path, "v.thkcrv(3)")
        assert [round(s) for s, _ in thick] == [round(s) for s, _ in thin]


def test_contri_draws_what_tripts_returns(run, tmp_path):
    mesh = """
import random
rnd = random.Random(2)
n = 150
x = [rnd.uniform(-2, 2) for _ in range(n)] + [0.] * 3
y = [rnd.uniform(-2, 2) for _ in range(n)] + [0.] * 3
i1, i2, i3 = [0] * (2 * n + 1), [0] * (2 * n + 1), [0] * (2 * n + 1)
nt = v.triang(x, y, n, i1, i2, i3, 2 * n + 1)
z = [a * a + b * b for a, b in zip(x, y)]
"""
    drawn = run(AXES % ("png", "contri.png") + mesh + """
v.contri(x, y, z, n, i1, i2, i3, nt, 1.0)
v.contri(x, y, z, 2, i1, i2, i3, nt, 1.0)
v.vtxfin()
""")
    out = run(AXES % ("png", "lines.png") + mesh + """
xp, yp, nr = [0.] * 2000, [0.] * 2000, [0] * 20
count = v.tripts(x, y, z, n, i1, i2, i3, nt, 1.0, xp, yp, 2000, nr, 20)
k = 0
for m in nr[:count]:
    v.curve(xp[k:k + m], yp[k:k + m], m)
    k += m
v.vtxfin()
v.contri(x, y, z, n, i1, i2, i3, nt, 1.0)
""")
    assert "Warning   2: Incorrect parameter in CONTRI!   (   2)" in drawn.stdout
    assert "Warning   3" in out.stdout and "CONTRI" in out.stdout
    a, b = (Image.open(tmp_path / f).convert("L") for f in ("contri.png", "lines.png"))
    assert ImageChops.difference(a, b).getbbox() is None
    assert a.getextrema()[0] < a.getextrema()[1]


def test_conmat_lies_over_the_sursze_extent(run, tmp_path):
    # the same lines as contur over the grid that sursze spans
    script = """
v.metafl('png'); v.setfil('%s'); v.vtxini(); v.errmod('prot', 'off')
v.graf(0., 4., 0., 1., 0., 4., 0., 1.)
z = [0., 1., 0., 1., 2., 1., 0., 1., 0.]
%s
v.vtxfin()
"""
    run(script % ("a.png", "v.sursze(1., 3., 0., 2.); v.conmat(z, 3, 3, 0.5)"))
    run(script % ("b.png", "v.contur([1., 2., 3.], 3, [0., 1., 2.], 3, z, 0.5)"))
    assert (tmp_path / "a.png").read_bytes() == (tmp_path / "b.png").read_bytes()
