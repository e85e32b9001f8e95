// Shaded surfaces: surshd, surtri, sphe3d and the settings of their shading
// and mesh. Smooth shading interpolates corner colours in the z-buffer; flat
// shading fills each triangle in one colour, farthest first.
#include "graph3d/shaded_surface.h"
#include "graph3d/surface_shield.h"

#include <algorithm>
#include <cmath>

#include "core/checks.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph3d/api.h"
#include "graph3d/box_system.h"
#include "graph3d/isosurface.h"
#include "graph3d/lighting.h"
#include "graph3d/z_colour.h"
#include "graph3d/zbuffer.h"

namespace vtx {

namespace {

constexpr int kSolidPattern = 16;

// Spheres and parametric surfaces sample at most this many points: a
// million patches already take some hundred megabytes of triangles.
constexpr int kMaxPatches = 1000000;

void normalise(float n[3]) {
    const float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (len > 0.0f) n[0] /= len, n[1] /= len, n[2] /= len;
}

void faceNormal(const ShadeTriangle& t, float n[3]) {
    const float* a = t.v[0].b;
    const float* b = t.v[1].b;
    const float* c = t.v[2].b;
    const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, w[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    n[0] = u[1] * w[2] - u[2] * w[1], n[1] = u[2] * w[0] - u[0] * w[2], n[2] = u[0] * w[1] - u[1] * w[0];
    normalise(n);
}

int cornerColour(const Globals& g, const ZColourMap& map, const ShadeVertex& v) {
    if (!g.g3d.light) return map.lookup(v.value);
    float n[3] = {v.n[0], v.n[1], v.n[2]};
    normalise(n);
    // A neighbour without a value leaves the normal undefined: face the viewer's Z.
    if (!std::isfinite(n[0] + n[1] + n[2])) n[0] = 0.0f, n[1] = 0.0f, n[2] = 1.0f;
    return litColour(g, v.b, n);
}

int flatColour(const Globals& g, const ZColourMap& map, const ShadeTriangle& t) {
    if (!g.g3d.light) return map.lookup(t.flatValue);
    float p[3], n[3];
    for (int k = 0; k < 3; ++k) p[k] = (t.v[0].b[k] + t.v[1].b[k] + t.v[2].b[k]) / 3.0f;
    faceNormal(t, n);
    return litColour(g, p, n);
}

DepthCorner corner(const Globals& g, const ShadeVertex& v, float colour) {
    DepthCorner c;
    boxToPlot(g, v.b[0], v.b[1], v.b[2], c.X, c.Y);
    c.depth = g.g3d.projection.depth(v.b[0], v.b[1], v.b[2]);
    c.colour = colour;
    return c;
}

int meshColour(const Globals& g, int caller) { return g.g3d.meshColour >= 0 ? g.g3d.meshColour : caller; }

void smoothInBuffer(Globals& g, const std::vector<ShadeTriangle>& tris, const ZColourMap& map, int caller) {
    const int mesh = g.g3d.surfMesh;
    const float line = float(meshColour(g, caller));
    for (const ShadeTriangle& t : tris) {
        DepthCorner c[3];
        for (int k = 0; k < 3; ++k) c[k] = corner(g, t.v[k], float(cornerColour(g, map, t.v[k])));
        depthTriangle(g, c[0], c[1], c[2], mesh != 2);
    }
    if (mesh == 0) return;
    for (const ShadeTriangle& t : tris)
        for (int k = 0; k < 3; ++k)
            if (t.edge[k]) depthLine(g, corner(g, t.v[k], line), corner(g, t.v[(k + 1) % 3], line));
}

// Farthest first, each triangle filled in its colour; mesh lines after
// their triangle, so that nearer triangles cover them.
void flatByDepth(Globals& g, std::vector<ShadeTriangle>& tris, const ZColourMap& map, int caller) {
    const Projection& p = g.g3d.projection;
    std::vector<std::pair<float, int>> order(tris.size());
    for (std::size_t i = 0; i < tris.size(); ++i) {
        float d = 0.0f;
        for (const ShadeVertex& v : tris[i].v) d += p.depth(v.b[0], v.b[1], v.b[2]);
        order[i] = {d, int(i)};
    }
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    const int mesh = g.g3d.surfMesh, line = meshColour(g, caller);
    const PatternScope pattern(g);
    setShadingPattern(g, kSolidPattern);
    for (const auto& [depth, i] : order) {
        const ShadeTriangle& t = tris[std::size_t(i)];
        float X[3], Y[3];
        for (int k = 0; k < 3; ++k) boxToPlot(g, t.v[k].b[0], t.v[k].b[1], t.v[k].b[2], X[k], Y[k]);
        const int fill = mesh == 2 ? g.colour.background : flatColour(g, map, t);
        if (fill != g.colour.current) qqsclr(g, fill);
        dareaf(g, X, Y, 3);
        if (mesh == 0) continue;
        if (line != g.colour.current) qqsclr(g, line);
        for (int k = 0; k < 3; ++k)
            if (t.edge[k]) lineqq(g, X[k], Y[k], X[(k + 1) % 3], Y[(k + 1) % 3]);
        qqstrk(g);
    }
}

ShadeVertex mix(const ShadeVertex& a, const ShadeVertex& b, float t) {
    ShadeVertex v;
    for (int k = 0; k < 3; ++k) v.b[k] = a.b[k] + t * (b.b[k] - a.b[k]), v.n[k] = a.n[k] + t * (b.n[k] - a.n[k]);
    v.value = a.value + t * (b.value - a.value);
    return v;
}

// Cuts the triangles by the front and back planes; a cut triangle becomes a
// fan of triangles whose mesh edges are only those of the original.
void clipTrianglesDepth(const Globals& g, std::vector<ShadeTriangle>& tris) {
    const Projection& p = g.g3d.projection;
    const DepthRange& r = g.g3d.depthRange;
    auto inside = [&](const ShadeTriangle& t) {
        for (const ShadeVertex& v : t.v)
            if (!r.inside(p.depth(v.b[0], v.b[1], v.b[2]))) return false;
        return true;
    };
    if (std::all_of(tris.begin(), tris.end(), inside)) return;
    std::vector<ShadeTriangle> out;
    std::vector<ClipCorner<ShadeVertex>> poly;
    for (const ShadeTriangle& t : tris) {
        if (inside(t)) {
            out.push_back(t);
            continue;
        }
        poly.clear();
        for (int k = 0; k < 3; ++k) poly.push_back({t.v[k], t.edge[k]});
        clipPolygonDepth(p, r, poly, [](const ShadeVertex& v) { return v.b; }, mix);
        const std::size_t m = poly.size();
        for (std::size_t k = 1; k + 1 < m; ++k) {
            ShadeTriangle f;
            f.v[0] = poly[0].v, f.v[1] = poly[k].v, f.v[2] = poly[k + 1].v;
            f.flatValue = t.flatValue;
            f.edge[0] = k == 1 && poly[0].edge;
            f.edge[1] = poly[k].edge;
            f.edge[2] = k + 2 == m && poly[m - 1].edge;
            out.push_back(f);
        }
    }
    tris.swap(out);
}

// A grid of box points with normals from neighbouring points and the Z
// value of each, as two triangles per cell.
template <typename Corner>
std::vector<ShadeTriangle> gridTriangles(int nx, int ny, Corner&& at) {
    std::vector<ShadeVertex> v(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny));
    auto index = [ny](int i, int j) { return std::size_t(i) * std::size_t(ny) + std::size_t(j); };
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) at(i, j, v[index(i, j)]);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) {
            const ShadeVertex &xl = v[index(std::max(i - 1, 0), j)], &xh = v[index(std::min(i + 1, nx - 1), j)];
            const ShadeVertex &yl = v[index(i, std::max(j - 1, 0))], &yh = v[index(i, std::min(j + 1, ny - 1))];
            const float u[3] = {xh.b[0] - xl.b[0], xh.b[1] - xl.b[1], xh.b[2] - xl.b[2]};
            const float w[3] = {yh.b[0] - yl.b[0], yh.b[1] - yl.b[1], yh.b[2] - yl.b[2]};
            float* n = v[index(i, j)].n;
            n[0] = u[1] * w[2] - u[2] * w[1], n[1] = u[2] * w[0] - u[0] * w[2], n[2] = u[0] * w[1] - u[1] * w[0];
        }
    std::vector<ShadeTriangle> tris;
    tris.reserve(std::size_t(nx - 1) * std::size_t(ny - 1) * 2);
    for (int i = 0; i + 1 < nx; ++i)
        for (int j = 0; j + 1 < ny; ++j) {
            const ShadeVertex &a = v[index(i, j)], &b = v[index(i + 1, j)], &c = v[index(i + 1, j + 1)],
                              &d = v[index(i, j + 1)];
            const float cell = 0.25f * (a.value + b.value + c.value + d.value);
            tris.push_back(ShadeTriangle{{a, b, c}, cell, {true, true, false}});
            tris.push_back(ShadeTriangle{{a, c, d}, cell, {false, true, true}});
        }
    return tris;
}

