// Colour plots: the graf3 axis system with its colour bar, coloured points
// and matrices, and the settings of their points.
#include <algorithm>
#include <cmath>

#include "core/checks.h"
#include "core/reset_table.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/attribute_scope.h"
#include "device/pipeline.h"
#include "device/rectangle_fill.h"
#include "device/shading.h"
#include "graph2d/api.h"
#include "graph2d/axis_system.h"
#include "graph2d/axis_transform.h"
#include "graph2d/curve_checks.h"
#include "graph3d/api.h"
#include "graph3d/box_system.h"
#include "graph3d/colour_bar.h"
#include "graph3d/z_colour.h"
#include "text/symbols.h"

namespace vtx {

namespace {

constexpr int kSolidPattern = 16;

bool screenDevice(const Globals& g) { return deviceClass(g.ctl.device) == DeviceClass::Screen; }

int zAxisLength(const Globals& g) { return g.axis.lenZ > 0 ? g.axis.lenZ : axisLengthY(g); }

void applyAutoPointSize(Globals& g, int lengthX, int lengthY) {
    const bool screen = screenDevice(g);
    g.axis.resX = autoPointSize(lengthX, g.g3d.resPoints[0], screen);
    g.axis.resY = autoPointSize(lengthY, g.g3d.resPoints[1], screen);
}

// One coloured point: a rectangle of the point size centred on (x, y).
void rpoint(RectangleFill& cells, const ZColourMap& map, float x, float y, float z) {
    Globals& g = cells.globals();
    if (outsideScaling(g.axis, x, y)) {
        reportOutsideScaling(g, &x, &y, 1);
        return;
    }
    const int colour = map.lookup(z);
    if (g.g3d.noBackground && colour == map.outLow) return;
    float X, Y;
    userToPlot(g, x, y, X, Y);
    const float hw = 0.5f * float(g.axis.resX), hh = 0.5f * float(g.axis.resY);
    fillPlotBox(cells, X - hw, Y - hh, X + hw, Y + hh, colour);
}

// The cells of a matrix arrive column by column (forEachMatrixPoint), so in a
// Cartesian system what depends on x alone, the scaling check and the plot
// x, is worked out once per column. Points outside the scaling and other
// systems go through rpoint, which reports them.
class MatrixCells {
   public:
    MatrixCells(RectangleFill& cells, const ZColourMap& map)
        : cells_(cells),
          map_(map),
          axis_(cells.globals().axis),
          cartesian_(axis_.kind != AxisKind::Polar && axis_.kind != AxisKind::Map),
          noBackground_(cells.globals().g3d.noBackground != 0),
          windowX_(userWindow(axis_.sx)),
          windowY_(userWindow(axis_.sy)),
          halfWidth_(0.5f * float(axis_.resX)),
          halfHeight_(0.5f * float(axis_.resY)) {}

    void operator()(float x, float y, float z) {
        if (!cartesian_) {
            rpoint(cells_, map_, x, y, z);
            return;
        }
        // Compared bit for bit: the plot x of -0 and +0 may differ in sign.
        if (!(x == columnX_ && std::signbit(x) == std::signbit(columnX_))) {
            columnX_ = x;
            inside_ = windowX_.contains(x);
            plotX_ = cartesianPlotX(axis_, x);
        }
        if (!inside_ || !windowY_.contains(y)) {
            rpoint(cells_, map_, x, y, z);
            return;
        }
        const int colour = map_.lookup(z);
        if (noBackground_ && colour == map_.outLow) return;
        const float Y = cartesianPlotY(axis_, y);
        fillPlotBox(cells_, plotX_ - halfWidth_, Y - halfHeight_, plotX_ + halfWidth_, Y + halfHeight_, colour);
    }

   private:
    RectangleFill& cells_;
    const ZColourMap& map_;
    const AxisState& axis_;
    const bool cartesian_, noBackground_;
    const UserWindow windowX_, windowY_;
    const float halfWidth_, halfHeight_;
    float columnX_ = NAN, plotX_ = 0.0f;
    bool inside_ = false;
};

// Clipping to the axis system, the solid pattern and the caller's colour for
// the length of a plot of coloured points.
class ColourPointScope {
   public:
    explicit ColourPointScope(Globals& g) : g_(g), colour_(g), pattern_(g) {
        setShadingPattern(g, kSolidPattern);
        sclpax(g, 1);
    }
    ~ColourPointScope() {
        qqstrk(g_);
        sclpax(g_, 0);
    }
    ColourPointScope(const ColourPointScope&) = delete;
    ColourPointScope& operator=(const ColourPointScope&) = delete;

