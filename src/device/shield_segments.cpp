#include "device/shield_segments.h"

#include <algorithm>
#include <cmath>

#include "device/shield_regions.h"

namespace vtx {

namespace {

constexpr double kTwoPi = 6.283185307179586;

struct Segment {
    double x, y, dx, dy;  // start and direction
};

// Insertion sort: break points are few and mostly in order.
void sortAscending(double* v, int m) {
    for (int i = 1; i < m; ++i) {
        double x = v[i];
        int j = i - 1;
        for (; j >= 0 && v[j] > x; --j) v[j + 1] = v[j];
        v[j + 1] = x;
    }
}

// Liang-Barsky: the t interval of the segment inside [xa, xb] x [ya, yb].
bool clipToBox(const Segment& s, double xa, double ya, double xb, double yb, double& t0, double& t1) {
    const double p[4] = {-s.dx, s.dx, -s.dy, s.dy};
    const double q[4] = {s.x - xa, xb - s.x, s.y - ya, yb - s.y};
    t0 = 0.0, t1 = 1.0;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        double r = q[i] / p[i];
        if (p[i] < 0.0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
    }
    return t0 <= t1;
}

// The t interval inside the unit circle around the origin.
bool insideUnitCircle(const Segment& s, double& t0, double& t1) {
    double a = s.dx * s.dx + s.dy * s.dy;
    double b = 2.0 * (s.x * s.dx + s.y * s.dy);
    double c = s.x * s.x + s.y * s.y - 1.0;
    if (a == 0.0) {
        t0 = 0.0, t1 = 1.0;
        return c <= 0.0;
    }
    double disc = b * b - 4.0 * a * c;
    if (disc < 0.0) return false;
    double root = std::sqrt(disc);
    t0 = std::max(0.0, (-b - root) / (2.0 * a));
    t1 = std::min(1.0, (-b + root) / (2.0 * a));
    return t0 <= t1;
}

// The segment in a frame turned by `angle` (counter-clockwise on the page)
// about (cx, cy), the frame's axes scaled by 1/sx and 1/sy.
Segment toFrame(const Segment& s, double cx, double cy, double angle, double sx, double sy) {
    double c = std::cos(angle), n = std::sin(angle);
    double px = s.x - cx, py = s.y - cy;
    return {(px * c - py * n) / sx, (px * n + py * c) / sy, (s.dx * c - s.dy * n) / sx, (s.dx * n + s.dy * c) / sy};
}

// Parameter t where the segment crosses the segment from (ax, ay) to (bx, by).
bool crossing(const Segment& s, double ax, double ay, double bx, double by, double& t) {
    double ex = bx - ax, ey = by - ay;
    double den = s.dx * ey - s.dy * ex;
    if (den == 0.0) return false;
    double wx = ax - s.x, wy = ay - s.y;
    t = (wx * ey - wy * ex) / den;
    double u = (wx * s.dy - wy * s.dx) / den;
    return t >= 0.0 && t <= 1.0 && u >= 0.0 && u <= 1.0;
}

// Turns sorted break points 0 = b[0] <= ... <= b[m-1] = 1 into the intervals
// whose middles lie inside, merged; returns the number of pairs or -1.
template <typename Inside>
int intervalsBetween(const double* b, int m, const Segment& s, Inside inside, float* t, int capacity) {
    int k = 0;
    bool open = false;
    for (int i = 0; i + 1 < m; ++i) {
        if (b[i + 1] <= b[i]) continue;
        double mid = 0.5 * (b[i] + b[i + 1]);
        bool in = inside(s.x + mid * s.dx, s.y + mid * s.dy);
        if (in && !open) {
            if (k == capacity) return -1;
            t[2 * k] = float(b[i]);
            open = true;
        }
        if (!in && open) {
            t[2 * k + 1] = float(b[i]);
            ++k, open = false;
        }
    }
    if (open) t[2 * k + 1] = 1.0f, ++k;
    return k;
}

int pieIntervals(const int16_t* v, const Segment& s, float* t, int capacity) {
    const double cx = v[0], cy = v[1], r = v[2];
    const double a0 = v[3] / 1000.0, a1 = v[4] / 1000.0;
    double sweep = std::fmod(a1 - a0 + kTwoPi, kTwoPi);
    if (sweep == 0.0) sweep = kTwoPi;  // equal angles: the whole circle
    double b[6] = {0.0, 1.0};  // ends, circle, two rays
    int m = 2;
    double t0, t1;
    if (r > 0 && insideUnitCircle(toFrame(s, cx, cy, 0.0, r, r), t0, t1)) b[m++] = t0, b[m++] = t1;
    for (double a : {a0, a1}) {
        double tc;
        if (crossing(s, cx, cy, cx + r * std::cos(a), cy - r * std::sin(a), tc)) b[m++] = tc;
    }
    sortAscending(b, m);
    auto inside = [&](double px, double py) {
        double dx = px - cx, dy = py - cy;
        if (dx * dx + dy * dy > r * r) return false;
        double a = std::atan2(-dy, dx) - a0;
        a = std::fmod(a + 2.0 * kTwoPi, kTwoPi);
        return a <= sweep;
    };
    return intervalsBetween(b, m, s, inside, t, capacity);
}

int polygonIntervals(const int16_t* v, const Segment& s, float* t, int capacity) {
    const int n = v[0];
    const int16_t* p = v + 1;
    double b[kShieldCrossings + 2] = {0.0, 1.0};
    int m = 2;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        double tc;
        if (!crossing(s, p[2 * j], p[2 * j + 1], p[2 * i], p[2 * i + 1], tc)) continue;
        if (m == kShieldCrossings + 2) return -1;
        b[m++] = tc;
    }
    sortAscending(b, m);
    auto inside = [&](double px, double py) {  // even-odd
        bool in = false;
        for (int i = 0, j = n - 1; i < n; j = i++) {
            double xi = p[2 * i], yi = p[2 * i + 1], xj = p[2 * j], yj = p[2 * j + 1];
            if ((yi > py) != (yj > py) && px < xj + (py - yj) * (xi - xj) / (yi - yj)) in = !in;
        }
        return in;
    };
    return intervalsBetween(b, m, s, inside, t, capacity);
}

}  // namespace

