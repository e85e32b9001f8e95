"""curve and its modes, the spline wrapper, error bars, shaded curves,
attribute cycling, range reports and bad input."""
from curve_helpers import SCALE, coloured, paths, scenario

AXES = "v.graf(0., 10., 0., 2., 0., 10., 0., 2.)\n"


def warning_lines(result, number):
    return [w for w in result.warnings() if w.startswith(" <<<< Warning %3d:" % number)]


class TestSplineWrapper:
    def test_default_settings_return_200_points_through_the_data(self, run):
        out = run("""
            xs, ys = [0.0] * 200, [0.0] * 200
            n = v.spline([0., 1., 2., 3.], [0., 1., 0., 1.], 4, xs, ys)
            print(n, xs[0], ys[0], xs[199], ys[199], round(xs[100], 4))
        """).stdout
        assert out.split() == ["200", "0.0", "0.0", "3.0", "1.0", str(round(3.0 * 100 / 199, 4))]

    def test_three_points_give_warning_31_and_no_points(self, run):
        r = run(scenario("xs, ys = [0.0] * 200, [0.0] * 200\n"
                         "print('count', v.spline([0., 1., 2.], [0., 1., 0.], 3, xs, ys))"))
        assert "count 0" in r.stdout
        assert warning_lines(r, 31) == [
            " <<<< Warning  31: Incorrect number of points for spline interpolation in SPLINE!   (   3)"]

    def test_x_not_increasing_gives_warning_32(self, run):
        r = run(scenario("xs, ys = [0.0] * 200, [0.0] * 200\n"
                         "print('count', v.spline([0., 1., 1., 3.], [0., 1., 0., 1.], 4, xs, ys))"))
        assert "count 0" in r.stdout and len(warning_lines(r, 32)) == 1

    def test_more_points_than_nspline_grow_the_lists(self, run):
        out = run(scenario("""
v.splmod(3, 500)
xs, ys = [0.0] * 200, [0.0] * 200
n = v.spline([0., 1., 2., 3., 4.], [1., 2., 1., 2., 1.], 5, xs, ys)
print(n, len(xs), len(ys), xs[-1], ys[-1])
""")).stdout
        assert out.split()[:5] == ["500", "500", "500", "4.0", "1.0"]

    def test_lists_shorter_than_nspline_are_refused(self, run):
        out = run("""
            try:
                v.spline([0., 1., 2., 3.], [0., 1., 0., 1.], 4, [0.0] * 10, [0.0] * 10)
            except MemoryError as e:
                print('refused', e)
            print('zero', v.spline([0.], [0.], 0, [], []))
        """).stdout
        assert "refused out of range" in out and "zero 0" in out


class TestCurveChecks:
    def test_single_point_with_symbols_only_draws_one_symbol_without_warning(self, run, tmp_path):
        r = run(scenario(AXES + "v.color('red'); v.incmrk(-1); v.marker(2); v.curve([5.], [5.], 1)"))
        assert r.warnings() == []
        assert coloured((tmp_path / "out.svg").read_text(), "#ff0000")

    def test_single_point_with_a_line_gives_warning_2(self, run):
        r = run(scenario(AXES + "v.curve([5.], [5.], 1)"))
        assert warning_lines(r, 2) == [" <<<< Warning   2: Incorrect parameter in CURVE!   (   1)"]

    def test_spline_with_three_points_warns_and_draws_nothing(self, run, tmp_path):
        r = run(scenario(AXES + "v.color('red'); v.polcrv('spli'); v.curve([1., 2., 3.], [1., 2., 1.], 3)"))
        assert len(warning_lines(r, 31)) == 1
        assert coloured((tmp_path / "out.svg").read_text(), "#ff0000") == []

    def test_spline_with_x_going_back_gives_warning_32(self, run):
        r = run(scenario(AXES + "v.polcrv('spli'); v.curve([1., 2., 1.5, 3.], [1., 2., 1., 2.], 4)"))
        assert len(warning_lines(r, 32)) == 1

    def test_spline_curve_has_the_point_count_plus_one_vertices(self, run, tmp_path):
        run(scenario(AXES + "v.color('red'); v.splmod(3, 50); v.polcrv('spli');"
                     "v.curve([1., 2., 3., 4., 5.], [1., 3., 2., 5., 4.], 5)"))
        red = coloured((tmp_path / "out.svg").read_text(), "#ff0000")
        assert sum(len(p) for p in red) - (len(red) - 1) == 51

    def test_points_outside_the_scaling_are_reported_unless_nochek(self, run):
        r = run(scenario(AXES + "v.curve([1., 20., 3.], [1., 2., -0.5], 3)"))
        lines = [l for l in r.stdout.splitlines() if "out of axis scaling" in l]
        assert lines == [" <<<< (  2.0000e+01 /  2.0000e+00) out of axis scaling!",
                         " <<<< (  3.0000e+00 / -5.0000e-01) out of axis scaling!"]
        r = run(scenario(AXES + "v.nochek(); v.curve([1., 20., 3.], [1., 2., -0.5], 3)"))
        assert "out of axis scaling" not in r.stdout
        r = run(scenario(AXES + "v.errmod('chec', 'off'); v.curve([1., 20., 3.], [1., 2., -0.5], 3)"))
        assert "out of axis scaling" not in r.stdout

    def test_log_axis_refuses_non_positive_values_until_neglog(self, run):
        r = run(scenario("v.axsscl('log', 'y'); v.graf(0., 10., 0., 2., -1., 2., -1., 1.)\n"
                         "v.curve([1., 2., 3.], [1., 0., 10.], 3)"))
        assert len(warning_lines(r, 27)) == 1
        r = run(scenario("v.axsscl('log', 'y'); v.graf(0., 10., 0., 2., -1., 2., -1., 1.)\n"
                         "v.neglog(0.5); v.curve([1., 2., 3.], [1., 0., 10.], 3)"))
        assert warning_lines(r, 27) == []


