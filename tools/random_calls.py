#!/usr/bin/python3
"""Random calls with extreme arguments, against the sanitizer build or the plain one.

Each run is a short plot: a few random calls, an axis system (plain, log,
polar or date), a few more random calls, a curve, a text and a legend. The
arguments are picked from integers and floats at the edges of their types.
A run that stops with a sanitizer report, dies, takes longer than the
timeout, or writes a file that its independent reader rejects is printed
with its script so that it can be replayed by hand.

    make test-asan            # builds build-asan once
    tools/random_calls.py [--build build-asan] [--seed 1] [--runs 100]
"""
import argparse
import os
import random
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Window, widget, cursor and file routines wait for input or touch files.
SKIPPED = re.compile(r"^(wg|swg|gwg|dwg|csr)|^(vtxini|vtxfin|erase|newpag|opnwin|selwin|clswin|unit|sendbf|disfin|"
                     r"endgrf|msgbox|setxid|metafl|setfil|errfil|winapp|x11mod|system|readfl|writfl|openfl|closfl|"
                     r"tellfl|skipfl|symfil|txtbox|dtxtbx|rbfpng|pdfbuf|rpng|rbmp|rgif|rppm|rtiff|rimage)$")
INTS = [0, 1, -1, 2, 7, 100, 600, 1000, 10000, 32767, 32768, 65536, 16777217, 2**31 - 2, 2**31 - 1, -2**31 + 1,
        -2**31]
FLOATS = ["0.0", "1.0", "-1.0", "0.5", "1e-45", "3.4e38", "-3.4e38", "1e7", "-1e7", "2147483648.0",
          "-2147483649.0", "1e30", "90.0", "360.0", "nan", "inf"]
STRINGS = ["XY", "X", "Y", "XYZ", "FLOAT", "EXP", "LOG", "ON", "DATE", "TIME", "AUTO", "NONE", "A", "",
           "Gr\u00f6\u00dfe", "\u65e5\u672c\u8a9e \u20ac", "a\x00b", "X" * 300, "%s%n{}\\"]
# Sequence arguments: mostly short, sometimes empty, one item, or large.
SIZES = [6] * 8 + [0, 1, 2, 100000]
DEVICES = ["PS", "VIRT", "VXME", "SVG", "PDF", "HPGL", "PNG"]


def routines():
    text = open(os.path.join(ROOT, "src", "binding", "routines.def")).read()
    rows = re.findall(r'^(?:ROUTINE|CUSTOM)\((\w+), (Scalar|ArrayIn|Function|Bytes|ArrayOut), "([ifsO]*)"', text,
                      re.M)
    return [(name, letters) for name, family, letters in rows if letters and not SKIPPED.search(name)]


def argument(rnd, letter):
    if letter == "i":
        return repr(rnd.choice(INTS))
    if letter == "f":
        return rnd.choice(FLOATS)
    if letter == "s":
        return repr(rnd.choice(STRINGS))
    size = rnd.choice(SIZES)
    if size > 100:
        return "[%s] * %d" % (rnd.choice(FLOATS), size)
    return "[%s]" % ", ".join(rnd.choice(FLOATS[:12] + ["2.0", "3.0", "5.0"]) for _ in range(size))


def script(rnd, rows, out):
    calls = ["v.%s(%s)" % (name, ", ".join(argument(rnd, c) for c in letters))
             for name, letters in (rnd.choice(rows) for _ in range(8))]
    f = lambda: rnd.choice(FLOATS)
    axes = rnd.choice([
        "v.graf(0.0, 10.0, 0.0, 2.0, 0.0, 10.0, 0.0, 2.0)",
        "v.scale('LOG', 'XY'); v.graf(%s, %s, %s, 1.0, -3.0, 3.0, -3.0, 1.0)" % (f(), f(), f()),
        "v.polar(%s, 0.0, %s, 0.0, %s)" % (f(), f(), f()),
        "v.basdat(1, 1, 2000); v.labels('DATE', 'X'); v.ticmod('DAYS', 'X'); "
        "v.graf(%s, %s, %s, %s, 0.0, 10.0, 0.0, 2.0)" % (f(), f(), f(), f()),
    ])
    device = rnd.choice(DEVICES)
    guarded = lambda part: "\n".join("try: %s\nexcept Exception: pass" % c for c in part)
    return device, "\n".join([
        "import vantix as v",
        "nan, inf = float('nan'), float('inf')",
        "v.metafl(%r); v.filmod('DELETE'); v.setfil(%r); v.unit(0); v.vtxini()" % (device, out),
        guarded(calls[:4]), axes, guarded(calls[4:]),
        "v.curve([1.0, 5.0, 9.0], [1.0, 8.0, 2.0], 3); v.messag('Ab', 100, 100)",
        "v.legini('', 1, 5); v.legend('', 3); v.box2d(); v.vtxfin()",
    ]) + "\n"


# Independent readers of the files the devices write; a file they reject is a failure.
READERS = {
    "PS": ["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=nullpage"],
    "SVG": ["xmllint", "--noout"],
    "PDF": ["qpdf", "--check"],
    "PNG": ["pngcheck", "-q"],
}


checked = 0


def rejected(device, path):
    global checked
    reader = READERS.get(device)
    if not reader or not os.path.exists(path):
        return None
    checked += 1
    proc = subprocess.run(reader + [path], capture_output=True, text=True)
    return None if proc.returncode == 0 else (proc.stdout + proc.stderr)[-300:]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build-asan"))
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--runs", type=int, default=100)
    parser.add_argument("--timeout", type=float, default=30.0)
    options = parser.parse_args()
    options.build = os.path.abspath(options.build)

    env = dict(os.environ, PYTHONPATH=os.path.join(options.build, "python"), PYTHONMALLOC="malloc",
               ASAN_OPTIONS="detect_leaks=0:abort_on_error=1", UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1")
    env.pop("DISPLAY", None)
    if os.path.exists(os.path.join(options.build, "CMakeCache.txt")) and "VANTIX_SANITIZE:BOOL=ON" in open(
            os.path.join(options.build, "CMakeCache.txt")).read():
        # The interpreter is not instrumented: the sanitizer runtimes are preloaded.
        runtimes = [subprocess.check_output(["g++", "-print-file-name=" + lib], text=True).strip()
                    for lib in ("libasan.so", "libubsan.so")]
        env["LD_PRELOAD"] = " ".join(runtimes)

    rows, rnd, found = routines(), random.Random(options.seed), 0
    with tempfile.TemporaryDirectory() as work:
        for run in range(options.runs):
            out = os.path.join(work, "plot")
            if os.path.exists(out):
                os.remove(out)
            device, code = script(rnd, rows, out)
            try:
                proc = subprocess.run([sys.executable, "-c", code], cwd=work, env=env, capture_output=True,
                                      text=True, encoding="latin-1", timeout=options.timeout)
                if proc.returncode == 0:
                    problem = rejected(device, out)
                    if problem is None:
                        continue
                    print("run %d of seed %d wrote a %s file its reader rejects: %s" % (run, options.seed, device,
                                                                                      problem))
                    print(code)
                    found += 1
                    continue
                reports = [l for l in proc.stderr.splitlines() if "runtime error" in l or "ERROR" in l]
                print("run %d of seed %d failed: %s" % (run, options.seed, reports[:2] or proc.stderr[-300:]))
            except subprocess.TimeoutExpired:
                print("run %d of seed %d timed out" % (run, options.seed))
            print(code)
            found += 1
    print("%d of %d runs failed; %d files checked by their readers" % (found, options.runs, checked))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
