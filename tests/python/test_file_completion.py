"""Plot files are complete or reported: write errors give warning 36 and the
banner does not claim the file; a plot left open at exit is finished."""
import os
import re
import subprocess
import textwrap

import pytest

from conftest import MODULE_DIR, PYTHON

AT_EXIT = " <<<< No call to vtxfin: the plot is finished at program exit!"

FILE_DEVICES = ["PDF", "PNG", "SVG", "EPS", "CGM", "VXME", "HPGL", "KYOC", "JAVA", "TEKT", "PPM", "GIF", "BMP",
                "TIFF", "IMAG"]


def banner_file(out):
    return re.search(r" <<  Metafile: (.*?) *<<", out.stdout).group(1)


@pytest.fixture
def device_link(tmp_path):
    """A name in the test's directory for a device file (versioning a device
    by mistake then makes a file there, not in /dev)."""
    def make(device):
        if not os.path.exists(device):
            pytest.skip("no " + device)
        link = tmp_path / "device.out"
        link.symlink_to(device)
        return link.name
    return make


class TestWriteErrors:
    @pytest.mark.parametrize("device", FILE_DEVICES)
    def test_a_full_device_gives_one_warning_and_no_file_in_the_banner(self, run, device_link, device):
        name = device_link("/dev/full")
        out = run("""
            v.metafl(%r); v.setfil(%r); v.vtxini()
            for i in range(2000): v.line(i, 0, 2000 - i, 2000)
            v.vtxfin()
        """ % (device, name))
        assert out.warnings() == [" <<<< Warning  36: File error in VTXFIN!   (%s)" % name]
        assert banner_file(out) == ""

    @pytest.mark.parametrize("device, name", [("PPM", "out.ppm"), ("EPS", "out.eps"), ("PDF", "out.pdf")])
    def test_a_file_size_limit_is_a_file_error(self, run, tmp_path, device, name):
        out = run("""
            import resource, signal
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_FSIZE, (20, 20))
            v.metafl(%r); v.setfil(%r); v.vtxini(); v.line(0, 0, 2969, 2099); v.vtxfin()
        """ % (device, name))
        assert out.warnings() == [" <<<< Warning  36: File error in VTXFIN!   (%s)" % name]
        assert banner_file(out) == ""
        assert (tmp_path / name).stat().st_size <= 20

    def test_a_picture_saved_to_a_full_device_warns_with_its_name(self, run, device_link):
        name = device_link("/dev/full")
        out = run("""
            v.metafl("PNG"); v.setfil("plot.png"); v.vtxini(); v.line(0, 0, 2969, 2099)
            v.rppm(%r); v.rpng(%r)
            v.vtxfin()
        """ % (name, name))
        assert out.warnings() == [" <<<< Warning  36: File error in RPPM!   (%s)" % name,
                                  " <<<< Warning  36: File error in RPNG!   (%s)" % name]
        # the plot file itself was written
        assert banner_file(out) == "plot.png"

    def test_a_file_that_cannot_be_created_is_not_claimed(self, run):
        out = run('v.metafl("SVG"); v.setfil("missing/x.svg"); v.vtxini(); v.line(0, 0, 99, 99); v.vtxfin()')
        assert out.warnings() == [" <<<< Warning  36: File error in VTXINI!   (missing/x.svg)"]
        assert banner_file(out) == ""

    def test_a_device_is_written_under_its_own_name_not_versioned(self, run, tmp_path, device_link):
        name = device_link("/dev/null")
        out = run('v.metafl("EPS"); v.filmod("DELE"); v.setfil(%r); v.vtxini(); print(v.getfil()); v.vtxfin()'
                  % name)
        assert out.stdout.startswith(name + "\n") and out.warnings() == [] and banner_file(out) == name
        assert (tmp_path / name).is_symlink() and os.listdir(tmp_path) == [name]

    def test_an_empty_protocol_on_a_device_leaves_the_device(self, run, tmp_path, device_link):
        name = device_link("/dev/null")
        run('v.errdev("FILE"); v.errfil(%r); v.metafl("SVG"); v.vtxini(); v.vtxfin()' % name)
        assert (tmp_path / name).is_symlink() and sorted(os.listdir(tmp_path)) == [name, "vantix.svg"]


def finish_at_exit(tmp_path, code):
    """Runs a script that may end with an exception; returns the process."""
    environ = dict(os.environ, PYTHONPATH=MODULE_DIR, VANTIX=str(tmp_path))
    environ.pop("DISPLAY", None)
    return subprocess.run([PYTHON, "-c", "import vantix as v\n" + textwrap.dedent(code)], cwd=tmp_path,
                          env=environ, capture_output=True, text=True, encoding="latin-1", timeout=120)


def check_file(path):
    """The independent reader of each format accepts the file."""
    tool = {".png": ["pngcheck"], ".pdf": ["qpdf", "--check"], ".svg": ["xmllint", "--noout"]}[path.suffix]
    proc = subprocess.run(tool + [str(path)], capture_output=True, text=True, timeout=60)
    assert proc.returncode == 0, proc.stdout + proc.stderr


class TestPlotsLeftOpenAtExit:
    @pytest.mark.parametrize("device", ["PNG", "PDF", "SVG"])
    @pytest.mark.parametrize("ending, status", [("", 0), ("raise RuntimeError('stop')", 1)])
    def test_the_plot_is_finished_and_the_protocol_says_so(self, tmp_path, device, ending, status):
        proc = finish_at_exit(tmp_path, """
            v.metafl(%r); v.vtxini(); v.line(0, 0, 2969, 2099); print("drawn")
            %s
        """ % (device, ending))
        assert proc.returncode == status, proc.stderr
        lines = proc.stdout.splitlines()
        # the script's own output first, then the line, then the banner of vtxfin
        assert lines[:3] == ["drawn", AT_EXIT, ""] and "END OF VANTIX" in lines[4]
        assert " <<  Metafile: vantix.%s " % device.lower() in proc.stdout
        assert ("RuntimeError: stop" in proc.stderr) == bool(status)
        check_file(tmp_path / ("vantix." + device.lower()))

    @pytest.mark.parametrize("device", ["PNG", "PDF", "SVG"])
    def test_silent_when_the_protocol_is_off(self, tmp_path, device):
        proc = finish_at_exit(tmp_path, """
            v.metafl(%r); v.vtxini(); v.unit(0); v.line(0, 0, 2969, 2099)
            raise SystemExit(3)
        """ % device)
        assert proc.returncode == 3 and proc.stdout == ""
        check_file(tmp_path / ("vantix." + device.lower()))

    def test_a_finished_plot_and_no_plot_are_left_alone(self, tmp_path):
        proc = finish_at_exit(tmp_path, 'v.metafl("SVG"); v.vtxini(); v.vtxfin(); v.getlev()')
        assert AT_EXIT not in proc.stdout and proc.stdout.count("END OF VANTIX") == 1
        assert finish_at_exit(tmp_path, "v.getlev()").stdout == ""
