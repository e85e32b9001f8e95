"""The VANTIX demo: writes a small gallery of plot files into the current directory.

Run through `make demo`, which builds the module and runs this script in out/.
Each scene is a complete plot: select a device, initialise, draw, terminate.
"""
import vantix as v


def scene(device, filename, draw):
    v.metafl(device)
    v.setfil(filename)
    v.filmod("delete")
    v.vtxini()
    draw()
    v.vtxfin()


def metafile_page():
    # A landscape A4 page in the library's own metafile format.
    v.myline([10, 5], 2)


def statistics():
    data = [2.0, 4.0, 4.0, 4.0, 5.0, 5.0, 7.0, 9.0]
    print("mean %.3f, standard deviation %.3f" % (v.moment(data, len(data), "mean"),
                                                   v.moment(data, len(data), "stan")))
    ordered = list(data)
    v.sortr1(ordered, len(ordered), "descending")
    print("sorted descending:", ordered)


if __name__ == "__main__":
    scene("vxmeta", "demo.met", metafile_page)
    statistics()
