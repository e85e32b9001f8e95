// The 3-D axes: each axis runs along one edge of the projected box and gets
// the 2-D axis drawer's ticks, labels and name, set out perpendicular to the
// projected edge and away from the box.
#include "graph3d/axes3d.h"

#include <algorithm>
#include <cmath>

#include "device/pipeline.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/labels.h"
#include "graph3d/box_system.h"
#include "text/strings.h"
#include "text/text_scope.h"

namespace vtx {

namespace {

// Tick offsets come from the 2-D tick walker on an axis this many units long.
constexpr int kVirtualLength = 10001;

struct ScreenEdge {
    float x0, y0, x1, y1;  // projected ends
    float ox, oy;          // unit normal away from the box
    float p0[3], p1[3];    // box ends
};

ScreenEdge makeEdge(const Globals& g, const float p0[3], const float p1[3]) {
    ScreenEdge e;
    for (int i = 0; i < 3; ++i) e.p0[i] = p0[i], e.p1[i] = p1[i];
    boxToPlot(g, p0[0], p0[1], p0[2], e.x0, e.y0);
    boxToPlot(g, p1[0], p1[1], p1[2], e.x1, e.y1);
    float cx, cy;
    boxToPlot(g, 0.0f, 0.0f, 0.0f, cx, cy);
    const float dx = e.x1 - e.x0, dy = e.y1 - e.y0, len = std::hypot(dx, dy);
    e.ox = len > 0.0f ? -dy / len : 0.0f, e.oy = len > 0.0f ? dx / len : 1.0f;
    const float mx = 0.5f * (e.x0 + e.x1) - cx, my = 0.5f * (e.y0 + e.y1) - cy;
    if (e.ox * mx + e.oy * my < 0.0f) e.ox = -e.ox, e.oy = -e.oy;
    return e;
}

// The three labelled edges: X and Y on the floor on the sides facing the
// viewer, Z on the vertical edge farthest left on the screen.
void chooseEdges(const Globals& g, ScreenEdge out[3]) {
    const Graph3DState& s = g.g3d;
    const float hx = 0.5f * s.box[0], hy = 0.5f * s.box[1], hz = 0.5f * s.box[2];
    const float ySide = s.eye[1] >= 0.0f ? hy : -hy, xSide = s.eye[0] >= 0.0f ? hx : -hx;
    const float zSide = s.eye[2] >= -hz ? -hz : hz;
    const float x0[3] = {-hx, ySide, zSide}, x1[3] = {hx, ySide, zSide};
    const float y0[3] = {xSide, -hy, zSide}, y1[3] = {xSide, hy, zSide};
    out[0] = makeEdge(g, x0, x1);
    out[1] = makeEdge(g, y0, y1);
    float best = 0.0f;
    for (int k = 0; k < 4; ++k) {
        const float c[3] = {k & 1 ? hx : -hx, k & 2 ? hy : -hy, -hz};
        float X, Y;
        boxToPlot(g, c[0], c[1], c[2], X, Y);
        if (k == 0 || X < best) {
            best = X;
            const float top[3] = {c[0], c[1], hz};
            out[2] = makeEdge(g, c, top);
        }
    }
}

AxisDrawSpec axisSpec(const Globals& g, int axis) {
    const AxisScaling& sc = axis == 0 ? g.axis.sx : axis == 1 ? g.axis.sy : g.axis.sz;
    AxisDrawSpec s;
    s.a = sc.a, s.e = sc.e, s.first = sc.first, s.step = sc.step, s.log = sc.log;
    s.axis = axis, s.length = kVirtualLength;
    s.name = g.axis.names[axis];
    return s;
}

void pointAlong(const ScreenEdge& e, float t, float& x, float& y) {
    x = e.x0 + t * (e.x1 - e.x0);
    y = e.y0 + t * (e.y1 - e.y0);
}

// Box edges map linearly, their projections do not: a fraction of the axis
// is placed through the box point, not along the screen edge.
void edgePoint(const Globals& g, const ScreenEdge& e, float t, float& x, float& y) {
    float p[3];
    for (int i = 0; i < 3; ++i) p[i] = e.p0[i] + t * (e.p1[i] - e.p0[i]);
    boxToPlot(g, p[0], p[1], p[2], x, y);
}

int tickAllowance(const Globals& g, int axis) {
    if (g.axis.ticks[axis] <= 0) return 0;
    const int pos = g.axis.tickPosition[axis];
    return pos == 0 ? g.axis.tickLong : pos == 2 ? g.axis.tickLong / 2 : 0;
}

void drawTicks(Globals& g, const ScreenEdge& e, const AxisDrawSpec& s) {
    const AxisState& a = g.axis;
    if (a.ticks[s.axis] <= 0) return;
    const PartColour colour(g, s.axis, kColTicks);
    const int pos = a.tickPosition[s.axis];
    forEachTick(g, s, a.ticks[s.axis], [&](float off, bool major) {
        const float len = float(major ? a.tickLong : a.tickShort);
        float from = 0.0f, to = len;
        if (pos == 1) to = -len;
        else if (pos == 2) from = -len / 2.0f, to = len / 2.0f;
        float x, y;
        edgePoint(g, e, off / float(kVirtualLength - 1), x, y);
        lineqq(g, x + e.ox * from, y + e.oy * from, x + e.ox * to, y + e.oy * to);
    });
    qqstrk(g);
}

// Upper left corner of a w × h text whose side nearest the axis touches (ax, ay).
void besideAxis(const ScreenEdge& e, float ax, float ay, float w, float h, float& x, float& y) {
    const float reach = std::fabs(e.ox) * w / 2.0f + std::fabs(e.oy) * h / 2.0f;
    x = ax + e.ox * reach - w / 2.0f;
    y = ay + e.oy * reach - h / 2.0f;
}

// Anchor (upper left corner before rotation) and angle of a w × h text
// written along the edge, its long side facing the edge at (ax, ay). The
// angle is kept between -90 and 90 degrees so that the text never reads
// upside down.
void alongEdge(const ScreenEdge& e, float ax, float ay, float w, float h, float& x, float& y, int& angle) {
    float deg = std::atan2(-(e.y1 - e.y0), e.x1 - e.x0) * 57.2957795f;
    if (deg > 90.0f) deg -= 180.0f;
    if (deg <= -90.0f) deg += 180.0f;
    angle = int(std::lround(deg));
    const float r = float(angle) / 57.2957795f;
    const float ux = std::cos(r), uy = -std::sin(r);  // reading direction
    const float dx = -uy, dy = ux;                     // from the top of the text to its foot
    const float cx = ax + e.ox * h / 2.0f, cy = ay + e.oy * h / 2.0f;
    x = cx - ux * w / 2.0f - dx * h / 2.0f;
    y = cy - uy * w / 2.0f - dy * h / 2.0f;
}

// Labels of one axis; returns their largest extent away from the edge.
float drawLabels(Globals& g, const ScreenEdge& e, const AxisDrawSpec& s, int height) {
    AxisState& a = g.axis;
    if (a.labelType[s.axis] == 0) return 0.0f;
    const float range = s.e - s.a;
    if (!(std::fabs(s.step) > 0.0f) || !std::isfinite(range) || range == 0.0f) return 0.0f;
    const float q = (s.e - s.first) / s.step;
    if (!(q > -1.0f && q < 2000.0f)) return 0.0f;
    const int n = int(std::lround(q));
    TextScope scope(g);
    const PartColour colour(g, s.axis, kColLabels);
    scope.setHeight(height);
    g.text.justify = 0, g.text.angle = 0, g.text.texMode = 0;
    const float distance = float(a.labelDist[s.axis] + tickAllowance(g, s.axis));
    const bool parallel = g.g3d.labels3 == 1;
    float extent = 0.0f;
    AxisLabel label;
    for (int i = 0; i <= n; ++i) {
        const float v = s.first + float(i) * s.step;
        const float t = (v - s.a) / range;
        if (!(t >= -1.0e-4f && t <= 1.0001f)) continue;
        axisLabelText(g, s.axis, v, s.log != 0, i, n, s.step < 0.0f, label);
        if (!label.text[0]) continue;
        g.text.mixAlphabet = label.needsMix ? 1 : g.text.mixAlphabet;
        if (label.germanShift) g.text.euShift = 1, g.text.euShiftChars[0] = '!';
        const float w = float(measureString(g, label.text)), h = float(height);
        float px, py, x, y;
        edgePoint(g, e, t, px, py);
        px += e.ox * distance, py += e.oy * distance;
        if (parallel) {
            alongEdge(e, px, py, w, h, x, y, g.text.angle);
            extent = std::max(extent, h);
        } else {
            besideAxis(e, px, py, w, h, x, y);
            extent = std::max(extent, std::fabs(e.ox) * w + std::fabs(e.oy) * h);
        }
        qqmess(g, label.text, int(std::lround(x)), int(std::lround(y)));
        scope.restoreAlphabet();
    }
    return extent;
}

void drawName(Globals& g, const ScreenEdge& e, const AxisDrawSpec& s, float labelExtent, int height) {
    const AxisState& a = g.axis;
    if (!s.name[0]) return;
    TextScope scope(g);
    const PartColour colour(g, s.axis, kColName);
    scope.setHeight(height);
    g.text.justify = 0, g.text.angle = 0;
    float distance = float(a.nameDist[s.axis] + tickAllowance(g, s.axis));
    if (a.labelType[s.axis] != 0) distance += float(a.labelDist[s.axis]) + labelExtent;
    const float w = float(measureString(g, s.name)), h = float(height);
    float mx, my;
    pointAlong(e, 0.5f, mx, my);
    mx += e.ox * distance, my += e.oy * distance;
    // A steep edge takes its name reading upward beside it.
    const bool steep = std::fabs(e.y1 - e.y0) > 2.0f * std::fabs(e.x1 - e.x0);
    float x, y;
    if (steep) {
        besideAxis(e, mx, my, h, w, x, y);
        g.text.angle = 90;
        y += w;
    } else {
        besideAxis(e, mx, my, w, h, x, y);
    }
    qqmess(g, s.name, int(std::lround(x)), int(std::lround(y)));
}

}  // namespace

void drawAxes3d(Globals& g) {
    ScreenEdge edges[3];
    chooseEdges(g, edges);
    const int labelHeight = int(std::lround(1.5f * float(g.text.height)));
    const int nameHeight = int(std::lround(1.5f * float(g.axis.nameHeight)));
    sclpax(g, 0);
    for (int axis = 0; axis < 3; ++axis) {
        const ScreenEdge& e = edges[axis];
        const AxisDrawSpec s = axisSpec(g, axis);
        if (!std::isfinite(s.a) || !std::isfinite(s.e) || !std::isfinite(s.first) || !std::isfinite(s.step)) continue;
        {
            const PartColour colour(g, axis, kColLine);
            lineqq(g, e.x0, e.y0, e.x1, e.y1);
            qqstrk(g);
        }
        drawTicks(g, e, s);
        const float extent = drawLabels(g, e, s, labelHeight);
        drawName(g, e, s, extent, nameHeight);
    }
}

}  // namespace vtx
