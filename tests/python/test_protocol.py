"""Warnings, protocol switches and destinations, the end banner, the usage log."""
import os
import re

BANNER = [
    "",
    " <<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<<",
    " <<                END OF VANTIX / VERSION  8.2                  <<",
    r" <<  Date    : \d\d\.\d\d\.\d{4}  Time    : \d\d:\d\d:\d\d  Pageformat: DA4L  <<",
    r" <<  Vectors : 0           Warnings: (\d+) +Fileformat: (.{4})  <<",
]


def banner_of(stdout):
    start = stdout.index("\n <<<<<<<<")
    return stdout[start:].split("\n")


def test_every_line_of_the_end_banner(run):
    out = run("""
        v.metafl("post"); v.vtxini(); v.reset("xyz"); v.vtxfin()
    """)
    lines = banner_of(out.stdout)
    for pattern, line in zip(BANNER, lines):
        assert re.fullmatch(pattern, line), line
    assert re.fullmatch(BANNER[4], lines[4]).groups() == ("1", "POST")
    assert lines[5] == " <<  Metafile: vantix.psc                                        <<"
    assert lines[6] == BANNER[1]
    assert lines[7:] == ["", ""]
    assert all(len(l) == 67 for l in lines[1:7])


def test_banner_without_a_plot_file_names_no_file(run):
    out = run("""
        v.metafl("cons"); v.vtxini(); v.vtxfin()
    """)
    assert " <<  Metafile:                                                   <<" in out.stdout


def test_warnings_off_still_count(run):
    out = run("""
        v.vtxini(); v.errmod("warn", "off"); v.reset("xyz"); v.reset("abc"); v.vtxfin()
    """)
    assert out.warnings() == []
    assert "Warnings: 2 " in out.stdout


def test_protocol_off_suppresses_the_banner(run):
    out = run("""
        v.vtxini(); v.errmod("PROT", "OFF"); v.reset("xyz"); v.vtxfin()
    """)
    assert out.stdout == " <<<< Warning   2: Incorrect parameter in RESET!   (XYZ)\n"


def test_unit_zero_suppresses_warnings_and_banner_but_counts(run):
    out = run("""
        v.vtxini(); v.unit(0); v.reset("xyz"); print("between", flush=True); v.unit(6); v.vtxfin()
    """)
    assert out.warnings() == []
    assert out.stdout.startswith("between\n")
    assert "Warnings: 1 " in out.stdout
    out = run("""
        v.vtxini(); v.unit(0); v.vtxfin()
    """)
    assert out.stdout == ""


def test_protocol_file_is_deleted_when_empty(run, tmp_path):
    out = run("""
        v.errdev("FILE"); v.vtxini(); v.vtxfin()
    """)
    assert not (tmp_path / "vantix.err").exists()
    assert "Err-file" not in out.stdout
    assert "Metafile: vantix.met" in out.stdout


def test_protocol_file_keeps_warnings_and_the_banner_names_it(run, tmp_path):
    out = run("""
        v.errdev("FILE"); v.errfil("run.log"); v.vtxini(); v.reset("xyz"); print(v.getuni()); v.vtxfin()
        v.reset("abc")
    """)
    assert (tmp_path / "run.log").read_text() == " <<<< Warning   2: Incorrect parameter in RESET!   (XYZ)\n"
    lines = banner_of(out.stdout)
    assert lines[5] == " <<  Metafile: vantix.met                                        <<"
    assert lines[6] == " <<  Err-file: run.log                                           <<"
    assert out.stdout.startswith("17\n")
    # after vtxfin the protocol is standard output again; reset still runs after its level warning
    assert out.warnings() == [" <<<< Warning   3: Incorrect level in RESET!   (   0)",
                              " <<<< Warning   2: Incorrect parameter in RESET!   (ABC)"]


def test_window_application_and_terminal_output_use_a_protocol_file(run, tmp_path):
    run("""
        v.winapp("wind"); v.vtxini(); v.reset("xyz"); v.vtxfin()
    """)
    assert (tmp_path / "vantix.err").exists()


def test_usage_log_is_written_once_per_process(run, install_dir):
    run("""
        v.vtxini(); v.vtxfin(); v.vtxini(); v.vtxfin()
    """, env={"LOGNAME": "tester"})
    lines = (install_dir / "vantix.log").read_text().splitlines()
    assert len(lines) == 1
    assert re.fullmatch(r"tester       \d\d\.\d\d\.\d{4}  \d\d:\d\d:\d\d  8\.2  c", lines[0])


def test_usage_log_falls_back_to_user_then_unknown(run, install_dir):
    run("v.vtxini(); v.vtxfin()", env={"LOGNAME": "", "USER": "someone"})
    run("v.vtxini(); v.vtxfin()", env={"LOGNAME": "", "USER": ""})
    names = [l.split()[0] for l in (install_dir / "vantix.log").read_text().splitlines()]
    assert names == ["someone", "unknown"]


def test_missing_installation_directory_is_silent(run, tmp_path):
    out = run("v.vtxini(); v.vtxfin()", env={"VANTIX": str(tmp_path / "missing")})
    assert out.warnings() == []
