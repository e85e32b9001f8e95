// Parameters of curves: interpolation mode, spline settings, bar width,
// symbols, gaps, non-positive values on logarithmic axes, range reports.
#include <cmath>

#include "session/globals.h"
#include "core/messages.h"
#include "graph2d/curve_api.h"
#include "text/symbols.h"

namespace vtx {

void polcrv(const char* mode) {
    Globals* g = chkini("polcrv");
    const int i = jqqind("LINE+STEP+BARS+SPLI+PSPL+STEM+STAI+FBAR", 8, mode);
    if (i > 0) g->curve.mode = i - 1;
}

void splmod(int degree, int points) {
    Globals* g = chkini("splmod");
    if (jqqval(degree, 2, 10) + jqqval(points, 5, 30000) != 0) return;
    g->curve.splineOrder = degree;
    g->curve.splinePoints = points;
}

void barwth(float width) {
    Globals* g = chkini("barwth");
    if (!std::isfinite(width)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->curve.barWidth = width;
}

void marker(int symbol) {
    Globals* g = chkini("marker");
    const int highest = g->text.userSymbol > kHighestSymbol ? g->text.userSymbol : kHighestSymbol;
    if (jqqval(symbol, 0, highest) == 0) g->curve.marker = symbol;
}

void getsym(int& number, int& size) {
    Globals* g = jqqlev(1, 3, "getsym");
    if (!g) return;
    number = g->curve.marker;
    size = g->text.symbolHeight;
}

void incmrk(int interval) { chkini("incmrk")->curve.markInc = interval; }

void gapcrv(float distance) {
    Globals* g = chkini("gapcrv");
    if (!(distance >= 0.0f) || !std::isfinite(distance)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->curve.curveGap = distance;
}

void neglog(float eps) {
    Globals* g = chkini("neglog");
    if (!(eps > 0.0f) || !std::isfinite(eps)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->axis.negLog = eps;
}

void nochek() { chkini("nochek")->curve.noCheck = 1; }

}  // namespace vtx
