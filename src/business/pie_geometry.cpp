// Pie chart geometry: segment angles, tilted pies, label places.
#include "business/pie_geometry.h"

#include <algorithm>
#include <cmath>

namespace vtx {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegree = kPi / 180.0;

// Polar angle (degrees, 0..360) of the point at parametric angle t (radians)
// of the ellipse with half axes a, b.
double polarAngle(double a, double b, double t) {
    const double d = std::atan2(b * std::sin(t), a * std::cos(t)) / kDegree;
    return d < 0 ? d + 360.0 : d;
}

}  // namespace

std::vector<PieSegment> pieSegments(const float* x, int n, double sum, double a, double b, bool tilted) {
    std::vector<PieSegment> segments(static_cast<size_t>(std::max(n, 0)));
    if (n < 1 || !(sum > 0)) return segments;
    auto finish = [](PieSegment& s) {
        s.mid = (s.from + s.to) / 2;
        s.half = (s.to - s.from) / 2;
    };
    if (!tilted) {
        double a0 = 90.0 - std::fabs(x[0]) * 360.0 / (2.0 * sum);
        for (int i = 0; i < n; ++i) {
            PieSegment& s = segments[size_t(i)];
            s.from = a0;
            s.to = a0 + std::fabs(x[i]) * 360.0 / sum;
            finish(s);
            a0 = s.to;
        }
        return segments;
    }
    // Cumulative area as a fraction of the whole ellipse; the first segment
    // counts half so that it is centred on the angle 0. The parametric angle
    // of area A is 2A/(ab), that is 2 pi times the fraction.
    double fraction = std::fabs(x[0]) / (2.0 * sum);
    const double first = polarAngle(a, b, 2.0 * kPi * fraction);
    double from = first;
    segments[0].from = -first;
    segments[0].to = first;
    finish(segments[0]);
    for (int i = 1; i < n; ++i) {
        fraction += std::fabs(x[i]) / sum;
        double to = polarAngle(a, b, 2.0 * kPi * std::min(fraction, 1.0));
        // The last boundary comes back round to the first segment's start.
        if (fraction >= 1.0 - 1e-9) to = 360.0 - first;
        if (to < from) to += 360.0;
        PieSegment& s = segments[size_t(i)];
        s.from = from;
        s.to = to;
        finish(s);
        from = to;
    }
    return segments;
}

int tiltedMinorAxis(float R, float viewAngle) {
    const float g = viewAngle;
    const float g2 = g <= 45.0f ? g : 90.0f - g;
    return int(R * (std::sqrt(g / 90.0f) + g2 / 500.0f));
}

double ellipseRadius(double a, double b, double angle) {
    const double s = std::sin(angle * kDegree), c = std::cos(angle * kDegree);
    return 1.0 / std::sqrt(s * s / (b * b) + c * c / (a * a));
}

double insideCircleRadius(double R, double half) {
    if (std::fabs(half - 90.0) < 1e-9) return R / 2;
    if (half >= 180.0 - 1e-9) return R;
    const double a = std::fabs(R / std::cos(half * kDegree));
    const double c = std::fabs(2.0 * a * std::sin(half * kDegree));
    const double s = (2.0 * a + c) / 2.0;
    return std::sqrt((s - a) * (s - a) * (s - c) / s);
}

PieLabelPlace placePieLabel(double cx, double cy, double R, double mid, double half, double w, double h,
                            PieLabelMode mode, double alignDistance) {
    PieLabelPlace p;
    const double ux = std::cos(mid * kDegree), uy = -std::sin(mid * kDegree);
    if (mode == PieLabelMode::Internal) {
        const double r = insideCircleRadius(R, half);
        if (std::hypot(w, h) <= 2.0 * r) {
            p.inside = true;
            p.boxX = cx + (R - r) * ux - w / 2;
            p.boxY = cy + (R - r) * uy - h / 2;
            return p;
        }
    }
    p.tipX = cx + (R + 20.0) * ux, p.tipY = cy + (R + 20.0) * uy;
    p.anchorX = cx + (R + 100.0) * ux, p.anchorY = cy + (R + 100.0) * uy;
    const bool right = ux >= 0;
    double edge;
    if (mode == PieLabelMode::Aligned) edge = right ? cx + alignDistance : cx - alignDistance;
    else edge = p.anchorX + (right ? 20.0 : -20.0);
    // The box is not pulled back over the anchor.
    edge = right ? std::max(edge, p.anchorX) : std::min(edge, p.anchorX);
    p.edgeX = edge, p.edgeY = p.anchorY;
    p.boxX = right ? edge : edge - w;
    p.boxY = p.anchorY - h / 2;
    return p;
}

}  // namespace vtx
