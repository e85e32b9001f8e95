"""Legends (buffer, warnings, sizes, placement) and titles."""
from curve_helpers import SCALE, coloured, scenario

AXES = "v.graf(0., 10., 0., 2., 0., 10., 0., 2.)\n"


def warnings_numbered(result, number):
    return [w for w in result.warnings() if w.startswith(" <<<< Warning %3d:" % number)]


class TestLegendWarnings:
    def test_legend_before_legini_gives_warning_15_and_draws_nothing(self, run, tmp_path):
        r = run(scenario(AXES + "v.color('red'); v.legend('', 3)"))
        assert warnings_numbered(r, 15) == [" <<<< Warning  15: No call to legini before in LEGEND!"]
        assert coloured((tmp_path / "out.svg").read_text(), "#ff0000") == []

    def test_three_lines_after_two_curves_give_warning_42_with_1(self, run):
        r = run(scenario(AXES + "v.legini('', 3, 10)\nfor i in (1, 2, 3):\n    v.leglin('', 'c%d' % i, i)\n"
                         "v.curve([1., 2.], [1., 2.], 2); v.curve([1., 2.], [2., 3.], 2); v.legend('', 7)"))
        assert warnings_numbered(r, 42) == [
            " <<<< Warning  42: More legend lines than calls to curve in LEGEND!   (   1)"]

    def test_a_line_longer_than_nmax_gives_warning_16(self, run):
        r = run(scenario("v.legini('', 2, 5); v.leglin('', 'abcdef', 1); v.leglin('', 'abcde   ', 2)"))
        assert warnings_numbered(r, 16) == [
            " <<<< Warning  16: Too long string for legend line in LEGLIN!   (abcdef)"]

    def test_leglin_without_legini_gives_warning_15(self, run):
        r = run(scenario("v.leglin('', 'a', 1)"))
        assert len(warnings_numbered(r, 15)) == 1

    def test_with_legpat_every_line_needs_its_pattern(self, run):
        r = run(scenario(AXES + "v.legini('', 3, 10); v.legpat(0, 1, -1, -1, -1, 1); v.legpat(1, 1, 2, -1, -1, 3)\n"
                         "v.legend('', 3)"))
        assert warnings_numbered(r, 105) == [" <<<< Warning 105: Undefined legend line in LEGEND!   (   2)"]
        assert warnings_numbered(r, 42) == []

    def test_option_and_corner_ranges(self, run):
        r = run(scenario(AXES + "v.legini('', 1, 10); v.legopt(0., 0.5, 1.); v.legopt(4., -1., 1.)\n"
                         "v.curve([1., 2.], [1., 2.], 2); v.legend('', 9); v.legini('', 31, 10)"))
        assert len(warnings_numbered(r, 2)) == 4


class TestLegendSize:
    def sizes(self, run, lines, settings=""):
        body = "v.legini('', %d, 20)\n%s\n" % (len(lines), settings)
        body += "".join("v.leglin('', %r, %d)\n" % (t, i + 1) for i, t in enumerate(lines))
        body += "print('size', v.nxlegn(''), v.nylegn(''), v.nlmess('wide text'))\n"
        out = run(scenario(body)).stdout
        return [int(v) for v in out.split("size")[1].split()[:3]]

    def test_height_follows_lines_margin_and_title(self, run):
        # h = 36, s = 54: h + (2 * 0.5 + nlin - 1) * s, plus 1.5 s for the title and twice the frame
        assert self.sizes(run, ["a", "b"])[1] == round(36 + 2 * 54 + 1.5 * 54) + 2
        assert self.sizes(run, ["a", "b"], "v.legtit(' ')")[1] == 36 + 2 * 54 + 2
        assert self.sizes(run, ["a", "b"], "v.legtit(' '); v.frame(-3)")[1] == 36 + 2 * 54

    def test_width_is_the_widest_text_with_margins_and_sample(self, run):
        w, _, text = self.sizes(run, ["wide text", "a"], "v.legtit('')")
        assert w == text + 54 + round(36 + 4 * 36) + 2

    def test_a_leg_character_splits_an_entry_and_adds_twice_f3_s(self, run):
        _, plain, _ = self.sizes(run, ["one/two"], "v.legtit('')")
        w2, split, _ = self.sizes(run, ["one/two"], "v.legtit(''); v.mixleg()")
        assert split - plain == 2 * 54
        w3, _, _ = self.sizes(run, ["one"], "v.legtit('')")
        assert w2 >= w3


