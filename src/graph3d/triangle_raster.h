// Triangles and lines cut into pixel spans with their depth and colour
// interpolated linearly, for the z-buffer. Pure geometry: spans go to a sink.
#pragma once

#include <algorithm>
#include <cmath>
#include <utility>

namespace vtx {

struct RasterVertex {
    float x, y;       // pixel coordinates
    float depth;      // larger is farther
    float colour;     // colour index, interpolated
};

// Calls span(y, x1, x2, d1, d2, c1, c2) for each pixel row y that the
// triangle covers: the pixels x1..x2 (x1 <= x2) with depth and colour
// given at both ends. Rows are sampled at their centres; the ends round to
// the nearest pixel, so that triangles sharing an edge leave no gap.
template <typename Span>
void rasterTriangle(RasterVertex a, RasterVertex b, RasterVertex c, Span&& span) {
    if (b.y < a.y) std::swap(a, b);
    if (c.y < a.y) std::swap(a, c);
    if (c.y < b.y) std::swap(b, c);
    if (!(c.y - a.y < 1.0e5f) || !std::isfinite(a.x + b.x + c.x)) return;
    const int y0 = int(std::lround(a.y)), y1 = int(std::lround(c.y));
    auto at = [](const RasterVertex& p, const RasterVertex& q, float y, float& x, float& d, float& col) {
        const float dy = q.y - p.y;
        const float t = dy != 0.0f ? std::clamp((y - p.y) / dy, 0.0f, 1.0f) : 0.0f;
        x = p.x + t * (q.x - p.x), d = p.depth + t * (q.depth - p.depth), col = p.colour + t * (q.colour - p.colour);
    };
    for (int y = y0; y <= y1; ++y) {
        const float fy = std::clamp(float(y), a.y, c.y);
        float xl, dl, cl, xr, dr, cr;
        at(a, c, fy, xl, dl, cl);
        if (fy < b.y) at(a, b, fy, xr, dr, cr);
        else at(b, c, fy, xr, dr, cr);
        if (xr < xl) std::swap(xl, xr), std::swap(dl, dr), std::swap(cl, cr);
        span(y, int(std::lround(xl)), int(std::lround(xr)), dl, dr, cl, cr);
    }
}

// Calls pixel(x, y, depth) along the line between two pixel points,
// stepping along the longer difference.
template <typename Pixel>
void rasterLine(float x1, float y1, float d1, float x2, float y2, float d2, Pixel&& pixel) {
    const int ax = int(std::lround(x1)), ay = int(std::lround(y1));
    const int bx = int(std::lround(x2)), by = int(std::lround(y2));
    const int n = std::max(std::abs(bx - ax), std::abs(by - ay));
    if (n > 200000) return;
    for (int i = 0; i <= n; ++i) {
        const float t = n > 0 ? float(i) / float(n) : 0.0f;
        pixel(int(std::lround(float(ax) + t * float(bx - ax))), int(std::lround(float(ay) + t * float(by - ay))),
              d1 + t * (d2 - d1));
    }
}

}  // namespace vtx
