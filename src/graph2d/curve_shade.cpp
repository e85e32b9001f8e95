// shdcrv: the area between two curves, filled with the current shading
// pattern; the pattern then advances along the pattern cycle.
#include <cmath>
#include <vector>

#include "session/globals.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph2d/axis_transform.h"
#include "graph2d/curve_api.h"
#include "graph2d/curve_checks.h"
#include "graph2d/legend_entries.h"

namespace vtx {

void shdcrv(const float* x1, const float* y1, int n1, const float* x2, const float* y2, int n2) {
    Globals* gp = jqqlev(2, 3, "shdcrv");
    if (!gp) return;
    Globals& g = *gp;
    if (n1 < 1 || n2 < 1) {
        warni1(Warning::IncorrectParameter, n1 < 1 ? n1 : n2);
        return;
    }
    if (!logValuesAllowed(g, x1, y1, n1) || !logValuesAllowed(g, x2, y2, n2)) return;
    reportOutsideScaling(g, x1, y1, n1);
    reportOutsideScaling(g, x2, y2, n2);
    registerLegendEntry(g, -1, -1, g.line.curveThickness, g.colour.current, g.fill.pattern);

    // One buffer for the whole polygon: curve 1 forward, then curve 2 backward.
    std::vector<float> px, py;
    px.reserve(size_t(n1) + size_t(n2));
    py.reserve(size_t(n1) + size_t(n2));
    float X, Y;
    for (int i = 0; i < n1; ++i) {
        if (!std::isfinite(x1[i]) || !std::isfinite(y1[i])) continue;
        userToPlot(g, x1[i], y1[i], X, Y);
        px.push_back(X), py.push_back(Y);
    }
    for (int i = n2 - 1; i >= 0; --i) {
        if (!std::isfinite(x2[i]) || !std::isfinite(y2[i])) continue;
        userToPlot(g, x2[i], y2[i], X, Y);
        px.push_back(X), py.push_back(Y);
    }
    if (px.size() >= 3) {
        sclpax(g, 1);
        dareaf(g, px.data(), py.data(), int(px.size()));
        sclpax(g, 0);
    }
    CurveState& c = g.curve;
    setShadingPattern(g, c.patternCycle[c.patternIndex % kCycleLength]);
    c.patternIndex = c.patternIndex % kCycleLength + 1;
}

}  // namespace vtx
