"""Benchmark runner (not a test): the standard scenarios for vantix and the
peers installed on this machine, in one run.

    PYTHONPATH=build/python /usr/bin/python3 bench/run.py [--repeats N] [--json FILE] [--only B1,B2]

Every cell (scenario x tool x repetition) is a fresh interpreter; within a
repetition the tools take turns, so that a slow phase of the machine hits
all of them alike. Render scenarios time themselves from the first drawing
call to the closed file (no import, no data generation) and print the
seconds; whole-process scenarios are timed from outside. The table shows
the medians and the ratio vantix / peer; the JSON file keeps every sample.

Peers: matplotlib (Agg; Debian python3-matplotlib) always; PLplot (Debian
python3-plplot and plplot-driver-cairo, the cairo PNG and PDF drivers) when
it can be imported, timed like matplotlib; gnuplot when its program is
installed (render scenarios, timed from outside minus an empty run). Scenarios whose vantix routines do not exist yet are reported as
"not yet".
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

PYTHON = "/usr/bin/python3"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# --- data shared by both tools (generated before the clock starts) ---------

LINE_DATA = """
import numpy as np
n = 1000000
x = np.linspace(0.0, 100.0, n)
y = np.sin(x) * np.exp(-x / 50.0) + 0.1 * np.sin(37.0 * x)
"""

SCATTER_DATA = """
import numpy as np
rng = np.random.default_rng(1)
n = 100000
x = rng.uniform(0.0, 10.0, n)
y = rng.normal(5.0, 1.6, n).clip(0.0, 10.0)
"""

GRID_DATA = """
import numpy as np
nx = ny = 400
x = np.linspace(0.0, 10.0, nx)
y = np.linspace(0.0, 10.0, ny)
X, Y = np.meshgrid(x, y, indexing='ij')
z = np.sin(X) * np.cos(Y) + 0.1 * X
levels = np.linspace(float(z.min()), float(z.max()), 12)
"""

GRID500_DATA = GRID_DATA.replace("nx = ny = 400", "nx = ny = 500").replace(", 12)", ", 10)")
GRID1000_DATA = GRID_DATA.replace("nx = ny = 400", "nx = ny = 1000")
MESH_DATA = """
import numpy as np
n = 100
x = np.linspace(-3.0, 3.0, n)
y = np.linspace(-3.0, 3.0, n)
X, Y = np.meshgrid(x, y, indexing='ij')
R = np.hypot(X, Y)
z = np.sin(1.5 * R) / (1.0 + 0.3 * R)
"""

CLOCK = "import time\nt0 = time.perf_counter()\n"
STOP = "print('%.6f' % (time.perf_counter() - t0))\n"

VANTIX_HEAD = """
import vantix as v
""" + "{data}" + CLOCK + """
v.metafl({device!r}); v.setfil({file!r}); v.filmod('dele')
v.vtxini(); v.errmod('protocol', 'off')
"""

MPL_HEAD = """
import matplotlib
matplotlib.use('Agg')
import matplotlib.pyplot as plt
""" + "{data}" + CLOCK

PLPLOT_HEAD = """
import plplot as pl
""" + "{data}" + CLOCK


def plplot_open(device, file):
    return "pl.plsdev(%r); pl.plsfnam(%r); pl.plsetopt('geometry', '853x603'); pl.plinit()\n" % (device, file)


# PLplot's nearest equivalents: plpoin's filled dot for the symbols, plcont,
# plshades, plimage (no colour bar) and plmesh, which hides lines itself.
PLPLOT = {
    "B1": "pl.plenv(0., 100., -1.5, 1.5, 0, 0); pl.pllab('time', 'signal', ''); pl.plline(x, y); pl.plend()\n",
    "B2": "pl.plenv(0., 10., 0., 10., 0, 0); pl.plssym(0., 2.0); pl.plpoin(x, y, 17); pl.plend()\n",
    "B3": "pl.plenv(0., 10., 0., 10., 0, 0); pl.plcont(z, levels, pl.pltr1, x, y); pl.plend()\n",
    "B4": "pl.plenv(0., 10., 0., 10., 0, 0)\n"
          "pl.plshades(z, 0., 10., 0., 10., levels, 1., 0, 0., 1, None, None); pl.plend()\n",
    "B5": "pl.plenv(0., 10., 0., 10., 0, 0)\n"
          "pl.plimage(z, 0., 10., 0., 10., float(z.min()), float(z.max()), 0., 10., 0., 10.); pl.plend()\n",
    "B6": "pl.pladv(0); pl.plvpor(0., 1., 0., 0.9); pl.plwind(-1., 1., -0.9, 1.1)\n"
          "pl.plw3d(1., 1., 1., -3., 3., -3., 3., -1., 1., 33., 24.)\n"
          "pl.plbox3('bnstu', 'x', 0., 0, 'bnstu', 'y', 0., 0, 'bcdmnstuv', 'z', 0., 0)\n"
          "pl.plmesh(x, y, z, pl.DRAW_LINEXY); pl.plend()\n",
    "B7": "import math\nxs = [0.1 * i for i in range(100)]\n"
          "pl.plenv(0., 10., -1.5, 1.5, 0, 0); pl.pllab('x', 'y', 'Three curves')\n"
          "for f in (math.sin, math.cos):\n    pl.plline(xs, [f(t) for t in xs])\npl.plend()\n",
    "B8": "import math\nxs = [0.1 * i for i in range(100)]\n"
          "for page in range(100):\n"
          "    pl.plenv(0., 10., -1.5, 1.5, 0, 0); pl.plline(xs, [math.sin(t + page) for t in xs])\npl.plend()\n",
}

# Each scenario: id, title, kind ('render' prints its own time, 'process' is
# timed from outside), the vantix routine it needs, and the two scripts.
SCENARIOS = [
    dict(id="B1", name="line1m (10^6 points, PNG)", kind="render", needs="curve", device="png", data=LINE_DATA,
         vantix="""
