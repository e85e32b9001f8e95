"""Benchmark (not a test): a curve of 1,000,000 points from NumPy arrays
against the same curve from lists, and against matplotlib in the same run
when it is installed.

    PYTHONPATH=build/python /usr/bin/python3 bench/array_input.py [repeats]

Two measurements, best of the repeats, in one process:
  - conversion: `curve` called before initialisation converts its two
    sequences into temporary arrays, frees them and only warns, so its time is
    the conversion of 2 x 10^6 values (plus a microsecond of warning);
  - plot: a labelled axis system and the curve into a PNG file, from the
    first call to the finished file.
"""
import os
import sys
import tempfile
import time

import numpy as np

import vantix as v

N = 1_000_000


def best(repeats, fn):
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        fn()
        times.append(time.perf_counter() - start)
    return min(times)


class Silenced:
    """Sends the library's warnings (written to standard output) to /dev/null."""

    def __enter__(self):
        sys.stdout.flush()
        self.saved = os.dup(1)
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.close(devnull)

    def __exit__(self, *exc):
        os.dup2(self.saved, 1)
        os.close(self.saved)


def vantix_png(x, y, name):
    v.metafl("png")
    v.setfil(name)
    v.filmod("dele")
    v.vtxini()
    v.errmod("protocol", "off")
    v.name("time", "x")
    v.name("signal", "y")
    v.titlin("One million points", 1)
    v.graf(0.0, 100.0, 0.0, 20.0, -1.5, 1.5, -1.5, 0.5)
    v.title()
    v.curve(x, y, N)
    v.vtxfin()


def matplotlib_png(x, y, name):
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt
    fig, ax = plt.subplots(figsize=(11.69, 8.27), dpi=73)
    ax.plot(x, y, linewidth=0.5)
    ax.set_xlabel("time")
    ax.set_ylabel("signal")
    ax.set_title("One million points")
    ax.set_xlim(0, 100)
    ax.set_ylim(-1.5, 1.5)
    fig.savefig(name)
    plt.close(fig)


def main():
    repeats = int(sys.argv[1]) if len(sys.argv) > 1 else 5
    x = np.linspace(0.0, 100.0, N)
    y = np.sin(x) * np.exp(-x / 50.0) + 0.1 * np.sin(37.0 * x)
    inputs = [
        ("NumPy float64", x, y),
        ("NumPy float32", x.astype(np.float32), y.astype(np.float32)),
        ("NumPy float64, every other of 2N", np.repeat(x, 2)[::2], np.repeat(y, 2)[::2]),
        ("lists of floats", x.tolist(), y.tolist()),
    ]

    print("conversion of 2 x %d values (ms)" % N)
    with Silenced():
        conversion = [(label, best(repeats * 4, lambda: v.curve(a, b, N))) for label, a, b in inputs]
    for label, t in conversion:
        print("  %-36s %8.2f" % (label, t * 1e3))

    print("curve of %d points to PNG, whole plot (ms)" % N)
    with tempfile.TemporaryDirectory() as work:
        os.chdir(work)
        plots = {}
        for label, a, b in (inputs[0], inputs[3]):
            plots[label] = best(repeats, lambda: vantix_png(a, b, "line.png"))
            print("  vantix, %-28s %8.1f" % (label, plots[label] * 1e3))
        try:
            import matplotlib  # noqa: F401
        except ImportError:
            print("  matplotlib is not installed (python3-matplotlib)")
            return
        t = best(repeats, lambda: matplotlib_png(x, y, "mpl.png"))
        print("  matplotlib, %-24s %8.1f   (%.1f times vantix)" % ("NumPy float64", t * 1e3,
                                                                 t / plots["NumPy float64"]))

if __name__ == "__main__":
    main()
