// Mesh surfaces with hidden lines: the grid is projected once, then its
// lines are drawn from the side nearest the viewer to the far side through
// the horizon pen, so that lines drawn earlier hide the ones behind them.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/checks.h"
#include "core/messages.h"
#include "device/attribute_scope.h"
#include "device/pipeline.h"
#include "graph2d/curve_mode.h"
#include "graph3d/surface_shield.h"
#include "graph3d/api.h"
#include "graph3d/box_system.h"
#include "graph3d/horizon.h"

namespace vtx {

namespace {

// A projected grid: plot points by i·ny + j, mesh lines on every strideX-th
// column and strideY-th row (and the last ones).
struct MeshGrid {
    int nx = 0, ny = 0, strideX = 1, strideY = 1;
    bool xForward = true, yForward = true;  // traversal from the first column / row
    std::vector<float> X, Y;
    std::vector<float> bx, by, bz;          // box coordinates: per column, per row, per point

    bool lineColumn(int i) const { return i % strideX == 0 || i == nx - 1; }
    bool lineRow(int j) const { return j % strideY == 0 || j == ny - 1; }
    int column(int k) const { return xForward ? k : nx - 1 - k; }
    int row(int k) const { return yForward ? k : ny - 1 - k; }
};

// Projects the grid and chooses the traversal: the first column comes first
// when the eye lies on its side of the box.
template <typename XAt, typename YAt, typename ZAt>
MeshGrid projectGrid(const Globals& g, int nx, int ny, XAt&& xAt, YAt&& yAt, ZAt&& zAt) {
    MeshGrid m;
    m.nx = nx, m.ny = ny;
    m.X.resize(std::size_t(nx) * std::size_t(ny));
    m.Y.resize(m.X.size());
    m.bz.resize(m.X.size());
    m.bx.resize(std::size_t(nx));
    m.by.resize(std::size_t(ny));
    const AxisState& a = g.axis;
    const float* L = g.g3d.box;
    for (int i = 0; i < nx; ++i) m.bx[i] = boxCoordinate(a.sx, xAt(i), L[0], a.negLog);
    for (int j = 0; j < ny; ++j) m.by[j] = boxCoordinate(a.sy, yAt(j), L[1], a.negLog);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) {
            const std::size_t k = std::size_t(i) * std::size_t(ny) + std::size_t(j);
            m.bz[k] = boxCoordinate(a.sz, zAt(i, j), L[2], a.negLog);
            boxToPlot(g, m.bx[i], m.by[j], m.bz[k], m.X[k], m.Y[k]);
        }
    m.xForward = std::fabs(g.g3d.eye[0] - m.bx[0]) <= std::fabs(g.g3d.eye[0] - m.bx[nx - 1]);
    m.yForward = std::fabs(g.g3d.eye[1] - m.by[0]) <= std::fabs(g.g3d.eye[1] - m.by[ny - 1]);
    return m;
}

// Sends the lines of the mesh, in drawing order, to line(i1, j1, i2, j2, first).
template <typename Line>
void meshLines(const MeshGrid& m, int options, Line&& line) {
    const int nx = m.nx, ny = m.ny;
    if (options == 1) {  // XISO: each row through all X values
        for (int kj = 0; kj < ny; ++kj)
            if (m.lineRow(m.row(kj)))
                for (int ki = 1; ki < nx; ++ki) line(m.column(ki - 1), m.row(kj), m.column(ki), m.row(kj), ki == 1);
        return;
    }
    if (options == 2) {  // YISO: each column through all Y values
        for (int ki = 0; ki < nx; ++ki)
            if (m.lineColumn(m.column(ki)))
                for (int kj = 1; kj < ny; ++kj) line(m.column(ki), m.row(kj - 1), m.column(ki), m.row(kj), kj == 1);
        return;
    }
    // Both: the nearest row and column whole, then cell by cell toward the back.
    for (int ki = 1; ki < nx; ++ki) line(m.column(ki - 1), m.row(0), m.column(ki), m.row(0), ki == 1);
    for (int kj = 1; kj < ny; ++kj) line(m.column(0), m.row(kj - 1), m.column(0), m.row(kj), kj == 1);
    for (int kj = 1; kj < ny; ++kj) {
        const int j = m.row(kj), jPrev = m.row(kj - 1);
        for (int ki = 1; ki < nx; ++ki) {
            const int i = m.column(ki), iPrev = m.column(ki - 1);
            if (m.lineColumn(i)) line(i, jPrev, i, j, true);
            if (m.lineRow(j)) line(iPrev, j, i, j, true);
        }
    }
}

// Runs a drawing's lines through the horizon pen (straight to the pipeline
// with nohide), clipped to the axis system, in the sides' colours if set.
// The drawing calls line(x1, y1, x2, y2, first, mode) for each line.
template <typename Lines>
void drawThroughHorizon(Globals& g, Lines&& lines) {
    const Graph3DState& s = g.g3d;
    const ColourScope caller(g);
    const int callerColour = g.colour.current;
    sclpax(g, 1);
    HorizonPen pen(0, s.noHide ? 0 : g.out.nxPage + 1);
    SurfaceShield shield(g);
    auto piece = [&](HorizonSide side, float x1, float y1, float x2, float y2) {
        if ((s.surfVisible == 1 && side == HorizonSide::Bottom) || (s.surfVisible == 2 && side == HorizonSide::Top))
            return;
        if (s.surfColoursSet) {
            int c = s.surfColours[side == HorizonSide::Top ? 0 : 1];
            if (c < 0) c = callerColour;
            if (c != g.colour.current) qqsclr(g, c);
        }
        lineqq(g, x1, y1, x2, y2);
    };
    lines([&](float x1, float y1, float x2, float y2, bool first, PenMode mode) {
        shield.add(x1, y1), shield.add(x2, y2);
        if (s.noHide) {
            if (mode != PenMode::HideOnly) lineqq(g, x1, y1, x2, y2);
            return;
        }
        if (first) pen.pen(x1, y1, 3, piece, mode);
        pen.pen(x2, y2, 2, piece, mode);
    });
    qqstrk(g);
    sclpax(g, 0);
}

// The mesh lines, cut by the front and back planes like every line in the
// box: a line cut away neither shows nor hides, and a cut start begins anew.
// A line that touches a grid point without a finite value is left out.
void drawMesh(Globals& g, const MeshGrid& m) {
    const Graph3DState& s = g.g3d;
    drawThroughHorizon(g, [&](auto&& line) {
        bool joined = false;  // the previous line ended where it was meant to
        meshLines(m, s.surfOptions, [&](int i1, int j1, int i2, int j2, bool first) {
            const std::size_t ka = std::size_t(i1) * std::size_t(m.ny) + std::size_t(j1);
            const std::size_t kb = std::size_t(i2) * std::size_t(m.ny) + std::size_t(j2);
            float a[3] = {m.bx[i1], m.by[j1], m.bz[ka]}, b[3] = {m.bx[i2], m.by[j2], m.bz[kb]};
            if (!std::isfinite(a[0] + a[1] + a[2] + b[0] + b[1] + b[2])) {
                joined = false;
                return;
            }
            const bool whole = s.depthRange.inside(s.projection.depth(a[0], a[1], a[2])) &&
                               s.depthRange.inside(s.projection.depth(b[0], b[1], b[2]));
            if (whole) {
                line(m.X[ka], m.Y[ka], m.X[kb], m.Y[kb], first || !joined, PenMode::DrawAndHide);
                joined = true;
                return;
            }
            const bool wasJoined = joined;
            joined = false;
            const float a0[3] = {a[0], a[1], a[2]}, b0[3] = {b[0], b[1], b[2]};
            if (!clipSegment(s.projection, s.depthRange, a, b)) return;
            float X1, Y1, X2, Y2;
            boxToPlot(g, a[0], a[1], a[2], X1, Y1);
            boxToPlot(g, b[0], b[1], b[2], X2, Y2);
            const bool cutStart = a[0] != a0[0] || a[1] != a0[1] || a[2] != a0[2];
            line(X1, Y1, X2, Y2, first || cutStart || !wasJoined, PenMode::DrawAndHide);
            joined = b[0] == b0[0] && b[1] == b0[1] && b[2] == b0[2];
        });
    });
}

// Half the distance to the neighbours of entry i (the one neighbour at the ends).
float halfSpacing(const std::vector<float>& v, int i) {
    const int n = int(v.size());
    const float lo = i > 0 ? v[i] - v[i - 1] : v[i + 1] - v[i];
    const float hi = i + 1 < n ? v[i + 1] - v[i] : lo;
    return 0.25f * (std::fabs(lo) + std::fabs(hi));
}

// The edges of a column: corner k has x from bit 0, y from bit 1, z from
// bit 2; each edge joins two corners and lies on two faces.
constexpr int kColumnEdges[12][2] = {{0, 1}, {2, 3}, {4, 5}, {6, 7}, {0, 2}, {1, 3},
                                     {4, 6}, {5, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7}};

// With the bar curve mode every grid value is a column from the floor of
// the box to the value, front to back. A column's edges on the faces that
// look toward the eye are drawn against what stands in front, without
// hiding one another, and only then raise the horizons.
void drawColumns(Globals& g, const MeshGrid& m) {
    const float width = g.curve.barWidth > 0.0f ? g.curve.barWidth : 0.75f;
    const float* eye = g.g3d.eye;
    const float floor = -0.5f * g.g3d.box[2];
    drawThroughHorizon(g, [&](auto&& line) {
        for (int kj = 0; kj < m.ny; ++kj)
            for (int ki = 0; ki < m.nx; ++ki) {
                const int i = m.column(ki), j = m.row(kj);
                const float hx = width * halfSpacing(m.bx, i), hy = width * halfSpacing(m.by, j);
                const float top = m.bz[std::size_t(i) * std::size_t(m.ny) + std::size_t(j)];
                if (!std::isfinite(m.bx[i] + m.by[j] + top)) continue;
                const float lo[3] = {m.bx[i] - hx, m.by[j] - hy, std::min(floor, top)};
                const float hi[3] = {m.bx[i] + hx, m.by[j] + hy, std::max(floor, top)};
                // faces toward the eye: [axis][0 low side, 1 high side]
                bool facing[3][2];
                for (int a = 0; a < 3; ++a) facing[a][0] = eye[a] < lo[a], facing[a][1] = eye[a] > hi[a];
                float X[8], Y[8];
                for (int k = 0; k < 8; ++k)
                    boxToPlot(g, k & 1 ? hi[0] : lo[0], k & 2 ? hi[1] : lo[1], k & 4 ? hi[2] : lo[2], X[k], Y[k]);
                auto shown = [&](int c0, int c1) {
                    for (int a = 0; a < 3; ++a) {
                        const int bit = 1 << a, side = (c0 & bit) ? 1 : 0;
                        if ((c0 & bit) == (c1 & bit) && facing[a][side]) return true;
                    }
                    return false;
                };
                for (PenMode mode : {PenMode::DrawOnly, PenMode::HideOnly})
                    for (const auto& e : kColumnEdges)
                        if (shown(e[0], e[1])) line(X[e[0]], Y[e[0]], X[e[1]], Y[e[1]], true, mode);
            }
    });
}

void drawSurface(Globals& g, const MeshGrid& m) {
    if (g.curve.mode == int(CurveMode::Bars)) drawColumns(g, m);
    else drawMesh(g, m);
}

bool checkGrid(int nx, int ny) {
    if (nx > 1 && ny > 1) return true;
    warnin(Warning::IncorrectParameter);
    return false;
}

// User value at fraction t of an axis scaling's range.
float alongAxis(const AxisScaling& s, float t) {
    const float u = s.a + t * (s.e - s.a);
    return s.log ? std::pow(10.0f, u) : u;
}

}  // namespace

