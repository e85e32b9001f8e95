// Emulated thick lines: nested outlines around the buffered polyline, with
// caps at open ends, joins at inner vertices and closed rings for closed
// polylines. Devices that draw widths themselves never get here.
#include <algorithm>
#include <cmath>

#include "core/devices.h"
#include "device/pipeline.h"

namespace vtx {

namespace {

constexpr int kMaxOutline = 512;  // 4 points per buffered vertex and two caps fit

// The page's diagonal in plot units: a line whose half width reaches that
// far covers every point of the page it touches.
float pageReach(const Globals& g) {
    return std::hypot(float(g.out.nxPage) + 1.0f, float(g.out.nyPage) + 1.0f);
}

// Outlines that can still be told apart: two per device pixel along the
// page's diagonal on pixel devices, and no fewer than 2048 anywhere.
int distinguishableRings(const Globals& g) {
    const DeviceClass c = deviceClass(g.ctl.device);
    float rings = 2048.0f;
    if ((c == DeviceClass::Raster || c == DeviceClass::Screen) && g.out.deviceScale > 0.0f)
        rings = std::max(rings, 2.0f * pageReach(g) * g.out.deviceScale);
    return int(std::min(rings, 1.0e6f));
}

struct Outline {
    float x[kMaxOutline], y[kMaxOutline];
    int n = 0;
    void add(float px, float py) {
        if (n < kMaxOutline) x[n] = px, y[n] = py, ++n;
    }
};

// The polyline without repeated points, with its unit directions and normals
// (normal = direction turned towards the left of the page).
struct Path {
    float x[kPolylineCapacity], y[kPolylineCapacity];
    float ux[kPolylineCapacity], uy[kPolylineCapacity];
    int n = 0;
    bool closed = false;

