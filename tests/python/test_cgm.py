"""Binary CGM output: metafile and picture elements, records of 80 bytes,
lines and colours, and the settings cgmpic, cgmver and cgmbgd. Every file is
decoded by the strict reader in cgm_reader."""
from cgm_reader import read

WARN2 = " <<<< Warning   2: Incorrect parameter in %s!"


def cgm(settings="", drawing="", name="out.cgm"):
    return "v.metafl('cgm'); v.setfil('%s')\n%s\nv.vtxini(); v.errmod('prot', 'off')\n%s\nv.vtxfin()\n" % (
        name, settings, drawing)


def names(els):
    return [e.name for e in els]


class TestMetafile:
    def test_an_empty_drawing_is_one_picture_padded_to_whole_records(self, run, tmp_path):
        run(cgm())
        els = read(tmp_path / "out.cgm")
        assert names(els) == [
            "BEGIN METAFILE", "METAFILE VERSION", "METAFILE DESCRIPTION", "METAFILE ELEMENT LIST",
            "BEGIN PICTURE", "COLOUR SELECTION MODE", "VDC EXTENT", "BACKGROUND COLOUR", "BEGIN PICTURE BODY",
            "LINE COLOUR", "END PICTURE", "END METAFILE"]
        raw = (tmp_path / "out.cgm").read_bytes()
        assert raw[:12] == b"\x00\x3f\x00\x08\x07out.cgm"
        assert els[1].words() == [1]
        assert els[3].data == bytes.fromhex("0001ffff0001")
        assert els[4].string() == "Picture 1"
        assert els[5].words() == [1]
        # DA4L at two units of 0.05 mm per plot unit of 0.1 mm
        assert els[6].words() == [0, 0, 5938, 4198]
        assert els[7].data == b"\xff\xff\xff\x00"
        assert raw.rstrip(b" ").endswith(b"\x00\xa0\x00\x40")

    def test_the_description_names_the_profile_source_date_and_colour_class(self, run, tmp_path):
        run(cgm())
        text = read(tmp_path / "out.cgm")[2].string()
        fields = text.split(",")
        assert fields[:3] == ['"ProfileId:CALS"', '"ProfileEd:1.0"', '"Source:VANTIX  8.2"']
        assert fields[3].startswith('"Date:') and fields[4] == '"ColourClass:colour"'

    def test_webcgm_writes_its_profile_and_the_metric_scaling_mode(self, run, tmp_path):
        run(cgm("v.cgmver(4)"))
        els = read(tmp_path / "out.cgm")
        assert els[1].words() == [4]
        assert els[2].string().startswith('"ProfileId:WebCGM"')
        assert names(els)[4:6] == ["BEGIN PICTURE", "SCALING MODE"]
        assert els[5].data == bytes.fromhex("00013d4cccc8")

    def test_cgmver_accepts_only_1_and_4_and_only_before_vtxini(self, run, tmp_path):
        out = run(cgm("v.cgmver(3)", "v.cgmver(4)"))
        assert out.warnings() == [WARN2 % "CGMVER" + "   (   3)",
                                  " <<<< Warning   3: Incorrect level in CGMVER!   (   1)"]
        assert read(tmp_path / "out.cgm")[1].words() == [1]


class TestPictures:
    def test_picture_names_of_even_length_get_one_pad_byte(self, run, tmp_path):
        run(cgm("v.cgmpic('Plot')"))
        raw = (tmp_path / "out.cgm").read_bytes()
        assert b"\x00\x7f\x00\x05\x04Plot\x00\x20\x42" in raw
        run(cgm("v.cgmpic('Plots')", name="odd.cgm"))
        raw = (tmp_path / "odd.cgm").read_bytes()
        assert b"\x00\x7f\x00\x06\x05Plots\x20\x42" in raw
        assert read(tmp_path / "odd.cgm")[4].string() == "Plots"

    def test_each_new_page_is_a_numbered_picture_that_repeats_the_colour(self, run, tmp_path):
        run(cgm(drawing="v.setrgb(1, 0, 0); v.newpag(); v.newpag()"))
        els = read(tmp_path / "out.cgm")
        assert [e.string() for e in els if e.name == "BEGIN PICTURE"] == ["Picture 1", "Picture 2", "Picture 3"]
        colours = [e.data for e in els if e.name == "LINE COLOUR"]
        assert colours[-3:] == [b"\xff\x00\x00"] * 3

    def test_background_from_cgmbgd_rounded_to_bytes(self, run, tmp_path):
        out = run(cgm("v.cgmbgd(0.5, 0.0, 1.0); v.cgmbgd(1.5, 0.0, 0.0)"))
        assert out.warnings() == [WARN2 % "CGMBGD"]
        assert read(tmp_path / "out.cgm")[7].data == b"\x80\x00\xff\x00"

    def test_long_picture_names_are_cut_to_fit_the_count_byte(self, run, tmp_path):
        run(cgm("v.cgmpic('x' * 300)"))
        assert read(tmp_path / "out.cgm")[4].string() == "x" * 254


class TestLines:
    def test_lines_are_polylines_in_vdc_with_y_upwards_and_colours_between(self, run, tmp_path):
        run(cgm(drawing="v.line(0, 0, 100, 50); v.setrgb(0, 0, 1); v.line(100, 50, 200, 2099)"))
        els = read(tmp_path / "out.cgm")
        body = [e for e in els if e.name in ("POLYLINE", "LINE COLOUR")]
        assert [(e.name, e.points() if e.name == "POLYLINE" else e.data) for e in body[1:]] == [
            ("POLYLINE", [(0, 4198), (200, 4098)]),
            ("LINE COLOUR", b"\x00\x00\xff"),
            ("POLYLINE", [(200, 4098), (400, 0)]),
        ]

    def test_a_large_page_stays_within_16_bit_coordinates(self, run, tmp_path):
        run(cgm("v.page(30000, 20000)", "v.line(0, 0, 29999, 19999)"))
        els = read(tmp_path / "out.cgm")
        w, h = els[6].words()[2:]
        assert 32000 <= max(w, h) <= 32767
        (line,) = [e for e in els if e.name == "POLYLINE"]
        assert all(0 <= c <= 32767 for p in line.points() for c in p)
