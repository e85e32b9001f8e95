// Figures in plot coordinates: circles, ellipses, arcs, pies, rectangles,
// boxes, ring segments and rounded rectangles, the arc spacing, and plain
// moves and draws with float coordinates.
#include <algorithm>
#include <cmath>

#include "core/checks.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "figures/api.h"
#include "figures/arc_geometry.h"
#include "figures/figure_drawing.h"
#include "figures/figures_state.h"

namespace vtx {

void arcFigureAt(Globals& g, float cx, float cy, int na, int nb, float alpha, float beta, float theta, bool pie) {
    if (!std::isfinite(alpha) || !std::isfinite(beta) || !std::isfinite(theta)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    ArcSpec arc;
    arc.cx = cx, arc.cy = cy;
    arc.a = float(na), arc.b = float(nb);
    arc.alpha = alpha, arc.beta = beta, arc.theta = theta;
    arc.closeThroughCentre = pie;
    elpsln(g, arc);
}

void rectangleAt(Globals& g, float x1, float y1, float x2, float y2, int radius) {
    if (x1 == x2 || y1 == y2) {
        warni1(Warning::IncorrectParameter, 0);
        return;
    }
    if (radius < 0) {
        warni1(Warning::IncorrectParameter, radius);
        return;
    }
    // Four quarter circles of at most kMaxArcChords chords each.
    constexpr int kCapacity = 4 * (kMaxArcChords + 1);
    float x[kCapacity], y[kCapacity];
    int n = 0;
    emitRoundedRectangle(x1, y1, x2, y2, float(radius), g.fig.arcSpacing,
                         [&](float px, float py) { x[n] = px, y[n] = py, ++n; });
    drawFigurePolygon(g, x, y, n);
}

void boxAt(Globals& g, float cx, float cy, int nb, int nh, int colour) {
    if (jqqval(nb, 1, -1) != 0 || jqqval(nh, 1, -1) != 0 || jqqval(colour, -1, 255) != 0) return;
    const float x1 = cx - float(nb) / 2, y1 = cy - float(nh) / 2;
    const float x[4] = {x1, x1 + float(nb), x1 + float(nb), x1};
    const float y[4] = {y1, y1, y1 + float(nh), y1 + float(nh)};
    fillSolid(g, x, y, 4, colour);
}

void sectorAt(Globals& g, float cx, float cy, int nr1, int nr2, float alpha, float beta, int colour) {
    if (nr2 < 1) {
        warni1(Warning::NonPositiveParameter, nr2);
        return;
    }
    if (jqqval(nr1, 0, nr2) != 0 || jqqval(colour, -1, 255) != 0) return;
    if (!std::isfinite(alpha) || !std::isfinite(beta)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    // Two arcs of at most kMaxArcChords chords each, and the closing point.
    constexpr int kCapacity = 2 * (kMaxArcChords + 1) + 1;
    float x[kCapacity], y[kCapacity];
    int n = 0;
    auto put = [&](float px, float py) { x[n] = px, y[n] = py, ++n; };
    const int ring = emitRingSegment(cx, cy, float(nr1), float(nr2), alpha, beta, g.fig.arcSpacing, put);
    fillSolid(g, x, y, ring, colour);
    if (!g.fill.outline) return;
    double start, end;
    arcRange(alpha, beta, start, end);
    if (partialArc(end - start)) {
        put(x[0], y[0]);
        drawPolyline(g, x, y, n);
    } else {
        // A full ring is outlined as its two circles, without the seam.
        const int onOuter = std::max(arcChords(end - start, float(nr2), g.fig.arcSpacing), 1) + 1;
        drawPolyline(g, x, y, onOuter);
        if (nr1 >= 1) drawPolyline(g, x + onOuter, y + onOuter, ring - onOuter);
    }
}

namespace {

void arcFigure(const char* name, int nx, int ny, int na, int nb, float alpha, float beta, float theta, bool pie) {
    Globals* g = jqqlev(1, 3, name);
    if (g) arcFigureAt(*g, float(nx), jqqyvl(*g, float(ny)), na, nb, alpha, beta, theta, pie);
}

// The rectangle of nw by nh units whose first corner is (nx, ny); the far
// corner is the last unit inside it.
void plotRectangle(const char* name, int nx, int ny, int nw, int nh, int radius) {
    Globals* g = jqqlev(1, 3, name);
    if (!g) return;
    if (nw == 0 || nh == 0) {
        warni1(Warning::IncorrectParameter, nw == 0 ? nw : nh);
        return;
    }
    const float x2 = float(static_cast<long long>(nx) + nw + (nw > 0 ? -1 : 1));
    const float y2 = float(static_cast<long long>(ny) + nh + (nh > 0 ? -1 : 1));
    rectangleAt(*g, float(nx), jqqyvl(*g, float(ny)), x2, jqqyvl(*g, y2), radius);
}

}  // namespace

void circle(int nx, int ny, int nr) { arcFigure("circle", nx, ny, nr, nr, 0.0f, 360.0f, 0.0f, false); }

void ellips(int nx, int ny, int na, int nb) { arcFigure("ellips", nx, ny, na, nb, 0.0f, 360.0f, 0.0f, false); }

void arcell(int nx, int ny, int na, int nb, float alpha, float beta, float theta) {
    arcFigure("arcell", nx, ny, na, nb, alpha, beta, theta, false);
}

void pie(int nx, int ny, int nr, float alpha, float beta) {
    arcFigure("pie", nx, ny, nr, nr, alpha, beta, 0.0f, true);
}

void rectan(int nx, int ny, int nw, int nh) { plotRectangle("rectan", nx, ny, nw, nh, 0); }

void rndrec(int nx, int ny, int nw, int nh, int iopt) { plotRectangle("rndrec", nx, ny, nw, nh, iopt); }

void point(int nx, int ny, int nb, int nh, int ncol) {
    Globals* g = jqqlev(1, 3, "point");
    if (g) boxAt(*g, float(nx), jqqyvl(*g, float(ny)), nb, nh, ncol);
}

void recfll(int nx, int ny, int nw, int nh, int ncol) {
    Globals* g = jqqlev(1, 3, "recfll");
    if (!g) return;
    if (nw <= 0 || nh <= 0) {
        warni1(Warning::IncorrectParameter, nw <= 0 ? nw : nh);
        return;
    }
    if (jqqval(ncol, -1, 255) != 0) return;
    const float x1 = float(nx), x2 = float(static_cast<long long>(nx) + nw - 1);
    const float y1 = jqqyvl(*g, float(ny)), y2 = jqqyvl(*g, float(static_cast<long long>(ny) + nh - 1));
    const float x[4] = {x1, x2, x2, x1}, y[4] = {y1, y1, y2, y2};
    fillSolid(*g, x, y, 4, ncol);
}

void sector(int nx, int ny, int nr1, int nr2, float alpha, float beta, int ncol) {
    Globals* g = jqqlev(1, 3, "sector");
    if (g) sectorAt(*g, float(nx), jqqyvl(*g, float(ny)), nr1, nr2, alpha, beta, ncol);
}

void circsp(int n) {
    Globals* g = chkini("circsp");
    if (jqqval(n, 1, 10000) == 0) g->fig.arcSpacing = float(n);
}

void xmove(float x, float y) {
    Globals* g = jqqlev(1, 3, "xmove");
    if (g) strtqq(*g, x, jqqyvl(*g, y));
}

void xdraw(float x, float y) {
    Globals* g = jqqlev(1, 3, "xdraw");
    if (g) connqq(*g, x, jqqyvl(*g, y));
}

void circ3p(float x1, float y1, float x2, float y2, float x3, float y3, float& xm, float& ym, float& r) {
    xm = ym = r = 0.0f;
    if (!chkini("circ3p")) return;
    double cx, cy, radius;
    if (!circleThroughPoints(x1, y1, x2, y2, x3, y3, cx, cy, radius)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    xm = float(cx), ym = float(cy), r = float(radius);
}

}  // namespace vtx
