#include "business/bar_geometry.h"

#include <algorithm>
#include <cmath>

namespace vtx {

namespace {

float roundHalfUp(float v) { return std::floor(v + 0.5f); }

// Start of a label along a bar whose end lies at a smaller coordinate than
// its base (a vertical bar pointing up the page).
float startTowardsSmaller(int t, float end, float base, float h) {
    switch (t) {
        case 1: return end - 2.25f * h;
        case 2: return end + 1.25f * h;
        case 4: return base - 2.75f * h;
        case 5: return base + 0.75f * h;
        default: return end + (base - end - h) / 2 - 0.25f * h;
    }
}

// Start of a label of width tw along a bar whose end lies at a larger
// coordinate than its base (a horizontal bar pointing right).
float startTowardsLarger(int t, float end, float base, float tw, float h) {
    switch (t) {
        case 1: return end + 0.75f * h;
        case 2: return end - tw - 1.25f * h;
        case 4: return base + 0.75f * h;
        case 5: return base - tw - 1.25f * h;
        default: return base + (end - base - tw) / 2 - 0.25f * h;
    }
}

}  // namespace

BarWidths barWidths(float group, int ngrp, float gapValue) {
    BarWidths w;
    w.group = group;
    if (ngrp < 1) ngrp = 1;
    if (gapValue <= 0) {
        w.gap = std::fabs(gapValue);
        w.bar = std::trunc((group - w.gap * float(ngrp - 1)) / float(ngrp));
    } else {
        w.bar = std::trunc(group / (float(ngrp - 1) * gapValue + float(ngrp)));
        w.gap = w.bar * gapValue;
    }
    return w;
}

BarRect verticalBar(const BarWidths& w, int slot, float centre, float from, float to) {
    BarRect r;
    r.x1 = roundHalfUp((w.bar + w.gap) * float(slot - 1) + centre - w.group / 2);
    r.x2 = r.x1 + roundHalfUp(w.bar);
    r.y1 = roundHalfUp(from);
    r.y2 = roundHalfUp(to);
    return r;
}

// The vertical bar with its axes exchanged.
BarRect horizontalBar(const BarWidths& w, int slot, float centre, float from, float to) {
    const BarRect v = verticalBar(w, slot, centre, from, to);
    BarRect r;
    r.x1 = v.y1, r.x2 = v.y2, r.y1 = v.x1, r.y2 = v.x2;
    return r;
}

int resolveLabelCode(int code, const BarRect& bar, float tw, float h) {
    if (code != kLabelAuto) return code;
    const bool fits = labelBoxWidth(tw, h) < std::fabs(bar.x2 - bar.x1) &&
                      labelBoxHeight(h) < std::fabs(bar.y1 - bar.y2);
    return fits ? kLabelInside : kLabelOutside;
}

void barLabelStart(const BarRect& bar, bool horizontal, int code, float tw, float h, float& x, float& y) {
    int t = code / 10;
    const int u = code % 10;
    if (!horizontal) {
        const float lo = std::min(bar.x1, bar.x2), hi = std::max(bar.x1, bar.x2);
        x = u == 1 ? lo - tw - 1.25f * h : (u == 3 ? hi + 0.75f * h : lo + (hi - lo - tw) / 2 - 0.25f * h);
        float end = bar.y2, base = bar.y1;
        if (end > base) std::swap(end, base), t = 6 - t;  // the bar points down the page
        y = startTowardsSmaller(t, end, base, h);
    } else {
        const float lo = std::min(bar.y1, bar.y2), hi = std::max(bar.y1, bar.y2);
        y = u == 1 ? lo - 2.25f * h : (u == 3 ? hi + 0.75f * h : lo + (hi - lo - h) / 2 - 0.25f * h);
        float end = bar.x2, base = bar.x1;
        if (end < base) std::swap(end, base), t = 6 - t;  // the bar points left
        x = startTowardsLarger(t, end, base, tw, h);
    }
}

namespace {

Quad edgeMoved(float xa, float ya, float xb, float yb, float dx, float dy) {
    Quad q;
    q.x[0] = xa, q.y[0] = ya, q.x[1] = xb, q.y[1] = yb;
    q.x[2] = xb + dx, q.y[2] = yb + dy, q.x[3] = xa + dx, q.y[3] = ya + dy;
    return q;
}

}  // namespace

void depthFaces(const BarRect& bar, bool horizontal, float dx, float dy, Quad& side, Quad& top) {
    if (!horizontal) {
        const float right = std::max(bar.x1, bar.x2);
        side = edgeMoved(right, bar.y1, right, bar.y2, dx, dy);
        top = edgeMoved(bar.x1, bar.y2, bar.x2, bar.y2, dx, dy);
    } else {
        const float upper = std::min(bar.y1, bar.y2);
        side = edgeMoved(bar.x1, upper, bar.x2, upper, dx, dy);
        top = edgeMoved(bar.x2, bar.y1, bar.x2, bar.y2, dx, dy);
    }
}

void fillAroundHole(const BarRect& bar, const BarRect& hole, const RectSink& sink) {
    const float bx1 = std::min(bar.x1, bar.x2), bx2 = std::max(bar.x1, bar.x2);
    const float by1 = std::min(bar.y1, bar.y2), by2 = std::max(bar.y1, bar.y2);
    const float hx1 = std::max(bx1, std::min(hole.x1, hole.x2)), hx2 = std::min(bx2, std::max(hole.x1, hole.x2));
    const float hy1 = std::max(by1, std::min(hole.y1, hole.y2)), hy2 = std::min(by2, std::max(hole.y1, hole.y2));
    if (hx1 >= hx2 || hy1 >= hy2) {
        sink(BarRect{bx1, by1, bx2, by2});
        return;
    }
    if (hy1 > by1) sink(BarRect{bx1, by1, bx2, hy1});     // above the hole
    if (hy2 < by2) sink(BarRect{bx1, hy2, bx2, by2});     // below it
    if (hx1 > bx1) sink(BarRect{bx1, hy1, hx1, hy2});     // left of it
    if (hx2 < bx2) sink(BarRect{hx2, hy1, bx2, hy2});     // right of it
}

}  // namespace vtx