class TestModes:
    def test_gap_distance_breaks_the_line_between_far_points(self, run, tmp_path):
        run(scenario(AXES + "v.color('red'); v.gapcrv(1.5); v.curve([0., 1., 2., 5., 6.], [1., 2., 1., 2., 1.], 5)"))
        red = coloured((tmp_path / "out.svg").read_text(), "#ff0000")
        assert [len(p) for p in red] == [3, 2]

    def bar_widths(self, run, tmp_path, width, xs):
        run(scenario(AXES + "v.color('red'); v.polcrv('bars'); v.barwth(%r); v.curve(%r, [5.] * %d, %d)"
                     % (width, xs, len(xs), len(xs))))
        bars = coloured((tmp_path / "out.svg").read_text(), "#ff0000")
        return [max(x for x, _ in b) - min(x for x, _ in b) for b in bars]

    def test_negative_bar_width_is_absolute_in_plot_units(self, run, tmp_path):
        for xs in ([1., 2., 3.], [1., 5., 9.]):
            widths = self.bar_widths(run, tmp_path, -10.0, xs)
            assert len(widths) == 3
            for w in widths:
                assert abs(w - 10 * SCALE) < 0.02

    def test_positive_bar_width_is_a_fraction_of_the_first_interval(self, run, tmp_path):
        narrow = self.bar_widths(run, tmp_path, 0.5, [1., 2., 3.])
        wide = self.bar_widths(run, tmp_path, 0.5, [1., 3., 5.])
        assert abs(wide[0] - 2 * narrow[0]) < 0.05

    def test_thick_curves_are_parallel_copies(self, run, tmp_path):
        run(scenario(AXES + "v.color('red'); v.thkcrv(3); v.curve([1., 9.], [5., 5.], 2)"))
        red = coloured((tmp_path / "out.svg").read_text(), "#ff0000")
        ys = sorted(round(p[0][1] / SCALE) for p in red)
        assert len(red) == 3 and ys[1] - ys[0] == 1 and ys[2] - ys[1] == 1

    def test_every_mode_draws_without_warnings(self, run):
        body = AXES + "".join(
            "v.polcrv(%r); v.curve([1., 2., 4., 7.], [2., 5., 3., 8.], 4)\n" % m
            for m in ("line", "step", "bars", "spli", "pspl", "stem", "stai", "fbar"))
        assert run(scenario(body)).warnings() == []


class TestCycles:
    def test_after_30_curves_the_31st_takes_the_first_cycle_colour_again(self, run, tmp_path):
        body = AXES + "v.chncrv('colo')\nfor i in range(31):\n    v.curve([1., 9.], [i * 0.3, i * 0.3], 2)\n"
        run(scenario(body))
        groups = [c for c, items in paths((tmp_path / "out.svg").read_text()) if items]
        curves = groups[-31:]
        assert curves[30] == curves[0]
        assert curves[1] != curves[0]
        assert len(set(curves[:8])) >= 7

    def test_symbols_advance_from_curve_to_curve(self, run):
        out = run(scenario(AXES + "v.incmrk(1); v.marker(22)\nfor i in range(3):\n"
                           "    v.curve([1., 9.], [2., 2.], 2); print('symbol', v.getsym()[0])\n")).stdout
        assert [l.split()[1] for l in out.splitlines() if l.startswith("symbol")] == ["23", "1", "2"]


