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
#include "graph2d/axis_system.h"
#include "graph2d/scaling.h"
#include "maps/api.h"
#include "maps/map_axes.h"
#include "maps/map_pen.h"
#include "maps/map_state.h"

namespace vtx {

namespace {

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
    m.code = s.projection, m.group = group, m.user = userProjection();
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