int regionHiddenIntervals(const int16_t* record, float x1, float y1, float x2, float y2, float* t, int capacity) {
    const Segment s{x1, y1, double(x2) - x1, double(y2) - y1};
    const int16_t* v = record + 2;
    double t0 = 0.0, t1 = 0.0;
    bool hit = false;
    switch (regionType(record)) {
        case kRegionRectangle:
            hit = clipToBox(s, std::min(v[0], v[2]), std::min(v[1], v[3]), std::max(v[0], v[2]), std::max(v[1], v[3]),
                            t0, t1);
            break;
        case kRegionRotated: {
            Segment local = toFrame(s, v[0], v[1], v[4] / 1000.0, 1.0, 1.0);
            double w = v[2] - v[0], h = v[3] - v[1];
            hit = clipToBox(local, std::min(0.0, w), std::min(0.0, h), std::max(0.0, w), std::max(0.0, h), t0, t1);
            break;
        }
        case kRegionCircle:
            hit = v[2] > 0 && insideUnitCircle(toFrame(s, v[0], v[1], 0.0, v[2], v[2]), t0, t1);
            break;
        case kRegionEllipse:
            hit = v[2] > 0 && v[3] > 0 && insideUnitCircle(toFrame(s, v[0], v[1], v[4] / 1000.0, v[2], v[3]), t0, t1);
            break;
        case kRegionPie: return pieIntervals(v, s, t, capacity);
        case kRegionPolygon: return polygonIntervals(v, s, t, capacity);
        default: break;
    }
    if (!hit || t1 <= t0) return 0;  // touching the boundary hides nothing
    if (capacity < 1) return -1;
    t[0] = float(t0), t[1] = float(t1);
    return 1;
}

int visibleIntervals(const ShieldState& s, float x1, float y1, float x2, float y2, float* t, int capacity,
                     bool& overflow) {
    float hidden[2 * kShieldIntervals];
    int k = 0;
    overflow = false;
    for (int at = 0; at < s.used; at += regionLength(s.words + at)) {
        const int16_t* r = s.words + at;
        if (!regionActive(r)) continue;
        int got = regionHiddenIntervals(r, x1, y1, x2, y2, hidden + 2 * k, kShieldIntervals - k);
        if (got < 0) {
            overflow = true;
            continue;
        }
        k += got;
    }
    // Sort the hidden intervals by their start (few), then walk the gaps.
    for (int i = 1; i < k; ++i) {
        float a = hidden[2 * i], b = hidden[2 * i + 1];
        int j = i - 1;
        for (; j >= 0 && hidden[2 * j] > a; --j) hidden[2 * j + 2] = hidden[2 * j], hidden[2 * j + 3] = hidden[2 * j + 1];
        hidden[2 * j + 2] = a, hidden[2 * j + 3] = b;
    }
    int n = 0;
    float from = 0.0f;
    for (int i = 0; i <= k && n < capacity; ++i) {
        float to = i < k ? hidden[2 * i] : 1.0f;
        if (to > from) t[2 * n] = from, t[2 * n + 1] = to, ++n;
        if (i < k) from = std::max(from, hidden[2 * i + 1]);
    }
    return n;
}

}  // namespace vtx
