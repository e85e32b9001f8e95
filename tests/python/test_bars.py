"""Bar graphs: group slots and widths, positions at the axis labels, value
labels and their placement, label blanking, zero-sized bars, warnings, and
one chart read back by the independent readers of every vector and raster
format. Geometry is read from HPGL output (4 device units per plot unit)."""
import subprocess
import textwrap

import pytest
from PIL import Image

from fill_helpers import scenario, segments
from postscript_reader import render

# A system whose axes have 100 plot units per unit: x 0..4 from plot x 500,
# y 0..10 upwards from plot y 1500.
SYSTEM = """
v.axspos(500, 1500)
v.axslen(401, 1001)
v.nograf()
v.graf(0.0, 4.0, 0.0, 1.0, 0.0, 10.0, 0.0, 2.0)
"""


def horizontal_edges(segs, y):
    """(x1, x2) of the drawn horizontal segments at plot height y."""
    return sorted((min(a[0], b[0]), max(a[0], b[0])) for a, b in segs if a[1] == b[1] == y and a[0] != b[0])


def bar_scenario(run, tmp_path, body, before=""):
    text, out = scenario(run, tmp_path, "hpgl", SYSTEM + textwrap.dedent(body), before=before, quiet=False)
    return segments(text), out


class TestGeometry:
    def test_default_bars_are_75_units_wide_and_centred_on_their_positions(self, run, tmp_path):
        segs, out = bar_scenario(run, tmp_path, "v.bars([1., 2., 3.], [0., 0., 0.], [3., 5., 7.], 3)")
        assert out.warnings() == []
        assert horizontal_edges(segs, 1200) == [(563, 638)]
        assert horizontal_edges(segs, 1000) == [(663, 738)]
        assert horizontal_edges(segs, 800) == [(763, 838)]

    def test_three_calls_fill_the_slots_of_a_group_from_the_left(self, run, tmp_path):
        segs, _ = bar_scenario(run, tmp_path, """
            v.bargrp(3, 0.0)
            v.bars([1., 2.], [0., 0.], [3., 3.], 2)
            v.shdpat(0)
            v.bars([1., 2.], [0., 0.], [4., 4.], 2)
            v.shdpat(0)
            v.bars([1., 2.], [0., 0.], [5., 5.], 2)
            v.shdpat(0)
            v.bars([1.], [0.], [6.], 1)
        """)
        assert horizontal_edges(segs, 1200) == [(563, 588), (663, 688)]
        assert horizontal_edges(segs, 1100) == [(588, 613), (688, 713)]
        assert horizontal_edges(segs, 1000) == [(613, 638), (713, 738)]
        # the fourth call starts a new group in the first slot; one bar spans one label step
        assert horizontal_edges(segs, 900) == [(563, 588)]

    def test_absolute_width_and_gap(self, run, tmp_path):
        segs, _ = bar_scenario(run, tmp_path, """
            v.barwth(-60.0)
            v.bargrp(2, -10.0)
            v.bars([1.], [0.], [3.], 1)
            v.shdpat(0)
            v.bars([1.], [0.], [4.], 1)
        """)
        assert horizontal_edges(segs, 1200) == [(570, 595)]
        assert horizontal_edges(segs, 1100) == [(605, 630)]

    def test_variable_widths_follow_the_nearer_neighbour(self, run, tmp_path):
        segs, _ = bar_scenario(run, tmp_path, """
            v.barwth(0.5)
            v.barmod("VARI", "WIDTH")
            v.bars([1., 2., 3.5], [0.] * 3, [3., 3., 3.], 3)
            v.barmod("FIXE", "WIDT")
            v.shdpat(0)
            v.bars([1., 2., 3.5], [0.] * 3, [5., 5., 5.], 3)
        """)
        assert horizontal_edges(segs, 1200) == [(575, 625), (675, 725), (813, 888)]
        assert horizontal_edges(segs, 1000) == [(575, 625), (675, 725), (825, 875)]

    def test_horizontal_bars_extend_along_x(self, run, tmp_path):
        segs, _ = bar_scenario(run, tmp_path, """
            v.bartyp("HORI")
            v.barwth(-40.0)
            v.bars([2.], [1.], [3.], 1)
        """)
        # position y = 2 at plot y 1300, bar from x = 1 (600) to x = 3 (800)
        assert horizontal_edges(segs, 1280) == [(600, 800)]
        assert horizontal_edges(segs, 1320) == [(600, 800)]

    def test_a_bar_of_zero_height_is_an_outline_even_when_filled(self, run, tmp_path):
        segs, _ = bar_scenario(run, tmp_path, "v.shdpat(16)\nv.bars([1., 2.], [4., 0.], [4., 3.], 2)")
        first = [s for s in segs if all(560 <= p[0] <= 640 for p in s)]
        assert first and all(p[1] == 1100 for s in first for p in s)
        second = [s for s in segs if all(660 <= p[0] <= 740 for p in s)]
        assert len(second) > 50  # hatched solid fill

    def test_negative_values_hang_below_the_start(self, run, tmp_path):
        segs, _ = bar_scenario(run, tmp_path, """
            v.endgrf()
            v.graf(0.0, 4.0, 0.0, 1.0, -5.0, 5.0, -5.0, 1.0)
            v.bars([1.], [0.], [-2.], 1)
        """)
        assert (563, 638) in horizontal_edges(segs, 1000)  # y = 0
        assert (563, 638) in horizontal_edges(segs, 1200)  # y = -2


    def test_bars_blank_later_lines_when_their_shielding_is_on(self, run, tmp_path):
        segs, _ = bar_scenario(run, tmp_path, """
            v.shield("BARS", "ON")
            v.bars([1., 2.], [0., 0.], [3., 5.], 2)
            v.bartyp("3DVE")
            v.shdpat(0)
            v.bars([3.], [0.], [5.], 1)
            v.curve([0.0, 4.0], [2.0, 2.0], 2)
        """)
        line = [s for s in segs if s[0][1] == s[1][1] == 1300]
        # hidden by the two flat bars and by the front and side face of the 3-D bar (depth 75 at
        # 45 degrees: the side face reaches 53 units further right)
        covered = [(563, 638), (663, 738), (763, 891)]
        assert line and all(not (lo + 1 < x < hi - 1) for a, b in line for x in (a[0], b[0], (a[0] + b[0]) / 2)
                            for lo, hi in covered)
        assert any(a[0] <= 650 <= b[0] or b[0] <= 650 <= a[0] for a, b in line)  # visible between the bars


