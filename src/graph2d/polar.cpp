// Polar axis systems: a radius axis across the circle, an angle axis around
// it labelled in degrees, and the polar grid.
#include <algorithm>
#include <cmath>

#include "session/globals.h"
#include "core/messages.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "graph2d/api.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/axis_system.h"
#include "graph2d/axis_transform.h"
#include "graph2d/labels.h"
#include "graph2d/polar_grid.h"
#include "graph2d/scaling.h"
#include "text/fonts.h"
#include "text/strings.h"
#include "text/text_scope.h"

namespace vtx {

namespace {

constexpr float kDegree = 0.017453292519943295f;

// Page angle (radians) of an angle in degrees, after the zero direction and sense.
float pageAngle(const AxisState& a, float degrees) {
    const float q = 1.5707963267948966f * float(a.polarZero);
    return a.polarClockwise ? 6.283185307179586f - degrees * kDegree + q : degrees * kDegree + q;
}

void pointAt(const AxisState& a, float psi, float rho, float& x, float& y) {
    x = a.polarCX + rho * std::cos(psi);
    y = a.polarCY - rho * std::sin(psi);
}

// Ticks of the angle axis: radial strokes at every ystep/ticks degrees.
void angleTicks(Globals& g) {
    const AxisState& a = g.axis;
    const int n = a.ticks[1];
    if (n <= 0) return;
    const float d = a.sy.step / float(n);
    if (!(std::fabs(d) > 1.0e-3f)) return;
    const int count = std::min(int(std::lround(360.0f / std::fabs(d))), 36000);
    const int pos = a.tickPosition[1];
    for (int i = 0; i < count; ++i) {
        const float deg = a.sy.first + float(i) * std::fabs(d);
        const float len = float(i % n == 0 ? a.tickLong : a.tickShort);
        const float r = a.polarRadius;
        float r1 = r, r2 = r + len;
        if (pos == 1) r2 = r - len;
        else if (pos == 2) r1 = r - len / 2.0f, r2 = r + len / 2.0f;
        float x1, y1, x2, y2;
        const float psi = pageAngle(a, deg);
        pointAt(a, psi, r1, x1, y1);
        pointAt(a, psi, r2, x2, y2);
        lineqq(g, x1, y1, x2, y2);
    }
    qqstrk(g);
}

// Labels outside the circle, shifted by quadrant so that they do not
// overlap it; returns the distance below the circle that they take.
int angleLabels(Globals& g) {
    AxisState& a = g.axis;
    if (a.labelType[1] == 0 || !(std::fabs(a.sy.step) > 1.0e-3f)) return 0;
    const int pos = a.tickPosition[1];
    const int tick = a.ticks[1] > 0 ? (pos == 0 ? a.tickLong : pos == 2 ? a.tickLong / 2 : 0) : 0;
    const float rho = a.polarRadius + float(a.labelDist[1] + tick);
    const int h = g.text.height;
    TextScope scope(g);
    g.text.angle = 0, g.text.justify = 0;
    const PartColour colour(g, 1, kColLabels);
    int below = 0;
    const int n = std::min(roundToInt(std::ceil(360.0 / std::fabs(double(a.sy.step)))), 3600);
    AxisLabel label;
    for (int i = 0; i < n; ++i) {
        const float deg = a.sy.first + float(i) * std::fabs(a.sy.step);
        if (deg >= 360.0f - 1.0e-3f) break;
        axisLabelText(g, 1, deg, false, i, n, false, label);
        if (!label.text[0]) continue;
        if (label.needsMix) g.text.mixAlphabet = 1;
        const int w = measureString(g, label.text);
        const float psi = pageAngle(a, deg);
        float px, py;
        pointAt(a, psi, rho, px, py);
        const float c = std::cos(psi), s = std::sin(psi);
        const float x = c > 0.02f ? px : c < -0.02f ? px - float(w) : px - float(w) / 2.0f;
        const float y = s > 0.02f ? py - float(h) : s < -0.02f ? py : py - float(h) / 2.0f;
        qqmess(g, label.text, int(std::lround(x)), int(std::lround(y)));
        scope.restoreAlphabet();
        if (s < -0.02f) below = std::max(below, int(std::lround(y + float(h) - a.polarCY - a.polarRadius)));
    }
    return std::max(below, a.labelDist[1] + tick + h);
}

void angleName(Globals& g, int below) {
    const AxisState& a = g.axis;
    const char* text = a.names[1];
    if (!text[0]) return;
    TextScope scope(g);
    scope.setHeight(a.nameHeight);
    g.text.angle = 0, g.text.justify = 0;
    const PartColour colour(g, 1, kColName);
    const int w = measureString(g, text);
    const float y = a.polarCY + a.polarRadius + float(below + a.nameDist[1]);
    qqmess(g, text, int(std::lround(a.polarCX - float(w) / 2.0f)), int(std::lround(y)));
}

void drawPolarAxes(Globals& g) {
    AxisState& a = g.axis;
    fillAxisBackground(g);
    // The radius axis: a horizontal diameter with the lower x settings.
    AxisDrawSpec r;
    r.a = a.sx.a, r.e = a.sx.e, r.first = a.sx.first, r.step = a.sx.step;
    r.length = a.nxl, r.name = a.names[0], r.side = 0, r.axis = 0;
    r.x = float(a.nxa), r.y = std::round(a.polarCY);
    r.part = a.axisParts[0];
    drawAxis(g, r);
    // The vertical diameter: same scaling, line and ticks only.
    AxisDrawSpec v = r;
    v.axis = 1, v.side = 1, v.name = "";
    v.x = std::round(a.polarCX), v.y = float(a.nya);
    v.part = std::min(a.axisParts[1], int(kPartTicks));
    const AxisScaling savedY = a.sy;
    drawAxis(g, v);
    a.sy = savedY;
    // The angle axis.
    if (a.axisParts[1] >= kPartLine) {
        const PartColour colour(g, 1, kColLine);
        polarCircle(g, a.polarRadius);
    }
    if (a.axisParts[1] >= kPartTicks) {
        const PartColour colour(g, 1, kColTicks);
        angleTicks(g);
    }
    int below = 0;
    if (a.axisParts[1] >= kPartLabels) below = angleLabels(g);
    if (a.axisParts[1] >= kPartName) angleName(g, below);
    // The frame: concentric circles, inward for a negative thickness.
    const int n = boundedMagnitude(a.frame, 1000), stride = coveredCopyStride(g, 1.0f);
    for (int i = 0; i < n; ++i)
        if (copyNeeded(i, n, stride)) polarCircle(g, a.polarRadius + float(a.frame > 0 ? i : -i));
}

}  // namespace

void polarCircle(Globals& g, float r) {
    const AxisState& a = g.axis;
    // Enough segments that the chord error stays below a quarter plot unit.
    const int n = std::clamp(int(std::ceil(3.14159265f / std::acos(std::max(0.0f, 1.0f - 0.25f / std::max(r, 1.0f))))),
                             16, 2000);
    strtqq(g, a.polarCX + r, a.polarCY);
    for (int i = 1; i <= n; ++i) {
        const float t = 6.2831853f * float(i) / float(n);
        connqq(g, a.polarCX + r * std::cos(t), a.polarCY - r * std::sin(t));
    }
    qqstrk(g);
}

void drawPolarGrid(Globals& g, int ix, int iy) {
    const AxisState& a = g.axis;
    if (ix > 0 && std::fabs(a.sx.step) > 0.0f) {
        const float d = std::fabs(a.sx.step) / float(ix);
        const float rmax = a.sx.e;
        const int count = roundToInt(std::floor(rmax / d + 1.0e-4f));
        for (int i = 1; i <= count && i <= 10000; ++i) polarCircle(g, float(i) * d * a.sx.factor);
    }
    if (iy > 0 && std::fabs(a.sy.step) > 0.0f) {
        const long long perStep = roundToInt(360.0 / std::fabs(double(a.sy.step)));
        const int n = int(std::min(perStep * iy, 36000LL));
        for (int i = 0; i < n; ++i) {
            const float psi = pageAngle(a, 360.0f * float(i) / float(n));
            float x, y;
            pointAt(a, psi, a.polarRadius, x, y);
            lineqq(g, a.polarCX, a.polarCY, x, y);
        }
        qqstrk(g);
    }
}

void polmod(const char* zero, const char* sense) {
    Globals* g = chkini("polmod");
    const int z = jqqind("RIGH+TOP +LEFT+BOTT", 4, zero);
    const int s = jqqind("ANTI+CLOC", 2, sense);
    if (z == 0 || s == 0) return;
    g->axis.polarZero = z - 1, g->axis.polarClockwise = s - 1;
}

void polar(float xe, float xor_, float xstep, float yor, float ystep) {
    Globals* gp = jqqlev(1, 1, "polar");
    if (!gp) return;
    Globals& g = *gp;
    AxisState& a = g.axis;
    if (a.scale[0] || a.scale[1]) {
        warnText(101, "Polar axis systems must have linear scaling");
        return;
    }
    const int nxl = axisLengthX(g), nyl = axisLengthY(g);
    const int d = std::min(nxl, nyl);
    if (a.autoScale[0]) {
        const AutoScale s = autoScaleNumeric(0.0f, std::max(a.autoMax[0], 1.0e-30f), false, d / 2, 200, a.labelType[0]);
        xe = s.e, xor_ = s.first, xstep = s.step;
        // The radius axis ends on a label.
        if (std::fabs(xstep) > 0.0f) xe = std::ceil(xe / xstep - 1.0e-4f) * xstep;
        a.labelDigits[0] = a.autoDigits[0] = s.digits;
    }
    if (a.autoScale[1]) {
        yor = 0.0f, ystep = 30.0f;
        a.labelDigits[1] = a.autoDigits[1] = -1;
    }
    const bool radiusValid = checkScaling(0.0f, xe, xor_, xstep);
    const bool angleValid = checkScaling(0.0f, 360.0f, yor, ystep);
    if (!radiusValid || !angleValid) return;

    float cx, cy;
    if (a.centered) {
        cx = float(g.out.nxPage) / 2.0f, cy = float(g.out.nyPage) / 2.0f;
        a.centered = 0;
    } else if (a.orgSet) {
        cx = float(a.orgX), cy = float(a.orgY);
    } else {
        int nxa, nya;
        axisCorner(g, nxa, nya);
        cx = float(nxa) + float(nxl - 1) / 2.0f;
        cy = float(nya) - float(nyl - 1) / 2.0f;
    }
    cx = std::round(cx), cy = std::round(cy);
    a.nxl = a.nyl = d;
    a.nxa = int(cx) - (d - 1) / 2;
    a.nya = int(cy) + (d - 1) / 2;
    a.xa = cx - float(d - 1) / 2.0f, a.ya = cy + float(d - 1) / 2.0f;
    storeScaling(a.sx, -std::fabs(xe), std::fabs(xe), xor_, xstep, 0, d);
    storeScaling(a.sy, 0.0f, 360.0f, yor, ystep, 0, d);
    a.sx.windowMin = 0.0f;
    a.polarCX = cx, a.polarCY = cy;
    a.polarRadius = float(d - 1) / 2.0f;
    a.kind = AxisKind::Polar;
    a.mapProject = nullptr;
    g.ctl.level = 2;
    registerAxisClip(g);
    if (a.noGraf) {
        a.noGraf = 0;
        return;
    }
    drawPolarAxes(g);
}

}  // namespace vtx
