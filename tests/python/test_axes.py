"""2-D axis systems: transform, checks, automatic scaling, requests and robustness."""
import re
import textwrap

import pytest


def numbered(out):
    """Numbered warnings only (labels of huge values may also leave the page)."""
    return [w for w in out.warnings() if re.match(r" <<<< Warning +\d", w)]


def plot(run, body):
    """A scenario on an SVG page: vtxini, then the body."""
    return run('v.metafl("svg"); v.vtxini()\n' + textwrap.dedent(body))


def lines(out):
    return [l for l in out.stdout.splitlines() if l and not l.startswith(" <<")]


def test_linear_and_logarithmic_transform_and_its_inverse(run):
    out = plot(run, """
        v.axspos(400, 1800); v.axslen(1001, 801)
        v.graf(0, 10, 0, 2, 0, 1, 0, 0.25)
        print(v.getlev(), v.xposn(5), v.yposn(1), v.yposn(0), v.xinvrs(900), v.yinvrs(1400))
        v.endgrf(); v.axsscl("log", "y")
        v.graf(0, 10, 0, 2, -1, 3, -1, 1)
        print(v.yposn(100), v.yinvrs(1800), v.getgrf("Y"))
        v.pagorg("bott"); print(v.yposn(100))
        v.vtxfin()
    """)
    assert out.warnings() == []
    first, log, bottom = [l.split() for l in lines(out)]
    assert first == ["2", "900.0", "1000.0", "1800.0", "5.0", "0.5"]
    assert float(log[0]) == pytest.approx(1800 - 0.75 * 800)
    assert float(log[1]) == pytest.approx(0.1)
    assert log[2:] == ["(-1.0,", "3.0,", "-1.0,", "1.0)"]
    assert float(bottom[0]) == pytest.approx(2099 - 1200)


def test_scaling_checks(run):
    out = plot(run, """
        v.graf(10, 0, 10, -2, 0, 1, 0, 0.5); print(v.getlev()); v.endgrf()
        v.graf(10, 0, 10, 2, 0, 1, 0, 0.5); print(v.getlev()); v.endgrf()
        v.graf(0, 1, 2, 0.5, 0, 1, 0, 0.5); print(v.getlev()); v.endgrf()
        v.graf(3, 3, 3, 1, 0, 1, 0, 0.5); print(v.getlev())
        v.graf(0, 1, 0, 0, 0, 1, 0, 0.5); print(v.getlev())
        v.graf(0, float("nan"), 0, 1, 0, 1, 0, 0.5); print(v.getlev())
        v.graf(0, float("inf"), 0, 1, 0, 1, 0, 0.5); print(v.getlev())
        v.graf(0, 1e38, 0, 1e37, -1e38, 1e38, 0, 1e37); print(v.getlev()); v.endgrf()
        v.vtxfin()
    """)
    assert lines(out) == ["2", "2", "2", "1", "1", "1", "1", "2"]
    assert numbered(out) == [
        " <<<< Warning  50: Incorrect sign for step in GRAF!",
        " <<<< Warning  12: Startlabel out of scaling in GRAF!",
        " <<<< Warning  10: Begin and end of scaling are equal in GRAF!",
        " <<<< Warning   9: Step equal zero in GRAF!",
        " <<<< Warning  10: Begin and end of scaling are equal in GRAF!",
        " <<<< Warning  10: Begin and end of scaling are equal in GRAF!",
    ]


def test_automatic_scaling(run):
    out = plot(run, """
        v.setscl([5.0, 5.0, 5.0], 3, "xy")
        v.graf(0, 1, 0, 1, 0, 1, 0, 1); print(v.getgrf("x"), v.getdig()); v.endgrf()
        data = [0.3, 2.0, 7.9, float("nan")]
        v.setscl(data, 4, "x"); v.setscl(data, 3, "yres")
        v.graf(0, 1, 0, 1, 0, 1, 0, 0.5); print(v.getgrf("x"), v.getdig()); v.endgrf()
        v.axslen(900, 900)
        v.graf(0, 1, 0, 1, 0, 1, 0, 0.5); print(v.getgrf("x")); v.endgrf()
        v.setscl([-2.0, 50.0], 2, "XAXIS"); v.axsscl("log", "x")
        v.graf(0, 1, 0, 1, 0, 1, 0, 0.5); print(v.getgrf("x")); v.endgrf()
        v.setscl([0.0, 0.0], 2, "RESET")
        v.graf(0, 1, 0, 1, 0, 1, 0, 0.5); print(v.getgrf("x")); v.endgrf()
        v.vtxfin()
    """)
    assert lines(out) == [
        "(4.0, 6.0, 4.0, 0.5) (1, 1, 1)",
        "(0.30000001192092896, 7.900000095367432, 1.0, 1.0) (-1, 1, 1)",
        "(0.30000001192092896, 7.900000095367432, 2.0, 2.0)",
        "(-1.0, 1.6989699602127075, -1.0, 1.0)",
        "(0.0, 1.0, 0.0, 1.0)",
    ]
    assert out.warnings() == [
        " <<<< Warning  25: Minimum equal maximum (added -1 and +1) in SETSCL!",
        " <<<< Warning  23: Non positive minimum for log scaling (set to 0.1) in GRAF!",
    ]


