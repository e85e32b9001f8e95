"""Extreme numbers end in a warning or a clear exception, quickly.

Each scenario runs in its own process with a timeout, so that a loop driven
by a user number fails the test instead of hanging it; some run under an
address-space limit, so that an allocation sized by a user number shows up
as a failure instead of swapping. Against the sanitizer build the integer
scenarios also prove that no overflow or bad conversion happens on the way.
"""
import os
import re
import subprocess

import pytest

from conftest import MODULE_DIR, PYTHON

UNDER_ASAN = "libasan" in os.environ.get("LD_PRELOAD", "")


def scenario(tmp_path, code, timeout=60, memory_mb=None):
    """Runs `code` after `import vantix as v`; returns its standard output."""
    limit = ""
    if memory_mb:
        limit = ("import resource\nresource.setrlimit(resource.RLIMIT_AS, (%d << 20, %d << 20))\n"
                 % (memory_mb, memory_mb))
    # The scenarios are flat lists of calls, so every line is stripped.
    script = limit + "import vantix as v\n" + "\n".join(line.strip() for line in code.splitlines())
    env = dict(os.environ, PYTHONPATH=MODULE_DIR, VANTIX=str(tmp_path))
    env.pop("DISPLAY", None)
    proc = subprocess.run([PYTHON, "-c", script], cwd=tmp_path, env=env, capture_output=True, text=True,
                          encoding="latin-1", timeout=timeout)
    assert proc.returncode == 0, proc.stdout[-2000:] + proc.stderr[-3000:]
    return proc.stdout


def warnings_of(out):
    return [line.strip() for line in out.splitlines() if line.startswith(" <<<< Warning")]


def vectors(out):
    return int(re.search(r"Vectors : *(\d+)", out).group(1))


def opened(device):
    return "v.metafl(%r); v.filmod('DELETE'); v.setfil('out.%s'); v.vtxini()\n" % (device, device.lower())


AXES = "v.graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)\n"


class TestLoopsEndQuickly:
    def test_ticks_far_from_the_first_label_are_counted_in_integers(self, tmp_path):
        out = scenario(tmp_path, opened("PS") + """
            v.graf(0.0, 10.0, 0.0, 2.0, 0.0, 50.0, 1.0e7, 1.0)
            v.endgrf()
            v.yaxis(91.359, -8.353, -2147483649.0, 1.813, 600, 'Y', 0, 300, 1500)
            v.frmess(16777217)
            v.graf(-1, 6.849, 4.393, -331430.3, 1e-45, 47.312, 3.4e38, 50.93)
            v.vtxfin()
        """, timeout=30)
        assert "Warning  12: Startlabel out of scaling in YAXIS!" in out

    def test_a_page_too_large_for_its_dashes_is_refused(self, tmp_path):
        out = scenario(tmp_path, """
            v.page(100000, 2147483647)
            v.page(1000001, 2000)
            v.page(1000000, 2000)
        """ + opened("PS") + """
            v.graf(-18.0, 53.0, -18.0, 14.2, -4.0, 2.0, -4.0, 1.5)
            v.lintyp(7)
            v.grid(10, 10)
            v.vtxfin()
        """, timeout=30)
        assert warnings_of(out) == ["<<<< Warning   2: Incorrect parameter in PAGE!   (2147483647)",
                                        "<<<< Warning   2: Incorrect parameter in PAGE!   (1000001)"]
        assert vectors(out) > 0

    @pytest.mark.parametrize("device", ["VXME", "HPGL", "PNG"])
    def test_emulated_widths_draw_what_the_page_can_show(self, tmp_path, device):
        # Ticks, frames and curve copies that a wide line already covers are
        # not stroked one by one, and a width beyond the page is the page.
        dense_ticks = scenario(tmp_path, opened(device) + """
            v.linwid(750)
            v.graf(227892.3, 104.7, 0.0, 80.75, 76.3, 85.4, 76.3, 2.0)
            v.vtxfin()
        """, timeout=60)
        assert vectors(dense_ticks) < 1000000
        thick_curve = scenario(tmp_path, opened(device) + AXES + """
            v.linwid(589)
            v.thkcrv(10000)
            v.curve([0.0, 5.0, 10.0], [0.0, 5.0, 3.0], 3)
            v.vtxfin()
        """, timeout=60)
        assert 0 < vectors(thick_curve) < 200000
        wide_frame = scenario(tmp_path, opened(device) + """
            v.frame(32767)
            v.linwid(23634)
        """ + AXES + "v.vtxfin()\n", timeout=60)
        assert 0 < vectors(wide_frame) < 3000000