void surfce(const float* xray, int nx, const float* yray, int ny, const float* zmat) {
    Globals* g = box3dSystem("surfce");
    if (!g || !checkGrid(nx, ny)) return;
    const MeshGrid m = projectGrid(
        *g, nx, ny, [&](int i) { return xray[i]; }, [&](int j) { return yray[j]; },
        [&](int i, int j) { return zmat[std::size_t(i) * std::size_t(ny) + std::size_t(j)]; });
    drawSurface(*g, m);
}

void surmat(const float* zmat, int nx, int ny, int ixpts, int iypts) {
    Globals* g = box3dSystem("surmat");
    if (!g || !checkGrid(nx, ny)) return;
    if (jqqval(ixpts, 1, nx) + jqqval(iypts, 1, ny) != 0) return;
    const Graph3DState& s = g->g3d;
    const AxisState& a = g->axis;
    auto xAt = [&](int i) {
        const float t = float(i) / float(nx - 1);
        return s.surfSize ? s.surfExtent[0] + t * (s.surfExtent[1] - s.surfExtent[0]) : alongAxis(a.sx, t);
    };
    auto yAt = [&](int j) {
        const float t = float(j) / float(ny - 1);
        return s.surfSize ? s.surfExtent[2] + t * (s.surfExtent[3] - s.surfExtent[2]) : alongAxis(a.sy, t);
    };
    MeshGrid m = projectGrid(*g, nx, ny, xAt, yAt,
                             [&](int i, int j) { return zmat[std::size_t(i) * std::size_t(ny) + std::size_t(j)]; });
    m.strideX = ixpts, m.strideY = iypts;
    drawSurface(*g, m);
}

