// curve: a data series in the current axis system as a polyline, steps,
// stairs, stems, bars, filled bars or an interpolating spline.
#include <cmath>
#include <cstdlib>
#include <new>
#include <optional>
#include <vector>

#include "session/globals.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph2d/axis_transform.h"
#include "graph2d/curve_api.h"
#include "graph2d/curve_checks.h"
#include "graph2d/curve_cycle.h"
#include "graph2d/curve_geometry.h"
#include "graph2d/curve_mode.h"
#include "graph2d/curve_thickness.h"
#include "graph2d/legend_entries.h"
#include "graph2d/spline.h"
#include "text/symbols.h"

namespace vtx {

namespace {

constexpr int kSolidPattern = 16;
constexpr int kWedgeSteps = 64;

// Plot position of point i; a NaN or infinite coordinate is a missing point.
struct Transformed {
    const Globals& g;
    const float* x;
    const float* y;
    bool operator()(int i, float& X, float& Y) const {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return false;
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

bool reserveBoth(std::vector<float>& a, std::vector<float>& b, long n) {
    try {
        a.reserve(std::size_t(n)), b.reserve(std::size_t(n));
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

void drawSymbols(Globals& g, const float* x, const float* y, int n, long long every) {
    const Transformed point{g, x, y};
    const long count = long((n + every - 1) / every);
    SymbolRun symbols(g, g.curve.marker, count);
    float X, Y;
    // Many symbols are placed first and then drawn together.
    std::vector<float> xs, ys;
    if (symbols.direct() && count >= SurfaceShapes::kTwoThreadsFrom && reserveBoth(xs, ys, count)) {
        for (long long i = 0; i < n; i += every)
            if (point(int(i), X, Y)) xs.push_back(std::round(X)), ys.push_back(std::round(Y));
        symbols.drawAll(xs.data(), ys.data(), long(xs.size()));
        return;
    }
    for (long long i = 0; i < n; i += every)
        if (point(int(i), X, Y)) symbols.draw(std::round(X), std::round(Y));
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
    const float w = g.curve.barWidth;
    float X, Y, X1, Y1;
    float firstInterval = 0.0f;
    if (n > 1) {
        if (polar) firstInterval = y[1] - y[0];
        else if (point(0, X, Y) && point(1, X1, Y1)) firstInterval = X1 - X;
    }
    float xs[kWedgeSteps + 3], ys[kWedgeSteps + 3];
    std::optional<PatternScope> pattern;  // filled bars borrow the solid pattern
    if (filled) {
        pattern.emplace(g);
        setShadingPattern(g, kSolidPattern);
    }
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
}

void drawLines(Globals& g, const float* x, const float* y, int n, CurveMode mode, const SplineRequest& sr,
               const PreparedSpline& sp) {
    const Transformed point{g, x, y};
    const int passes = curvePasses(g, g.line.curveThickness);
    const int stride = coveredCopyStride(g, 1.0f / penFactor(g));
    for (int k = 0; k < passes; ++k) {
        if (!passDrawn(k, passes, stride)) continue;
        const float offset = passOffset(g, k);
        const Pen pen{g, offset};
        auto move = [&](float X, float Y) { pen.move(X, Y); };
        auto draw = [&](float X, float Y) { pen.draw(X, Y); };
        switch (mode) {
            case CurveMode::Step: emitSteps(n, point, move, draw); break;
            case CurveMode::Stairs: emitStairs(n, point, move, draw); break;
            case CurveMode::Stem: drawStems(g, x, y, n, offset); break;
            case CurveMode::Bars: drawBars(g, x, y, n, false, true, offset); break;
            case CurveMode::FilledBars: drawBars(g, x, y, n, k == 0, true, offset); break;
            case CurveMode::Spline:
            case CurveMode::ParametricSpline: {
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
                emitPolyline(n, g.curve.curveGap, point, [&](int i) { return x[i]; }, move, draw);
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
    const AxisState& a = g.axis;
    const CurveState& c = g.curve;
    const CurveMode mode = CurveMode(c.mode);
    const bool lines = c.markInc >= 0;
    if (n < 1 || (n == 1 && lines)) {
        warni1(Warning::IncorrectParameter, n);
        return;
    }
    if (a.kind == AxisKind::Polar && !(mode == CurveMode::Line || mode == CurveMode::Bars ||
                                       mode == CurveMode::Stem || mode == CurveMode::FilledBars)) {
        warnText(101, "Bad interpolation method for polar scaling");
        return;
    }
    if (!logValuesAllowed(g, x, y, n)) return;

    // Warnings of the spline come before anything is drawn.
    SplineRequest sr;
    static PreparedSpline sp;  // large; the library runs in one thread
    if (lines && (mode == CurveMode::Spline || mode == CurveMode::ParametricSpline)) {
        sr.x = x, sr.y = y, sr.n = n;
        sr.degree = c.splineOrder;
        sr.parametric = mode == CurveMode::ParametricSpline;
        sr.divisions = c.splinePoints;
        sr.logX = a.sx.log && !sr.parametric;
        sr.logY = a.sy.log != 0;
        if (int status = prepareSpline(sr, sp)) {
            warnSplineFailure(status, n);
            return;
        }
    }

    // The curve's colour and line type from the cycles hold for this curve
    // only; the colour comes back first.
    const LineTypeScope lineType(g);
    const ColourScope colour(g);
    applyCurveCycle(g);
    registerLegendEntry(g, lines ? g.line.lineType : -1, c.markInc != 0 ? c.marker : -1, g.line.curveThickness,
                        g.colour.current, -1);
    reportOutsideScaling(g, x, y, n);

    sclpax(g, 1);
    if (c.markInc != 0) drawSymbols(g, x, y, n, std::llabs(c.markInc));
    if (lines) drawLines(g, x, y, n, mode, sr, sp);
    sclpax(g, 0);
    finishCurveCycle(g);
}

}  // namespace vtx
