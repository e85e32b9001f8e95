"""Scenarios for the filling, shielding and transformation tests: a PostScript
file checked by Ghostscript, or an HPGL file read back as plot-unit segments
(HPGL keeps 4 device units per plot unit with y upwards)."""
import re
import textwrap

from postscript_reader import render

H = 2099


def scenario(run, tmp_path, device, body, before="", quiet=True):
    scenario.count = getattr(scenario, "count", 0) + 1
    name = tmp_path / ("plot%d.%s" % (scenario.count, "ps" if device in ("ps", "eps") else "hpg"))
    out = run("v.metafl(%r)\nv.setfil(%r)\n%s\nv.vtxini()\n%s\n%s\nv.vtxfin()"
              % (device, str(name), before, "v.unit(0)" if quiet else "", textwrap.dedent(body)))
    text = name.read_text(encoding="latin-1")
    if device in ("ps", "eps"):
        render(name)
    return text, out


def segments(hpgl_text):
    """The drawn HPGL segments as ((x1, y1), (x2, y2)) in plot units."""
    result, pen = [], None
    for op, x, y in re.findall(r"(P[UD])(-?\d+),(-?\d+);", hpgl_text):
        point = (int(x) / 4, H - int(y) / 4)
        if op == "PD" and pen is not None:
            result.append((pen, point))
        pen = point
    return result
