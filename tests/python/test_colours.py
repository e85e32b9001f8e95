"""Colour selection, colour tables and colour requests, seen from Python."""
import textwrap

import pytest

WARN2 = " <<<< Warning   2: Incorrect parameter in %s!"


def lines(out):
    """Printed results without the end banner."""
    return [l for l in out.stdout.splitlines() if l and not l.startswith(" <<")]


def plot(device, body, before=""):
    """A scenario on one device, its end banner switched off."""
    return "%s\nv.metafl(%r)\nv.vtxini()\nv.errmod('prot', 'off')\n%s\nv.vtxfin()\n" % (
        before, device, textwrap.dedent(body))


class TestNearestColour:
    def test_pure_red_in_the_rainbow_and_in_the_small_table(self, run):
        out = run(plot("svg", """
            v.setrgb(1.0, 0.0, 0.0); print(v.getclr())
            v.setvlt("smal"); v.setrgb(1.0, 0.0, 0.0); print(v.getclr())
            v.setvlt("vga"); v.setrgb(1.0, 0.0, 0.0); print(v.getclr())
        """))
        assert lines(out) == ["254", "2", "4"]

    def test_getrgb_returns_the_selected_entry(self, run):
        out = run(plot("post", """
            v.setvlt("rain"); v.setrgb(1.0, 0.0, 0.0); print("%.6f %.6f %.6f" % v.getrgb())
            v.setrgb(0.5, 0.25, 0.875); print(v.getclr(), "%.6f %.6f %.6f" % v.getrgb())
        """))
        red, other = lines(out)
        r, g, b = map(float, red.split())
        assert abs(r - 1.0) <= 1 / 255 and g <= 1 / 255 and b <= 1 / 255
        # 128, 64, 223 is 160 away from both entry 20 (22 00 DD) and entry 47 (00 40 FF): the lower wins.
        assert other == "20 %.6f %.6f %.6f" % (0x22 / 255, 0, 0xDD / 255)

    def test_components_outside_the_unit_range_warn(self, run):
        out = run(plot("post", """
            v.setvlt("rain"); v.setclr(7)
            v.setrgb(1.0005, -0.0005, 0.0)
            print(v.getclr())
            v.setrgb(1.01, 0.0, 0.0); v.setrgb(0.0, float("nan"), 0.0)
            print(v.getclr())
        """))
        assert out.warnings() == [WARN2 % "SETRGB"] * 2
        assert lines(out) == ["254", "254"]


class TestColourNames:
    def test_small_table_names(self, run):
        out = run(plot("svg", """
            v.setvlt("smal")
            for name in ["whit", "red", "gree", "yell", "blue", "oran", "cyan", "mage", "blac", "fore", "back"]:
                v.color(name); print(v.getclr(), end=" ")
        """))
        assert lines(out) == ["1 2 3 5 4 6 7 8 1 1 0 "]

    def test_fore_and_back_depend_on_the_device(self, run):
        out = run("""
            for device in ["post", "cgm", "wmf", "java", "pscl", "png"]:
                v.metafl(device); v.vtxini(); v.errmod("prot", "off")
                row = []
                for table in ["rain", "rgre", "vga"]:
                    v.setvlt(table)
                    v.color("fore"); row.append(v.getclr())
                    v.color("back"); row.append(v.getclr())
                print(device, *row)
                v.vtxfin()
        """)
        assert lines(out) == [
            "post 0 255 255 0 15 0",
            "cgm 0 255 255 0 15 0",
            "wmf 0 255 255 0 15 0",
            "java 0 255 255 0 15 0",
            "pscl 255 0 255 0 15 0",
            "png 255 0 255 0 15 0",
        ]

    def test_an_unknown_name_changes_nothing(self, run):
        out = run(plot("post", 'v.setclr(40); v.color("purple"); print(v.getclr())'))
        assert out.warnings() == [WARN2 % "COLOR" + "   (purple)"]
        assert lines(out) == ["40"]


class TestReverseScreen:
    @pytest.mark.parametrize("device", ["eps", "pdf", "svg"])
    def test_black_on_white_by_default(self, run, device):
        out = run(plot(device, """
            v.color("fore"); print(v.getclr(), v.getrgb())
            v.color("back"); print(v.getclr(), v.getrgb())
        """))
        assert lines(out) == ["255 (0.0, 0.0, 0.0)", "0 (1.0, 1.0, 1.0)"]

    def test_normal_screen_mode_keeps_white_on_black(self, run):
        out = run(plot("eps", 'v.color("fore"); print(v.getrgb()); print(v.getind(0))', before='v.scrmod("nore")'))
        assert lines(out) == ["(1.0, 1.0, 1.0)", "(0.0, 0.0, 0.0)"]

    def test_revscr_turns_the_running_plot_black_on_white_once(self, run):
        out = run(plot("pscl", """
            print(v.getclr(), v.getrgb())
            v.revscr(); print(v.getclr(), v.getrgb(), v.getind(0))
            v.revscr(); print(v.getind(0))
            v.setvlt("vga"); print(v.getind(0), v.getind(15))
        """))
        assert lines(out) == [
            "255 (1.0, 1.0, 1.0)",
            "255 (0.0, 0.0, 0.0) (1.0, 1.0, 1.0)",
            "(1.0, 1.0, 1.0)",
            "(1.0, 1.0, 1.0) (0.0, 0.0, 0.0)",
        ]

    def test_revscr_leaves_paper_devices_alone(self, run):
        out = run(plot("post", 'v.revscr(); print(v.getvlt(), v.getind(0), v.getind(255))'))
        assert lines(out) == ["RGREY (1.0, 1.0, 1.0) (0.0, 0.0, 0.0)"]


