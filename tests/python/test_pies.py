"""Pie charts: the start angle and sense of the segments, explosion of
negative values, aligned outside labels, shared attributes without cycling,
and the warnings. Geometry is read from HPGL output (4 device units per plot
unit); the pie of radius 500 stands at (1000, 1000)."""
from PIL import Image

from fill_helpers import scenario, segments

AREA = """
v.axspos(500, 1500)
v.axslen(1000, 1000)
"""


def pie(run, tmp_path, body):
    text, out = scenario(run, tmp_path, "hpgl", AREA + body, quiet=False)
    return segments(text), out


def points(segs):
    return {p for s in segs for p in s}


def test_negative_values_are_exploded_by_8_percent_of_the_radius(run, tmp_path):
    segs, out = pie(run, tmp_path, """
v.labels("NONE", "PIE")
v.chnpie("NONE")
v.piegrf("", 0, [1.0, -1.0], 2)
""")
    assert out.warnings() == []
    p = points(segs)
    # the upper half from 0 to 180 degrees, the lower one moved down by 40
    assert {(1000, 1000), (1500, 1000), (500, 1000)} <= p
    assert {(1000, 1040), (1500, 1040), (500, 1040)} <= p
    assert max(y for x, y in p if 900 < x < 1100) > 1535


def test_aligned_labels_stand_at_one_distance_with_their_arrows(run, tmp_path):
    segs, out = pie(run, tmp_path, """
v.labels("DATA", "PIE")
v.labpos("ALIG", "PIE")
v.pievec(1421, "BROK")
v.piegrf("", 0, [1.0, 3.0, 2.0, 2.0], 4)
""")
    verticals = {a[0] for a, b in segs if a[0] == b[0] and a[1] != b[1]}
    assert 1620 in verticals and 380 in verticals   # boxes begin R + 120 from the centre
    # every external label has its broken line: a horizontal piece ending at a box edge
    assert sum(1 for a, b in segs if a[1] == b[1] and max(a[0], b[0]) in (380, 1620) or
               a[1] == b[1] and min(a[0], b[0]) in (380, 1620)) >= 4


def test_without_cycling_all_segments_share_the_current_colour(run, tmp_path):
    run("""
v.metafl("png")
v.setfil("pie.png")
v.scrmod("REVERS")
v.vtxini()
""" + AREA + """
v.chnpie("NONE")
v.labels("NONE", "PIE")
v.color("RED")
v.shdpat(16)
v.piegrf("", 0, [1.0, 1.0], 2)
v.vtxfin()
""")
    img = Image.open(tmp_path / "pie.png").convert("RGB")
    sx, sy = img.width / 2970, img.height / 2100
    for y in (700, 1300):
        assert img.getpixel((int(1000 * sx), int(y * sy))) == (255, 0, 0)


def test_warnings(run, tmp_path):
    _, out = pie(run, tmp_path, """
v.piegrf("", 0, [0.0, 0.0], 2)
v.pieopt(0.0, 100.0)
v.pieclr([1, 300], [2, 2], 2)
v.pievec(10000, "BROK")
v.graf(0.0, 1.0, 0.0, 1.0, 0.0, 1.0, 0.0, 1.0)
v.piegrf("", 0, [1.0], 1)
""")
    w = out.warnings()
    assert w[0] == " <<<< Warning  29: Sum of data is zero in PIEGRF!"
    assert w[1:3] == [" <<<< Warning   2: Incorrect parameter in PIEOPT!"] * 2
    assert w[3] == " <<<< Warning   2: Incorrect parameter in PIECLR!   ( 300)"
    assert w[4] == " <<<< Warning   2: Incorrect parameter in PIEVEC!   (10000)"
    assert w[5].startswith(" <<<< Warning   3: Incorrect level in PIEGRF!")
