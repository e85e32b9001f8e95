// Scattered points to a regular grid by inverse-distance weighting.
#include "utilities/gridding.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "session/globals.h"
#include "utilities/api.h"
#include "utilities/utility_state.h"

namespace vtx {

namespace {

// The 1-based node range [first, last] within `radius` cells of the
// fractional grid position; empty (first > last) for a NaN position. The
// position is clamped before truncation so that far-away points cannot
// overflow the integer conversion.
void nodeRange(float position, int radius, int count, int& first, int& last) {
    double low = double(position) - radius, high = double(position) + radius;
    if (std::isnan(low) || std::isnan(high)) {
        first = 1, last = 0;
        return;
    }
    low = std::clamp(low, -2.0, count + 2.0);
    high = std::clamp(high, -2.0, count + 2.0);
    first = std::max(1, int(std::trunc(low)) + 1);
    last = std::min(count, int(std::trunc(high)));
}

// The limits of the current 2-D axis system in data units (powers of ten of
// the exponents on logarithmic axes).
bool gridWindowOfAxisSystem(const Globals& g, GridWindow& window) {
    const AxisState& a = g.axis;
    if (a.kind == AxisKind::None) return false;
    auto limit = [](const AxisScaling& s, float v) { return s.log ? std::pow(10.0f, v) : v; };
    window.xa = limit(a.sx, std::min(a.sx.a, a.sx.e)), window.xe = limit(a.sx, std::max(a.sx.a, a.sx.e));
    window.ya = limit(a.sy, std::min(a.sy.a, a.sy.e)), window.ye = limit(a.sy, std::max(a.sy.a, a.sy.e));
    return true;
}

}  // namespace

void gridScatteredPoints(const float* x, const float* y, const float* z, int n, float* zmat, int nx, int ny,
                         float zval, int* imat, float* wmat, const GridWindow& window, int radiusX, int radiusY,
                         float exponent) {
    const std::size_t nodes = std::size_t(nx) * std::size_t(ny);
    std::fill(zmat, zmat + nodes, 0.0f);
    std::fill(wmat, wmat + nodes, 0.0f);
    std::fill(imat, imat + nodes, 0);

    const float dx = (window.xe - window.xa) / float(nx - 1);
    const float dy = (window.ye - window.ya) / float(ny - 1);
    for (int k = 0; k < n; ++k) {
        int iFirst, iLast, jFirst, jLast;
        nodeRange((x[k] - window.xa) / dx + 1.0f, radiusX, nx, iFirst, iLast);
        nodeRange((y[k] - window.ya) / dy + 1.0f, radiusY, ny, jFirst, jLast);
        for (int i = iFirst; i <= iLast; ++i) {
            const float ex = x[k] - (window.xa + float(i - 1) * dx);
            for (int j = jFirst; j <= jLast; ++j) {
                const float ey = y[k] - (window.ya + float(j - 1) * dy);
                const float d2 = ex * ex + ey * ey;
                const std::size_t at = std::size_t(i - 1) * std::size_t(ny) + std::size_t(j - 1);
                if (d2 == 0.0f) {
                    zmat[at] = z[k];
                    imat[at] = -1;  // exact hit: locked against other points
                } else if (imat[at] >= 0) {
                    const float w = 1.0f / std::pow(std::sqrt(d2), exponent);
                    wmat[at] += w;
                    zmat[at] += w * z[k];
                    imat[at] += 1;
                }
            }
        }
    }

    for (std::size_t at = 0; at < nodes; ++at) {
        if (imat[at] == 0)
            zmat[at] = zval;
        else if (imat[at] > 0)
            zmat[at] /= wmat[at];
    }
}

void mdfmat(int radiusX, int radiusY, float exponent) {
    Globals* g = jqqlev(0, 3, "mdfmat");
    if (!g || jqqval(radiusX, 1, -1) + jqqval(radiusY, 1, -1) != 0) return;
    g->util.gridRadiusX = radiusX;
    g->util.gridRadiusY = radiusY;
    g->util.gridExponent = exponent;
}

void getmat(const float* x, const float* y, const float* z, int n, float* zmat, int nx, int ny, float zval,
            int* imat, float* wmat) {
    Globals* g = jqqlev(2, 3, "getmat");
    if (!g || jqqval(n, 1, -1) + jqqval(nx, 2, -1) + jqqval(ny, 2, -1) != 0) return;
    GridWindow window;
    if (!gridWindowOfAxisSystem(*g, window)) return;
    gridScatteredPoints(x, y, z, n, zmat, nx, ny, zval, imat, wmat, window, g->util.gridRadiusX,
                        g->util.gridRadiusY, g->util.gridExponent);
}

}  // namespace vtx
