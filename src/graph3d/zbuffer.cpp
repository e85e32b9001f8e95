// The z-buffer on the raster surface and its public routines.
#include "graph3d/zbuffer.h"

#include <cmath>
#include <vector>

#include "core/checks.h"
#include "core/messages.h"
#include "device/driver.h"
#include "device/pipeline.h"
#include "graph3d/api.h"
#include "graph3d/box_system.h"
#include "graph3d/depth_clip.h"
#include "graph3d/triangle_raster.h"

namespace vtx {

namespace {

// Depths within this of the stored one still pass, so that mesh lines on a
// shaded surface show.
constexpr float kDepthTolerance = 1.0e-3f;

using MapFn = DevicePoint (*)(const Globals&, float, float);

RasterVertex toPixels(const Globals& g, MapFn map, const DepthCorner& c) {
    const DevicePoint p = map(g, c.X + float(g.line.originX), c.Y + float(g.line.originY));
    return RasterVertex{p.x, p.y, c.depth, c.colour};
}

MapFn surfaceMap(const Globals& g) { return deviceDriver(g.ctl.device)->mapPoint; }

inline bool passes(PixelSurface& s, int x, int y, float d) {
    if (!s.insideClip(x, y)) return false;
    float& stored = s.depth[std::size_t(y) * std::size_t(s.width) + std::size_t(x)];
    if (d - kDepthTolerance > stored) return false;
    stored = d;
    return true;
}

int colourIndex(float c) { return int(std::lround(std::clamp(c, 0.0f, 255.0f))); }

}  // namespace

bool openZBuffer(Globals& g) {
    if (!g.surface.exists()) {
        warnin(Warning::FormatDeviceMismatch);
        return false;
    }
    qqstrk(g);
    if (!g.surface.enableDepth()) {
        warnin(Warning::NoMemory);
        return false;
    }
    g.g3d.zbufferOpen = 1;
    return true;
}

void closeZBuffer(Globals& g) {
    g.surface.depth.reset();
    g.g3d.zbufferOpen = 0;
}

void depthTriangle(Globals& g, const DepthCorner& a, const DepthCorner& b, const DepthCorner& c, bool paint) {
    PixelSurface& s = g.surface;
    if (!s.hasDepth()) return;
    const MapFn map = surfaceMap(g);
    int lastIndex = -1;
    SurfaceColour colour{};
    rasterTriangle(toPixels(g, map, a), toPixels(g, map, b), toPixels(g, map, c),
                   [&](int y, int x1, int x2, float d1, float d2, float c1, float c2) {
                       if (y < 0 || y >= s.height) return;
                       const float span = float(x2 - x1);
                       for (int x = std::max(x1, 0); x <= x2 && x < s.width; ++x) {
                           const float t = span > 0.0f ? float(x - x1) / span : 0.0f;
                           if (!passes(s, x, y, d1 + t * (d2 - d1)) || !paint) continue;
                           const int index = colourIndex(c1 + t * (c2 - c1));
                           if (index != lastIndex) colour = s.indexColour(index), lastIndex = index;
                           s.putPixel(x, y, colour);
                       }
                   });
}

void depthLine(Globals& g, const DepthCorner& a, const DepthCorner& b) {
    PixelSurface& s = g.surface;
    if (!s.hasDepth()) return;
    const MapFn map = surfaceMap(g);
    const RasterVertex p = toPixels(g, map, a), q = toPixels(g, map, b);
    const SurfaceColour colour = s.indexColour(colourIndex(a.colour));
    rasterLine(p.x, p.y, p.depth, q.x, q.y, q.depth, [&](int x, int y, float d) {
        if (s.contains(x, y) && passes(s, x, y, d)) s.putPixel(x, y, colour);
    });
}

int zbfini() {
    Globals* g = jqqlev(1, 3, "zbfini");
    if (!g) return 1;
    if (!g->surface.exists()) {
        warnin(Warning::FormatDeviceMismatch);
        return 1;
    }
    if (g->g3d.zbufferOpen) {
        warnText(101, "z-buffer is already in use");
        return 1;
    }
    return openZBuffer(*g) ? 0 : 1;
}

void zbffin() {
    Globals* g = jqqlev(1, 3, "zbffin");
    if (!g) return;
    if (!g->g3d.zbufferOpen) {
        warnText(101, "no initialization of z-buffer");
        return;
    }
    closeZBuffer(*g);
}

namespace {

// A box point as a corner of the buffer's drawings.
DepthCorner boxCorner(const Globals& g, const float b[3], float colour) {
    DepthCorner c;
    boxToPlot(g, b[0], b[1], b[2], c.X, c.Y);
    c.depth = g.g3d.projection.depth(b[0], b[1], b[2]);
    c.colour = colour;
    return c;
}

// A vertex of a triangle in the box, with its colour, for the plane cuts.
struct BoxVertex {
    float b[3];
    float colour;
};

Globals* openBufferSystem(const char* routine) {
    Globals* g = box3dSystem(routine);
    if (g && !g->g3d.zbufferOpen) {
        warnText(101, "no initialization of z-buffer");
        return nullptr;
    }
    if (g) qqstrk(*g);
    return g;
}

}  // namespace

void zbflin(float x1, float y1, float z1, float x2, float y2, float z2) {
    Globals* g = openBufferSystem("zbflin");
    if (!g) return;
    float a[3], b[3];
    userToBox(*g, x1, y1, z1, a[0], a[1], a[2]);
    userToBox(*g, x2, y2, z2, b[0], b[1], b[2]);
    // The front and back planes cut the line as they cut every line in the box.
    if (!clipSegment(g->g3d.projection, g->g3d.depthRange, a, b)) return;
    const float c = float(g->colour.current);
    depthLine(*g, boxCorner(*g, a, c), boxCorner(*g, b, c));
}

void zbftri(const float* x, const float* y, const float* z, const int* ic) {
    Globals* g = openBufferSystem("zbftri");
    if (!g) return;
    std::vector<ClipCorner<BoxVertex>> poly(3);
    for (int i = 0; i < 3; ++i) {
        BoxVertex& v = poly[i].v;
        userToBox(*g, x[i], y[i], z[i], v.b[0], v.b[1], v.b[2]);
        v.colour = float(ic[i]);
    }
    // Cut by the front and back planes, what is left is a fan of triangles.
    clipPolygonDepth(
        g->g3d.projection, g->g3d.depthRange, poly, [](const BoxVertex& v) { return v.b; },
        [](const BoxVertex& a, const BoxVertex& b, float t) {
            BoxVertex v;
            for (int k = 0; k < 3; ++k) v.b[k] = a.b[k] + t * (b.b[k] - a.b[k]);
            v.colour = a.colour + t * (b.colour - a.colour);
            return v;
        });
    for (std::size_t k = 1; k + 1 < poly.size(); ++k)
        depthTriangle(*g, boxCorner(*g, poly[0].v.b, poly[0].v.colour), boxCorner(*g, poly[k].v.b, poly[k].v.colour),
                      boxCorner(*g, poly[k + 1].v.b, poly[k + 1].v.colour));
}

}  // namespace vtx
