"""Axis and page extras: two-axis systems, axes without their line, origin
lines, polar grids, extra labels, frame colours and page marks."""
import re
import textwrap

from PIL import Image


def vectors(out):
    return int(re.search(r"Vectors : (\d+)", out.stdout).group(1))


def picture(run, tmp_path, body, size=1001):
    """A square PNG of one pixel per plot unit, index colours of the SMALL table."""
    run(textwrap.dedent(f"""
        v.metafl("PNG"); v.setfil("p.png"); v.filmod("DELE"); v.page({size}, {size}); v.winsiz({size}, {size}); v.sclmod("FULL")
        v.vtxini(); v.setvlt("SMALL")
        v.axspos(0, {size - 1}); v.axslen({size - 1}, {size - 1}); v.frame(0)
        v.setgrf("NONE", "NONE", "NONE", "NONE")
        v.graf(-5., 5., -5., 1., -5., 5., -5., 1.)
    """) + body + "\nv.vtxfin()\n")
    return Image.open(tmp_path / "p.png").convert("RGB")


RED, GREEN, BLACK = (255, 0, 0), (0, 255, 0), (0, 0, 0)


def test_ax2grf_leaves_out_two_axes_of_the_next_system_only(run):
    system = 'v.graf(0., 10., 0., 2., 0., 10., 0., 2.); v.endgrf()\n'
    start = 'v.metafl("VIRT"); v.vtxini(); v.setgrf("LINE", "LINE", "LINE", "LINE"); v.frame(0); v.ticks(0, "XY")\n'
    four = vectors(run(start + system + "v.vtxfin()"))
    two = vectors(run(start + "v.ax2grf()\n" + system + "v.vtxfin()"))
    both = vectors(run(start + "v.ax2grf()\n" + system + system + "v.vtxfin()"))
    assert 0 < two < four and both == two + four


def test_noline_drops_axis_lines_until_reset(run):
    start = 'v.metafl("VIRT"); v.vtxini(); v.setgrf("LINE", "LINE", "LINE", "LINE"); v.frame(0); v.ticks(0, "XY")\n'
    system = 'v.graf(0., 10., 0., 2., 0., 10., 0., 2.); v.endgrf()\n'
    full = vectors(run(start + system + "v.vtxfin()"))
    assert vectors(run(start + 'v.noline("XY")\n' + system + "v.vtxfin()")) == 0
    assert vectors(run(start + 'v.noline("Y")\n' + system + system + "v.vtxfin()")) == full
    assert vectors(run(start + 'v.noline("XYZ"); v.reset("NOLINE")\n' + system + "v.vtxfin()")) == full


def test_origin_lines_and_polar_grid_in_user_coordinates(run, tmp_path):
    im = picture(run, tmp_path, 'v.color("RED"); v.cross(); v.color("GREEN"); v.grdpol(1, 8)')
    # the 0 and 90 degree rays cover the origin lines; 45 degree rays and circles at every step
    def at(x, y):
        """The colours within a pixel of a user point (lines round to either neighbour)."""
        px, py = 500 + 100 * x, 500 - 100 * y
        return {im.getpixel((round(px) + i, round(py) + j)) for i in (-1, 0, 1) for j in (-1, 0, 1)}

    assert GREEN in at(3, 0) and GREEN in at(0, -4.5)
    assert GREEN in at(2, 2) and GREEN in at(-3, -3)
    assert GREEN in at(2 * 0.9397, 2 * 0.3420)             # circle r = 2 at 20 degrees
    assert at(2.5 * 0.9397, 2.5 * 0.3420) == {BLACK}
    im = picture(run, tmp_path, 'v.color("RED"); v.xcross()')
    assert RED in at(3, 0) and at(0, 3) == {BLACK}


