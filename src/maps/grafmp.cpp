// grafmp: the map axis system. Scales both axes in degrees, fits the window
// into the axis rectangle through the selected projection and draws the
// degree-labelled axes, or the outline or circle of maps that have no
// rectangular frame.
#include <algorithm>
#include <cmath>

#include "session/globals.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/api.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/axis_system.h"
#include "graph2d/scaling.h"
#include "maps/api.h"
#include "maps/map_pen.h"
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

// One side of the rectangular map frame: 1 lower, 2 right, 3 upper, 4 left.
AxisDrawSpec mapSide(const Globals& g, int side) {
    const AxisState& a = g.axis;
    AxisDrawSpec s;
    const bool xAxis = side == 1 || side == 3;
    const AxisScaling& sc = xAxis ? a.sx : a.sy;
    s.a = sc.a, s.e = sc.e, s.first = sc.first, s.step = sc.step;
    s.axis = xAxis ? 0 : 1;
    s.length = xAxis ? a.nxl : a.nyl;
    s.name = a.names[s.axis];
    s.part = a.axisParts[side == 1 ? 0 : side == 4 ? 1 : side == 3 ? 2 : 3];
    s.x = side == 2 ? float(a.nxa + a.nxl - 1) : float(a.nxa);
    s.y = side == 3 ? float(a.nya - a.nyl + 1) : float(a.nya);
    s.side = side == 1 || side == 2 ? 0 : 1;
    s.position = mapAxisPosition;
    return s;
}

// xaxmap and yaxmap: the axes label degrees (MAP unless DMAP, LMAP or NONE
// is chosen), as whole numbers when the labels fall on whole degrees.
void drawMapAxes(Globals& g) {
    AxisState& a = g.axis;
    int savedType[2], savedDigits[2];
    for (int i = 0; i < 2; ++i) {
        savedType[i] = a.labelType[i], savedDigits[i] = a.labelDigits[i];
        const int t = a.labelType[i];
        if (t != kLabNone && t != kLabMap && t != kLabDmap && t != kLabLmap) a.labelType[i] = kLabMap;
        const AxisScaling& sc = i == 0 ? a.sx : a.sy;
        if (sc.first == std::round(sc.first) && sc.step == std::round(sc.step)) a.labelDigits[i] = -1;
    }
    // ax2grf leaves out the upper and right axes of this one system.
    const int sides = a.twoAxesOnly ? 2 : 4;
    static const int kSides[4] = {1, 4, 3, 2};
    for (int k = 0; k < sides; ++k) drawAxis(g, mapSide(g, kSides[k]));
    for (int i = 0; i < 2; ++i) a.labelType[i] = savedType[i], a.labelDigits[i] = savedDigits[i];
}

// The frame of maps without rectangular axes: the circle of the visible cap
// or the projected outline of the window, `thickness` lines side by side.
void drawMapOutline(Globals& g, int thickness) {
    const MapGeometry& m = g.map.geo;
    const MapState& s = g.map;
    const int n = std::clamp(std::abs(thickness), 1, 50);
    for (int i = 0; i < n; ++i) {
        const float d = float(thickness >= 0 ? i : -i);
        if (m.frame == MapFrameKind::Circle) {
            constexpr int kSteps = 360;
            const double r = m.frameRadius + d;
            for (int k = 0; k <= kSteps; ++k) {
                const double t = 2.0 * 3.14159265358979323846 * k / kSteps;
                const float X = float(m.frameX + r * std::cos(t)), Y = float(m.frameY - r * std::sin(t));
                if (k == 0) strtqq(g, X, Y);
                else connqq(g, X, Y);
            }
            continue;
        }
        // Along the west meridian up, the north parallel east, the east
        // meridian down and the south parallel back, half a degree a step.
        const double corners[5][2] = {{s.xa, s.ya}, {s.xa, s.ye}, {s.xe, s.ye}, {s.xe, s.ya}, {s.xa, s.ya}};
        bool first = true;
        for (int e = 0; e < 4; ++e) {
            const double* p = corners[e];
            const double* q = corners[e + 1];
            const int steps = std::max(1, int(std::ceil(std::hypot(q[0] - p[0], q[1] - p[1]) * 2.0)));
            for (int k = first ? 0 : 1; k <= steps; ++k) {
                double X, Y;
                projectToPlot(m, p[0] + (q[0] - p[0]) * k / steps, p[1] + (q[1] - p[1]) * k / steps, X, Y);
                if (first) strtqq(g, float(X), float(Y), -d), first = false;
                else connqq(g, float(X), float(Y), -d);
            }
        }
    }
    qqstrk(g);
}

}  // namespace

