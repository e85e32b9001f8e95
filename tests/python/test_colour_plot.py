"""Colour plots through the module: the colour of Z values, point sizes,
matrix plots, the colour bar and its settings, the warnings of the colour
routines, and a complete plot read back by independent readers."""
import re
import subprocess

import pytest
from PIL import Image

GRAF3 = "v.graf3(0., 1., 0., 0.5, 0., 1., 0., 0.5, %s)"


def colours(run, z_axis, values, settings="", device="png", before=""):
    """The colour indices that colray and nzposn give for `values`."""
    out = run(f"""
        v.metafl('{device}'); v.setfil('c.{device}'); {before}
        v.vtxini(); v.errmod('prot', 'off')
        {settings}
        {GRAF3 % z_axis}
        z = {values!r}; n = [0] * len(z)
        v.colray(z, n, len(z))
        assert n == [v.nzposn(x) for x in z]
        print(n)
        v.vtxfin()
    """).stdout
    return eval(out.strip().splitlines()[-1])


class TestZColours:
    def test_ascending_axis_and_the_outside_colours(self, run):
        assert colours(run, "0., 1., 0., 0.5", [0.0, 0.5, 1.0, -0.1, 1.1]) == [1, 128, 254, 0, 255]

    def test_descending_axis_exchanges_the_outside_colours(self, run):
        assert colours(run, "1., 0., 1., -0.5", [1.0, 0.0, 1.5, -0.5]) == [1, 254, 0, 255]

    def test_logarithmic_axis_takes_exponents_and_values(self, run):
        got = colours(run, "0., 2., 0., 1.", [1.0, 10.0, 100.0, 0.5, 1000.0], settings="v.axsscl('log', 'z')")
        assert got == [1, 128, 254, 0, 255]

    def test_colour_range_is_read_when_the_axis_is_set_up(self, run):
        got = colours(run, "0., 1., 0., 0.5", [0.0, 0.99, 1.0], settings="v.colran(10, 19)")
        assert got == [10, 19, 19]

    def test_small_table_has_its_own_outside_colours(self, run):
        got = colours(run, "0., 1., 0., 0.5", [-1.0, 0.0, 1.0, 2.0], settings="v.setvlt('SMAL')")
        assert got == [0, 1, 8, 9]

    def test_reversed_background_exchanges_the_outside_colours(self, run):
        got = colours(run, "0., 1., 0., 0.5", [-1.0, 2.0], device="png", before="v.scrmod('REVERS')")
        assert got == [255, 0]


def svg_polygons(path):
    text = path.read_text(encoding="latin-1")
    subprocess.run(["xmllint", "--noout", str(path)], check=True, timeout=60)
    width = float(re.search(r'<svg width="(\d+)"', text).group(1))
    scale = 2970.0 / width  # plot units per SVG unit on the default page
    polys = []
    for fill, pts in re.findall(r'<polygon fill="(#[0-9a-f]{6})" points="([^"]*)"', text):
        nums = [float(v) * scale for v in re.findall(r"-?\d+\.\d+", pts)]
        polys.append((fill, nums[0::2], nums[1::2]))
    return polys


