"""Filled polygons: the device's own solid fill, the software hatch fill with
its patterns, and the pattern routines."""
import math
import re

import pytest

from fill_helpers import scenario, segments
from postscript_reader import drawing, paths

SQUARE = "[100, 400, 400, 100], [100, 100, 300, 300], 4"


def angle_of(seg):
    (x1, y1), (x2, y2) = seg
    return round(math.degrees(math.atan2(-(y2 - y1), x2 - x1))) % 180


class TestDeviceFill:
    def test_solid_pattern_inside_the_window_is_one_eofill_path(self, run, tmp_path):
        text, _ = scenario(run, tmp_path, "ps", "v.shdpat(16)\nv.noarln()\nv.areaf(%s)" % SQUARE)
        stream = " ".join(drawing(text).split())
        assert stream.count("eofill") == 1
        # landscape page: device (y s, x s) with s = 3900 / 2100; first vertex repeated at the end
        assert "186 186 u 186 743 d 557 743 d 557 186 d 186 186 d eofill" in stream
        assert paths(text) == []

    def test_partly_hidden_polygon_is_hatched_with_lines_two_units_apart(self, run, tmp_path):
        text, _ = scenario(run, tmp_path, "ps", "v.clpwin(0, 0, 300, 2000)\nv.shdpat(16)\nv.noarln()\n"
                                                 "v.areaf(%s)" % SQUARE)
        assert "eofill" not in text
        s = 3900 / 2100
        lines = paths(text)
        assert all(len(p) == 2 and p[0][0] == p[1][0] for p in lines)  # constant plot y
        plot_y = sorted(p[0][0] / s for p in lines)
        assert len(plot_y) == 100 and plot_y[0] == pytest.approx(100, abs=0.3)
        assert all(b - a == pytest.approx(2, abs=0.6) for a, b in zip(plot_y, plot_y[1:]))
        assert {round(p[1][1] / s) for p in lines} == {299}  # cut at the window

    def test_outline_is_drawn_first_unless_switched_off(self, run, tmp_path):
        text, _ = scenario(run, tmp_path, "ps", "v.shdpat(16)\nv.areaf(%s)" % SQUARE)
        assert paths(text) == [[(186, 186), (186, 743), (557, 743), (557, 186), (186, 186)]]
        assert text.index(" p ") < text.index("eofill")


class TestHatching:
    def test_pattern_5_crosses_lines_at_45_and_135_degrees(self, run, tmp_path):
        text, _ = scenario(run, tmp_path, "hpgl", "v.shdpat(5)\nv.noarln()\nv.areaf(%s)" % SQUARE)
        segs = segments(text)
        by_angle = {}
        for seg in segs:
            by_angle.setdefault(angle_of(seg), []).append(seg)
        assert sorted(by_angle) == [45, 135]
        assert abs(len(by_angle[45]) - len(by_angle[135])) <= 2 and len(by_angle[45]) > 10
        # lines of one set lie 27 units apart (5 x density 5 + 2), measured across them
        offsets = sorted((x + y) / math.sqrt(2) for (x, y), _ in by_angle[45])
        assert all(b - a == pytest.approx(27, abs=0.5) for a, b in zip(offsets, offsets[1:]))

    def test_pairs_of_lines_with_skipped_lines_between(self, run, tmp_path):
        text, _ = scenario(run, tmp_path, "hpgl", "v.mypat(0, 2, 1, 0)\nv.noarln()\n"
                                                   "v.areaf([100, 400, 400, 100], [100, 100, 400, 400], 4)")
        ys = sorted({y for (_, y), _ in segments(text)})
        # the groups count from the first scan line, y = 80, just below the polygon
        assert ys == [100, 140, 160, 200, 220, 260, 280, 320, 340, 380]

    def test_dotted_pattern_draws_dots_along_each_line(self, run, tmp_path):
        text, _ = scenario(run, tmp_path, "hpgl", "v.mypat(0, 5, 5, 0)\nv.noarln()\n"
                                                   "v.areaf([100, 400, 400, 100], [100, 100, 200, 200], 4)")
        segs = segments(text)
        assert {y for (_, y), _ in segs} == {108, 135, 162, 189}
        assert all(abs(b[0] - a[0]) <= 1 for a, b in segs)  # dots of line type 6: 1 drawn, 20 skipped
        assert 50 < len(segs) < 70

    @staticmethod
    def comb(teeth):
        x, y = [100], [300]
        for t in range(teeth):
            x += [100 + 4 * t, 102 + 4 * t, 102 + 4 * t, 104 + 4 * t]
            y += [200, 200, 300, 300]
        return x + [100 + 4 * teeth, 100], y + [400, 400]

    @pytest.mark.parametrize("teeth, warnings", [(50, []), (51, [" <<<< Warning  26: Too many intersections in AREAF!"])])
    def test_more_than_100_crossings_stop_the_fill_with_warning_26(self, run, tmp_path, teeth, warnings):
        x, y = self.comb(teeth)
        _, out = scenario(run, tmp_path, "ps", "v.mypat(0, 1, 1, 0)\nv.areaf(%r, %r, %d)" % (x, y, len(x)),
                          quiet=False)
        assert out.warnings() == warnings


class TestPatternRoutines:
    def test_requests_codes_and_bad_values(self, run):
        out = run("""\
            v.metafl('ps'); v.setfil('x.ps'); v.vtxini()
            v.shdpat(16); print(v.getpat())
            v.mypat(30, 1, 4, 1); print(v.getpat())
            v.shdpat(-1); v.mypat(180, 1, 0, 0); v.mypat(0, 8, 0, 0); print(v.getpat())
            v.vtxfin()
        """)
        assert [w for w in out.stdout.split() if w.isdigit()][:3] == ["16", "30141", "30141"]
        assert [w[:42] for w in out.warnings()] == [" <<<< Warning   2: Incorrect parameter in "] * 3
