// Z values to colour indices: the Z-range setter, the lookup and the public
// routines that set the colour range or ask for colours.
#include "graph3d/z_colour.h"

#include <algorithm>
#include <cmath>

#include "core/checks.h"
#include "core/messages.h"
#include "graph3d/api.h"

namespace vtx {

ZColourMap makeZColourMap(float za, float ze, float windowA, float windowB, int first, int last, int outLow,
                          int outHigh, int log) {
    ZColourMap m;
    m.za = za, m.ze = ze;
    m.low = std::min(windowA, windowB), m.high = std::max(windowA, windowB);
    m.first = first, m.last = last, m.outLow = outLow, m.outHigh = outHigh, m.log = log;
    m.factor = ze != za ? float(last - first + 1) / (ze - za) : 0.0f;
    return m;
}

int autoPointSize(int length, int points, bool screen) {
    const long long steps = std::max(1, points - 1);
    long long size = (std::max(0, length - 1) + steps - 1) / steps;
    size = std::max(1LL, size);
    return int(screen ? size : size + 1);
}

void setzpa(Globals& g, float za, float ze) {
    AxisState& a = g.axis;
    a.sz.a = za, a.sz.e = ze;
    float lo = za, hi = ze;
    if (a.scale[2]) {
        if (a.autoScale[2] && a.autoMin[2] > 0.0f && a.autoMax[2] > 0.0f) {
            lo = a.autoMin[2], hi = a.autoMax[2];
        } else {
            lo = std::pow(10.0f, za), hi = std::pow(10.0f, ze);
        }
    }
    g.g3d.zWindow[0] = std::min(lo, hi), g.g3d.zWindow[1] = std::max(lo, hi);
    const ColourState& c = g.colour;
    g.g3d.colourFactor = ze != za ? float(c.rangeHigh - c.rangeLow + 1) / (ze - za) : 0.0f;
}

ZColourMap currentZColourMap(const Globals& g) {
    ZColourMap m;
    m.za = g.axis.sz.a, m.ze = g.axis.sz.e;
    m.low = g.g3d.zWindow[0], m.high = g.g3d.zWindow[1];
    m.factor = g.g3d.colourFactor;
    m.first = g.colour.rangeLow, m.last = g.colour.rangeHigh;
    m.outLow = g.colour.outsideLow, m.outHigh = g.colour.outsideHigh;
    m.log = g.axis.scale[2];
    return m;
}

int jqqclr(const Globals& g, float z) { return currentZColourMap(g).lookup(z); }

void colran(int first, int last) {
    Globals* g = chkini("colran");
    if (!g || jqqval(first, 0, 255) + jqqval(last, 0, 255) != 0) return;
    g->colour.rangeLow = first, g->colour.rangeHigh = last;
}

void getran(int& first, int& last) {
    Globals* g = jqqlev(1, 3, "getran");
    if (!g) return;
    first = g->colour.rangeLow, last = g->colour.rangeHigh;
}

void zscale(float zmin, float zmax) {
    Globals* g = chkini("zscale");
    if (!g) return;
    if (zmin == zmax) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->g3d.zScaleSet = 1;
    g->g3d.zScale[0] = zmin, g->g3d.zScale[1] = zmax;
}

int nzposn(float z) {
    Globals* g = jqqlev(3, 3, "nzposn");
    if (!g) return 0;
    return jqqclr(*g, z);
}

void colray(const float* z, int* colours, int n) {
    Globals* g = jqqlev(3, 3, "colray");
    if (!g) return;
    const ZColourMap m = currentZColourMap(*g);
    for (int i = 0; i < n; ++i) colours[i] = m.lookup(z[i]);
}

}  // namespace vtx
