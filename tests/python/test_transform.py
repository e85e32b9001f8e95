"""The base transformation moves, turns and scales everything drawn after it."""
import pytest

from fill_helpers import scenario, segments


def drawn(run, tmp_path, body):
    text, _ = scenario(run, tmp_path, "hpgl", body)
    return [(a, b) for a, b in segments(text)]


def test_shift_moves_later_output_until_reset(run, tmp_path):
    assert drawn(run, tmp_path, "v.line(100, 500, 300, 500)\nv.trfshf(100, 0)\nv.line(100, 600, 300, 600)\n"
                                "v.trfres()\nv.line(100, 700, 300, 700)") == [
        ((100, 500), (300, 500)), ((200, 600), (400, 600)), ((100, 700), (300, 700))]


def test_rotation_by_90_degrees_turns_a_horizontal_line_upright(run, tmp_path):
    [((x1, y1), (x2, y2))] = drawn(run, tmp_path, "v.trfrot(90, 500, 800)\nv.line(500, 800, 700, 800)")
    assert (x1, y1) == (500, 800)
    assert (x2, y2) == (pytest.approx(500, abs=0.25), pytest.approx(600, abs=0.25))


def test_scaling_after_a_shift_doubles_the_shift(run, tmp_path):
    assert drawn(run, tmp_path, "v.trfshf(10, 10)\nv.trfscl(2, 2)\nv.line(100, 100, 200, 100)") == [
        ((220, 220), (420, 220))]


def test_frames_of_shielding_regions_are_not_transformed(run, tmp_path):
    segs = drawn(run, tmp_path, "v.trfshf(1000, 0)\nv.shlrec(100, 100, 51, 51)")
    assert ((100, 100), (150, 100)) in segs
