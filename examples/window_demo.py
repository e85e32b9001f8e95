"""The 2-D gallery's first page in a window on the screen: click points with
the left mouse button, finish with the middle or right one, and the points
are joined by a line. Another click of the middle or right button (or the
window's close button) ends the program.

Without an X display the script says so and ends.
"""
import vantix as v

from gallery_2d import curves_page


def main():
    if v.getdsp() != "XWIN":
        print("window_demo: no X display to show the window on")
        return
    v.metafl("xwin")
    v.scrmod("revers")  # dark drawing on a white window
    v.vtxini()
    v.wintit("VANTIX window demo: click points, then the right button")
    v.complx()
    v.nochek()
    curves_page()

    # Positions in plot coordinates (the default unit), so that the line
    # routine draws through them whatever the window's size.
    v.csrtyp("cros")
    xs, ys = [0] * 100, [0] * 100
    n = v.csrpts(xs, ys, 100)
    v.color("red")
    v.linwid(5)
    for k in range(1, n):
        v.line(xs[k - 1], ys[k - 1], xs[k], ys[k])
    print("window_demo: %d points connected" % n)
    v.wintit("VANTIX window demo: right button or close to end")
    v.vtxfin()


if __name__ == "__main__":
    main()