class TestMatrixAndPoints:
    @pytest.mark.parametrize("steps, count", [(1, 12), (2, 35), (3, 70)])
    def test_crvmat_draws_one_rectangle_per_interpolated_point(self, run, tmp_path, steps, count):
        run(f"""
            v.metafl('svg'); v.setfil('m.svg'); v.vtxini(); v.errmod('prot', 'off')
            v.nobar()
            {GRAF3 % "0., 12., 0., 4."}
            v.crvmat([[float(i * 3 + j) for j in range(3)] for i in range(4)], 4, 3, {steps}, {steps})
            v.vtxfin()
        """)
        assert len(svg_polygons(tmp_path / "m.svg")) == count

    def test_nobgd_skips_points_beyond_the_axis_start(self, run, tmp_path):
        run(f"""
            v.metafl('svg'); v.setfil('p.svg'); v.vtxini(); v.errmod('prot', 'off')
            v.nobar(); v.nobgd(); v.setres(20, 20)
            {GRAF3 % "0., 1., 0., 0.5"}
            v.curve3([0.2, 0.4, 0.6, 0.8], [0.5] * 4, [-1.0, 0.0, 0.5, 2.0], 4)
            v.curvx3([0.3, 0.7], 0.2, [-0.5, 0.5], 2)
            v.curvy3(0.9, [0.3, 0.7], [0.5, -0.5], 2)
            v.vtxfin()
        """)
        polys = svg_polygons(tmp_path / "p.svg")
        assert len(polys) == 5
        for _, xs, ys in polys:
            assert max(xs) - min(xs) == pytest.approx(20, abs=2)
            assert max(ys) - min(ys) == pytest.approx(20, abs=2)

    def test_points_as_symbols_take_their_colour_and_skip_interpolation(self, run, tmp_path):
        run(f"""
            v.metafl('svg'); v.setfil('y.svg'); v.vtxini(); v.errmod('prot', 'off')
            v.nobar(); v.shdmod('symb', 'curve'); v.marker(3)
            {GRAF3 % "0., 1., 0., 0.5"}
            v.curve3([0.2, 0.5, 0.8], [0.5] * 3, [0.1, 0.5, 0.9], 3)
            v.crvmat([[0.0, 0.3], [0.6, 1.0]], 2, 2, 4, 4)
            v.vtxfin()
        """)
        text = (tmp_path / "y.svg").read_text(encoding="latin-1")
        assert svg_polygons(tmp_path / "y.svg") == []  # no rectangles
        # each symbol in its own colour: 3 points and the 4 matrix elements, none interpolated
        colours = set(re.findall(r'stroke="(#[0-9a-f]{6})"', text)) - {"#ffffff", "#000000"}
        assert len(colours) == 7

    def test_crvtri_fills_each_triangle_in_the_colour_of_its_mean(self, run, tmp_path):
        out = run(f"""
            v.metafl('svg'); v.setfil('t.svg'); v.vtxini(); v.errmod('prot', 'off')
            v.nobar(); v.setvlt('SMAL'); v.colran(1, 2)
            {GRAF3 % "0., 1., 0., 0.5"}
            v.crvtri([0.1, 0.9, 0.5, 0.5], [0.1, 0.1, 0.9, 0.5], [0.0, 0.0, 0.3, 2.0], 4,
                     [1, 1, 1], [2, 2, 2], [3, 4, 9], 3)
            print(v.nzposn(0.1), v.nzposn(2 / 3.))
            v.vtxfin()
        """).stdout
        assert out.split()[-2:] == ["1", "2"]
        polys = svg_polygons(tmp_path / "t.svg")
        assert len(polys) == 2  # the triangle with point 9 is skipped
        assert polys[0][0] != polys[1][0]
        assert len(polys[0][1]) == 3

    @pytest.mark.parametrize("device", ["png", "pdf", "svg"])
    def test_autres_size_on_devices_other_than_screens(self, run, device):
        out = run(f"""
            v.metafl('{device}'); v.setfil('a.{device}'); v.vtxini(); v.errmod('prot', 'off')
            v.axslen(1001, 1001); v.autres(11, 11)
            {GRAF3 % "0., 1., 0., 0.5"}
            print(v.getres()); v.vtxfin()
        """).stdout
        assert "(101, 101)" in out


def bar_box(polys):
    xs = [x for _, px, _ in polys for x in px]
    ys = [y for _, _, py in polys for y in py]
    return min(xs), max(xs), min(ys), max(ys)


