// The clipping stage: segments against the rectangular window or the circle
// of polar and azimuthal axis systems.
#include <cmath>

#include "device/pipeline.h"
#include "maps/map_state.h"

namespace vtx {

namespace {

constexpr float kEdgeTolerance = 0.001f;

// Per-axis position of a value: 1 below the window, 3 above, 2 inside.
inline int axisCode(float v, float lo, float hi) {
    if (v < lo - kEdgeTolerance) return 1;
    if (v > hi + kEdgeTolerance) return 3;
    return 2;
}

inline bool finite4(float a, float b, float c, float d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

void clipToRectangle(Globals& g, float xa, float ya, float xb, float yb) {
    bool firstMoved = false;
    if (clipSegmentToWindow(g.line, xa, ya, xb, yb, firstMoved)) drawVisibleSegment(g, xa, ya, xb, yb, firstMoved);
}

inline bool insideCircle(const LineState& line, float x, float y) {
    float dx = x - line.clipCX, dy = y - line.clipCY;
    return std::sqrt(dx * dx + dy * dy) <= line.clipR;
}

// Crossing of the circle between an inside and an outside point, by halving.
void bisectCircle(const LineState& line, float xin, float yin, float& xout, float& yout) {
    for (int i = 0; i < 20; ++i) {
        float xm = 0.5f * (xin + xout), ym = 0.5f * (yin + yout);
        float dx = xm - line.clipCX, dy = ym - line.clipCY;
        float dist = std::sqrt(dx * dx + dy * dy);
        if (dist <= line.clipR) xin = xm, yin = ym;
        else xout = xm, yout = ym;
        if (std::fabs(dist - line.clipR) <= 0.1f) {
            xout = xm, yout = ym;
            return;
        }
    }
}

// cutcrc: the two crossings of the line through a and b with the circle, in
// the order met from a; false when the line misses it.
bool cutcrc(const LineState& line, float xa, float ya, float xb, float yb, float out[4]) {
    float dx = xb - xa, dy = yb - ya;
    float fx = xa - line.clipCX, fy = ya - line.clipCY;
    float A = dx * dx + dy * dy, B = 2.0f * (fx * dx + fy * dy), C = fx * fx + fy * fy - line.clipR * line.clipR;
    float disc = B * B - 4.0f * A * C;
    if (A <= 0.0f || disc <= 0.0f) return false;
    float root = std::sqrt(disc);
    float t1 = (-B - root) / (2.0f * A), t2 = (-B + root) / (2.0f * A);
    out[0] = xa + t1 * dx, out[1] = ya + t1 * dy;
    out[2] = xa + t2 * dx, out[3] = ya + t2 * dy;
    return true;
}

inline bool inBox(float x, float y, float xa, float ya, float xb, float yb) {
    return x >= std::fmin(xa, xb) - kEdgeTolerance && x <= std::fmax(xa, xb) + kEdgeTolerance &&
           y >= std::fmin(ya, yb) - kEdgeTolerance && y <= std::fmax(ya, yb) + kEdgeTolerance;
}

// Azimuthal map projections (30..39) clip their circular outline themselves.
inline bool mapOutlineClipsItself(const Globals& g) {
    return g.map.projection >= 30 && g.map.projection <= 39;
}

void clipToCircle(Globals& g, float xa, float ya, float xb, float yb) {
    const LineState& line = g.line;
    bool aInside = insideCircle(line, xa, ya), bInside = insideCircle(line, xb, yb);
    if (aInside && bInside) {
        drawVisibleSegment(g, xa, ya, xb, yb, false);
        return;
    }
    if (std::fabs(xb - xa) + std::fabs(yb - ya) < 0.1f) return;
    if (aInside) {
        bisectCircle(line, xa, ya, xb, yb);
        drawVisibleSegment(g, xa, ya, xb, yb, false);
        return;
    }
    if (bInside) {
        bisectCircle(line, xb, yb, xa, ya);
        drawVisibleSegment(g, xa, ya, xb, yb, true);
        return;
    }
    if (mapOutlineClipsItself(g)) return;
    float c[4];
    if (!cutcrc(line, xa, ya, xb, yb, c)) return;
    if (!inBox(c[0], c[1], xa, ya, xb, yb) || !inBox(c[2], c[3], xa, ya, xb, yb)) return;
    drawVisibleSegment(g, c[0], c[1], c[2], c[3], true);
}

}  // namespace

bool clipSegmentToWindow(const LineState& line, float& xa, float& ya, float& xb, float& yb, bool& firstMoved) {
    const float xmin = float(line.clipX1), xmax = float(line.clipX2);
    const float ymin = float(line.clipY1), ymax = float(line.clipY2);
    firstMoved = false;
    // Each pass moves one end onto a boundary; four passes settle any segment.
    for (int pass = 0; pass < 5; ++pass) {
        int cxa = axisCode(xa, xmin, xmax), cya = axisCode(ya, ymin, ymax);
        int cxb = axisCode(xb, xmin, xmax), cyb = axisCode(yb, ymin, ymax);
        bool aInside = cxa == 2 && cya == 2, bInside = cxb == 2 && cyb == 2;
        if (aInside && bInside) return true;
        if ((cxa == cxb && cxa != 2) || (cya == cyb && cya != 2)) return false;
        bool replaceFirst = !aInside;
        float& x = replaceFirst ? xa : xb;
        float& y = replaceFirst ? ya : yb;
        int cx = replaceFirst ? cxa : cxb;
        int cy = replaceFirst ? cya : cyb;
        float dx = xb - xa, dy = yb - ya;
        if (cx != 2) {
            float edge = cx == 1 ? xmin : xmax;
            if (std::fabs(dx) >= 1e-6f) y = ya + (edge - xa) * dy / dx;
            x = edge;
        } else {
            float edge = cy == 1 ? ymin : ymax;
            if (std::fabs(dy) >= 1e-6f) x = xa + (edge - ya) * dx / dy;
            y = edge;
        }
        if (replaceFirst) firstMoved = true;
    }
    return false;
}

int jqqclp(const Globals& g, float x, float y) {
    const LineState& line = g.line;
    if (!std::isfinite(x) || !std::isfinite(y)) return 1;
    if (line.clipShape == 1) return insideCircle(line, x, y) ? 0 : 1;
    return (x < float(line.clipX1) || x > float(line.clipX2) || y < float(line.clipY1) || y > float(line.clipY2))
               ? 1
               : 0;
}

void clip2d(Globals& g, float x1, float y1, float x2, float y2) {
    if (!finite4(x1, y1, x2, y2)) return;
    if (g.line.clipShape == 1) clipToCircle(g, x1, y1, x2, y2);
    else clipToRectangle(g, x1, y1, x2, y2);
}

}  // namespace vtx
