// A triangle with a value at each corner, rasterised into pixel spans with
// the value interpolated linearly across it. Pure geometry: spans go to a
// sink as span(y, x1, x2, v, dv) for the pixels x1..x2 of row y, v being the
// value at pixel x1 and dv its change per pixel.
//
// Pixel (x, y) covers [x, x+1) × [y, y+1); it belongs to the triangle when its
// centre lies inside, with centres on an edge going to one side only, so
// triangles that share an edge share no pixel and leave none out.
#pragma once

#include <algorithm>
#include <cmath>

namespace vtx {

struct PixelRect {
    int x1, y1, x2, y2;  // inclusive
};

template <class Sink>
void rasteriseSmoothTriangle(const float* px, const float* py, const float* pv, const PixelRect& clip,
                             Sink& sink) {
    const double x0 = px[0], y0 = py[0], x1 = px[1], y1 = py[1], x2 = px[2], y2 = py[2];
    const double area = (x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0);
    if (!(std::fabs(area) > 1e-12) || !std::isfinite(area)) return;
    // The value as a plane v = a x + b y + c.
    const double a = ((pv[1] - pv[0]) * (y2 - y0) - (pv[2] - pv[0]) * (y1 - y0)) / area;
    const double b = ((pv[2] - pv[0]) * (x1 - x0) - (pv[1] - pv[0]) * (x2 - x0)) / area;
    const double c = pv[0] - a * x0 - b * y0;
    const double top = std::min({y0, y1, y2}), bottom = std::max({y0, y1, y2});
    const int rowFirst = std::max(clip.y1, int(std::ceil(top - 0.5)));
    const int rowLast = std::min(clip.y2, int(std::ceil(bottom - 0.5)) - 1);
    const double xs[3] = {x0, x1, x2}, ys[3] = {y0, y1, y2};
    for (int row = rowFirst; row <= rowLast; ++row) {
        const double yc = row + 0.5;
        double left = INFINITY, right = -INFINITY;
        for (int e = 0; e < 3; ++e) {
            const int f = (e + 1) % 3;
            // From the upper end, so that the triangles on both sides of an
            // edge compute the very same crossing.
            const int u = ys[e] <= ys[f] ? e : f, w = u == e ? f : e;
            const double ya = ys[u], yb = ys[w];
            // Half-open in y: an edge counts for rows whose centre lies in [ya, yb).
            if (yc < ya || yc >= yb) continue;
            const double x = xs[u] + (yc - ya) * (xs[w] - xs[u]) / (yb - ya);
            left = std::min(left, x), right = std::max(right, x);
        }
        if (!(left <= right)) continue;
        const int first = std::max(clip.x1, int(std::ceil(left - 0.5)));
        const int last = std::min(clip.x2, int(std::ceil(right - 0.5)) - 1);
        if (first > last) continue;
        sink.span(row, first, last, float(a * (first + 0.5) + b * yc + c), float(a));
    }
}

}  // namespace vtx