class TestColourBar:
    @pytest.mark.parametrize("width, dx, dy", [(85, 0, 0), (40, 100, 0), (120, -30, 200)])
    def test_bar_size_and_position(self, run, tmp_path, width, dx, dy):
        run(f"""
            v.metafl('svg'); v.setfil('b.svg'); v.vtxini(); v.errmod('prot', 'off')
            v.axspos(500, 1600); v.ax3len(1000, 1000, 1000)
            v.widbar({width}); v.vkxbar({dx}); v.vkybar({dy})
            {GRAF3 % "0., 1., 0., 0.5"}
            print(v.getwid()); v.vtxfin()
        """)
        polys = svg_polygons(tmp_path / "b.svg")
        assert len(polys) == 254
        x1, x2, y1, y2 = bar_box(polys)
        left = 500 + 1000 + 85 + dx
        assert x1 == pytest.approx(left, abs=4)
        assert x2 == pytest.approx(left + width - 1, abs=4)
        assert y2 == pytest.approx(1600 - dy, abs=4)
        assert y1 == pytest.approx(1600 - dy - 999, abs=4)

    def test_decade_extension_colours_only_the_data_part(self, run, tmp_path):
        run("""
            v.metafl('svg'); v.setfil('e.svg'); v.vtxini(); v.errmod('prot', 'off')
            v.expzlb('BOTH')
            v.zaxlg(0.3, 2.7, 0.3, 1., 900, 'Z', 0, 0, 1000, 1500)
            v.vtxfin()
        """)
        x1, x2, y1, y2 = bar_box(svg_polygons(tmp_path / "e.svg"))
        # The axis runs over 0..3; the colours from 0.3 to 2.7 of it.
        assert y2 == pytest.approx(1500 - 0.3 / 3 * 899, abs=4)
        assert y2 - y1 == pytest.approx(2.4 * 900 / 3 - 1, abs=4)

    def test_horizontal_stand_alone_bar(self, run, tmp_path):
        run("""
            v.metafl('svg'); v.setfil('h.svg'); v.vtxini(); v.errmod('prot', 'off')
            v.colran(1, 10); v.widbar(60)
            v.zaxis(0., 1., 0., 0.5, 800, 'Z', 0, 1, 400, 1000)
            v.vtxfin()
        """)
        polys = svg_polygons(tmp_path / "h.svg")
        assert len(polys) == 10
        x1, x2, y1, y2 = bar_box(polys)
        assert (x1, x2) == (pytest.approx(400, abs=4), pytest.approx(1199, abs=4))
        assert (y1, y2) == (pytest.approx(941, abs=4), pytest.approx(1000, abs=4))

    def test_nobar_draws_no_bar(self, run, tmp_path):
        run(f"""
            v.metafl('svg'); v.setfil('n.svg'); v.vtxini(); v.errmod('prot', 'off')
            v.nobar(); {GRAF3 % "0., 1., 0., 0.5"}; v.vtxfin()
        """)
        assert svg_polygons(tmp_path / "n.svg") == []


WARNING_CASES = [
    ("v.setres(-1, 5); print(v.getres())", 1, "(1, 5)"),
    (GRAF3 % "0., 1., 0., 0.5" + "; v.crvmat([[1., 2.]], 1, 2, 1, 1)", 2, None),
    (GRAF3 % "0., 1., 0., 0.5" + "; v.crvmat([[1., 2.], [3., 4.]], 2, 2, 0, 1)", 2, None),
    ("v.zscale(1., 1.)", 2, None),
    ("v.sursze(0., 1., 2., 2.)", 10, None),
    ("v.colran(0, 256); print(v.getran())", 2, "(1, 254)"),
    ("v.autres(1, 5)", 2, None),
    ("v.widbar(10001); print(v.getwid())", 2, "85"),
    ("v.ax3len(1000, 1000, 5000)", 2, None),
    ("v.expzlb('HALF')", 2, None),
    ("v.graf3(0., 1., 0., .5, 0., 1., 0., .5, 1., 1., 0., .5); print(v.getlev())", 10, "1"),
    ("v.curve3([0.5], [0.5], [0.5], 1)", 3, None),
]


@pytest.mark.parametrize("call, number, printed", WARNING_CASES)
def test_warnings_of_the_colour_routines(run, call, number, printed):
    result = run(f"""
        v.metafl('svg'); v.setfil('w.svg'); v.vtxini()
        {call}
        v.vtxfin()
    """)
    assert any(f"Warning {number:3d}" in w or f"Warning  {number}" in w or f"Warning {number}" in w
               for w in result.warnings()), result.stdout
    if printed is not None:
        assert printed in result.stdout


