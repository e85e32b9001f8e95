"""3-D axis systems through the module: the projection of points, the view
point checks, the warnings of the view setters and of mixed-up systems."""
import pytest

GRAF3D = "v.graf3d(0., 10., 0., 2., -1., 1., -1., .5, 100., 200., 100., 50.)"
SETUP = "v.metafl('svg'); v.setfil('p.svg'); v.vtxini(); v.errmod('prot', 'off'); v.axspos(500, 1800); v.axslen(1600, 1400)"


def values(run, code):
    out = run(f"""
        {SETUP}
        {code}
        v.vtxfin()
    """).stdout
    return [eval(line) for line in out.splitlines() if line.startswith(("(", "[", "-", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9"))]


def test_points_of_the_default_system(run):
    (centre, box, corner, parts, plot) = values(run, f"""
        {GRAF3D}
        print(v.abs3pt(0., 0., 0.))
        print(v.pos3pt(5., 0., 150.))
        print(v.pos3pt(10., -1., 100.))
        print([v.x3dpos(10., -1., 100.), v.y3dpos(10., -1., 100.), v.z3dpos(10., -1., 100.)])
        print([v.rel3pt(10., 1., 200.), v.abs3pt(1., 1., 1.), (v.x3drel(10., 1., 200.), v.y3drel(10., 1., 200.)),
               (v.x3dabs(1., 1., 1.), v.y3dabs(1., 1., 1.))])
    """)
    # The focus, the box centre by default, lands on the centre of the axis area.
    assert centre == pytest.approx((500 + 800, 1800 - 700), abs=1e-2)
    assert box == pytest.approx((0.0, 0.0, 0.0))
    assert corner == pytest.approx((1.0, -1.0, -1.0))
    assert parts == pytest.approx(list(corner))
    rel, ab, relparts, absparts = plot
    assert rel == pytest.approx(ab) and relparts == pytest.approx(rel) and absparts == pytest.approx(ab)


def test_log_axis_and_box_lengths_shape_the_box(run):
    (p,) = values(run, """
        v.axsscl('log', 'x'); v.axis3d(4., 2., 1.)
        v.graf3d(0., 2., 0., 1., 0., 1., 0., .5, 0., 1., 0., .5)
        print(v.pos3pt(10., 1., 0.))
    """)
    assert p == pytest.approx((0.0, 1.0, -0.5))


def test_view_point_inside_the_box_falls_back_to_the_default(run):
    result = run(f"""
        {SETUP}
        v.view3d(.5, .5, .5, 'ABS')
        {GRAF3D}
        print(v.abs3pt(1., 1., 1.))
        v.endgrf()
        v.view3d(2., -2.5, 2., 'USER')  # user point: (2, -2.5, 2) is outside in box units
        v.view3d(4., -5., 4., 'ABS')
        {GRAF3D}
        print(v.abs3pt(1., 1., 1.))
        v.vtxfin()
    """)
    assert any("Warning  33" in w or "Warning 33" in w for w in result.warnings()), result.stdout
    lines = [eval(s) for s in result.stdout.splitlines() if s.startswith("(")]
    assert lines[0] == pytest.approx(lines[1], abs=1e-2)  # the default is (2·X3, -2.5·Y3, 2·Z3)


def test_straight_down_view_keeps_box_axes_on_the_page_axes(run):
    (o, x, y) = values(run, f"""
        v.view3d(0., 0., 10., 'ABS')
        {GRAF3D}
        print(v.abs3pt(0., 0., 0.)); print(v.abs3pt(1., 0., 0.)); print(v.abs3pt(0., 1., 0.))
    """)
    assert x[0] > o[0] and x[1] == pytest.approx(o[1], abs=1e-3)
    assert y[1] < o[1] and y[0] == pytest.approx(o[0], abs=1e-3)
    # tan of the default half angle is 1/4: one box unit at distance 10 spans 700 / 2.5 plot units.
    assert x[0] - o[0] == pytest.approx(700 / 2.5, rel=1e-4)


WARNING_CASES = [
    ("v.axis3d(1., 0., 1.)", 2),
    ("v.vang3d(180.)", 2),
    ("v.vclp3d(2., 1.)", 2),
    ("v.view3d(1., 1., 1., 'POLA')", 2),
    (GRAF3D + "; v.curve3([5.], [0.], [150.], 1)", 35),
    ("v.graf3(0., 1., 0., .5, 0., 1., 0., .5, 0., 1., 0., .5); v.rel3pt(.5, .5, .5)", 35),
    ("v.graf3d(0., 1., 0., .5, 0., 1., 0., .5, 1., 1., 0., .5); print(v.getlev())", 10),
    ("v.box3d()", 3),
    ("v.grffin()", 34),
    ("v.labl3d('SIDE')", 2),
]


@pytest.mark.parametrize("call, number", WARNING_CASES)
def test_warnings(run, call, number):
    result = run(f"""
        {SETUP}
        {call}
        v.vtxfin()
    """)
    assert any(f"Warning {number:3d}" in w for w in result.warnings()), result.stdout


def mesh_png(run, body, view="", name="m.png"):
    run(f"""
        v.metafl('png'); v.setfil('{name}'); v.winsiz(600, 424); v.vtxini(); v.errmod('prot', 'off')
        v.axspos(700, 1850); v.axslen(1600, 1600); v.nograf() {view}
        v.graf3d(0., 4., 0., 1., 0., 4., 0., 1., -1., 1., -1., 1.)
        {body}
        v.vtxfin()
    """)


def count_colour(path, rgb):
    """Pixels within a small distance of a colour."""
    from PIL import Image
    img = Image.open(path).convert("RGB")
    return sum(1 for p in img.getdata() if sum(abs(a - b) for a, b in zip(p, rgb)) < 120)


class TestMeshSurfaces:
    GRID = "xs = [0., 1., 2., 3., 4.]; z = [[(x - 2.) * (y - 2.) / 4. for y in xs] for x in xs]"

    def test_matrix_function_and_axis_range_meshes_agree(self, run, tmp_path):
        mesh_png(run, f"{self.GRID}; v.surfce(xs, 5, xs, 5, z)", name="a.png")
        mesh_png(run, f"{self.GRID}; v.surmat(z, 5, 5, 1, 1)", name="b.png")
        mesh_png(run, "v.surfun(lambda x, y: (x - 2.) * (y - 2.) / 4., 1, 1., 1, 1.)", name="c.png")
        data = [(tmp_path / n).read_bytes() for n in ("a.png", "b.png", "c.png")]
        assert data[0] == data[1] == data[2]
        assert count_colour(tmp_path / "a.png", (255, 255, 255)) > 500

    def test_flat_surface_seen_from_below_shows_its_lower_side(self, run, tmp_path):
        below = "; v.view3d(8., -10., -6., 'ABS')"
        plane = "xs = [0., 1., 2., 3., 4.]; v.surclr(250, 50); v.survis('%s'); v.surfce(xs, 5, xs, 5, [[0.] * 5] * 5)"
        for side in ("BOTH", "TOP", "BOTT"):
            mesh_png(run, plane % side, view=below, name=f"{side}.png")
        red, blue = (255, 0, 0), (0, 0, 255)
        top = {s: count_colour(tmp_path / f"{s}.png", red) for s in ("BOTH", "TOP", "BOTT")}
        bottom = {s: count_colour(tmp_path / f"{s}.png", blue) for s in ("BOTH", "TOP", "BOTT")}
        # Only the front row and column, drawn first, count as the upper side.
        assert bottom["BOTH"] > 3 * top["BOTH"] > 0
        # Where both sides meet at a grid point, the later one paints the shared pixels.
        assert bottom["TOP"] == 0 and top["TOP"] == pytest.approx(top["BOTH"], rel=0.2)
        assert top["BOTT"] == 0 and bottom["BOTT"] == pytest.approx(bottom["BOTH"], rel=0.2)

    @pytest.mark.parametrize("mode", ["", "v.polcrv('BARS');"])
    def test_hidden_lines_are_removed_unless_nohide(self, run, tmp_path, mode):
        # A tall ridge across the middle hides the rows (or columns) behind it.
        ridge = "xs = [0., 1., 2., 3., 4.]; z = [[1. if x == 2. else -1. for y in xs] for x in xs]"
        mesh_png(run, f"{mode}{ridge}; v.surfce(xs, 5, xs, 5, z)", name="hide.png")
        mesh_png(run, f"{mode}{ridge}; v.nohide(); v.surfce(xs, 5, xs, 5, z)", name="all.png")
        white = (255, 255, 255)
        assert count_colour(tmp_path / "all.png", white) > 1.2 * count_colour(tmp_path / "hide.png", white)


SHADING_WARNINGS = [
    ("png", "v.zbfini(); print(v.zbfini())", "101", "z-buffer is already in use"),
    ("png", "v.zbffin()", "101", "no initialization of z-buffer"),
    ("svg", "print(v.zbfini())", " 40", None),
    ("eps", GRAF3D + "; v.shdmod('SMOOTH', 'SURF'); v.surshd([0., 10.], 2, [-1., 1.], 2, [[100., 150.], [150., 200.]])",
     " 40", None),
    ("png", "v.litopt(9, 1., 'DIFF')", "  2", None),
    ("png", "v.matopt(-1., 'AMBI')", "  1", None),
]


@pytest.mark.parametrize("device, call, number, text", SHADING_WARNINGS)
def test_shading_warnings(run, device, call, number, text):
    result = run(f"""
        v.metafl('{device}'); v.setfil('w.{device}'); v.vtxini(); v.axspos(500, 1800); v.axslen(1600, 1400)
        {call}
        v.vtxfin()
    """)
    found = [w for w in result.warnings() if f"Warning {number}" in w]
    assert found, result.stdout
    if text:
        assert text in found[0]


def test_getlit_follows_the_lighting_formula(run):
    out = run(f"""
        {SETUP}
        {GRAF3D}
        v.color('red'); print(v.getlit(5., 0., 150., 0., 0., 1.), v.getclr())
        v.light('ON')
        print(v.getlit(5., 0., 150., 0., 0., 1.))
        v.litopt(1, 0.1, 'LINE'); v.matopt(0.5, 'AMBI')
        print(v.getlit(5., 0., 150., 0., 0., 2.))
        v.litmod(1, 'OFF'); v.litmod(2, 'ON'); v.litpos(2, 0., 90., 7., 'ANGL')
        print(v.getlit(5., 0., 150., 0., 0., 1.))
        v.vtxfin()
    """).stdout.split()
    off, current, lit, attenuated, overhead = map(int, out[:5])
    assert off == current  # lighting off: the current colour
    d = 57 ** 0.5  # the default source at (4, -5, 4) in box units, the point at the box centre
    assert lit == int((4 / d * 0.8 + 0.2 * 0.2) * 254 + 0.5)
    assert attenuated == int((4 / d * 0.8 / (0.1 * d + 1) + 0.5 * 0.2) * 254 + 0.5)
    # Source 2 straight above at distance 7 (latitude 90): the full diffuse part, no attenuation.
    assert overhead == int((0.8 + 0.5 * 0.2) * 254 + 0.5)


def test_zbuffer_keeps_the_nearer_triangle(run, tmp_path):
    run(f"""
        v.metafl('png'); v.setfil('z.png'); v.imgfmt('RGB'); v.vtxini(); v.errmod('prot', 'off')
        v.axspos(500, 1800); v.axslen(1600, 1400); v.nograf()
        v.view3d(0., 0., 10., 'ABS')
        v.graf3d(-1., 1., -1., 1., -1., 1., -1., 1., -1., 1., -1., 1.)
        assert v.zbfini() == 0
        x = [-.8, .8, 0.]; y = [-.6, -.6, .8]
        v.zbftri(x, y, [.5, .5, .5], [250, 250, 250])     # nearer: z = .5 toward the eye above
        v.zbftri(x, y, [-.5, -.5, -.5], [50, 50, 50])     # behind it, drawn later
        v.zbffin()
        v.vtxfin()
    """)
    red = count_colour(tmp_path / "z.png", (255, 17, 0))
    blue = count_colour(tmp_path / "z.png", (0, 76, 255))
    # The farther one looks smaller and lies wholly behind: none of it shows.
    assert red > 5000 and blue < red // 100


def test_smooth_surface_on_a_raster_and_flat_by_depth_elsewhere(run, tmp_path):
    code = """
        v.metafl('{dev}'); v.setfil('s.{dev}'); v.imgfmt('RGB'); v.vtxini(); v.errmod('prot', 'off')
        v.axspos(500, 1800); v.axslen(1600, 1400); v.nograf()
        v.shdmod('{mode}', 'SURF')
        v.graf3d(0., 1., 0., 1., 0., 1., 0., 1., 0., 1., 0., 1.)
        xs = [0., .25, .5, .75, 1.]
        v.surshd(xs, 5, xs, 5, [[x * y for y in xs] for x in xs])
        v.vtxfin()
    """
    run(code.format(dev="png", mode="SMOOTH"))
    run(code.format(dev="svg", mode="FLAT"))
    from PIL import Image
    colours = Image.open(tmp_path / "s.png").convert("RGB").getcolors(1 << 20)
    assert len(colours) > 60  # a smooth ramp, not a few flat cells
    svg = (tmp_path / "s.svg").read_text()
    assert svg.count("<polygon") >= 32  # two triangles per cell


def test_parametric_and_isosurfaces(run, tmp_path):
    out = run("""
        def plot(name, draw):
            v.metafl('png'); v.setfil(name); v.vtxini(); v.errmod('prot', 'off')
            v.axspos(500, 1800); v.axslen(1600, 1400); v.nograf()
            v.graf3d(-1., 1., -1., 1., -1., 1., -1., 1., -1., 1., -1., 1.)
            draw()
            v.vtxfin()
        options = set()
        def plane(a, b, option):
            options.add(option)
            return [a, b, 0.5 * a][option - 1]
        plot('plane.png', lambda: v.surfcp(plane, -1., 1., 0.5, -1., 1., 0.25))
        print(sorted(options))
        c = [-1. + 0.25 * i for i in range(9)]
        w = [[[x * x + y * y + z * z for z in c] for y in c] for x in c]
        plot('empty.png', lambda: v.suriso(c, 9, c, 9, c, 9, w, 4.0))  # no point reaches the level
        plot('sphere.png', lambda: v.suriso(c, 9, c, 9, c, 9, w, 0.5))
    """).stdout
    assert "[1, 2, 3]" in out
    from PIL import Image

    def coloured(name):
        return sum(n for n, c in Image.open(tmp_path / name).convert("RGB").getcolors(1 << 20) if c != (0, 0, 0))
    assert coloured("empty.png") == 0
    assert coloured("plane.png") > 5000 and coloured("sphere.png") > 5000


def test_graf_between_grfini_and_grffin_lands_on_the_box_face(run, tmp_path):
    out = run(f"""
        {SETUP.replace("'svg'", "'png'").replace("p.svg", "f.png")}
        v.nograf()
        {GRAF3D}
        corners = [v.abs3pt(x, 1., z) for x in (-1., 1.) for z in (-1., 1.)]
        v.grfini(-1., 1., -1., 1., 1., -1., 1., 1., 1.)   # the back wall y = +1
        levels = [v.getlev()]
        v.graf(0., 1., 0., .5, 0., 1., 0., .5)
        v.endgrf()
        v.grffin()
        levels.append(v.getlev())
        print(corners); print(levels)
        v.vtxfin()
    """).stdout.splitlines()
    corners, levels = eval(out[-2]), eval(out[-1])
    assert levels == [1, 3]
    from PIL import Image
    img = Image.open(tmp_path / "f.png").convert("RGB")
    scale = img.size[0] / 2970.0
    xs = [c[0] * scale for c in corners]
    ys = [c[1] * scale for c in corners]
    inked = [(x, y) for y in range(img.size[1]) for x in range(img.size[0]) if img.getpixel((x, y)) != (0, 0, 0)]
    assert len(inked) > 500
    assert all(min(xs) - 2 <= x <= max(xs) + 2 and min(ys) - 2 <= y <= max(ys) + 2 for x, y in inked)


def ink(path):
    """Inked pixels of a PNG as (x, y) in plot units of a default page."""
    from PIL import Image
    img = Image.open(path).convert("RGB")
    scale = 2970.0 / img.size[0]
    w, data = img.size[0], list(img.getdata())
    return [((i % w) * scale, (i // w) * scale) for i, p in enumerate(data) if p != (0, 0, 0)]


def test_parallel_labels_hug_the_vertical_edge(run, tmp_path):
    code = """
        v.metafl('png'); v.setfil('{kw}.png'); v.vtxini(); v.errmod('prot', 'off')
        v.axspos(500, 1800); v.axslen(1600, 1400); v.labl3d('{kw}')
        v.graf3d(0., 1., 0., 1., 0., 1., 0., 1., -1000., 1000., -1000., 1000.)
        print(v.abs3pt(-1., -1., -.5)); print(v.abs3pt(-1., -1., .5))
        v.vtxfin()
    """
    low, edge = (eval(s) for s in run(code.format(kw="HORI")).stdout.splitlines()[-2:])
    run(code.format(kw="PARA"))
    # Upright, the wide labels of Z reach far left of the edge; along it only their height does.
    left = {kw: min(x for x, y in ink(tmp_path / f"{kw}.png") if edge[1] < y < low[1]) for kw in ("HORI", "PARA")}
    assert edge[0] - left["HORI"] > 150
    assert 40 < edge[0] - left["PARA"] < 120


def test_front_and_back_planes_cut_surfaces_and_lines(run, tmp_path):
    out = run("""
        v.metafl('png'); v.setfil('c.png'); v.vtxini(); v.errmod('prot', 'off')
        v.axspos(500, 1800); v.axslen(1600, 1400); v.nograf()
        v.vclp3d(7., 8.)          # the default eye is 7.55 from the centre
        v.graf3d(-1., 1., -1., 1., -1., 1., -1., 1., -1., 1., -1., 1.)
        xs = [-1. + i / 10. for i in range(21)]
        v.surshd(xs, 21, xs, 21, [[0.] * 21 for _ in xs])
        v.curv3d([1., -1.], [-1., 1.], [.5, .5], 2)    # a diagonal above it, cut at both ends
        for p in [(0., 0., 0.), (1., -1., 0.), (-1., 1., 0.), (0., 0., .5), (1., -1., .5), (-1., 1., .5)]:
            print(v.rel3pt(*p))
        v.vtxfin()
    """).stdout.splitlines()
    centre, near, far, mid_edge, edge_start, edge_end = (eval(s) for s in out[-6:])
    from PIL import Image
    img = Image.open(tmp_path / "c.png").convert("RGB")
    scale = img.size[0] / 2970.0

    def inked(p, r=3):
        x, y = round(p[0] * scale), round(p[1] * scale)
        return any(img.getpixel((x + i, y + j)) != (0, 0, 0) for i in range(-r, r + 1) for j in range(-r, r + 1))
    assert inked(centre) and not inked(near) and not inked(far)
    assert inked(mid_edge) and not inked(edge_start) and not inked(edge_end)


def test_clip3d_cuts_lines_to_the_axis_area_the_box_or_not_at_all(run, tmp_path):
    code = """
        v.metafl('png'); v.setfil('{m}.png'); v.vtxini(); v.errmod('prot', 'off')
        v.axspos(500, 1800); v.axslen(1600, 1400); v.nograf(); v.clip3d('{m}')
        v.graf3d(-1., 1., -1., 1., -1., 1., -1., 1., -1., 1., -1., 1.)
        v.curv3d([0., 0.], [0., 0.], [0., 3.], 2)
        v.grfini(-3., 1., -1., 1., 1., -1., 1., 1., 1.)   # the plane of the back wall, reaching out to x = -3
        v.line(742, 300, 742, 1800)                         # at x = -2, beside the box
        v.line(2598, 300, 2598, 1800)                       # at x = .5, on the wall
        v.grffin()
        print([v.rel3pt(0., 0., z) for z in (.5, 1.5, 2.5)] + [v.rel3pt(-2., 1., 0.), v.rel3pt(.5, 1., 0.)])
        v.vtxfin()
    """
    from PIL import Image
    seen = {}
    for mode in ("NONE", "2D", "3D"):
        points = eval(run(code.format(m=mode)).stdout.splitlines()[-1])
        img = Image.open(tmp_path / f"{mode}.png").convert("RGB")
        s = img.size[0] / 2970.0
        seen[mode] = [img.getpixel((round(x * s), round(y * s))) != (0, 0, 0) for x, y in points]
    # z = 1.5 lies above the box inside the axis area, z = 2.5 above the axis area too;
    # the drawings in the plane are cut only by the box.
    assert seen == {"NONE": [True, True, True, True, True], "2D": [True, True, False, True, True],
                    "3D": [True, False, False, False, True]}


def test_shlsur_keeps_later_lines_off_the_surface_until_deleted(run, tmp_path):
    out = run("""
        v.metafl('png'); v.setfil('s.png'); v.vtxini(); v.errmod('prot', 'off')
        v.axspos(500, 1800); v.axslen(1600, 1400); v.nograf()
        v.graf3d(-1., 1., -1., 1., -1., 1., -1., 1., -1., 1., -1., 1.)
        v.shlsur()
        xs = [-1., 0., 1.]
        v.surmat([[0.] * 3 for _ in xs], 3, 3, 1, 1)
        print(v.shlind())
        p = v.rel3pt(.5, -.5, 0.)         # the middle of a mesh cell
        v.line(0, round(p[1]), 2970, round(p[1]))
        v.shldel(0)
        v.line(0, round(p[1]) + 60, 2970, round(p[1]) + 60)
        print(p)
        v.vtxfin()
    """).stdout.splitlines()
    assert out[-2] == "1"
    x, y = eval(out[-1])
    from PIL import Image
    img = Image.open(tmp_path / "s.png").convert("RGB")
    s = img.size[0] / 2970.0

    def inked(x, y):
        return any(img.getpixel((round(x * s), round(y * s) + d)) != (0, 0, 0) for d in (-1, 0, 1))
    assert inked(100, y) and not inked(x, y) and inked(x, y + 60)


def test_front_and_back_planes_cut_meshes_and_zbuffer_drawings(run, tmp_path):
    out = run("""
        def page(name, body):
            v.metafl('png'); v.setfil(name); v.vtxini(); v.errmod('prot', 'off')
            v.axspos(500, 1800); v.axslen(1600, 1400); v.nograf()
            v.vclp3d(7., 8.)          # the default eye is 7.55 from the centre
            v.graf3d(-1., 1., -1., 1., -1., 1., -1., 1., -1., 1., -1., 1.)
            body()
            v.vtxfin()
        def mesh():
            v.surmat([[0.] * 21 for _ in range(21)], 21, 21, 1, 1)
        def zbuffer():
            v.zbfini()
            v.zbftri([1., -1., -1.], [-1., 1., -1.], [0., 0., 0.], [200, 200, 200])
            v.zbftri([1., 1., -1.], [-1., 1., 1.], [0., 0., 0.], [200, 200, 200])
            v.zbflin(1., -1., .5, -1., 1., .5)
            v.zbffin()
            for p in [(0., 0., 0.), (1., -1., 0.), (-1., 1., 0.), (0., 0., .5), (1., -1., .5), (-1., 1., .5)]:
                print(v.rel3pt(*p))
        page('mesh.png', mesh)
        page('zbuf.png', zbuffer)
    """).stdout.splitlines()
    centre, near, far, mid_edge, edge_start, edge_end = (eval(s) for s in out[-6:])
    from PIL import Image
    for name, line in (("mesh.png", False), ("zbuf.png", True)):
        img = Image.open(tmp_path / name).convert("RGB")
        scale = img.size[0] / 2970.0

        def inked(p, colours, r=3):
            x, y = round(p[0] * scale), round(p[1] * scale)
            return any(img.getpixel((x + i, y + j)) in colours for i in range(-r, r + 1) for j in range(-r, r + 1))
        surface = {img.getpixel((x, y)) for x in range(img.size[0]) for y in range(img.size[1])} - {(0, 0, 0)}
        assert inked(centre, surface) and not inked(near, surface) and not inked(far, surface), name
        if line:
            # The line above the plane, in the foreground colour, cut at both ends.
            white = {(255, 255, 255)}
            assert inked(mid_edge, white) and not inked(edge_start, white) and not inked(edge_end, white)


def test_box_and_grid_lines_hide_behind_zbuffer_drawings(run, tmp_path):
    run("""
        def page(name, hidden):
            v.metafl('png'); v.setfil(name); v.imgfmt('RGB'); v.vtxini(); v.errmod('prot', 'off')
            v.axspos(500, 1800); v.axslen(1600, 1400); v.nograf()
            v.view3d(0., 0., 10., 'ABS')
            v.graf3d(-1., 1., -1., 1., -1., 1., -1., 1., -1., 1., -1., 1.)
            v.zbfini()
            # A square across the middle of the box, nearer than its floor.
            v.zbftri([-1., 1., 1.], [-1., -1., 1.], [.2, .2, .2], [250, 250, 250])
            v.zbftri([-1., 1., -1.], [-1., 1., 1.], [.2, .2, .2], [250, 250, 250])
            if not hidden:
                v.zbffin()
            v.color('WHITE')
            v.box3d()
            v.grid3d(2, 2, 'BOTTOM')
            if hidden:
                v.zbffin()
            v.vtxfin()
        page('over.png', False)
        page('under.png', True)
    """)
    red = (255, 17, 0)
    over = count_colour(tmp_path / "over.png", red)
    under = count_colour(tmp_path / "under.png", red)
    # Seen from straight above, the floor's edges and grid lie under the square:
    # drawn after the buffer is closed they cross it, drawn through it they do not.
    assert under > 5000 and over < under - 500
