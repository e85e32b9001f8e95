// curve: a data series in the current axis system as a polyline, steps,
// stairs, stems, bars, filled bars or an interpolating spline.
#include <cmath>
#include <cstdlib>

#include "core/checks.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph2d/axis_transform.h"
#include "graph2d/curve_api.h"
#include "graph2d/curve_checks.h"
#include "graph2d/curve_cycle.h"
#include "graph2d/curve_geometry.h"
#include "graph2d/curve_thickness.h"
#include "graph2d/legend_entries.h"
#include "graph2d/spline.h"
#include "text/symbols.h"

namespace vtx {

namespace {

enum CurveMode { kLine, kStep, kBars, kSpline, kParametricSpline, kStem, kStairs, kFilledBars };

constexpr int kSolidPattern = 16;
constexpr int kWedgeSteps = 64;

// Plot position of point i; a NaN coordinate is a missing point.
struct Transformed {
    const Globals& g;
    const float* x;
    const float* y;
    bool operator()(int i, float& X, float& Y) const {
        if (x[i] != x[i] || y[i] != y[i]) return false;
        userToPlot(g, x[i], y[i], X, Y);
        return true;
    }
};

// Draws one copy of a thick curve: `offset` plot units beside the centre line.
struct Pen {
    Globals& g;
    float offset;
    void move(float X, float Y) const { strtqq(g, X, Y, offset); }
    void draw(float X, float Y) const { connqq(g, X, Y, offset); }
};

void drawSymbols(Globals& g, const float* x, const float* y, int n, long long every) {
    const Transformed point{g, x, y};
    float X, Y;
    for (long long i = 0; i < n; i += every)
        if (point(int(i), X, Y)) dsymbl(g, g.axis.marker, std::round(X), std::round(Y));
}

// Plot y of the base of stems and bars: y = 0 where the axis can show it,
// else the lower end of the y axis.
float baseLine(const Globals& g, float x) {
    const AxisState& a = g.axis;
    if (a.sy.log) return float(a.nya);
    float X, Y;
    userToPlot(g, x, 0.0f, X, Y);
    return Y;
}

void drawStems(Globals& g, const float* x, const float* y, int n, float offset) {
    const Transformed point{g, x, y};
    const bool polar = g.axis.kind == AxisKind::Polar;
    float X, Y, X0, Y0;
    for (int i = 0; i < n; ++i) {
        if (!point(i, X, Y)) continue;
        if (polar) userToPlot(g, 0.0f, y[i], X0, Y0);
        else X0 = X, Y0 = baseLine(g, x[i]);
        lineqq(g, X0, Y0, X, Y, offset);
    }
    qqstrk(g);
}

// A wedge from the centre of a polar system around angle phi.
int wedge(const Globals& g, float r, float phi, float halfAngle, float* xs, float* ys) {
    userToPlot(g, 0.0f, phi, xs[0], ys[0]);
    for (int k = 0; k <= kWedgeSteps; ++k) {
        const float a = phi - halfAngle + 2.0f * halfAngle * k / kWedgeSteps;
        userToPlot(g, r, a, xs[k + 1], ys[k + 1]);
    }
    return kWedgeSteps + 2;
}

void drawBars(Globals& g, const float* x, const float* y, int n, bool filled, bool outline, float offset) {
    const Transformed point{g, x, y};
    const bool polar = g.axis.kind == AxisKind::Polar;
    const float w = g.biz.barWidth;
    float X, Y, X1, Y1;
    float firstInterval = 0.0f;
    if (n > 1) {
        if (polar) firstInterval = y[1] - y[0];
        else if (point(0, X, Y) && point(1, X1, Y1)) firstInterval = X1 - X;
    }
    float xs[kWedgeSteps + 3], ys[kWedgeSteps + 3];
    const int savedPattern = g.fill.pattern;
    if (filled) setShadingPattern(g, kSolidPattern);
    for (int i = 0; i < n; ++i) {
        if (!point(i, X, Y)) continue;
        int count = 4;
        if (polar) {
            float half = 0.5f * w * std::fabs(firstInterval);
            if (w <= 0.0f) {
                float Xc, Yc;
                userToPlot(g, 0.0f, y[i], Xc, Yc);
                const float rho = std::hypot(X - Xc, Y - Yc);
                half = rho > 0.0f ? 0.5f * std::fabs(w) / rho : 0.0f;
            }
            count = wedge(g, x[i], y[i], half, xs, ys);
        } else {
            barCorners(X, barHalfWidth(w, firstInterval), baseLine(g, x[i]), Y, xs, ys);
        }
        if (filled) dareaf(g, xs, ys, count);
        if (outline) {
            strtqq(g, xs[0], ys[0], offset);
            for (int k = 1; k < count; ++k) connqq(g, xs[k], ys[k], offset);
            connqq(g, xs[0], ys[0], offset);
            qqstrk(g);
        }
    }
    if (filled) setShadingPattern(g, savedPattern);
}

void drawLines(Globals& g, const float* x, const float* y, int n, int mode, const SplineRequest& sr,
               const PreparedSpline& sp) {
    const Transformed point{g, x, y};
    const int passes = curvePasses(g, g.line.curveThickness);
    for (int k = 0; k < passes; ++k) {
        const float offset = passOffset(g, k);
        const Pen pen{g, offset};
        auto move = [&](float X, float Y) { pen.move(X, Y); };
        auto draw = [&](float X, float Y) { pen.draw(X, Y); };
        switch (mode) {
            case kStep: emitSteps(n, point, move, draw); break;
            case kStairs: emitStairs(n, point, move, draw); break;
            case kStem: drawStems(g, x, y, n, offset); break;
            case kBars: drawBars(g, x, y, n, false, true, offset); break;
            case kFilledBars: drawBars(g, x, y, n, k == 0, true, offset); break;
            case kSpline:
            case kParametricSpline: {
                bool first = true;
                emitSpline(sr, sp, [&](float u, float v) {
                    float X, Y;
                    userToPlot(g, u, v, X, Y);
                    if (first) pen.move(X, Y), first = false;
                    else pen.draw(X, Y);
                });
                break;
            }
            default:
                emitPolyline(n, g.axis.curveGap, point, [&](int i) { return x[i]; }, move, draw);
                break;
        }
        qqstrk(g);
    }
}

}  // namespace

void curve(const float* x, const float* y, int n) {
    Globals* gp = jqqlev(2, 3, "curve");
    if (!gp) return;
    Globals& g = *gp;
    AxisState& a = g.axis;
    const int mode = a.polarCurve;
    const bool lines = a.markInc >= 0;
    if (n < 1 || (n == 1 && lines)) {
        warni1(2, n);
        return;
    }
    if (a.kind == AxisKind::Polar && !(mode == kLine || mode == kBars || mode == kStem || mode == kFilledBars)) {
        qqserr("Bad interpolation method for polar scaling");
        warnin(101);
        return;
    }
    if (!logValuesAllowed(g, x, y, n)) return;

    // Warnings of the spline come before anything is drawn.
    SplineRequest sr;
    static PreparedSpline sp;  // large; the library runs in one thread
    if (lines && (mode == kSpline || mode == kParametricSpline)) {
        sr.x = x, sr.y = y, sr.n = n;
        sr.degree = a.splineOrder;
        sr.parametric = mode == kParametricSpline;
        sr.divisions = a.splinePoints;
        sr.logX = a.sx.log && !sr.parametric;
        sr.logY = a.sy.log != 0;
        if (int e = prepareSpline(sr, sp)) {
            if (e == 31) warni1(31, n);
            else warnin(e);
            return;
        }
    }

    const CurveAttributes saved = applyCurveCycle(g);
    registerLegendEntry(g, lines ? g.line.lineType : -1, a.markInc != 0 ? a.marker : -1, g.line.curveThickness,
                        g.colour.current, -1);
    reportOutsideScaling(g, x, y, n);

    sclpax(g, 1);
    if (a.markInc != 0) drawSymbols(g, x, y, n, std::llabs(a.markInc));
    if (lines) drawLines(g, x, y, n, mode, sr, sp);
    sclpax(g, 0);
    finishCurveCycle(g, saved);
}

}  // namespace vtx