v.name('time', 'x'); v.name('signal', 'y')
v.graf(0., 100., 0., 20., -1.5, 1.5, -1.5, 0.5)
v.curve(x, y, n)
v.vtxfin()
""", mpl="""
fig, ax = plt.subplots(figsize=(11.69, 8.27), dpi=72.9)
ax.plot(x, y, lw=0.5); ax.set_xlabel('time'); ax.set_ylabel('signal')
fig.savefig({file!r})
"""),
    dict(id="B2", name="scatter100k (filled circles, PNG)", kind="render", needs="curve", device="png",
         data=SCATTER_DATA, vantix="""
v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
v.incmrk(-1); v.marker(21)
v.curve(x, y, n)
v.vtxfin()
""", mpl="""
fig, ax = plt.subplots(figsize=(11.69, 8.27), dpi=72.9)
ax.scatter(x, y, s=100, marker='o', linewidths=0)  # about the 36-unit symbol, 10 px
fig.savefig({file!r})
"""),
    dict(id="B3", name="contours 500x500, 10 levels (PDF)", kind="render", needs="contur", device="pdf",
         data=GRID500_DATA, vantix="""
v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
for lev in levels:
    v.contur(x, nx, y, ny, z.ravel(), float(lev))
v.vtxfin()
""", mpl="""
fig, ax = plt.subplots(figsize=(11.69, 8.27), dpi=72.9)
ax.contour(x, y, z.T, levels=levels)
fig.savefig({file!r})
"""),
    dict(id="B4", name="filled bands 500x500, 10 levels (PNG)", kind="render", needs="conshd", device="png",
         data=GRID500_DATA, vantix="""
v.graf(0., 10., 0., 2., 0., 10., 0., 2.)
v.conshd(x, nx, y, ny, z.ravel(), levels, len(levels))
v.vtxfin()
""", mpl="""
fig, ax = plt.subplots(figsize=(11.69, 8.27), dpi=72.9)
ax.contourf(x, y, z.T, levels=levels)
fig.savefig({file!r})
"""),
    dict(id="B5", name="colour plot 1000x1000 + bar (PNG)", kind="render", needs="crvmat", device="png",
         data=GRID1000_DATA, vantix="""
v.autres(nx, ny)
v.graf3(0., 10., 0., 2., 0., 10., 0., 2., float(z.min()), float(z.max()), float(z.min()), 0.5)
v.crvmat(z.ravel(), nx, ny, 1, 1)
v.vtxfin()
""", mpl="""
fig, ax = plt.subplots(figsize=(11.69, 8.27), dpi=72.9)
m = ax.pcolormesh(x, y, z.T, shading='nearest'); fig.colorbar(m)
fig.savefig({file!r})
"""),
    dict(id="B6", name="mesh surface 100x100, hidden lines (PNG)", kind="render", needs="surfce", device="png",
         data=MESH_DATA, vantix="""
v.graf3d(-3., 3., -3., 1., -3., 3., -3., 1., -1., 1., -1., 0.5)
v.surfce(x, n, y, n, z.ravel())
v.vtxfin()
""", mpl="""
fig = plt.figure(figsize=(11.69, 8.27), dpi=72.9)
ax = fig.add_subplot(projection='3d')
X, Y = np.meshgrid(x, y, indexing='ij')
ax.plot_surface(X, Y, z, rstride=1, cstride=1, color='w', edgecolor='k', linewidth=0.3)
fig.savefig({file!r})
"""),
    dict(id="B7", name="small plot (PDF, whole process)", kind="process", needs="curve", device="pdf", data="",
         vantix="""
