// Filled contour bands as polygons: the band of a value among ascending
// levels, and the pieces of grid cells and triangles that lie in each band.
// Pure geometry; polygons go to a sink as fill(band, x, y, n) in the
// coordinates of the data.
//
// Band k of n levels holds the values with level[k-1] <= z < level[k]; band 0
// lies below the first level, band n at or above the last. A grid cell whose
// corners share a band is one quadrilateral. A cell crossed by levels is cut
// straight between each level's crossings on its edges, which neighbouring
// cells compute identically, so the pieces tile the grid without gaps. Where
// a level separates the two diagonals (a saddle), the cell is split as the
// grid tracer splits it: into four triangles by its centre (the mean of the
// corners), over which the values are linear and the band pieces follow the
// tracer's lines. Cells with a NaN corner are left empty.
#pragma once

#include <cmath>
#include <cstddef>

#include "contour/contour_tracer.h"
#include "contour/triangle_tracer.h"

namespace vtx {

inline int bandOf(float z, const float* levels, int n) {
    int lo = 0, hi = n;  // the first level above z
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (levels[mid] <= z) lo = mid + 1;
        else hi = mid;
    }
    return lo;
}

namespace detail {

// The crossing of `level` on the edge a-b, always interpolated from the end
// with the smaller value, so that both polygons sharing the edge get the
// very same point.
inline void bandCrossing(float xa, float ya, float za, float xb, float yb, float zb, float level, float& x,
                         float& y) {
    if (za > zb) {
        float t = xa; xa = xb, xb = t;
        t = ya; ya = yb, yb = t;
        t = za; za = zb, zb = t;
    }
    const float f = (level - za) / (zb - za);
    x = xa + (xb - xa) * f, y = ya + (yb - ya) * f;
}

// Keeps the part of a polygon with values on one side of `level` (above:
// z >= level, else z <= level); out holds at least n + 1 vertices.
inline int clipPolygonAtLevel(const float* x, const float* y, const float* z, int n, float level, bool above,
                              float* ox, float* oy, float* oz) {
    int m = 0;
    for (int i = 0; i < n; ++i) {
        const int k = i + 1 < n ? i + 1 : 0;
        const bool inI = above ? z[i] >= level : z[i] <= level;
        const bool inK = above ? z[k] >= level : z[k] <= level;
        if (inI) ox[m] = x[i], oy[m] = y[i], oz[m] = z[i], ++m;
        if (inI != inK && z[i] != level && z[k] != level) {
            bandCrossing(x[i], y[i], z[i], x[k], y[k], z[k], level, ox[m], oy[m]);
            oz[m] = level, ++m;
        }
    }
    return m;
}

}  // namespace detail

// The part of triangle (x, y, z) with lo <= z <= hi, at most 5 vertices in
// ox, oy; returns their number (below 3: nothing).
inline int clipTriangleToBand(const float* x, const float* y, const float* z, float lo, float hi, float* ox,
                              float* oy) {
    float ax[4], ay[4], az[4], bz[5];
    int n = detail::clipPolygonAtLevel(x, y, z, 3, lo, true, ax, ay, az);
    if (n < 3) return 0;
    n = detail::clipPolygonAtLevel(ax, ay, az, n, hi, false, ox, oy, bz);
    return n < 3 ? 0 : n;
}

namespace detail {

// Fills triangle (x, y, z) band by band; an infinite bound stands for the open
// end of the outer bands.
template <class Sink>
void triangleBands(const float* x, const float* y, const float* z, const float* levels, int n, Sink& sink) {
    const int b0 = bandOf(z[0], levels, n), b1 = bandOf(z[1], levels, n), b2 = bandOf(z[2], levels, n);
    const int lo = b0 < b1 ? (b0 < b2 ? b0 : b2) : (b1 < b2 ? b1 : b2);
    const int hi = b0 > b1 ? (b0 > b2 ? b0 : b2) : (b1 > b2 ? b1 : b2);
    if (lo == hi) {
        sink.fill(lo, x, y, 3);
        return;
    }
    float px[5], py[5];
    for (int b = lo; b <= hi; ++b) {
        const float bottom = b > 0 ? levels[b - 1] : -INFINITY, top = b < n ? levels[b] : INFINITY;
        const int m = clipTriangleToBand(x, y, z, bottom, top, px, py);
        if (m >= 3) sink.fill(b, px, py, m);
    }
}

// True when some level between the corners' values separates the two
// diagonals of the cell (c0, c2 on one side, c1, c3 on the other).
inline bool saddleInCell(const float* c, const float* levels, int n) {
    const float lowA = std::fmin(c[0], c[2]), highA = std::fmax(c[0], c[2]);
    const float lowB = std::fmin(c[1], c[3]), highB = std::fmax(c[1], c[3]);
    // A level with one diagonal wholly at or above it and the other wholly below.
    auto separates = [&](float lowUp, float highDown) {
        return bandOf(highDown, levels, n) < bandOf(lowUp, levels, n);
    };
    return separates(lowA, highB) || separates(lowB, highA);
}

// Fills a cell without a saddle band by band: each band's part is the cell
// cut straight between the level's crossings on the cell edges.
template <class Sink>
void quadBands(const float* x, const float* y, const float* z, const float* levels, int n, Sink& sink) {
    int lo = bandOf(z[0], levels, n), hi = lo;
    for (int k = 1; k < 4; ++k) {
        const int b = bandOf(z[k], levels, n);
        lo = b < lo ? b : lo, hi = b > hi ? b : hi;
    }
    float ax[5], ay[5], az[5], px[6], py[6], pz[6];
    for (int b = lo; b <= hi; ++b) {
        const float bottom = b > 0 ? levels[b - 1] : -INFINITY, top = b < n ? levels[b] : INFINITY;
        const int m = clipPolygonAtLevel(x, y, z, 4, bottom, true, ax, ay, az);
        if (m < 3) continue;
        const int k = clipPolygonAtLevel(ax, ay, az, m, top, false, px, py, pz);
        if (k >= 3) sink.fill(b, px, py, k);
    }
}

}  // namespace detail

