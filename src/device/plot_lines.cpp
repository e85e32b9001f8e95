// Lines in plot coordinates, the origin shift and the page origin.
#include "session/globals.h"
#include "device/api.h"
#include "device/pipeline.h"

namespace vtx {

void line(int nx1, int ny1, int nx2, int ny2) {
    Globals* g = jqqlev(1, 3, "line");
    if (!g) return;
    lineqq(*g, float(nx1), jqqyvl(*g, float(ny1)), float(nx2), jqqyvl(*g, float(ny2)));
}

// A polyline in plot coordinates: strtpt starts it, connpt extends it; the
// points pass through the whole pipeline (origin, dashes, widths, clipping).
void strtpt(float x, float y) {
    Globals* g = jqqlev(1, 3, "strtpt");
    if (!g) return;
    strtqq(*g, x, jqqyvl(*g, y));
}

void connpt(float x, float y) {
    Globals* g = jqqlev(1, 3, "connpt");
    if (!g) return;
    connqq(*g, x, jqqyvl(*g, y));
}

void origin(int nx, int ny) {
    Globals* g = jqqlev(1, 1, "origin");
    if (!g) return;
    g->line.originX = nx;
    g->line.originY = ny;
}

void pagorg(const char* keyword) {
    Globals* g = chkini("pagorg");
    int i = jqqind("TOP +BOTT", 2, keyword);
    if (i) g->line.pageOrigin = i - 1;
}

}  // namespace vtx
