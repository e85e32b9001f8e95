// Parameters of the axis-system geometry and scaling: position, lengths,
// scaling types, system type, visible parts, frame, background, grace,
// centring and automatic scaling.
#include <cmath>
#include <cstring>

#include "session/globals.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/api.h"
#include "graph2d/axis_params.h"

namespace vtx {

bool axisSelected(const char* axes, int axis) {
    const char letter = "XYZ"[axis];
    for (int i = 0; i < 3 && axes[i]; ++i)
        if (upperAscii(axes[i]) == letter) return true;
    return false;
}

void axspos(int x, int y) {
    Globals* g = jqqlev(1, 1, "axspos");
    if (!g || jqqval(x, 0, g->out.nxPage) + jqqval(y, 0, g->out.nyPage) != 0) return;
    g->axis.posX = x;
    g->axis.posY = int(jqqyvl(*g, float(y)));
    g->axis.posSet = 1, g->axis.orgSet = 0;
}

void axsorg(int x, int y) {
    Globals* g = jqqlev(1, 1, "axsorg");
    if (!g || jqqval(x, 0, g->out.nxPage) + jqqval(y, 0, g->out.nyPage) != 0) return;
    g->axis.orgX = x;
    g->axis.orgY = int(jqqyvl(*g, float(y)));
    g->axis.orgSet = 1, g->axis.posSet = 0;
}

void axslen(int nx, int ny) {
    Globals* g = jqqlev(1, 1, "axslen");
    if (!g || jqqval(nx, 2, g->out.nxPage) + jqqval(ny, 2, g->out.nyPage) != 0) return;
    g->axis.lenX = nx, g->axis.lenY = ny;
}

void axsscl(const char* keyword, const char* axes) {
    Globals* g = jqqlev(0, 3, "axsscl");
    if (!g) return;
    const int k = jqqind("LIN +LOG ", 2, keyword);
    if (k == 0) return;
    for (int i = 0; i < 3; ++i)
        if (axisSelected(axes, i)) g->axis.scale[i] = k - 1;
}

void scale(const char* keyword, const char* axes) {
    Globals* g = jqqlev(0, 3, "scale");
    if (!g) return;
    const int k = jqqind("LIN +LOG ", 2, keyword);
    if (k == 0) return;
    for (int i = 0; i < 3; ++i)
        if (axisSelected(axes, i)) g->axis.scale[i] = k - 1;
}

void axstyp(const char* keyword) {
    Globals* g = chkini("axstyp");
    const int k = jqqind("RECT+CROS", 2, keyword);
    if (k) g->axis.crossed = k - 1;
}

void axends(const char* keyword, const char* axes) {
    Globals* g = chkini("axends");
    const int k = jqqind("NONE+NOFI+NOLA+NOEN+ENDS+FIRS+LAST", 7, keyword);
    if (k == 0) return;
    for (int i = 0; i < 3; ++i)
        if (axisSelected(axes, i)) g->axis.ends[i] = k - 1;
}

void setgrf(const char* lowerX, const char* leftY, const char* upperX, const char* rightY) {
    Globals* g = jqqlev(1, 1, "setgrf");
    if (!g) return;
    const char* keys[4] = {lowerX, leftY, upperX, rightY};
    int parts[4];
    for (int i = 0; i < 4; ++i) {
        parts[i] = jqqind("NONE+LINE+TICK+LABE+NAME", 5, keys[i]);
        if (parts[i] == 0) return;
    }
    for (int i = 0; i < 4; ++i) g->axis.axisParts[i] = parts[i] - 1;
}

void frame(int thickness) { chkini("frame")->axis.frame = thickness; }

void frmclr(int colour) {
    Globals* g = chkini("frmclr");
    if (jqqval(colour, -1, 255) == 0) g->text.frameColour = colour;
}

void ax2grf() { chkini("ax2grf")->axis.twoAxesOnly = 1; }

void noline(const char* axes) {
    Globals* g = chkini("noline");
    const int k = jqqind("X   +Y   +Z   +XY  +XYZ ", 5, axes);
    static const int kMasks[5] = {1, 2, 4, 3, 7};
    if (k == 0) return;
    for (int i = 0; i < 3; ++i)
        if (kMasks[k - 1] & (1 << i)) g->axis.noAxisLine[i] = 1;
}

void rgtlab() { chkini("rgtlab")->axis.rightLabels = 1; }

void axsbgd(int colour) {
    Globals* g = chkini("axsbgd");
    if (jqqval(colour, -1, 255) == 0) g->axis.background = colour;
}

void grace(int margin) { chkini("grace")->axis.grace = margin; }

void center() { chkini("center")->axis.centered = 1; }

void nograf() { chkini("nograf")->axis.noGraf = 1; }

void setscl(const float* values, int n, const char* axes) {
    Globals* g = jqqlev(1, 1, "setscl");
    if (!g) return;
    char key[4] = {};
    for (int i = 0; i < 3 && axes[i]; ++i) key[i] = upperAscii(axes[i]);
    AxisState& a = g->axis;
    if (std::strcmp(key, "RES") == 0) {
        a.autoScale[0] = a.autoScale[1] = a.autoScale[2] = 0;
        return;
    }
    if (key[1] == 'R' && key[2] == 'E' && key[0] >= 'X' && key[0] <= 'Z') {
        a.autoScale[key[0] - 'X'] = 0;
        return;
    }
    if (jqqval(n, 1, -1)) return;
    // Non-finite values carry no scale; they are skipped.
    float lo = INFINITY, hi = -INFINITY;
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(values[i])) continue;
        lo = std::fmin(lo, values[i]);
        hi = std::fmax(hi, values[i]);
    }
    if (!(lo <= hi)) lo = hi = 0.0f;
    if (hi - lo <= 1.0e-35f) {
        warnin(Warning::MinimumEqualsMaximum);
        lo -= 1.0f, hi += 1.0f;
    }
    bool selected[3] = {};
    if (key[1] == 'A' && key[2] == 'X' && key[0] >= 'X' && key[0] <= 'Z') selected[key[0] - 'X'] = true;
    else
        for (int i = 0; i < 3; ++i) selected[i] = axisSelected(key, i);
    for (int i = 0; i < 3; ++i) {
        if (!selected[i]) continue;
        a.autoScale[i] = 1;
        a.autoMin[i] = lo, a.autoMax[i] = hi;
    }
}

}  // namespace vtx