// Band polygons of every cell of the grid. With mergeRuns, neighbouring
// cells of a row in one band go out as one rectangle; only for coordinates
// that the caller maps without bending straight lines.
template <class Sink>
void gridBands(const ContourGrid& g, const float* levels, int n, bool mergeRuns, Sink& sink) {
    const int nx = g.nx, ny = g.ny;
    auto z = [&](int i, int j) { return g.z[std::size_t(i) * std::size_t(ny) + std::size_t(j)]; };
    // Row by row, so that merged runs lie along the scan lines of software fills.
    for (int j = 0; j + 1 < ny; ++j) {
        const float y0 = g.y[j], y1 = g.y[j + 1];
        int runBand = -1, runStart = 0;  // an open run of whole cells in one band
        auto closeRun = [&](int end) {
            if (runBand < 0) return;
            const float qx[4] = {g.x[runStart], g.x[end], g.x[end], g.x[runStart]}, qy[4] = {y0, y0, y1, y1};
            sink.fill(runBand, qx, qy, 4);
            runBand = -1;
        };
        for (int i = 0; i + 1 < nx; ++i) {
            const float c[4] = {z(i, j), z(i + 1, j), z(i + 1, j + 1), z(i, j + 1)};
            const float x0 = g.x[i], x1 = g.x[i + 1];
            if (std::isnan(c[0]) || std::isnan(c[1]) || std::isnan(c[2]) || std::isnan(c[3])) {
                closeRun(i);
                continue;
            }
            const int b = bandOf(c[0], levels, n);
            if (b == bandOf(c[1], levels, n) && b == bandOf(c[2], levels, n) && b == bandOf(c[3], levels, n)) {
                if (!mergeRuns) {
                    const float qx[4] = {x0, x1, x1, x0}, qy[4] = {y0, y0, y1, y1};
                    sink.fill(b, qx, qy, 4);
                    continue;
                }
                // A run continues only while x keeps its direction.
                const bool turns = runBand >= 0 && i > runStart && ((x1 > x0) != (g.x[i] > g.x[i - 1]));
                if (runBand != b || turns) closeRun(i), runBand = b, runStart = i;
                continue;
            }
            closeRun(i);
            const float cx[4] = {x0, x1, x1, x0}, cy[4] = {y0, y0, y1, y1};
            if (!detail::saddleInCell(c, levels, n)) {
                detail::quadBands(cx, cy, c, levels, n, sink);
                continue;
            }
            const float xm = 0.5f * (x0 + x1), ym = 0.5f * (y0 + y1);
            const float zm = 0.25f * (c[0] + c[1] + c[2] + c[3]);
            for (int e = 0; e < 4; ++e) {
                const int f = (e + 1) & 3;
                const float tx[3] = {cx[e], cx[f], xm}, ty[3] = {cy[e], cy[f], ym}, tz[3] = {c[e], c[f], zm};
                detail::triangleBands(tx, ty, tz, levels, n, sink);
            }
        }
        closeRun(nx - 1);
    }
}

// Band polygons of every usable triangle of a mesh (1-based indices; a
// triangle naming a missing point or a NaN value is left out).
template <class Sink>
void meshBands(const ContourMesh& m, const float* levels, int n, Sink& sink) {
    for (int t = 0; t < m.triangles; ++t) {
        const int k[3] = {m.i1[t] - 1, m.i2[t] - 1, m.i3[t] - 1};
        if (k[0] < 0 || k[1] < 0 || k[2] < 0 || k[0] >= m.n || k[1] >= m.n || k[2] >= m.n) continue;
        const float tx[3] = {m.x[k[0]], m.x[k[1]], m.x[k[2]]}, ty[3] = {m.y[k[0]], m.y[k[1]], m.y[k[2]]};
        const float tz[3] = {m.z[k[0]], m.z[k[1]], m.z[k[2]]};
        if (std::isnan(tz[0]) || std::isnan(tz[1]) || std::isnan(tz[2])) continue;
        detail::triangleBands(tx, ty, tz, levels, n, sink);
    }
}

}  // namespace vtx