def test_extra_labels_and_their_warnings(run):
    out = run("""
        v.metafl("VIRT"); v.vtxini()
        v.addlab("a", 1., 1, "X")
        v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
        v.addlab("pi", 3.14159, 1, "X"); v.addlab("", 5., 1, "Y")
        v.addlab("far", 11., 0, "X"); v.addlab("z", 1., 0, "Z"); v.addlab("q", 1., 2, "X"); v.addlab("q", 1., 0, "W")
    """)
    assert out.warnings() == [" <<<< Warning   3: Incorrect level in ADDLAB!   (   1)",
                              " <<<< Warning 101: Label value out of the axis in ADDLAB!",
                              " <<<< Warning 101: No colour bar for addlab in ADDLAB!",
                              " <<<< Warning   2: Incorrect parameter in ADDLAB!   (   2)",
                              " <<<< Warning   2: Incorrect parameter in ADDLAB!   (W)"]


def test_page_fill_border_and_frame_colour(run, tmp_path):
    im = picture(run, tmp_path, 'v.endgrf(); v.pagfll(1); v.color("RED"); v.pagera(); v.frmclr(3); v.frame(3)\n'
                                'v.axspos(300, 700); v.axslen(400, 400); v.graf(0., 1., 0., 1., 0., 1., 0., 1.)\n'
                                'v.line(500, 600, 600, 600)')
    white = (255, 255, 255)
    # the software fill's scan lines lie on even plot units
    assert im.getpixel((500, 500)) == white and im.getpixel((10, 10)) == white
    assert im.getpixel((0, 500)) == RED and im.getpixel((1000, 0)) == RED and im.getpixel((500, 1000)) == RED
    # the frame in its own colour, three units outward; the caller's colour back afterwards
    assert [im.getpixel((x, 500)) for x in (298, 299, 300)] == [GREEN] * 3
    assert im.getpixel((550, 600)) == RED


def test_page_header_text_with_a_fixed_clock(run, tmp_path):
    run("""
        v.metafl("POST"); v.setfil("h.ps"); v.vtxini(); v.psfont("Helvetica")
        v.paghdr("Run ", " end", 1, 0)
        v.vtxfin()
    """, env={"SOURCE_DATE_EPOCH": "1700000000"})
    text = (tmp_path / "h.ps").read_bytes().decode("latin-1")
    # one "code x y angle c" command per character
    codes = re.findall(r"(\d+)\s+\d+\s+\d+\s+-?\d+ c\b", text)
    assert "".join(chr(int(c)) for c in codes) == "Run 14.11.2023  22:13:20  h.ps end"


def test_nofill_and_filclr_on_polygons_and_bars(run, tmp_path):
    im = picture(run, tmp_path, """
v.endgrf(); v.shdpat(16); v.color("GREEN"); v.filclr("RED")
v.areaf([100, 300, 300, 100], [100, 100, 300, 300], 4)
print(v.getclr())
v.nofill(); v.areaf([400, 600, 600, 400], [100, 100, 300, 300], 4)
v.reset("NOFILL"); v.filclr("FORE"); v.areaf([700, 900, 900, 700], [100, 100, 300, 300], 4)
v.nofill(); v.axspos(100, 900); v.axslen(800, 400); v.frame(0); v.setgrf("NONE", "NONE", "NONE", "NONE")
v.graf(0., 4., 0., 1., 0., 10., 0., 1.); v.bars([2.], [0.], [8.], 1)
""")
    rows = [y for y in range(110, 290) if im.getpixel((200, y)) != BLACK]
    assert {im.getpixel((200, y)) for y in rows} == {RED} and len(rows) > 80   # filled in the filclr colour
    assert GREEN in {im.getpixel((100, y)) for y in range(150, 250)}          # outline in the current colour
    assert {im.getpixel((500, y)) for y in range(110, 290)} == {BLACK}         # nofill: outline only
    assert {im.getpixel((400, y)) for y in range(150, 250)} == {GREEN}
    assert GREEN in {im.getpixel((800, y)) for y in range(110, 290)}           # FORE: the current colour
    assert {im.getpixel((500, y)) for y in range(600, 880)} == {BLACK}         # the bar is not filled either
    assert GREEN in {im.getpixel((500, y)) for y in range(570, 590)}           # but has its outline