DEMO = """
    import math
    v.metafl('{dev}'); v.setfil('plot.{dev}'); v.scrmod('REVERS'); v.vtxini(); v.errmod('prot', 'off')
    v.name('X', 'x'); v.name('Y', 'y'); v.name('Z', 'z')
    z = [[math.sin(i / 5.0) * math.cos(j / 4.0) for j in range(20)] for i in range(30)]
    v.autres(30, 20)
    v.graf3(0., 3., 0., 0.5, 0., 2., 0., 0.5, -1., 1., -1., 0.5)
    v.crvmat(z, 30, 20, 1, 1)
    v.vtxfin()
"""


@pytest.mark.parametrize("dev", ["png", "pdf", "svg"])
def test_complete_colour_plot_is_read_by_independent_readers(run, tmp_path, dev):
    run(DEMO.format(dev=dev))
    path = tmp_path / f"plot.{dev}"
    tool = {"png": ["pngcheck"], "pdf": ["qpdf", "--check"], "svg": ["xmllint", "--noout"]}[dev]
    proc = subprocess.run(tool + [str(path)], capture_output=True, text=True, timeout=60)
    assert proc.returncode == 0, proc.stdout + proc.stderr
    if dev == "png":
        with Image.open(path) as im:
            rgb = im.convert("RGB")
            w, h = rgb.size
            # The plot holds the colour ramp, and the bar beside it reaches red.
            assert len(set(rgb.getdata())) > 100
            bar = [rgb.getpixel((x, y)) for x in range(w * 5 // 6, w) for y in range(h)]
            assert (255, 0, 0) in [(r // 128 * 255, g // 128 * 255, b // 128 * 255) for r, g, b in bar]


def test_points_outside_the_scaling_are_reported_and_not_drawn(run, tmp_path):
    out = run(f"""
        v.metafl('svg'); v.setfil('o.svg'); v.vtxini(); v.errmod('prot', 'off')
        v.nobar(); {GRAF3 % "0., 1., 0., 0.5"}
        v.curve3([0.5, 2.0], [0.5, 0.5], [0.5, 0.5], 2)
        v.vtxfin()
    """).stdout
    assert " <<<< (  2.0000e+00 /  5.0000e-01) out of axis scaling!" in out.splitlines()
    assert len(svg_polygons(tmp_path / "o.svg")) == 1


class TestSmoothTriangles:
    SCRIPT = """
        v.metafl('{dev}'); v.setfil('s.{dev}'); v.vtxini(); v.errmod('prot', 'off')
        v.nobar(); v.shdmod('smooth', 'surface')
        {graf3}
        v.crvtri([0., 1., 1., 0.], [0., 0., 1., 1.], [0., 1., 1., 0.], 4, [1, 1], [2, 3], [3, 4], 2)
        print('done'); v.vtxfin()
    """

    def test_raster_interpolates_the_corner_colours(self, run, tmp_path):
        run(self.SCRIPT.format(dev="png", graf3=GRAF3 % "0., 1., 0., 0.5"))
        im = Image.open(tmp_path / "s.png")
        x1, y1, x2, y2 = im.point(lambda p: 255 if 1 <= p <= 254 else 0).getbbox()
        row = [im.getpixel((x, (y1 + y2) // 2)) for x in range(x1 + 2, x2 - 2)]
        assert row == sorted(row) and row[0] < 10 and row[-1] > 245  # z = x: colours rise left to right
        assert len(set(row)) > 200
        column = {im.getpixel(((x1 + x2) // 2, y)) for y in range(y1 + 2, y2 - 2)}
        assert max(column) - min(column) <= 1

    def test_vector_devices_warn_and_draw_nothing(self, run, tmp_path):
        out = run(self.SCRIPT.format(dev="svg", graf3=GRAF3 % "0., 1., 0., 0.5"))
        assert "Warning  40: File format and output device are incompatible in CRVTRI" in out.stdout
        assert svg_polygons(tmp_path / "s.svg") == []