class TestPixelRequests:
    def test_reads_outside_the_picture_allocate_nothing(self, tmp_path):
        limit = None if UNDER_ASAN else 1024
        out = scenario(tmp_path, "v.winsiz(100, 80)\n" + opened("VIRT") + """
            v.imgini()
            print(v.rpixls(0, 0, 9, 2**31 - 2), v.rpixls(16777217, -50204, 9, 2147483646))
            print(v.rpxrow(0, 0, 2**31 - 2), len(v.rpixls(0, 0, 100, 80)))
            v.imgfin()
            v.vtxfin()
        """, timeout=30, memory_mb=limit)
        assert "\nb'' b''\n" in out and "\nb'' 8000\n" in out
        assert warnings_of(out) == ["<<<< Warning  58: Array is out of screen in RPIXLS!"] * 2 + [
            "<<<< Warning  58: Array is out of screen in RPXROW!"]

    def test_picture_sides_above_32768_are_refused(self, tmp_path):
        out = scenario(tmp_path, """
            v.winsiz(32769, 10)
            v.window(0, 0, 10, 2**31 - 1)
            v.winsiz(32768, 2)
        """ + opened("VIRT") + """
            print(v.getwin())
            v.imgsiz(40000, 40000)
            v.imgbox(0, 0, 2**31 - 1, 2**31 - 1)
            v.rimage('box.img')
            v.vtxfin()
        """, timeout=30)
        assert warnings_of(out) == ["<<<< Warning   2: Incorrect parameter in WINSIZ!   (32769)",
                                    "<<<< Warning   2: Incorrect parameter in WINDOW!   (2147483647)",
                                    "<<<< Warning   2: Incorrect parameter in IMGSIZ!   (40000)"]
        assert "32768, 2)" in out
        # The box is clipped to the picture: the saved picture is the whole raster.
        assert (tmp_path / "box.img").stat().st_size == 80 + 32768 * 2

    @pytest.mark.skipif(UNDER_ASAN, reason="an address-space limit cannot hold the sanitizer's shadow memory")
    def test_a_scaled_copy_that_does_not_fit_in_memory_gives_warning_53(self, tmp_path):
        out = scenario(tmp_path, "v.winsiz(30000, 30000)\n" + opened("VIRT") + """
            v.imgini()
            v.imgsiz(30000, 30000)
            v.rpng('big.png')
            v.vtxfin()
        """, timeout=60, memory_mb=1400)
        assert warnings_of(out) == ["<<<< Warning  53: Not enough memory in RPNG!"]


class TestExtremeIntegers:
    # Each of these once overflowed an int or negated INT_MIN; the sanitizer
    # build stops the process at the first such operation.
    def test_frames_and_margins_of_the_int_limit(self, tmp_path):
        out = scenario(tmp_path, opened("PS") + """
            v.frmess(-2147483648)
            v.messag('x', 100, 100)
            v.grace(-2147483648)
        """ + AXES + """
            v.frame(-2**31)
            v.box2d()
            v.shdpat(16)
            v.shlpie(500, 500, 100, 0.0, 90.0)
            v.vtxfin()
        """, timeout=60)
        assert warnings_of(out) == []

    def test_page_positions_at_the_int_limit(self, tmp_path):
        out = scenario(tmp_path, opened("PS") + """
            v.pagorg('BOTTOM')
            v.messag('x', 0, -2147483647)
            v.number(1.0, 2, 0, -2147483647)
            v.symbol(3, 0, -2147483647)
            v.vtxfin()
        """, timeout=30)
        assert "<<<< Warning: Startpoint (    0/2147483647) in MESSAG out of page - (x)." in warnings_of(out)

    def test_legends_with_absurd_spacing_and_positions(self, tmp_path):
        scenario(tmp_path, opened("PS") + AXES + """
            v.legini('', 1, 10)
            v.leglin('', 'abc', 1)
            v.curve([1.0, 2.0], [1.0, 2.0], 2)
            v.height(1051)
            v.linesp(2147483648.0)
            v.legend('', 3)
            v.linesp(1.5)
            v.frame(-2**31)
            v.legpos(0, 2147483647)
            v.legend('', 3)
            v.legpos(2147483647, -2147483647)
            v.legend('', 7)
            print(v.nxlegn(''))
            v.fixspc(2147483648.0)
            v.legend('', 3)
            v.vtxfin()
        """, timeout=30)


class TestMatrixWriteBack:
    def test_rows_go_back_into_rows_and_values_into_flat_lists(self, tmp_path):
        out = scenario(tmp_path, opened("PS") + """
            v.graf(0.0, 1.0, 0.0, 0.5, 0.0, 1.0, 0.0, 0.5)
            x, y, z = [0.1, 0.5, 0.9], [0.1, 0.5, 0.9], [1.0, 2.0, 3.0]
            rows = [[0.0] * 5 for _ in range(5)]
            flat = [0.0] * 25
            v.getmat(x, y, z, 3, rows, 5, 5, 0.0)
            v.getmat(x, y, z, 3, flat, 5, 5, 0.0)
            print(all(len(r) == 5 for r in rows), [v for r in rows for v in r] == flat, flat[12])
            out = [[0.0] * 3 for _ in range(3)]
            v.trfmat([[1.0, 2.0], [3.0, 4.0]], 2, 2, out, 3, 3)
            print(out)
            v.vtxfin()
        """, timeout=30)
        assert "True True 2.0" in out
        assert "[[1.0, 1.5, 2.0], [2.0, 2.5, 3.0], [3.0, 3.5, 4.0]]" in out
