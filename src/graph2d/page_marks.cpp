// Marks of the whole page: its border, a fill in one colour and a header
// line with the date, time and plot file name.
#include <cstdio>
#include <string>

#include "core/checks.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph2d/api.h"
#include "session/globals.h"
#include "text/strings.h"
#include "text/text_scope.h"

namespace vtx {

void pagera() {
    Globals* g = jqqlev(1, 3, "pagera");
    if (!g) return;
    rectqq(*g, 0.0f, 0.0f, float(g->out.nxPage), float(g->out.nyPage));
    qqstrk(*g);
}

void pagfll(int colour) {
    Globals* g = jqqlev(1, 3, "pagfll");
    if (!g || jqqval(colour, 0, 255) != 0) return;
    qqstrk(*g);
    const ColourScope caller(*g, Restore::Always);
    const FillScope fill(*g);
    setShadingPattern(*g, 16);
    g->fill.outline = 0;
    qqsclr(*g, colour);
    const float w = float(g->out.nxPage), h = float(g->out.nyPage);
    const float x[4] = {0.0f, w, w, 0.0f}, y[4] = {0.0f, 0.0f, h, h};
    dareaf(*g, x, y, 4);
}

// Corners: 1 upper left, 2 upper right, 3 lower right, 4 lower left; the
// text keeps one character height from the page edges and, vertical,
// reads upward.
void paghdr(const char* prefix, const char* suffix, int corner, int direction) {
    Globals* g = jqqlev(1, 3, "paghdr");
    if (!g || jqqval(corner, 1, 4) != 0 || jqqval(direction, 0, 1) != 0) return;
    char date[11], time[9];
    currentDateTime(date, time);
    std::string text = prefix;
    text += date, text += "  ", text += time, text += "  ", text += g->out.fileName, text += suffix;
    if (text.size() > 256) text.resize(256);
    TextScope scope(*g);
    g->text.justify = 0;
    const int h = g->text.height, w = measureString(*g, text.c_str());
    const int W = g->out.nxPage, H = g->out.nyPage;
    const bool left = corner == 1 || corner == 4, top = corner == 1 || corner == 2;
    int x, y;
    if (direction == 0) {
        g->text.angle = 0;
        x = left ? h : W - h - w;
        y = top ? h : H - 2 * h;
    } else {
        // Rotated by 90 degrees the text runs upward from (x, y).
        g->text.angle = 90;
        x = left ? h : W - 2 * h;
        y = top ? h + w : H - h;
    }
    qqmess(*g, text.c_str(), x, y);
}

}  // namespace vtx