import math
v.name('x', 'x'); v.name('y', 'y'); v.titlin('Three curves', 1)
v.graf(0., 10., 0., 2., -1.5, 1.5, -1.5, 0.5); v.title()
xs = [0.1 * i for i in range(100)]
for f in (math.sin, math.cos):
    v.curve(xs, [f(t) for t in xs], 100)
v.vtxfin()
""", mpl="""
import math
fig, ax = plt.subplots(figsize=(11.69, 8.27))
xs = [0.1 * i for i in range(100)]
for f in (math.sin, math.cos):
    ax.plot(xs, [f(t) for t in xs])
ax.set_title('Three curves'); ax.set_xlabel('x'); ax.set_ylabel('y')
fig.savefig({file!r})
"""),
    dict(id="B8", name="100 pages (PDF, whole process)", kind="process", needs="curve", device="pdf", data="",
         vantix="""
import math
xs = [0.1 * i for i in range(100)]
for page in range(100):
    if page: v.newpag()
    v.graf(0., 10., 0., 2., -1.5, 1.5, -1.5, 0.5)
    v.curve(xs, [math.sin(t + page) for t in xs], 100)
    v.endgrf()
v.vtxfin()
""", mpl="""
import math
from matplotlib.backends.backend_pdf import PdfPages
xs = [0.1 * i for i in range(100)]
with PdfPages({file!r}) as pdf:
    for page in range(100):
        fig, ax = plt.subplots(figsize=(11.69, 8.27))
        ax.plot(xs, [math.sin(t + page) for t in xs])
        pdf.savefig(fig); plt.close(fig)
