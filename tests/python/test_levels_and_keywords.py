"""Call-order levels, the keyword rule and the range rule, seen from Python."""


def test_getlev_before_anything_is_zero(run):
    assert run("print(v.getlev())").stdout == "0\n"


def test_wrong_level_warns_with_the_level_and_has_no_effect(run):
    out = run("""
        print(v.getmfl())
        v.vtxini()
        v.metafl("post")
        print(v.getmfl())
        v.vtxfin()
    """)
    lines = out.stdout.splitlines()
    assert lines[0] == " <<<< Warning   3: Incorrect level in GETMFL!   (   0)"
    assert lines[1] == ""
    assert lines[2] == " <<<< Warning   3: Incorrect level in METAFL!   (   1)"
    assert lines[3] == "VXME"


def test_lenient_routines_store_their_value_after_the_level_warning(run):
    # unit 0 before vtxini warns, yet suppresses the following warning.
    out = run("""
        v.unit(0)
        v.setpag("nope")
    """)
    assert out.warnings() == [" <<<< Warning   3: Incorrect level in UNIT!   (   0)"]


def test_a_level_warning_after_vtxfin_reaches_standard_output(run):
    out = run("""
        v.vtxini()
        v.unit(0)
        v.vtxfin()
        v.vtxfin()
    """)
    assert out.stdout == " <<<< Warning   3: Incorrect level in VTXFIN!   (   0)\n"


class TestKeywordRule:
    def test_first_four_letters_in_any_case(self, run):
        out = run("""
            for key in ["post", "PoSt", "postscript", "ps", "eps", "Pdf", "svg"]:
                v.metafl(key); v.vtxini(); print(v.getmfl(), v.getfil()); v.vtxfin()
        """)
        lines = [l for l in out.stdout.splitlines() if l and not l.startswith(" <<")]
        assert lines == ["POST vantix.psc", "POST vantix_1.psc", "POST vantix_2.psc", "PS vantix.ps",
                         "EPS vantix.eps", "PDF vantix.pdf", "SVG vantix.svg"]

    def test_short_keyword_needs_blanks_in_the_list(self, run):
        out = run("""
            v.metafl("po")
            v.vtxini(); v.errmod("warn", "on"); v.errmod("warn", "o"); v.errmod("all", "OFF")
            v.metafl("x")
        """)
        assert out.warnings() == [
            " <<<< Warning   2: Incorrect parameter in METAFL!   (po)",
            " <<<< Warning   2: Incorrect parameter in ERRMOD!   (o)",
        ]

    def test_unknown_keyword_keeps_the_previous_setting(self, run):
        out = run("""
            v.metafl("cgm"); v.metafl("xyz"); v.vtxini(); print(v.getmfl()); v.vtxfin()
        """)
        assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in METAFL!   (xyz)"]
        assert "CGM" in out.stdout.splitlines()[1]

    def test_every_unknown_keyword_of_a_call_is_reported(self, run):
        out = run('v.pdfmod("maybe", "both"); v.vtxini(); v.polmod("up", "wise"); v.vtxfin()')
        assert [w.split("in ")[1] for w in out.warnings()] == [
            "PDFMOD!   (maybe)", "PDFMOD!   (both)", "POLMOD!   (up)", "POLMOD!   (wise)"]


class TestRangeRule:
    def test_no_upper_bound_when_it_lies_below_the_lower(self, run):
        out = run("""
            v.page(100000, 1); v.vtxini(); print(v.getpag()); v.vtxfin()
        """)
        assert out.stdout.startswith("(99999, 0)\n")

    def test_values_below_the_lower_bound_warn_with_the_value(self, run):
        out = run("""
            v.page(0, 2000); v.page(3000, -7); v.hwpage(-1, -2)
        """)
        assert out.warnings() == [
            " <<<< Warning   2: Incorrect parameter in PAGE!   (   0)",
            " <<<< Warning   2: Incorrect parameter in PAGE!   (  -7)",
            " <<<< Warning   2: Incorrect parameter in HWPAGE!   (  -1)",
            " <<<< Warning   2: Incorrect parameter in HWPAGE!   (  -2)",
        ]

    def test_window_reports_the_smaller_offending_value(self, run):
        out = run("""
            v.window(-5, 3, 0, 10); v.winsiz(0, -3); v.window(0, 0, 1, 1)
            v.vtxini(); print(v.getwin()); v.vtxfin()
        """)
        assert out.warnings() == [
            " <<<< Warning   2: Incorrect parameter in WINDOW!   (  -5)",
            " <<<< Warning   2: Incorrect parameter in WINSIZ!   (  -3)",
        ]
        assert "(0, 0, 1, 1)" in out.stdout

    def test_float_parameters_reject_negative_and_nan(self, run):
        out = run("""
            v.sclfac(-1.0); v.sclfac(float("nan")); v.sclfac(0.5)
        """)
        assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in SCLFAC!"] * 2
