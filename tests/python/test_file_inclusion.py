"""incfil: a metafile of the library's own metafile device replayed onto
another device, fitted into the filbox rectangle; damaged files draw nothing."""
import base64
import io
import re
import subprocess

from PIL import Image, ImageChops

from cgm_reader import read

DRAWING = """
v.setvlt("SMALL"); v.name("X", "X"); v.graf(0., 10., 0., 2., -1., 1., -1., .5)
x = [i / 10 for i in range(101)]
v.color("RED"); v.curve(x, [math.sin(t) for t in x], 101); v.color("FORE"); v.title()
"""


def make(run, device, name, body):
    return run(f'import math\nv.metafl("{device}"); v.setfil("{name}"); v.vtxini()\n{body}\nv.vtxfin()\n')


def test_replay_reproduces_the_picture_and_fits_the_box(run, tmp_path):
    make(run, "VXME", "m.met", DRAWING)
    make(run, "PNG", "direct.png", DRAWING)
    make(run, "PNG", "replayed.png", 'v.setvlt("SMALL"); v.incfil("m.met")')
    make(run, "PNG", "boxed.png", 'v.setvlt("SMALL"); v.filbox(2000, 100, 900, 600); v.incfil("m.met")')
    direct, replayed = (Image.open(tmp_path / n).convert("RGB") for n in ("direct.png", "replayed.png"))
    assert ImageChops.difference(direct, replayed).getbbox() is None
    boxed = Image.open(tmp_path / "boxed.png").convert("RGB")
    # plot units to pixels: 852 / 2969; the box is 900 by 600 units from (2000, 100)
    left, top, right, bottom = ImageChops.difference(boxed, Image.new("RGB", boxed.size)).getbbox()
    s = 852 / 2969
    assert 2000 * s - 1 <= left and right <= 2900 * s + 2 and 100 * s - 1 <= top and bottom <= 700 * s + 2
    assert right - left > 120