def test_time_and_date_axes_scale_in_their_units(run):
    out = plot(run, """
        v.labels("time", "x"); v.labels("date", "y"); v.basdat(1, 1, 2024)
        v.setscl([100.0, 7300.0], 2, "x"); v.setscl([10.0, 300.0], 2, "y")
        v.graf(0, 1, 0, 1, 0, 1, 0, 1)
        print(v.getgrf("x")[2:], v.getgrf("y")[2:], v.trfdat(int(v.getgrf("y")[2])))
        v.vtxfin()
    """)
    assert lines(out) == ["(1800.0, 1800.0) (91.0, 3.0) (1, 4, 2024)"]


def test_crossed_systems_need_linear_scaling_and_the_origin(run):
    out = plot(run, """
        v.axstyp("cros")
        v.graf(1, 5, 1, 1, -1, 1, -1, 1); print(v.getlev())
        v.axsscl("log", "x"); v.graf(-1, 1, -1, 1, -1, 1, -1, 1); print(v.getlev())
        v.axsscl("lin", "x"); v.axsorg(1000, 1000); v.axslen(1001, 1001)
        v.graf(-2, 8, -2, 2, -5, 5, -5, 1); print(v.getlev(), v.xposn(0), v.yposn(0), v.getpos())
        v.vtxfin()
    """)
    assert lines(out) == ["1", "1", "2 1000.0 1000.0 (800, 1500)"]
    assert out.warnings() == [
        " <<<< Warning 101: No origin found for crossed axis system in GRAF!",
        " <<<< Warning 101: Crossed axis systems must have linear scaling in GRAF!",
    ]


def test_polar_system(run):
    out = plot(run, """
        v.axsscl("log", "y"); v.polar(10, 0, 2, 0, 30); print(v.getlev())
        v.axsscl("lin", "y"); v.axsorg(1000, 1000); v.axslen(1001, 801)
        v.polar(10, 0, 2, 0, 30)
        print(v.getlev(), v.xposn(0), v.xposn(10), v.yposn(1.0))
        v.grid(-1, -2); v.grid(2, 1)
        v.endgrf(); v.polar(10, 0, 0, 0, 30); print(v.getlev())
        v.vtxfin()
    """)
    assert lines(out) == ["1", "2 1000.0 1400.0 0.0", "1"]
    assert out.warnings() == [
        " <<<< Warning 101: Polar axis systems must have linear scaling in POLAR!",
        " <<<< Warning 101: YPOSN does not work for polar axis systems in YPOSN!",
        " <<<< Warning   2: Incorrect parameter in GRID!   (  -1)",
        " <<<< Warning   2: Incorrect parameter in GRID!   (  -2)",
        " <<<< Warning   9: Step equal zero in POLAR!",
    ]


def test_requests_read_the_settings_back(run):
    out = plot(run, """
        v.axslen(1200, 700); v.labdig(3, "y"); v.axsscl("log", "z"); v.ticks(5, "xz")
        v.ticlen(30, 10); v.labdis(40, "x"); v.namdis(50, "z"); v.origin(7, 9)
        v.labels("log", "y"); v.labels("date", "z");
        print(v.getlen(), v.getdig(), v.getscl(), v.gettic(), v.gettcl())
        print(v.getsp1(), v.getsp2(), v.getor(), v.getlab(), v.getres(), v.getvk())
        v.axspos(100, 1500); print(v.getpos()); v.pagorg("bott"); print(v.getpos())
        v.labdig(101, "x"); v.ticks(-1, "x"); v.labels("bad", "x")
        v.getgrf("x"); v.graf(0, 1, 0, 1, 0, 1, 0, 1); v.getgrf("w")
        v.vtxfin()
    """)
    assert lines(out) == [
        "(1200, 700, 700) (1, 3, 1) (0, 0, 1) (5, 2, 5) (30, 10)",
        "(40, 24, 24) (30, 30, 50) (7, 9) ('FLOAT', 'LOG', 'DATE') (1, 1) (0, 0, 0)",
        "(100, 1500)",
        "(100, 599)",
    ]
    assert [w[:40] for w in numbered(out)] == [
        " <<<< Warning   2: Incorrect parameter i",
        " <<<< Warning   2: Incorrect parameter i",
        " <<<< Warning   2: Incorrect parameter i",
        " <<<< Warning   3: Incorrect level in GE",
        " <<<< Warning   2: Incorrect parameter i",
    ]


