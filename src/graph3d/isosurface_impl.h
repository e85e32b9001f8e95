// Marching tetrahedra (included by isosurface.h).
#pragma once

#include <cmath>
#include <cstddef>

namespace vtx {

namespace iso {

struct Corner {
    int i, j, k;
    float v;           // w - level
};

inline std::size_t at(const IsoGrid& g, int i, int j, int k) {
    return (std::size_t(i) * std::size_t(g.ny) + std::size_t(j)) * std::size_t(g.nz) + std::size_t(k);
}

// Central differences (one-sided at the border) in grid coordinates.
inline void gradient(const IsoGrid& g, int i, int j, int k, float out[3]) {
    const int lo[3] = {i > 0 ? i - 1 : i, j > 0 ? j - 1 : j, k > 0 ? k - 1 : k};
    const int hi[3] = {i + 1 < g.nx ? i + 1 : i, j + 1 < g.ny ? j + 1 : j, k + 1 < g.nz ? k + 1 : k};
    const float dx = g.x[hi[0]] - g.x[lo[0]], dy = g.y[hi[1]] - g.y[lo[1]], dz = g.z[hi[2]] - g.z[lo[2]];
    out[0] = dx != 0.0f ? (g.w[at(g, hi[0], j, k)] - g.w[at(g, lo[0], j, k)]) / dx : 0.0f;
    out[1] = dy != 0.0f ? (g.w[at(g, i, hi[1], k)] - g.w[at(g, i, lo[1], k)]) / dy : 0.0f;
    out[2] = dz != 0.0f ? (g.w[at(g, i, j, hi[2])] - g.w[at(g, i, j, lo[2])]) / dz : 0.0f;
}

// The crossing on the edge a-b, always interpolated from the lower grid index.
inline IsoVertex crossing(const IsoGrid& g, Corner a, Corner b) {
    if (at(g, b.i, b.j, b.k) < at(g, a.i, a.j, a.k)) {
        const Corner t = a;
        a = b, b = t;
    }
    const float t = a.v != b.v ? a.v / (a.v - b.v) : 0.5f;
    IsoVertex r;
    const float pa[3] = {g.x[a.i], g.y[a.j], g.z[a.k]}, pb[3] = {g.x[b.i], g.y[b.j], g.z[b.k]};
    float na[3], nb[3];
    gradient(g, a.i, a.j, a.k, na);
    gradient(g, b.i, b.j, b.k, nb);
    for (int c = 0; c < 3; ++c) r.p[c] = pa[c] + t * (pb[c] - pa[c]), r.n[c] = na[c] + t * (nb[c] - na[c]);
    return r;
}

// Emits a triangle turned so that its normal agrees with `toHigh`.
template <typename Tri>
void oriented(const IsoVertex& a, const IsoVertex& b, const IsoVertex& c, const float toHigh[3], Tri& tri) {
    const float u[3] = {b.p[0] - a.p[0], b.p[1] - a.p[1], b.p[2] - a.p[2]};
    const float v[3] = {c.p[0] - a.p[0], c.p[1] - a.p[1], c.p[2] - a.p[2]};
    const float n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    if (n[0] * toHigh[0] + n[1] * toHigh[1] + n[2] * toHigh[2] >= 0.0f) tri(a, b, c);
    else tri(a, c, b);
}

template <typename Tri>
void tetrahedron(const IsoGrid& g, const Corner (&c)[4], Tri& tri) {
    int high[4], low[4], nh = 0, nl = 0;
    for (int m = 0; m < 4; ++m) {
        if (c[m].v > 0.0f) high[nh++] = m;
        else low[nl++] = m;
    }
    if (nh == 0 || nl == 0) return;
    // From the low corners toward the high ones: the side of larger values.
    float toHigh[3] = {};
    for (int m = 0; m < 4; ++m) {
        const float s = c[m].v > 0.0f ? 1.0f / float(nh) : -1.0f / float(nl);
        toHigh[0] += s * g.x[c[m].i], toHigh[1] += s * g.y[c[m].j], toHigh[2] += s * g.z[c[m].k];
    }
    if (nh == 1 || nl == 1) {
        const int lone = nh == 1 ? high[0] : low[0];
        IsoVertex p[3];
        int q = 0;
        for (int m = 0; m < 4; ++m)
            if (m != lone) p[q++] = crossing(g, c[lone], c[m]);
        oriented(p[0], p[1], p[2], toHigh, tri);
        return;
    }
    // Two and two: a quadrilateral through the four crossing edges.
    const IsoVertex a = crossing(g, c[high[0]], c[low[0]]), b = crossing(g, c[high[0]], c[low[1]]);
    const IsoVertex d = crossing(g, c[high[1]], c[low[0]]), e = crossing(g, c[high[1]], c[low[1]]);
    oriented(a, b, e, toHigh, tri);
    oriented(a, e, d, toHigh, tri);
}

}  // namespace iso

template <typename Tri>
void isosurface(const IsoGrid& grid, float level, Tri&& tri) {
    // The six paths from corner (0,0,0) to (1,1,1), one axis step at a time.
    static const int kOrders[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (int i = 0; i + 1 < grid.nx; ++i)
        for (int j = 0; j + 1 < grid.ny; ++j)
            for (int k = 0; k + 1 < grid.nz; ++k)
                for (const auto& order : kOrders) {
                    iso::Corner c[4];
                    int pos[3] = {i, j, k};
                    for (int m = 0; m < 4; ++m) {
                        if (m > 0) ++pos[order[m - 1]];
                        c[m] = iso::Corner{pos[0], pos[1], pos[2], grid.w[iso::at(grid, pos[0], pos[1], pos[2])] - level};
                    }
                    iso::tetrahedron(grid, c, tri);
                }
}

}  // namespace vtx
