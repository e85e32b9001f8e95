// Figures, lines and symbols in user coordinates of the current axis system.
// Each is clipped to the axis system while it is drawn; a point that a
// logarithmic axis cannot take suppresses the whole figure.
#include <cmath>
#include <memory>
#include <new>

#include "core/checks.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "figures/api.h"
#include "figures/figure_drawing.h"
#include "text/symbols.h"

namespace vtx {

namespace {

// Clips the drawing to the axis system for the length of a scope.
class AxisClip {
   public:
    explicit AxisClip(Globals& g) : g_(g) { sclpax(g_, 1); }
    ~AxisClip() { sclpax(g_, 0); }
    AxisClip(const AxisClip&) = delete;
    AxisClip& operator=(const AxisClip&) = delete;

   private:
    Globals& g_;
};

// A centre in plot coordinates, rounded, with the plot lengths of user
// lengths along x (dx) and y (dy) from it.
struct PlotCentre {
    int x = 0, y = 0;
    float px = 0, py = 0;
};

bool centreOf(const Globals& g, float xm, float ym, PlotCentre& c) {
    if (!userPointToPlot(g, xm, ym, c.px, c.py)) return false;
    c.x = roundPlot(c.px), c.y = roundPlot(c.py);
    return true;
}

// The rounded plot distance from the centre to the user point (xm + dx, ym + dy).
bool lengthOf(const Globals& g, const PlotCentre& c, float xm, float ym, float dx, float dy, int& length) {
    float px, py;
    if (!userPointToPlot(g, xm + dx, ym + dy, px, py)) return false;
    length = roundPlot(std::hypot(px - c.px, py - c.py));
    return true;
}

// An arc with the half axis a in units of the x axis and b in units of the
// y axis; a circle (b < 0) takes its radius a in units of the x axis.
void userArc(const char* name, float xm, float ym, float a, float b, float alpha, float beta, float theta,
             bool pie) {
    Globals* g = jqqlev(2, 3, name);
    if (!g) return;
    PlotCentre c;
    int na, nb;
    if (!centreOf(*g, xm, ym, c) || !lengthOf(*g, c, xm, ym, a, 0, na)) return;
    if (b < 0) nb = na;
    else if (!lengthOf(*g, c, xm, ym, 0, b, nb)) return;
    AxisClip clip(*g);
    arcFigureAt(*g, float(c.x), float(c.y), na, nb, alpha, beta, theta, pie);
}

// The rectangle spanning x .. x + w and y .. y + h of the axis system.
void userRectangle(const char* name, float x, float y, float w, float h, int radius) {
    Globals* g = jqqlev(2, 3, name);
    if (!g) return;
    float x1, y1, x2, y2;
    if (!userPointToPlot(*g, x, y, x1, y1) || !userPointToPlot(*g, x + w, y + h, x2, y2)) return;
    AxisClip clip(*g);
    rectangleAt(*g, float(roundPlot(x1)), float(roundPlot(y1)), float(roundPlot(x2)), float(roundPlot(y2)), radius);
}

}  // namespace

void rlcirc(float xm, float ym, float r) { userArc("rlcirc", xm, ym, r, -1.0f, 0.0f, 360.0f, 0.0f, false); }

void rlell(float xm, float ym, float a, float b) { userArc("rlell", xm, ym, a, b, 0.0f, 360.0f, 0.0f, false); }

void rlarc(float xm, float ym, float a, float b, float alpha, float beta, float theta) {
    userArc("rlarc", xm, ym, a, b, alpha, beta, theta, false);
}

void rlpie(float xm, float ym, float r, float alpha, float beta) {
    userArc("rlpie", xm, ym, r, -1.0f, alpha, beta, 0.0f, true);
}

void rlrec(float x, float y, float w, float h) { userRectangle("rlrec", x, y, w, h, 0); }

void rlrnd(float x, float y, float w, float h, int iopt) { userRectangle("rlrnd", x, y, w, h, iopt); }

void rlsec(float xm, float ym, float r1, float r2, float alpha, float beta, int ncol) {
    Globals* g = jqqlev(2, 3, "rlsec");
    if (!g) return;
    PlotCentre c;
    int n1 = 0, n2;
    if (!centreOf(*g, xm, ym, c) || !lengthOf(*g, c, xm, ym, r2, 0, n2)) return;
    if (r1 != 0.0f && !lengthOf(*g, c, xm, ym, r1, 0, n1)) return;
    AxisClip clip(*g);
    sectorAt(*g, float(c.x), float(c.y), n1, n2, alpha, beta, ncol);
}

void rlpoin(float x, float y, int nb, int nh, int ncol) {
    Globals* g = jqqlev(2, 3, "rlpoin");
    if (!g) return;
    PlotCentre c;
    if (!centreOf(*g, x, y, c)) return;
    AxisClip clip(*g);
    boxAt(*g, float(c.x), float(c.y), nb, nh, ncol);
}

void rline(float x1, float y1, float x2, float y2) {
    Globals* g = jqqlev(2, 3, "rline");
    if (!g) return;
    float px1, py1, px2, py2;
    if (!userPointToPlot(*g, x1, y1, px1, py1) || !userPointToPlot(*g, x2, y2, px2, py2)) return;
    AxisClip clip(*g);
    lineqq(*g, px1, py1, px2, py2);
}

void rlstrt(float x, float y) {
    Globals* g = jqqlev(2, 3, "rlstrt");
    if (!g) return;
    float px, py;
    if (!userPointToPlot(*g, x, y, px, py)) return;
    strtqq(*g, px, py);
}

void rlconn(float x, float y) {
    Globals* g = jqqlev(2, 3, "rlconn");
    if (!g) return;
    float px, py;
    if (!userPointToPlot(*g, x, y, px, py)) return;
    // The axis clipping strokes what the pipeline holds; the line goes on
    // from where it stood.
    const float fromX = g->line.curX - float(g->line.originX), fromY = g->line.curY - float(g->line.originY);
    AxisClip clip(*g);
    strtqq(*g, fromX, fromY);
    connqq(*g, px, py);
}

void rlarea(const float* x, const float* y, int n) {
    Globals* g = jqqlev(2, 3, "rlarea");
    if (!g || jqqval(n, 3, -1) != 0) return;
    std::unique_ptr<float[]> xy(new (std::nothrow) float[2 * size_t(n)]);
    if (!xy) {
        warnin(Warning::NoMemory);
        return;
    }
    float* px = xy.get();
    float* py = px + n;
    for (int i = 0; i < n; ++i)
        if (!userPointToPlot(*g, x[i], y[i], px[i], py[i])) return;
    AxisClip clip(*g);
    drawFigurePolygon(*g, px, py, n);
}

void rlsymb(int symbol, float x, float y) {
    Globals* g = jqqlev(2, 3, "rlsymb");
    if (!g) return;
    const int highest = g->text.userSymbol > kHighestSymbol ? g->text.userSymbol : kHighestSymbol;
    if (jqqval(symbol, 0, highest) != 0) return;
    PlotCentre c;
    if (!centreOf(*g, x, y, c)) return;
    AxisClip clip(*g);
    dsymbl(*g, symbol, float(c.x), float(c.y));
}

}  // namespace vtx