"""),
]

IMPORT_SCRIPTS = {
    "vantix": CLOCK + "import vantix\n" + STOP,
    "plplot": CLOCK + "import plplot\n" + STOP,
    "matplotlib": CLOCK + "import matplotlib\nmatplotlib.use('Agg')\nimport matplotlib.pyplot\n" + STOP,
}

GNUPLOT = {
    "B1": "set terminal pngcairo size 853,603\nset output '{file}'\n"
          "plot '{data}' binary format='%float64%float64' with lines notitle\n",
    "B2": "set terminal pngcairo size 853,603\nset output '{file}'\n"
          "plot '{data}' binary format='%float64%float64' with points pt 7 ps 0.4 notitle\n",
    "B6": "set terminal pngcairo size 853,603\nset output '{file}'\nset hidden3d\nunset key\n"
          "splot '{data}' with lines\n",
}

# Data files in another shape than x, y columns: the mesh as text rows of
# "x y z", one block per x value.
GNUPLOT_DATA = {
    "B6": "with open(path, 'w') as f:\n"
          "    for i in range(n):\n"
          "        f.write(''.join('%g %g %g\\n' % (x[i], y[j], z[i, j]) for j in range(n)) + '\\n')\n",
}


# The cells run in a temporary directory: a relative PYTHONPATH must not lose the module.
os.environ["PYTHONPATH"] = os.pathsep.join(os.path.abspath(p) for p in os.environ.get("PYTHONPATH", "").split(os.pathsep)
                                          if p)


def vantix_available():
    r = subprocess.run([PYTHON, "-c", "import vantix, sys; sys.stdout.write(' '.join(dir(vantix)))"],
                       capture_output=True, text=True)
    return set(r.stdout.split()) if r.returncode == 0 else set()


def run_python(script, cwd):
    start = time.perf_counter()
    r = subprocess.run([PYTHON, "-c", script], capture_output=True, text=True, cwd=cwd)
    wall = time.perf_counter() - start
    if r.returncode != 0:
        raise RuntimeError(r.stderr.strip().splitlines()[-1] if r.stderr.strip() else "exit %d" % r.returncode)
    return r.stdout.strip().splitlines()[-1] if r.stdout.strip() else "", wall


def build_cell(scenario, tool, cwd):
    """The command of one cell and how to read its time."""
    ext = scenario["device"]
    out = os.path.join(cwd, "%s_%s.%s" % (scenario["id"], tool, ext))
    if tool == "vantix":
        body = VANTIX_HEAD.format(data=scenario["data"], device=ext, file=out) + scenario["vantix"]
    elif tool == "plplot":
        body = (PLPLOT_HEAD.format(data=scenario["data"]) + plplot_open("pngcairo" if ext == "png" else "pdfcairo", out) +
                PLPLOT[scenario["id"]])
    else:
        body = MPL_HEAD.format(data=scenario["data"]) + scenario["mpl"].format(file=out)
    if scenario["kind"] == "render":
        body += STOP
    return body


def gnuplot_cell(scenario, cwd):
    """Whole gnuplot run minus an empty one: its closest equivalent of render time."""
    data = os.path.join(cwd, scenario["id"] + ".bin")
    if not os.path.exists(data):
        write = GNUPLOT_DATA.get(scenario["id"], "np.column_stack([x, y]).astype('<f8').tofile(path)\n")
        subprocess.run([PYTHON, "-c", scenario["data"] + "path = %r\n" % data + write], check=True)
    script = GNUPLOT[scenario["id"]].format(file=os.path.join(cwd, scenario["id"] + "_gnuplot.png"), data=data)
    times = []
    for text in ("", script):
        start = time.perf_counter()
        subprocess.run(["gnuplot"], input=text, text=True, capture_output=True, check=True)
        times.append(time.perf_counter() - start)
    return max(times[1] - times[0], 0.0)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--repeats", type=int, default=5)
    ap.add_argument("--json", default=os.path.join(ROOT, "bench", "results.json"))
    ap.add_argument("--only", default="", help="comma-separated scenario ids (B1..B9)")
    args = ap.parse_args()
    only = set(args.only.split(",")) if args.only else None

    routines = vantix_available()
    if not routines:
        sys.exit("vantix cannot be imported (set PYTHONPATH to build/python)")
    have_mpl = subprocess.run([PYTHON, "-c", "import matplotlib"], capture_output=True).returncode == 0
    have_gnuplot = shutil.which("gnuplot") is not None
    have_plplot = subprocess.run([PYTHON, "-c", "import plplot"], capture_output=True).returncode == 0
    tools = ["vantix"] + (["matplotlib"] if have_mpl else []) + (["plplot"] if have_plplot else [])
    cwd = tempfile.mkdtemp(prefix="vantix_bench_")

    samples = {}   # (scenario, tool) -> list of seconds
    status = {}    # scenario -> text for scenarios not measured
    todo = [s for s in SCENARIOS if only is None or s["id"] in only]
    for s in todo:
        if s["needs"] not in routines:
            status[s["id"]] = "not yet"
    for rep in range(args.repeats):
        for s in todo:
            if s["id"] in status:
                continue
            for tool in tools:
                try:
                    printed, wall = run_python(build_cell(s, tool, cwd), cwd)
                except RuntimeError as e:
                    status.setdefault(s["id"] + "/" + tool, "failed: %s" % e)
                    continue
                t = float(printed) if s["kind"] == "render" else wall
                samples.setdefault((s["id"], tool), []).append(t)
            if have_gnuplot and s["id"] in GNUPLOT:
                samples.setdefault((s["id"], "gnuplot"), []).append(gnuplot_cell(s, cwd))
        if only is None or "B9" in only:
            for tool in tools:
                printed, _ = run_python(IMPORT_SCRIPTS[tool], cwd)
                samples.setdefault(("B9", tool), []).append(float(printed))
        print("repetition %d of %d done" % (rep + 1, args.repeats), file=sys.stderr)

    peers = [t for t in ("matplotlib", "gnuplot", "plplot") if any(k[1] == t for k in samples)]
    names = [(s["id"], s["name"]) for s in todo] + ([("B9", "import")] if only is None or "B9" in only else [])
    header = "%-4s %-36s %10s" % ("", "scenario", "vantix s") + "".join(
        " %12s %8s" % (p + " s", "ratio") for p in peers)
    print(header)
    print("-" * len(header))
    result = {"repeats": args.repeats, "scenarios": {}}
    for sid, name in names:
        if sid in status:
            print("%-4s %-36s %10s" % (sid, name, status[sid]))
            result["scenarios"][sid] = {"name": name, "status": status[sid]}
            continue
        mine = samples.get((sid, "vantix"))
        row = "%-4s %-36s %10s" % (sid, name, "%.4f" % statistics.median(mine) if mine else "failed")
        entry = {"name": name, "samples": {}, "median": {}, "ratio": {}}
        if mine:
            entry["samples"]["vantix"], entry["median"]["vantix"] = mine, statistics.median(mine)
        for p in peers:
            theirs = samples.get((sid, p))
            if not theirs:
                row += " %12s %8s" % ("-", "-")
                continue
            m = statistics.median(theirs)
            entry["samples"][p], entry["median"][p] = theirs, m
            if mine and m > 0:
                entry["ratio"][p] = statistics.median(mine) / m
                row += " %12.4f %8.2f" % (m, entry["ratio"][p])
            else:
                row += " %12.4f %8s" % (m, "-")
        print(row)
        result["scenarios"][sid] = entry
    for key, text in status.items():
        if "/" in key:
            print("%s: %s" % (key, text))
    with open(args.json, "w") as f:
        json.dump(result, f, indent=1)
    print("saved %s" % args.json)


if __name__ == "__main__":
    main()
