"""With SOURCE_DATE_EPOCH set, two runs of one plot give byte-identical files."""
import time

FILE_DEVICES = ["TEKT", "LN03", "VXMETA", "CGM", "KYOC", "HPGL", "POST", "PSCL", "EPS", "PS", "PDF",
                "TIFF", "IMAG", "PNG", "PPM", "BMP", "GIF", "JAVA", "SVG"]

PLOTS = """
for device in {devices!r}:
    v.metafl(device); v.setfil("plot." + device.lower()); v.filmod("DELETE")
    v.vtxini()
    v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
    v.curve([0., 5., 10.], [1., 9., 4.], 3)
    v.messag("stamped", 300, 300)
    v.vtxfin()
""".format(devices=FILE_DEVICES)


def test_two_runs_give_identical_files_on_every_file_device(run, tmp_path):
    epoch = {"SOURCE_DATE_EPOCH": "1700000000"}
    first = run(PLOTS, env=epoch)
    files = {d: (tmp_path / ("plot." + d.lower())).read_bytes() for d in FILE_DEVICES}
    assert all(files.values())
    time.sleep(1.1)   # the clock moves on; the files must not
    second = run(PLOTS, env=epoch)
    for device in FILE_DEVICES:
        assert (tmp_path / ("plot." + device.lower())).read_bytes() == files[device], device
    # The banners take their stamp from the same moment, in UTC.
    assert "14.11.2023  Time    : 22:13:20" in first.stdout and first.stdout == second.stdout
