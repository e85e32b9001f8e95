// Single axes drawn anywhere on the page, outside an axis system.
#include "session/globals.h"
#include "device/pipeline.h"
#include "graph2d/api.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/axis_system.h"

namespace vtx {

namespace {

void standaloneAxis(const char* routine, int axis, int log, float a, float e, float first, float step, int length,
                    const char* text, int side, int x, int y) {
    Globals* g = jqqlev(1, 3, routine);
    if (!g || jqqval(length, 2, -1) + jqqval(side, 0, 1) != 0) return;
    if (!checkScaling(a, e, first, step)) return;
    AxisDrawSpec s;
    s.a = a, s.e = e, s.first = first, s.step = step, s.length = length;
    s.name = text, s.side = side, s.log = log, s.axis = axis;
    s.x = float(x), s.y = jqqyvl(*g, float(y));
    drawAxis(*g, s);
}

}  // namespace

void xaxis(float a, float e, float or_, float step, int length, const char* text, int side, int x, int y) {
    standaloneAxis("xaxis", 0, 0, a, e, or_, step, length, text, side, x, y);
}

void yaxis(float a, float e, float or_, float step, int length, const char* text, int side, int x, int y) {
    standaloneAxis("yaxis", 1, 0, a, e, or_, step, length, text, side, x, y);
}

void xaxlg(float a, float e, float or_, float step, int length, const char* text, int side, int x, int y) {
    standaloneAxis("xaxlg", 0, 1, a, e, or_, step, length, text, side, x, y);
}

void yaxlg(float a, float e, float or_, float step, int length, const char* text, int side, int x, int y) {
    standaloneAxis("yaxlg", 1, 1, a, e, or_, step, length, text, side, x, y);
}

}  // namespace vtx
