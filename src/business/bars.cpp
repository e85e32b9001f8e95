// bars: one bar per data point in the current 2-D axis system, vertical or
// horizontal, flat or with depth, in the slots of a group of bars, with an
// optional value label. Horizontal bars are the vertical procedure with the
// axes exchanged: positions on the Y axis, bars extending along X.
#include <algorithm>
#include <cmath>

#include "session/globals.h"
#include "business/api.h"
#include "business/bar_geometry.h"
#include "business/business_state.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "device/shielding.h"
#include "graph2d/axis_transform.h"
#include "graph2d/curve_checks.h"
#include "graph2d/legend_entries.h"
#include "text/strings.h"

namespace vtx {

namespace {

constexpr float kEpsilon = 1.0e-5f;

// The axis along which bars stand side by side, and the one along which they extend.
struct BarAxes {
    bool horizontal;
    const AxisScaling& pos;
    const AxisScaling& val;
};

float userOfAxis(const AxisScaling& s, float v) { return s.log ? std::pow(10.0f, v) : v; }

float positionPlot(const Globals& g, const BarAxes& ax, float u) {
    const AxisState& a = g.axis;
    return clampPlot(ax.horizontal ? plotYOf(a, axisValue(a.sy, u, a.negLog)) : plotXOf(a, axisValue(a.sx, u, a.negLog)));
}

float valuePlot(const Globals& g, const BarAxes& ax, float u) {
    const AxisState& a = g.axis;
    return clampPlot(ax.horizontal ? plotXOf(a, axisValue(a.sx, u, a.negLog)) : plotYOf(a, axisValue(a.sy, u, a.negLog)));
}

// Replaces the positions by the label positions of the position axis (the
// labels at its two ends left out); returns the number of bars to draw.
int positionsAtLabels(const BarAxes& ax, float* x, int n) {
    const AxisScaling& s = ax.pos;
    if (s.step == 0.0f) return n;
    int m = int(std::lround((s.e - s.first) / s.step + kEpsilon));
    const int a = std::fabs(s.first - s.a) < kEpsilon ? 1 : 0;
    if (std::fabs(s.first + float(m) * s.step - s.e) < kEpsilon) --m;
    const int count = m - a + 1;
    if (count != n) warnin(Warning::BarsUnequalTicks);
    const int used = std::max(0, std::min(count, n));
    for (int i = 0; i < used; ++i) x[i] = userOfAxis(s, float(a + i) * s.step + s.first);
    return used;
}

// The group width from the bar width setting: a fraction of the distance of
// neighbouring positions, or plot units.
float groupWidth(float W, float distance) { return W > 0 ? W * distance : std::fabs(W); }

void outlineFace(Globals& g, const float* x, const float* y, int n) {
    strtqq(g, x[0], y[0]);
    for (int i = 1; i < n; ++i) connqq(g, x[i], y[i]);
    connqq(g, x[0], y[0]);
    qqstrk(g);
}

// Fills a face with the current pattern; pattern 0 draws its outline.
void fillFace(Globals& g, const float* x, const float* y, int n) {
    if (figuresFilled(g)) fillFigure(g, x, y, n);
    else outlineFace(g, x, y, n);
}

void fillRect(Globals& g, const BarRect& r) {
    const float x[4] = {r.x1, r.x2, r.x2, r.x1}, y[4] = {r.y1, r.y1, r.y2, r.y2};
    fillFace(g, x, y, 4);
}

void outlineRect(Globals& g, const BarRect& r) {
    const float x[4] = {r.x1, r.x2, r.x2, r.x1}, y[4] = {r.y1, r.y1, r.y2, r.y2};
    outlineFace(g, x, y, 4);
}

// The value a bar's label shows (labels with object BARS).
float labelValue(int kind, float x, float y1, float y2) {
    switch (kind) {
        case 1: return y2;
        case 2: return y1;
        case 3: return std::max(y1, y2);
        case 4: return std::min(y1, y2);
        case 5: return y2 - y1;
        default: return x;
    }
}

// Everything one call of bars keeps fixed while it draws its bars.
struct BarJob {
    BarAxes axes;
    int slot;
    int ngrp;
    float gapValue;
    float width;           // barwth
    bool variable;         // barmod VARI
    bool depth;            // 3-D types
    float dx, dy;          // depth vector
};

BarWidths widthsOfBar(const Globals& g, const BarJob& job, const float* x, int n, int i) {
    if (!job.variable || job.width <= 0 || n < 2) return BarWidths{};
    const float here = positionPlot(g, job.axes, x[i]);
    float d;
    if (i == 0) d = std::fabs(positionPlot(g, job.axes, x[1]) - here);
    else if (i == n - 1) d = std::fabs(here - positionPlot(g, job.axes, x[i - 1]));
    else d = std::min(std::fabs(positionPlot(g, job.axes, x[i + 1]) - here),
                      std::fabs(here - positionPlot(g, job.axes, x[i - 1])));
    return barWidths(groupWidth(job.width, d), job.ngrp, job.gapValue);
}

void drawBar(Globals& g, const BarJob& job, const BarWidths& w, float x, float y1, float y2) {
    const BusinessState& b = g.biz;
    const float centre = positionPlot(g, job.axes, x);
    const float from = valuePlot(g, job.axes, y1), to = valuePlot(g, job.axes, y2);
    const BarRect r = job.axes.horizontal ? horizontalBar(w, job.slot, centre, from, to)
                                          : verticalBar(w, job.slot, centre, from, to);

    // The label is placed first: a label inside the bar keeps its box free of the fill.
    const int kind = g.axis.barLabel;
    const float h = float(g.text.height);
    float value = 0, tw = 0, lx = 0, ly = 0;
    int code = 0;
    if (kind != 0) {
        value = labelValue(kind, x, y1, y2);
        tw = float(numberText(g, value, g.axis.otherDigits[0], 0, 0, true));
        code = resolveLabelCode(g.axis.barLabelCode, r, tw, h);
        barLabelStart(r, job.axes.horizontal, code, tw, h, lx, ly);
        if (job.depth && code == 12) lx += job.dx / 2, ly += job.dy / 2;
        if (job.depth && code == 23) lx += job.dx, ly += job.dy;
    }

    const int saved = g.colour.current;
    if (b.barColours[0] >= 0) qqsclr(g, b.barColours[0]);
    if (r.x1 == r.x2 || r.y1 == r.y2) {
        outlineRect(g, r);
    } else if (kind != 0 && labelInsideBar(code) && g.fill.type != 0) {
        const BarRect hole{lx, ly, lx + labelBoxWidth(tw, h), ly + labelBoxHeight(h)};
        fillAroundHole(r, hole, [&g](const BarRect& piece) { fillRect(g, piece); });
    } else {
        fillRect(g, r);
    }
    Quad side, top;
    if (job.depth) {
        depthFaces(r, job.axes.horizontal, job.dx, job.dy, side, top);
        qqsclr(g, b.barColours[1] >= 0 ? b.barColours[1] : saved);
        fillFace(g, side.x, side.y, 4);
        qqsclr(g, b.barColours[2] >= 0 ? b.barColours[2] : saved);
        fillFace(g, top.x, top.y, 4);
    }
    if (job.depth || b.barBorder >= 0) {
        qqsclr(g, b.barBorder >= 0 ? b.barBorder : g.colour.foreground);
        outlineRect(g, r);
        if (job.depth) {
            outlineFace(g, side.x, side.y, 4);
            outlineFace(g, top.x, top.y, 4);
        }
    }
    if (kind != 0) {
        qqsclr(g, g.axis.labelColour >= 0 ? g.axis.labelColour : saved);
        numberText(g, value, g.axis.otherDigits[0], int(std::lround(lx + 0.25f * h)), int(std::lround(ly + 0.25f * h)),
                   false);
    }
    if (autoShielding(g, kShieldBars)) {
        // Later drawing stays out of the bar and its depth faces.
        const float x0 = std::min(r.x1, r.x2), y0 = std::min(r.y1, r.y2);
        registerShieldRectangle(g, kShieldBars, x0, y0, std::fabs(r.x2 - r.x1) + 1, std::fabs(r.y2 - r.y1) + 1, 0);
        if (job.depth) {
            registerShieldPolygon(g, kShieldBars, side.x, side.y, 4);
            registerShieldPolygon(g, kShieldBars, top.x, top.y, 4);
        }
    }
    qqsclr(g, saved);
}

}  // namespace

void bars(float* x, float* y1, const float* y2, int n) {
    Globals* gp = jqqlev(2, 3, "bars");
    if (!gp) return;
    Globals& g = *gp;
    if (jqqval(n, 1, 32000) != 0) return;
    BusinessState& b = g.biz;
    const bool horizontal = b.barType == 1 || b.barType == 3;
    const BarAxes axes{horizontal, horizontal ? g.axis.sy : g.axis.sx, horizontal ? g.axis.sx : g.axis.sy};

    registerLegendEntry(g, -1, -1, g.line.curveThickness, g.colour.current, g.fill.pattern);
    ++g.curve.curveCount;
    const int slot = ++b.barSlot;
    if (b.barSlot >= b.barGroups) b.barSlot = 0;

    if (b.barPos >= 2) {
        const float low = userOfAxis(axes.val, std::min(axes.val.a, axes.val.e));
        for (int i = 0; i < n; ++i) y1[i] = low;
    }
    if (b.barPos == 1 || b.barPos == 3) n = positionsAtLabels(axes, x, n);
    if (n < 1) return;

    const float* xs = horizontal ? y1 : x;
    const float* ys = horizontal ? x : y1;
    const float* ye = horizontal ? x : y2;
    const float* xe = horizontal ? y2 : x;
    if (!logValuesAllowed(g, xs, ys, n) || !logValuesAllowed(g, xe, ye, n)) return;
    reportOutsideScaling(g, xs, ys, n);
    reportOutsideScaling(g, xe, ye, n);

    BarJob job{axes, slot, b.barGroups, b.barGroupGap, g.curve.barWidth, b.barVariable != 0,
               b.barType >= 2, 0, 0};
    const float distance = n > 1 ? std::fabs(positionPlot(g, axes, x[1]) - positionPlot(g, axes, x[0]))
                                 : std::fabs(axes.pos.step * axes.pos.factor);
    const BarWidths fixed = barWidths(groupWidth(job.width, distance), job.ngrp, job.gapValue);
    if (job.depth) {
        const float angle = b.barAngle * 3.14159265f / 180.0f;
        const float d = b.barDepth >= kEpsilon ? b.barDepth : fixed.bar;
        job.dx = std::round(std::cos(angle) * d);
        job.dy = -std::round(std::sin(angle) * d);
    }

    const int savedColour = g.colour.current;
    const int cycling = b.barChange;  // 0 NONE, 1 COLO, 2 PATT, 3 BOTH
    sclpax(g, 1);
    for (int i = 0; i < n; ++i) {
        if (x[i] != x[i] || y1[i] != y1[i] || y2[i] != y2[i]) continue;
        if (cycling == 1 || cycling == 3) qqsclr(g, g.colour.colourCycle[i % kCycleLength]);
        if (cycling >= 2) setShadingPattern(g, g.curve.patternCycle[i % kCycleLength]);
        const BarWidths w = job.variable && job.width > 0 && n > 1 ? widthsOfBar(g, job, x, n, i) : fixed;
        drawBar(g, job, w, x[i], y1[i], y2[i]);
    }
    sclpax(g, 0);
    const int next = (g.curve.curveCount + 1) % kCycleLength;
    setShadingPattern(g, g.curve.patternCycle[(next == 0 ? kCycleLength : next) - 1]);
    if (cycling == 1 || cycling == 3) qqsclr(g, savedColour);
}

}  // namespace vtx
