"""incfil: a metafile of the library's own metafile device replayed onto
another device, fitted into the filbox rectangle; damaged files draw nothing."""
from PIL import Image, ImageChops

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
