// The PostScript device fonts: selection, re-encoding for the accented
// letters, font size, character widths and one character at the pen.
#include <cmath>
#include <cstring>
#include <strings.h>

#include "session/globals.h"
#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/pdf.h"
#include "device/drivers/postscript.h"
#include "device/drivers/svg.h"
#include "device/pipeline.h"
#include "text/api.h"
#include "text/fonts.h"
#include "text/glyph_draw.h"
#include "text/text_device.h"

namespace vtx {

namespace {

// The em size of a device font relative to the character height, so that
// capitals come out about as high as the vector glyphs.
constexpr float kFontSizeFactor = 22.0f / 15.0f;
constexpr float kPointsPerDeviceUnit = 0.1417322835f;
constexpr int kLastReencodedCode = 186;

bool postScriptFamily(int device) { return device >= 501 && device <= 600; }

// The symbol fonts keep their own encodings.
bool needsReencoding(const char* name) {
    return std::strcmp(name, "Symbol") != 0 && std::strcmp(name, "ZapfDingbats") != 0;
}

// Device coordinates of a plot point as the PostScript path gets them: a
// landscape page is turned onto the paper unless the page mode is NONE.
bool turnedPage(const Globals& g) { return g.out.nxPage > g.out.nyPage && g.out.pageMode != 2; }

}  // namespace

void psEmitFont(Globals& g) {
    TextState& t = g.text;
    if (t.psFontIndex < 0 || !postScriptFamily(g.ctl.device) || g.ctl.device == 511 || !g.out.file) return;
    qqstrk(g);
    const char* name = kPsFonts[t.psFontIndex].name;
    const float size = t.height * g.out.deviceScale * kFontSizeFactor * kPointsPerDeviceUnit;
    if (needsReencoding(name)) {
        qpsprintf(g, "/%s /%s-German GermanVec ReEncodeSmall ", name, name);
        qpsprintf(g, "/%s-German %.1f font ", name, size);
    } else {
        qpsprintf(g, "/%s %.1f font ", name, size);
    }
}

float psCharAdvance(const Globals& g, int code) {
    const TextState& t = g.text;
    if (t.psFontIndex < 0) return 0.0f;
    return psCharWidth(t.psFontIndex, code) / 1000.0f * t.height * kFontSizeFactor;
}

namespace {

// PostScript: the prolog's c procedure centres the character at the given point.
void postScriptChar(Globals& g, int code, float x, float y, float advance, float baseShift) {
    if (code > kLastReencodedCode) code = ' ';
    const float a = g.text.angle * 3.14159265358979323846f / 180.0f;
    const float cx = x + 0.5f * advance * std::cos(a) - baseShift * std::sin(a);
    const float cy = y - 0.5f * advance * std::sin(a) - baseShift * std::cos(a);
    const float s = g.out.deviceScale;
    int dx, dy, angle = g.text.angle;
    if (turnedPage(g)) {
        dx = static_cast<int>(std::lround(cy * s));
        dy = static_cast<int>(std::lround(cx * s));
        angle += 90;
    } else {
        dx = static_cast<int>(std::lround(cx * s));
        dy = static_cast<int>(std::lround((g.out.nyPage - cy) * s));
    }
    qqstrk(g);
    qpsprintf(g, "%5d %5d %5d %5d c ", code, dx, dy, angle);
}

}  // namespace

// SVG and PDF place a character by its start on the base line; PostScript
// by its centre.
void deviceChar(Globals& g, int code, float x, float y, float advance) {
    const float b = g.text.run.baseShift + g.text.run.baseShift2;
    const float a = g.text.angle * 3.14159265358979323846f / 180.0f;
    const float sx = x - b * std::sin(a), sy = y - b * std::cos(a);
    switch (g.ctl.device) {
        case 801:
            qqstrk(g);
            qqsvg5(g, code, sx, sy, g.text.psFontIndex, float(g.text.height), g.text.angle);
            return;
        case 511: {
            qqstrk(g);
            xjdraw(g, sx, sy, kOpMove);
            // PDF device units are points.
            const float size = g.text.height * g.out.deviceScale * kFontSizeFactor;
            qqpdf5(g, code, float(g.text.angle), g.text.psFontIndex, size);
            return;
        }
        default:
            postScriptChar(g, code, x, y, advance, b);
    }
}

void psfont(const char* name) {
    Globals* g = jqqlev(1, 3, "psfont");
    if (!g) return;
    const int device = g->ctl.device;
    if (!postScriptFamily(device) && device != 801) {
        warnin(49);
        return;
    }
    int index = -1;
    for (int i = 0; i < kPsFontCount; ++i)
        if (strcasecmp(kPsFonts[i].name, name) == 0) index = i;
    if (index < 0) {
        warnc1(2, name);
        return;
    }
    selectFont(*g, 3);
    TextState& t = g->text;
    t.hwFont = 1;
    t.psFontIndex = index;
    qqcopy(t.psFont, kPsFonts[index].name, 40);
    psEmitFont(*g);
}

void hwfont() {
    Globals* g = jqqlev(1, 3, "hwfont");
    if (!g) return;
    const int device = g->ctl.device;
    if (postScriptFamily(device) || device == 801) {
        psfont("Times-Roman");
        return;
    }
    // Window devices get their X11 font with the window support; until then
    // they draw complx like every other device.
    selectFont(*g, 3);
}

}  // namespace vtx
