#include "device/shielding.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <vector>

#include "session/globals.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "device/shield_regions.h"
#include "device/shield_segments.h"

namespace vtx {

namespace {

constexpr char kGroups[] = "MESS+SYMB+BARS+PIE +LEGE";
constexpr char kGroupModes[] = "ON  +OFF +VIS +NOVI+DELE+RESE";

int16_t shiftedX(const Globals& g, float x) { return regionWord(x + float(g.line.originX)); }
int16_t shiftedY(const Globals& g, float y) { return regionWord(y + float(g.line.originY)); }

// Stores a region of the current group; user regions get their frame.
int defineRegion(Globals& g, int type, const int* values, int count) {
    ShieldState& s = g.shield;
    int id = addRegion(s, type, values, count);
    if (id == 0) {
        warnin(Warning::BlankingOverflow);
        return 0;
    }
    updateShieldFilter(g);
    if (s.group == kShieldUser && g.axis.frame != 0) drawRegionFrame(g, s.words + s.used - 2 - count, g.axis.frame);
    return id;
}

// Corner and size of a rectangle as stored: inclusive corners.
void rectangleValues(const Globals& g, float x, float y, float w, float h, int* v) {
    v[0] = shiftedX(g, x), v[1] = shiftedY(g, y);
    v[2] = shiftedX(g, x + w - 1.0f), v[3] = shiftedY(g, y + h - 1.0f);
}

int defineRectangle(Globals& g, float x, float y, float w, float h, float angle) {
    int v[5];
    rectangleValues(g, x, y, w, h, v);
    if (std::fabs(angle) < 0.001f) return defineRegion(g, kRegionRectangle, v, 4);
    v[4] = regionAngle(angle);
    return defineRegion(g, kRegionRotated, v, 5);
}

int definePie(Globals& g, float x, float y, float r, float alpha, float beta) {
    int v[5] = {shiftedX(g, x), shiftedY(g, y), regionWord(r), regionAngle(alpha), regionAngle(beta)};
    return defineRegion(g, kRegionPie, v, 5);
}

int defineCircle(Globals& g, float x, float y, float r) {
    int v[3] = {shiftedX(g, x), shiftedY(g, y), regionWord(r)};
    return defineRegion(g, kRegionCircle, v, 3);
}

// Registration under a group other than the user's.
template <typename Define>
void registerFor(Globals& g, int group, Define define) {
    if (!autoShielding(g, group)) return;
    qqstrk(g);  // the object itself is drawn before its region exists
    g.shield.group = group;
    define();
    g.shield.group = kShieldUser;
}

}  // namespace

void updateShieldFilter(Globals& g) {
    if (g.shield.regions > 0 && !g.shield.suspended) installSegmentFilter(g.line.slots, SegmentStage::Shielding, shieldSegment);
    else removeSegmentFilter(g.line.slots, SegmentStage::Shielding);
}

void shieldSegment(Globals& g, float x1, float y1, float x2, float y2, bool moveFirst) {
    ShieldState& s = g.shield;
    float t[2 * kShieldIntervals];
    bool overflow = false;
    const int n = visibleIntervals(s, x1, y1, x2, y2, t, kShieldIntervals, overflow);
    if (overflow) warnin(Warning::TooManyIntersections);
    const float dx = x2 - x1, dy = y2 - y1;
    const bool penAtStart = !moveFirst && !s.lastEndHidden;
    for (int i = 0; i < n; ++i) {
        const float a = t[2 * i], b = t[2 * i + 1];
        const bool move = a > 0.0f || !penAtStart;
        const float sx = move ? x1 + a * dx : x1, sy = move ? y1 + a * dy : y1;
        if (b >= 1.0f) passSegment(g, SegmentStage::Shielding, sx, sy, x2, y2, move);
        else passSegment(g, SegmentStage::Shielding, sx, sy, x1 + b * dx, y1 + b * dy, move);
    }
    s.lastEndHidden = !(n > 0 && t[2 * n - 1] >= 1.0f);
}

bool autoShielding(const Globals& g, int group) {
    return group >= kShieldText && group <= kShieldLegends && g.shield.autoFlags[group] != 0;
}

void registerShieldRectangle(Globals& g, int group, float x, float y, float width, float height, float angle) {
    registerFor(g, group, [&] { defineRectangle(g, x, y, width, height, angle); });
}

void registerShieldCircle(Globals& g, int group, float x, float y, float r) {
    registerFor(g, group, [&] { defineCircle(g, x, y, r); });
}

void registerShieldPie(Globals& g, int group, float x, float y, float r, float alpha, float beta) {
    registerFor(g, group, [&] { definePie(g, x, y, r, alpha, beta); });
}

void registerShieldPolygon(Globals& g, int group, const float* x, const float* y, int n) {
    if (n < 3 || n > 8) return;
    int v[1 + 2 * 8];
    v[0] = n;
    for (int i = 0; i < n; ++i) v[1 + 2 * i] = shiftedX(g, x[i]), v[2 + 2 * i] = shiftedY(g, y[i]);
    registerFor(g, group, [&] { defineRegion(g, kRegionPolygon, v, 1 + 2 * n); });
}

void registerSurfaceShield(Globals& g, const float* x, const float* y, int n) {
    if (!g.shield.surface || n < 3) return;
    qqstrk(g);  // the surface's own lines are drawn before its region exists
    std::vector<int> v(std::size_t(1 + 2 * n));
    v[0] = n;
    for (int i = 0; i < n; ++i) v[std::size_t(1 + 2 * i)] = shiftedX(g, x[i]), v[std::size_t(2 + 2 * i)] = shiftedY(g, y[i]);
    const int group = g.shield.group;
    g.shield.group = kShieldUser;
    if (addRegion(g.shield, kRegionPolygon, v.data(), 1 + 2 * n) == 0) warnin(Warning::BlankingOverflow);
    g.shield.group = group;
    updateShieldFilter(g);
}

void shlrec(int nx, int ny, int nw, int nh) {
    Globals* g = jqqlev(1, 3, "shlrec");
    if (!g || jqqval(std::min(nw, nh), 1, -1) != 0) return;
    qqstrk(*g);
    // ny is taken as given: shlrec ignores the bottom page origin.
    defineRectangle(*g, float(nx), float(ny), float(nw), float(nh), 0.0f);
}

void shlrct(int nx, int ny, int nw, int nh, float angle) {
    Globals* g = jqqlev(1, 3, "shlrct");
    if (!g || jqqval(std::min(nw, nh), 1, -1) != 0) return;
    qqstrk(*g);
    defineRectangle(*g, float(nx), jqqyvl(*g, float(ny)), float(nw), float(nh), angle);
}

void shlcir(int nx, int ny, int nr) {
    Globals* g = jqqlev(1, 3, "shlcir");
    if (!g || jqqval(nr, 1, 10000) != 0) return;
    qqstrk(*g);
    defineCircle(*g, float(nx), jqqyvl(*g, float(ny)), float(nr));
}

void shlell(int nx, int ny, int na, int nb, float angle) {
    Globals* g = jqqlev(1, 3, "shlell");
    if (!g || jqqval(std::min(na, nb), 1, -1) != 0) return;
    qqstrk(*g);
    int v[5] = {shiftedX(*g, float(nx)), shiftedY(*g, jqqyvl(*g, float(ny))), regionWord(float(na)),
                regionWord(float(nb)), regionAngle(angle)};
    defineRegion(*g, kRegionEllipse, v, 5);
}

void shlpie(int nx, int ny, int nr, float alpha, float beta) {
    Globals* g = jqqlev(1, 3, "shlpie");
    if (!g || jqqval(nr, 1, 10000) != 0) return;
    qqstrk(*g);
    definePie(*g, float(nx), jqqyvl(*g, float(ny)), float(nr), alpha, beta);
}

void shlpol(const int* nx, const int* ny, int n) {
    Globals* g = jqqlev(1, 3, "shlpol");
    if (!g || jqqval(n, 3, 2000) != 0) return;
    qqstrk(*g);
    std::unique_ptr<int[]> work(new (std::nothrow) int[1 + 2 * size_t(n)]);
    if (!work) {
        warnin(Warning::NoMemory);
        return;
    }
    int* v = work.get();
    int m = 0;
    for (int i = 0; i < n; ++i) {
        int x = shiftedX(*g, float(nx[i])), y = shiftedY(*g, jqqyvl(*g, float(ny[i])));
        if (m > 0 && x == v[1 + 2 * (m - 1)] && y == v[2 + 2 * (m - 1)]) continue;  // repeated point
        v[1 + 2 * m] = x, v[2 + 2 * m] = y, ++m;
    }
    if (m > 1 && v[1] == v[1 + 2 * (m - 1)] && v[2] == v[2 + 2 * (m - 1)]) --m;  // closing point
    if (m < 3) {
        warnin(Warning::IncorrectPointCount);
        return;
    }
    v[0] = m;
    defineRegion(*g, kRegionPolygon, v, 1 + 2 * m);
}

void shldel(int id) {
    Globals* g = jqqlev(1, 3, "shldel");
    if (!g || jqqval(id, 0, -1) != 0) return;
    qqstrk(*g);
    if (id == 0) {
        int user = kShieldUser;
        deleteRegions(g->shield, regionOfGroup, &user);
    } else {
        deleteRegions(g->shield, regionWithId, &id);
    }
    updateShieldFilter(*g);
}

void shlres(int n) {
    Globals* g = jqqlev(1, 3, "shlres");
    if (!g || jqqval(n, 1, -1) != 0) return;
    qqstrk(*g);
    deleteLastUserRegions(g->shield, n);
    updateShieldFilter(*g);
}

void shlvis(int id, const char* mode) {
    Globals* g = jqqlev(1, 3, "shlvis");
    if (!g) return;
    const int badId = jqqval(id, 0, -1);
    const int k = jqqind("ON  +OFF ", 2, mode);
    if (badId != 0 || k == 0) return;
    qqstrk(*g);
    setRegionsActive(g->shield, regionWithId, &id, k == 1);
}

int shlind() {
    Globals* g = chkini("shlind");
    return g->shield.regions;
}

void shield(const char* group, const char* mode) {
    Globals* g = jqqlev(1, 3, "shield");
    if (!g) return;
    int k = jqqind(kGroups, 5, group);
    const int m = jqqind(kGroupModes, 6, mode);
    if (k == 0 || m == 0) return;
    qqstrk(*g);
    ShieldState& s = g->shield;
    switch (m) {
        case 1: s.autoFlags[k] = 1; break;
        case 2: s.autoFlags[k] = 0; break;
        case 3:
        case 4: setRegionsActive(s, regionOfGroup, &k, m == 3); break;
        case 6: s.autoFlags[k] = 0; [[fallthrough]];
        case 5: deleteRegions(s, regionOfGroup, &k); break;
    }
    updateShieldFilter(*g);
}

void shlsur() {
    Globals* g = jqqlev(1, 3, "shlsur");
    if (g) g->shield.surface = 1;
}

}  // namespace vtx
