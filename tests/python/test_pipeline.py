"""The line pipeline seen on a plotter file: HPGL writes every move and draw
in integer plotter units, 4 per plot unit, with y upwards (y' = 4 (2099 - y))."""
import re

import pytest

H = 2099


def records(text):
    """HPGL pen records as (pen down, x, y) in plot units."""
    return [(op == "PD", int(x) / 4, H - int(y) / 4) for op, x, y in re.findall(r"(P[UD])(-?\d+),(-?\d+);", text)
            if (op, x, y) != ("PU", "0", "0")]


@pytest.fixture
def hpgl(run, tmp_path):
    count = [0]

    def make(body, before=""):
        count[0] += 1
        name = tmp_path / ("plot%d.hpg" % count[0])
        run("v.metafl('hpgl')\nv.setfil(%r)\n%s\nv.vtxini()\nv.unit(0)\n%s\nv.vtxfin()" % (str(name), before, body))
        return name.read_text()

    return make


def drawn_intervals(recs, path_of):
    """Draws as intervals of arc length along a path (path_of maps a point to its length)."""
    out, pen = [], None
    for down, x, y in recs:
        t = path_of(x, y)
        if down:
            if out and abs(out[-1][1] - pen) < 1e-6:
                out[-1][1] = t
            else:
                out.append([pen, t])
        pen = t
    return [tuple(i) for i in out if i[1] > i[0]]


class TestDashes:
    def test_dash_rhythm_continues_around_a_square(self, hpgl):
        square = hpgl("v.myline([30, 20], 2)\nfor a, b, c, d in [(100, 100, 300, 100), (300, 100, 300, 300), "
                      "(300, 300, 100, 300), (100, 300, 100, 100)]: v.line(a, b, c, d)")
        straight = hpgl("v.myline([30, 20], 2)\nv.line(100, 500, 900, 500)")

        def perimeter(x, y):  # arc length along the square, clockwise from (100, 100)
            if y == 100 and x > 100: return x - 100
            if x == 300: return 200 + y - 100
            if y == 300: return 400 + 300 - x
            return 600 + 300 - y if x == 100 and y != 100 else 0.0

        along_square = drawn_intervals(records(square), perimeter)
        along_line = drawn_intervals(records(straight), lambda x, y: x - 100)
        assert along_square == along_line
        assert along_line[:3] == [(0, 30), (50, 80), (100, 130)] and len(along_line) == 16

    def test_lintyp_patterns_and_requests(self, run):
        out = run("""
            v.vtxini(); v.unit(0)
            v.chndsh(); print(v.gettyp())
            v.lintyp(8); print(v.gettyp())
            v.linwid(6); print(v.getlin())
            v.vtxfin()
        """)
        assert out.stdout.split() == ["3", "3", "6"]
        out = run("v.vtxini(); v.lintyp(8); v.linwid(0); v.penwid(0.0); v.thkcrv(10001); v.myline([1, 0], 2)")
        assert [w[:40] for w in out.warnings()] == [" <<<< Warning   2: Incorrect parameter i"] * 5


class TestClipping:
    WINDOW = "v.clpwin(1000, 500, 800, 800)\n"  # x 1000..1799, y 500..1299

    def test_segment_across_a_window_corner_is_cut_with_a_move_first(self, hpgl):
        recs = records(hpgl(self.WINDOW + "v.line(900, 400, 1100, 600)\nv.line(900, 700, 1200, 400)"))
        assert recs == [(False, 1000, 500), (True, 1100, 600), (False, 1000, 600), (True, 1100, 500)]

    def test_segment_leaving_the_window_keeps_its_visible_start(self, hpgl):
        recs = records(hpgl(self.WINDOW + "v.line(1700, 1200, 1900, 1400)"))
        assert recs == [(False, 1700, 1200), (True, 1799, 1299)]

    def test_segments_outside_draw_nothing(self, hpgl):
        text = hpgl(self.WINDOW + "v.line(100, 100, 900, 1500)\nv.line(900, 450, 1050, 300)\n"
                    "v.line(1900, 0, 1900, 2000)")
        assert text == " SP1;\nSP255;PU0,0;\n"

    def test_window_outside_the_page_or_negative_is_refused(self, run):
        out = run("v.vtxini(); v.clpwin(-5, 0, 10, -3); v.clpwin(2900, 0, 100, 100)")
        assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in CLPWIN!   (  -5)",
                                  " <<<< Warning   2: Incorrect parameter in CLPWIN!   (2999)"]

    def test_getclp_reads_the_window_back_as_clpwin_took_it(self, run):
        out = run("""
            v.metafl('hpgl'); v.vtxini(); v.unit(0)
            v.clpwin(200, 200, 401, 201); print(v.getclp())
            v.pagorg('bott'); v.clpwin(200, 1500, 401, 201); print(v.getclp())
            v.vtxfin()
        """)
        assert out.stdout.splitlines()[:2] == ["(200, 200, 401, 201)", "(200, 1500, 401, 201)"]

    def test_clpbor_page_restores_the_whole_page(self, hpgl):
        recs = records(hpgl(self.WINDOW + "v.clpbor('page')\nv.line(100, 100, 200, 100)"))
        assert recs == [(False, 100, 100), (True, 200, 100)]


class TestPageAndOrigin:
    def test_pagorg_bottom_measures_y_from_the_bottom(self, hpgl):
        assert records(hpgl("v.pagorg('bott')\nv.line(100, 100, 200, 100)")) == [(False, 100, 1999), (True, 200, 1999)]

    def test_origin_shifts_every_point(self, hpgl):
        assert records(hpgl("v.origin(50, 20)\nv.line(100, 100, 200, 100)")) == [(False, 150, 120), (True, 250, 120)]


