// User coordinates to plot coordinates in the current 2-D axis system and
// back. Plotting routines call these once per point, so they are inline and
// allocate nothing. Plot coordinates here are before the origin shift (the
// line pipeline adds it) with y growing downwards.
#pragma once

#include <cmath>

#include "session/globals.h"

namespace vtx {

// Far limit of plot coordinates: keeps huge or infinite user values finite
// before clipping, so the pipeline never sees inf or NaN.
constexpr float kPlotLimit = 1.0e6f;

// The comparison tolerance of scaling checks.
constexpr float kScaleEpsilon = 1.0e-35f;

inline float clampPlot(float v) {
    if (!(v == v)) return kPlotLimit;  // NaN: far outside, clipped away
    return v < -kPlotLimit ? -kPlotLimit : (v > kPlotLimit ? kPlotLimit : v);
}

// Axis value of a user value: the value itself or its decimal logarithm.
// On a logarithmic axis a non-positive value becomes the neglog exponent
// when neglog is set, else -inf (clamped later to the far limit).
inline float axisValue(const AxisScaling& s, float v, float negLog) {
    if (!s.log) return v;
    if (v > 0.0f) return std::log10(v);
    if (negLog > 0.0f) return std::log10(negLog);
    return -INFINITY;
}

// Plot x and y of one axis value, no clamping (xposn, yposn, the drawers).
inline float plotXOf(const AxisState& a, float u) { return a.xa + (u - a.sx.a) * a.sx.factor; }
inline float plotYOf(const AxisState& a, float u) { return a.ya - (u - a.sy.a) * a.sy.factor; }

// Polar: radius r (user units) and angle phi (radians) to the page.
inline void polarToPlot(const AxisState& a, float r, float phi, float& X, float& Y) {
    const float quarter = 1.5707963267948966f * float(a.polarZero);
    const float psi = a.polarClockwise ? 6.283185307179586f - phi + quarter : phi + quarter;
    const float rho = r * a.sx.factor;
    X = a.polarCX + rho * std::cos(psi);
    Y = a.polarCY - rho * std::sin(psi);
}

// The plot x and y of user values in a Cartesian system, each on its own.
inline float cartesianPlotX(const AxisState& a, float x) {
    return clampPlot(plotXOf(a, axisValue(a.sx, x, a.negLog)));
}
inline float cartesianPlotY(const AxisState& a, float y) {
    return clampPlot(plotYOf(a, axisValue(a.sy, y, a.negLog)));
}

// The transform of internal plotting (curves and everything that plots user
// data): the branch of the current system, non-positive log values through
// neglog, results limited to +-1e6.
inline void userToPlot(const Globals& g, float x, float y, float& X, float& Y) {
    const AxisState& a = g.axis;
    if (a.kind == AxisKind::Polar) {
        polarToPlot(a, x, y, X, Y);
    } else if (a.kind == AxisKind::Map && a.mapProject) {
        a.mapProject(g, x, y, X, Y);
    } else {
        X = cartesianPlotX(a, x);
        Y = cartesianPlotY(a, y);
        return;
    }
    X = clampPlot(X);
    Y = clampPlot(Y);
}

// Inverse of the Cartesian transform (xinvrs, yinvrs): plot to user value.
inline float plotToUserX(const AxisState& a, float X) {
    const float u = a.sx.a + (X - a.xa) / a.sx.factor;
    return a.sx.log ? std::pow(10.0f, u) : u;
}
inline float plotToUserY(const AxisState& a, float Y) {
    const float u = a.sy.a + (a.ya - Y) / a.sy.factor;
    return a.sy.log ? std::pow(10.0f, u) : u;
}

// The user-value window of one Cartesian axis, widened by the tolerance of
// the scaling checks; NaN lies outside.
struct UserWindow {
    float low, high;
    bool contains(float v) const { return v >= low && v <= high; }
};
inline UserWindow userWindow(const AxisScaling& s) {
    const float e = std::fabs(s.windowMax - s.windowMin) * 1.0e-5f;
    return {s.windowMin - e, s.windowMax + e};
}

// True when a user point lies outside the user-value window of the scaling
// (curves report and skip such points). NaN counts as outside. Polar points
// are outside beyond the outer radius.
inline bool outsideScaling(const AxisState& a, float x, float y) {
    if (a.kind == AxisKind::Polar) return !(std::fabs(x) <= a.sx.windowMax * 1.0001f) || !(y == y);
    if (a.kind == AxisKind::Map) return !(x == x) || !(y == y);
    return !userWindow(a.sx).contains(x) || !userWindow(a.sy).contains(y);
}

}  // namespace vtx
