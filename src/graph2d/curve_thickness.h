// Thick curves: a curve of thickness t is drawn as parallel copies, one pen
// width apart, alternating to both sides of the centre line.
#pragma once

#include <cmath>

#include "core/devices.h"
#include "session/globals.h"

namespace vtx {

// Device pen widths per plot unit. Pixel devices have a pen of one pixel;
// vector formats draw hairlines, so one plot unit serves as their pen.
inline float penFactor(const Globals& g) {
    const DeviceClass c = deviceClass(g.ctl.device);
    if ((c == DeviceClass::Raster || c == DeviceClass::Screen) && g.out.deviceScale > 0.0f)
        return g.out.deviceScale;
    return 1.0f;
}

// Number of copies drawn for thickness t, at least one; copies beyond the
// page's diagonal on either side would add nothing.
inline int curvePasses(const Globals& g, int thickness) {
    const double reach = std::hypot(double(g.out.nxPage) + 1.0, double(g.out.nyPage) + 1.0) * penFactor(g);
    const double p = std::round(std::min(static_cast<double>(thickness) * penFactor(g), 2.0 * reach + 1.0));
    return p < 1.0 ? 1 : (p > 100000.0 ? 100000 : static_cast<int>(p));
}

// Whether copy k of `passes` is drawn: under an emulated line width that
// already covers `stride` pens only every stride-th pen offset and the two
// outermost copies are.
inline bool passDrawn(int k, int passes, int stride) {
    return stride <= 1 || ((k + 1) / 2) % stride == 0 || k >= passes - 2;
}

// Perpendicular offset of copy k in plot units: 0, -1, +1, -2, +2, ... pens.
inline float passOffset(const Globals& g, int k) {
    const int pens = (k + 1) / 2;
    return (k % 2 == 1 ? -pens : pens) / penFactor(g);
}

}  // namespace vtx
