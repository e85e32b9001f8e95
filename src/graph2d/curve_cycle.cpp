#include "graph2d/curve_cycle.h"

#include "session/globals.h"
#include "device/colour.h"
#include "device/line_style.h"
#include "device/pipeline.h"
#include "graph2d/curve_api.h"
#include "text/symbols.h"

namespace vtx {

void applyCurveCycle(Globals& g) {
    const int mode = g.curve.curveChange;  // 0 NONE, 1 COLO, 2 LINE, 3 BOTH
    const int i = g.curve.cycleIndex - 1;
    if (mode == 1 || mode == 3) qqsclr(g, g.colour.colourCycle[i]);
    if (mode == 2 || mode == 3) setLineType(g, g.curve.lineCycle[i]);
}

void finishCurveCycle(Globals& g) {
    ++g.curve.curveCount;
    CurveState& c = g.curve;
    if (++c.sinceChange < g.curve.curveInc) return;
    c.sinceChange = 0;
    c.cycleIndex = c.cycleIndex % kCycleLength + 1;
    if (g.curve.markInc != 0) {
        const int highest = g.text.userSymbol > kHighestSymbol ? g.text.userSymbol : kHighestSymbol;
        g.curve.marker = g.curve.marker % highest + 1;
    }
}

// The next entry of every cycle at once, set as the current attributes:
// what a curve does between two curves when chncrv is BOTH.
void chnatt() {
    Globals* g = jqqlev(1, 3, "chnatt");
    if (!g) return;
    qqstrk(*g);
    CurveState& c = g->curve;
    c.cycleIndex = c.cycleIndex % kCycleLength + 1;
    c.sinceChange = 0;
    qqsclr(*g, g->colour.colourCycle[c.cycleIndex - 1]);
    setLineType(*g, c.lineCycle[c.cycleIndex - 1]);
    const int highest = g->text.userSymbol > kHighestSymbol ? g->text.userSymbol : kHighestSymbol;
    c.marker = c.marker % highest + 1;
}

// The cycles start again from their first entry, with symbol 0.
void resatt() {
    Globals* g = chkini("resatt");
    CurveState& c = g->curve;
    c.cycleIndex = 1, c.sinceChange = 0, c.curveCount = 0, c.marker = 0;
}

void chncrv(const char* mode) {
    Globals* g = chkini("chncrv");
    const int i = jqqind("NONE+COLO+LINE+BOTH", 4, mode);
    if (i > 0) g->curve.curveChange = i - 1;
}

void inccrv(int count) {
    Globals* g = chkini("inccrv");
    if (jqqval(count, 1, 32000) == 0) g->curve.curveInc = count;
}

void clrcyc(int index, int colour) {
    Globals* g = chkini("clrcyc");
    if (jqqval(index, 1, kCycleLength) + jqqval(colour, 0, 255) == 0) g->colour.colourCycle[index - 1] = colour;
}

void lincyc(int index, int style) {
    Globals* g = chkini("lincyc");
    if (jqqval(index, 1, kCycleLength) + jqqval(style, 0, 7) == 0) g->curve.lineCycle[index - 1] = style;
}

void patcyc(int index, int pattern) {
    Globals* g = chkini("patcyc");
    if (jqqval(index, 1, kCycleLength) + jqqval(pattern, 0, -1) == 0)
        g->curve.patternCycle[index - 1] = pattern;
}

}  // namespace vtx