def test_missing_or_damaged_files_warn_and_draw_nothing(run, tmp_path):
    make(run, "VXME", "m.met", DRAWING)
    whole = (tmp_path / "m.met").read_text()
    (tmp_path / "cut.met").write_text(whole[: len(whole) // 2])
    (tmp_path / "junk.met").write_bytes(b"\x89PNG garbage \xff" * 40)
    (tmp_path / "range.met").write_text(whole.replace(" 0.", " 7.", 1))
    out = make(run, "PNG", "none.png", "\n".join(f'v.incfil("{n}")' for n in
                                                 ("missing.met", "cut.met", "junk.met", "range.met")))
    assert out.warnings() == [f" <<<< Warning  36: File error in INCFIL!   ({n})"
                              for n in ("missing.met", "cut.met", "junk.met", "range.met")]
    im = Image.open(tmp_path / "none.png").convert("RGB")
    assert im.getbbox() is None or im.getextrema() == ((0, 0), (0, 0), (0, 0))
    out = run('v.metafl("VIRT"); v.incfil("m.met"); v.vtxini(); v.filbox(0, 0, 0, 10)')
    assert out.warnings() == [" <<<< Warning   3: Incorrect level in INCFIL!   (   0)",
                              " <<<< Warning   2: Incorrect parameter in FILBOX!   (   0)"]


def pattern():
    """A 40 × 24 image of squares whose colours vary per pixel, as PNG bytes."""
    im = Image.new("RGB", (40, 24))
    im.putdata([(x * 6, y * 10, 255 - x * 3) if (x // 8 + y // 8) % 2 else (250, 30, 30)
                for y in range(24) for x in range(40)])
    return im


ONE_TO_ONE = 'v.page(399, 299); v.sclmod("FULL"); v.winsiz(400, 300); v.imgfmt("RGB"); v.scrmod("REVERS")'


def include(run, device, name, image, boxes=((50, 40, 40, 24), (100, 100, 280, 180))):
    calls = "\n".join(f'v.filbox({x}, {y}, {w}, {h}); v.incfil("{image}")' for x, y, w, h in boxes)
    return run(f'{ONE_TO_ONE}\nv.metafl("{device}"); v.setfil("{name}"); v.vtxini()\n{calls}\nv.vtxfin()\n')


def test_image_files_are_copied_into_the_raster(run, tmp_path):
    im = pattern()
    for fmt in ("png", "gif", "bmp", "ppm", "tiff"):
        im.save(tmp_path / f"a.{fmt}")
    for fmt in ("png", "gif", "bmp", "ppm", "tiff"):
        include(run, "PNG", f"o_{fmt}.png", f"a.{fmt}")
        out = Image.open(tmp_path / f"o_{fmt}.png").convert("RGB")
        expected = Image.open(tmp_path / f"a.{fmt}").convert("RGB")
        # 1:1 box: every pixel; the large box keeps the shape (280 × 168, centred)
        assert ImageChops.difference(out.crop((50, 40, 90, 64)), expected).getbbox() is None, fmt
        box = ImageChops.difference(out, Image.new("RGB", out.size, "white")).getbbox()
        assert all(abs(a - b) <= 1 for a, b in zip(box, (50, 40, 380, 274))), box
        assert out.getpixel((100 + 7 * 9, 106 + 7 * 2)) == expected.getpixel((9, 2))


def near(a, b, tolerance=6):
    return all(abs(x - y) <= tolerance for x, y in zip(a, b))


def square_centres(render, left, top, scale):
    """The colours at the centres of the 8 × 8 squares of the pattern placed at (left, top)."""
    return [render.getpixel((round(left + (8 * i + 4.5) * scale), round(top + (8 * j + 4.5) * scale)))
            for j in range(3) for i in range(5)]


def expected_centres():
    return [pattern().getpixel((8 * i + 4, 8 * j + 4)) for j in range(3) for i in range(5)]


def test_image_embedded_in_pdf_svg_and_eps(run, tmp_path):
    pattern().save(tmp_path / "a.png")
    include(run, "PDF", "o.pdf", "a.png")
    subprocess.run(["pdfimages", "-png", "o.pdf", "img"], cwd=tmp_path, check=True)
    for n in ("img-000.png", "img-001.png"):  # the embedded pixels themselves
        assert ImageChops.difference(Image.open(tmp_path / n).convert("RGB"), pattern()).getbbox() is None
    subprocess.run(["pdftoppm", "-r", "72", "-png", "-singlefile", "o.pdf", "pdf"], cwd=tmp_path, check=True)
    pdf = Image.open(tmp_path / "pdf.png").convert("RGB")
    s = pdf.width / 399  # the large box: 7 units per image pixel from (100, 106)
    assert all(near(a, b) for a, b in zip(square_centres(pdf, 100 * s, 106 * s, 7 * s), expected_centres()))

    include(run, "SVG", "o.svg", "a.png")
    subprocess.run(["rsvg-convert", "o.svg", "-o", "svg.png"], cwd=tmp_path, check=True)
    svg = Image.open(tmp_path / "svg.png").convert("RGB")
    s = svg.width / 399
    assert all(near(a, b) for a, b in zip(square_centres(svg, 100 * s, 106 * s, 7 * s), expected_centres()))
    uris = re.findall(r'xlink:href="data:image/png;base64,([^"]*)"', (tmp_path / "o.svg").read_text())
    assert len(uris) == 2 and ImageChops.difference(Image.open(io.BytesIO(base64.b64decode(uris[0]))).convert("RGB"),
                                                    pattern()).getbbox() is None

    # EPS turns the landscape page onto the paper; turned back it must match.
    include(run, "EPS", "o.eps", "a.png")
    subprocess.run(["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-dEPSCrop", "-sDEVICE=png16m", "-r72",
                    "-sOutputFile=eps.png", "o.eps"], cwd=tmp_path, check=True)
    eps = Image.open(tmp_path / "eps.png").convert("RGB").rotate(-90, expand=True)
    left, top, right, bottom = ImageChops.difference(eps, Image.new("RGB", eps.size, "white")).getbbox()
    s = (right - left) / 330  # the drawing spans 50 .. 380 units
    assert all(near(a, b) for a, b in zip(square_centres(eps, left + 50 * s, top + 66 * s, 7 * s),
                                           expected_centres()))


def test_own_raster_format_and_bad_image_files(run, tmp_path):
    # rimage's own format, 8-bit colour indices, goes through the colour table
    run('v.metafl("VIRT"); v.winsiz(40, 24); v.setvlt("SMALL"); v.vtxini(); v.color("RED")\n'
        'v.shdpat(16); v.rectan(0, 0, 1500, 1200); v.rimage("own.img"); v.vtxfin()')
    pattern().save(tmp_path / "a.png")
    data = (tmp_path / "a.png").read_bytes()
    (tmp_path / "cut.png").write_bytes(data[: len(data) // 2])
    (tmp_path / "bad.gif").write_bytes(b"GIF89a" + b"\xff" * 30)
    (tmp_path / "bad.bmp").write_bytes(b"BM" + bytes(60))
    (tmp_path / "bad.ppm").write_bytes(b"P6\n40 24\n255\n" + bytes(100))
    out = include(run, "PNG", "o.png", "own.img", [(0, 0, 399, 299)])
    own = Image.open(tmp_path / "o.png").convert("RGB")
    assert out.warnings() == [] and own.getpixel((5, 40)) == (255, 0, 0) and own.getpixel((395, 260)) != (255, 0, 0)
    names = ("missing.png", "cut.png", "bad.gif", "bad.bmp", "bad.ppm")
    out = run(f'{ONE_TO_ONE}\nv.metafl("PNG"); v.setfil("none.png"); v.vtxini()\n'
              + "\n".join(f'v.incfil("{n}")' for n in names) + "\nv.vtxfin()\n")
    assert out.warnings() == [f" <<<< Warning  36: File error in INCFIL!   ({n})" for n in names]
    im = Image.open(tmp_path / "none.png").convert("RGB")
    assert ImageChops.difference(im, Image.new("RGB", im.size, "white")).getbbox() is None
    out = include(run, "WMF", "o.wmf", "a.png", [(0, 0, 100, 100)])
    assert out.warnings() == [" <<<< Warning 101: images cannot be included on this device in INCFIL!"]


def test_image_as_cgm_cell_array(run, tmp_path):
    pattern().save(tmp_path / "a.png")
    big = Image.new("RGB", (200, 120), (10, 20, 30))
    big.save(tmp_path / "big.png")  # 72000 bytes of cells: more than one partition
    include(run, "CGM", "o.cgm", "a.png", [(50, 40, 40, 24), (100, 100, 280, 180)])
    include(run, "CGM", "big.cgm", "big.png", [(0, 0, 399, 299)])
    cells = [e for e in read(tmp_path / "o.cgm") if e.name == "CELL ARRAY"]
    assert len(cells) == 2
    (p, q, r), rows = cells[0].cells()
    assert rows == [[pattern().getpixel((x, y)) for x in range(40)] for y in range(24)]
    # P the upper left corner, R the end of the first row, Q below R; VDC y upwards
    assert p[1] == r[1] > q[1] and p[0] < r[0] == q[0]
    assert abs((r[0] - p[0]) * 24 - (p[1] - q[1]) * 40) <= 40
    (p, q, r), rows = [e for e in read(tmp_path / "big.cgm") if e.name == "CELL ARRAY"][0].cells()
    assert len(rows) == 120 and all(row == [(10, 20, 30)] * 200 for row in rows)
