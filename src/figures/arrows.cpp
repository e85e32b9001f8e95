// Arrows between two points and fields of them, and wind barbs.
#include "core/checks.h"
#include "core/messages.h"
#include "device/attribute_scope.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "figures/api.h"
#include "figures/arrow_geometry.h"
#include "figures/figure_drawing.h"
#include "graph3d/box_system.h"
#include "text/symbols.h"

namespace vtx {

namespace {

// The arrow between two user points, its ends rounded to plot units; false
// when a logarithmic axis cannot take one of them.
bool userArrow(Globals& g, float x1, float y1, float x2, float y2, int code) {
    float px1, py1, px2, py2;
    if (!userPointToPlot(g, x1, y1, px1, py1) || !userPointToPlot(g, x2, y2, px2, py2)) return false;
    drawArrow(g, float(roundPlot(px1)), float(roundPlot(py1)), float(roundPlot(px2)), float(roundPlot(py2)), code);
    return true;
}

void windBarbAt(Globals& g, float speed, float x, float y, int length, float angle) {
    PatternScope patternScope(g);
    const WindBarbCounts counts = windBarbCounts(speed);
    const int S = g.text.symbolHeight;
    if (counts.calm) {
        // Two concentric circles.
        setShadingPattern(g, 0);
        dsymbl(g, 15, x, y);
        g.text.symbolHeight = S - S / 5;
        dsymbl(g, 15, x, y);
        g.text.symbolHeight = S;
        return;
    }
    struct Sink {
        Globals& g;
        void polyline(const float* px, const float* py, int n) { drawPolyline(g, px, py, n); }
        void filled(const float* px, const float* py, int n) {
            setShadingPattern(g, 16);
            drawFigurePolygon(g, px, py, n);
        }
    } sink{g};
    emitWindBarb(counts, x, y, float(length), S, angle, sink);
}

}  // namespace

void vector(int nx1, int ny1, int nx2, int ny2, int code) {
    Globals* g = jqqlev(1, 3, "vector");
    if (g) drawArrow(*g, float(nx1), jqqyvl(*g, float(ny1)), float(nx2), jqqyvl(*g, float(ny2)), code);
}

void rlvec(float x1, float y1, float x2, float y2, int code) {
    Globals* g = jqqlev(2, 3, "rlvec");
    if (g) userArrow(*g, x1, y1, x2, y2, code);
}

// An arrow between two user points of the 3-D box, projected onto the page;
// the head lies in the page plane.
void vectr3(float x1, float y1, float z1, float x2, float y2, float z2, int code) {
    Globals* g = box3dSystem("vectr3");
    if (!g) return;
    float px1, py1, px2, py2;
    userToPlot3(*g, x1, y1, z1, px1, py1);
    userToPlot3(*g, x2, y2, z2, px2, py2);
    drawArrow(*g, float(roundPlot(px1)), float(roundPlot(py1)), float(roundPlot(px2)), float(roundPlot(py2)), code);
}

void field(const float* x1, const float* y1, const float* x2, const float* y2, int n, int code) {
    Globals* g = jqqlev(2, 3, "field");
    if (!g) return;
    if (n < 1) {
        warni1(Warning::IncorrectParameter, n);
        return;
    }
    for (int i = 0; i < n; ++i) userArrow(*g, x1[i], y1[i], x2[i], y2[i], code);
}

void windbr(float speed, int nx, int ny, int length, float angle) {
    Globals* g = jqqlev(1, 3, "windbr");
    if (g) windBarbAt(*g, speed, float(nx), jqqyvl(*g, float(ny)), length, angle);
}

void rlwind(float speed, float x, float y, int length, float angle) {
    Globals* g = jqqlev(2, 3, "rlwind");
    if (!g) return;
    float px, py;
    if (userPointToPlot(*g, x, y, px, py))
        windBarbAt(*g, speed, float(roundPlot(px)), float(roundPlot(py)), length, angle);
}

}  // namespace vtx
