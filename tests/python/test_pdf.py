"""PDF output: document structure, content streams (compressed, raw, split
past 300000 bytes), pages, line attributes, colours, and the copy kept in
memory. Every file is checked by qpdf and rendered by pdftoppm."""
import re
import subprocess
import zlib

import pytest


def pdf(settings="", drawing="", name="out.pdf"):
    return "v.metafl('pdf'); v.setfil('%s')\n%s\nv.vtxini(); v.errmod('prot', 'off')\n%s\nv.vtxfin()\n" % (
        name, settings, drawing)


def check(path):
    """qpdf finds no error and pdftoppm renders every page."""
    proc = subprocess.run(["qpdf", "--check", str(path)], capture_output=True, text=True, timeout=60)
    assert proc.returncode == 0 and "No syntax or stream encoding errors" in proc.stdout, proc.stdout + proc.stderr
    proc = subprocess.run(["pdftoppm", "-r", "10", "-png", str(path), str(path) + "-page"], capture_output=True,
                          text=True, timeout=60)
    assert proc.returncode == 0 and proc.stderr == "", proc.stderr
    return path.read_bytes()


def objects(raw):
    """Object number -> (offset, body) of every "n 0 obj" in the file."""
    return {int(m.group(1)): (m.start(), raw[m.end():raw.index(b"endobj\n", m.end())])
            for m in re.finditer(rb"(?m)^(\d+) 0 obj\n", raw)}


def streams(raw):
    """Decoded content of every stream, in file order."""
    out = []
    for m in re.finditer(rb"<< /Length (\d+)( 0 R >>|\n/Filter /FlateDecode\n>>| >>)\nstream\n", raw):
        if m.group(2) == b" 0 R >>":
            data = raw[m.end():raw.index(b"endstream\n", m.end())]
        else:
            data = raw[m.end():m.end() + int(m.group(1))]
            assert raw[m.end() + int(m.group(1)):].startswith(b"endstream\n")
        out.append(zlib.decompress(data) if b"Flate" in m.group(2) else data)
    return out


class TestDocument:
    def test_an_empty_page_is_a_complete_document(self, run, tmp_path):
        run(pdf())
        raw = check(tmp_path / "out.pdf")
        assert raw.startswith(b"%PDF-1.3\n")
        (content,) = streams(raw)
        assert content.startswith(b"0.709 w\n2 J\n2 j\n")
        objs = objects(raw)
        assert sorted(objs) == [1, 2, 3, 4, 5]
        assert objs[4][1] == (b"<<\n/Type /Page\n/MediaBox [0 0 553 782]\n/Parent 2 0 R\n/Rotate 90\n"
                              b"/Resources << /ProcSet [/PDF]\n>>\n/Contents 3 0 R\n>>\n")
        assert objs[2][1] == b"<< /Type /Pages /Kids [\n4 0 R\n] /Count 1\n>>\n"
        assert objs[1][1] == b"<< /Type /Catalog /Pages 2 0 R\n>>\n"
        assert re.fullmatch(rb"<< /CreationDate \(D:\d{14}\)\n/Producer \(VANTIX 8.2\)\n>>\n", objs[5][1])
        # the cross-reference table points at every "obj" line
        xref = raw.index(b"\nxref\n") + 1
        entries = raw[xref:].split(b"\n")
        assert entries[1] == b"0 6" and entries[2] == b"0000000000 65535 f "
        for number in range(1, 6):
            assert entries[2 + number] == b"%010d 00000 n " % objs[number][0]
        assert raw.endswith(b"trailer\n<< /Size 6 /Root 1 0 R /Info 5 0 R\n>>\nstartxref\n%d\n%%%%EOF\n" % xref)

    def test_without_compression_the_length_is_the_next_object(self, run, tmp_path):
        run(pdf("v.pdfmod('off', 'comp')", "v.line(0, 0, 100, 100)"))
        raw = check(tmp_path / "out.pdf")
        objs = objects(raw)
        assert objs[3][1].startswith(b"<< /Length 4 0 R >>\nstream\n0.709 w\n2 J\n2 j\n")
        assert int(objs[4][1]) == len(streams(raw)[0])
        assert b"/Contents 3 0 R" in objs[5][1]

    def test_a_portrait_page_is_not_turned(self, run, tmp_path):
        run(pdf("v.setpag('da4p')", "v.line(0, 0, 100, 100)"))
        raw = check(tmp_path / "out.pdf")
        assert b"/Rotate" not in raw and b"/MediaBox [0 0 553 782]" in raw
        assert b"0.00 781.86 m\n26.33 755.53 l\nS\n" in streams(raw)[0]

    def test_black_paper_unless_the_screen_mode_is_reverse(self, run, tmp_path):
        run(pdf("v.scrmod('nore')"))
        content = streams(check(tmp_path / "out.pdf"))[0]
        assert content.startswith(b"0.709 w\n2 J\n2 j\n0 0 0 RG\n0.00 0.00 553.00 782.00 re\nf\n")

    def test_every_new_page_is_a_page_object_with_its_own_content(self, run, tmp_path):
        run(pdf(drawing="v.setrgb(1, 0, 0); v.line(0, 0, 100, 100); v.newpag(); v.line(0, 0, 100, 100)"))
        raw = check(tmp_path / "out.pdf")
        assert raw.count(b"/Type /Page\n") == 2 and b"] /Count 2\n" in raw
        first, second = streams(raw)
        assert second.startswith(b"0.709 w\n2 J\n2 j\n1 0 0 rg\n1 0 0 RG\n")
        assert len(list((tmp_path).glob("out.pdf-page*.png"))) == 2

    def test_a_file_that_cannot_be_opened_ends_the_plot_at_vtxini(self, run, tmp_path):
        out = run("v.metafl('pdf'); v.setfil('no_such_dir/out.pdf'); v.vtxini(); print('reached')")
        assert out.stdout == " <<<< Warning  36: File error in VTXINI!   (no_such_dir/out.pdf)\n"

    def test_the_name_is_versioned_when_the_file_is_opened(self, run, tmp_path):
        (tmp_path / "out.pdf").write_bytes(b"old")
        out = run("v.metafl('pdf'); v.setfil('out.pdf'); v.vtxini(); print(v.getfil()); v.vtxfin()")
        assert out.stdout.startswith("out_1.pdf\n")
        assert (tmp_path / "out.pdf").read_bytes() == b"old"
        check(tmp_path / "out_1.pdf")

    def test_a_page_of_more_than_300000_bytes_has_a_contents_array(self, run, tmp_path):
        run(pdf(drawing="for i in range(12000): v.line(i % 2900, 0, 2900 - i % 2900, 2000)"))
        raw = check(tmp_path / "out.pdf")
        pieces = streams(raw)
        assert len(pieces) == 2 and all(len(p) <= 300000 for p in pieces)
        assert sum(len(p) for p in pieces) > 300000
        assert re.search(rb"/Contents \[\n3 0 R\n4 0 R\n\]\n", raw)

    def test_full_pieces_keep_their_order_and_a_fork_in_between_finishes_the_document(self, run, tmp_path):
        # Full pieces are deflated beside the drawing; forks happen while one is in work.
        lines = """
import os
for i in range(30000):
    if i in (8000, 15800) and os.fork():
        os.wait(); os._exit(0)
    v.setclr(i % 255); v.line(i % 2900, 0, 2900 - i % 2900, 2000)
"""
        env = {"SOURCE_DATE_EPOCH": "1700000000"}
        run(pdf(drawing=lines.replace("os.fork()", "False"), name="plain.pdf"), env=env)
        run(pdf(drawing=lines, name="forked.pdf"), env=env)
        run(pdf(settings="v.pdfmod('OFF', 'COMP')", drawing=lines.replace("os.fork()", "False"), name="raw.pdf"), env=env)
        plain = check(tmp_path / "plain.pdf")
        assert check(tmp_path / "forked.pdf") == plain
        pieces = streams(plain)
        assert len(pieces) == 6 and b"".join(pieces) == b"".join(streams(check(tmp_path / "raw.pdf")))


