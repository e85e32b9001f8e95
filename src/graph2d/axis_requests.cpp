// Coordinate conversion of the current axis system and the requests that
// read axis settings back.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "session/globals.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/api.h"
#include "graph2d/axis_system.h"
#include "graph2d/axis_transform.h"
#include "graph3d/graph3d_state.h"

namespace vtx {

namespace {

// On a map the single coordinates go through the projection: a longitude
// on the middle parallel of the window, a latitude on its middle meridian.
bool isMap(const AxisState& a) { return a.kind == AxisKind::Map && a.mapProject; }
float middle(const AxisScaling& s) { return (s.a + s.e) / 2.0f; }

float mapPlotX(const Globals& g, float lon) {
    float X, Y;
    g.axis.mapProject(g, lon, middle(g.axis.sy), X, Y);
    return X;
}

float mapPlotY(const Globals& g, float lat) {
    float X, Y;
    g.axis.mapProject(g, middle(g.axis.sx), lat, X, Y);
    return Y;
}

// The user value whose map position is `target`: the first crossing over
// the window and a window's width beyond it on either side, refined by
// bisection; NaN when the line never reaches the target.
float invertMap(const Globals& g, float (*plotOf)(const Globals&, float), const AxisScaling& s, float target) {
    const double width = double(s.e) - s.a;
    constexpr int kProbes = 90;
    const double lo = s.a - width;
    double prevU = lo, prevD = plotOf(g, float(lo)) - target;
    for (int i = 1; i <= kProbes; ++i) {
        const double u = lo + 3.0 * width * i / kProbes;
        const double d = plotOf(g, float(u)) - target;
        if (std::isfinite(d) && std::isfinite(prevD) && (d <= 0.0) != (prevD <= 0.0)) {
            double a = prevU, b = u, da = prevD;
            for (int k = 0; k < 40; ++k) {
                const double m = (a + b) / 2.0, dm = plotOf(g, float(m)) - target;
                if ((dm <= 0.0) == (da <= 0.0)) a = m, da = dm;
                else b = m;
            }
            return float((a + b) / 2.0);
        }
        prevU = u, prevD = d;
    }
    return NAN;
}

float plotX(const Globals& g, float x) {
    const AxisState& a = g.axis;
    if (isMap(a)) return clampPlot(mapPlotX(g, x));
    return clampPlot(plotXOf(a, axisValue(a.sx, x, a.negLog)));
}

// Polar systems have no separate y transform: warning 101 named after the
// calling request, and no value.
bool plotY(const Globals& g, float y, const char* routine, float& Y) {
    const AxisState& a = g.axis;
    if (a.kind == AxisKind::Polar) {
        char text[64];
        std::snprintf(text, sizeof text, "%s does not work for polar axis systems", routine);
        warnText(101, text);
        return false;
    }
    Y = clampPlot(isMap(a) ? mapPlotY(g, y) : plotYOf(a, axisValue(a.sy, y, a.negLog)));
    if (g.line.pageOrigin == 1) Y = float(g.out.nyPage) - Y;
    return true;
}

}  // namespace

float xposn(float x) {
    Globals* g = jqqlev(2, 3, "xposn");
    return g ? plotX(*g, x) : 0.0f;
}

float yposn(float y) {
    Globals* g = jqqlev(2, 3, "yposn");
    float Y = 0.0f;
    return g && plotY(*g, y, "YPOSN", Y) ? Y : 0.0f;
}

// The rounded counterparts: plot coordinates as integers.
int nxposn(float x) {
    Globals* g = jqqlev(2, 3, "nxposn");
    return g ? int(std::lround(plotX(*g, x))) : 0;
}

int nyposn(float y) {
    Globals* g = jqqlev(2, 3, "nyposn");
    float Y = 0.0f;
    return g && plotY(*g, y, "NYPOSN", Y) ? int(std::lround(Y)) : 0;
}

// Plot coordinates of a user point as floats, through the branch of the
// current system (polar and map systems included); y follows pagorg.
void pos2pt(float x, float y, float& xp, float& yp) {
    Globals* g = jqqlev(2, 3, "pos2pt");
    if (!g) return;
    userToPlot(*g, x, y, xp, yp);
    if (g->line.pageOrigin == 1) yp = float(g->out.nyPage) - yp;
}

float x2dpos(float x, float y) {
    Globals* g = jqqlev(2, 3, "x2dpos");
    if (!g) return 0.0f;
    float X, Y;
    userToPlot(*g, x, y, X, Y);
    return X;
}

float y2dpos(float x, float y) {
    Globals* g = jqqlev(2, 3, "y2dpos");
    if (!g) return 0.0f;
    float X, Y;
    userToPlot(*g, x, y, X, Y);
    return g->line.pageOrigin == 1 ? float(g->out.nyPage) - Y : Y;
}

// Lists of user points converted to plot coordinates in place.
void trfrel(float* x, float* y, int n) {
    Globals* g = jqqlev(2, 3, "trfrel");
    if (!g) return;
    for (int i = 0; i < n; ++i) {
        float X, Y;
        userToPlot(*g, x[i], y[i], X, Y);
        x[i] = X;
        y[i] = g->line.pageOrigin == 1 ? float(g->out.nyPage) - Y : Y;
    }
}

float xinvrs(int nx) {
    Globals* g = jqqlev(2, 3, "xinvrs");
    if (!g) return 0.0f;
    if (isMap(g->axis)) return invertMap(*g, mapPlotX, g->axis.sx, float(nx));
    return plotToUserX(g->axis, float(nx));
}

float yinvrs(int ny) {
    Globals* g = jqqlev(2, 3, "yinvrs");
    if (!g) return 0.0f;
    if (isMap(g->axis)) return invertMap(*g, mapPlotY, g->axis.sy, jqqyvl(*g, float(ny)));
    return plotToUserY(g->axis, jqqyvl(*g, float(ny)));
}

void getlen(int& nx, int& ny, int& nz) {
    Globals* g = jqqlev(1, 3, "getlen");
    if (!g) return;
    nx = axisLengthX(*g), ny = axisLengthY(*g);
    nz = g->axis.lenZ > 0 ? g->axis.lenZ : ny;
}

void getdig(int& x, int& y, int& z) {
    Globals* g = jqqlev(1, 3, "getdig");
    if (!g) return;
    x = g->axis.labelDigits[0], y = g->axis.labelDigits[1], z = g->axis.labelDigits[2];
}

void getscl(int& x, int& y, int& z) {
    Globals* g = jqqlev(1, 3, "getscl");
    if (!g) return;
    x = g->axis.scale[0], y = g->axis.scale[1], z = g->axis.scale[2];
}

void gettic(int& x, int& y, int& z) {
    Globals* g = jqqlev(1, 3, "gettic");
    if (!g) return;
    x = g->axis.ticks[0], y = g->axis.ticks[1], z = g->axis.ticks[2];
}

void gettcl(int& major, int& minor) {
    Globals* g = jqqlev(1, 3, "gettcl");
    if (!g) return;
    major = g->axis.tickLong, minor = g->axis.tickShort;
}

void getsp1(int& x, int& y, int& z) {
    Globals* g = jqqlev(1, 3, "getsp1");
    if (!g) return;
    x = g->axis.labelDist[0], y = g->axis.labelDist[1], z = g->axis.labelDist[2];
}

void getsp2(int& x, int& y, int& z) {
    Globals* g = jqqlev(1, 3, "getsp2");
    if (!g) return;
    x = g->axis.nameDist[0], y = g->axis.nameDist[1], z = g->axis.nameDist[2];
}

void getor(int& x, int& y) {
    Globals* g = jqqlev(1, 3, "getor");
    if (!g) return;
    x = g->line.originX, y = g->line.originY;
}

void getpos(int& x, int& y) {
    Globals* g = jqqlev(1, 3, "getpos");
    if (!g) return;
    if (g->axis.kind != AxisKind::None) x = g->axis.nxa, y = g->axis.nya;
    else axisCorner(*g, x, y);
    if (g->line.pageOrigin == 1) y = clampToInt((long long)g->out.nyPage - y);
}

void getclp(int& x, int& y, int& w, int& h) {
    Globals* g = jqqlev(1, 3, "getclp");
    if (!g) return;
    const LineState& l = g->line;
    // The upper left corner, as clpwin took it.
    x = l.clipX1, y = l.clipY1;
    if (l.pageOrigin == 1) y = clampToInt((long long)g->out.nyPage - y);
    w = l.clipX2 - l.clipX1 + 1, h = l.clipY2 - l.clipY1 + 1;
}

void getlab(char x[9], char y[9], char z[9]) {
    static const char* const kNames[15] = {"NONE", "FLOAT", "EXP",  "LOG",  "CLOG", "ELOG", "MAP", "DMAP",
                                           "LMAP", "TIME",  "HOUR", "SECO", "MYLA", "FEXP", "DATE"};
    Globals* g = jqqlev(1, 3, "getlab");
    if (!g) return;
    char* out[3] = {x, y, z};
    for (int i = 0; i < 3; ++i) {
        const int t = g->axis.labelType[i];
        std::snprintf(out[i], 9, "%s", kNames[t >= 0 && t < 15 ? t : 1]);
    }
}

void getgrf(const char* axis, float& a, float& e, float& first, float& step) {
    Globals* g = jqqlev(2, 3, "getgrf");
    if (!g) return;
    const char c = upperAscii(axis[0]);
    if ((c != 'X' && c != 'Y' && c != 'Z') || axis[1] != '\0') {
        warnc1(Warning::IncorrectParameter, axis);
        return;
    }
    if (c == 'Z' && !jqqlev(3, 3, "getgrf")) return;
    const AxisScaling& s = c == 'X' ? g->axis.sx : c == 'Y' ? g->axis.sy : g->axis.sz;
    a = s.a, e = s.e, first = s.first, step = s.step;
}

void getres(int& width, int& height) {
    Globals* g = jqqlev(1, 3, "getres");
    if (!g) return;
    width = g->axis.resX, height = g->axis.resY;
}

void getvk(int& title, int& barX, int& barY) {
    Globals* g = jqqlev(1, 3, "getvk");
    if (!g) return;
    title = g->title.shift, barX = g->g3d.barShiftX, barY = g->g3d.barShiftY;
}

}  // namespace vtx
