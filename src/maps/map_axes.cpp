// Map axes: xaxmap and yaxmap, and the sides of the rectangular map frame
// that grafmp draws with them. Labels stand where meridians (x) and
// parallels (y) meet the axis line, and read in degrees.
#include "maps/map_axes.h"

#include <cmath>

#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/axis_system.h"
#include "graph2d/scaling.h"
#include "maps/api.h"
#include "maps/map_state.h"

namespace vtx {

namespace {

// Where a grid line of value v meets the straight axis of `s`: a meridian
// the x axis, a parallel the y axis. Projections whose grid lines are
// straight answer directly; the others search along the grid line.
float mapAxisPosition(const Globals& g, const AxisDrawSpec& s, float v) {
    const MapGeometry& m = g.map.geo;
    const double len = double(s.length - 1);
    double X, Y;
    if (m.group == MapGroup::Plain || m.group == MapGroup::Cylindrical) {
        projectToPlot(m, v, v, X, Y);
        return float(s.axis == 0 ? X - s.x : s.y - Y);
    }
    // The coordinate across the axis along the grid line, and where it lies along the axis.
    auto probe = [&](double t, double& across, double& along) {
        if (s.axis == 0) projectToPlot(m, v, t, X, Y), across = Y - s.y, along = X - s.x;
        else projectToPlot(m, t, v, X, Y), across = X - s.x, along = s.y - Y;
    };
    const double t0 = s.axis == 0 ? -90.0 : m.lonCentre - 180.0, t1 = s.axis == 0 ? 90.0 : m.lonCentre + 180.0;
    constexpr int kProbes = 360;
    double prevT = t0, prevAcross, along;
    probe(t0, prevAcross, along);
    for (int i = 1; i <= kProbes; ++i) {
        const double t = t0 + (t1 - t0) * i / kProbes;
        double across;
        probe(t, across, along);
        if ((prevAcross <= 0.0) != (across <= 0.0) && std::isfinite(across) && std::isfinite(prevAcross)) {
            double lo = prevT, hi = t, acrossLo = prevAcross;
            for (int k = 0; k < 40; ++k) {
                const double mid = (lo + hi) / 2.0;
                double a2;
                probe(mid, a2, along);
                if ((a2 <= 0.0) == (acrossLo <= 0.0)) lo = mid, acrossLo = a2;
                else hi = mid;
            }
            probe((lo + hi) / 2.0, across, along);
            if (along >= -0.5 && along <= len + 0.5) return float(along);
        }
        prevT = t, prevAcross = across;
    }
    return NAN;
}

// A map axis along the frame's width (x) or height (y), starting at the
// frame's left or lower edge and standing at `at` across it.
AxisDrawSpec mapAxisSpec(const Globals& g, int axis, float a, float e, float first, float step, const char* name,
                         int side, float at) {
    const AxisState& st = g.axis;
    AxisDrawSpec s;
    s.a = a, s.e = e, s.first = first, s.step = step;
    s.axis = axis;
    s.length = axis == 0 ? st.nxl : st.nyl;
    s.name = name;
    s.x = axis == 0 ? float(st.nxa) : at;
    s.y = axis == 0 ? at : float(st.nya);
    s.side = side;
    s.position = mapAxisPosition;
    s.dropOverlaps = true;
    return s;
}

// Draws a map axis with degree labels: MAP unless DMAP, LMAP or NONE is
// chosen, whole numbers when the labels fall on whole degrees.
void drawDegreeAxis(Globals& g, const AxisDrawSpec& s) {
    AxisState& a = g.axis;
    const int i = s.axis;
    const int savedType = a.labelType[i], savedDigits = a.labelDigits[i];
    const int t = a.labelType[i];
    if (t != kLabNone && t != kLabMap && t != kLabDmap && t != kLabLmap) a.labelType[i] = kLabMap;
    if (s.first == std::round(s.first) && s.step == std::round(s.step)) a.labelDigits[i] = -1;
    drawAxis(g, s);
    a.labelType[i] = savedType, a.labelDigits[i] = savedDigits;
}

void standaloneMapAxis(const char* routine, int axis, float a, float e, float first, float step, const char* name,
                       int side, int at) {
    Globals* gp = jqqlev(2, 3, routine);
    if (!gp) return;
    Globals& g = *gp;
    if (jqqval(side, 0, 1)) return;
    if (g.axis.kind != AxisKind::Map) {
        warnText(101, "No map axis system defined");
        return;
    }
    if (!checkScaling(a, e, first, step)) return;
    drawDegreeAxis(g, mapAxisSpec(g, axis, a, e, first, step, name, side,
                                  axis == 0 ? jqqyvl(g, float(at)) : float(at)));
}

}  // namespace

void drawMapAxes(Globals& g) {
    const AxisState& a = g.axis;
    // Lower, left, upper and right side; ax2grf leaves out the last two.
    const int sides = a.twoAxesOnly ? 2 : 4;
    for (int k = 0; k < sides; ++k) {
        const bool xAxis = k % 2 == 0;
        const AxisScaling& sc = xAxis ? a.sx : a.sy;
        const bool far = k >= 2;
        const float at = xAxis ? float(far ? a.nya - a.nyl + 1 : a.nya) : float(far ? a.nxa + a.nxl - 1 : a.nxa);
        const int side = xAxis ? (far ? 1 : 0) : (far ? 0 : 1);
        AxisDrawSpec s = mapAxisSpec(g, xAxis ? 0 : 1, sc.a, sc.e, sc.first, sc.step, a.names[xAxis ? 0 : 1], side, at);
        s.part = a.axisParts[k];  // in the same order as the sides
        drawDegreeAxis(g, s);
    }
}

void xaxmap(float a, float e, float or_, float step, const char* name, int side, int ny) {
    standaloneMapAxis("xaxmap", 0, a, e, or_, step, name, side, ny);
}

void yaxmap(float a, float e, float or_, float step, const char* name, int side, int nx) {
    standaloneMapAxis("yaxmap", 1, a, e, or_, step, name, side, nx);
}

}  // namespace vtx
