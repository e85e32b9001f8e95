"""Every request that mirrors a setter reads back what the setter stored, and
the default again after `reset` with the setter's name and after
`reset("ALL")`. Setters that the reset keyword list does not name (key None)
are checked after reset("ALL") only."""
import pytest
from PIL import Image, ImageChops

# (setter call, request call, value after the setter, reset key)
GROUPS = {
    "lines and colours": [
        ("angle(30)", "getang()", 30, "ANGLE"),
        ("height(50)", "gethgt()", 50, "HEIGHT"),
        ("linwid(3)", "getlin()", 3, None),
        ("lintyp(2)", "gettyp()", 2, None),
        ("shdpat(5)", "getpat()", 5, "SHDPAT"),
        ("setclr(50)", "getclr()", 50, "SETCLR"),
        ("widbar(100)", "getwid()", 100, "WIDBAR"),
        ("origin(10, 20)", "getor()", (10, 20), "ORIGIN"),
        ("setres(5, 6)", "getres()", (5, 6), "SETRES"),
        ("colran(10, 100)", "getran()", (10, 100), "COLRAN"),
        ("clpwin(100, 100, 500, 400)", "getclp()", (100, 100, 500, 400), "CLPWIN"),
        ("setvlt('GREY')", "getvlt()", "GREY", None),
        ("unit(0)", "getuni()", 0, "UNIT"),
    ],
    "axes": [
        ("axslen(1000, 800)", "getlen()", (1000, 800, 800), "AXSLEN"),
        ("ax3len(1000, 800, 700)", "getlen()", (1000, 800, 700), "AX3LEN"),
        ("digits(3, 'XYZ')", "getdig()", (3, 3, 3), "DIGITS"),
        ("scale('LOG', 'XYZ')", "getscl()", (1, 1, 1), "SCALE"),
        ("ticks(5, 'XYZ')", "gettic()", (5, 5, 5), "TICKS"),
        ("ticlen(30, 20)", "gettcl()", (30, 20), "TICLEN"),
        ("labdis(50, 'XYZ')", "getsp1()", (50, 50, 50), "LABDIS"),
        ("namdis(50, 'XYZ')", "getsp2()", (50, 50, 50), "NAMDIS"),
        ("marker(5)", "getsym()", (5, 36), None),
        ("hsymbl(50)", "getsym()", (0, 50), None),
        ("vkytit(11)", "getvk()", (11, 0, 0), "VKYTIT"),
        ("vkxbar(12)", "getvk()", (0, 12, 0), "VKXBAR"),
        ("vkybar(13)", "getvk()", (0, 0, 13), "VKYBAR"),
        ("axspos(300, 1800)", "getpos()", (300, 1800), "AXSPOS"),
        ("labels('EXP', 'XYZ')", "getlab()", ("EXP", "EXP", "EXP"), "LABELS"),
    ],
    "text": [
        ("basalf('GREEK')", "getalf()", "GREEK", "BASALF"),
        ("setmix('#', 'EXP')", "getmix('EXP')", "#", "SETMIX"),
        ("eushft('GERMAN', '!')", "getshf('GERMAN')", "!", "EUSHFT"),
        ("smxalf('GREEK', '{', '}', 2)", "gmxalf('GREEK')", ("{", "}", 2), "SMXALF"),
    ],
}

SCRIPT = """
rows = %r
v.metafl("PNG")
v.setfil("/dev/null")
v.vtxini()
for setter, request, expected, key in rows:
    get = lambda: eval("v." + request)
    default = get()
    exec("v." + setter)
    after = get()
    named = default
    if key:
        v.reset(key)
        named = get()
        exec("v." + setter)
    v.reset("ALL")
    v.unit(1)
    print(repr((setter, after == expected and after != default, named == default, get() == default, after)))
"""


@pytest.mark.parametrize("group", sorted(GROUPS))
def test_requests_mirror_their_setters_and_the_defaults(run, group):
    out = run(SCRIPT % (GROUPS[group],))
    results = [eval(line) for line in out.stdout.splitlines() if line.startswith("(")]
    assert [r[:4] for r in results] == [(row[0], True, True, True) for row in GROUPS[group]], results
    assert out.warnings() == []