def test_requests_before_vtxini_warn_and_leave_their_outputs(run):
    out = run("print(v.getlab(), v.getclp(), v.getpag())")
    assert lines(out) == ["('', '', '') (0, 0, 0, 0) (0, 0)"]
    assert [w[:40] for w in out.warnings()] == [" <<<< Warning   3: Incorrect level in GE"] * 3


def test_parameter_routines_refuse_bad_values(run):
    out = plot(run, """
        v.axslen(1, 500); v.axspos(-1, 10); v.mylab("a", 21, "x")
        v.mylab("a", 1, "x"); v.mylab("b", 1, "x")
        v.setgrf("none", "line", "tick", "what")
        v.graf(0, 1, 0, 1, 0, 1, 0, 1); v.axslen(500, 500)
        v.vtxfin()
    """)
    assert [w.split(":")[0] for w in out.warnings()] == [
        " <<<< Warning   2", " <<<< Warning   2", " <<<< Warning   2",
        " <<<< Warning   6", " <<<< Warning   2", " <<<< Warning   3"]


def test_every_failed_check_prints_its_warning(run):
    out = plot(run, """
        v.graf(0, 0, 0, 1, 0, 10, 0, 0); print(v.getlev())
        v.graf(5, 5, 5, 0, 0, 1, 0, 1); print(v.getlev())
        v.axslen(1, 0); v.axspos(-1, 5000); v.axsorg(4000, -2); v.ticlen(0, -3)
        v.vtxfin()
    """)
    assert lines(out) == ["1", "1"]
    assert numbered(out) == [
        " <<<< Warning  10: Begin and end of scaling are equal in GRAF!",
        " <<<< Warning   9: Step equal zero in GRAF!",
        " <<<< Warning  10: Begin and end of scaling are equal in GRAF!",
        " <<<< Warning   9: Step equal zero in GRAF!",
        " <<<< Warning   2: Incorrect parameter in AXSLEN!   (   1)",
        " <<<< Warning   2: Incorrect parameter in AXSLEN!   (   0)",
        " <<<< Warning   2: Incorrect parameter in AXSPOS!   (  -1)",
        " <<<< Warning   2: Incorrect parameter in AXSPOS!   (5000)",
        " <<<< Warning   2: Incorrect parameter in AXSORG!   (4000)",
        " <<<< Warning   2: Incorrect parameter in AXSORG!   (  -2)",
        " <<<< Warning   2: Incorrect parameter in TICLEN!   (   0)",
        " <<<< Warning   2: Incorrect parameter in TICLEN!   (  -3)",
    ]


def test_getmat_places_its_grid_in_the_axis_system(run):
    out = plot(run, """
        v.graf(0, 4, 0, 1, 10, 30, 10, 10)
        z = [0.0] * 15
        v.getmat([2.0], [20.0], [7.5], 1, z, 5, 3, 0.0)
        print(z[2 * 3 + 1], z[0])
        v.vtxfin()
    """)
    assert lines(out) == ["7.5 0.0"]


def test_every_label_type_and_side_draws_without_fault(run, tmp_path):
    out = run("""
        v.metafl("png"); v.setfil("all.png"); v.vtxini(); v.basdat(1, 1, 2020)
        for kind in ["none", "floa", "exp", "log", "clog", "elog", "map", "dmap", "lmap",
                     "time", "hour", "seco", "myla", "fexp", "date"]:
            v.labels(kind, "xy"); v.labmod("lang", "germ", "y"); v.labmod("mont", "full", "y")
            v.setgrf("name", "name", "name", "name"); v.name("x", "x"); v.name("y", "y")
            v.labtyp("vert", "y"); v.labpos("shif", "x"); v.axends("noen", "x")
            v.axclrs(50, "all", "xy"); v.axsbgd(3); v.frame(-3); v.center()
            v.graf(-100, 3000, -100, 500, 3000, -100, 3000, -700); v.grid(2, 1); v.axgit()
            v.endgrf()
        v.mylab("one", 1, "x"); v.xaxis(0, 5, 0, 1, 800, "stand-alone", 0, 100, 300)
        v.yaxlg(-2, 2, -2, 1, 800, "log", 1, 2500, 1000)
        v.vtxfin()
    """)
    assert numbered(out) == []
    assert (tmp_path / "all.png").stat().st_size > 1000
