// Titles: up to four lines above or below the axis system.
#include <cmath>
#include <cstring>

#include "session/globals.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/curve_api.h"
#include "text/fonts.h"
#include "text/strings.h"
#include "text/text_device.h"
#include "text/text_scope.h"

namespace vtx {

namespace {

bool blank(const char* s) { return s[std::strspn(s, " ")] == '\0'; }

}  // namespace

void titlin(const char* text, int line) {
    Globals* g = chkini("titlin");
    if (line == 0 || line < -4 || line > 4) {
        warni1(Warning::IncorrectParameter, line);
        return;
    }
    const int i = line < 0 ? -line : line;
    qqcopy(g->title.lines[i - 1], text, 132);
    g->title.underline[i - 1] = line < 0;
}

void title() {
    Globals* g = jqqlev(2, 3, "title");
    if (!g) return;
    const AxisState& a = g->axis;
    const TitleState& t = g->title;
    TextScope scope(*g);
    const int h = t.height > 0 ? t.height : scope.savedHeight();
    scope.setHeight(h);
    const float s = h * g->text.lineSpacing;
    for (int i = 1; i <= 4; ++i) {
        const char* text = t.lines[i - 1];
        if (blank(text)) continue;
        const int width = measureString(*g, text);
        int x;
        switch (t.just) {
            case 1: x = a.nxa; break;
            case 2: x = a.nxa + a.nxl - width; break;
            default: x = a.nxa + (a.nxl - width) / 2; break;
        }
        const float y = t.pos == 0 ? a.nya - a.nyl - t.shift - (4 - i) * s - 3.0f * h
                                   : a.nya - t.shift + (i - 1) * s + 4.0f * h;
        const int ny = int(std::lround(y));
        qqmess(*g, text, x, ny);
        if (g->title.underline[i - 1]) {
            textFlush(*g);
            const float uy = ny + 1.2f * h;
            lineqq(*g, x - h / 2.0f, uy, x + width + h / 2.0f, uy);
            qqstrk(*g);
        }
    }
    textFlush(*g);
}

void titjus(const char* mode) {
    Globals* g = chkini("titjus");
    const int i = jqqind("CENT+LEFT+RIGH", 3, mode);
    if (i > 0) g->title.just = i - 1, g->title.left = i == 2;
}

void lfttit() {
    Globals* g = chkini("lfttit");
    g->title.just = 1, g->title.left = 1;
}

void titpos(const char* mode) {
    Globals* g = chkini("titpos");
    const int i = jqqind("ABOV+BELO", 2, mode);
    if (i > 0) g->title.pos = i - 1;
}

void htitle(int h) {
    Globals* g = chkini("htitle");
    if (jqqval(h, 1, 10000) == 0) g->title.height = h;
}

void vkytit(int shift) { chkini("vkytit")->title.shift = shift; }

}  // namespace vtx
