// PostScript device fonts: psfont selects them, and the selected font and
// each character drawn in it go to the output driver.
#include <cstring>
#include <strings.h>

#include "core/checks.h"
#include "core/devices.h"
#include "session/globals.h"
#include "core/messages.h"
#include "device/driver.h"
#include "device/pipeline.h"
#include "text/api.h"
#include "text/fonts.h"
#include "text/glyph_draw.h"
#include "text/text_device.h"

namespace vtx {

void psEmitFont(Globals& g) {
    const TextState& t = g.text;
    if (t.psFontIndex < 0 || !g.out.file) return;
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    if (!driver || !driver->selectFont) return;
    qqstrk(g);
    driver->selectFont(g, t.psFontIndex, t.height);
}

float psCharAdvance(const Globals& g, int code) {
    const TextState& t = g.text;
    if (t.psFontIndex < 0) return 0.0f;
    return psCharWidth(t.psFontIndex, code) / 1000.0f * t.height * kDeviceFontScale;
}

void deviceChar(Globals& g, int code, float x, float y, float advance) {
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    if (!driver || !driver->character) return;
    const TextState& t = g.text;
    qqstrk(g);
    driver->character(g, {code, t.psFontIndex, t.height, t.angle, x, y, advance, t.run.baseShift + t.run.baseShift2});
}

void psfont(const char* name) {
    Globals* g = jqqlev(1, 3, "psfont");
    if (!g) return;
    if (!deviceFontsAvailable(*g)) {
        warnin(Warning::NotPostScript);
        return;
    }
    int index = -1;
    for (int i = 0; i < kPsFontCount; ++i)
        if (strcasecmp(kPsFonts[i].name, name) == 0) index = i;
    if (index < 0) {
        warnc1(Warning::IncorrectParameter, name);
        return;
    }
    selectFont(*g, 3);
    TextState& t = g->text;
    t.hwFont = 1;
    t.psFontIndex = index;
    qqcopy(t.psFont, kPsFonts[index].name, 40);
    psEmitFont(*g);
}

}  // namespace vtx
