// Error bars: a symbol at each point and a bar with end cross lines.
#include <cmath>

#include "session/globals.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/axis_transform.h"
#include "graph2d/curve_api.h"
#include "graph2d/curve_checks.h"
#include "text/symbols.h"

namespace vtx {

void errbar(const float* x, const float* y, const float* e1, const float* e2, int n) {
    Globals* gp = jqqlev(2, 3, "errbar");
    if (!gp) return;
    Globals& g = *gp;
    if (jqqval(n, 1, 32000) != 0) return;
    if (!logValuesAllowed(g, x, y, n)) return;
    reportOutsideScaling(g, x, y, n);
    const bool horizontal = g.curve.errorHorizontal != 0;
    const float cross = g.text.symbolHeight / 3.0f;
    sclpax(g, 1);
    for (int i = 0; i < n; ++i) {
        if (x[i] != x[i] || y[i] != y[i] || e1[i] != e1[i] || e2[i] != e2[i]) continue;
        float X, Y, X1, Y1, X2, Y2;
        userToPlot(g, x[i], y[i], X, Y);
        dsymbl(g, g.curve.marker, std::round(X), std::round(Y));
        if (horizontal) {
            userToPlot(g, x[i] - e1[i], y[i], X1, Y1);
            userToPlot(g, x[i] + e2[i], y[i], X2, Y2);
            lineqq(g, X1, Y, X2, Y);
            lineqq(g, X1, Y - cross, X1, Y + cross);
            lineqq(g, X2, Y - cross, X2, Y + cross);
        } else {
            userToPlot(g, x[i], y[i] - e1[i], X1, Y1);
            userToPlot(g, x[i], y[i] + e2[i], X2, Y2);
            lineqq(g, X, Y1, X, Y2);
            lineqq(g, X - cross, Y1, X + cross, Y1);
            lineqq(g, X - cross, Y2, X + cross, Y2);
        }
        qqstrk(g);
    }
    sclpax(g, 0);
}

}  // namespace vtx
