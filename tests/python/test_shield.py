"""Shielding regions seen on the plotter: lines are cut exactly where regions
lie, regions can be switched off and deleted, and the buffer has a limit."""
import pytest

from fill_helpers import scenario, segments

CURVE = "v.line(100, 500, 900, 500)"


def horizontal_parts(text, y=500):
    return [(min(a[0], b[0]), max(a[0], b[0])) for a, b in segments(text) if a[1] == b[1] == y]


class TestRegions:
    def test_rectangle_cuts_a_gap_exactly_over_itself_until_switched_off(self, run, tmp_path):
        text, _ = scenario(run, tmp_path, "hpgl", "v.shlrec(400, 450, 201, 101)\n%s\n"
                                                  "v.shlvis(1, 'OFF')\nv.line(100, 700, 900, 700)" % CURVE)
        assert horizontal_parts(text) == [(100, 400), (600, 900)]
        assert horizontal_parts(text, 700) == [(100, 900)]
        # the default frame (thickness 1) outlines the region itself
        assert (((400, 450), (600, 450)) in segments(text))

    def test_circle_ellipse_and_pie_regions(self, run, tmp_path):
        text, _ = scenario(run, tmp_path, "hpgl", "v.shlcir(300, 500, 50)\nv.shlell(600, 500, 20, 80, 90)\n"
                                                  "v.shlpie(800, 520, 40, 0, 90)\n%s" % CURVE)
        # the pie covers the upper right quarter: 20 units above its centre it ends at 800 + sqrt(40^2 - 20^2)
        ends = [v for part in horizontal_parts(text) for v in part]
        assert ends == pytest.approx([100, 250, 350, 520, 680, 800, 800 + 1200 ** 0.5, 900], abs=0.5)

    def test_polygon_region_and_its_closing_point(self, run, tmp_path):
        text, out = scenario(run, tmp_path, "hpgl", """\
            v.shlpol([400, 500, 450, 400], [400, 400, 600, 400], 4)
            print(v.shlind())
            v.shlpol([0, 10, 0], [0, 0, 0], 3)
            v.line(100, 500, 900, 500)""", quiet=False)
        assert out.warnings() == [" <<<< Warning  30: Incorrect number of points in SHLPOL!"]
        assert out.stdout.split()[0] == "1"
        assert horizontal_parts(text) == [(100, 425), (475, 900)]

    def test_deleting_and_restoring(self, run, tmp_path):
        text, out = scenario(run, tmp_path, "hpgl", """\
            for x in (200, 400, 600):
                v.shlrec(x, 450, 50, 100)
            v.shldel(2)
            print(v.shlind())
            v.line(100, 500, 900, 500)
            v.shlres(1)
            v.line(100, 520, 900, 520)
            v.shldel(0)
            print(v.shlind())""", quiet=False)
        assert out.stdout.split()[:2] == ["2", "0"]
        assert horizontal_parts(text) == [(100, 200), (249, 600), (649, 900)]  # corners inclusive
        assert horizontal_parts(text, 520) == [(100, 200), (249, 900)]

    def test_the_167th_rectangle_overflows_the_buffer(self, run, tmp_path):
        _, out = scenario(run, tmp_path, "hpgl", """\
            for i in range(167):
                v.shlrec(10 * i, 10, 5, 5)
            print(v.shlind())""", quiet=False)
        assert out.warnings() == [" <<<< Warning  47: Blanking buffer overflow in SHLREC!"]
        assert "166" in out.stdout.split()

    def test_bad_arguments_and_keywords(self, run, tmp_path):
        _, out = scenario(run, tmp_path, "hpgl", """\
            v.shlrec(0, 0, 0, 5); v.shlcir(0, 0, 10001); v.shldel(-1); v.shlres(0)
            v.shlvis(-1, 'MAYBE'); v.shield('TEXT', 'ON'); v.shield('MESS', 'LOUD'); v.shield('TXT', 'LOUD')
            v.shlpol([0, 1], [0, 1], 2)
            v.shield('MESS', 'ON'); v.shield('LEGE', 'RESE'); v.shlsur()""", quiet=False)
        # every bad argument of a call is reported, a bad id and a bad keyword alike
        assert [w[:40] for w in out.warnings()] == [" <<<< Warning   2: Incorrect parameter i"] * 11

    def test_ps_file_with_regions_renders(self, run, tmp_path):
        scenario(run, tmp_path, "ps", "v.shlrct(400, 400, 200, 100, 30)\nv.shlpie(800, 800, 100, 45, 300)\n"
                                      "v.shlell(1200, 800, 100, 50, 20)\n"
                                      "v.shlpol([1500, 1700, 1600], [300, 300, 600], 3)\n"
                                      "for y in range(300, 1000, 25): v.line(100, y, 2000, y)")
