"""Reading the SVG files of curve and legend scenarios: the stroked paths of
each colour group, in page units of the SVG (602/2099 of a plot unit on the default page)."""
import re

SCALE = 602.0 / 2099.0

GROUP = re.compile(r'<g fill="none" stroke="(#[0-9a-f]{6})"[^>]*>(.*?)</g>', re.S)
POLYLINE = re.compile(r'<polyline points="([^"]*)"')
LINE = re.compile(r'<line x1="([-\d.]+)" y1="([-\d.]+)" x2="([-\d.]+)" y2="([-\d.]+)"')
ELEMENT = re.compile(r'<(polyline|line)\b[^>]*/>')


def paths(text):
    """[(colour, [[(x, y), ...], ...]), ...] in file order."""
    groups = []
    for colour, body in GROUP.findall(text):
        items = []
        for element in ELEMENT.finditer(body):
            s = element.group(0)
            m = POLYLINE.search(s)
            if m:
                nums = [float(v) for v in re.findall(r"[-\d.]+", m.group(1))]
                items.append(list(zip(nums[0::2], nums[1::2])))
            else:
                m = LINE.search(s)
                x1, y1, x2, y2 = (float(v) for v in m.groups())
                items.append([(x1, y1), (x2, y2)])
        groups.append((colour, items))
    return groups


def coloured(text, colour):
    """Every path drawn in one colour."""
    return [p for c, items in paths(text) if c == colour for p in items]


def scenario(body, settings="", name="out.svg"):
    return ("v.metafl('svg'); v.setfil('%s'); v.filmod('dele')\n%s\nv.vtxini()\n%s\nv.vtxfin()\n" % (name, settings, body))
