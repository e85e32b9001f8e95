#include "text/text_device.h"

#include "core/checks.h"
#include "device/colour.h"
#include "device/pipeline.h"

namespace vtx {

void textMove(Globals& g, float x, float y) { qqmove(g, x, y); }
void textDraw(Globals& g, float x, float y) { qqdraw(g, x, y); }
void textFlush(Globals& g) { qqstrk(g); }

// Filled glyphs and symbols: the area filler is not part of this build yet,
// so filled shapes show their outlines only.
void textFillPolygon(Globals& g, const float* x, const float* y, int n) {
    (void)g, (void)x, (void)y, (void)n;
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

// Shielding regions are not part of this build yet: texts and symbols do
// not register any, and the groups count as switched off.
bool autoShieldOn(const Globals& g, int group) {
    (void)g, (void)group;
    return false;
}

void registerShieldPolygon(Globals& g, int group, const float* x, const float* y, int n) {
    (void)g, (void)group, (void)x, (void)y, (void)n;
}

bool deviceFontUsable(const Globals& g) {
    const int d = g.ctl.device;
    // Only the PostScript driver draws device characters so far; everywhere
    // else the vector glyphs stand in.
    const bool driver = d >= 501 && d <= 600 && d != 511;
    return driver && g.line.project3d == 0 && g.trf.active == 0 && g.ctl.level >= 1;
}

}  // namespace vtx
