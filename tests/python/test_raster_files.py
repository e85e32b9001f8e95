"""Raster devices and their image files, read back by Pillow, pngcheck,
tiffinfo and the giflib tools."""
import random
import struct
import subprocess

import pytest
from PIL import Image

from raster_reader import gif_codes, png_chunks

DEVICES = {"TIFF": "tif", "IMAG": "img", "PNG": "png", "PPM": "ppm", "BMP": "bmp", "GIF": "gif"}


@pytest.fixture
def plot(run, tmp_path):
    """Runs body between vtxini and vtxfin on a raster device; returns the file's path."""
    def make(device, body="", before="", name=None):
        path = tmp_path / (name or "plot.%s" % DEVICES[device])
        out = run("v.metafl(%r)\nv.setfil(%r)\n%s\nv.vtxini()\n%s\nv.vtxfin()\n" % (device, str(path), before, body))
        make.warnings = out.warnings()
        return path
    return make


def checked_by(tool, path):
    proc = subprocess.run([tool, str(path)], capture_output=True, text=True)
    assert proc.returncode == 0, proc.stdout + proc.stderr
    return proc.stdout


def rgb_pixels(path):
    with Image.open(path) as im:
        return list(im.convert("RGB").getdata())


class TestOnePixelRaster:
    @pytest.mark.parametrize("device", ["TIFF", "PNG", "PPM", "BMP", "GIF"])
    def test_every_format_holds_the_one_white_pixel(self, plot, device):
        path = plot(device, "v.line(0, 0, 100, 100)", before="v.winsiz(1, 1)")
        with Image.open(path) as im:
            assert im.size == (1, 1)
        assert rgb_pixels(path) == [(255, 255, 255)]
        tool = {"PNG": "pngcheck", "TIFF": "tiffinfo", "GIF": "giftext"}.get(device)
        if tool:
            checked_by(tool, path)
        if device == "BMP":
            data = path.read_bytes()
            assert len(data) == 54 + 4 * 256 + 4 and data[54 + 1024:] == b"\xff\x00\x00\x00"

    def test_own_format_header_and_raw_pixels(self, plot):
        data = plot("IMAG", "v.line(0, 0, 100, 100)", before="v.winsiz(1, 1)").read_bytes()
        assert data[:20] == b"!Bitmap VANTIX VIRT "
        assert data[20:73] == b"%5d %5d %5d %5d %5d %5d %5d %5d %5d" % (1, 1, 8, 4, 8, 32, 0, 1, 0)
        assert data[73:80] == b" " * 7 and data[80:] == b"\xff\x00\x00\x00"


class TestColourTablesAndTransparency:
    def test_small_table_gives_nine_colours_in_png_and_bmp(self, plot, tmp_path):
        png = plot("PNG", "v.setvlt('SMAL')\nv.rbmp(%r)" % str(tmp_path / "s.bmp"), before="v.winsiz(5, 3)")
        assert [len(body) for kind, body in png_chunks(png.read_bytes()) if kind == "PLTE"] == [27]
        checked_by("pngcheck", png)
        bmp = (tmp_path / "s.bmp").read_bytes()
        assert struct.unpack("<IIII", bmp[2:6] + bmp[10:14] + bmp[46:54]) == (8 * 3 + 36 + 54, 36 + 54, 9, 9)

    def test_vga_table_gives_sixteen(self, plot):
        png = plot("PNG", "v.setvlt('VGA')", before="v.winsiz(2, 2)")
        assert [len(body) for kind, body in png_chunks(png.read_bytes()) if kind == "PLTE"] == [48]

    @pytest.mark.parametrize("mode, trns", [("IND", b"\x00"), ("RGB", b"\x00\xff\x00\xff\x00\xff")])
    def test_png_transparency_in_both_modes(self, plot, mode, trns):
        path = plot("PNG", "v.line(0, 0, 2969, 2099)", before="v.winsiz(4, 4)\nv.imgfmt(%r)\nv.pngmod('ON', 'TRAN')" % mode)
        chunks = png_chunks(path.read_bytes())
        assert [body for kind, body in chunks if kind == "tRNS"] == [trns]
        assert [k for k, _ in chunks].index("tRNS") == (2 if mode == "IND" else 1)
        checked_by("pngcheck", path)
        with Image.open(path) as im:
            assert im.info["transparency"] == (0 if mode == "IND" else (255, 255, 255))

    def test_gif_transparency_uses_gif89a(self, plot):
        path = plot("GIF", before="v.winsiz(3, 3)\nv.gifmod('ON', 'TRAN')")
        data = path.read_bytes()
        assert data[:6] == b"GIF89a" and b"\x21\xf9\x04\x01\x00\x00\x00\x00" in data
        checked_by("giftext", path)


