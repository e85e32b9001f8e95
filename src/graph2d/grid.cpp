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

// The lines y = 0 and x = 0 across the system, each where 0 lies within its
// scaling: axgit, cross and their one-axis forms.
void originLines(const char* routine, bool horizontal, bool vertical) {
    Globals* g = jqqlev(2, 3, routine);
    if (!g) return;
    const AxisState& a = g->axis;
    if (horizontal && zeroInside(a.sy)) {
        const float y = std::round(plotYOf(a, 0.0f));
        lineqq(*g, float(a.nxa), y, float(a.nxa + a.nxl - 1), y);
    }
    if (vertical && zeroInside(a.sx)) {
        const float x = std::round(plotXOf(a, 0.0f));
        lineqq(*g, x, float(a.nya), x, float(a.nya - a.nyl + 1));
    }
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

void xaxgit() { originLines("xaxgit", true, false); }
void yaxgit() { originLines("yaxgit", false, true); }
void axgit() { originLines("axgit", true, true); }
void xcross() { originLines("xcross", true, false); }
void ycross() { originLines("ycross", false, true); }
void cross() { originLines("cross", true, true); }

// Circles about the user origin, ncircles per label step of the X axis, out
// to the farthest corner of the system, and nrays rays from the origin;
// both clipped to the system. A polar system gets its own polar grid.
void grdpol(int ncircles, int nrays) {
    Globals* g = jqqlev(2, 3, "grdpol");
    if (!g || jqqval(ncircles, 0, -1) + jqqval(nrays, 0, -1) != 0) return;
    const AxisState& a = g->axis;
    if (a.kind == AxisKind::Polar) {
        drawPolarGrid(*g, ncircles, nrays > 0 ? 1 : 0);
        return;
    }
    if (a.sx.log || a.sy.log) {
        warnin(Warning::LinearScalingNeeded);
        return;
    }
    const float xs[2] = {a.sx.a, a.sx.e}, ys[2] = {a.sy.a, a.sy.e};
    float reach = 0.0f;
    for (float x : xs)
        for (float y : ys) reach = std::fmax(reach, std::hypot(x, y));
    sclpax(*g, 1);
    if (ncircles > 0 && std::fabs(a.sx.step) > 0.0f) {
        const float d = std::fabs(a.sx.step) / float(ncircles);
        const int count = int(std::fmin(std::floor(reach / d) + 1.0f, 10000.0f));
        constexpr int kChords = 180;
        for (int i = 1; i <= count; ++i) {
            const float r = float(i) * d;
            for (int k = 0; k <= kChords; ++k) {
                const double t = 6.283185307179586 * k / kChords;
                float X, Y;
                userToPlot(*g, r * float(std::cos(t)), r * float(std::sin(t)), X, Y);
                if (k == 0) strtqq(*g, X, Y);
                else connqq(*g, X, Y);
            }
        }
    }
    if (nrays > 0) {
        const int n = nrays < 36000 ? nrays : 36000;
        float X0, Y0;
        userToPlot(*g, 0.0f, 0.0f, X0, Y0);
        for (int k = 0; k < n; ++k) {
            const double t = 6.283185307179586 * k / n;
            float X, Y;
            userToPlot(*g, reach * float(std::cos(t)), reach * float(std::sin(t)), X, Y);
            lineqq(*g, X0, Y0, X, Y);
        }
    }
    qqstrk(*g);
    sclpax(*g, 0);
}

}  // namespace vtx
