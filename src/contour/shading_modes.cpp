// shdmod: how shaded contours, smooth surfaces and coloured points are drawn,
// one keyword list per object.
#include "contour/api.h"
#include "contour/contour_state.h"
#include "core/checks.h"
#include "graph3d/graph3d_state.h"
#include "session/globals.h"

namespace vtx {

void shdmod(const char* mode, const char* object) {
    Globals* g = chkini("shdmod");
    if (!g) return;
    const int which = jqqind("CONT+CELL+COLO+SURF+CURV", 5, object);
    if (which == 0) return;
    static const char* const kModes[5] = {"CELL+POLY", "BOTH+UPPE+LOWE+NONE", "LOWE+MIDD+UPPE", "FLAT+SMOO",
                                          "RECT+SYMB"};
    static const int kCounts[5] = {2, 4, 3, 2, 2};
    const int k = jqqind(kModes[which - 1], kCounts[which - 1], mode);
    if (k == 0) return;
    int* const field[5] = {&g->contour.shadeMode, &g->contour.outsideBands, &g->contour.bandColourFrom,
                           &g->g3d.smoothShading, &g->g3d.symbolPoints};
    *field[which - 1] = k - 1;
}

}  // namespace vtx
