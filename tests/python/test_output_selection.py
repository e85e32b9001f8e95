"""Device keywords, file names and versioning, page formats, vtxini/vtxfin output."""
import os

import pytest

FILE_DEVICES = {
    "VXME": "vantix.met", "CGM": "vantix.cgm", "WMF": "vantix.wmf", "KYOC": "vantix.kyo",
    "HPGL": "vantix.hpg", "HPA4": "vantix.hpg", "HPA3": "vantix.hpg", "HPA2": "vantix.hpg",
    "HPA1": "vantix.hpg", "TEKT": "vantix.tek", "LN03": "vantix.ln3", "POST": "vantix.psc",
    "PSCL": "vantix.psc", "EPS": "vantix.eps", "PS": "vantix.ps", "PDF": "vantix.pdf",
    "TIFF": "vantix.tif", "IMAG": "vantix.img", "PNG": "vantix.png", "PPM": "vantix.ppm",
    "BMP": "vantix.bmp", "GIF": "vantix.gif", "JAVA": "vantix.java", "SVG": "vantix.svg",
    "VIRT": "vantix.   ",
}


def test_default_file_name_of_every_file_device(run):
    out = run("""
        for key in %r:
            v.metafl(key.lower()); v.setfil("x"); v.filmod("dele")
            v.metafl(key); v.vtxini(); print(v.getmfl(), v.getfil()); v.unit(0); v.vtxfin()
    """ % list(FILE_DEVICES))
    lines = [l for l in out.stdout.splitlines() if l]
    # setfil applies to every later plot, so look at the default names first
    assert lines[0] == "VXME x"
    out = run("""
        for key in %r:
            v.metafl(key); v.filmod("dele"); v.vtxini(); print(v.getmfl(), v.getfil()); v.unit(0); v.vtxfin()
    """ % list(FILE_DEVICES))
    got = dict(line.split(" ", 1) for line in out.stdout.splitlines() if line)
    assert got == FILE_DEVICES


def test_without_metafl_the_metafile_is_written(run, tmp_path):
    run("v.vtxini(); v.vtxfin()")
    # header, the initial colour (white on the screen-like metafile), end record
    assert (tmp_path / "vantix.met").read_text() == (
        "    2969.0    2099.0\n 4.0000000 1.0000000 1.0000000 1.0000000 9.0000000\n")


def test_metafile_header_fields_stay_apart_at_the_largest_page(run, tmp_path):
    out = run("v.page(11, 2000000000); v.page(11, 1000000); v.vtxini(); v.vtxfin()")
    assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in PAGE!   (2000000000)"]
    assert (tmp_path / "vantix.met").read_text().split("\n")[0].split() == ["10.0", "999999.0"]


def test_met_keywords_and_window_devices_need_a_display(run):
    out = run("""
        v.metafl("MET5"); v.vtxini(); print("not reached")
    """)
    assert out.stdout == " <<<< X-Window display cannot be opened!\n        **** STOP in VTXINI ****\n"
    assert run('v.metafl("met0")').warnings() == [" <<<< Warning   2: Incorrect parameter in METAFL!   (met0)"]


def test_console_without_display_writes_to_standard_output(run, tmp_path):
    out = run('v.metafl("cons"); v.vtxini(); print(v.getmfl()); v.vtxfin()')
    # the terminal's vector stream (clear screen, page frame) shares standard output
    assert out.stdout.startswith("\x1b\x0c\x1d") and "CONS\n" in out.stdout
    assert not list(tmp_path.glob("vantix.*"))


