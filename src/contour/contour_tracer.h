// The grid tracer: every line of one level through a grid of values, emitted
// point by point to a sink. Pure geometry; it never touches the state record.
//
// A grid point is high when z > level and low otherwise, so a value equal to
// the level counts as low. Each cell is split into four triangles by its
// centre (the mean of its corners), which resolves saddles. A line keeps its
// high side on the same side of the direction of travel; a closed line ends
// with its start point repeated. Cells with a NaN corner are holes: lines
// end at them and start from them like from the border of the grid.
//
// A sink provides start(x, y) for the first point of a line, to(x, y) for
// each further point and finish() once after the last line.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <new>
#include <vector>

namespace vtx {

// z holds nx * ny values, element (i, j) at i * ny + j.
struct ContourGrid {
    const float* x;
    int nx;
    const float* y;
    int ny;
    const float* z;
};

// 32-bit words of the edge mask for a grid: one bit per grid point.
inline std::size_t contourMaskWords(int nx, int ny) {
    return (std::size_t(nx) * std::size_t(ny) + 31) / 32;
}

namespace detail {

struct GridPoint {
    int i, j;
};

template <class Sink>
class GridTracer {
public:
    GridTracer(const ContourGrid& grid, float level, std::uint32_t* mask, Sink& sink)
        : g_(grid), level_(level), mask_(mask), sink_(sink) {}

    void run() {
        const int nx = g_.nx, ny = g_.ny;
        for (std::size_t k = 0, n = contourMaskWords(nx, ny); k < n; ++k) mask_[k] = 0;
        if (nx < 2 || ny < 2) {
            sink_.finish();
            return;
        }
        // Open lines start where the border, walked counter-clockwise, passes from low to high.
        for (int i = 1; i < nx; ++i) startIfEdge({i, 0}, {i - 1, 0});
        for (int j = 1; j < ny; ++j) startIfEdge({nx - 1, j}, {nx - 1, j - 1});
        for (int i = nx - 2; i >= 0; --i) startIfEdge({i, ny - 1}, {i + 1, ny - 1});
        for (int j = ny - 2; j >= 0; --j) startIfEdge({0, j}, {0, j + 1});
        if (anyNaN()) startAtHoles();
        startClosedLines();
        sink_.finish();
    }

private:
    float z(GridPoint p) const { return g_.z[std::size_t(p.i) * std::size_t(g_.ny) + std::size_t(p.j)]; }
    bool high(float v) const { return v > level_; }
    bool inside(GridPoint p) const { return p.i >= 0 && p.j >= 0 && p.i < g_.nx && p.j < g_.ny; }
    std::size_t bit(GridPoint p) const { return std::size_t(p.i) * std::size_t(g_.ny) + std::size_t(p.j); }
    bool marked(GridPoint p) const { return (mask_[bit(p) >> 5] >> (bit(p) & 31)) & 1u; }
    void mark(GridPoint p) { mask_[bit(p) >> 5] |= 1u << (bit(p) & 31); }

    // A cell (lower left corner c) is a hole when a corner is NaN.
    bool hole(GridPoint c) const {
        return std::isnan(z(c)) || std::isnan(z({c.i + 1, c.j})) || std::isnan(z({c.i, c.j + 1})) ||
               std::isnan(z({c.i + 1, c.j + 1}));
    }

    bool anyNaN() const {
        bool nan = false;  // no early exit: the loop stays a plain pass over the values
        for (std::size_t k = 0, n = std::size_t(g_.nx) * std::size_t(g_.ny); k < n; ++k) nan |= std::isnan(g_.z[k]);
        return nan;
    }

    // Whatever crosses an unmarked row edge, row by row, is a closed line.
    // The row edges that pass from low to high are found first in one pass
    // through the values in memory order (the grid is stored column by
    // column), so the row-by-row walk visits only them, in the same order.
    void startClosedLines() {
        const int nx = g_.nx, ny = g_.ny;
        std::vector<std::uint32_t> rising;  // bit j * nx + i: a start candidate at row edge (i, j)
        try {
            rising.assign((std::size_t(nx) * std::size_t(ny) + 31) / 32, 0u);
        } catch (const std::bad_alloc&) {
            for (int j = 1; j < ny - 1; ++j)
                for (int i = 1; i < nx; ++i)
                    if (!marked({i, j})) startIfEdge({i, j}, {i - 1, j});
            return;
        }
        for (int i = 1; i < nx; ++i) {
            const float* hi = g_.z + std::size_t(i) * std::size_t(ny);
            const float* lo = hi - ny;
            for (int j = 1; j < ny - 1; ++j)
                if (high(hi[j]) && !high(lo[j]) && !std::isnan(lo[j])) {
                    const std::size_t b = std::size_t(j) * std::size_t(nx) + std::size_t(i);
                    rising[b >> 5] |= 1u << (b & 31);
                }
        }
        for (int j = 1; j < ny - 1; ++j) {
            const std::size_t begin = std::size_t(j) * std::size_t(nx), end = begin + std::size_t(nx);
            for (std::size_t w = begin >> 5; w <= (end - 1) >> 5; ++w) {
                std::uint32_t bits = rising[w];
                while (bits) {
                    const std::size_t b = (w << 5) + std::size_t(__builtin_ctz(bits));
                    bits &= bits - 1;
                    if (b < begin || b >= end) continue;
                    const int i = int(b - begin);
                    if (!marked({i, j})) startIfEdge({i, j}, {i - 1, j});
                }
            }
        }
    }

