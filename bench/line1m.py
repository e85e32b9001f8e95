"""Benchmark (not a test): whole-process times of a curve of 1,000,000 points
on a labelled axis system (PNG and EPS) and of a small plot (axes, three
curves of 100 points, legend, title; PNG), against matplotlib in the same run
when it is installed.

    PYTHONPATH=build/python /usr/bin/python3 bench/line1m.py [repeats]

Each case runs in a fresh interpreter, so start-up and module import count,
as they do for a user; the best of the repeats is reported.
"""
import os
import subprocess
import sys
import tempfile
import time

PYTHON = "/usr/bin/python3"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

DATA = """
import numpy as np
n = 1000000
x = np.linspace(0.0, 100.0, n)
y = np.sin(x) * np.exp(-x / 50.0) + 0.1 * np.sin(37.0 * x)
"""

VANTIX_LINE = DATA + """
import vantix as v
v.metafl(%(device)r); v.setfil(%(file)r); v.filmod('dele')
v.vtxini(); v.errmod('protocol', 'off')
v.name('time', 'x'); v.name('signal', 'y')
v.titlin('One million points', 1)
v.graf(0., 100., 0., 20., -1.5, 1.5, -1.5, 0.5)
v.title()
v.curve(x, y, n)
v.vtxfin()
"""

VANTIX_SMALL = """
import math
import vantix as v
v.metafl('png'); v.setfil(%(file)r); v.filmod('dele')
v.vtxini(); v.errmod('protocol', 'off')
v.name('x', 'x'); v.name('y', 'y')
v.titlin('Three curves', 1)
v.graf(0., 10., 0., 2., -1.5, 1.5, -1.5, 0.5)
v.title()
v.legini('', 3, 10)
xs = [0.1 * i for i in range(100)]
for k, (text, f) in enumerate((('sin', math.sin), ('cos', math.cos), ('damped', lambda t: math.exp(-t / 3)))):
    v.leglin('', text, k + 1)
    v.color(('red', 'green', 'blue')[k])
    v.curve(xs, [f(t) for t in xs], 100)
v.color('fore')
v.legend('', 7)
v.vtxfin()
"""

MPL_LINE = DATA + """
import matplotlib
matplotlib.use('Agg')
import matplotlib.pyplot as plt
fig, ax = plt.subplots(figsize=(11.69, 8.27), dpi=73)
ax.plot(x, y, linewidth=0.5)
ax.set_xlabel('time'); ax.set_ylabel('signal'); ax.set_title('One million points')
ax.set_xlim(0, 100); ax.set_ylim(-1.5, 1.5)
fig.savefig(%(file)r)
"""

MPL_SMALL = """
import math
import matplotlib
matplotlib.use('Agg')
import matplotlib.pyplot as plt
fig, ax = plt.subplots(figsize=(11.69, 8.27), dpi=73)
xs = [0.1 * i for i in range(100)]
for text, f in (('sin', math.sin), ('cos', math.cos), ('damped', lambda t: math.exp(-t / 3))):
    ax.plot(xs, [f(t) for t in xs], label=text)
ax.set_xlabel('x'); ax.set_ylabel('y'); ax.set_title('Three curves')
ax.legend(loc='upper right')
fig.savefig(%(file)r)
"""


def timed(code, workdir, repeats):
    env = dict(os.environ)
    env["PYTHONPATH"] = os.pathsep.join(p for p in (os.path.join(ROOT, "build", "python"),
                                                    env.get("PYTHONPATH", "")) if p)
    best = None
    for _ in range(repeats):
        start = time.perf_counter()
        proc = subprocess.run([PYTHON, "-c", code], cwd=workdir, env=env, capture_output=True, text=True)
        elapsed = time.perf_counter() - start
        if proc.returncode != 0:
            raise SystemExit("benchmark case failed:\n" + proc.stderr[-2000:])
        best = elapsed if best is None else min(best, elapsed)
    return best


def have_matplotlib():
    return subprocess.run([PYTHON, "-c", "import matplotlib"], capture_output=True).returncode == 0


def main():
    repeats = int(sys.argv[1]) if len(sys.argv) > 1 else 3
    cases = [
        ("1M-point curve, PNG", VANTIX_LINE % {"device": "png", "file": "line.png"}, MPL_LINE % {"file": "line.png"}),
        ("1M-point curve, EPS", VANTIX_LINE % {"device": "eps", "file": "line.eps"}, MPL_LINE % {"file": "line.eps"}),
        ("small plot, PNG", VANTIX_SMALL % {"file": "small.png"}, MPL_SMALL % {"file": "small.png"}),
    ]
    mpl = have_matplotlib()
    if not mpl:
        print("matplotlib is not installed (python3-matplotlib): VANTIX times only")
    print("%-22s %12s %12s %8s" % ("case", "vantix [s]", "mpl [s]", "mpl/vtx"))
    with tempfile.TemporaryDirectory() as work:
        for label, vantix_code, mpl_code in cases:
            t_v = timed(vantix_code, work, repeats)
            if mpl:
                t_m = timed(mpl_code, work, repeats)
                print("%-22s %12.3f %12.3f %8.2f" % (label, t_v, t_m, t_m / t_v))
            else:
                print("%-22s %12.3f %12s %8s" % (label, t_v, "-", "-"))


if __name__ == "__main__":
    main()
