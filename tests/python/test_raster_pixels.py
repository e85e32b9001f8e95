"""Pixel access on the raster devices, the PNG in memory and one picture
saved in every format."""
import io

import pytest
from PIL import Image

from raster_reader import png_chunks


def printed(out):
    """The scenario's own lines, without the warnings between them and the end banner."""
    return [line for line in out.stdout.split("\n\n <<<<")[0].splitlines() if not line.startswith(" <<<<")]


def scenario(run, body, before="", device="VIRT"):
    return run("v.metafl(%r)\n%s\nv.vtxini()\n%s\nv.vtxfin()\n" % (device, before, body))


class TestPngInMemory:
    def test_size_query_exact_buffer_and_one_byte_short(self, run):
        out = scenario(run, """
            data, n = v.rbfpng(0)
            print(repr(data), n)
            full, m = v.rbfpng(n)
            print(m == n == len(full))
            open('memory.png', 'wb').write(full)
            print(v.rbfpng(n - 1), v.rbfpng(-5))
        """.replace("\n            ", "\n"), before="v.winsiz(30, 20)")
        lines = printed(out)
        assert lines[0].startswith("b'' ") and int(lines[0].split()[1]) > 100
        assert lines[1] == "True" and lines[2] == "(b'', 0) (b'', 0)"
        assert out.warnings() == [" <<<< Warning 101: Buffer too small for PNG file in RBFPNG!"]

    def test_buffer_holds_the_drawing_so_far(self, run, tmp_path):
        scenario(run, "v.line(0, 0, 2969, 0)\nopen('m.png', 'wb').write(v.rbfpng(100000)[0])", before="v.winsiz(10, 10)")
        with Image.open(tmp_path / "m.png") as im:
            assert [im.getpixel((x, 0)) for x in range(10)] == [255] * 10


class TestPixelAccess:
    def test_single_pixels_rows_and_rectangles(self, run):
        out = scenario(run, """
            v.imgini()
            v.wpixel(3, 2, 77)
            print(v.rpixel(3, 2), v.rpixel(2, 2))
            v.wpxrow(bytes([1, 2, 3]), 5, 0, 3)
            print(list(v.rpxrow(4, 0, 4)))
            v.wpixls(bytes(range(10, 16)), 0, 5, 3, 2)
            print(list(v.rpixls(0, 5, 3, 2)))
            v.imgmod('RGB')
            print(list(v.rpxrow(3, 2, 1)) == [round(c * 255) for c in v.getind(77)])
            v.imgfin()
        """.replace("\n            ", "\n"), before="v.winsiz(8, 8)")
        assert printed(out) == ["77 0", "[0, 1, 2, 3]", "[10, 11, 12, 13, 14, 15]", "True"]

    def test_rgb_rows_in_an_index_raster_take_the_nearest_colour(self, run):
        out = scenario(run, """
            v.imgini()
            v.imgmod('RGB')
            r, g, b = (round(c * 255) for c in v.getind(200))
            v.wpxrow(bytes([r, g, b, r, g, min(b + 1, 255) if b < 128 else b - 1]), 0, 0, 2)
            print(list(v.rpxrow(0, 0, 2)) == [r, g, b] * 2)
            v.imgmod('INDEX')
            print(list(v.rpxrow(0, 0, 2)))
            v.imgfin()
        """.replace("\n            ", "\n"), before="v.winsiz(4, 4)")
        assert printed(out) == ["True", "[200, 200]"]

    def test_access_warnings(self, run):
        out = scenario(run, """
            print(v.rpixel(0, 0))
            v.imgini()
            v.imgini()
            print(v.rpixel(4, 0), v.rpxrow(3, 0, 2), v.rpixls(0, 0, 0, 1))
            v.wpixel(0, 0, 256)
            v.imgfin()
            v.imgfin()
        """.replace("\n            ", "\n"), before="v.winsiz(4, 4)")
        assert printed(out)[:2] == ["-1", "-1 b'' b''"]
        numbers = [int(w.split()[2].rstrip(":")) for w in out.warnings()]
        assert numbers == [55, 54, 58, 58, 2, 55]

    def test_short_pixel_data_is_refused_before_the_library_runs(self, vantix):
        with pytest.raises(ValueError, match="pixel data too short in wpixls"):
            vantix.wpixls(b"abc", 0, 0, 2, 2)
        with pytest.raises(TypeError):
            vantix.wpxrow("text", 0, 0, 1)

    def test_erase_clears_as_at_initialisation(self, run):
        out = scenario(run, """
            v.line(0, 0, 2969, 2099)
            v.erase()
            v.imgini()
            print(sorted(set(v.rpixls(0, 0, 6, 6))))
            v.imgmod('RGB')
            print(list(v.rpxrow(0, 0, 1)))
            v.imgfin()
        """.replace("\n            ", "\n"), before="v.winsiz(6, 6)\nv.imgfmt('RGB')\nv.scrmod('REVERSE')")
        assert printed(out) == ["[0]", "[255, 255, 255]"]  # white is entry 0 after the exchange

    def test_lines_through_the_pipeline_land_on_bresenham_pixels(self, run):
        # One pixel per plot unit: the raster is as large as the page.
        out = scenario(run, """
            v.line(10, 10, 14, 11)
            v.line(24, 11, 20, 10)
            v.imgini()
            rows = v.rpixls(10, 10, 15, 2)
            print([(x + 10, y + 10) for y in range(2) for x in range(15) if rows[15 * y + x]])
            v.imgfin()
        """.replace("\n            ", "\n"), before="v.winsiz(2970, 2100)")
        assert out.stdout.splitlines()[0] == str([(10, 10), (11, 10), (12, 10), (20, 10), (21, 10),
                                                  (13, 11), (14, 11), (22, 11), (23, 11), (24, 11)])


