// Device fonts of the pixel devices: fonts of the X server on the window
// (x11fnt, winfnt, and hwfont there) and bitmap font files on the window and
// the raster images (bmpfnt). The font's glyphs are painted into the picture
// by the driver; widths come from the font's own metrics.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <string>
#include <strings.h>

#include "core/checks.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/latin1.h"
#include "device/drivers/x11/server_fonts.h"
#include "device/pixel_font.h"
#include "session/globals.h"
#include "text/api.h"
#include "text/fonts.h"
#include "text/text_device.h"

namespace vtx {

namespace {

constexpr int kServerFont = 2;
constexpr int kBitmapFont = 3;

// "STAN", the window's standard font: the first of these the server has.
constexpr const char* kStandardPatterns[] = {
    "-*-helvetica-medium-r-normal--*-*-*-*-p-*-iso8859-1",
    "-*-nimbus sans-regular-r-normal--*-*-*-*-p-*-iso8859-1",
    "-misc-fixed-medium-r-normal--*-*-*-*-c-*-iso8859-1",
    "fixed",
};

// Families of the other window systems and the X families that stand in for them.
struct FamilyAlias {
    const char* family;
    const char* server;
};
constexpr FamilyAlias kFamilies[] = {
    {"ARIAL", "helvetica"},       {"HELVETICA", "helvetica"}, {"SWISS", "helvetica"},
    {"TIMES NEW ROMAN", "times"}, {"TIMES", "times"},         {"ROMAN", "times"},
    {"COURIER NEW", "courier"},   {"COURIER", "courier"},     {"MODERN", "courier"},
    {"SYMBOL", "symbol"},
};

bool sameName(const char* a, const char* b) { return strcasecmp(a, b) == 0; }

// The pixel size a device font gets for the current character height.
float wantedPixelSize(const Globals& g) { return float(g.text.height) * g.out.deviceScale * kDeviceFontScale; }

bool loadServerFontFor(const Globals& g, PixelFont& font) {
    const TextState& t = g.text;
    const float size = wantedPixelSize(g);
    const bool sized = t.pixelFontSized != 0;
    if (sameName(t.pixelFontName, "STAN")) {
        for (const char* pattern : kStandardPatterns)
            if (loadServerFont(pattern, size, true, font)) return true;
        return false;
    }
    return loadServerFont(t.pixelFontName, size, sized, font);
}

std::string bitmapFontPath(const char* family) {
    return std::string(installDirectory()) + "/fonts/" + family + ".bdf";
}

constexpr std::size_t kKeptSizes = 8;

// Loads the font that the text state names into a new entry; false (and
// nothing kept) if it is not there.
bool loadPixelFont(Globals& g, int kind) {
    auto font = std::make_unique<PixelFont>();
    if (kind == kServerFont) {
        if (!loadServerFontFor(g, *font)) return false;
        if (g.text.pixelFontSized) font->forHeight = g.text.height;
    } else {
        const std::string path = bitmapFontPath(g.text.pixelFontName);
        if (!readBdfFont(path.c_str(), *font)) {
            protocolPrintf(g, " <<<< Warning: Open error in %s!\n", path.c_str());
            return false;
        }
    }
    auto& fonts = g.driver.pixelFonts;
    fonts.insert(fonts.begin(), std::move(font));
    if (fonts.size() > kKeptSizes) fonts.pop_back();
    return true;
}

// complx for everything the device font does not draw, then the device font
// itself; without it the text stays in complx.
bool selectPixelFont(Globals& g, int kind, const char* name, bool sized) {
    selectFont(g, 3);
    g.driver.pixelFonts.clear();
    TextState& t = g.text;
    qqcopy(t.pixelFontName, name, 80);
    t.pixelFontSized = sized ? 1 : 0;
    if (!loadPixelFont(g, kind)) return false;
    t.hwFont = kind;
    return true;
}

bool onWindow(const Globals& g) { return deviceClass(g.ctl.device) == DeviceClass::Screen; }

}  // namespace

void reloadPixelFont(Globals& g) {
    // Labels, titles and legends change the height for a while and back:
    // the sizes already made are kept and brought to the front.
    auto& fonts = g.driver.pixelFonts;
    const PixelFont* current = g.driver.pixelFont();
    if (g.text.hwFont != kServerFont || !current || current->forHeight == 0 || current->forHeight == g.text.height)
        return;
    for (std::size_t i = 1; i < fonts.size(); ++i)
        if (fonts[i]->forHeight == g.text.height) {
            std::rotate(fonts.begin(), fonts.begin() + std::ptrdiff_t(i), fonts.begin() + std::ptrdiff_t(i) + 1);
            return;
        }
    loadPixelFont(g, kServerFont);
}

float pixelCharAdvance(Globals& g, int code) {
    reloadPixelFont(g);
    const PixelFont* font = g.driver.pixelFont();
    const int byte = code <= 186 ? latin1Code(code) : ' ';
    if (!font || !(g.out.deviceScale > 0.0f)) return 0.0f;
    return font->glyph[byte].advance * pixelFontScale(*font, g.text.height, g.out.deviceScale) / g.out.deviceScale;
}

float pixelCharGap(const Globals& g) {
    if (g.text.hwFont != kBitmapFont) return 0.1f;
    return g.out.deviceScale >= 0.3f ? 0.15f : 0.18f;
}

void x11fnt(const char* name, const char* option) {
    Globals* g = jqqlev(1, 3, "x11fnt");
    if (!g) return;
    const int sized = jqqind("SCAL+FIXE", 2, option);
    if (sized == 0) return;
    if (!onWindow(*g)) {
        warnin(Warning::FormatDeviceMismatch);
        return;
    }
    if (!selectPixelFont(*g, kServerFont, name, sized == 1)) warnc1(Warning::IncorrectParameter, name);
}

void winfnt(const char* family) {
    Globals* g = jqqlev(1, 3, "winfnt");
    if (!g) return;
    if (!onWindow(*g)) {
        warnin(Warning::FormatDeviceMismatch);
        return;
    }
    std::string server;
    for (const FamilyAlias& a : kFamilies)
        if (sameName(a.family, family)) server = a.server;
    if (server.empty())
        for (const char* c = family; *c; ++c) server += char(std::tolower(static_cast<unsigned char>(*c)));
    const std::string pattern = "-*-" + server + "-medium-r-normal--*-*-*-*-*-*-iso8859-1";
    if (!selectPixelFont(*g, kServerFont, pattern.c_str(), true)) warnc1(Warning::IncorrectParameter, family);
}

void bmpfnt(const char* family) {
    Globals* g = jqqlev(1, 3, "bmpfnt");
    if (!g) return;
    if (!deviceCan(g->ctl.device, kPixelSurface)) {
        warnin(Warning::FormatDeviceMismatch);
        return;
    }
    selectPixelFont(*g, kBitmapFont, family, true);
}

void hwfont() {
    Globals* g = jqqlev(1, 3, "hwfont");
    if (!g) return;
    if (deviceFontsAvailable(*g)) {
        psfont("Times-Roman");
        return;
    }
    // The window's standard font; every other device draws complx.
    if (!onWindow(*g) || !selectPixelFont(*g, kServerFont, "STAN", true)) selectFont(*g, 3);
}

}  // namespace vtx