class TestLegendDrawing:
    def test_page_corner_3_sits_one_margin_from_the_upper_right(self, run, tmp_path):
        r = run(scenario(AXES + "v.legini('', 1, 10); v.leglin('', 'curve', 1)\n"
                         "v.curve([1., 2.], [1., 2.], 2)\nprint('size', v.nxlegn(''), v.nylegn(''))\n"
                         "v.color('red'); v.legend('', 3)"))
        w, h = (int(t) for t in r.stdout.split("size")[1].split()[:2])
        frame = coloured((tmp_path / "out.svg").read_text(), "#ff0000")[0]
        xs, ys = [p[0] for p in frame], [p[1] for p in frame]
        m = round(0.5 * 36)
        assert abs(max(xs) - (2969 - m - 1) * SCALE) < 0.05
        assert abs(min(xs) - (2969 - m - w) * SCALE) < 0.05
        assert abs(min(ys) - m * SCALE) < 0.05
        assert abs(max(ys) - (m + h - 1) * SCALE) < 0.05

    def test_entries_record_the_curve_colour_and_legclr_colours_the_text(self, run, tmp_path):
        run(scenario(AXES + "v.legini('', 1, 10); v.leglin('', 'curve', 1)\n"
                     "v.color('red'); v.curve([1., 2.], [1., 2.], 2); v.color('fore'); v.legclr()\n"
                     "v.legend('', 7)"))
        red = coloured((tmp_path / "out.svg").read_text(), "#ff0000")
        assert len(red) > 5  # the curve, the sample and the strokes of the text


class TestTitles:
    def test_a_negative_line_number_underlines_the_title(self, run, tmp_path):
        r = run(scenario(AXES + "v.titlin('Title', -2); print('width', v.nlmess('Title'))\n"
                         "v.color('red'); v.title()"))
        width = int(r.stdout.split("width")[1].split()[0])
        red = coloured((tmp_path / "out.svg").read_text(), "#ff0000")
        underline = [p for p in red if len(p) == 2 and p[0][1] == p[1][1]]
        assert underline and abs(abs(underline[-1][1][0] - underline[-1][0][0]) - (width + 36) * SCALE) < 0.05

    def test_title_lines_stack_upwards_above_the_axis_system(self, run, tmp_path):
        def top(settings):
            run(scenario(AXES + settings + "\nv.color('red'); v.title()"))
            red = coloured((tmp_path / "out.svg").read_text(), "#ff0000")
            return min(y for p in red for _, y in p)
        first, second = top("v.titlin('A', 1)"), top("v.titlin('A', 2)")
        assert abs((second - first) - 54 * SCALE) < 0.05
        assert top("v.titlin('A', 2); v.vkytit(100)") < second - 99 * SCALE


class TestLegendShielding:
    def test_curves_after_the_first_entry_keep_out_of_the_legend(self, run, tmp_path):
        body = (AXES + "v.legini('', 1, 10); v.leglin('', 'entry', 1)\n%s"
                "v.color('red'); v.curve([0.5, 9.5], [9.5, 9.5], 2); v.curve([0.5, 9.5], [9.5, 9.5], 2)\n"
                "v.color('fore'); v.legend('', 7)")

        def red_length(settings):
            run(scenario(body % settings))
            red = coloured((tmp_path / "out.svg").read_text(), "#ff0000")
            return sum(abs(p[-1][0] - p[0][0]) for p in red)

        whole, shielded = red_length(""), red_length("v.shield('lege', 'on')\n")
        assert shielded < whole - 1