def test_output_settings_of_level_0_survive_reset_all(run):
    out = run("""
v.metafl("SVG")
v.setfil("plot.svg")
v.page(3000, 2000)
v.window(10, 20, 300, 200)
v.vtxini()
print(v.getmfl(), v.getfil(), v.getpag(), v.getwin())
v.reset("ALL")
print(v.getmfl(), v.getfil(), v.getpag(), v.getwin())
v.reset("WINDOW")
print(v.getwin())
v.vtxfin()
v.setpag("DA4P")
v.winsiz(300, 200)
v.vtxini()
print(v.getpag(), v.getwin())
v.reset("WINSIZ")
print(v.getwin())
""")
    assert [line for line in out.stdout.splitlines() if line[:1] in ("S", "(")] == [
        "SVG plot.svg (2999, 1999) (10, 20, 300, 200)",
        "SVG plot.svg (2999, 1999) (10, 20, 300, 200)",
        "(0, 0, 853, 603)",
        "(2099, 2969) (0, 0, 300, 200)",
        "(0, 0, 603, 853)",
    ]


# The parameters of colour plots, surfaces, contours, maps, bars and pies:
# a page drawn after setting them all and reset("ALL") equals the page drawn
# with the defaults.
PAGE = """
v.metafl("PNG")
v.setfil(%r)
v.vtxini()
if %r:
    v.colran(20, 200); v.setres(7, 7); v.zscale(-5.0, 5.0); v.vkxbar(40); v.vkybar(30); v.widbar(40)
    v.nobgd(); v.mshclr(3); v.axsbgd(5); v.conclr([40, 80], 2)
    v.view3d(2.0, -3.0, 6.0, "ABS"); v.vup3d(30.0); v.vfoc3d(1.0, 1.0, 1.0, "USER"); v.labl3d("HORI")
    v.flab3d(); v.mdfmat(5, 5, 0.5); v.survis("TOP"); v.light("ON"); v.nohide(); v.vclp3d(0.5, -0.5)
    v.conmod(0.2, 3.0); v.congap(1.0); v.shdmod("POLY", "CONTOUR")
    v.bartyp("HORI"); v.barpos("TICKS"); v.chnbar("BOTH"); v.bargrp(2, 10.0); v.baropt(0.5, 30.0)
    v.pietyp("3D"); v.pieexp(); v.pieopt(0.5, 60.0); v.pievec(1, "STRA"); v.chnpie("NONE"); v.piebor(40)
    v.mapmod("STRA"); v.projct("MERC"); v.mapbas("GSHL"); v.maplev("LAND"); v.mapref(10.0, 40.0)
    v.reset("ALL")
v.axspos(300, 900); v.axslen(900, 600)
z = [[(i - 4) * (j - 3) * 0.5 for j in range(7)] for i in range(9)]
v.graf3(0.0, 8.0, 0.0, 2.0, 0.0, 6.0, 0.0, 2.0, -6.0, 6.0, -6.0, 3.0)
v.crvmat(z, 9, 7, 2, 2)
v.endgrf()
v.axspos(1700, 900)
v.graf(0.0, 8.0, 0.0, 2.0, 0.0, 6.0, 0.0, 2.0)
v.conshd([float(i) for i in range(9)], 9, [float(j) for j in range(7)], 7, z, [-4.0, -1.0, 0.0, 1.0, 4.0], 5)
v.contur([float(i) for i in range(9)], 9, [float(j) for j in range(7)], 7, z, 2.0)
v.endgrf()
v.axspos(300, 2000); v.axslen(900, 800)
v.graf3d(0.0, 8.0, 0.0, 2.0, 0.0, 6.0, 0.0, 2.0, -6.0, 6.0, -6.0, 3.0)
v.surshd([float(i) for i in range(9)], 9, [float(j) for j in range(7)], 7, z)
v.endgrf()
v.axspos(1500, 1350); v.axslen(600, 450)
v.graf(0.0, 4.0, 0.0, 1.0, 0.0, 6.0, 0.0, 2.0)
v.bars([1.0, 2.0, 3.0], [0.0, 0.0, 0.0], [3.0, 5.0, 2.0], 3)
v.endgrf()
v.axspos(2300, 1350)
v.piegrf(" ", 0, [1.0, 2.0, 3.0], 3)
v.endgrf()
v.axspos(1500, 1950); v.axslen(1300, 450)
v.grafmp(-180.0, 180.0, -180.0, 90.0, -90.0, 90.0, -90.0, 30.0)
v.world()
v.endgrf()
v.vtxfin()
"""


def test_reset_all_restores_the_defaults_of_plots_surfaces_contours_maps_and_charts(run, tmp_path):
    out = run(PAGE % ("plain.png", False) + PAGE % ("reset.png", True))
    assert out.warnings() == []
    with Image.open(tmp_path / "plain.png") as a, Image.open(tmp_path / "reset.png") as b:
        assert ImageChops.difference(a.convert("RGB"), b.convert("RGB")).getbbox() is None
