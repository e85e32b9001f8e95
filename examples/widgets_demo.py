"""A dialog that plots a function: pick it from a list, set its frequency
with the slider, and the drawing area shows the curve at once. OK keeps the
choice and writes it as widgets_demo.png; Quit ends the program.

Without an X display the dialog asks on the terminal instead (an empty
answer, or the end of the input, keeps a value), then writes the PNG.
"""
import math

import vantix as v

FUNCTIONS = [
    ("sine", lambda x, k: math.sin(k * x)),
    ("cosine", lambda x, k: math.cos(k * x)),
    ("damped sine", lambda x, k: math.exp(-0.3 * x) * math.sin(k * x)),
    ("square wave", lambda x, k: 1.0 if math.sin(k * x) >= 0 else -1.0),
]


class Dialog:
    def __init__(self):
        v.swgtit("VANTIX widgets demo")
        v.swghlp("Pick a function and move the slider; OK saves the plot as widgets_demo.png.")
        self.top = v.wgini("HORI")
        controls = v.wgbas(self.top, "VERT")
        v.wglab(controls, "Function:")
        self.function = v.wglis(controls, "|".join(name for name, _ in FUNCTIONS), 1)
        self.frequency = v.wgscl(controls, "Frequency", 0.5, 5.0, 1.0, 1)
        v.wgok(controls)
        v.wgquit(controls)
        v.swgwth(60)
        v.swgdrw(0.7)
        self.area = v.wgdraw(self.top)
        v.swgcbk(self.function, self.redraw)
        v.swgcbk(self.frequency, self.redraw)

    def choice(self):
        name, f = FUNCTIONS[v.gwglis(self.function) - 1]
        return name, f, v.gwgscl(self.frequency)

    def redraw(self, _id=None):
        # While the dialog is shown, a window plot goes into its drawing area;
        # on the terminal the callbacks fire too, but there is nothing to draw into.
        if v.getdsp() == "XWIN":
            plot("XWIN", *self.choice())

    def run(self):
        if v.getdsp() == "XWIN":
            v.reawgt()
            self.redraw()
        v.wgfin()
        name, f, k = self.choice()
        plot("PNG", name, f, k, "widgets_demo.png")
        print("widgets_demo: %s with frequency %.1f in widgets_demo.png" % (name, k))


def plot(device, name, f, k, filename=None):
    v.metafl(device)
    if filename:
        v.setfil(filename)
        v.filmod("DELETE")
    v.setpag("DA4L")
    v.scrmod("REVERS")
    v.vtxini()
    v.errmod("PROT", "OFF")
    v.complx()
    v.axspos(450, 1800)
    v.axslen(2200, 1400)
    v.name("x", "X")
    v.name("f(x)", "Y")
    v.titlin("%s, frequency %.1f" % (name, k), 1)
    v.graf(0.0, 10.0, 0.0, 2.0, -1.2, 1.2, -1.0, 0.5)
    v.title()
    xs = [i / 50 for i in range(501)]
    v.color("RED")
    v.curve(xs, [f(x, k) for x in xs], len(xs))
    v.vtxfin()


if __name__ == "__main__":
    Dialog().run()
