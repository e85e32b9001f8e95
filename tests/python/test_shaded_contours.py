"""Shaded contours through the module: band colours from the lookup and from
conclr, outside bands, the polygon method, filled bands over triangles, and
the warnings of these routines."""
import re
import subprocess

from PIL import Image

# z = x over a 4 x 3 grid of x 0..3, y 0..2.
RAMP = ("x = [0., 1., 2., 3.]; y = [0., 1., 2.]; z = [xi for xi in x for yj in y]; "
        "v.graf(0., 3., 0., 1., 0., 2., 0., 1.)")


def svg_fills(path):
    """Fill colour of every polygon of an SVG file, read after xmllint accepts it."""
    subprocess.run(["xmllint", "--noout", str(path)], check=True, timeout=60)
    return re.findall(r'<polygon fill="(#[0-9a-f]{6})"', path.read_text(encoding="latin-1"))


def index_box(path, index):
    """Bounding box of the pixels of one colour index in a palette PNG, and the image."""
    im = Image.open(path)
    assert im.mode == "P"
    box = im.point(lambda p: 255 if p == index else 0).getbbox()
    return box, im


class TestBandColours:
    def test_grid_within_one_band_fills_the_whole_axis_system_without_gaps(self, run, tmp_path):
        run("""
            v.metafl('png'); v.setfil('one.png'); v.vtxini(); v.errmod('prot', 'off')
            v.graf(0., 3., 0., 1., 0., 2., 0., 1.)
            v.conclr([10, 20, 30, 40], 4)
            x = [0., 1., 2., 3.]; y = [0., 1., 2.]
            v.conshd(x, 4, y, 3, [1.2 + 0.05 * i for i in range(12)], [3., 0., 2., 1.], 4)
            v.vtxfin()
        """)
        (x1, y1, x2, y2), im = index_box(tmp_path / "one.png", 40)  # between 1 and 2: the list entry of level 1
        assert x2 - x1 > 300 and y2 - y1 > 200
        inner = im.crop((x1 + 1, y1 + 1, x2 - 1, y2 - 1))
        assert inner.getcolors() == [(inner.width * inner.height, 40)]

    def test_short_colour_list_warns_and_the_rest_comes_from_the_lookup(self, run, tmp_path):
        out = run(f"""
            v.metafl('png'); v.setfil('s.png'); v.vtxini()
            {RAMP}
            v.conclr([10, 20], 2)
            v.conshd(x, 4, y, 3, z, [0.5, 1.5, 2.5], 3)
            v.vtxfin()
        """)
        assert "Warning 101: More contour levels as defined colours in CONSHD!" in out.stdout.replace("  ", " ")
        colours = {c for _, c in Image.open(tmp_path / "s.png").getcolors()}
        assert {10, 20, 254} <= colours  # level 2.5 ends the Z range: the last colour

    def test_outside_bands_and_colours_from_the_upper_level(self, run, tmp_path):
        def fills(settings):
            run(f"""
                v.metafl('svg'); v.setfil('o.svg'); v.filmod('delete'); v.vtxini(); v.errmod('prot', 'off')
                {RAMP}
                {settings}
                v.conclr([50, 100], 2)
                v.conshd(x, 4, y, 3, z, [0.5, 1.5], 2)
                v.vtxfin()
            """)
            return set(svg_fills(tmp_path / "o.svg"))

        both = fills("")
        assert len(both) == 3  # lower outside colour, then the list entries of the two levels
        none = fills("v.shdmod('NONE', 'CELL')")
        assert len(none) == 1 and none < both
        assert len(fills("v.shdmod('LOWE', 'CELL')")) == 2
        upper = fills("v.shdmod('UPPE', 'COLO')")
        assert len(upper) == 3 and len(upper & both) == 2  # the top band takes the upper outside colour


class TestMethods:
    def test_polygon_method_fills_closed_lines_only(self, run, tmp_path):
        run("""
            v.metafl('svg'); v.setfil('p.svg'); v.vtxini(); v.errmod('prot', 'off')
            v.graf(0., 4., 0., 1., 0., 4., 0., 1.)
            v.shdmod('poly', 'cont')
            g = [0., 1., 2., 3., 4.]
            peak = [max(0., 2. - abs(i - 2.) - abs(j - 2.)) for i in range(5) for j in range(5)]
            v.conshd(g, 5, g, 5, peak, [0.5, 1.5], 2)
            v.conshd(g, 5, g, 5, [float(i) for i in range(5) for j in range(5)], [1.5], 1)
            v.vtxfin()
        """)
        assert len(svg_fills(tmp_path / "p.svg")) == 2  # the two rings around the peak; the ramp's line is open

    def test_confll_tiles_a_triangulation_and_trifll_draws_one_triangle(self, run, tmp_path):
        out = run("""
            v.metafl('png'); v.setfil('t.png'); v.vtxini(); v.errmod('prot', 'off')
            v.graf(0., 8., 0., 1., 0., 4., 0., 1.)
            px = [float(i % 5) for i in range(25)]; py = [float(i // 5) for i in range(25)]
            pz = [a + b + 10. for a, b in zip(px, py)]
            i1, i2, i3 = [0] * 51, [0] * 51, [0] * 51
            nt = v.triang(px + [0.] * 3, py + [0.] * 3, 25, i1, i2, i3, 51)
            v.conclr([30, 60, 90], 3)
            v.confll(px, py, pz, 25, i1, i2, i3, nt, [5., 12., 14.], 3)
            v.color('red'); print('red', v.getclr()); v.trifll([5., 6., 5.5], [1., 1., 2.])
            v.vtxfin()
        """)
        red = int(out.stdout.split("red")[1].split()[0])
        im = Image.open(tmp_path / "t.png")
        x1, y1, x2, y2 = im.point(lambda p: 255 if p in (30, 60, 90) else 0).getbbox()
        square = im.crop((x1 + 1, y1 + 1, x2 - 1, y2 - 1))
        assert {c for _, c in square.getcolors()} == {30, 60, 90}  # the bands leave no gap
        assert red in {c for _, c in im.getcolors()}

    def test_shdmod_checks_object_and_keyword(self, run):
        out = run("""
            v.vtxini()
            v.shdmod('SMOOTH', 'SURFACE'); v.shdmod('poly', 'bars'); v.shdmod('mean', 'colour')
            v.vtxfin()
        """)
        assert [w.split("!")[1].strip() for w in out.warnings()] == ["(bars)", "(mean)"]
