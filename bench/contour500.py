"""Contour benchmark: 10 levels of a 500 x 500 grid drawn into a PDF file, and
matplotlib's contour of the same grid into a PDF in the same run when it is
installed. Prints both times (best of the repeats) and their ratio.

    PYTHONPATH=build/python /usr/bin/python3 bench/contour500.py [repeats]
"""
import math
import os
import sys
import tempfile
import time

import vantix as v

N = 500
LEVELS = 10
REPEATS = int(sys.argv[1]) if len(sys.argv) > 1 else 3


def grid():
    g = [-3.0 + 6.0 * i / (N - 1) for i in range(N)]
    # z(i, j) at i * N + j: x varies slowest
    z = [math.sin(a * 1.7) * math.cos(b * 1.3) + 0.2 * a * b for a in g for b in g]
    lo, hi = min(z), max(z)
    levels = [lo + (hi - lo) * (k + 0.5) / LEVELS for k in range(LEVELS)]
    return g, z, levels


def best(fn):
    times = []
    for _ in range(REPEATS):
        start = time.perf_counter()
        fn()
        times.append(time.perf_counter() - start)
    return min(times)


def vantix_plot(directory, g, z, levels):
    def run():
        path = os.path.join(directory, "vantix.pdf")
        if os.path.exists(path):
            os.remove(path)
        v.metafl("pdf"); v.setfil(path); v.vtxini(); v.errmod("prot", "off")
        v.graf(-3.0, 3.0, -3.0, 1.0, -3.0, 3.0, -3.0, 1.0)
        for level in levels:
            v.contur(g, N, g, N, z, level)
        v.vtxfin()
    return run


def matplotlib_plot(directory, g, z, levels):
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
    import numpy as np
    # rows of the array along y, columns along x
    zz = np.array(z, dtype=float).reshape(N, N).T
    gg = np.array(g)

    def run():
        fig, ax = plt.subplots(figsize=(11.69, 8.27))
        ax.contour(gg, gg, zz, levels=levels, colors="k", linewidths=0.5)
        fig.savefig(os.path.join(directory, "matplotlib.pdf"))
        plt.close(fig)
    return run


def main():
    g, z, levels = grid()
    with tempfile.TemporaryDirectory() as directory:
        ours = best(vantix_plot(directory, g, z, levels))
        print("vantix     %d x %d grid, %d levels -> PDF: %.3f s" % (N, N, LEVELS, ours))
        try:
            theirs = best(matplotlib_plot(directory, g, z, levels))
        except ImportError:
            print("matplotlib not installed: no comparison")
            return
        print("matplotlib %d x %d grid, %d levels -> PDF: %.3f s" % (N, N, LEVELS, theirs))
        print("ratio vantix / matplotlib: %.2f" % (ours / theirs))


if __name__ == "__main__":
    main()
