// Coloured triangles: each filled in the colour of the mean of its corners'
// Z, or, with smooth shading on a device that draws into pixels, with the
// corners' colours interpolated across it.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/checks.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/driver.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph2d/axis_transform.h"
#include "graph3d/api.h"
#include "graph3d/smooth_triangle.h"
#include "graph3d/box_system.h"
#include "graph3d/z_colour.h"

namespace vtx {

namespace {

bool validTriangle(const int* k, int n) {
    return k[0] >= 0 && k[1] >= 0 && k[2] >= 0 && k[0] < n && k[1] < n && k[2] < n;
}

// Pixels of interpolated colour indices, written straight into the surface.
struct SmoothSpans {
    PixelSurface& s;
    const SurfaceColour* colours;  // the 256 indices' bytes
    float lowest, highest;         // the corners' indices bound the interpolated ones
    void span(int y, int x1, int x2, float v, float dv) {
        unsigned char* p = s.at(x1, y);
        const int bytes = s.bytesPerPixel;
        for (int x = x1; x <= x2; ++x, v += dv, p += bytes) {
            const int index = int(std::lround(std::min(highest, std::max(lowest, v))));
            std::memcpy(p, colours[index & 255].bytes, std::size_t(bytes));
        }
    }
};

// The axis system's clipping window in pixels of the surface.
PixelRect clipInPixels(const Globals& g, const DeviceDriver& driver) {
    const LineState& line = g.line;
    const DevicePoint a = driver.mapPoint(g, float(line.clipX1), float(line.clipY1));
    const DevicePoint b = driver.mapPoint(g, float(line.clipX2), float(line.clipY2));
    const PixelSurface& s = g.surface;
    PixelRect r{int(std::min(a.x, b.x)), int(std::min(a.y, b.y)), int(std::max(a.x, b.x)), int(std::max(a.y, b.y))};
    r.x1 = std::max({r.x1, s.clipX1, 0}), r.y1 = std::max({r.y1, s.clipY1, 0});
    r.x2 = std::min({r.x2, s.clipX2, s.width - 1}), r.y2 = std::min({r.y2, s.clipY2, s.height - 1});
    return r;
}

void smoothTriangles(Globals& g, const ZColourMap& map, const float* x, const float* y, const float* z, int n,
                     const int* i1, const int* i2, const int* i3, int ntri) {
    qqstrk(g);  // lines drawn before lie below the triangles
    const DeviceDriver& driver = *deviceDriver(g.ctl.device);
    PixelSurface& s = g.surface;
    SurfaceColour colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = s.indexColour(i);
    const PixelRect clip = clipInPixels(g, driver);
    const float ox = float(g.line.originX), oy = float(g.line.originY);
    for (int t = 0; t < ntri; ++t) {
        const int k[3] = {i1[t] - 1, i2[t] - 1, i3[t] - 1};
        if (!validTriangle(k, n)) continue;
        float px[3], py[3], pv[3];
        for (int c = 0; c < 3; ++c) {
            float X, Y;
            userToPlot(g, x[k[c]], y[k[c]], X, Y);
            const DevicePoint p = driver.mapPoint(g, X + ox, Y + oy);
            px[c] = p.x, py[c] = p.y, pv[c] = float(map.lookup(z[k[c]]));
        }
        SmoothSpans spans{s, colours, std::min({pv[0], pv[1], pv[2]}), std::max({pv[0], pv[1], pv[2]})};
        rasteriseSmoothTriangle(px, py, pv, clip, spans);
    }
}

// Only devices that draw into pixels can interpolate colours.
bool smoothShadingPossible(const Globals& g) { return g.surface.exists(); }

}  // namespace

void crvtri(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
            int ntri) {
    Globals* gp = colourPlotSystem("crvtri");
    if (!gp || n <= 0 || ntri <= 0) return;
    Globals& g = *gp;
    if (g.g3d.smoothShading && !smoothShadingPossible(g)) {
        warnin(Warning::FormatDeviceMismatch);
        return;
    }
    const ZColourMap map = currentZColourMap(g);
    const ColourScope colour(g);
    const PatternScope pattern(g);
    setShadingPattern(g, 16);
    sclpax(g, 1);
    if (g.g3d.smoothShading) {
        smoothTriangles(g, map, x, y, z, n, i1, i2, i3, ntri);
    } else {
        for (int t = 0; t < ntri; ++t) {
            const int k[3] = {i1[t] - 1, i2[t] - 1, i3[t] - 1};
            // Triangles that name a point beyond the arrays are skipped.
            if (!validTriangle(k, n)) continue;
            float px[3], py[3];
            for (int c = 0; c < 3; ++c) userToPlot(g, x[k[c]], y[k[c]], px[c], py[c]);
            const int index = map.lookup((z[k[0]] + z[k[1]] + z[k[2]]) / 3.0f);
            if (g.colour.current != index) qqsclr(g, index);
            dareaf(g, px, py, 3);
        }
    }
    qqstrk(g);
    sclpax(g, 0);
}

}  // namespace vtx