class TestVersioning:
    def test_counting_versions(self, run, tmp_path):
        run("""
            v.metafl("post")
            for i in range(3):
                v.vtxini(); v.vtxfin()
        """)
        assert sorted(os.listdir(tmp_path)) == ["vantix.psc", "vantix_1.psc", "vantix_2.psc"]

    def test_base_name_is_cut_to_eight_characters_with_the_suffix(self, run, tmp_path):
        (tmp_path / "sub.d").mkdir()
        for name in ["longname.ps"] + ["longna_%d.ps" % i for i in range(1, 10)]:
            (tmp_path / "sub.d" / name).write_text("")
        out = run("""
            v.setfil("sub.d/longname.ps"); v.metafl("ps"); v.vtxini(); print(v.getfil()); v.vtxfin()
        """)
        assert out.stdout.startswith("sub.d/longn_10.ps\n")

    def test_a_file_that_cannot_be_opened_warns(self, run):
        out = run('v.setfil("missing/dir/x.met"); v.vtxini(); v.vtxfin()')
        assert out.warnings() == [" <<<< Warning  36: File error in VTXINI!   (missing/dir/x.met)"]

    def test_name_without_extension(self, run, tmp_path):
        (tmp_path / "plot").write_text("")
        out = run('v.setfil("plot"); v.vtxini(); print(v.getfil()); v.vtxfin()')
        assert out.stdout.startswith("plot_1\n")

    def test_set_name_serves_later_plots(self, run, tmp_path):
        run("""
            v.setfil("mine.met"); v.vtxini(); v.vtxfin(); v.vtxini(); v.vtxfin()
        """)
        assert sorted(os.listdir(tmp_path)) == ["mine.met", "mine_1.met"]

    def test_delete_mode_overwrites(self, run, tmp_path):
        (tmp_path / "vantix.met").write_text("old")
        run('v.filmod("DELETE"); v.vtxini(); v.vtxfin()')
        assert os.listdir(tmp_path) == ["vantix.met"]
        assert (tmp_path / "vantix.met").read_text().endswith(" 9.0000000\n")

    def test_break_mode_stops(self, run, tmp_path):
        (tmp_path / "vantix.met").write_text("old")
        out = run('v.filmod("brea"); v.vtxini(); print("not reached")')
        assert out.stdout == "<<<< STOP in VTXINI <<<<\nFile: vantix.met existiert!\n"
        assert (tmp_path / "vantix.met").read_text() == "old"

    def test_more_than_9999_versions_stop(self, run, tmp_path):
        (tmp_path / "a.x").write_text("")
        for n in range(1, 10000):
            (tmp_path / ("a_%d.x" % n)).write_text("")
        out = run('v.setfil("a.x"); v.vtxini(); print("not reached")')
        assert out.stdout == "     <<<< STOP in VTXINI <<<<\n     More than 9999 file versions!\n"


class TestPages:
    FORMATS = {
        "DA4L": (2970, 2100), "DA3L": (4200, 2970), "DA2L": (5940, 4200), "DA1L": (8410, 5940),
        "DA0L": (11890, 8410), "HP4L": (2717, 1900), "HP3L": (3990, 2717), "HP2L": (5340, 3360),
        "HP1L": (7570, 5340), "KY4L": (2870, 2000), "PS4L": (2800, 1950), "USAL": (2790, 2160),
        "USBL": (4320, 2790), "USCL": (5590, 4320), "USDL": (8640, 5590), "USEL": (11180, 8640),
    }

    def test_every_format_landscape_and_portrait(self, run):
        out = run("""
            for key in %r:
                for k in (key, key[:3].lower() + "p"):
                    v.setpag(k); v.vtxini(); print(k, *v.getpag()); v.unit(0); v.vtxfin()
        """ % list(self.FORMATS))
        got = [line.split() for line in out.stdout.splitlines()]
        # getpag reads the page back as stored: its largest coordinates, size less one
        for key, (w, h) in self.FORMATS.items():
            assert [key, str(w - 1), str(h - 1)] in got
            assert [key[:3].lower() + "p", str(h - 1), str(w - 1)] in got

    def test_page_keyword_in_the_banner_and_unknown_formats(self, run):
        out = run('v.setpag("da4p"); v.setpag("da5l"); v.vtxini(); v.vtxfin()')
        assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in SETPAG!   (da5l)"]
        assert "Pageformat: DA4P" in out.stdout

    def test_setpag_selects_the_metafile_only_without_a_device(self, run):
        out = run("""
            v.setpag("da3l"); v.vtxini(); print(v.getmfl()); v.vtxfin()
            v.metafl("svg"); v.setpag("da3l"); v.vtxini(); print(v.getmfl()); v.vtxfin()
        """)
        lines = [l for l in out.stdout.splitlines() if l and not l.startswith(" <<")]
        assert lines == ["VXME", "SVG"]

    @pytest.mark.parametrize("unit", ["cm", "inch", "points", "twip"])
    def test_page_in_other_units_keeps_its_size_in_plot_units(self, run, unit):
        out = run("""
            v.units(%r); v.page(3000, 2000); v.vtxini(); print(*v.getpag()); v.vtxfin()
        """ % unit)
        assert out.stdout.startswith("2999 1999\n")
        assert "Pageformat: PAGE" in out.stdout


