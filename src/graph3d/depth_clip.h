// Clipping against the front and back planes of the view: what lies nearer
// to the eye than the front distance or farther than the back distance is
// cut away. The perspective divisor grows linearly with the distance along
// the line of sight, so both planes are levels of it. Pure geometry.
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "graph3d/view_matrix.h"

namespace vtx {

// The two planes as levels of Projection::depth; far < 0 means no back plane.
struct DepthRange {
    float near = 0.0f, far = -1.0f;
    bool inside(float w) const { return w >= near && (far < 0.0f || w <= far); }
};

// Cuts the box segment a-b to the range; false when nothing is left.
inline bool clipSegment(const Projection& p, const DepthRange& r, float a[3], float b[3]) {
    const float wa = p.depth(a[0], a[1], a[2]), wb = p.depth(b[0], b[1], b[2]);
    float t0 = 0.0f, t1 = 1.0f;
    auto limit = [&](float fa, float fb) {  // keep where f >= 0, f linear along the segment
        if (fa < 0.0f && fb < 0.0f) return false;
        if (fa < 0.0f) t0 = std::max(t0, fa / (fa - fb));
        else if (fb < 0.0f) t1 = std::min(t1, fa / (fa - fb));
        return true;
    };
    if (!limit(wa - r.near, wb - r.near)) return false;
    if (r.far >= 0.0f && !limit(r.far - wa, r.far - wb)) return false;
    if (t0 > t1) return false;
    float na[3], nb[3];
    for (int i = 0; i < 3; ++i) {
        na[i] = a[i] + t0 * (b[i] - a[i]);
        nb[i] = a[i] + t1 * (b[i] - a[i]);
    }
    for (int i = 0; i < 3; ++i) a[i] = na[i], b[i] = nb[i];
    return true;
}

// Cuts the box segment a-b to the box -L/2..L/2 on every axis (edges
// included); false when nothing is left.
inline bool clipSegmentToBox(const float L[3], float a[3], float b[3]) {
    float t0 = 0.0f, t1 = 1.0f;
    for (int k = 0; k < 3; ++k) {
        const float d = b[k] - a[k], h = 0.5f * L[k];
        if (d == 0.0f) {
            if (a[k] < -h || a[k] > h) return false;
            continue;
        }
        float tl = (-h - a[k]) / d, th = (h - a[k]) / d;
        if (tl > th) std::swap(tl, th);
        t0 = std::max(t0, tl), t1 = std::min(t1, th);
    }
    if (t0 > t1) return false;
    float na[3], nb[3];
    for (int i = 0; i < 3; ++i) na[i] = a[i] + t0 * (b[i] - a[i]), nb[i] = a[i] + t1 * (b[i] - a[i]);
    for (int i = 0; i < 3; ++i) a[i] = na[i], b[i] = nb[i];
    return true;
}

// A polygon corner for clipping: the vertex, and whether the edge leaving it
// is an edge of the original polygon (not one made by a plane).
template <typename V>
struct ClipCorner {
    V v;
    bool edge;
};

// Cuts a convex polygon by one plane, keeping where f(v) >= 0. `lerp(a, b, t)`
// interpolates two vertices; `f` is linear in the vertex position.
template <typename V, typename F, typename Lerp>
void clipPolygon(std::vector<ClipCorner<V>>& poly, F&& f, Lerp&& lerp) {
    std::vector<ClipCorner<V>> out;
    const std::size_t n = poly.size();
    for (std::size_t i = 0; i < n; ++i) {
        const ClipCorner<V>& s = poly[(i + n - 1) % n];
        const ClipCorner<V>& e = poly[i];
        const float fs = f(s.v), fe = f(e.v);
        if (fe >= 0.0f) {
            if (fs < 0.0f) out.push_back({lerp(s.v, e.v, fs / (fs - fe)), s.edge});
            out.push_back(e);
        } else if (fs >= 0.0f) {
            out.push_back({lerp(s.v, e.v, fs / (fs - fe)), false});
        }
    }
    poly.swap(out);
}

// Cuts a convex polygon by both planes; `pos(v)` gives its box position.
template <typename V, typename Pos, typename Lerp>
void clipPolygonDepth(const Projection& p, const DepthRange& r, std::vector<ClipCorner<V>>& poly, Pos&& pos,
                      Lerp&& lerp) {
    auto w = [&](const V& v) {
        const float* b = pos(v);
        return p.depth(b[0], b[1], b[2]);
    };
    clipPolygon(poly, [&](const V& v) { return w(v) - r.near; }, lerp);
    if (r.far >= 0.0f && poly.size() >= 3) clipPolygon(poly, [&](const V& v) { return r.far - w(v); }, lerp);
}

}  // namespace vtx
