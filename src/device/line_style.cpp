#include "device/line_style.h"

#include "core/checks.h"
#include "core/messages.h"

namespace vtx {

void myline(const int* pattern, int n) {
    Globals* g = chkini("myline");
    if (jqqval(n, 1, 10) != 0) return;
    for (int i = 0; i < n; ++i)
        if (jqqval(pattern[i], 1, -1) != 0) return;
    LineState& line = g->line;
    for (int i = 0; i < n; ++i) line.dash[i] = pattern[i];
    line.dashCount = n;
    line.dashPhase = 0;
    line.dashIndex = 1;
    line.dashRemaining = float(pattern[0]);
}

}  // namespace vtx
