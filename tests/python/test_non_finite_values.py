"""NaN and infinities in data arrays: a missing value leaves a gap or a hole,
never a line or a polygon to the edge of the page."""
from PIL import Image

SETUP = """
nan, inf = float('nan'), float('inf')
def page(name):
    v.metafl('PNG'); v.filmod('DELETE'); v.setfil(name); v.unit(0); v.scrmod('REVERS'); v.vtxini()
"""


def inked(path):
    """Number of pixels that are not white."""
    return sum(1 for p in Image.open(path).convert("RGB").getdata() if p != (255, 255, 255))


def same(a, b):
    return Image.open(a).convert("RGB").tobytes() == Image.open(b).convert("RGB").tobytes()


def test_surfaces_leave_holes_where_values_are_missing(run, tmp_path):
    run(SETUP + """
n = 8
x = [float(i) for i in range(n)]
for routine in ('surfce', 'surshd'):
    for name, bad in (('finite', 20.0), ('nan', nan), ('inf', inf), ('minf', -inf)):
        z = [float(i * j) / 2.0 for i in range(n) for j in range(n)]
        z[3 * n + 4] = bad
        page('%s_%s.png' % (routine, name))
        v.graf3d(0., 7., 0., 1., 0., 7., 0., 1., 0., 25., 0., 5.)
        getattr(v, routine)(x, n, x, n, z)
        v.vtxfin()
""")
    for routine in ("surfce", "surshd"):
        p = lambda name: str(tmp_path / ("%s_%s.png" % (routine, name)))
        # Every kind of missing value gives the same picture ...
        assert same(p("nan"), p("inf")) and same(p("nan"), p("minf")), routine
        # ... with less drawn than with a value there: a hole, not a spike.
        assert inked(p("nan")) < inked(p("finite")), routine


def test_curves_break_and_polygons_are_skipped(run, tmp_path):
    run(SETUP + """
def plot(name, values, polygon):
    page(name)
    v.graf(0., 4., 0., 1., 0., 4., 0., 1.)
    v.color('RED')
    v.curve([0., 1., 2., 3., 4.], values, 5)
    v.rlarea([0.5, 3.5, polygon], [0.5, 0.5, 3.5], 3)
    v.vtxfin()
plot('gap.png', [1., 1., nan, 1., 1.], nan)
plot('inf.png', [1., 1., inf, 1., 1.], inf)
plot('minf.png', [1., 1., -inf, 1., 1.], -inf)
page('pieces.png')
v.graf(0., 4., 0., 1., 0., 4., 0., 1.)
v.color('RED')
v.curve([0., 1.], [1., 1.], 2)
v.curve([3., 4.], [1., 1.], 2)
v.vtxfin()
""")
    # A missing point ends one piece of the curve and starts the next; a
    # polygon with a missing corner has no shape and is not drawn.
    for name in ("gap.png", "inf.png", "minf.png"):
        assert same(str(tmp_path / name), str(tmp_path / "pieces.png")), name
