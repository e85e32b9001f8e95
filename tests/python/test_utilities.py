"""Data utilities from Python: results returned, lists written back, warnings printed."""
import math

import pytest


def test_conversions_write_the_lists_back(vantix):
    angles = [180.0, -90.0]
    assert vantix.trfco1(angles, 2, "DEGREES", "radians") is None
    assert angles == pytest.approx([math.pi, -math.pi / 2], rel=1e-6)

    x, y, z = [0.0, 1.0], [0.0, 1.0], [0.0, 2.0]
    vantix.trfco2(x, y, 2, "RECT", "POLA")
    assert (x, y) == (pytest.approx([0.0, 45.0]), pytest.approx([0.0, math.sqrt(2)]))
    vantix.trfco3(x, y, z, 2, "CYLI", "RECT")
    assert (x, y, z) == (pytest.approx([0.0, 1.0]), pytest.approx([0.0, 1.0]), [0.0, 2.0])


def test_same_system_or_bad_keyword_warns_and_leaves_the_list(run):
    out = run("""
        x = [1.0, 2.0]
        v.trfco1(x, 2, "RADI", "radi")
        v.trfco2(x, x[:], 2, "POLA", "NONE")
        v.trfco3(x, x[:], x[:], 2, "PLAN", "NONE")
        print(x)
    """)
    assert out.warnings() == [" <<<< Warning 101: No conversion necessary in TRFCO1!",
                              " <<<< Warning   2: Incorrect parameter in TRFCO2!   (NONE)",
                              " <<<< Warning   2: Incorrect parameter in TRFCO3!   (PLAN)",
                              " <<<< Warning   2: Incorrect parameter in TRFCO3!   (NONE)"]
    assert out.stdout.splitlines()[-1] == "[1.0, 2.0]"


def test_histogram_returns_the_class_count_and_fills_the_first_classes(vantix):
    values, counts = [0.0] * 6, [-1.0] * 6
    assert vantix.histog([3.0, 1.0, 3.0, 2.0], 4, values, counts) == 3
    assert values == [1.0, 2.0, 3.0, 0.0, 0.0, 0.0]
    assert counts == [1.0, 1.0, 2.0, -1.0, -1.0, -1.0]
    # no values: the count result 0, nothing converted or written
    assert vantix.histog([3.0], 0, values, counts) == 0
    assert vantix.histog([], -1, [], []) == 0


def test_bezier_writes_both_output_lists(run):
    out = run("""
        x, y = [9.0] * 5, [9.0] * 5
        print(v.bezier([0.0, 1.0, 2.0], [0.0, 2.0, 0.0], 3, x, y, 5), x, y)
        v.bezier([0.0] * 22, [0.0] * 22, 22, x, y, 2)
    """)
    assert out.stdout.splitlines()[0] == "None [0.0, 0.5, 1.0, 1.5, 2.0] [0.0, 0.75, 1.0, 0.75, 0.0]"
    assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in BEZIER!   (  22)"]


def test_dates_return_day_numbers_tuples_and_weekdays(run):
    out = run("""
        print(v.incdat(1, 1, 2000), v.trfdat(3))
        v.incdat(1, 13, 2000)
        v.basdat(29, 2, 1900)
        v.basdat(29, 2, 2000)
        print(v.incdat(29, 2, 2000), v.incdat(1, 3, 2001), v.trfdat(0), v.trfdat(-60), v.nwkday(11, 7, 1999))
    """)
    assert out.warnings() == [
        " <<<< Warning 101: no base date is defined with basdat in INCDAT!",
        " <<<< Warning 101: no base date is defined with basdat in TRFDAT!",
        " <<<< Warning   2: Incorrect parameter in INCDAT!   (  13)",
        " <<<< Warning 101: no base date is defined with basdat in INCDAT!",
        " <<<< Warning   2: Incorrect parameter in BASDAT!   (  29)",
    ]
    results = [line for line in out.stdout.splitlines() if not line.startswith(" <<<<")]
    assert results == ["0 (0, 0, 0)", "0 366 (29, 2, 2000) (31, 12, 1999) 7"]