class TestSimpleFormats:
    def test_page_printer_file(self, run, tmp_path):
        run('v.metafl("kyoc"); v.vtxini(); v.newpag(); v.vtxfin()')
        assert (tmp_path / "vantix.kyo").read_text() == (
            "!R! UNIT C;SPO L;SLM 0;SRM 28.7;STM 0;SBM 20;UNIT D;PAGE;RES;EXIT;\n")

    def test_page_printer_portrait(self, run, tmp_path):
        run('v.setpag("da4p"); v.metafl("kyoc"); v.vtxini(); v.vtxfin()')
        assert (tmp_path / "vantix.kyo").read_text().startswith("!R! UNIT C;SPO P;SLM 0;SRM 20;STM 0;SBM 28.7;")

    def test_plotter_file(self, run, tmp_path):
        run('v.metafl("hpa3"); v.vtxini(); v.vtxfin()')
        assert (tmp_path / "vantix.hpg").read_text() == " SP1;\nSP255;PU0,0;\n"

    def test_java_source(self, run, tmp_path):
        os.mkdir(tmp_path / "out")
        run('v.setfil("out/Plot.java"); v.metafl("java"); v.vtxini(); v.erase(); v.vtxfin()')
        lines = (tmp_path / "out" / "Plot.java").read_text().split("\n")
        assert lines[0] == "// VANTIX Java Metafile"
        assert lines[1] == "// Creator: VANTIX  8.2"
        assert lines[2].startswith("// Date   : ")
        assert lines[3:] == ["// Size   : 853 603", "", "import java.applet.*;", "import java.awt.*;", "",
                             "public class Plot extends Applet {", "public void paint(Graphics g) {",
                             "  g.setColor (new Color (0,0,0));", "  g.clearRect (0,0,853,603);", "  }", "}", ""]


class TestReset:
    def test_reset_of_one_keyword_and_of_all(self, run):
        out = run("""
            v.vtxini()
            v.unit(0); v.reset("unit"); print(v.getuni())
            v.unit(0); v.reset("All"); print(v.getuni())
            v.unit(0); v.reset("UNITS"); print(v.getuni())
            v.vtxfin()
        """)
        assert out.stdout.splitlines()[:3] == ["6", "6", "6"]

    def test_reset_does_not_pad_short_names(self, run):
        out = run('v.vtxini(); v.reset("al"); v.reset("xyz"); v.reset(""); v.vtxfin()')
        assert out.warnings() == [
            " <<<< Warning   2: Incorrect parameter in RESET!   (AL)",
            " <<<< Warning   2: Incorrect parameter in RESET!   (XYZ)",
            " <<<< Warning   2: Incorrect parameter in RESET!   ()",
        ]

    def test_reset_knows_only_its_keyword_list(self, run):
        # these routines have defaults, set by reset all, but no reset keyword
        out = run('v.vtxini(); v.axstyp("cros"); [v.reset(k) for k in ("axstyp", "labmod", "namjus", "polmod", '
                  '"ticmod")]; v.reset("all"); v.graf(1, 2, 1, 1, 1, 2, 1, 1); print(v.getlev()); v.vtxfin()')
        assert [w[-8:] for w in out.warnings()] == ["  (AXST)", "  (LABM)", "  (NAMJ)", "  (POLM)", "  (TICM)"]
        assert "\n2\n" in out.stdout
