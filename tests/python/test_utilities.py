"""Data utilities from Python: results returned, lists written back, warnings printed."""
import math

import pytest


class TestConversions:
    def test_lists_are_converted_in_place(self, vantix):
        angles = [180.0, -90.0]
        assert vantix.trfco1(angles, 2, "DEGREES", "radians") is None
        assert angles == pytest.approx([math.pi, -math.pi / 2], rel=1e-6)

        x, y = [0.0, 1.0, -1.0], [0.0, 1.0, 0.0]
        vantix.trfco2(x, y, 3, "RECT", "POLA")
        assert x == pytest.approx([0.0, 45.0, 180.0], abs=1e-4)
        assert y == pytest.approx([0.0, math.sqrt(2), 1.0], abs=1e-6)

    def test_three_dimensional_round_trip(self, vantix):
        x, y, z = [1.0, -2.0], [2.0, -1.0], [3.0, 0.5]
        vantix.trfco3(x, y, z, 2, "RECT", "SPHE")
        assert z == pytest.approx([math.sqrt(14), math.sqrt(5.25)], rel=1e-6)
        vantix.trfco3(x, y, z, 2, "SPHE", "CYLI")
        vantix.trfco3(x, y, z, 2, "CYLI", "RECT")
        assert (x, y, z) == (pytest.approx([1.0, -2.0], abs=1e-5), pytest.approx([2.0, -1.0], abs=1e-5),
                             pytest.approx([3.0, 0.5], abs=1e-5))

    def test_same_system_warns_and_leaves_the_list(self, run):
        out = run("""
            x = [1.0, 2.0]
            v.trfco1(x, 2, "RADI", "radi")
            v.trfco2(x, x[:], 2, "POLA", "NONE")
            print(x)
        """)
        assert out.warnings() == [" <<<< Warning 101: No conversion necessary in TRFCO1!",
                                  " <<<< Warning   2: Incorrect parameter in TRFCO2!   (NONE)"]
        assert out.stdout.splitlines()[-1] == "[1.0, 2.0]"


class TestHistogramAndBezier:
    def test_histogram_returns_the_class_count(self, vantix):
        values, counts = [0.0] * 6, [-1.0] * 6
        assert vantix.histog([3.0, 1.0, 3.0, 2.0], 4, values, counts) == 3
        assert values == [1.0, 2.0, 3.0, 0.0, 0.0, 0.0]
        assert counts == [1.0, 1.0, 2.0, -1.0, -1.0, -1.0]

    def test_bezier_writes_both_output_lists(self, vantix):
        x, y = [9.0] * 5, [9.0] * 5
        assert vantix.bezier([0.0, 1.0, 2.0], [0.0, 2.0, 0.0], 3, x, y, 5) is None
        assert x == pytest.approx([0.0, 0.5, 1.0, 1.5, 2.0])
        assert y == pytest.approx([0.0, 0.75, 1.0, 0.75, 0.0])

    def test_bezier_rejects_too_many_control_points(self, run):
        out = run("""
            x = [0.0] * 22
            v.bezier(x, x, 22, [0.0, 0.0], [0.0, 0.0], 2)
        """)
        assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in BEZIER!   (  22)"]


class TestDates:
    def test_day_numbers_and_dates_relative_to_the_base(self, run):
        out = run("""
            print(v.incdat(1, 1, 2000), v.trfdat(3))
            v.basdat(29, 2, 1900)
            v.basdat(29, 2, 2000)
            print(v.incdat(29, 2, 2000), v.incdat(1, 3, 2001), v.trfdat(0), v.trfdat(-60))
        """)
        assert out.warnings() == [
            " <<<< Warning 101: no base date is defined with basdat in INCDAT!",
            " <<<< Warning 101: no base date is defined with basdat in TRFDAT!",
            " <<<< Warning   2: Incorrect parameter in BASDAT!   (  29)",
        ]
        results = [line for line in out.stdout.splitlines() if not line.startswith(" <<<<")]
        assert results == ["0 (0, 0, 0)", "0 366 (29, 2, 2000) (31, 12, 1999)"]

    def test_weekdays(self, vantix):
        assert [vantix.nwkday(d, 7, 1999) for d in range(4, 13)] == [7, 1, 2, 3, 4, 5, 6, 7, 1]
        assert vantix.nwkday(1, 1, 2000) == 6


def test_gridding_parameters_are_checked(run):
    out = run("""
        v.mdfmat(3, 3, 1.0)
        v.mdfmat(0, 2, 2.0)
    """)
    assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in MDFMAT!   (   0)"]
