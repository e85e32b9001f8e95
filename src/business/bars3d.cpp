// bars3d: bars as cuboids in a 3-D box, each from (x - xw/2, y - yw/2, z1)
// to (x + xw/2, y + yw/2, z2) in its own colour. Only the faces that look
// toward the eye are drawn; bars hide each other in the z-buffer where the
// device has a pixel surface and by painting the farthest first elsewhere.
// Visible faces are outlined in the foreground colour.
#include <algorithm>
#include <cmath>
#include <vector>

#include "business/api.h"
#include "business/cuboid_geometry.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/colour_tables.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph3d/box_system.h"
#include "graph3d/lighting.h"
#include "graph3d/zbuffer.h"
#include "session/globals.h"

namespace vtx {

namespace {

constexpr int kSolidPattern = 16;

// Side faces darken from this share of the bar colour (edge-on) to full
// colour (head-on); tops and bottoms keep the bar colour.
constexpr float kEdgeOnShade = 0.45f;

// The colour of a face: lit when the lighting is on, else the bar colour,
// darker for side faces the more they turn away from the eye.
int faceColour(const Globals& g, const CuboidFace& f, int colour, const float eye[3]) {
    if (g.g3d.light) {
        float c[3] = {};
        for (const float* p : f.p)
            for (int k = 0; k < 3; ++k) c[k] += 0.25f * p[k];
        return litColour(g, c, f.normal);
    }
    if (f.normal[2] != 0.0f) return colour;
    const float shade = kEdgeOnShade + (1.0f - kEdgeOnShade) * faceToEye(f, eye);
    const ColourEntry e = g.colour.table[((colour % kColourEntries) + kColourEntries) % kColourEntries];
    auto dim = [shade](int byte) { return int(std::lround(float(byte) * shade)); };
    return nearestColour(g, dim(redOf(e)), dim(greenOf(e)), dim(blueOf(e)));
}

DepthCorner depthCorner(const Globals& g, const float* b, float colour) {
    DepthCorner c;
    boxToPlot(g, b[0], b[1], b[2], c.X, c.Y);
    c.depth = g.g3d.projection.depth(b[0], b[1], b[2]);
    c.colour = colour;
    return c;
}

void drawInBuffer(Globals& g, const std::vector<CuboidFace>& faces, const std::vector<int>& colours,
                  const float eye[3]) {
    const float outline = float(g.colour.foreground);
    for (const CuboidFace& f : faces) {
        const float c = float(faceColour(g, f, colours[std::size_t(f.bar)], eye));
        DepthCorner d[4];
        for (int k = 0; k < 4; ++k) d[k] = depthCorner(g, f.p[k], c);
        depthTriangle(g, d[0], d[1], d[2]);
        depthTriangle(g, d[0], d[2], d[3]);
    }
    for (const CuboidFace& f : faces)
        for (int k = 0; k < 4; ++k)
            depthLine(g, depthCorner(g, f.p[k], outline), depthCorner(g, f.p[(k + 1) % 4], outline));
}

void paintByDepth(Globals& g, const std::vector<Cuboid>& bars, const std::vector<CuboidFace>& faces,
                  const std::vector<int>& colours, const float eye[3]) {
    // Faces grouped by bar: each bar's faces follow its first in `faces`.
    std::vector<std::vector<const CuboidFace*>> ofBar(bars.size());
    for (const CuboidFace& f : faces) ofBar[std::size_t(f.bar)].push_back(&f);
    const PatternScope pattern(g);
    setShadingPattern(g, kSolidPattern);
    sclpax(g, 1);
    for (const int i : paintingOrder(bars, eye))
        for (const CuboidFace* f : ofBar[std::size_t(i)]) {
            float X[4], Y[4];
            for (int k = 0; k < 4; ++k) boxToPlot(g, f->p[k][0], f->p[k][1], f->p[k][2], X[k], Y[k]);
            const int fill = faceColour(g, *f, colours[std::size_t(i)], eye);
            if (fill != g.colour.current) qqsclr(g, fill);
            dareaf(g, X, Y, 4);
            if (g.colour.foreground != g.colour.current) qqsclr(g, g.colour.foreground);
            strtqq(g, X[0], Y[0]);
            for (int k = 1; k <= 4; ++k) connqq(g, X[k % 4], Y[k % 4]);
            qqstrk(g);
        }
    sclpax(g, 0);
}

}  // namespace

void bars3d(const float* x, const float* y, const float* z1, const float* z2, const float* xw, const float* yw,
            const int* colours, int n) {
    Globals* gp = box3dSystem("bars3d");
    if (!gp) return;
    if (n < 1) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    for (int i = 0; i < n; ++i)
        if (colours[i] < -1 || colours[i] >= kColourEntries) {
            warnin(Warning::IncorrectParameter);
            return;
        }
    Globals& g = *gp;
    const ColourScope caller(g);
    qqstrk(g);

    // The box corners of each bar, low to high on every axis.
    std::vector<Cuboid> bars;
    std::vector<int> barColour;
    std::vector<CuboidFace> faces;
    for (int i = 0; i < n; ++i) {
        float a[3], b[3];
        const float hx = 0.5f * std::fabs(xw[i]), hy = 0.5f * std::fabs(yw[i]);
        userToBox(g, x[i] - hx, y[i] - hy, z1[i], a[0], a[1], a[2]);
        userToBox(g, x[i] + hx, y[i] + hy, z2[i], b[0], b[1], b[2]);
        Cuboid c;
        bool finite = true;
        for (int k = 0; k < 3; ++k) {
            c.lo[k] = std::min(a[k], b[k]), c.hi[k] = std::max(a[k], b[k]);
            finite = finite && std::isfinite(a[k]) && std::isfinite(b[k]);
        }
        if (!finite) continue;
        const int bar = int(bars.size());
        bars.push_back(c);
        barColour.push_back(colours[i] < 0 ? caller.saved() : colours[i]);
        cuboidFaces(c.lo, c.hi, bar, [&](const CuboidFace& f) {
            if (faceSeenFrom(f, g.g3d.eye)) faces.push_back(f);
        });
    }
    if (g.surface.exists()) {
        // The caller's own buffer stays open; one opened here closes here.
        const bool own = !g.g3d.zbufferOpen;
        if (own && !openZBuffer(g)) return;
        drawInBuffer(g, faces, barColour, g.g3d.eye);
        if (own) closeZBuffer(g);
    } else {
        paintByDepth(g, bars, faces, barColour, g.g3d.eye);
    }
}

}  // namespace vtx
