"""Device numbers stay in the device table, the drivers and the composition
root; everywhere else the library asks the table for a capability."""
import pathlib
import re

# Paths (relative to the project, folders ending in "/") where device numbers
# may appear. The composition root is listed here and nowhere else.
ALLOWED = [
    "src/core/devices.def",
    "src/core/devices.h",
    "src/core/devices.cpp",
    "src/device/drivers/",
    "src/session/",
]

ROOT = pathlib.Path(__file__).resolve().parents[2]
SOURCES = ("*.cpp", "*.h", "*.def")
CONTEXT = 6  # lines: a switch over the device and its cases, a local copy of the device number


def device_numbers():
    table = (ROOT / "src/core/devices.def").read_text()
    numbers = {int(n) for n in re.findall(r"^DEVICE\((\d+),", table, re.M)}
    numbers |= {int(n) for n in re.findall(r'^DEVICE_KEYWORD\("[^"]*", (\d+)\)', table, re.M)}
    return numbers


def allowed(relative):
    return any(relative == a or (a.endswith("/") and relative.startswith(a)) for a in ALLOWED)


def code_lines(path):
    for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
        yield number, re.sub(r"//.*", "", line)


def device_number_uses(numbers, root=ROOT):
    literal = "|".join(str(n) for n in sorted(numbers, reverse=True))
    compared = re.compile(
        r"(?:==|!=|<=|>=|[<>=]|\bcase)\s*(?:%s)(?![\w.])|(?<![\w.])(?:%s)\s*(?:==|!=|<=|>=|[<>])" % (literal, literal))
    # any integer compared with or computed from something named after a device
    named = re.compile(r"[dD]evice\w*(?:\.\w+)*\s*(?:==|!=|<=|>=|[<>+-])\s*[1-9]\d*(?![\w.])"
                       r"|(?<![\w.])[1-9]\d*\s*(?:==|!=|<=|>=|[<>])\s*\w*[dD]evice")
    found = []
    for path in sorted(p for pattern in SOURCES for p in (root / "src").rglob(pattern)):
        relative = path.relative_to(root).as_posix()
        if allowed(relative) or "/generated/" in relative:
            continue
        recent = []  # a device named in the last lines makes a compared table number suspect
        for number, line in code_lines(path):
            recent = (recent + ["evice" in line])[-CONTEXT:]
            if named.search(line) or (any(recent) and compared.search(line)):
                found.append("%s:%d: %s" % (relative, number, line.strip()))
    return found


def test_the_table_lists_the_devices_the_test_looks_for():
    numbers = device_numbers()
    assert {201, 511, 604, 801} <= numbers
    assert all(0 < n < 1000 for n in numbers)


def test_no_device_number_outside_the_table_the_drivers_and_the_root():
    assert device_number_uses(device_numbers()) == []


def test_the_check_finds_the_forms_a_device_test_takes(tmp_path):
    numbers = device_numbers()
    samples = [
        "if (g.ctl.device == 511) return;",
        "bool ps(int device) { return device >= 501 && device <= 600; }",
        "constexpr int kDeviceWmf = 221;",
        "const bool d = (dev >= 501) || device_kind == 801;",
        "switch (g.ctl.device) {\n  case 801:\n    break;\n}",
        "const int d = g.ctl.device;\nconst bool fonts = (d >= 501 && d <= 600) || d == 801;",
    ]
    source = tmp_path / "src" / "graph2d" / "probe.cpp"
    source.parent.mkdir(parents=True)
    for sample in samples:
        source.write_text(sample + "\n")
        assert device_number_uses(numbers, tmp_path), sample
    # flags and scales named after the device, and table numbers far from any device
    for sample in ["g->ctl.deviceChosen = 1;\nif (g.out.deviceScale > 0.0f) return;", "int n = 511;"]:
        source.write_text(sample + "\n")
        assert device_number_uses(numbers, tmp_path) == [], sample
