// graf: the Cartesian axis system, and endgrf and box2d that end and frame it.
#include <algorithm>
#include <cmath>

#include "session/globals.h"
#include "core/messages.h"
#include "device/line_style.h"
#include "device/pipeline.h"
#include "graph2d/api.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/axis_system.h"
#include "graph2d/axis_transform.h"

namespace vtx {

namespace {

// The frame: |thickness| nested rectangles, outward for a positive value.
// Rectangles one unit apart: beyond the page's size more add nothing.
void drawFrame(Globals& g, int thickness) {
    const AxisState& a = g.axis;
    const FrameColour colour(g);
    const int n = boundedMagnitude(thickness, std::max(g.out.nxPage, g.out.nyPage) + 1);
    const int dir = thickness > 0 ? 1 : -1, stride = coveredCopyStride(g, 1.0f);
    for (int i = 0; i < n; ++i) {
        if (!copyNeeded(i, n, stride)) continue;
        const float d = float(i * dir);
        const float x1 = float(a.nxa) - d, x2 = float(a.nxa + a.nxl - 1) + d;
        const float y1 = float(a.nya) + d, y2 = float(a.nya - a.nyl + 1) - d;
        rectqq(g, x1, y1, x2, y2);
    }
    qqstrk(g);
}

// With center: shift the corner so that the system and the space its axes
// need are centred on the page.
void centreOnPage(Globals& g) {
    AxisState& a = g.axis;
    int left, bottom, right, top;
    axisMargins(g, left, bottom, right, top);
    const int width = left + a.nxl + right, height = top + a.nyl + bottom;
    a.nxa = (g.out.nxPage + 1 - width) / 2 + left;
    a.nya = (g.out.nyPage + 1 - height) / 2 + top + a.nyl - 1;
    a.centered = 0;
}

}  // namespace

AxisDrawSpec cartesianSide(const Globals& g, int side) {
    const AxisState& a = g.axis;
    AxisDrawSpec s;
    const bool xAxis = side == 1 || side == 3;
    const AxisScaling& sc = xAxis ? a.sx : a.sy;
    s.a = sc.a, s.e = sc.e, s.first = sc.first, s.step = sc.step, s.log = sc.log;
    s.axis = xAxis ? 0 : 1;
    s.length = xAxis ? a.nxl : a.nyl;
    s.name = a.names[s.axis];
    s.part = a.axisParts[side == 1 ? 0 : side == 4 ? 1 : side == 3 ? 2 : 3];
    switch (side) {
        case 1: s.x = float(a.nxa), s.y = float(a.nya), s.side = 0; break;
        case 4: s.x = float(a.nxa), s.y = float(a.nya), s.side = 1; break;
        case 3: s.x = float(a.nxa), s.y = float(a.nya - a.nyl + 1), s.side = 1; break;
        default: s.x = float(a.nxa + a.nxl - 1), s.y = float(a.nya), s.side = 0; break;
    }
    return s;
}

void graf(float xa, float xe, float xor_, float xstep, float ya, float ye, float yor, float ystep) {
    Globals* gp = jqqlev(1, 1, "graf");
    if (!gp) return;
    Globals& g = *gp;
    AxisState& a = g.axis;
    a.nxl = axisLengthX(g), a.nyl = axisLengthY(g);
    if (a.autoScale[0]) applyAutoScale(g, 0, xa, xe, xor_, xstep, a.nxl);
    if (a.autoScale[1]) applyAutoScale(g, 1, ya, ye, yor, ystep, a.nyl);
    // Both axes are checked, so that every fault is reported at once.
    const bool xValid = checkScaling(xa, xe, xor_, xstep);
    const bool yValid = checkScaling(ya, ye, yor, ystep);
    if (!xValid || !yValid) return;

    if (a.crossed) {
        if (a.scale[0] || a.scale[1]) {
            warnText(101, "Crossed axis systems must have linear scaling");
            return;
        }
        auto holdsZero = [](float lo, float hi) {
            return std::min(lo, hi) - kScaleEpsilon <= 0.0f && 0.0f <= std::max(lo, hi) + kScaleEpsilon;
        };
        if (!holdsZero(xa, xe) || !holdsZero(ya, ye)) {
            warnText(101, "No origin found for crossed axis system");
            return;
        }
    }

    axisCorner(g, a.nxa, a.nya);
    if (a.crossed && a.orgSet) {
        a.nxa = int(std::lround((a.nxl - 1) * xa / (xe - xa))) + a.orgX;
        a.nya = int(std::lround(a.nyl - (a.nyl - 1) * ye / (ye - ya))) + a.orgY - 1;
    }
    if (a.centered) centreOnPage(g);
    a.xa = float(a.nxa), a.ya = float(a.nya);
    storeScaling(a.sx, xa, xe, xor_, xstep, a.scale[0], a.nxl);
    storeScaling(a.sy, ya, ye, yor, ystep, a.scale[1], a.nyl);
    // Automatic scaling clips curves to the data range, not the rounded axis.
    for (int i = 0; i < 2; ++i) {
        if (!a.autoScale[i]) continue;
        AxisScaling& s = i == 0 ? a.sx : a.sy;
        if (!s.log || a.autoMin[i] > 0.0f) s.windowMin = a.autoMin[i];
        if (!s.log || a.autoMax[i] > 0.0f) s.windowMax = a.autoMax[i];
    }
    a.kind = AxisKind::Cartesian;
    a.mapProject = nullptr;
    g.ctl.level = 2;
    if (a.crossed) {
        a.crossX = int(std::lround(plotXOf(a, 0.0f)));
        a.crossY = int(std::lround(plotYOf(a, 0.0f)));
    }
    registerAxisClip(g);

    if (a.noGraf) {
        a.noGraf = a.twoAxesOnly = 0;
        return;
    }
    fillAxisBackground(g);
    if (a.crossed) {
        AxisDrawSpec x = cartesianSide(g, 1), y = cartesianSide(g, 4);
        x.y = float(a.crossY), y.x = float(a.crossX);
        x.crossed = y.crossed = true;
        x.nameAnchor = y.nameAnchor = 0.0f;
        drawAxis(g, x);
        drawAxis(g, y);
    } else {
        // ax2grf leaves out the upper and right axes of this one system.
        const int sides = a.twoAxesOnly ? 2 : 4;
        static const int kSides[4] = {1, 4, 3, 2};
        for (int k = 0; k < sides; ++k) drawAxis(g, cartesianSide(g, kSides[k]));
    }
    a.twoAxesOnly = 0;
    if (a.frame != 0) drawFrame(g, a.frame);
}

void endgrf() {
    Globals* g = jqqlev(1, 3, "endgrf");
    if (!g) return;
    qqstrk(*g);
    g->ctl.level = 1;
    g->axis.kind = AxisKind::None;
    g->axis.mapProject = nullptr;
    setAxisClipArea(*g, AxisClipArea{});
    // Curves may have left a dash pattern and thickness behind.
    setLineType(*g, 0);
    g->line.curveThickness = 1;
}

void box2d() {
    Globals* g = jqqlev(1, 3, "box2d");
    if (!g) return;
    if (g->axis.kind == AxisKind::None) return;
    drawFrame(*g, g->axis.frame);
}

}  // namespace vtx
