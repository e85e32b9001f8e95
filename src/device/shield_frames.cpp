// Frames around user shielding regions: the region's outline drawn
// |thickness| times, each copy one unit further out (or in). The frames
// themselves are neither shielded nor transformed.
#include <algorithm>
#include <cmath>

#include "core/checks.h"
#include "device/pipeline.h"
#include "device/shield_regions.h"
#include "device/shielding.h"

namespace vtx {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Chords of about four plot units, within sensible bounds.
int chordCount(double r, double sweep) { return std::clamp(int(sweep * r / 4.0), 16, 720); }

// Point of an ellipse with half axes a, b turned by `turn` (counter-clockwise
// on the page) at parameter angle t.
void ellipsePoint(double cx, double cy, double a, double b, double turn, double t, float& x, float& y) {
    double lx = a * std::cos(t), ly = -b * std::sin(t);
    double c = std::cos(turn), s = std::sin(turn);
    x = float(cx + lx * c + ly * s);
    y = float(cy - lx * s + ly * c);
}

void ring(Globals& g, double cx, double cy, double a, double b, double turn) {
    const int n = chordCount(std::max(a, b), kTwoPi);
    float x, y;
    ellipsePoint(cx, cy, a, b, turn, 0.0, x, y);
    qqmove(g, x, y);
    for (int i = 1; i <= n; ++i) {
        ellipsePoint(cx, cy, a, b, turn, kTwoPi * i / n, x, y);
        qqdraw(g, x, y);
    }
}

// Closed outline of the box [x1, x2] x [y1, y2] of a frame turned about (px, py).
void box(Globals& g, double x1, double y1, double x2, double y2, double px, double py, double turn) {
    const double c = std::cos(turn), s = std::sin(turn);
    const double xs[5] = {x1, x2, x2, x1, x1}, ys[5] = {y1, y1, y2, y2, y1};
    for (int i = 0; i < 5; ++i) {
        double lx = xs[i] - px, ly = ys[i] - py;
        float x = float(px + lx * c + ly * s), y = float(py - lx * s + ly * c);
        if (i == 0) qqmove(g, x, y);
        else qqdraw(g, x, y);
    }
}

void pie(Globals& g, double cx, double cy, double r, double a0, double a1) {
    double sweep = std::fmod(a1 - a0 + kTwoPi, kTwoPi);
    if (sweep == 0.0) sweep = kTwoPi;
    const int n = chordCount(r, sweep);
    qqmove(g, float(cx), float(cy));
    for (int i = 0; i <= n; ++i) {
        double a = a0 + sweep * i / n;
        qqdraw(g, float(cx + r * std::cos(a)), float(cy - r * std::sin(a)));
    }
    qqdraw(g, float(cx), float(cy));
}

// Polygon outline moved by d along the mitred vertex normals; d > 0 is outwards.
void polygon(Globals& g, const int16_t* p, int n, double d) {
    double area = 0.0;
    for (int i = 0, j = n - 1; i < n; j = i++) area += double(p[2 * j]) * p[2 * i + 1] - double(p[2 * i]) * p[2 * j + 1];
    const double side = area > 0 ? 1.0 : -1.0;  // makes (dy, -dx) point outwards
    for (int k = 0; k <= n; ++k) {
        const int i = k % n, prev = (i + n - 1) % n, next = (i + 1) % n;
        double e1x = p[2 * i] - p[2 * prev], e1y = p[2 * i + 1] - p[2 * prev + 1];
        double e2x = p[2 * next] - p[2 * i], e2y = p[2 * next + 1] - p[2 * i + 1];
        double l1 = std::hypot(e1x, e1y), l2 = std::hypot(e2x, e2y);
        if (l1 == 0.0 || l2 == 0.0) l1 = l2 = 1.0, e1x = e1y = e2x = e2y = 0.0;  // words clamped together
        double n1x = side * e1y / l1, n1y = -side * e1x / l1, n2x = side * e2y / l2, n2y = -side * e2x / l2;
        double denom = 1.0 + n1x * n2x + n1y * n2y;
        double mx = denom > 0.1 ? (n1x + n2x) / denom : n1x, my = denom > 0.1 ? (n1y + n2y) / denom : n1y;
        float x = float(p[2 * i] + d * mx), y = float(p[2 * i + 1] + d * my);
        if (k == 0) qqmove(g, x, y);
        else qqdraw(g, x, y);
    }
}

void outline(Globals& g, const int16_t* r, double i) {
    const int16_t* v = r + 2;
    switch (regionType(r)) {
        case kRegionRectangle: box(g, v[0] - i, v[1] - i, v[2] + i, v[3] + i, 0, 0, 0); break;
        case kRegionRotated: box(g, v[0] - i, v[1] - i, v[2] + i, v[3] + i, v[0], v[1], v[4] / 1000.0); break;
        case kRegionCircle: ring(g, v[0], v[1], v[2] + i, v[2] + i, 0.0); break;
        case kRegionEllipse: ring(g, v[0], v[1], v[2] + i, v[3] + i, v[4] / 1000.0); break;
        case kRegionPie: pie(g, v[0], v[1], v[2] + i, v[3] / 1000.0, v[4] / 1000.0); break;
        case kRegionPolygon: polygon(g, v + 1, v[0], i); break;
        default: break;
    }
}

}  // namespace

void drawRegionFrame(Globals& g, const int16_t* record, int thickness) {
    ShieldState& s = g.shield;
    s.suspended = 1;
    updateShieldFilter(g);
    suspendPointStages(g.line.slots, true);
    const int copies = boundedMagnitude(thickness, 1000);
    const int stride = coveredCopyStride(g, 1.0f);
    for (int i = 0; i < copies; ++i)
        if (copyNeeded(i, copies, stride)) outline(g, record, thickness > 0 ? i : -i);
    qqstrk(g);
    s.suspended = 0;
    updateShieldFilter(g);
    suspendPointStages(g.line.slots, false);
}

}  // namespace vtx
