// Geometry, scaling checks, clipping area and background of a 2-D axis system.
#include "graph2d/axis_system.h"

#include <algorithm>
#include <cmath>

#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/axis_transform.h"
#include "graph2d/scaling.h"
#include "text/strings.h"

namespace vtx {

// Without axslen the system takes three fifths of the page in each
// direction, leaving more room left and below for labels and names.
int axisLengthX(const Globals& g) { return g.axis.lenX > 0 ? g.axis.lenX : int(std::lround(g.out.nxPage * 0.6)); }
int axisLengthY(const Globals& g) { return g.axis.lenY > 0 ? g.axis.lenY : int(std::lround(g.out.nyPage * 0.6)); }

void axisCorner(const Globals& g, int& nxa, int& nya) {
    const AxisState& a = g.axis;
    if (a.orgSet) {
        nxa = a.orgX - (axisLengthX(g) - 1) / 2;
        nya = a.orgY + (axisLengthY(g) - 1) / 2;
    } else if (a.posSet) {
        nxa = a.posX, nya = a.posY;
    } else {
        nxa = int(std::lround(g.out.nxPage * 0.22));
        nya = int(std::lround(g.out.nyPage * 0.82));
    }
}

bool checkScaling(float a, float e, float first, float step) {
    // Equal ends and a zero step are separate faults, each with its warning.
    const bool ends = std::fabs(e - a) > kScaleEpsilon && std::isfinite(a) && std::isfinite(e) && std::isfinite(e - a);
    const bool stepped = std::fabs(step) > kScaleEpsilon;
    if (!ends) warnin(Warning::ScalingEndsEqual);
    if (!stepped) warnin(Warning::StepZero);
    if (!ends || !stepped) return false;
    const bool ascending = e > a;
    const float lo = ascending ? a : e, hi = ascending ? e : a;
    const float tol = (hi - lo) * 1.0e-5f;
    if (!(first >= lo - tol && first <= hi + tol)) warnin(Warning::StartLabelOutOfScaling);
    if (ascending != (step > 0.0f)) warnin(Warning::StepSign);
    return true;
}

void storeScaling(AxisScaling& s, float a, float e, float first, float step, int log, int length) {
    s.a = a, s.e = e, s.first = first, s.step = step, s.log = log;
    s.factor = float(length - 1) / (e - a);
    const float lo = std::min(a, e), hi = std::max(a, e);
    s.windowMin = log ? std::pow(10.0f, lo) : lo;
    s.windowMax = log ? std::pow(10.0f, hi) : hi;
}

void registerAxisClip(Globals& g) {
    const AxisState& a = g.axis;
    // In 64 bits: the grace margin and the origin may be any int.
    const long long gr = a.grace, ox = g.line.originX, oy = g.line.originY;
    const long long nxa = a.nxa, nya = a.nya, nxl = a.nxl, nyl = a.nyl;
    AxisClipArea area;
    area.x1 = int(std::clamp(nxa - gr + ox, 0LL, (long long)g.out.nxPage + 1));
    area.x2 = int(std::clamp(nxa + nxl - 1 + gr + ox, -1LL, (long long)g.out.nxPage));
    area.y1 = int(std::clamp(nya - nyl + 1 - gr + oy, 0LL, (long long)g.out.nyPage + 1));
    area.y2 = int(std::clamp(nya + gr + oy, -1LL, (long long)g.out.nyPage));
    if (a.kind == AxisKind::Polar) {
        area.circle = 1;
        area.cx = a.polarCX + float(ox), area.cy = a.polarCY + float(oy);
        area.r = a.polarRadius + float(gr);
    }
    setAxisClipArea(g, area);
}

void axisMargins(Globals& g, int& left, int& bottom, int& right, int& top) {
    const AxisState& a = g.axis;
    const int h = g.text.height;
    const int ticks = a.tickLong;
    const bool xName = a.names[0][0] && a.axisParts[0] >= kPartName;
    const bool yName = a.names[1][0] && a.axisParts[1] >= kPartName;
    // Labels of a y axis: four characters wide is typical of numbers with
    // a few digits; the exact widths are known only when drawing.
    left = ticks + a.labelDist[1] + 4 * h + (yName ? a.nameDist[1] + a.nameHeight : 0);
    bottom = ticks + a.labelDist[0] + h + (xName ? a.nameDist[0] + a.nameHeight : 0);
    right = a.axisParts[3] >= 2 ? ticks : 0;
    top = a.axisParts[2] >= 2 ? ticks : 0;
}

void fillAxisBackground(Globals& g) {
    const AxisState& a = g.axis;
    if (a.background < 0) return;
    // The fill settings come back first, then the colour, sent again even
    // when the background had the same.
    const ColourScope colour(g, Restore::Always);
    const FillScope fill(g);
    setShadingPattern(g, 16);
    g.fill.outline = 0;
    qqsclr(g, a.background);
    if (a.kind == AxisKind::Polar) {
        float x[72], y[72];
        for (int i = 0; i < 72; ++i) {
            const float t = float(i) * 6.2831853f / 72.0f;
            x[i] = a.polarCX + a.polarRadius * std::cos(t);
            y[i] = a.polarCY - a.polarRadius * std::sin(t);
        }
        dareaf(g, x, y, 72);
    } else {
        const float x1 = float(a.nxa), x2 = float(a.nxa + a.nxl - 1);
        const float y1 = float(a.nya), y2 = float(a.nya - a.nyl + 1);
        const float x[4] = {x1, x2, x2, x1}, y[4] = {y1, y1, y2, y2};
        dareaf(g, x, y, 4);
    }
}

void applyAutoScale(Globals& g, int axis, float& a, float& e, float& first, float& step, int length) {
    AxisState& s = g.axis;
    float lo = s.autoMin[axis], hi = s.autoMax[axis];
    const int type = s.labelType[axis];
    AutoScale r;
    if (s.scale[axis] == 1) {
        if (lo <= 0.0f) {
            warnin(Warning::LogMinimumNotPositive);
            lo = 0.1f;
        }
        if (hi <= 0.0f) {
            warnin(Warning::LogMaximumNotPositive);
            hi = 1.0f;
        }
        r = autoScaleNumeric(std::log10(lo), std::log10(hi), true, length, axis == 0 ? 200 : 100, type);
    } else if (isTimeLabel(type)) {
        r = autoScaleTime(lo, hi);
    } else if (type == kLabDate) {
        r = autoScaleDate(g, lo, hi);
    } else {
        r = autoScaleNumeric(lo, hi, false, length, axis == 0 ? 200 : 100, type);
    }
    a = r.a, e = r.e, first = r.first, step = r.step;
    s.labelDigits[axis] = s.autoDigits[axis] = r.digits;
    s.timeUnit[axis] = r.unit;
}

}  // namespace vtx