class TestOperators:
    def test_line_attributes_in_points(self, run, tmp_path):
        run(pdf(drawing="v.linwid(5); v.penwid(0.5); v.lncap('roun'); v.lnjoin('shar'); v.lnmlt(3.0)"))
        content = streams(check(tmp_path / "out.pdf"))[0]
        assert b"1.417 w\n0.354 w\n1 J\n0 j\n" in content
        assert re.search(rb"\n\d+\.\d{3} M\n", content)

    def test_a_colour_change_strokes_the_path_and_skips_an_unchanged_stroke_colour(self, run, tmp_path):
        run(pdf(drawing="v.line(0, 0, 100, 100); v.setrgb(0.5, 0, 1); v.setrgb(0.5, 0, 1)"))
        content = streams(check(tmp_path / "out.pdf"))[0]
        # (34, 0, 238) is the rainbow entry nearest to the colour asked for
        assert content.endswith(b"l\nS\n0.133 0 0.933 rg\n0.133 0 0.933 RG\n0.133 0 0.933 rg\n")


    def test_a_solid_area_is_a_filled_path(self, run, tmp_path):
        run(pdf(drawing="v.shdpat(16); v.areaf([0, 1000, 0], [0, 0, 1000], 3)"))
        content = streams(check(tmp_path / "out.pdf"))[0]
        assert content.endswith(b"0.00 0.00 m\n0.00 263.34 l\n263.34 0.00 l\nh\nf*\n")


class TestMemoryCopy:
    def test_pdfbuf_returns_the_file_and_its_size(self, run, tmp_path):
        out = run(pdf("v.pdfmod('on', 'buff')", "v.line(0, 0, 100, 100)") + """
size = v.pdfbuf(0)[1]
data, n = v.pdfbuf(size)
open('copy.pdf', 'wb').write(data)
print(size, n, len(data), v.pdfbuf(-1))
""")
        size, n, length, negative = out.stdout.split(" ", 3)
        assert size == n == length and negative.strip() == "(b'', 0)"
        assert not (tmp_path / "out.pdf").exists()
        check(tmp_path / "copy.pdf")

    @pytest.mark.parametrize("scenario, text", [
        ("v.metafl('svg'); v.vtxini(); v.vtxfin()", "Output format is not PDF"),
        ("v.metafl('pdf'); v.vtxini(); v.vtxfin()", "Buffer output is not enabled for PDF"),
        ("v.metafl('pdf'); v.pdfmod('on', 'buff')", "Internal PDF buffer is empty"),
        ("v.metafl('pdf'); v.pdfmod('on', 'buff'); v.vtxini(); v.vtxfin(); print(v.pdfbuf(0)[1] > 0)",
         "Buffer too small for PDF file"),
    ])
    def test_pdfbuf_warnings(self, run, scenario, text):
        out = run(scenario + "\nprint(v.pdfbuf(10))")
        assert out.warnings() == [" <<<< Warning 101: %s in PDFBUF!" % text]
        assert out.stdout.splitlines()[-1] == "(b'', 0)"
