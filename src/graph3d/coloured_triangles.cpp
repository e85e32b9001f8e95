// Coloured triangles: each filled in the colour of the mean of its corners' Z.
#include "core/checks.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph2d/axis_transform.h"
#include "graph3d/api.h"
#include "graph3d/box_system.h"
#include "graph3d/z_colour.h"

namespace vtx {

void crvtri(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
            int ntri) {
    Globals* gp = colourPlotSystem("crvtri");
    if (!gp || n <= 0 || ntri <= 0) return;
    Globals& g = *gp;
    const ZColourMap map = currentZColourMap(g);
    const ColourScope colour(g);
    const PatternScope pattern(g);
    setShadingPattern(g, 16);
    sclpax(g, 1);
    for (int t = 0; t < ntri; ++t) {
        const int k[3] = {i1[t] - 1, i2[t] - 1, i3[t] - 1};
        // Triangles that name a point beyond the arrays are skipped.
        if (k[0] < 0 || k[1] < 0 || k[2] < 0 || k[0] >= n || k[1] >= n || k[2] >= n) continue;
        float px[3], py[3];
        for (int c = 0; c < 3; ++c) userToPlot(g, x[k[c]], y[k[c]], px[c], py[c]);
        const int index = map.lookup((z[k[0]] + z[k[1]] + z[k[2]]) / 3.0f);
        if (g.colour.current != index) qqsclr(g, index);
        dareaf(g, px, py, 3);
    }
    qqstrk(g);
    sclpax(g, 0);
}

}  // namespace vtx