    void startIfEdge(GridPoint hi, GridPoint lo) {
        const float zh = z(hi), zl = z(lo);
        if (std::isnan(zh) || std::isnan(zl) || !high(zh) || high(zl)) return;
        // A line whose first cell is a hole would be a single point.
        const int di = hi.i - lo.i, dj = hi.j - lo.j;
        if (std::isnan(z({lo.i - dj, lo.j + di})) || std::isnan(z({hi.i - dj, hi.j + di}))) return;
        follow(hi, lo);
    }

    // Lines that leave a hole start at its edges whose other side is a whole cell.
    void startAtHoles() {
        for (int j = 0; j + 1 < g_.ny; ++j)
            for (int i = 0; i + 1 < g_.nx; ++i) {
                if (!hole({i, j})) continue;
                const GridPoint c[4] = {{i, j}, {i + 1, j}, {i + 1, j + 1}, {i, j + 1}};
                for (int e = 0; e < 4; ++e) startOutOfHole({i, j}, c[e], c[(e + 1) % 4]);
            }
    }

    void startOutOfHole(GridPoint cell, GridPoint a, GridPoint b) {
        const float za = z(a), zb = z(b);
        if (std::isnan(za) || std::isnan(zb) || high(za) == high(zb)) return;
        const GridPoint hi = high(za) ? a : b, lo = high(za) ? b : a;
        const GridPoint p3{lo.i - (hi.j - lo.j), lo.j + (hi.i - lo.i)};
        const bool intoHole = p3.i >= cell.i && p3.i <= cell.i + 1 && p3.j >= cell.j && p3.j <= cell.j + 1;
        if (intoHole || !inside(p3)) return;
        const GridPoint corner{std::min(p3.i, std::min(hi.i, lo.i)), std::min(p3.j, std::min(hi.j, lo.j))};
        if (!hole(corner)) follow(hi, lo);
    }

    float px(GridPoint p) const { return g_.x[p.i]; }
    float py(GridPoint p) const { return g_.y[p.j]; }

    // Crossing of the level between a high value (ah at xa, ya) and a low one.
    void emitBetween(float xa, float ya, float ah, float xb, float yb, float bl) {
        const float f = (ah - level_) / (ah - bl);
        const float xc = xa - (xa - xb) * f, yc = ya - (ya - yb) * f;
        if (first_) sink_.start(xc, yc), first_ = false;
        else sink_.to(xc, yc);
    }

    void follow(GridPoint p1, GridPoint p2) {
        first_ = true;
        for (;;) {
            const float z1 = z(p1), z2 = z(p2);
            emitBetween(px(p1), py(p1), z1, px(p2), py(p2), z2);
            const int di = p1.i - p2.i, dj = p1.j - p2.j;
            const GridPoint p3{p2.i - dj, p2.j + di}, p4{p1.i - dj, p1.j + di};
            if (!inside(p3)) return;
            if (di == 1 && dj == 0) {
                if (marked(p1)) return;
                mark(p1);
            }
            const float z3 = z(p3), z4 = z(p4);
            if (std::isnan(z3) || std::isnan(z4)) return;
            const float zc = (z1 + z2 + z3 + z4) * 0.25f;
            const float xm = (px(p1) + px(p3)) * 0.5f, ym = (py(p1) + py(p3)) * 0.5f;
            const bool h3 = high(z3), h4 = high(z4);
            if (!high(zc)) {
                emitBetween(px(p1), py(p1), z1, xm, ym, zc);
                if (h4) {
                    emitBetween(px(p4), py(p4), z4, xm, ym, zc);
                    if (!h3) p1 = p4, p2 = p3;
                    else emitBetween(px(p3), py(p3), z3, xm, ym, zc), p1 = p3;  // p2 stays
                } else {
                    p2 = p4;
                }
            } else {
                emitBetween(xm, ym, zc, px(p2), py(p2), z2);
                if (!h3) {
                    emitBetween(xm, ym, zc, px(p3), py(p3), z3);
                    if (!h4) emitBetween(xm, ym, zc, px(p4), py(p4), z4), p2 = p4;
                    else p1 = p4, p2 = p3;
                } else {
                    p1 = p3;
                }
            }
        }
    }

    const ContourGrid& g_;
    float level_;
    std::uint32_t* mask_;
    Sink& sink_;
    bool first_ = true;
};

}  // namespace detail

// Traces every line of `level`; mask needs contourMaskWords(nx, ny) words.
template <class Sink>
void traceContour(const ContourGrid& grid, float level, std::uint32_t* mask, Sink& sink) {
    detail::GridTracer<Sink>(grid, level, mask, sink).run();
}

}  // namespace vtx