   private:
    Globals& g_;
    const ColourScope colour_;
    const PatternScope pattern_;
};

// One coloured point as the current symbol in the colour of z, centred on
// the rounded plot coordinates (shdmod SYMB for CURV).
void symbolPoint(Globals& g, const ZColourMap& map, float x, float y, float z) {
    if (outsideScaling(g.axis, x, y)) {
        reportOutsideScaling(g, &x, &y, 1);
        return;
    }
    const int colour = map.lookup(z);
    if (g.colour.current != colour) qqsclr(g, colour);
    float X, Y;
    userToPlot(g, x, y, X, Y);
    dsymbl(g, g.curve.marker, std::round(X), std::round(Y));
}

template <typename PointAt>
void plotPoints(const char* routine, int n, PointAt&& at) {
    Globals* gp = colourPlotSystem(routine);
    if (!gp || n <= 0) return;
    Globals& g = *gp;
    const ZColourMap map = currentZColourMap(g);
    const ColourPointScope scope(g);
    RectangleFill cells(g);
    const bool symbols = g.g3d.symbolPoints != 0;
    for (int i = 0; i < n; ++i) {
        float x, y, z;
        at(i, x, y, z);
        if (symbols) symbolPoint(g, map, x, y, z);
        else rpoint(cells, map, x, y, z);
    }
}

}  // namespace

void graf3(float xa, float xe, float xor_, float xstep, float ya, float ye, float yor, float ystep, float za,
           float ze, float zor, float zstep) {
    Globals* gp = jqqlev(1, 1, "graf3");
    if (!gp) return;
    Globals& g = *gp;
    AxisState& a = g.axis;
    if (a.autoRes) applyAutoPointSize(g, axisLengthX(g), axisLengthY(g));
    const int zLength = zAxisLength(g);
    if (a.autoScale[2]) applyAutoScale(g, 2, za, ze, zor, zstep, zLength);
    if (!checkScaling(za, ze, zor, zstep)) return;
    const bool drawBar = !g.g3d.noBar && !a.noGraf;

    graf(xa, xe, xor_, xstep, ya, ye, yor, ystep);
    if (g.ctl.level != 2) return;
    storeScaling(a.sz, za, ze, zor, zstep, a.scale[2], zLength);
    setzpa(g, za, ze);
    if (drawBar) {
        ColourBarAxis s;
        s.za = za, s.ze = ze, s.first = zor, s.step = zstep, s.length = zLength, s.log = a.scale[2];
        s.name = a.names[2];
        s.x = a.nxa + a.nxl + defaultLength(g, 85) + g.g3d.barShiftX;
        s.y = a.nya - g.g3d.barShiftY;
        colbar(g, s);
    }
    g.ctl.level = 3;
}

void curve3(const float* x, const float* y, const float* z, int n) {
    plotPoints("curve3", n, [&](int i, float& px, float& py, float& pz) { px = x[i], py = y[i], pz = z[i]; });
}

void curvx3(const float* x, float y, const float* z, int n) {
    plotPoints("curvx3", n, [&](int i, float& px, float& py, float& pz) { px = x[i], py = y, pz = z[i]; });
}

void curvy3(float x, const float* y, const float* z, int n) {
    plotPoints("curvy3", n, [&](int i, float& px, float& py, float& pz) { px = x, py = y[i], pz = z[i]; });
}

void rpoint(float x, float y, float z, int w, int h) {
    Globals* gp = colourPlotSystem("rpoint");
    if (!gp) return;
    Globals& g = *gp;
    const ColourScope colour(g);
    const PatternScope pattern(g);
    setShadingPattern(g, kSolidPattern);
    AxisState& a = g.axis;
    const int savedX = a.resX, savedY = a.resY;
    a.resX = w, a.resY = h;
    RectangleFill cell(g);
    rpoint(cell, currentZColourMap(g), x, y, z);
    a.resX = savedX, a.resY = savedY;
    qqstrk(g);
}

void crvmat(const float* zmat, int nx, int ny, int ixpts, int iypts) {
    Globals* gp = colourPlotSystem("crvmat");
    if (!gp) return;
    Globals& g = *gp;
    if (nx <= 1 || ny <= 1 || ixpts <= 0 || iypts <= 0) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    const AxisState& a = g.axis;
    float xmin, xmax, ymin, ymax;
    if (g.g3d.surfSize) {
        xmin = g.g3d.surfExtent[0], xmax = g.g3d.surfExtent[1];
        ymin = g.g3d.surfExtent[2], ymax = g.g3d.surfExtent[3];
    } else {
        auto limit = [](const AxisScaling& s, float v) { return s.log ? std::pow(10.0f, v) : v; };
        xmin = limit(a.sx, a.sx.a), xmax = limit(a.sx, a.sx.e);
        ymin = limit(a.sy, a.sy.a), ymax = limit(a.sy, a.sy.e);
    }
    if (a.autoRes) {
        int lengthX = a.nxl, lengthY = a.nyl;
        if (g.g3d.surfSize) {
            float x1, y1, x2, y2;
            userToPlot(g, xmin, ymin, x1, y1);
            userToPlot(g, xmax, ymax, x2, y2);
            lengthX = roundToInt(std::fabs(x2 - x1)) + 1, lengthY = roundToInt(std::fabs(y2 - y1)) + 1;
        }
        const bool screen = screenDevice(g);
        g.axis.resX = autoPointSize(lengthX, (nx - 1) * ixpts + 1, screen);
        g.axis.resY = autoPointSize(lengthY, (ny - 1) * iypts + 1, screen);
    }
    const ZColourMap map = currentZColourMap(g);
    const ColourPointScope scope(g);
    if (g.g3d.symbolPoints) {
        // Symbols stand on the matrix elements themselves, without interpolation.
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < ny; ++j)
                symbolPoint(g, map, xmin + float(i) * (xmax - xmin) / float(nx - 1),
                            ymin + float(j) * (ymax - ymin) / float(ny - 1), zmat[i * ny + j]);
        return;
    }
    RectangleFill cells(g);
    forEachMatrixPoint(zmat, nx, ny, ixpts, iypts, xmin, xmax, ymin, ymax, MatrixCells(cells, map));
}

