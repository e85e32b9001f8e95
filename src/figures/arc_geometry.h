// Curved figures as polygons in plot coordinates (y grows downwards): arcs of
// ellipses, ring segments and rounded rectangles. Every generator hands its
// points in drawing order to point(x, y) and never touches the state record,
// so the drawing routines and the unit tests share it.
#pragma once

#include <algorithm>
#include <cmath>

namespace vtx {

constexpr double kFigurePi = 3.14159265358979323846;
constexpr double kFigureTwoPi = 2.0 * kFigurePi;
constexpr int kMaxArcChords = 1000;
constexpr int kMinArcChords = 5;

// An arc of the ellipse with half axes a (x) and b (y) around (cx, cy), from
// alpha to beta degrees counter-clockwise on the page, the ellipse turned by
// theta degrees. A pie is closed through the centre.
struct ArcSpec {
    float cx = 0, cy = 0, a = 0, b = 0;
    float alpha = 0, beta = 360, theta = 0;
    bool closeThroughCentre = false;
};

// Start and end of an arc in radians: both in [0, 2pi), the end moved by 2pi
// when it does not lie beyond the start, so that an arc always runs forward
// and equal angles mean the full turn.
inline void arcRange(float alphaDeg, float betaDeg, double& start, double& end) {
    auto normal = [](double r) {
        r = std::fmod(r, kFigureTwoPi);
        return r < 0 ? r + kFigureTwoPi : r;
    };
    start = normal(alphaDeg * kFigurePi / 180.0);
    end = normal(betaDeg * kFigurePi / 180.0);
    if (start >= end) end += kFigureTwoPi;
}

// Chords of an arc of `sweep` radians on a half axis `radius`, one per
// `spacing` plot units: 0 when the arc is shorter than one chord, otherwise
// between kMinArcChords and kMaxArcChords.
inline int arcChords(double sweep, float radius, float spacing) {
    const double n = std::floor(sweep * double(radius) / double(spacing));
    if (!(n >= 1.0)) return 0;  // NaN angles draw nothing either
    return int(std::clamp(n, double(kMinArcChords), double(kMaxArcChords)));
}

// True when an arc is short enough to be a part of its ellipse (a full turn
// is 6.283 radians): such arcs are closed through the centre when filled, and
// take the polar form so that their ends lie on the rays of their angles.
inline bool partialArc(double sweep) { return sweep < 6.28; }

// Emits the points of an arc: the chord count n + 1 points, and with
// `closed` (pies, filled arcs) the centre and the first point again.
// Returns the number of chords; 0 draws nothing. The half axes must be >= 1.
template <typename Point>
int emitArc(const ArcSpec& s, float spacing, bool closed, Point&& point) {
    double start, end;
    arcRange(s.alpha, s.beta, start, end);
    const double sweep = end - start;
    const int n = arcChords(sweep, std::max(s.a, s.b), spacing);
    if (n == 0) return 0;
    const bool polar = s.a != s.b && partialArc(sweep);
    const double turn = double(s.theta) * kFigurePi / 180.0;
    const bool turned = std::fabs(s.theta) >= 0.001f;
    const double ct = std::cos(turn), st = std::sin(turn);
    const double a = s.a, b = s.b;
    auto put = [&](double x, double y) {
        if (turned) {
            const double xt = ct * x + st * y;
            y = -st * x + ct * y;
            x = xt;
        }
        point(float(s.cx + x), float(s.cy + y));
    };
    auto onArc = [&](double t) {
        const double c = std::cos(t), si = std::sin(t);
        if (polar) {
            const double r = 1.0 / std::sqrt(c * c / (a * a) + si * si / (b * b));
            put(r * c, -r * si);
        } else {
            put(a * c, -b * si);
        }
    };
    const double step = sweep / n;
    for (int i = 0; i < n; ++i) onArc(start + i * step);
    onArc(end);
    if (closed && partialArc(sweep)) {
        put(0.0, 0.0);
        onArc(start);
    }
    return n;
}

// A ring segment between the radii r1 < r2 around (cx, cy), from alpha to
// beta degrees: the outer arc forwards, then the inner arc backwards (the
// centre alone when r1 < 1). A full ring is joined by the seam at alpha, so
// that it fills as one polygon. Returns the point count.
template <typename Point>
int emitRingSegment(float cx, float cy, float r1, float r2, float alpha, float beta, float spacing, Point&& point) {
    double start, end;
    arcRange(alpha, beta, start, end);
    const double sweep = end - start;
    int count = 0;
    auto arc = [&](float r, bool backwards) {
        const int n = std::max(arcChords(sweep, r, spacing), 1);
        for (int i = 0; i <= n; ++i) {
            const double t = backwards ? end - sweep * i / n : start + sweep * i / n;
            point(float(cx + r * std::cos(t)), float(cy - r * std::sin(t)));
            ++count;
        }
    };
    arc(r2, false);
    if (r1 >= 1.0f) {
        arc(r1, true);
    } else {
        point(cx, cy);
        ++count;
    }
    return count;
}

// The rectangle from (x1, y1) to (x2, y2) with corners rounded by quarter
// circles of the given radius (at most half the shorter side), counter-
// clockwise on the page from the upper end of the right side. Without
// rounding the four corners. Returns the point count.
template <typename Point>
int emitRoundedRectangle(float x1, float y1, float x2, float y2, float radius, float spacing, Point&& point) {
    const float left = std::min(x1, x2), right = std::max(x1, x2);
    const float top = std::min(y1, y2), bottom = std::max(y1, y2);
    const float r = std::clamp(radius, 0.0f, std::min(right - left, bottom - top) / 2);
    const int n = r > 0 ? std::max(arcChords(kFigurePi / 2, r, spacing), 1) : 0;
    // Corner centres in the order of the quarters 0-90, 90-180, 180-270, 270-360 degrees.
    const float cx[4] = {right - r, left + r, left + r, right - r};
    const float cy[4] = {top + r, top + r, bottom - r, bottom - r};
    int count = 0;
    for (int q = 0; q < 4; ++q) {
        for (int i = 0; i <= n; ++i) {
            const double t = kFigurePi / 2 * (q + double(i) / std::max(n, 1));
            point(float(cx[q] + r * std::cos(t)), float(cy[q] - r * std::sin(t)));
            ++count;
        }
    }
    return count;
}

// The circle through three points: false when they are collinear or two of
// them coincide.
inline bool circleThroughPoints(double x1, double y1, double x2, double y2, double x3, double y3, double& xm,
                                double& ym, double& r) {
    const double d = 2.0 * (x1 * (y2 - y3) + x2 * (y3 - y1) + x3 * (y1 - y2));
    const double scale = std::max({std::fabs(x2 - x1), std::fabs(y2 - y1), std::fabs(x3 - x1), std::fabs(y3 - y1)});
    if (scale == 0.0 || std::fabs(d) <= 1e-12 * scale * scale) return false;
    const double s1 = x1 * x1 + y1 * y1, s2 = x2 * x2 + y2 * y2, s3 = x3 * x3 + y3 * y3;
    xm = (s1 * (y2 - y3) + s2 * (y3 - y1) + s3 * (y1 - y2)) / d;
    ym = (s1 * (x3 - x2) + s2 * (x1 - x3) + s3 * (x2 - x1)) / d;
    r = std::hypot(x1 - xm, y1 - ym);
    return true;
}

}  // namespace vtx