class TestEmulatedWidth:
    def test_linwid_6_draws_two_outlines_around_the_segment(self, hpgl):
        text = hpgl("v.linwid(6)\nv.line(100, 100, 1000, 100)")
        # centre line, then outlines at half widths 1.5 and 3, extended by the same at both
        # ends (cap LONG), each a closed path starting with a move
        assert text.replace("\n", "") == (" SP1;SP255;PU400,7996;PD4000,7996;PU394,7990;PD4006,7990;PD4006,8002;"
                                          "PD394,8002;PD394,7990;PU388,7984;PD4012,7984;PD4012,8008;PD388,8008;"
                                          "PD388,7984;PU0,0;")

    def test_linwid_1_draws_a_plain_line(self, hpgl):
        assert records(hpgl("v.linwid(1)\nv.line(100, 100, 1000, 100)")) == [(False, 100, 100), (True, 1000, 100)]

    def test_round_caps_and_joins_stay_within_the_width(self, hpgl):
        recs = records(hpgl("v.linwid(12)\nv.lncap('roun')\nv.lnjoin('shar')\nv.line(500, 500, 900, 500)"))
        outline = recs[2:]
        assert all(not down for down, _, _ in outline[:1]) and len(outline) > 10
        for _, x, y in outline:
            dx = max(0, 500 - x, x - 900)
            assert (dx * dx + (y - 500) ** 2) ** 0.5 <= 6.3  # plotter units round to a quarter


class TestVectorRecords:
    def test_plotter_and_metafile_record_colour_changes_only(self, run, hpgl, tmp_path):
        # the plot starts in pen 255 (the foreground); RED is 254 and BLUE 30 of the rainbow table
        text = hpgl("v.color('red')\nv.color('red')\nv.line(0, 0, 10, 0)\nv.color('blue')")
        assert re.findall(r"SP(\d+);", text) == ["1", "255", "254", "30"]
        run("for i in range(2): v.vtxini(); v.unit(0); v.color('fore'); v.setclr(255); v.vtxfin()")
        for name in ("vantix.met", "vantix_1.met"):
            assert (tmp_path / name).read_text().count(" 4.0000000") == 1

    def test_vxmeta_records(self, run, tmp_path):
        run("v.vtxini(); v.unit(0); v.line(0, 0, 2969, 0); v.line(2969, 0, 2969, 2099); v.vtxfin()")
        assert (tmp_path / "vantix.met").read_text() == (
            "    2969.0    2099.0\n"
            " 4.0000000 1.0000000 1.0000000 1.0000000 0.0000000 0.7069721 3.0000000 1.0000000\n"
            " 0.7069721 2.0000000 1.0000000 0.7069721 3.0000000 1.0000000 0.0000000 2.0000000\n"
            " 9.0000000\n")

    def test_page_printer_and_java_records(self, run, tmp_path):
        run("v.metafl('kyoc'); v.vtxini(); v.unit(0); v.line(100, 100, 200, 300); v.vtxfin()")
        text = (tmp_path / "vantix.kyo").read_text().replace("\n", "")
        assert "UNIT D;MAP  118, 118;DAP  236, 354;RES;EXIT;" in text
        run("v.metafl('java'); v.vtxini(); v.unit(0); v.line(100, 100, 200, 300); v.vtxfin()")
        java = (tmp_path / "vantix.java").read_text()
        assert java.endswith("public void paint(Graphics g) {\n  g.setColor (new Color (0,0,0));\n"
                             "  g.drawLine (29,29,57,86);\n  }\n}\n")

    def test_terminal_vectors_in_tektronix_encoding(self, run, tmp_path):
        run("v.metafl('tekt'); v.vtxini(); v.unit(0); v.line(0, 2099, 2969, 0); v.vtxfin()")
        data = (tmp_path / "vantix.tek").read_bytes()
        # clear, the page frame, then the line: GS and address (0, 0), address (1023, 723)
        assert data.startswith(b"\x1b\x0c\x1d\x36\x73\x20\x40")
        assert data.endswith(b"\x1d\x20\x60\x20\x40\x36\x73\x3f\x5f"
                             b"\x1d\x20\x60\x20\x40\x1f\x1b2")


class TestBadInput:
    def test_extreme_coordinates_and_values_neither_crash_nor_hang(self, run, tmp_path):
        out = run("""
            v.metafl('post'); v.vtxini()
            big = 2**31 - 1
            v.dash(); v.line(-big - 1, 0, big, 2099)
            v.solid(); v.line(-big - 1, -big - 1, big, big)
            v.origin(big, big); v.line(big, big, 0, 0)
            v.pagorg('bott'); v.clpwin(0, big, 10, 10)
            v.penwid(float('nan')); v.lnmlt(float('nan')); v.lnmlt(float('inf'))
            v.vtxfin()
        """)
        assert len(out.warnings()) == 4
        from postscript_reader import render
        render(tmp_path / "vantix.psc")


def test_absurdly_long_dashed_lines_and_frames_finish_quickly(run, tmp_path):
    # the pattern is skipped, not walked, over the part far from the window;
    # text frames and legend frames stop growing at the page's size
    run("""
        import time
        v.metafl('eps'); v.setfil('far.eps'); v.vtxini(); v.unit(0); v.dot()
        start = time.perf_counter()
        v.line(-2000000000, 500, 2000, 500)
        v.frmess(2000000000); v.messag('framed', 200, 200)
        assert time.perf_counter() - start < 20
        v.vtxfin()
    """)
    text = (tmp_path / "far.eps").read_text(encoding="latin-1")
    assert text.count(" d ") > 100  # the dots near the page are still there
