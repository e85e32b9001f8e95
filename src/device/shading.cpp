#include "device/shading.h"

#include "core/checks.h"
#include "core/devices.h"
#include "session/globals.h"
#include "core/messages.h"

namespace vtx {

namespace {

// Codes angle * 1000 + type * 100 + density * 10 + cross of patterns 0..17.
constexpr int kBuiltinCodes[18] = {0,     45150, 150450, 135150, 45450, 45151, 135210, 45451, 30140,
                                   45211, 151,   45310,  70470,  45311, 451,   45210,  100,    550};


// Stores a pattern after its ranges were checked; the spacing keeps its
// physical size through the unit factor.
void storePattern(Globals& g, int angle, int type, int density, int cross) {
    FillState& f = g.fill;
    f.angle = angle, f.type = type, f.density = density, f.cross = cross;
    f.pattern = angle * 1000 + type * 100 + density * 10 + cross;
    float spacing = 5.0f * density + 2.0f;
    switch (type) {
        case 1:
            if (density == 0 && deviceCan(g.ctl.device, kFineSolidHatch)) spacing = 0.4f;
            break;
        case 2: spacing = 20.0f, f.groupDrawn = 2, f.groupSkipped = density; break;
        case 3: spacing = 15.0f, f.groupDrawn = 3, f.groupSkipped = density; break;
        case 4: spacing = 1.0f, f.groupDrawn = 8, f.groupSkipped = 5 * density + 4; break;
        default: break;  // types 6 and 7 keep the groups of the last type 2, 3 or 4
    }
    f.spacing = spacing / g.out.unitFactor;
}

int checkPattern(int angle, int type, int density, int cross) {
    return jqqval(angle, 0, 179) + jqqval(type, 0, 7) + jqqval(density, 0, 9) + jqqval(cross, 0, 1) != 0;
}

}  // namespace

int shadingCode(int n) { return n >= 0 && n <= 17 ? kBuiltinCodes[n] : n; }

int patternLineType(int type) {
    switch (type) {
        case 5: return 6;  // dotted
        case 6: return 5;  // dashed
        case 7: return 4;  // dash-dotted
        default: return 0;
    }
}

int setShadingPattern(Globals& g, int n) {
    if (jqqval(n, 0, -1) != 0) return 1;
    int code = shadingCode(n);
    int angle = code / 1000, type = (code % 1000) / 100;
    int density = ((code % 1000) - 100 * type) / 10, cross = code % 2;
    if (checkPattern(angle, type, density, cross) != 0) return 1;
    storePattern(g, angle, type, density, cross);
    g.fill.pattern = n;  // so that 16 is still recognised as the solid fill
    return 0;
}

void shdpat(int n) {
    Globals* g = jqqlev(0, 3, "shdpat");
    if (g) setShadingPattern(*g, n);
}

void mypat(int angle, int type, int density, int cross) {
    Globals* g = jqqlev(0, 3, "mypat");
    if (!g || checkPattern(angle, type, density, cross) != 0) return;
    storePattern(*g, angle, type, density, cross);
}

int getpat() {
    Globals* g = jqqlev(1, 3, "getpat");
    return g ? g->fill.pattern : 0;
}

void noarln() {
    Globals* g = jqqlev(0, 3, "noarln");
    if (g) g->fill.outline = 0;
}

}  // namespace vtx
