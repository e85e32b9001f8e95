"""Binary files by unit, bit fields, text lengths, date and time, the command
run on a finished plot file, user-to-plot conversion and attribute cycles."""
import os
import sys


def test_binary_file_round_trip_and_error_codes(vantix, tmp_path):
    name = str(tmp_path / "data.bin")
    assert vantix.openfl(name, 5, 1) == 0
    assert vantix.openfl(name, 5, 1) == -1          # the unit is open already
    assert vantix.writfl(5, b"hello world", 5) == 5
    assert vantix.writfl(5, b"!!", 10) == 2         # never more than the data holds
    assert vantix.writfl(5, b"x", 0) == 0
    assert vantix.tellfl(5) == 7
    assert vantix.closfl(5) == 0
    assert vantix.closfl(5) == -1
    assert vantix.openfl(name, 5, 2) == 0 and vantix.writfl(5, b"?", 1) == 1 and vantix.closfl(5) == 0

    assert vantix.openfl(name, 99, 0) == 0
    assert vantix.readfl(99, 3) == (b"hel", 3)
    assert vantix.skipfl(99, 2) == 2
    assert vantix.readfl(99, 100) == (b"!!?", 3)
    assert vantix.readfl(99, 10) == (b"", 0)        # end of the file
    assert vantix.skipfl(99, 5) == 0
    assert vantix.posifl(99, 1) == 0 and vantix.readfl(99, 2) == (b"el", 2)
    assert vantix.readfl(99, 0) == (b"", 0)
    assert vantix.closfl(99) == 0

    # units that are not open answer -1 and touch nothing
    assert vantix.readfl(4, 10) == (b"", -1)
    assert (vantix.writfl(4, b"a", 1), vantix.skipfl(4, 1), vantix.tellfl(4), vantix.posifl(4, 0)) == (-1,) * 4
    assert vantix.openfl(str(tmp_path / "missing" / "f"), 3, 0) == -1


def test_bad_units_and_modes_warn_with_the_value(run):
    out = run("""
        print(v.openfl("x", 100, 0), v.openfl("x", 1, 3), v.closfl(-1))
        print(v.bitsi2(17, 1, 0, 5, 0), v.bitsi4(8, 1, 25, 7, 0), v.bitsi4(8, 1, 0, 7, -1))
    """)
    assert out.warnings() == [" <<<< Warning   2: Incorrect parameter in OPENFL!   ( 100)",
                              " <<<< Warning   2: Incorrect parameter in OPENFL!   (   3)",
                              " <<<< Warning   2: Incorrect parameter in CLOSFL!   (  -1)",
                              " <<<< Warning   2: Incorrect parameter in BITSI2!   (  17)",
                              " <<<< Warning   2: Incorrect parameter in BITSI4!   (  25)",
                              " <<<< Warning   2: Incorrect parameter in BITSI4!   (  -1)"]
    assert [l for l in out.stdout.splitlines() if not l.startswith(" <<<<")] == ["-1 -1 -1", "5 7 7"]


def test_bit_fields_count_from_the_most_significant_bit(vantix):
    assert vantix.bitsi4(8, 0x12345678, 8, 0, 24) == 0x34
    assert vantix.bitsi4(4, 0x0000000F, 28, 0, 0) == -0x10000000   # into the sign bit
    assert vantix.bitsi4(32, -1, 0, 0, 0) == -1
    assert vantix.bitsi2(4, 0xF000, 0, 0, 12) == 15
    assert vantix.bitsi2(3, 0b101, 13, 0x7FFF, 0) == 0xBFFF - 0x10000   # a 16-bit word is signed
    # the bits around the field are kept
    assert vantix.bitsi4(4, 0xA, 28, 0x11111111, 8) == 0x11A11111


def test_text_lengths(vantix):
    assert (vantix.trmlen("abc   "), vantix.trmlen("   "), vantix.trmlen(" a b ")) == (3, 0, 4)
    assert (vantix.intlen(0), vantix.intlen(-123), vantix.intlen(-2147483648)) == (1, 4, 11)
    assert [vantix.flen(3.14159, 2), vantix.flen(12.5, -1), vantix.flen(-0.5, 3)] == \
        [len(vantix.fcha(3.14159, 2)), len(vantix.fcha(12.5, -1)), len(vantix.fcha(-0.5, 3))] == [4, 2, 6]


def test_dattim_returns_the_banner_date_and_time(run):
    out = run("print(v.dattim('', ''))", env={"SOURCE_DATE_EPOCH": "1700000000"})
    assert out.stdout.strip() == "('14.11.2023', '22:13:20')"


def test_symfil_hands_the_finished_file_to_a_command(run, tmp_path):
    log = tmp_path / "seen.txt"
    script = tmp_path / "record.sh"
    script.write_text(f"#!/bin/sh\nwc -c < \"$2\" > {log}\necho \"$1\" >> {log}\n")
    script.chmod(0o755)
    run(f"""
        v.metafl("SVG"); v.setfil("kept.svg"); v.symfil("{script} first arg", "KEEP")
        v.vtxini(); v.vtxfin()
        v.metafl("SVG"); v.setfil("gone.svg"); v.symfil("{script} x", "DELE")
        v.vtxini(); v.vtxfin()
        v.metafl("SVG"); v.setfil("plain.svg"); v.symfil("none", "KEEP")
        v.vtxini(); v.vtxfin()
    """)
    assert (tmp_path / "kept.svg").exists() and (tmp_path / "plain.svg").exists()
    assert not (tmp_path / "gone.svg").exists()       # deleted after the command had read it
    size, first = log.read_text().split()[:2]
    assert int(size) > 100 and first == "x"


def test_user_points_to_plot_coordinates(run):
    out = run("""
        v.metafl("VIRT"); v.vtxini()
        v.axspos(500, 1500); v.axslen(1000, 1000)
        v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
        print(v.pos2pt(5., 5.), v.x2dpos(10., 0.), v.y2dpos(0., 10.))
        x, y = [0., 2.5], [0., 10.]
        v.trfrel(x, y, 2)
        print(x, y)
        v.endgrf(); v.polar(1., 0., 0.2, 0., 30.)
        print(v.pos2pt(1., 0.)); v.pagorg("BOTT"); print(v.pos2pt(1., 0.))
    """)
    lines = out.stdout.splitlines()
    assert lines[0] == "(999.5, 1000.5) 1499.0 501.0"
    assert lines[1] == "[500.0, 749.75] [1500.0, 501.0]"
    # polar systems go through their own branch; pagorg BOTT counts y from below
    (x, y), (xb, yb) = eval(lines[2]), eval(lines[3])
    assert x == 1499.5 and (xb, yb) == (x, 2099 - y)


def test_chnatt_walks_the_cycles_and_resatt_restarts_them(run):
    out = run("""
        v.metafl("VIRT"); v.vtxini()
        v.clrcyc(2, 40); v.clrcyc(3, 50); v.lincyc(2, 4); v.lincyc(3, 5)
        def state(): print(v.getclr(), v.gettyp(), v.getsym()[0])
        v.chnatt(); state(); v.chnatt(); state()
        v.resatt(); v.chnatt(); state()
    """)
    assert out.stdout.splitlines()[:3] == ["40 4 1", "50 5 2", "40 4 1"]
