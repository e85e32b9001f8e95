// Terminal graphics (101, 103, 151 and the 12-bit 161): Tektronix-style
// vectors written straight to the output. A move is GS followed by the
// address, a draw the address alone; an address is HiY LoY HiX LoX, with
// one extra byte after HiY carrying the two low bits of each axis at 12 bits.
#include <algorithm>

#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/output.h"
#include "device/pipeline.h"

namespace vtx {

namespace {

constexpr char kEsc = 0x1b, kGs = 0x1d, kUs = 0x1f, kFs = 0x1c, kFf = 0x0c;

bool twelveBit(const Globals& g) { return g.ctl.device == 161; }

void put(Globals& g, const char* bytes, size_t n) { outWrite(g, bytes, n); }

void begin(Globals& g) {
    float w = float(std::max(g.out.nxPage, 1)), h = float(std::max(g.out.nyPage, 1));
    if (twelveBit(g)) {
        g.out.deviceScale = std::min(4095.0f / w, 3119.0f / h);
        const char start[] = {kEsc, '[', '?', '3', '8', 'h', kEsc, kFf};
        put(g, start, sizeof start);
    } else {
        if (g.out.pageMode == 1) std::swap(w, h);
        g.out.deviceScale = std::min(1023.0f / w, 779.0f / h);
        if (g.ctl.device == 103) put(g, "\x1b[?38h", 6);
        const char clear[] = {kEsc, kFf};
        put(g, clear, sizeof clear);
    }
    // The frame around the page.
    const float W = float(g.out.nxPage), H = float(g.out.nyPage);
    xjdraw(g, 0.0f, 0.0f, kOpMove);
    xjdraw(g, W, 0.0f, kOpDraw);
    xjdraw(g, W, H, kOpDraw);
    xjdraw(g, 0.0f, H, kOpDraw);
    xjdraw(g, 0.0f, 0.0f, kOpDraw);
}

// Screen units, y upwards. The 12-bit terminal turns a portrait page; the
// others turn the page in page mode 1.
DevicePoint mapPoint(const Globals& g, float x, float y) {
    const float s = g.out.deviceScale;
    const float H = float(g.out.nyPage);
    if (twelveBit(g)) {
        if (H < float(g.out.nxPage)) return {roundHalfUp(x * s), roundHalfUp((H - y) * s)};
        return {roundHalfUp(x * s), roundHalfUp(y * s)};
    }
    if (g.out.pageMode == 1) return {roundHalfUp(y * s), roundHalfUp(x * s)};
    return {roundHalfUp(x * s), roundHalfUp((H - y) * s)};
}

void vector(Globals& g, float fx, float fy, int op) {
    const int limit = twelveBit(g) ? 4095 : 1023;
    int x = std::clamp(int(fx), 0, limit), y = std::clamp(int(fy), 0, limit);
    char bytes[6];
    size_t n = 0;
    if (op == kOpMove) bytes[n++] = kGs;
    if (twelveBit(g)) {
        bytes[n++] = char(0x20 | (y >> 7));
        bytes[n++] = char(0x60 | ((y & 3) << 2) | (x & 3));
        bytes[n++] = char(0x60 | ((y >> 2) & 31));
        bytes[n++] = char(0x20 | (x >> 7));
        bytes[n++] = char(0x40 | ((x >> 2) & 31));
    } else {
        bytes[n++] = char(0x20 | (y >> 5));
        bytes[n++] = char(0x60 | (y & 31));
        bytes[n++] = char(0x20 | (x >> 5));
        bytes[n++] = char(0x40 | (x & 31));
    }
    put(g, bytes, n);
}

void end(Globals& g) {
    vector(g, 0.0f, 0.0f, kOpMove);
    const char alpha[] = {kUs};
    put(g, alpha, 1);
    if (g.ctl.device == 101 || g.ctl.device == 151) put(g, "\x1b" "2", 2);
    else if (g.ctl.device == 161) put(g, "\x1b[?38l", 6);
}

void erase(Globals& g) {
    const char clear[] = {kFs, kEsc, kFf};
    put(g, clear, sizeof clear);
}

void newPage(Globals& g) {
    if (g.ctl.device <= 150) erase(g);
}

}  // namespace

extern const DeviceDriver kTerminalDriver = {
    begin,     // begin: graphics mode, clear screen and the frame of the page
    end,       // end: alpha mode and the terminal's reset
    newPage,   // newPage: clears the screen (not the LN03)
    erase,     // erase: clears the screen
    mapPoint,  // mapPoint: screen units, y upwards
    vector,    // vector: addresses after GS (move) or alone (draw)
    nullptr,   // colour
    nullptr,   // lineAttribute
    nullptr,   // clipRect
    nullptr,   // polygon
    nullptr,   // colourTable
    nullptr,   // selectFont
    nullptr,   // character
    nullptr,   // flush
    nullptr,   // image
};

}  // namespace vtx