bool checkGrid(int nx, int ny) {
    if (nx > 1 && ny > 1) return true;
    warnin(Warning::IncorrectParameter);
    return false;
}

void shadeWithDataRange(Globals& g, std::vector<ShadeTriangle>& tris) {
    float lo = INFINITY, hi = -INFINITY;
    for (const ShadeTriangle& t : tris)
        for (const ShadeVertex& v : t.v)
            if (std::isfinite(v.value)) lo = std::min(lo, v.value), hi = std::max(hi, v.value);
    if (!(lo <= hi)) lo = 0.0f, hi = 1.0f;
    drawShadedTriangles(g, tris, lo, hi);
}

}  // namespace

bool drawShadedTriangles(Globals& g, std::vector<ShadeTriangle>& tris, float lo, float hi) {
    const bool smooth = g.g3d.smoothShading != 0;
    if (smooth && !g.surface.exists()) {
        warnin(Warning::FormatDeviceMismatch);
        return false;
    }
    // A cell with a corner without a finite value leaves a hole instead of
    // a triangle to infinity.
    tris.erase(std::remove_if(tris.begin(), tris.end(),
                              [](const ShadeTriangle& t) {
                                  float sum = t.flatValue;
                                  for (const ShadeVertex& v : t.v) sum += v.b[0] + v.b[1] + v.b[2] + v.value;
                                  return !std::isfinite(sum);
                              }),
               tris.end());
    clipTrianglesDepth(g, tris);
    if (g.g3d.zScaleSet) lo = g.g3d.zScale[0], hi = g.g3d.zScale[1];
    if (hi == lo) hi = lo + 1.0f;
    // The colour scale takes the Z axis scaling for its own; the box keeps its Z axis.
    const AxisScaling zAxis = g.axis.sz;
    setzpa(g, lo, hi);
    const ZColourMap map = currentZColourMap(g);
    g.axis.sz = zAxis;
    const ColourScope caller(g);
    qqstrk(g);
    SurfaceShield shield(g);
    for (const ShadeTriangle& t : tris)
        for (const ShadeVertex& v : t.v) {
            float X, Y;
            boxToPlot(g, v.b[0], v.b[1], v.b[2], X, Y);
            shield.add(X, Y);
        }
    if (smooth) {
        // The caller's own buffer stays open; one opened here closes here.
        const bool own = !g.g3d.zbufferOpen;
        if (own && !openZBuffer(g)) return false;
        smoothInBuffer(g, tris, map, caller.saved());
        if (own) closeZBuffer(g);
    } else {
        sclpax(g, 1);
        flatByDepth(g, tris, map, caller.saved());
        sclpax(g, 0);
    }
    return true;
}