class TestErrorBarsAndShading:
    def test_error_bar_spans_from_y_minus_e1_to_y_plus_e2(self, run, tmp_path):
        run(scenario(AXES + "v.hsymbl(30); v.color('red'); v.errbar([5.], [5.], [1.], [2.], 1)\n"
                     "v.color('blue'); v.errbar([8.], [5.], [0.5], [0.5], 1)"))
        text = (tmp_path / "out.svg").read_text()

        def bar(colour):
            items = coloured(text, colour)
            vertical = [p for p in items if len(p) == 2 and p[0][0] == p[1][0] and p[0][1] != p[1][1]][-1]
            crosses = [p for p in items if len(p) == 2 and p[0][1] == p[1][1] and p[0][0] != p[1][0]][-2:]
            return vertical, crosses

        (v1, crosses), (v2, _) = bar("#ff0000"), bar("#0000ff")
        span1, span2 = abs(v1[0][1] - v1[1][1]), abs(v2[0][1] - v2[1][1])
        assert abs(span1 - 3 * span2) < 0.05
        assert sorted(c[0][1] for c in crosses) == sorted((v1[0][1], v1[1][1]))
        for c in crosses:  # cross lines of half length size / 3
            assert abs(abs(c[0][0] - c[1][0]) - 20 * SCALE) < 0.02

    def test_shdcrv_advances_the_shading_pattern_along_the_cycle(self, run):
        out = run(scenario(AXES + "v.shdpat(16)\nfor i in range(2):\n"
                           "    v.shdcrv([1., 5., 9.], [1., 3., 1.], 3, [1., 5., 9.], [0., 0., 0.], 3);"
                           " print('pattern', v.getpat())\n"
                           "v.patcyc(4, 7); v.shdcrv([1., 2.], [1., 2.], 2, [2., 1.], [1., 1.], 2);"
                           " print('pattern', v.getpat())\n")).stdout
        assert [l.split()[1] for l in out.splitlines() if l.startswith("pattern")] == ["1", "2", "7"]


class TestBadInput:
    def test_cycle_and_spline_settings_report_every_bad_argument(self, run):
        r = run(scenario("v.clrcyc(0, 256); v.lincyc(31, 8); v.patcyc(0, -1); v.splmod(1, 4)"))
        assert [w.split("in ")[1] for w in r.warnings()] == [
            "CLRCYC!   (   0)", "CLRCYC!   ( 256)", "LINCYC!   (  31)", "LINCYC!   (   8)",
            "PATCYC!   (   0)", "PATCYC!   (  -1)", "SPLMOD!   (   1)", "SPLMOD!   (   4)"]

    def test_nan_infinite_and_a_million_points_draw_and_finish(self, run, tmp_path):
        r = run(scenario(AXES + """
import math
n = 1000000
xs = [i * 1e-5 for i in range(n)]
ys = [5 + math.sin(i * 1e-3) for i in range(n)]
ys[10] = float('nan'); ys[20] = float('inf'); xs[30] = float('-inf')
v.nochek()
for mode in ('line', 'step', 'stai'):
    v.polcrv(mode); v.curve(xs, ys, n)
v.polcrv('spli'); v.curve([0., 1., float('nan'), 3.], [1., 2., 3., 4.], 4)
v.polcrv('bars'); v.curve([1., float('nan'), 3.], [1., 2., float('inf')], 3)
v.errbar([1., 2.], [float('nan'), 1.], [1., float('inf')], [1., 1.], 2)
v.shdcrv([1., float('nan')], [1., 2.], 2, [2., 1.], [1., 1.], 2)
print('done')
"""), )
        assert "done" in r.stdout
        assert (tmp_path / "out.svg").stat().st_size > 0


class TestPolarAndUserText:
    def test_polar_systems_refuse_steps_and_splines_with_warning_101(self, run):
        r = run(scenario("v.polar(10., 0., 2., 0., 30.)\n"
                         "for m in ('step', 'spli', 'pspl', 'stai', 'line', 'bars', 'stem', 'fbar'):\n"
                         "    v.polcrv(m); v.curve([1., 2., 3., 4.], [0., 1., 2., 3.], 4)\n"))
        assert [w for w in r.warnings()] == [
            " <<<< Warning 101: Bad interpolation method for polar scaling in CURVE!"] * 4

    def test_rlmess_and_rlnumb_draw_where_messag_and_number_draw_at_the_converted_point(self, run, tmp_path):
        run(scenario(AXES + "v.rlmess('Ab', 2.5, 7.25); v.rlnumb(3.5, 2, 6., 1.)\n"
                     "v.rlmess('c', 999., 999.)", name="user.svg"))
        run(scenario(AXES + "v.messag('Ab', round(v.xposn(2.5)), round(v.yposn(7.25)))\n"
                     "v.number(3.5, 2, round(v.xposn(6.)), round(v.yposn(1.)))\n"
                     "v.messag('c', 999, 999)", name="plot.svg"))
        user = (tmp_path / "user.svg").read_text().split("-->", 1)[1]
        plot = (tmp_path / "plot.svg").read_text().split("-->", 1)[1]
        assert user == plot