class TestTables:
    def test_names_of_the_tables(self, run):
        out = run(plot("svg", """
            print(v.getvlt())
            for table in ["SMAL", "rain", "Spec", "grey", "rrai", "rspe", "rgre", "vga", "temp"]:
                v.setvlt(table); print(v.getvlt())
            v.setvlt("cmyk"); print(v.getvlt())
        """))
        assert lines(out) == ["RAIN", "SMALL", "RAIN", "SPEC", "GREY", "RRAIN", "RSPEC", "RGREY", "VGA", "TEMP", "TEMP"]
        assert out.warnings() == [WARN2 % "SETVLT" + "   (cmyk)"]

    def test_reversed_grey_is_the_default_of_black_and_white_postscript(self, run):
        out = run(plot("post", 'print(v.getvlt(), v.getclr(), v.getrgb())'))
        assert lines(out) == ["RGREY 255 (0.0, 0.0, 0.0)"]

    def test_reset_selects_the_foreground_and_reloads_the_default_table(self, run):
        out = run(plot("cgm", """
            v.setvlt("vga"); v.setclr(5); v.reset("color"); print(v.getclr())
            v.reset("all"); print(v.getvlt(), v.getclr())
        """))
        assert lines(out) == ["15", "RAIN 0"]


class TestUserTables:
    def test_a_table_given_before_vtxini_survives_it(self, run):
        out = run("""
            v.myvlt([0.0, 1.0, 0.5], [0.0, 0.0, 0.5], [1.0, 0.0, 0.5], 3)
            v.metafl("svg"); v.vtxini(); v.errmod("prot", "off")
            print(v.getind(0), v.getind(1), v.getind(2))
            v.setvlt("rain"); print(v.getind(0))
            v.vtxfin()
        """)
        assert lines(out) == [
            "(0.0, 0.0, 1.0) (1.0, 0.0, 0.0) (0.501960813999176, 0.501960813999176, 0.501960813999176)",
            "(1.0, 1.0, 1.0)",
        ]

    def test_myvlt_and_setind_reject_components_and_store_nothing(self, run):
        out = run(plot("png", """
            v.myvlt([0.2, 1.2], [0.2, 0.0], [0.2, 0.0], 2)
            v.setind(5, 0.0, -0.5, 0.0)
            v.setind(256, 0.0, 0.0, 0.0)
            print(v.getind(0), v.getind(5))
            v.myvlt([0.0] * 257, [0.0] * 257, [0.0] * 257, 257)
        """))
        assert out.warnings() == [WARN2 % "MYVLT", WARN2 % "SETIND", WARN2 % "SETIND" + "   ( 256)",
                                  WARN2 % "MYVLT" + "   ( 257)"]
        assert lines(out) == ["(0.0, 0.0, 0.0) (0.20000000298023224, 0.0, 0.4000000059604645)"]

    def test_setind_changes_one_entry_within_the_tolerance(self, run):
        out = run(plot("png", 'v.setind(7, 1.0005, -0.0005, 0.5); print(v.getind(7), v.getind(8))'))
        assert lines(out) == ["(1.0, 0.0, 0.501960813999176) (0.20000000298023224, 0.0, 0.501960813999176)"]


class TestRequests:
    def test_setclr_range(self, run):
        out = run(plot("post", 'v.setclr(0); v.setclr(255); v.setclr(256); print(v.getclr())'))
        assert out.warnings() == [WARN2 % "SETCLR" + "   ( 256)"]
        assert lines(out) == ["255"]

    def test_levels(self, run):
        out = run("""
            v.setvlt("grey"); v.color("red"); print(v.getclr(), v.getvlt() == "", v.getrgb())
            print(v.hsvrgb(0.0, 1.0, 1.0), v.rgbhsv(0.0, 0.0, 1.0))
        """)
        assert [w.split("!")[0] for w in out.warnings()] == [
            " <<<< Warning   3: Incorrect level in %s" % name for name in ("SETVLT", "COLOR", "GETCLR", "GETVLT", "GETRGB")]
        assert lines(out)[-2:] == ["0 True (0.0, 0.0, 0.0)", "(1.0, 0.0, 0.0) (240.0, 1.0, 1.0)"]


class TestHsv:
    def test_ranges_and_the_full_circle(self, run):
        out = run("""
            print(v.hsvrgb(360.0, 1.0, 1.0) == v.hsvrgb(0.0, 1.0, 1.0))
            print(v.hsvrgb(-0.00005, 1.00005, 1.0))
            v.hsvrgb(360.01, 1.0, 1.0); v.hsvrgb(10.0, 1.01, 1.0); v.hsvrgb(10.0, 1.0, -0.01)
            v.rgbhsv(1.001, 0.0, 0.0)
            print(v.rgbhsv(0.5, 0.5, 0.5))
        """)
        assert out.warnings() == [WARN2 % "HSVRGB"] * 3 + [WARN2 % "RGBHSV"]
        assert lines(out) == ["True", "(1.0, 0.0, 0.0)", "(0.0, 0.0, 0.5)"]
