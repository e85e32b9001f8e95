"""WMF output: the files pass an independent reader and show what the PNG
device shows; headers, records and the wmfmod settings."""
import re
import shutil
import struct
import subprocess

import pytest
from PIL import Image

pytestmark = pytest.mark.skipif(not shutil.which("wmf2svg"), reason="wmf2svg (libwmf-bin) is not installed")

DRAWING = """
v.pagera(); v.graf(0., 10., 0., 2., -1., 1., -1., 0.5)
x = [i / 10 for i in range(101)]
v.color("RED"); v.curve(x, [math.sin(t) for t in x], 101)
v.shdpat(16); v.color("BLUE"); v.areaf([1000, 1400, 1200], [1400, 1400, 1100], 3)
"""


def draw(run, device, name, before="", body=DRAWING):
    run(f'import math\nv.metafl("{device}"); v.setfil("{name}"); {before}\nv.vtxini()\n{body}\nv.vtxfin()\n')


def wmf_as_png(tmp_path, name):
    """The reader's picture of a WMF file: wmf2svg, then rsvg-convert."""
    svg = tmp_path / (name + ".svg")
    subprocess.run(["wmf2svg", "-o", str(svg), str(tmp_path / name)], check=True, timeout=60)
    # the reader leaves the fill of polylines unset, which SVG reads as black
    svg.write_text(svg.read_text().replace('style="stroke-width', 'style="fill:none; stroke-width'))
    png = tmp_path / (name + ".png")
    subprocess.run(["rsvg-convert", "-b", "white", str(svg), "-o", str(png)], check=True, timeout=60)
    return Image.open(png).convert("RGB")


def box_of(im, keep):
    """Bounding box of the pixels `keep` accepts, as fractions of the picture size."""
    w, h = im.size
    xs, ys = [], []
    for (x, y), c in zip(((x, y) for y in range(h) for x in range(w)), im.getdata()):
        if keep(c):
            xs.append(x), ys.append(y)
    return min(xs) / w, min(ys) / h, max(xs) / w, max(ys) / h


def records(data, start):
    """(size in words, function, parameter bytes) of each record from `start` on."""
    at = start
    while at < len(data):
        words, function = struct.unpack("<IH", data[at:at + 6])
        yield words, function, data[at + 6:at + 2 * words]
        at += 2 * max(words, 3)


def test_reader_shows_what_the_png_device_shows(run, tmp_path):
    draw(run, "WMF", "p.wmf")
    draw(run, "PNG", "p.png")
    wmf = wmf_as_png(tmp_path, "p.wmf")
    png = Image.open(tmp_path / "p.png").convert("RGB")
    red = lambda c: c[0] > 180 and c[1] < 90 and c[2] < 90
    blue = lambda c: c[2] > 150 and c[0] < 150 and c[1] < 150
    for keep in (red, blue):
        assert box_of(wmf, keep) == pytest.approx(box_of(png, keep), abs=0.01)


def test_headers_and_records(run, tmp_path):
    draw(run, "WMF", "p.wmf")
    data = (tmp_path / "p.wmf").read_bytes()
    key, handle, left, top, right, bottom, inch, reserved, checksum = struct.unpack("<IHhhhhHIH", data[:22])
    assert (key, handle, left, top, inch, reserved) == (0x9AC6CDD7, 0, 0, 0, 96, 0)
    assert (right, bottom) == (852, 602)
    words = struct.unpack("<10H", data[:20])
    x = 0
    for w in words:
        x ^= w
    assert checksum == x
    kind, size, version, total, objects, largest, members = struct.unpack("<HHHIHIH", data[22:40])
    assert (kind, size, version, members) == (1, 9, 0x300, 0) and total * 2 == len(data) - 22
    # the records' sizes add up to the file, none is larger than the header says, the last is the end record
    found = list(records(data, 40))
    assert sum(words for words, _, _ in found) * 2 == len(data) - 40
    assert max(words for words, _, _ in found) == largest and found[-1][:2] == (3, 0)
    functions = {function for _, function, _ in found}
    assert {0x0325, 0x0324, 0x02FA, 0x02FC, 0x012D, 0x01F0} <= functions and objects >= 2


def test_wmfmod_settings_and_warnings(run, tmp_path):
    text = 'v.height(80); v.psfont("Helvetica"); v.messag("Hi", 300, 300)'
    out = run(f"""
        v.metafl("WMF"); v.setfil("f.wmf"); v.wmfmod("FONT", "TEXT"); v.wmfmod("STAN", "FORMAT")
        v.wmfmod("XYZ", "FORMAT"); v.wmfmod("VECT", "COLOUR")
        v.vtxini(); v.wmfmod("PLAC", "FORMAT"); {text}; v.vtxfin()
    """)
    assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in WMFMOD!   (XYZ)",
                              " <<<< Warning   2: Incorrect parameter in WMFMOD!   (COLOUR)",
                              " <<<< Warning   3: Incorrect level in WMFMOD!   (   1)"]
    data = (tmp_path / "f.wmf").read_bytes()
    assert data[:4] == b"\x01\x00\x09\x00"          # the standard header only
    texts = [body for _, function, body in records(data, 18) if function == 0x0521]
    assert texts[0][:4] == b"\x01\x00H\x00" and b"Helvetica" in data
    subprocess.run(["wmf2svg", "-o", str(tmp_path / "f.svg"), str(tmp_path / "f.wmf")], check=True, timeout=60)
    assert re.search(r">H</text>", (tmp_path / "f.svg").read_text())

    # vector text by default: no device fonts, no text records
    out = run(f'v.metafl("WMF"); v.setfil("g.wmf"); v.vtxini(); {text}; v.vtxfin()')
    assert len(out.warnings()) == 1 and "PSFONT" in out.warnings()[0]
    assert all(function != 0x0521 for _, function, _ in records((tmp_path / "g.wmf").read_bytes(), 40))


def test_a_file_that_cannot_be_written_warns(run, tmp_path):
    out = run('v.metafl("WMF"); v.setfil("no/such/dir/x.wmf"); v.vtxini(); v.line(0, 0, 100, 100); v.vtxfin()')
    assert " <<<< Warning  36: File error in VTXFIN!   (no/such/dir/x.wmf)" in out.warnings()
    assert "Metafile: no/such" not in out.stdout
