"""The VANTIX demo: writes a small gallery of plot files into the current directory.

Run through `make demo`, which builds the module and runs this script in out/.
Each scene is a complete plot: select a device, initialise, draw, terminate.
"""
import math

import vantix as v


def scene(device, filename, draw, reverse=False):
    v.metafl(device)
    v.setfil(filename)
    v.filmod("delete")
    if reverse:
        v.scrmod("REVERS")      # raster images: black on white
        v.imgfmt("RGB")         # true colours, not the nearest of the palette
    v.vtxini()
    v.errmod("PROT", "OFF")     # one banner line per file is noise in a gallery
    draw()
    v.vtxfin()
    v.scrmod("AUTO")
    print("wrote", filename)


def damped_oscillation():
    # Two curves with a legend, a grid and a title: the library's everyday plot.
    x = [i / 20 for i in range(201)]
    y1 = [math.exp(-0.3 * t) * math.cos(2 * t) for t in x]
    y2 = [math.exp(-0.3 * t) for t in x]
    v.name("time [s]", "x"); v.name("amplitude", "y")
    v.labdig(1, "y")
    v.titlin("A damped oscillation", 1)
    v.graf(0.0, 10.0, 0.0, 1.0, -1.0, 1.0, -1.0, 0.5)
    v.dot(); v.grid(1, 1); v.solid()
    v.title()
    v.legini("", 2, 16)
    v.legtit("")
    v.leglin("", "signal", 1); v.leglin("", "envelope", 2)
    v.color("blue"); v.thkcrv(3)
    v.curve(x, y1, len(x))
    v.color("red"); v.thkcrv(1); v.dash()
    v.curve(x, y2, len(x))
    v.solid(); v.color("fore")
    v.legend("", 7)
    v.endgrf()


def statistics():
    data = [2.0, 4.0, 4.0, 4.0, 5.0, 5.0, 7.0, 9.0]
    print("mean %.3f, standard deviation %.3f" % (v.moment(data, len(data), "mean"),
                                                   v.moment(data, len(data), "stan")))
    ordered = list(data)
    v.sortr1(ordered, len(ordered), "descending")
    print("sorted descending:", ordered)


if __name__ == "__main__":
    scene("vxmeta", "demo.met", damped_oscillation)
    scene("png", "demo.png", damped_oscillation, reverse=True)
    scene("pdf", "demo.pdf", damped_oscillation)
    scene("svg", "demo.svg", damped_oscillation)
    statistics()