    float nx(int i) const { return -uy[i]; }
    float ny(int i) const { return ux[i]; }
};

void buildPath(Path& p, const float* x, const float* y, int n) {
    for (int i = 0; i < n && p.n < kPolylineCapacity; ++i) {
        if (!std::isfinite(x[i]) || !std::isfinite(y[i])) continue;
        if (p.n > 0 && std::fabs(x[i] - p.x[p.n - 1]) + std::fabs(y[i] - p.y[p.n - 1]) < 1e-4f) continue;
        p.x[p.n] = x[i], p.y[p.n] = y[i], ++p.n;
    }
    // First and last point within half a unit: the polyline is a ring.
    if (n > 2 && p.n > 3 && std::fabs(p.x[0] - p.x[p.n - 1]) < 0.5f && std::fabs(p.y[0] - p.y[p.n - 1]) < 0.5f) {
        p.closed = true;
        --p.n;
    }
    int segments = p.closed ? p.n : p.n - 1;
    for (int i = 0; i < segments; ++i) {
        int j = (i + 1) % p.n;
        float dx = p.x[j] - p.x[i], dy = p.y[j] - p.y[i];
        float len = std::sqrt(dx * dx + dy * dy);
        p.ux[i] = dx / len, p.uy[i] = dy / len;
    }
}

struct JoinStyle {
    int join;          // 0 sharp, 1 round, 2 truncated
    float miterRatio;  // |line width| × miter limit, compared with w / sin(angle / 2)
    float w;           // full width in plot units of the default unit
};

// The offset points at vertex v between segments a (ending at v) and b
// (starting at v), on side s (+1 left, -1 right) at distance h.
void addJoin(Outline& o, const Path& p, int v, int a, int b, float s, float h, const JoinStyle& style) {
    float ax = p.x[v] + s * h * p.nx(a), ay = p.y[v] + s * h * p.ny(a);
    float bx = p.x[v] + s * h * p.nx(b), by = p.y[v] + s * h * p.ny(b);
    if (style.join == 0) {
        // Half the angle between the two segments: cos of half the turn.
        float cosTurn = p.ux[a] * p.ux[b] + p.uy[a] * p.uy[b];
        float sinHalf = std::sqrt(std::max(0.0f, 0.5f * (1.0f + cosTurn)));
        if (sinHalf > 0.0f && style.w / sinHalf <= style.miterRatio) {
            float x, y;
            if (qqcut2(ax - p.ux[a], ay - p.uy[a], ax, ay, bx, by, bx + p.ux[b], by + p.uy[b], x, y)) {
                o.add(x, y);
                return;
            }
            o.add(ax, ay);  // straight on: both offsets coincide
            return;
        }
    }
    o.add(ax, ay);
    o.add(bx, by);
}

// Round cap at vertex v, walking outwards along u: from the side on the
// left of u to the side on its right.
void addRoundCap(Outline& o, const Path& p, int v, float ux, float uy, float h) {
    o.n += qqlcap(p.x[v], p.y[v], -uy, ux, ux, uy, h, o.x + o.n, o.y + o.n, kMaxOutline - o.n);
}

void openOutline(Globals& g, const Path& p, float h, int cap, const JoinStyle& style) {
    Outline o;
    int last = p.n - 1, lastSeg = p.n - 2;
    float ext = cap == 2 ? h : 0.0f;  // square caps reach beyond the ends
    // start on the left side
    o.add(p.x[0] + h * p.nx(0) - ext * p.ux[0], p.y[0] + h * p.ny(0) - ext * p.uy[0]);
    for (int v = 1; v < last; ++v) addJoin(o, p, v, v - 1, v, 1.0f, h, style);
    o.add(p.x[last] + h * p.nx(lastSeg) + ext * p.ux[lastSeg], p.y[last] + h * p.ny(lastSeg) + ext * p.uy[lastSeg]);
    if (cap == 1) addRoundCap(o, p, last, p.ux[lastSeg], p.uy[lastSeg], h);
    // back along the right side
    o.add(p.x[last] - h * p.nx(lastSeg) + ext * p.ux[lastSeg], p.y[last] - h * p.ny(lastSeg) + ext * p.uy[lastSeg]);
    for (int v = last - 1; v >= 1; --v) addJoin(o, p, v, v, v - 1, -1.0f, h, style);
    o.add(p.x[0] - h * p.nx(0) - ext * p.ux[0], p.y[0] - h * p.ny(0) - ext * p.uy[0]);
    if (cap == 1) addRoundCap(o, p, 0, -p.ux[0], -p.uy[0], h);
    o.add(o.x[0], o.y[0]);
    strokeClipped(g, o.x, o.y, o.n);
}

void ringOutline(Globals& g, const Path& p, float side, float h, const JoinStyle& style) {
    Outline o;
    for (int v = 0; v < p.n; ++v) {
        int a = (v + p.n - 1) % p.n;
        addJoin(o, p, v, a, v, side, h, style);
    }
    if (o.n == 0) return;
    o.add(o.x[0], o.y[0]);
    strokeClipped(g, o.x, o.y, o.n);
}

}  // namespace

int qqcut2(float ax1, float ay1, float ax2, float ay2, float bx1, float by1, float bx2, float by2, float& x,
           float& y) {
    float dax = ax2 - ax1, day = ay2 - ay1, dbx = bx2 - bx1, dby = by2 - by1;
    float det = dax * dby - day * dbx;
    if (std::fabs(det) < 1e-6f) return 0;
    float t = ((bx1 - ax1) * dby - (by1 - ay1) * dbx) / det;
    x = ax1 + t * dax;
    y = ay1 + t * day;
    return 1;
}

int qqlcap(float cx, float cy, float nx, float ny, float ux, float uy, float h, float* outX, float* outY, int max) {
    // More chords for wider lines keep the chord error below about a unit.
    int chords = std::clamp(int(h / 2.0f) + 4, 4, 24);
    int count = 0;
    for (int i = 1; i < chords && count < max; ++i) {
        float t = float(M_PI) * float(i) / float(chords);
        float c = std::cos(t), s = std::sin(t);
        outX[count] = cx + h * (c * nx + s * ux);
        outY[count] = cy + h * (c * ny + s * uy);
        ++count;
    }
    return count;
}

int coveredCopyStride(const Globals& g, float spacing) {
    const LineState& line = g.line;
    const float uf = g.out.unitFactor;
    if (line.lineWidth <= 1 || !(spacing > 0.0f)) return 1;
    const float half = std::min(0.5f * float(std::lround(float(line.lineWidth) * uf)) / uf, pageReach(g));
    return std::max(1, int(std::min(half / spacing, 1.0e6f)));
}

void drawThickOutlines(Globals& g, const float* x, const float* y, int n) {
    const LineState& line = g.line;
    const float uf = g.out.unitFactor;
    int w = int(std::lround(float(line.lineWidth) * uf));
    if (line.lineWidth <= 1 || w <= 1) return;
    Path p;
    buildPath(p, x, y, n);
    if (p.n < 2 || (p.closed && p.n < 3)) return;
    JoinStyle style{line.lineJoin, float(std::abs(line.lineWidth)) * line.miterLimit, float(w)};
    int k = (w + 1) / 3;
    // Outlines 1.5 units apart out to half the width. A width beyond the page
    // is the page, and outlines closer than the device can show are spread
    // out, so that the work stays bounded by what the page can hold.
    float last = 0.5f * float(w) / uf, step = 1.5f / uf;
    const float reach = pageReach(g);
    if (last > reach) {
        last = reach;
        k = std::max(1, int(std::ceil(reach / step)));
    }
    const int rings = distinguishableRings(g);
    if (k > rings) k = rings, step = last / float(k);
    for (int j = 1; j <= k; ++j) {
        float h = j == k ? last : step * float(j);
        if (p.closed) {
            ringOutline(g, p, 1.0f, h, style);
            ringOutline(g, p, -1.0f, h, style);
        } else {
            openOutline(g, p, h, line.lineCap, style);
        }
    }
}

}  // namespace vtx