class TestSavedPictures:
    # Lines in many colours and every colour table, a solid block written
    # row by row, a triangle of rows, a hatched square of lines, and solid
    # and hatched polygons through the area filler.
    PICTURE = """
v.imgini()
for n, table in enumerate(['SMAL', 'RAIN', 'SPEC', 'GREY', 'RRAI', 'RSPE', 'RGRE', 'VGA', 'TEMP']):
    v.setvlt(table)
    for k in range(12):
        v.setclr((37 * k + 11 * n) % 256)
        v.line(40 + 300 * n, 100 + 150 * k, 240 + 300 * n, 1900 - 120 * k)
v.wpixls(bytes([5]) * 40 * 30, 20, 20, 40, 30)
for r in range(30):
    v.wpxrow(bytes([200]) * (2 * r + 1), 100 - r, 120 + r, 2 * r + 1)
v.setclr(90)
for d in range(0, 600, 40):
    v.line(2200 + d, 1400, 2200, 1400 + d)
v.imgfin()
v.setclr(30); v.shdpat(16); v.areaf([300, 900, 600], [1500, 1600, 2000], 3)
v.setclr(160); v.shdpat(5); v.areaf([1000, 1600, 1300], [1500, 1500, 2050], 3)
for f in ['png', 'bmp', 'tiff', 'ppm', 'gif']:
    getattr(v, 'r' + f)('saved.' + f)
"""

    @pytest.mark.parametrize("mode", ["IND", "RGB"])
    def test_one_picture_gives_identical_pixels_in_every_format(self, run, tmp_path, mode):
        scenario(run, self.PICTURE, before="v.winsiz(320, 240)\nv.imgfmt(%r)" % mode)
        formats = ["png", "bmp", "tiff", "ppm"] + (["gif"] if mode == "IND" else [])
        decoded = {}
        for f in formats:
            with Image.open(tmp_path / ("saved." + f)) as im:
                assert im.size == (320, 240)
                decoded[f] = im.convert("RGB").tobytes()
        assert len(set(decoded.values())) == 1
        assert len(set(decoded["png"][i:i + 3] for i in range(0, len(decoded["png"]), 3))) > 12

    def test_box_and_size_select_and_scale_the_saved_part(self, run, tmp_path):
        scenario(run, """
            v.imgini()
            v.wpixls(bytes([1, 2, 3, 4]), 2, 1, 2, 2)
            v.imgfin()
            v.imgbox(2, 1, 2, 2)
            v.rpng('box.png')
            v.imgsiz(4, 6)
            v.rimage('box.img')
        """.replace("\n            ", "\n"), before="v.winsiz(6, 4)")
        with Image.open(tmp_path / "box.png") as im:
            assert im.size == (2, 2) and list(im.getdata()) == [1, 2, 3, 4]
        raw = (tmp_path / "box.img").read_bytes()
        assert raw[20:73] == b"%5d %5d %5d %5d %5d %5d %5d %5d %5d" % (4, 6, 8, 4, 8, 32, 0, 1, 0)
        assert raw[80:] == bytes([1, 1, 2, 2] * 3 + [3, 3, 4, 4] * 3)

    @pytest.mark.parametrize("mode, pixels, row", [
        # a box in the bottom right corner: only its own pixels, each row padded to four bytes
        ("IND", bytes(range(1, 10)), 3),
        ("RGB", bytes(range(100, 127)), 9),
    ], ids=["index", "rgb"])
    def test_own_format_of_a_box_at_the_last_row_holds_only_the_box(self, run, tmp_path, mode, pixels, row):
        scenario(run, """
            v.imgini(); v.imgmod(%r)
            v.wpixls(%r, 850, 600, 3, 3)
            v.imgfin()
            v.imgbox(850, 600, 5, 5)
            v.rimage('box.img')
        """.replace("\n            ", "\n") % (mode, pixels), before="v.imgfmt(%r)" % mode)
        raw = (tmp_path / "box.img").read_bytes()
        stride = (row + 3) // 4 * 4
        assert raw[20:73] == b"%5d %5d %5d %5d %5d %5d %5d %5d %5d" % (3, 3, 8, stride, 8 * row // 3, 32, 0, 1, 0)
        pad = bytes(stride - row)
        assert raw[80:] == b"".join(pixels[i * row:(i + 1) * row] + pad for i in range(3))


STAR = "xs = [1000, 1100, 1400, 1150, 1250, 1000, 750, 850, 600, 900]\nys = [300, 600, 600, 800, 1100, 900, 1100, 800, 600, 600]\n"
POLYGONS = STAR + """v.areaf(xs, ys, 10)
v.areaf([200, 1800, 200, 1800], [1200, 2000, 2000, 1200], 4)
v.areaf([500, 503, 501], [500, 500, 502], 3)
v.areaf([-500, 1500, 3500], [-300, 2500, 100], 3)
"""


class TestSolidFill:
    """Solid polygons go into the raster as spans; the hatch lines of the
    same angle and spacing (a pattern of its own number) must give the same
    picture and the same vector count."""

    @pytest.mark.parametrize("before, body", [
        ("", POLYGONS),
        ("v.imgfmt('RGB')\nv.scrmod('REVERS')", "v.setclr(50)\n" + POLYGONS),
        ("v.setpag('da4p')\nv.pagmod('LAND')\nv.winsiz(317, 211)", "v.origin(37, 53)\n" + POLYGONS),
        ("", "v.clpwin(300, 300, 1001, 777)\nv.line(10, 10, 2000, 1500)\n" + POLYGONS),
    ], ids=["index", "rgb-reverse", "turned-small", "clipped"])
    def test_spans_match_the_hatch_lines(self, run, tmp_path, before, body):
        results = []
        for pattern in ("v.shdpat(16)", "v.mypat(0, 1, 0, 0)"):
            out = run("v.metafl('png')\nv.filmod('dele')\nv.setfil('fill.png')\n%s\nv.vtxini()\n%s\n%s\nv.vtxfin()\n"
                      % (before, pattern, body))
            vectors = [line for line in out.stdout.splitlines() if "Vectors" in line]
            with Image.open(tmp_path / "fill.png") as im:
                results.append((im.mode, im.size, im.tobytes(), vectors))
        assert results[0] == results[1]
        assert len(set(results[0][2])) > 1  # something was drawn


SCATTER = """rng = __import__('random').Random(7)
v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
v.incmrk(-1)
for k, m in enumerate((16, 17, 18, 19, 20, 21, 23)):
    v.marker(m); v.setclr(30 + 30 * k)
    xs = [rng.uniform(0.0, 10.0) for _ in range(40)]
    ys = [rng.uniform(0.0, 10.0) for _ in range(40)]
    v.curve(xs, ys, 40)
"""


class TestFilledSymbols:
    """Filled symbols go straight into the raster. A shielded region where
    nothing else draws sends every line through the pipeline as hatch lines
    instead; both must give the same picture and vector count. (The region,
    whose outline is drawn, comes first in one run and last in the other.)"""

    @pytest.mark.parametrize("before, setup", [
        ("", ""),
        ("v.imgfmt('RGB')", "v.hsymbl(9)\n"),
        ("v.winsiz(1300, 920)", "v.hsymbl(80)\nv.symrot(30.)\n"),
        ("", "v.clpwin(700, 500, 901, 777)\nv.origin(37, 53)\n"),
    ], ids=["default", "rgb-small", "large-turned", "clipped-shifted"])
    def test_surface_matches_the_pipeline(self, run, tmp_path, before, setup):
        region = "v.setclr(255)\nv.shlrec(100, 100, 2, 2)\n"
        results = []
        for first, last in (("", region), (region, "")):
            out = run("v.metafl('png')\nv.filmod('dele')\nv.setfil('sym.png')\n%s\nv.vtxini()\n%s%s%s%sv.vtxfin()\n"
                      % (before, setup, first, SCATTER, last))
            vectors = [line for line in out.stdout.splitlines() if "Vectors" in line]
            with Image.open(tmp_path / "sym.png") as im:
                results.append((im.mode, im.size, im.tobytes(), vectors))
        assert results[0] == results[1]
        assert len(set(results[0][2])) > 2  # symbols of several colours were drawn

    @pytest.mark.parametrize("setup", ["", "v.imgfmt('RGB')\nv.vtxini()\nv.clpwin(700, 500, 1401, 1177)\nv.origin(37, 53)\n"],
                             ids=["default", "rgb-clipped-shifted"])
    def test_many_symbols_at_once_match_them_in_pieces(self, run, tmp_path, setup):
        # Thousands of symbols in one curve are drawn on two threads.
        body = """rng = __import__('random').Random(3)
v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
v.incmrk(-1)
xs = [rng.choice((0., 10., rng.uniform(0., 10.))) if i % 50 == 0 else rng.uniform(0., 10.) for i in range(20000)]
ys = [min(10., max(0., rng.gauss(5., 2.))) for i in range(20000)]
for m in (21, 15, 17):
    v.setclr(40 + m)
    DRAW
"""
        results = []
        # each curve moves on to the next symbol unless one is set
        for draw in ("v.marker(m); v.curve(xs, ys, 20000)",
                     "[(v.marker(m), v.curve(xs[k:k + 2000], ys[k:k + 2000], 2000)) for k in range(0, 20000, 2000)]"):
            script = "v.metafl('png')\nv.filmod('dele')\nv.setfil('many.png')\n" + (setup or "v.vtxini()\n")
            out = run(script + body.replace("DRAW", draw) + "v.vtxfin()\n")
            vectors = [line for line in out.stdout.splitlines() if "Vectors" in line]
            with Image.open(tmp_path / "many.png") as im:
                results.append((im.mode, im.size, im.tobytes(), vectors))
        assert results[0] == results[1]


class TestImagesFromFiles:
    def test_own_format_and_tiff_placed_at_tiforg_and_clipped_to_tifwin(self, run):
        out = run("""
def colour(x, y):
    return (x * 7 + y * 3) % 250 + 1
v.metafl('VIRT')
v.winsiz(40, 30)
v.vtxini()
v.imgini()
v.wpixls(bytes(colour(x, y) for y in range(30) for x in range(40)), 0, 0, 40, 30)
v.rimage('source.img')
v.rtiff('source.tif')
v.imgfin()
v.vtxfin()
open('broken.img', 'wb').write(b'!Bitmap VANTIX VIRT ' + b'   40    30' + b' ' * 60)
for reader, name in ((v.wimage, 'source.img'), (v.wtiff, 'source.tif'), (v.wimage, 'broken.img')):
    v.metafl('VIRT')
    v.winsiz(100, 80)
    v.imgfmt('RGB')
    v.vtxini()
    v.tiforg(300, 150)          # pixel (10, 5)
    v.tifwin(0, 0, 600, 2099)   # pixels up to x = 20
    reader(name)
    v.imgini()
    v.imgmod('RGB')
    expected = bytes(round(c * 255) for y in range(30) for x in range(11) for c in v.getind(colour(x, y)))
    print(v.rpixls(10, 5, 11, 30) == expected, v.rpxrow(21, 5, 1), v.rpxrow(9, 5, 1))
    v.imgfin()
    v.vtxfin()
""")
        results = [line for line in out.stdout.splitlines() if line.startswith(("True", "False"))]
        assert results == ["True b'\\x00\\x00\\x00' b'\\x00\\x00\\x00'"] * 2 + [results[2]]
        assert results[2].startswith("False")
        assert out.warnings() == [" <<<< Warning  36: File error in WIMAGE!"]


def test_a_picture_in_memory_displays_in_ipython(run):
    pytest.importorskip("IPython")
    out = run("""
        from IPython.display import Image
        v.metafl("VIRT"); v.vtxini()
        v.graf(0., 10., 0., 2., 0., 10., 0., 2.); v.curve([0., 5., 10.], [2., 9., 4.], 3)
        png, n = v.rbfpng(v.rbfpng(0)[1])
        v.vtxfin()
        shown = Image(data=png)
        # the notebook receives the file base64-encoded
        import base64
        data = base64.b64decode(shown._repr_png_())
        print(shown.format, data == png, len(png) == n, png[:8] == bytes([137, 80, 78, 71, 13, 10, 26, 10]))
    """)
    assert "png True True True" in out.stdout.splitlines()
