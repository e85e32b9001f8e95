// The shared opening and closing of the quick plots.
#include "quickplot/quick_plot.h"

#include "core/api.h"
#include "core/messages.h"
#include "graph2d/api.h"
#include "graph2d/curve_api.h"
#include "session/api.h"
#include "session/globals.h"
#include "text/api.h"

namespace vtx {

void quickPlot(const char* name, const std::function<void()>& body) {
    Globals* g = jqqlev(0, 3, name);
    if (!g) return;
    const bool open = g->ctl.level == 0;
    if (open && g->ctl.device == 0) metafl("cons");
    if (open) vtxini();
    pagera();
    hwfont();
    body();
    title();
    vtxfin();
}

void quickWarning(const char* name, const char* text) {
    if (!jqqlev(1, 3, name)) return;
    warnText(101, text);
}

void scaleMatrixAxes(int n, int m) {
    const float xs[2] = {1.0f, float(n)};
    const float ys[2] = {1.0f, float(m)};
    setscl(xs, 2, "x");
    setscl(ys, 2, "y");
}

}  // namespace vtx
