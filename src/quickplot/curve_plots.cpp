// Quick plots of data in one dimension: a curve, a scatter plot, bars and a
// pie chart.
#include <algorithm>
#include <vector>

#include "business/api.h"
#include "device/colour.h"
#include "device/shading.h"
#include "graph2d/api.h"
#include "graph2d/curve_api.h"
#include "quickplot/api.h"
#include "quickplot/quick_plot.h"

namespace vtx {

namespace {

constexpr int kMostBars = 100;
constexpr int kSolid = 16;
constexpr int kPatternCycle = 30;

// Automatic scaling of both axes to the data, an axis system that takes its
// limits from that scaling, and the curve.
void scaledCurve(const float* x, const float* y, int n) {
    setscl(x, n, "x");
    setscl(y, n, "y");
    graf(0, 0, 0, 0, 0, 0, 0, 0);
    curve(x, y, n);
}

}  // namespace

void qplot(const float* x, const float* y, int n) {
    quickPlot("qplot", [&] { scaledCurve(x, y, n); });
}

void qplsca(const float* x, const float* y, int n) {
    quickPlot("qplsca", [&] {
        incmrk(-1);  // symbols only, no lines between them
        scaledCurve(x, y, n);
    });
}

void qplbar(const float* values, int n) {
    quickPlot("qplbar", [&] {
        if (n > kMostBars) {
            quickWarning("qplbar", "too many points in qplbar");
            n = kMostBars;
        }
        const int count = std::max(n, 0);
        // Bar i stands at x = i and rises from 0 to its value.
        std::vector<float> xs(count), bottoms(count, 0.0f);
        float top = 0.0f;
        for (int i = 0; i < count; ++i) {
            xs[i] = float(i + 1);
            top = std::max(top, values[i]);
        }
        const float xRange[2] = {0.5f, float(n) + 0.5f};
        const float yRange[2] = {0.0f, 1.5f * top};
        setscl(xRange, 2, "x");
        setscl(yRange, 2, "y");
        graf(0, 0, 0, 0, 0, 0, 0, 0);
        shdpat(kSolid);
        labpos("outside", "bars");
        labels("second", "bars");
        bars(xs.data(), bottoms.data(), values, n);
        color("fore");
    });
}

void qplpie(const float* values, int n) {
    quickPlot("qplpie", [&] {
        chnpie("both");
        for (int i = 1; i <= kPatternCycle; ++i) patcyc(i, kSolid);
        // Filled segments without labels first, then their outlines with
        // the values outside.
        labels("none", "pie");
        piegrf(" ", 0, values, n);
        endgrf();
        shdpat(0);
        color("fore");
        chnpie("none");
        labels("data", "pie");
        labpos("external", "pie");
        piegrf(" ", 0, values, n);
    });
}

}  // namespace vtx
