// Arcs, polygons and arrows drawn through the line pipeline and the area fill.
#include "figures/figure_drawing.h"

#include <cmath>

#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "figures/arc_geometry.h"
#include "figures/arrow_geometry.h"
#include "figures/figures_state.h"
#include "graph2d/axis_transform.h"

namespace vtx {

namespace {

// The arc generator's points: at most kMaxArcChords + 1 on the arc, the
// centre and the first point again. Kept on the stack, so no figure fails
// for want of memory.
constexpr int kArcCapacity = kMaxArcChords + 3;

bool patternFills(const Globals& g) { return figuresFilled(g); }

// Outlines are drawn when asked for, and always under nofill.
bool outlined(const Globals& g) { return g.fill.outline || g.fill.noFill; }

}  // namespace

void drawPolyline(Globals& g, const float* x, const float* y, int n) {
    if (n < 2) return;
    strtqq(g, x[0], y[0]);
    for (int i = 1; i < n; ++i) connqq(g, x[i], y[i]);
    qqstrk(g);
}

void drawFigurePolygon(Globals& g, const float* x, const float* y, int n) {
    if (n < 2) return;
    if (outlined(g)) {
        strtqq(g, x[0], y[0]);
        for (int i = 1; i < n; ++i) connqq(g, x[i], y[i]);
        if (x[n - 1] != x[0] || y[n - 1] != y[0]) connqq(g, x[0], y[0]);
        qqstrk(g);
    }
    if (patternFills(g) && n >= 3) fillFigure(g, x, y, n);
}

void fillSolid(Globals& g, const float* x, const float* y, int n, int colour) {
    ColourScope colourScope(g);
    PatternScope patternScope(g);
    if (colour >= 0) qqsclr(g, colour);
    setShadingPattern(g, 16);
    dareaf(g, x, y, n);
}

void elpsln(Globals& g, const ArcSpec& arc) {
    if (arc.a < 1.0f || arc.b < 1.0f) {
        warni1(Warning::IncorrectParameter, int(arc.a < 1.0f ? arc.a : arc.b));
        return;
    }
    float x[kArcCapacity], y[kArcCapacity];
    int n = 0;
    const bool closed = arc.closeThroughCentre || patternFills(g);
    emitArc(arc, g.fig.arcSpacing, closed, [&](float px, float py) {
        x[n] = px, y[n] = py;
        ++n;
    });
    if (n == 0) return;
    if (outlined(g)) drawPolyline(g, x, y, n);
    if (patternFills(g) && n >= 3) fillFigure(g, x, y, n);
}

void drawArrow(Globals& g, float x1, float y1, float x2, float y2, int code) {
    struct Sink {
        Globals& g;
        void polyline(const float* x, const float* y, int n) { drawPolyline(g, x, y, n); }
        void filled(const float* x, const float* y, int n) { fillSolid(g, x, y, n, -1); }
    } sink{g};
    const int bad = emitArrow(x1, y1, x2, y2, code, sink);
    if (bad >= 0) warni1(Warning::IncorrectParameter, bad);
}

bool userPointToPlot(const Globals& g, float x, float y, float& px, float& py) {
    const AxisState& a = g.axis;
    if (!std::isfinite(x) || !std::isfinite(y)) return false;  // no place on any axis
    if (a.kind != AxisKind::Polar && ((a.sx.log && !(x > 0.0f)) || (a.sy.log && !(y > 0.0f)))) return false;
    userToPlot(g, x, y, px, py);
    return true;
}

}  // namespace vtx
