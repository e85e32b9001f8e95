"""Map benchmark: the base map's coastlines (world) and a 10-degree grid
(gridmp) on a Winkel tripel world map, written as PDF and as PNG. Prints the
best time of the repeats for each file. There is no Robinson projection in
the library; Winkel tripel is the compromise world projection it has.

    PYTHONPATH=build/python /usr/bin/python3 bench/maps_world.py [repeats]
"""
import os
import sys
import tempfile
import time

import vantix as v

REPEATS = int(sys.argv[1]) if len(sys.argv) > 1 else 5


def draw(path, device):
    if os.path.exists(path):
        os.remove(path)
    v.metafl(device); v.setfil(path)
    if device == "png":
        v.scrmod("REVERS")
    v.vtxini(); v.errmod("prot", "off")
    v.projct("WINK")
    v.axspos(285, 1850); v.axslen(2400, 1360)
    v.grafmp(-180., 180., -180., 30., -90., 90., -90., 30.)
    v.world()
    v.gridmp(3, 3)
    v.vtxfin()
    v.scrmod("AUTO")


def best(path, device):
    times = []
    for _ in range(REPEATS):
        start = time.perf_counter()
        draw(path, device)
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    with tempfile.TemporaryDirectory() as directory:
        for device in ("pdf", "png"):
            path = os.path.join(directory, "world." + device)
            seconds = best(path, device)
            print("vantix  world() + gridmp, Winkel tripel -> %s: %.3f s (%d bytes)"
                  % (device.upper(), seconds, os.path.getsize(path)))


if __name__ == "__main__":
    main()
