#include "graph2d/curve_checks.h"

#include "core/messages.h"
#include "graph2d/axis_transform.h"

namespace vtx {

namespace {

bool anyNonPositive(const float* v, int n) {
    for (int i = 0; i < n; ++i)
        if (v[i] <= 0.0f) return true;  // NaN is a missing point, not a bad value
    return false;
}

}  // namespace

bool logValuesAllowed(Globals& g, const float* x, const float* y, int n) {
    const AxisState& a = g.axis;
    if (a.kind == AxisKind::Polar || a.negLog > 0.0f) return true;
    if ((a.sx.log && anyNonPositive(x, n)) || (a.sy.log && anyNonPositive(y, n))) {
        warnin(Warning::LogValuesNotPositive);
        return false;
    }
    return true;
}

void reportOutsideScaling(Globals& g, const float* x, const float* y, int n) {
    const AxisState& a = g.axis;
    if (g.curve.noCheck || !g.prot.checkOn || !protocolOpen(g)) return;
    for (int i = 0; i < n; ++i)
        if (outsideScaling(a, x[i], y[i]))
            protocolPrintf(g, " <<<< (%12.4e /%12.4e) out of axis scaling!\n", double(x[i]), double(y[i]));
}

}  // namespace vtx