class TestPositions:
    def test_tick_positions_overwrite_x_and_warn_on_a_mismatch(self, run, tmp_path):
        out = run(SYSTEM.replace("v.axspos", "v.metafl('hpgl')\nv.vtxini()\nv.axspos") + """
v.barpos("TICK")
x = [0., 0., 0., 0., 0.]
v.bars(x, [0.] * 5, [1.] * 5, 5)
print(x)
v.barpos("BOTH")
x, y1 = [0., 0.], [7., 7.]
v.bars(x, y1, [1., 1.], 2)
print(x, y1)
v.vtxfin()
""")
        lines = out.stdout.splitlines()
        assert " <<<< Warning  28: Number of bars unequal number of main ticks in BARS!" in lines
        assert "[1.0, 2.0, 3.0, 0.0, 0.0]" in lines
        assert "[1.0, 2.0] [0.0, 0.0]" in lines
        assert len(out.warnings()) == 2


    def test_each_call_moves_the_pattern_to_the_next_curve_and_cycling_restores_the_colour(self, run):
        out = run(SYSTEM.replace("v.axspos", "v.metafl('hpgl')\nv.vtxini()\nv.axspos") + """
v.color("RED")
c = v.getclr()
v.chnbar("BOTH")
v.bars([1., 2., 3.], [0.] * 3, [1.] * 3, 3)
print(v.getpat(), v.getclr() == c)
v.bars([1., 2., 3.], [0.] * 3, [1.] * 3, 3)
print(v.getpat())
v.vtxfin()
""")
        assert out.stdout.splitlines()[:2] == ["1 True", "2"]


class TestLabels:
    def test_a_label_too_wide_for_its_bar_stands_above_it(self, run, tmp_path):
        segs, _ = bar_scenario(run, tmp_path, """
            v.barwth(-20.0)
            v.labels("SECO", "BARS")
            v.bars([1.], [0.], [3.], 1)
        """)
        digits = [s for s in segs if any(p[1] < 1200 for p in s)]
        assert digits and all(1200 - 36 - 36 <= p[1] <= 1200 - 36 for s in digits for p in s)

    def test_a_label_inside_a_filled_bar_is_kept_free_of_the_fill(self, run, tmp_path):
        segs, _ = bar_scenario(run, tmp_path, """
            v.shdpat(16)
            v.barwth(-200.0)
            v.labels("SECO", "BARS")
            v.bars([2.], [0.], [8.], 1)
        """)
        # inside at the end: the box of the number 8.0 runs from 1.25 heights below the top (y 700)
        box_top, box_bottom = 700 + 45, 700 + 45 + 54
        strokes = [s for s in segs if s[0][1] != s[1][1] and box_top <= min(s[0][1], s[1][1]) <= box_bottom]
        left, right = min(p[0] for s in strokes for p in s), max(p[0] for s in strokes for p in s)
        assert 600 < left < right < 800
        inside = [s for s in segs if s[0][1] == s[1][1] and box_top + 2 < s[0][1] < box_bottom - 2
                  and abs(s[0][0] - s[1][0]) > 30]
        assert inside, "the fill covers the bar beside the label"
        for (x1, _), (x2, _) in inside:
            assert max(x1, x2) < left or min(x1, x2) > right

    @pytest.mark.parametrize("keyword,above", [("OUTS", True), ("INSI", False), ("CENT", False)])
    def test_placement_keywords(self, run, tmp_path, keyword, above):
        segs, _ = bar_scenario(run, tmp_path, """
            v.labels("DELT", "BARS")
            v.labpos(%r, "BARS")
            v.bars([2.], [2.], [8.], 1)
        """ % keyword)
        outline = [s for s in segs if (s[0][1] == s[1][1] and s[0][1] in (700, 1300))
                   or (s[0][0] == s[1][0] and s[0][0] in (663, 738))]
        label = [p[1] for s in segs if s not in outline for p in s]
        assert label
        assert (max(label) < 700) == above


