"""The README's first plot and the demo script work as a newcomer runs them."""
import os
import re
import subprocess

import pytest
from PIL import Image

from conftest import MODULE_DIR, PYTHON, ROOT


def run_script(path_or_code, cwd):
    env = dict(os.environ, PYTHONPATH=MODULE_DIR)
    env.pop("DISPLAY", None)
    args = [PYTHON, path_or_code] if os.path.exists(str(path_or_code)) else [PYTHON, "-c", path_or_code]
    proc = subprocess.run(args, cwd=cwd, env=env, capture_output=True, text=True, timeout=120)
    assert proc.returncode == 0, proc.stderr
    return proc.stdout


def test_readme_first_plot_is_black_on_white(tmp_path):
    readme = open(os.path.join(ROOT, "README.md"), encoding="utf-8").read()
    code = re.search(r"## A first plot\s+```python\n(.*?)```", readme, re.S).group(1)
    code = code.replace('sys.path.insert(0, "build/python")', "pass")
    out = run_script(code, tmp_path)
    assert "<<<< Warning" not in out
    picture = Image.open(tmp_path / "vantix.png").convert("RGB")
    width, height = picture.size
    assert picture.getpixel((0, 0)) == (255, 255, 255)
    colours = dict((c, n) for n, c in picture.getcolors(width * height))
    assert max(colours, key=colours.get) == (255, 255, 255)   # the background
    assert colours.get((0, 0, 0), 0) > 500                     # axes, labels and the curve


def test_readme_quick_plots_write_four_pictures(tmp_path):
    readme = open(os.path.join(ROOT, "README.md"), encoding="utf-8").read()
    out = run_script(re.search(r"## Quick plots.*?```python\n(.*?)```", readme, re.S).group(1), tmp_path)
    assert "<<<< Warning" not in out and out.count("END OF VANTIX") == 4
    assert sorted(p.name for p in tmp_path.glob("*.png")) == ["vantix.png"] + ["vantix_%d.png" % i for i in (1, 2, 3)]


def test_demo_draws_a_plot_in_every_file(tmp_path):
    out = run_script(os.path.join(ROOT, "examples", "demo.py"), tmp_path)
    assert "<<<< Warning" not in out
    for name in ("demo.met", "demo.png", "demo.pdf", "demo.svg"):
        assert (tmp_path / name).stat().st_size > 2000, name
    # The metafile holds thousands of draw records, not just a header and the end record.
    fields = (tmp_path / "demo.met").read_text().split()
    assert fields.count("2.0000000") > 1000
    picture = Image.open(tmp_path / "demo.png").convert("RGB")
    assert picture.getpixel((0, 0)) == (255, 255, 255)


def check_readers(base, eps=True):
    """The PNG, PDF, SVG (and EPS) files of one gallery page pass their readers."""
    commands = [["pngcheck", "-q", base + ".png"], ["qpdf", "--check", base + ".pdf"],
                ["xmllint", "--noout", base + ".svg"], ["rsvg-convert", "-o", base + "-svg.png", base + ".svg"]]
    if eps:
        commands.append(["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=nullpage", base + ".eps"])
    for command in commands:
        assert subprocess.run(command, capture_output=True).returncode == 0, command


def coloured_pixels(base):
    picture = Image.open(base + ".png").convert("RGB")
    return sum(n for n, (r, g, b) in picture.getcolors(1 << 20) if len({r, g, b}) > 1), picture


@pytest.mark.parametrize("script, pages", [
    ("gallery_charts.py", ("gallery_colour", "gallery_bars")),
    ("gallery_colour.py", ("colour_linear", "colour_log", "contour_labels", "contour_bands", "contour_scattered")),
])
def test_colour_gallery_files_pass_their_readers(tmp_path, script, pages):
    out = run_script(os.path.join(ROOT, "examples", script), tmp_path)
    assert "<<<< Warning" not in out
    for page in pages:
        base = str(tmp_path / page)
        check_readers(base)
        # Mostly colour: the colour plot's cells and the bars, not an empty page.
        coloured, picture = coloured_pixels(base)
        assert coloured > picture.size[0] * picture.size[1] // 10


def test_business_gallery_files_pass_their_readers(tmp_path):
    out = run_script(os.path.join(ROOT, "examples", "gallery_business.py"), tmp_path)
    assert "<<<< Warning" not in out
    for page in ("gallery_figures", "gallery_fields", "gallery_pies", "gallery_business_bars", "gallery_bars3d"):
        base = str(tmp_path / page)
        check_readers(base, eps=False)
        assert coloured_pixels(base)[0] > 2000, page


def test_map_gallery_files_pass_their_readers(tmp_path):
    out = run_script(os.path.join(ROOT, "examples", "gallery_maps.py"), tmp_path)
    assert "<<<< Warning" not in out
    for page in ("cylindrical", "elliptical", "conical", "azimuthal", "pacific"):
        base = str(tmp_path / ("gallery_map_" + page))
        check_readers(base, eps=False)
        picture = Image.open(base + ".png").convert("RGB")
        # Coastlines, grid and routes: thousands of drawn pixels, some in colour.
        colours = dict((c, n) for n, c in picture.getcolors(1 << 20))
        assert colours.get((0, 0, 0), 0) > 5000
        assert sum(n for c, n in colours.items() if len(set(c)) > 1) > 500


def test_3d_gallery_files_pass_their_readers(tmp_path):
    out = run_script(os.path.join(ROOT, "examples", "gallery_3d.py"), tmp_path)
    assert "<<<< Warning" not in out
    for page in ("gallery_mesh", "gallery_helix", "gallery_shaded", "gallery_lit", "gallery_shapes",
                 "gallery_columns"):
        check_readers(str(tmp_path / page))
    # Both sides of the mesh show in their colours.
    picture = Image.open(tmp_path / "gallery_mesh.png").convert("RGB")
    colours = picture.getcolors(1 << 20)
    assert sum(n for n, (r, g, b) in colours if r > 200 and g < 100 and b < 100) > 2000
    assert sum(n for n, (r, g, b) in colours if b > 200 and r < 100) > 1000
