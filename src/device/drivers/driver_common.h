// Helpers that several drivers share: rounding to device units, the scale of
// pixel devices, the pen unit of the page description languages and the
// creation of a driver's state in the record.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "core/messages.h"
#include "device/driver.h"

namespace vtx {

// PostScript's `cm` and PDF points per pen unit of 0.05 mm.
constexpr float kPointsPerPenUnit = 0.5f * 72.0f / 254.0f;

// Rounded half up, held in a range where integer conversion is defined.
inline float roundHalfUp(float v) {
    if (!(v > -1e9f)) return v != v ? 0.0f : -1e9f;
    if (v > 1e9f) return 1e9f;
    // floor without a library call: within ±1e9 the truncated value fits an
    // int, and v + 0.5 is never -0, so this is exactly std::floor.
    const float t = v + 0.5f;
    const float r = float(int(t));
    return r > t ? r - 1.0f : r;
}

// Pixels per plot unit of a w by h pixel surface: the page (turned in page
// mode 1) fitted into it; with sclmod DOWN no larger than the scale factor
// times the unit factor allows for a 2969-unit page.
inline float pixelPageScale(const Globals& g, int w, int h) {
    float pw = float(std::max(g.out.nxPage, 1)), ph = float(std::max(g.out.nyPage, 1));
    if (g.out.pageMode == 1) std::swap(pw, ph);
    float s = std::min(float(w - 1) / pw, float(h - 1) / ph);
    if (g.out.scaleMode == 0) {
        const float f = g.out.scaleFactor * g.out.unitFactor;
        s = std::min(s, float(pw > ph ? w - 1 : h - 1) * f / 2969.0f);
    }
    return s;
}

// The page description languages turn a landscape page onto the paper
// unless the page mode is NONE.
inline bool paperTurned(const Globals& g) { return g.out.nxPage > g.out.nyPage && g.out.pageMode != 2; }

// A plot point on the paper of the page description languages, y upwards.
inline DevicePoint paperPoint(const Globals& g, float x, float y) {
    const float s = g.out.deviceScale;
    if (paperTurned(g)) return {y * s, x * s};
    return {x * s, (float(g.out.nyPage) - y) * s};
}

// The largest scale at which the page fits on the paper (39 by 56 cm, or
// the hardware page of setpag), in `perPenUnit` device units per plot unit.
inline float paperFit(const Globals& g, bool turned, float perPenUnit) {
    // A page of one unit is stored as size 0; the fit must stay finite.
    const float W = std::max(float(g.out.nxPage), 1.0f), H = std::max(float(g.out.nyPage), 1.0f);
    float p1 = 3900.0f, p2 = 5600.0f;
    if (g.out.hwPageSet) p1 = 2.0f * float(g.out.hwPageW), p2 = 2.0f * float(g.out.hwPageH);
    p1 *= perPenUnit, p2 *= perPenUnit;
    return turned ? std::min(p1 / H, p2 / W) : std::min(p1 / W, p2 / H);
}

// The metafiles keep y upwards and shift x by the metafile offset; page
// mode 1 turns the page.
inline DevicePoint metafilePoint(const Globals& g, float x, float y) {
    const float s = g.out.deviceScale, o = g.out.metaOffset;
    if (g.out.pageMode == 1) return {(y + o) * s, x * s};
    return {(x + o) * s, (float(g.out.nyPage) - y) * s};
}

// Window-like devices keep y downwards; page mode 1 turns the page.
inline DevicePoint windowPoint(const Globals& g, float x, float y) {
    const float s = g.out.deviceScale;
    if (g.out.pageMode == 1) return {roundHalfUp(y * s), roundHalfUp((float(g.out.nxPage) - x) * s)};
    return {roundHalfUp(x * s), roundHalfUp(y * s)};
}

// A new state of driver type T in the record, replacing any earlier one.
// Without memory for it the plot cannot go on.
template <typename T>
T& createDriverData(Globals& g) {
    g.driver.data.reset();
    T* data = new (std::nothrow) T();
    if (!data) {
        warnin(Warning::NoMemory);
        std::fflush(stdout);
        std::exit(0);
    }
    g.driver.data.reset(data);
    return *data;
}

// The standard fonts (psfont order) map onto three families; the others
// show as Times. Times slants italic, Helvetica and Courier oblique.
struct StandardFont {
    const char* family;
    bool bold, slanted, italic;
};

inline StandardFont standardFont(int index) {
    auto variant = [](const char* family, int k, bool italic) {
        return StandardFont{family, k == 1 || k == 3, k >= 2, italic};
    };
    if (index >= 0 && index <= 3) return variant("Times", index, true);
    if (index >= 4 && index <= 11) return variant("Helvetica", (index - 4) % 4, false);
    if (index >= 18 && index <= 21) return variant("Courier", index - 18, false);
    if (index == 34) return {"Symbol", false, false, false};
    return {"Times", false, false, false};
}

}  // namespace vtx