void setres(int width, int height) {
    Globals* g = chkini("setres");
    if (!g) return;
    if (width < 0 || height < 0) warnin(Warning::NegativeParameter);
    if (width >= 0) g->axis.resX = width;
    if (height >= 0) g->axis.resY = height;
    g->axis.autoRes = 0;
}

void autres(int nx, int ny) {
    Globals* g = jqqlev(1, 1, "autres");
    if (!g || jqqval(nx, 2, 10000) + jqqval(ny, 2, 10000) != 0) return;
    g->axis.autoRes = 1;
    g->g3d.resPoints[0] = nx, g->g3d.resPoints[1] = ny;
}

void ax3len(int nx, int ny, int nz) {
    Globals* g = jqqlev(1, 1, "ax3len");
    if (!g) return;
    if (jqqval(nx, 2, g->out.nxPage) + jqqval(ny, 2, g->out.nyPage) + jqqval(nz, 2, g->out.nyPage) != 0) return;
    g->axis.lenX = nx, g->axis.lenY = ny, g->axis.lenZ = nz;
}

void nobgd() {
    if (Globals* g = chkini("nobgd")) g->g3d.noBackground = 1;
}

void sursze(float xmin, float xmax, float ymin, float ymax) {
    Globals* g = chkini("sursze");
    if (!g) return;
    if (xmin == xmax || ymin == ymax) {
        warnin(Warning::ScalingEndsEqual);
        return;
    }
    g->g3d.surfSize = 1;
    g->g3d.surfExtent[0] = xmin, g->g3d.surfExtent[1] = xmax;
    g->g3d.surfExtent[2] = ymin, g->g3d.surfExtent[3] = ymax;
}

}  // namespace vtx