void surshd(const float* xray, int nx, const float* yray, int ny, const float* zmat) {
    Globals* gp = box3dSystem("surshd");
    if (!gp || !checkGrid(nx, ny)) return;
    Globals& g = *gp;
    std::vector<ShadeTriangle> tris = gridTriangles(nx, ny, [&](int i, int j, ShadeVertex& v) {
        v.value = zmat[std::size_t(i) * std::size_t(ny) + std::size_t(j)];
        userToBox(g, xray[i], yray[j], v.value, v.b[0], v.b[1], v.b[2]);
    });
    shadeWithDataRange(g, tris);
}

void surtri(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
            int ntri) {
    Globals* gp = box3dSystem("surtri");
    if (!gp) return;
    if (n < 3 || ntri < 1) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    Globals& g = *gp;
    std::vector<ShadeVertex> v(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        v[k].value = z[k];
        userToBox(g, x[k], y[k], z[k], v[k].b[0], v[k].b[1], v[k].b[2]);
        v[k].n[0] = v[k].n[1] = v[k].n[2] = 0.0f;
    }
    // Corner normals: the sums of the face normals around each point.
    std::vector<ShadeTriangle> tris;
    tris.reserve(std::size_t(ntri));
    const int* idx[3] = {i1, i2, i3};
    for (int t = 0; t < ntri; ++t) {
        ShadeTriangle tri{};
        bool valid = true;
        for (int k = 0; k < 3; ++k) valid = valid && idx[k][t] >= 1 && idx[k][t] <= n;
        if (!valid) continue;
        for (int k = 0; k < 3; ++k) tri.v[k] = v[std::size_t(idx[k][t] - 1)];
        float f[3];
        faceNormal(tri, f);
        if (f[2] < 0.0f) f[0] = -f[0], f[1] = -f[1], f[2] = -f[2];
        for (int k = 0; k < 3; ++k)
            for (int c = 0; c < 3; ++c) v[std::size_t(idx[k][t] - 1)].n[c] += f[c];
        tri.flatValue = (tri.v[0].value + tri.v[1].value + tri.v[2].value) / 3.0f;
        tri.edge[0] = tri.edge[1] = tri.edge[2] = true;
        tris.push_back(tri);
    }
    // The triangles took their corners before the normals were summed.
    std::size_t k = 0;
    for (int t = 0; t < ntri; ++t) {
        bool valid = true;
        for (int c = 0; c < 3; ++c) valid = valid && idx[c][t] >= 1 && idx[c][t] <= n;
        if (!valid) continue;
        for (int c = 0; c < 3; ++c)
            for (int d = 0; d < 3; ++d) tris[k].v[c].n[d] = v[std::size_t(idx[c][t] - 1)].n[d];
        ++k;
    }
    shadeWithDataRange(g, tris);
}

