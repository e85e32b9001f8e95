// Page format, units, page and scaling modes, hardware page.
#include <cmath>
#include <cstring>

#include "core/api.h"
#include "core/checks.h"
#include "core/devices.h"
#include "core/messages.h"

namespace vtx {

namespace {

struct PageFormat {
    const char* key;
    int width, height;  // landscape, size - 1, plot units
};

const PageFormat kPages[] = {
    {"DA4L", 2969, 2099},   {"DA3L", 4199, 2969},   {"DA2L", 5939, 4199},  {"DA1L", 8409, 5939},
    {"DA0L", 11889, 8409},  {"HP4L", 2716, 1899},   {"HP3L", 3989, 2716},  {"HP2L", 5339, 3359},
    {"HP1L", 7569, 5339},   {"KY4L", 2869, 1999},   {"PS4L", 2799, 1949},  {"USAL", 2789, 2159},
    {"USBL", 4319, 2789},   {"USCL", 5589, 4319},   {"USDL", 8639, 5589},  {"USEL", 11179, 8639},
};

}  // namespace

void setpag(const char* keyword) {
    CoreRecord* g = coreLevel(0, 0, "setpag");
    if (!g) return;
    char key[5] = {' ', ' ', ' ', ' ', '\0'};
    for (int i = 0; i < 4 && keyword[i]; ++i) key[i] = upperAscii(keyword[i]);
    bool portrait = key[3] == 'P';
    char lookup[5];
    std::memcpy(lookup, key, 5);
    if (portrait) lookup[3] = 'L';
    const PageFormat* format = nullptr;
    for (const PageFormat& p : kPages)
        if (std::memcmp(p.key, lookup, 4) == 0) format = &p;
    if (!format) {
        warnc1(Warning::IncorrectParameter, keyword);
        return;
    }
    float w = float(format->width), h = float(format->height);
    if (portrait) std::swap(w, h);
    g->out.pageW = w * g->out.unitFactor;
    g->out.pageH = h * g->out.unitFactor;
    std::memcpy(g->out.pageKey, key, 5);
    if (!g->ctl.deviceChosen) {
        g->ctl.device = kDefaultDevice;
        std::strcpy(g->ctl.deviceKey, kDefaultDeviceKey);
        g->ctl.deviceChosen = 1;
    }
}

void page(int width, int height) {
    CoreRecord* g = coreLevel(0, 0, "page");
    if (!g) return;
    if (jqqval(width, 1, kMaxPageSide) + jqqval(height, 1, kMaxPageSide) != 0) return;
    g->out.pageW = float(width - 1) * g->out.unitFactor;
    g->out.pageH = float(height - 1) * g->out.unitFactor;
    std::strcpy(g->out.pageKey, "PAGE");
}

void units(const char* keyword) {
    CoreRecord* g = coreLevel(0, 0, "units");
    if (!g) return;
    static const float kFactors[] = {1.0f, 2.54f, 0.352778f, 0.176389f};
    int i = jqqind("CM  +INCH+POIN+TWIP", 4, keyword);
    if (i) g->out.unitFactor = kFactors[i - 1];
}

void pagmod(const char* keyword) {
    CoreRecord* g = coreLevel(0, 0, "pagmod");
    if (!g) return;
    static const int kModes[] = {0, 1, 0, 1, 2};
    int i = jqqind("COMI+MOVI+LAND+PORT+NONE", 5, keyword);
    if (i) g->out.pageMode = kModes[i - 1];
}

void sclmod(const char* keyword) {
    CoreRecord* g = coreLevel(0, 0, "sclmod");
    if (!g) return;
    int i = jqqind("DOWN+FULL+NONE", 3, keyword);
    if (i) g->out.scaleMode = i - 1;
}

void sclfac(float factor) {
    CoreRecord* g = coreLevel(0, 0, "sclfac");
    if (!g) return;
    if (!(factor >= 0.0f)) {  // NaN is rejected too
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->out.scaleFactor = factor;
    g->out.scaleMode = 0;
}

void scrmod(const char* keyword) {
    CoreRecord* g = coreLevel(0, 0, "scrmod");
    if (!g) return;
    int i = jqqind("ERAS+NOER+REVE+NORE+AUTO", 5, keyword);
    if (i) g->out.screenModeSet = (i == 4) ? 0 : i - 1;
}

void hwpage(int width, int height) {
    CoreRecord* g = coreLevel(0, 0, "hwpage");
    if (!g) return;
    if (jqqval(width, 1, -1) + jqqval(height, 1, -1) != 0) return;
    g->out.hwPageW = int(std::lround(width * g->out.unitFactor));
    g->out.hwPageH = int(std::lround(height * g->out.unitFactor));
    g->out.hwPageSet = 1;
}

void hworig(int x, int y) {
    CoreRecord* g = coreLevel(0, 0, "hworig");
    if (!g) return;
    g->out.hwOrigX = x;
    g->out.hwOrigY = y;
    g->out.hwOrigSet = 1;
}

}  // namespace vtx
