// Grid lines across the axis system and the lines through the user origin.
#include <cmath>

#include "session/globals.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/api.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/axis_transform.h"
#include "graph2d/polar_grid.h"

namespace vtx {

namespace {

AxisDrawSpec scalingSpec(const AxisState& a, int axis) {
    AxisDrawSpec s;
    const AxisScaling& sc = axis == 0 ? a.sx : a.sy;
    s.a = sc.a, s.e = sc.e, s.first = sc.first, s.step = sc.step, s.log = sc.log, s.axis = axis;
    s.length = axis == 0 ? a.nxl : a.nyl;
    s.x = float(a.nxa), s.y = float(a.nya);
    return s;
}

// Lines at the tick positions of one axis, as long as the other axis.
void gridLines(Globals& g, int axis, int perInterval) {
    const AxisState& a = g.axis;
    const AxisDrawSpec s = scalingSpec(a, axis);
    const float x1 = float(a.nxa), x2 = float(a.nxa + a.nxl - 1);
    const float y1 = float(a.nya), y2 = float(a.nya - a.nyl + 1);
    forEachTick(g, s, perInterval, [&](float off, bool) {
        if (axis == 0) lineqq(g, x1 + off, y1, x1 + off, y2);
        else lineqq(g, x1, y1 - off, x2, y1 - off);
    });
    qqstrk(g);
}

bool zeroInside(const AxisScaling& s) {
    return !s.log && std::fmin(s.a, s.e) <= 0.0f && 0.0f <= std::fmax(s.a, s.e);
}

}  // namespace

void grid(int ix, int iy) {
    Globals* g = jqqlev(2, 3, "grid");
    if (!g || jqqval(ix, 0, -1) + jqqval(iy, 0, -1) != 0) return;
    if (g->axis.kind == AxisKind::Polar) {
        drawPolarGrid(*g, ix, iy);
        return;
    }
    if (ix > 0) gridLines(*g, 0, ix);
    if (iy > 0) gridLines(*g, 1, iy);
}

void xaxgit() {
    Globals* g = jqqlev(2, 3, "xaxgit");
    if (!g) return;
    const AxisState& a = g->axis;
    if (!zeroInside(a.sy)) return;
    const float y = std::round(plotYOf(a, 0.0f));
    lineqq(*g, float(a.nxa), y, float(a.nxa + a.nxl - 1), y);
}

void yaxgit() {
    Globals* g = jqqlev(2, 3, "yaxgit");
    if (!g) return;
    const AxisState& a = g->axis;
    if (!zeroInside(a.sx)) return;
    const float x = std::round(plotXOf(a, 0.0f));
    lineqq(*g, x, float(a.nya), x, float(a.nya - a.nyl + 1));
}

void axgit() {
    Globals* g = jqqlev(2, 3, "axgit");
    if (!g) return;
    const AxisState& a = g->axis;
    if (zeroInside(a.sy)) {
        const float y = std::round(plotYOf(a, 0.0f));
        lineqq(*g, float(a.nxa), y, float(a.nxa + a.nxl - 1), y);
    }
    if (zeroInside(a.sx)) {
        const float x = std::round(plotXOf(a, 0.0f));
        lineqq(*g, x, float(a.nya), x, float(a.nya - a.nyl + 1));
    }
}

}  // namespace vtx
