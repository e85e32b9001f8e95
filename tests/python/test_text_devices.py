"""Device fonts on SVG and PDF: characters handed to the drivers by the text routines."""
import re
import subprocess


def write(run, tmp_path, device, body, before=""):
    name = tmp_path / ("text." + device)
    run("v.metafl(%r); v.setfil(%r); %s\nv.vtxini(); v.unit(0)\n%s\nv.vtxfin()" % (device, str(name), before, body))
    return name


def test_svg_characters_are_text_elements_with_escapes(run, tmp_path):
    name = write(run, tmp_path, "svg", "v.psfont('Helvetica-Bold'); v.height(60); v.messag('a<b&', 200, 300)")
    text = name.read_text(encoding="latin-1")
    chars = re.findall(r"<text [^>]*>([^<]*)</text>", text)
    assert chars == ["a", "&lt;", "b", "&amp;"]
    assert 'font-family="Helvetica"' in text and 'font-weight="bold"' in text
    subprocess.run(["xmllint", "--noout", str(name)], check=True)
    subprocess.run(["rsvg-convert", str(name), "-o", str(tmp_path / "svg.png")], check=True)


def test_pdf_characters_use_the_standard_font_with_octal_escapes(run, tmp_path):
    name = write(run, tmp_path, "pdf", "v.psfont('Times-Roman'); v.height(60); v.messag('(x)', 200, 300)",
                 before="v.pdfmod('off', 'comp')")
    data = name.read_bytes()
    assert b"/BaseFont /Times-Roman" in data
    assert re.findall(rb"\((\\\d+|.)\) Tj", data) == [b"\\50", b"x", b"\\51"]
    size = float(re.search(rb"/F1 ([\d.]+) Tf", data).group(1))
    # a character height of 60 plot units (6 mm) is a font of about 25 points
    assert 20 < size < 30
    subprocess.run(["qpdf", "--check", str(name)], check=True, capture_output=True)
    subprocess.run(["pdftoppm", "-png", "-r", "20", str(name), str(tmp_path / "page")], check=True)


def test_vector_fonts_stay_strokes_on_svg(run, tmp_path):
    name = write(run, tmp_path, "svg", "v.complx(); v.messag('abc', 200, 300)")
    text = name.read_text(encoding="latin-1")
    assert "<text" not in text and "<polyline" in text
