"""Times the Delaunay triangulation of 10,000 and 100,000 random points (not a test).

Run: PYTHONPATH=build/python /usr/bin/python3 bench/triang.py
"""
import random
import time

import vantix as v

for n in (10_000, 100_000):
    rng = random.Random(n)
    x = [rng.random() for _ in range(n)] + [0.0] * 3
    y = [rng.random() for _ in range(n)] + [0.0] * 3
    nmax = 2 * n + 1
    i1, i2, i3 = [0] * nmax, [0] * nmax, [0] * nmax
    start = time.perf_counter()
    count = v.triang(x, y, n, i1, i2, i3, nmax)
    elapsed = time.perf_counter() - start
    print("%7d points: %7d triangles in %.3f s" % (n, count, elapsed))