void surfun(float (*fn)(float, float), int ixpts, float xdelta, int iypts, float ydelta) {
    Globals* g = box3dSystem("surfun");
    if (!g) return;
    const AxisState& a = g->axis;
    // Samples xdelta apart over the axis range (in exponents on a log axis).
    const float spanX = std::fabs(a.sx.e - a.sx.a), spanY = std::fabs(a.sy.e - a.sy.a);
    // At most four million samples: the function is called for each.
    constexpr float kMaxSamples = 4.0e6f;
    if (!(xdelta > 0.0f) || !(ydelta > 0.0f) || !((spanX / xdelta + 1.0f) * (spanY / ydelta + 1.0f) < kMaxSamples) ||
        ixpts < 1 || iypts < 1) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    const int nx = int(std::lround(spanX / xdelta)) + 1, ny = int(std::lround(spanY / ydelta)) + 1;
    if (!checkGrid(nx, ny)) return;
    std::vector<float> xs(static_cast<std::size_t>(nx)), ys(static_cast<std::size_t>(ny));
    std::vector<float> zs(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny));
    for (int i = 0; i < nx; ++i) xs[i] = alongAxis(a.sx, float(i) / float(nx - 1));
    for (int j = 0; j < ny; ++j) ys[j] = alongAxis(a.sy, float(j) / float(ny - 1));
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) zs[std::size_t(i) * std::size_t(ny) + std::size_t(j)] = fn(xs[i], ys[j]);
    MeshGrid m = projectGrid(
        *g, nx, ny, [&](int i) { return xs[i]; }, [&](int j) { return ys[j]; },
        [&](int i, int j) { return zs[std::size_t(i) * std::size_t(ny) + std::size_t(j)]; });
    m.strideX = ixpts, m.strideY = iypts;
    drawSurface(*g, m);
}

void surclr(int top, int bottom) {
    Globals* g = chkini("surclr");
    if (!g || jqqval(top, -1, 255) + jqqval(bottom, -1, 255) != 0) return;
    g->g3d.surfColours[0] = top, g->g3d.surfColours[1] = bottom;
    g->g3d.surfColoursSet = 1;
}

void survis(const char* keyword) {
    Globals* g = chkini("survis");
    if (!g) return;
    if (const int k = jqqind("BOTH+TOP +BOTT", 3, keyword)) g->g3d.surfVisible = k - 1;
}

void suropt(const char* keyword) {
    Globals* g = chkini("suropt");
    if (!g) return;
    if (const int k = jqqind("BOTH+XISO+YISO", 3, keyword)) g->g3d.surfOptions = k - 1;
}

void nohide() {
    if (Globals* g = chkini("nohide")) g->g3d.noHide = 1;
}

}  // namespace vtx