class TestWarnings:
    def test_every_failure_warns_and_changes_nothing(self, run, tmp_path):
        out = run(SYSTEM.replace("v.axspos", "v.metafl('hpgl')\nv.vtxini()\nv.axspos") + """
v.bargrp(31, 0.0)
v.barclr(0, 256, 0)
v.barbor(-2)
v.barmod("VARI", "HEIG")
v.bartyp("DIAG")
v.vtxfin()
v.bars([1.], [0.], [1.], 1)
""")
        w = out.warnings()
        assert any("BARGRP" in line for line in w) and any("BARCLR" in line for line in w)
        assert any("BARBOR" in line for line in w)
        assert any("Warning   2: Incorrect parameter in BARMOD!" in line and "HEIG" in line for line in w)
        assert any("BARTYP" in line for line in w)
        assert any("Warning   3" in line and "BARS" in line for line in w)

    def test_non_positive_values_on_a_log_axis_draw_nothing(self, run, tmp_path):
        text, out = scenario(run, tmp_path, "hpgl", 'v.axsscl("LOG", "Y")' + SYSTEM +
                             "v.bars([1., 2.], [0., 1.], [10., 100.], 2)", quiet=False)
        segs = segments(text)
        assert any("Warning  27" in line for line in out.warnings())
        assert horizontal_edges(segs, 1400) == []


CHART = """
v.scrmod("REVERS")
v.vtxini()
v.axspos(400, 1700)
v.axslen(2200, 1400)
v.legini("", 3, 8)
v.leglin("", "north", 1)
v.leglin("", "south", 2)
v.leglin("", "east", 3)
v.graf(0.0, 5.0, 0.0, 1.0, 0.0, 10.0, 0.0, 2.0)
v.setvlt("SMALL")
v.labels("SECO", "BARS")
v.bargrp(3, 0.15)
v.barbor(7)
v.shdpat(16)
v.color("RED")
v.bars([1., 2., 3., 4.], [0.] * 4, [3., 7., 5., 9.], 4)
v.color("GREEN")
v.bars([1., 2., 3., 4.], [0.] * 4, [4., 2., 6., 8.], 4)
v.color("BLUE")
v.bartyp("3DVE")
v.barclr(-1, 3, 5)
v.bars([1., 2., 3., 4.], [0.] * 4, [6., 5., 1., 4.], 4)
v.color("FORE")
v.legend("", 7)
v.vtxfin()
"""


class TestFiles:
    @pytest.mark.parametrize("device", ["png", "eps", "pdf", "svg"])
    def test_a_grouped_labelled_chart_is_read_by_the_independent_reader(self, run, tmp_path, device):
        out = run('v.metafl(%r)\nv.setfil("chart.%s")\n' % (device, device) + CHART)
        assert out.warnings() == []
        path = tmp_path / ("chart." + device)
        if device == "eps":
            render(path)
        elif device == "pdf":
            subprocess.run(["qpdf", "--check", str(path)], check=True, capture_output=True, timeout=60)
        elif device == "svg":
            subprocess.run(["xmllint", "--noout", str(path)], check=True, capture_output=True, timeout=60)
            subprocess.run(["rsvg-convert", "-o", str(tmp_path / "svg.png"), str(path)], check=True, timeout=60)
        else:
            subprocess.run(["pngcheck", str(path)], check=True, capture_output=True, timeout=60)
            image = Image.open(path).convert("RGB")
            colours = set(image.getdata())
            assert (255, 0, 0) in colours and (0, 255, 0) in colours and (0, 0, 255) in colours