class TestTriangulationFromPython:
    def test_square_gives_two_triangles_and_index_lists(self, vantix):
        x, y = [0.0, 1.0, 1.0, 0.0, 0, 0, 0], [0.0, 0.0, 1.0, 1.0, 0, 0, 0]
        i1, i2, i3 = [0] * 9, [0] * 9, [0] * 9
        assert vantix.triang(x, y, 4, i1, i2, i3, 9) == 2
        triangles = {frozenset(t) for t in zip(i1[:2], i2[:2], i3[:2])}
        assert all(len(t) == 3 and t <= {1, 2, 3, 4} for t in triangles)
        assert x[:4] == [0.0, 1.0, 1.0, 0.0]

    def test_coordinates_need_room_for_three_more_points(self, vantix):
        import pytest
        with pytest.raises(MemoryError, match="out of range"):
            vantix.triang([0.0, 1.0, 1.0, 0.0], [0.0, 0.0, 1.0, 1.0], 4, [0] * 9, [0] * 9, [0] * 9, 9)


def test_getmat_needs_an_axis_system(run):
    out = run("""
        v.vtxini(); z = [0.0] * 4
        v.getmat([1.0], [1.0], [1.0], 1, z, 2, 2, 0.0); print(z); v.vtxfin()
    """)
    assert out.warnings() == [" <<<< Warning   3: Incorrect level in GETMAT!   (   1)"]
    assert out.stdout.splitlines()[1] == "[0.0, 0.0, 0.0, 0.0]"


class TestStatisticsAndSorting:
    SAMPLE = [2.0, 4.0, 4.0, 4.0, 5.0, 5.0, 7.0, 9.0]

    def test_all_six_statistics_of_a_known_sample(self, vantix):
        n, m = len(self.SAMPLE), 5.0
        var = sum((x - m) ** 2 for x in self.SAMPLE) / (n - 1)
        s = math.sqrt(var)
        expected = {
            "MEAN": m,
            "AVER": sum(abs(x - m) for x in self.SAMPLE) / n,
            "VARI": var,
            "STAN": s,
            "THIR": sum(((x - m) / s) ** 3 for x in self.SAMPLE) / n,
            "FOUR": sum(((x - m) / s) ** 4 for x in self.SAMPLE) / n - 3,
        }
        for key, value in expected.items():
            assert vantix.moment(self.SAMPLE, n, key.lower()) == pytest.approx(value, rel=1e-5, abs=1e-6), key

    def test_one_value_and_zero_variance(self, run):
        out = run("""
            print(v.moment([3.0], 1, "MEAN"), v.moment([2.0, 2.0], 2, "VARI"))
            print(v.moment([2.0, 2.0], 2, "THIR"), v.moment([2.0, 2.0], 2, "FOUR"))
            v.moment([3.0], 1, "MODE")
        """)
        assert out.warnings() == [
            " <<<< Warning 101: n must be greater than 1 in MOMENT!",
            " <<<< Warning 101: Variance = 0. Value cannot be calculated in MOMENT!",
            " <<<< Warning 101: Variance = 0. Value cannot be calculated in MOMENT!",
            " <<<< Warning   2: Incorrect parameter in MOMENT!   (MODE)",
            " <<<< Warning 101: n must be greater than 1 in MOMENT!",
        ]
        assert [l for l in out.stdout.splitlines() if not l.startswith(" <<")] == ["0.0 0.0", "0.0 0.0"]

    @pytest.mark.parametrize("order", ["A", "d"])
    def test_sorting_agrees_with_python(self, vantix, order):
        import random
        rng = random.Random(7)
        x = [rng.uniform(-100, 100) for _ in range(257)]
        y = [float(i) for i in range(257)]
        pairs = sorted(zip(x, y), key=lambda p: p[0], reverse=order == "d")
        one = list(x)
        vantix.sortr1(one, len(one), order)
        assert one == pytest.approx(sorted(x, reverse=order == "d"))
        vantix.sortr2(x, y, len(x), order)
        assert x == pytest.approx([p[0] for p in pairs])
        assert y == [p[1] for p in pairs]  # distinct keys: the partner moves with its key
