#include "text/text_device.h"

#include <memory>
#include <new>

#include "core/checks.h"
#include "core/devices.h"
#include "session/globals.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "device/shielding.h"

namespace vtx {

namespace {

constexpr int kSolidPattern = 16;
constexpr int kTextPolygonMax = 256;  // outline glyphs collect at most 200 points

}  // namespace

void textMove(Globals& g, float x, float y) { qqmove(g, x, y); }
void textDraw(Globals& g, float x, float y) { qqdraw(g, x, y); }
void textFlush(Globals& g) { qqstrk(g); }

// Solid fill whatever pattern is selected, with hatch lines close enough
// to cover the shape on the device (0.75 device units apart).
void textFillPolygon(Globals& g, const float* x, const float* y, int n) {
    if (n < 3) return;
    // dareaf adds the origin shift again; large user symbols need the heap
    float stackX[kTextPolygonMax], stackY[kTextPolygonMax];
    std::unique_ptr<float[]> heap;
    float* xs = stackX;
    float* ys = stackY;
    if (n > kTextPolygonMax) {
        heap.reset(new (std::nothrow) float[2 * static_cast<size_t>(n)]);
        if (!heap) {
            warnin(Warning::NoMemory);
            return;
        }
        xs = heap.get(), ys = xs + n;
    }
    for (int i = 0; i < n; ++i) xs[i] = x[i] - g.line.originX, ys[i] = y[i] - g.line.originY;
    const FillScope fill(g);
    setShadingPattern(g, kSolidPattern);
    if (g.out.deviceScale > 0.0f) g.fill.spacing = 0.75f / g.out.deviceScale;
    qqstrk(g);
    dareaf(g, xs, ys, n);
}

void textSetColour(Globals& g, int index) {
    qqstrk(g);
    qqsclr(g, index);
}

int textColour(const Globals& g) { return g.colour.current; }

void textColourByName(Globals& g, const char* name) {
    const int i = keywordIndex("WHIT+RED +GREE+YELL+BLUE+ORAN+CYAN+MAGE+BLAC+FORE+BACK", 11, name);
    if (i == 0) return;
    const ColourState& c = g.colour;
    textSetColour(g, i <= 9 ? c.names[i - 1] : i == 10 ? c.foreground : c.background);
}

bool autoShieldOn(const Globals& g, int group) { return autoShielding(g, group); }

void registerShieldBox(Globals& g, int group, float x, float y, float width, float height, float angle) {
    registerShieldRectangle(g, group, x - g.line.originX, y - g.line.originY, width, height, angle);
}

bool deviceFontUsable(const Globals& g) {
    // Device characters bypass the pipeline, so no point stage may be in effect.
    const bool available = g.text.hwFont == 1 ? deviceFontsAvailable(g)
                                              : g.driver.pixelFont() && deviceCan(g.ctl.device, kPixelSurface);
    return available && !anyPointStageInstalled(g.line.slots) && g.ctl.level >= 1;
}

bool deviceFontsAvailable(const Globals& g) {
    const int device = g.ctl.device;
    return deviceCan(device, kDeviceFonts) || (deviceCan(device, kFontsOnRequest) && g.out.wmfFontText);
}

}  // namespace vtx
