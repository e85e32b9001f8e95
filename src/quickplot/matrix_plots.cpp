// Quick plots of a matrix: a colour plot, a surface and contours.
#include <algorithm>
#include <cmath>

#include "contour/api.h"
#include "core/checks.h"
#include "graph2d/api.h"
#include "graph3d/api.h"
#include "quickplot/api.h"
#include "quickplot/quick_plot.h"
#include "session/globals.h"
#include "text/api.h"

namespace vtx {

namespace {

constexpr int kDefaultLevels = 8;
// Character heights in tenths of a millimetre at the plot's unit factor.
constexpr float kLabelHeight = 25.0f;
constexpr float kTitleHeight = 36.0f;

// Number of matrix elements, 0 for a shape that has none.
int elementCount(int n, int m) { return n > 0 && m > 0 ? clampToInt(static_cast<long long>(n) * m) : 0; }

// x over 1..n, y over 1..m and z over the matrix values.
void scaleMatrix(const float* zmat, int n, int m) {
    scaleMatrixAxes(n, m);
    setscl(zmat, elementCount(n, m), "z");
}

// A height in plot units that is `tenthsMm` tenths of a millimetre whatever
// unit system the page was set up in.
int heightFor(float tenthsMm) {
    const Globals* g = qqgglb();
    const float factor = g ? g->out.unitFactor : 1.0f;
    return roundToInt(tenthsMm / factor);
}

}  // namespace

void qplclr(const float* zmat, int n, int m) {
    quickPlot("qplclr", [&] {
        scaleMatrix(zmat, n, m);
        autres(n, m);
        graf3(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        crvmat(zmat, n, m, 1, 1);
    });
}

void qplsur(const float* zmat, int n, int m) {
    quickPlot("qplsur", [&] {
        scaleMatrix(zmat, n, m);
        graf3d(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        surmat(zmat, n, m, 1, 1);
    });
}

void qplcon(const float* zmat, int n, int m, int levels) {
    quickPlot("qplcon", [&] {
        if (levels <= 0) {
            quickWarning("qplcon", "bad number of levels in qplcon");
            levels = kDefaultLevels;
        }
        const int count = elementCount(n, m);
        float zmin = 0.0f, zmax = 0.0f;
        if (count > 0) {
            const auto [lo, hi] = std::minmax_element(zmat, zmat + count);
            zmin = *lo;
            zmax = *hi;
        }
        const float step = levels > 1 ? (zmax - zmin) / float(levels - 1) : 0.0f;
        scaleMatrixAxes(n, m);
        labels("float", "contour");
        graf(0, 0, 0, 0, 0, 0, 0, 0);
        height(heightFor(kLabelHeight));
        for (int i = 0; i < levels; ++i) conmat(zmat, n, m, zmin + float(i) * step);
        height(heightFor(kTitleHeight));
    });
}

}  // namespace vtx
