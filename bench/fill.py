"""Filling benchmark: 10,000 random polygons, half solid (the device's own
fill) and half hatched (software scan lines), written to EPS. Prints the time
per polygon, and matplotlib's time for the same polygons when it is installed.

    PYTHONPATH=build/python python3 bench/fill.py [count]
"""
import os
import random
import sys
import tempfile
import time

COUNT = int(sys.argv[1]) if len(sys.argv) > 1 else 10000
VERTICES = 8


def polygons(seed=1):
    rng = random.Random(seed)
    result = []
    for _ in range(COUNT):
        cx, cy, r = rng.randint(200, 2700), rng.randint(200, 1900), rng.randint(20, 150)
        xs = [cx + rng.randint(-r, r) for _ in range(VERTICES)]
        ys = [cy + rng.randint(-r, r) for _ in range(VERTICES)]
        result.append((xs, ys))
    return result


def bench_vantix(polys, out):
    import vantix as v
    v.metafl("eps")
    v.setfil(out)
    v.vtxini()
    v.unit(0)
    v.noarln()
    start = time.perf_counter()
    for i, (xs, ys) in enumerate(polys):
        v.shdpat(16 if i % 2 == 0 else 1 + i % 15)
        v.areaf(xs, ys, VERTICES)
    v.vtxfin()
    return time.perf_counter() - start


def bench_matplotlib(polys, out):
    try:
        import matplotlib
        matplotlib.use("Agg")
        import matplotlib.pyplot as plt
        from matplotlib.patches import Polygon
    except ImportError:
        return None
    start = time.perf_counter()
    fig, ax = plt.subplots(figsize=(11.69, 8.27))
    ax.set_xlim(0, 2970)
    ax.set_ylim(2100, 0)
    hatches = ["/", "\\", "x", "-", "|", "+"]
    for i, (xs, ys) in enumerate(polys):
        ax.add_patch(Polygon(list(zip(xs, ys)), closed=True, fill=i % 2 == 0,
                             hatch=None if i % 2 == 0 else hatches[i % len(hatches)], linewidth=0))
    fig.savefig(out, format="eps")
    plt.close(fig)
    return time.perf_counter() - start


def main():
    polys = polygons()
    with tempfile.TemporaryDirectory() as tmp:
        t = bench_vantix(polys, os.path.join(tmp, "fill.eps"))
        size = os.path.getsize(os.path.join(tmp, "fill.eps"))
        print("vantix:     %8.1f us per polygon (%d polygons, %.1f MB EPS)" % (t / COUNT * 1e6, COUNT, size / 1e6))
        m = bench_matplotlib(polys, os.path.join(tmp, "mpl.eps"))
        if m is not None:
            print("matplotlib: %8.1f us per polygon" % (m / COUNT * 1e6))


if __name__ == "__main__":
    main()
