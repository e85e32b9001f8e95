// Colour bars: the bar beside a colour plot, the stand-alone bars and their
// settings.
#include "graph3d/colour_bar.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/checks.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/attribute_scope.h"
#include "device/shading.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/axis_system.h"
#include "graph3d/api.h"

namespace vtx {

namespace {

constexpr int kSolidPattern = 16;
constexpr float kDecadeTolerance = 1.0e-35f;

// The Z axis settings stand in for those of the X or Y axis while the bar's
// scale is drawn through the ordinary axis drawer.
class ZSettingsSwap {
   public:
    ZSettingsSwap(AxisState& a, int axis) : a_(a), k_(axis) { swapAll(); }
    ~ZSettingsSwap() { swapAll(); }
    ZSettingsSwap(const ZSettingsSwap&) = delete;
    ZSettingsSwap& operator=(const ZSettingsSwap&) = delete;

   private:
    template <typename T>
    void one(T (&v)[3]) {
        std::swap(v[k_], v[2]);
    }
    void swapAll() {
        one(a_.ends), one(a_.labelType), one(a_.labelDigits), one(a_.labelDist), one(a_.labelJust);
        one(a_.labelPosition), one(a_.labelVertical), one(a_.ticks), one(a_.tickPosition), one(a_.dateTicks);
        one(a_.dateOrder), one(a_.dateLanguage), one(a_.dateUpper), one(a_.dateDay), one(a_.dateMonth);
        one(a_.dateYear), one(a_.dateSeparator), one(a_.nameDist), one(a_.nameJust), one(a_.myLabelCount);
        one(a_.autoDigits), one(a_.timeUnit), one(a_.noAxisLine);
        for (int p = 0; p < 4; ++p) std::swap(a_.axisColours[k_][p], a_.axisColours[2][p]);
        for (int i = 0; i < 20; ++i)
            for (int c = 0; c < 33; ++c) std::swap(a_.myLabelText[k_][i][c], a_.myLabelText[2][i][c]);
    }
    AxisState& a_;
    const int k_;
};

void standaloneBar(float za, float ze, float zor, float zstep, int length, const char* name, int side,
                   int horizontal, int nxa, int nya, int log, const char* routine) {
    Globals* g = jqqlev(1, 3, routine);
    if (!g) return;
    if (jqqval(length, 2, std::max(g->out.nxPage, g->out.nyPage)) + jqqval(horizontal, 0, 1) != 0) return;
    if (!checkScaling(za, ze, zor, zstep)) return;
    ColourBarAxis s;
    s.za = za, s.ze = ze, s.first = zor, s.step = zstep, s.length = length, s.log = log;
    s.horizontal = horizontal, s.name = name, s.side = side, s.x = nxa, s.y = nya;
    colbar(*g, s);
}

}  // namespace

void widenToDecades(int mode, float& za, float& ze, float& first) {
    if (mode <= 0) return;
    const bool ascending = ze >= za;
    const float a = ascending ? std::floor(za + kDecadeTolerance) : std::ceil(za - kDecadeTolerance);
    if (mode == 2) ze = ascending ? std::ceil(ze - kDecadeTolerance) : std::floor(ze + kDecadeTolerance);
    za = a, first = a;
}

void fillPlotBox(Globals& g, float x1, float y1, float x2, float y2, int colour) {
    RectangleFill boxes(g);
    fillPlotBox(boxes, x1, y1, x2, y2, colour);
}

void fillPlotBox(RectangleFill& boxes, float x1, float y1, float x2, float y2, int colour) {
    Globals& g = boxes.globals();
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    // A box cut to a rectangular clipping window stays one solid polygon
    // that the device fills itself, instead of the software fill's lines.
    const LineState& line = g.line;
    if (line.clipShape == 0) {
        const float ox = float(line.originX), oy = float(line.originY);
        x1 = std::max(x1, float(line.clipX1) - ox), x2 = std::min(x2, float(line.clipX2) - ox);
        y1 = std::max(y1, float(line.clipY1) - oy), y2 = std::min(y2, float(line.clipY2) - oy);
        if (x1 > x2 || y1 > y2) return;
    }
    if (g.colour.current != colour) qqsclr(g, colour);
    boxes.fill(x1, y1, x2, y2);
}

void colbar(Globals& g, const ColourBarAxis& given) {
    ColourBarAxis bar = given;
    float za = given.za, ze = given.ze, first = given.first;
    float barLength = float(given.length - 1);
    if (given.log && g.axis.expZero > 0) {
        widenToDecades(g.axis.expZero, za, ze, first);
        if (ze != za) {
            barLength = (given.ze - given.za) * float(given.length) / (ze - za) - 1.0f;
            const int shift = roundToInt((given.za - za) * float(given.length - 1) / (ze - za));
            if (given.horizontal) bar.x += shift;
            else bar.y -= shift;
        }
    }
    const int w = g.g3d.barWidth;
    {
        const ColourScope colour(g);
        const PatternScope pattern(g);
        setShadingPattern(g, kSolidPattern);
        const bool fullCover = deviceClass(g.ctl.device) == DeviceClass::PostScript;
        forEachBarBox(bar, barLength, w, g.colour.rangeLow, g.colour.rangeHigh, fullCover,
                      [&](const ColourBarBox& b) { fillPlotBox(g, b.x1, b.y1, b.x2, b.y2, b.colour); });
        qqstrk(g);
    }

    AxisDrawSpec s;
    s.a = za, s.e = ze, s.first = first, s.step = given.step, s.log = given.log;
    s.length = given.length, s.name = given.name;
    if (!given.horizontal) {
        s.axis = 1;
        s.side = given.side == 0 ? 0 : 1;
        s.x = float(given.side == 0 ? given.x + w : given.x), s.y = float(given.y);
    } else {
        s.axis = 0;
        s.side = given.side == 1 ? 1 : 0;
        s.x = float(given.x), s.y = float(given.side == 1 ? given.y - w : given.y);
    }
    const ZSettingsSwap swap(g.axis, s.axis);
    drawAxis(g, s);
    g.g3d.barAxis = s;
    g.g3d.barAxis.name = "";
    g.g3d.barAxisSet = 1;
}

// addlab: one extra label on the lower X, left Y or the colour bar's axis.
void addlab(const char* text, float value, int tick, const char* axis) {
    Globals* g = jqqlev(2, 3, "addlab");
    if (!g) return;
    const int k = jqqind("X   +Y   +Z   ", 3, axis);
    if (k == 0 || jqqval(tick, 0, 1) != 0) return;
    if (k == 3) {
        if (!g->g3d.barAxisSet) {
            warnText(101, "No colour bar for addlab");
            return;
        }
        const AxisDrawSpec& s = g->g3d.barAxis;
        const ZSettingsSwap swap(g->axis, s.axis);
        drawExtraLabel(*g, s, value, text, tick == 1);
        return;
    }
    if (g->axis.kind != AxisKind::Cartesian) {
        warnText(101, "addlab needs a Cartesian axis system");
        return;
    }
    drawExtraLabel(*g, cartesianSide(*g, k == 1 ? 1 : 4), value, text, tick == 1);
}

void zaxis(float za, float ze, float zor, float zstep, int length, const char* name, int side, int horizontal,
           int nxa, int nya) {
    standaloneBar(za, ze, zor, zstep, length, name, side, horizontal, nxa, nya, 0, "zaxis");
}

void zaxlg(float za, float ze, float zor, float zstep, int length, const char* name, int side, int horizontal,
           int nxa, int nya) {
    standaloneBar(za, ze, zor, zstep, length, name, side, horizontal, nxa, nya, 1, "zaxlg");
}

void nobar() {
    if (Globals* g = chkini("nobar")) g->g3d.noBar = 1;
}

void widbar(int width) {
    Globals* g = chkini("widbar");
    if (g && jqqval(width, 0, 10000) == 0) g->g3d.barWidth = width;
}

void vkxbar(int shift) {
    if (Globals* g = chkini("vkxbar")) g->g3d.barShiftX = shift;
}

void vkybar(int shift) {
    if (Globals* g = chkini("vkybar")) g->g3d.barShiftY = shift;
}

void expzlb(const char* keyword) {
    Globals* g = chkini("expzlb");
    if (!g) return;
    const int k = jqqind("NONE+FIRS+BOTH", 3, keyword);
    if (k) g->axis.expZero = k - 1;
}

int getwid() {
    Globals* g = jqqlev(1, 3, "getwid");
    return g ? g->g3d.barWidth : 0;
}

}  // namespace vtx