void grafmp(float xa, float xe, float xor_, float xstp, float ya, float ye, float yor, float ystp) {
    Globals* gp = jqqlev(1, 1, "grafmp");
    if (!gp) return;
    Globals& g = *gp;
    AxisState& a = g.axis;
    MapState& s = g.map;
    a.nxl = axisLengthX(g), a.nyl = axisLengthY(g);
    if (a.autoScale[0]) applyAutoScale(g, 0, xa, xe, xor_, xstp, a.nxl);
    if (a.autoScale[1]) applyAutoScale(g, 1, ya, ye, yor, ystp, a.nyl);
    const ProjectionRow* row = projectionByCode(s.projection);
    const MapGroup group = row ? row->group : MapGroup::Plain;
    switch (checkMapLimits(s.projection, group, xa, xe, ya, ye)) {
        case 52: warnin(Warning::HiddenLineOverflow); return;  // the number the library gives empty map windows
        case 2: warnin(Warning::IncorrectParameter); return;
        default: break;
    }
    const bool xValid = checkScaling(xa, xe, xor_, xstp);
    const bool yValid = checkScaling(ya, ye, yor, ystp);
    if (!xValid || !yValid) return;

    axisCorner(g, a.nxa, a.nya);
    a.xa = float(a.nxa), a.ya = float(a.nya);
    storeScaling(a.sx, xa, xe, xor_, xstp, 0, a.nxl);
    storeScaling(a.sy, ya, ye, yor, ystp, 0, a.nyl);
    a.kind = AxisKind::Map;
    a.mapProject = mapToPlot;
    g.ctl.level = 2;

    MapGeometry& m = s.geo;
    m = MapGeometry{};
    m.code = s.projection, m.group = group, m.user = s.user;
    MapWindow w;
    w.xa = xa, w.xe = xe, w.ya = ya, w.ye = ye;
    w.nxa = a.nxa, w.nya = a.nya, w.nxl = a.nxl, w.nyl = a.nyl;
    w.poleLon = s.pole[0], w.poleLat = s.pole[1];
    w.refSet = s.refSet != 0, w.ref1 = s.ref[0], w.ref2 = s.ref[1];
    w.sphere = s.sphereSet ? s.sphere : 90.0;
    setupMap(m, w);
    s.xa = xa, s.xe = xe, s.ya = ya, s.ye = ye;
    s.penLon = s.penLat = 0.0;

    registerAxisClip(g);
    if (m.frame == MapFrameKind::Circle) {
        // Whatever is drawn into a whole cap stays inside its circle.
        AxisClipArea area = g.line.axisArea;
        area.circle = 2;
        area.cx = float(m.frameX) + float(g.line.originX), area.cy = float(m.frameY) + float(g.line.originY);
        area.r = float(m.frameRadius) + 0.5f;
        setAxisClipArea(g, area);
    }
    if (a.noGraf) {
        a.noGraf = a.twoAxesOnly = 0;
        return;
    }
    fillAxisBackground(g);
    if (m.frame == MapFrameKind::Rectangle) {
        drawMapAxes(g);
        if (a.frame != 0) box2d();
    } else if (a.frame != 0) {
        drawMapOutline(g, a.frame);
    }
    a.twoAxesOnly = 0;
}

}  // namespace vtx
