"""Time of the line pipeline: 1,000,000 solid and 1,000,000 dashed segments
into an EPS file, in nanoseconds per segment. Run from a scratch directory
with the built module on PYTHONPATH (build/python)."""
import os
import random
import sys
import tempfile
import time

import vantix as v

SEGMENTS = 1_000_000


def run(dashed, coords):
    v.metafl("eps")
    v.filmod("dele")
    v.setfil("bench_pipeline.eps")
    v.vtxini()
    v.unit(0)
    if dashed:
        v.dash()
    line = v.line
    start = time.perf_counter()
    for x1, y1, x2, y2 in coords:
        line(x1, y1, x2, y2)
    v.vtxfin()
    elapsed = time.perf_counter() - start
    size = os.path.getsize("bench_pipeline.eps")
    return elapsed * 1e9 / SEGMENTS, size


def main():
    random.seed(1)
    # short segments, as curves and glyph strokes are: a walk over the page
    coords, x, y = [], 1500, 1000
    for _ in range(SEGMENTS):
        nx = min(max(x + random.randint(-20, 20), 0), 2969)
        ny = min(max(y + random.randint(-20, 20), 0), 2099)
        coords.append((x, y, nx, ny))
        x, y = nx, ny
    os.chdir(tempfile.mkdtemp())
    for dashed in (False, True):
        ns, size = run(dashed, coords)
        print("%-6s %8.0f ns per segment  (%d bytes of EPS)" % ("dashed" if dashed else "solid", ns, size))
    # the cost of the Python call itself, for comparison
    start = time.perf_counter()
    for x1, y1, x2, y2 in coords:
        v.getlev()
    print("call   %8.0f ns per getlev() call" % ((time.perf_counter() - start) * 1e9 / SEGMENTS))


if __name__ == "__main__":
    sys.exit(main())