void sphe3d(float xm, float ym, float zm, float r, int n, int m) {
    Globals* gp = box3dSystem("sphe3d");
    if (!gp) return;
    if (!(r > 0.0f) || n < 3 || m < 2 || n > kMaxPatches || m > kMaxPatches || (long long)n * m > kMaxPatches) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    Globals& g = *gp;
    float centre[3];
    userToBox(g, xm, ym, zm, centre[0], centre[1], centre[2]);
    const float pi = 3.14159265358979f;
    // n patches around, m from pole to pole; grid rows are longitudes.
    std::vector<ShadeTriangle> tris = gridTriangles(n + 1, m + 1, [&](int i, int j, ShadeVertex& v) {
        const float lon = 2.0f * pi * float(i) / float(n), lat = -0.5f * pi + pi * float(j) / float(m);
        const float u[3] = {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
        v.value = zm + r * u[2];
        userToBox(g, xm + r * u[0], ym + r * u[1], v.value, v.b[0], v.b[1], v.b[2]);
    });
    // Normals point away from the centre (the grid's would fail at the poles).
    for (ShadeTriangle& t : tris)
        for (ShadeVertex& v : t.v)
            for (int k = 0; k < 3; ++k) v.n[k] = v.b[k] - centre[k];
    shadeWithDataRange(g, tris);
}

void surfcp(float (*fn)(float, float, int), float amin, float amax, float adelta, float bmin, float bmax,
            float bdelta) {
    Globals* gp = box3dSystem("surfcp");
    if (!gp) return;
    const float spanA = std::fabs(amax - amin), spanB = std::fabs(bmax - bmin);
    if (!(adelta > 0.0f) || !(bdelta > 0.0f) || !((spanA / adelta + 1.0f) * (spanB / bdelta + 1.0f) < kMaxPatches)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    const int na = int(std::lround(spanA / adelta)) + 1, nb = int(std::lround(spanB / bdelta)) + 1;
    if (!checkGrid(na, nb)) return;
    Globals& g = *gp;
    // The function gives x, y and z of the parameter point for the options 1, 2 and 3.
    std::vector<ShadeTriangle> tris = gridTriangles(na, nb, [&](int i, int j, ShadeVertex& v) {
        const float a = amin + (amax - amin) * float(i) / float(na - 1);
        const float b = bmin + (bmax - bmin) * float(j) / float(nb - 1);
        const float x = fn(a, b, 1), y = fn(a, b, 2);
        v.value = fn(a, b, 3);
        userToBox(g, x, y, v.value, v.b[0], v.b[1], v.b[2]);
    });
    shadeWithDataRange(g, tris);
}

void suriso(const float* x, int nx, const float* y, int ny, const float* z, int nz, const float* w, float wlev) {
    Globals* gp = box3dSystem("suriso");
    if (!gp) return;
    if (nx < 2 || ny < 2 || nz < 2) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    Globals& g = *gp;
    const AxisState& a = g.axis;
    // Gradients in user units become box normals through each axis's scale.
    const float scale[3] = {(a.sx.e - a.sx.a) / g.g3d.box[0], (a.sy.e - a.sy.a) / g.g3d.box[1],
                            (a.sz.e - a.sz.a) / g.g3d.box[2]};
    std::vector<ShadeTriangle> tris;
    auto vertex = [&](const IsoVertex& p, ShadeVertex& v) {
        v.value = p.p[2];
        userToBox(g, p.p[0], p.p[1], p.p[2], v.b[0], v.b[1], v.b[2]);
        for (int k = 0; k < 3; ++k) v.n[k] = p.n[k] * scale[k];
    };
    isosurface(IsoGrid{x, y, z, w, nx, ny, nz}, wlev, [&](const IsoVertex& p, const IsoVertex& q, const IsoVertex& r) {
        ShadeTriangle t{};
        vertex(p, t.v[0]), vertex(q, t.v[1]), vertex(r, t.v[2]);
        t.flatValue = (t.v[0].value + t.v[1].value + t.v[2].value) / 3.0f;
        t.edge[0] = t.edge[1] = t.edge[2] = true;
        tris.push_back(t);
    });
    if (!tris.empty()) shadeWithDataRange(g, tris);
}

void surmsh(const char* keyword) {
    Globals* g = chkini("surmsh");
    if (!g) return;
    if (const int k = jqqind("OFF +ON  +ONLY", 3, keyword)) g->g3d.surfMesh = k - 1;
}

void mshclr(int colour) {
    Globals* g = chkini("mshclr");
    if (!g || jqqval(colour, -1, 255) != 0) return;
    g->g3d.meshColour = colour;
}

}  // namespace vtx