class TestFormatDetails:
    def test_gif_with_more_than_4094_strings_clears_and_decodes(self, plot, tmp_path):
        random.seed(7)
        noise = bytes(random.randrange(256) for _ in range(120 * 100))
        path = plot("GIF", "v.imgini()\nv.wpixls(%r, 0, 0, 120, 100)\nv.imgfin()" % noise, before="v.winsiz(120, 100)")
        codes = gif_codes(path.read_bytes())
        assert codes[0] == 256 and codes[-1] == 257 and 256 in codes[1:-1]
        with Image.open(path) as im:
            assert im.tobytes() == noise
        checked_by("giftext", path)

    def test_tiff_in_rgb_mode_has_ten_entries_and_three_eights(self, plot):
        path = plot("TIFF", "v.line(0, 0, 2969, 2099)", before="v.winsiz(6, 2)\nv.imgfmt('RGB')")
        data = path.read_bytes()
        assert data[:8] == b"II*\x00\x08\x00\x00\x00" and struct.unpack("<H", data[8:10])[0] == 10
        entries = {struct.unpack("<H", data[10 + 12 * i:12 + 12 * i])[0]: data[10 + 12 * i:22 + 12 * i] for i in range(10)}
        assert 320 not in entries and struct.unpack("<H", entries[262][8:10])[0] == 2
        (offset,) = struct.unpack("<I", entries[258][8:12])
        assert struct.unpack("<HHH", data[offset:offset + 6]) == (8, 8, 8)
        info = checked_by("tiffinfo", path)
        assert "Bits/Sample: 8" in info and "Samples/Pixel: 3" in info and "RGB color" in info

    def test_tiff_resolution_of_tifmod(self, plot):
        info = checked_by("tiffinfo", plot("TIFF", before="v.winsiz(2, 2)\nv.tifmod(300, 'CM', 'RESO')"))
        assert "Resolution: 300, 300 pixels/cm" in info

    def test_tifmod_reports_every_bad_argument(self, run):
        out = run("v.tifmod(0, 'MM', 'DPI'); v.tifmod(50, 'CM', 'RESO'); v.tifmod(70, 'CM', 'DPI')")
        assert [w.split("!")[-1].strip() for w in out.warnings()] == ["(   0)", "(MM)", "(DPI)", "(DPI)"]

    def test_bmp_rows_are_bottom_up_padded_and_bgr(self, plot):
        path = plot("BMP", "v.imgini()\nv.imgmod('RGB')\nv.wpxrow(bytes([1, 2, 3] * 5), 0, 0, 5)\nv.imgfin()",
                    before="v.winsiz(5, 3)\nv.imgfmt('RGB')")
        data = path.read_bytes()
        header = struct.unpack("<2sIHHIIiiHHIIiiII", data[:54])
        assert header == (b"BM", 16 * 3 + 54, 0, 0, 54, 40, 5, 3, 1, 24, 0, 48, 2500, 2500, 0, 0)
        top = data[54 + 2 * 16:54 + 3 * 16]  # the last row in the file is the top row
        assert top == bytes([3, 2, 1] * 5) + b"\x00" and data[54:54 + 16] == bytes(16)


class TestWarnings:
    def test_unwritable_file_gives_warning_36(self, plot, tmp_path):
        plot("PNG", before="v.winsiz(2, 2)", name="missing/dir.png")
        assert [w.split(":")[1].strip() for w in plot.warnings] == ["File error in VTXFIN!   (%s)" % (tmp_path / "missing/dir.png")]

    def test_picture_routines_on_a_vector_device_give_warning_40(self, run, tmp_path):
        out = run("v.metafl('POST')\nv.setfil(%r)\nv.vtxini()\nv.rpng('x.png')\nprint(v.rbfpng(0))\nv.imgini()\nv.vtxfin()"
                  % str(tmp_path / "a.ps"))
        assert len(out.warnings()) == 3 and all("Warning  40" in w for w in out.warnings())
        assert "(b'', 0)" in out.stdout


class TestScale:
    @pytest.mark.parametrize("before, width, right", [
        ("", 853, 852), ("v.sclfac(0.5)", 853, 426), ("v.sclfac(0.5); v.sclmod('FULL')", 853, 852),
        ("v.setpag('DA4P')", 603, 602), ("v.winsiz(400, 400)", 400, 399)])
    def test_rightmost_pixel_of_the_page_width(self, run, before, width, right):
        out = run("""
            v.metafl('VIRT')
            %s
            v.vtxini()
            w, h = v.getpag()
            v.line(0, 0, w, 0)
            v.imgini()
            row = v.rpxrow(0, 0, %d)
            print(max(i for i, b in enumerate(row) if b))
            v.imgfin()
            v.vtxfin()
        """ % (before, width))
        assert int(out.stdout.split()[0]) == right
