"""SVG output: prolog, page mapping, line groups, stroke widths and the
background. Every file is checked by xmllint and rendered by rsvg-convert."""
import re
import subprocess


def svg(settings="", drawing="", name="out.svg"):
    return "v.metafl('svg'); v.setfil('%s')\n%s\nv.vtxini(); v.errmod('prot', 'off')\n%s\nv.vtxfin()\n" % (
        name, settings, drawing)


def check(path):
    """xmllint reads the document and rsvg-convert renders it."""
    proc = subprocess.run(["xmllint", "--noout", str(path)], capture_output=True, text=True, timeout=60)
    assert proc.returncode == 0 and proc.stderr == "", proc.stderr
    proc = subprocess.run(["rsvg-convert", "-o", str(path) + ".png", str(path)], capture_output=True, text=True,
                          timeout=60)
    assert proc.returncode == 0, proc.stderr
    return path.read_text(encoding="latin-1")


PROLOG = """\
<?xml version="1.0" encoding="ISO-8859-1" standalone="no"?>
<!DOCTYPE svg PUBLIC "-//W3C//DTD SVG 20010904//EN"
  "http://www.w3.org/TR/2001/REC-SVG-20010904/DTD/svg10.dtd">
<!-- Created by VANTIX (https://vantix.example.org)
Version:  8.2
Date   : DATE
-->
<svg width="853" height="603"
  xmlns="http://www.w3.org/2000/svg"
  xmlns:xlink="http://www.w3.org/1999/xlink">

"""


class TestDocument:
    def test_an_empty_drawing_is_the_prolog_and_the_end_of_the_svg_element(self, run, tmp_path):
        run(svg())
        text = check(tmp_path / "out.svg")
        text = re.sub(r"Date   : \d\d\.\d\d\.\d{4} \d\d:\d\d:\d\d", "Date   : DATE", text)
        assert text == PROLOG + "</svg>\n"

    def test_without_reverse_screen_the_window_is_painted_black(self, run, tmp_path):
        run(svg("v.scrmod('nore')"))
        text = check(tmp_path / "out.svg")
        assert text.endswith('-->\n<svg width="853" height="603"\n  xmlns="http://www.w3.org/2000/svg"\n'
                             '  xmlns:xlink="http://www.w3.org/1999/xlink">\n\n'
                             '<rect x="0.00" y="0.00" width="852.00" height="602.00"\n'
                             ' fill="#000000" stroke="none"/>\n</svg>\n')

    def test_the_window_size_sets_the_picture_size_and_scale(self, run, tmp_path):
        run(svg("v.winsiz(1200, 900)", "v.line(0, 0, 2969, 2099)"))
        text = check(tmp_path / "out.svg")
        assert '<svg width="1200" height="900"' in text
        assert '<line x1="0.00" y1="0.00" x2="1199.00" y2="847.66"/>' in text

    def test_a_turned_page_maps_x_to_the_height(self, run, tmp_path):
        run(svg("v.pagmod('port')", "v.line(0, 0, 100, 50)"))
        text = check(tmp_path / "out.svg")
        m = re.search(r'<line x1="([\d.]+)" y1="([\d.]+)" x2="([\d.]+)" y2="([\d.]+)"/>', text)
        x1, y1, x2, y2 = map(float, m.groups())
        assert x1 == 0.0 and x2 > 0 and y2 < y1


class TestGroups:
    def test_lines_of_one_colour_and_width_share_a_group(self, run, tmp_path):
        run(svg(drawing="v.line(0, 0, 100, 100); v.line(100, 100, 200, 0); v.setrgb(1, 0, 0); "
                        "v.line(0, 0, 10, 10); v.linwid(3); v.line(0, 0, 10, 10); v.penwid(0.5); "
                        "v.line(0, 0, 10, 10)"))
        text = check(tmp_path / "out.svg")
        groups = re.findall(r'<g fill="none" stroke="(#\w+)" stroke-width="([\d.]+)">\n((?:<line[^\n]*\n)*)</g>',
                            text)
        assert [(c, w, lines.count("<line")) for c, w, lines in groups] == [
            ("#000000", "1.000", 2), ("#ff0000", "1.000", 1), ("#ff0000", "3.000", 1), ("#ff0000", "0.500", 1)]
        assert text.endswith("</g>\n</svg>\n")


def test_a_solid_area_is_one_polygon_in_the_current_colour(run, tmp_path):
    run(svg(drawing="v.shdpat(16); v.setrgb(1, 0, 0); v.areaf([0, 1000, 0], [0, 0, 1000], 3)"))
    text = check(tmp_path / "out.svg")
    assert re.search(r'<polygon fill="#ff0000" points="\n 0.00, 0.00 (\d+\.\d\d), 0.00 0.00, \1"/>\n', text)
