// Option routines of the widgets: process-wide, kept until changed.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/checks.h"
#include "widgets/api.h"
#include "widgets/widget_state.h"

namespace vtx {

namespace {

WidgetOptions& options() { return widgetState().options; }

// The option of swgtyp and swgjus: its first three characters in upper case.
bool optionIs(const char* option, const char* three) {
    for (int i = 0; i < 3; ++i)
        if (upperAscii(option[i]) != three[i] || !option[i]) return false;
    return true;
}

}  // namespace

void swgmod(const char* mode) {
    const int k = widgetKeyword("AUTO+XWIN+ASCI", 3, mode, "SWGMOD");
    if (k != 0) options().mode = DialogMode(k - 1);
}

void swgmix(const char* character, const char* option) {
    if (widgetKeyword("SEP ", 1, option, "SWGMIX") == 0) return;
    if (*character) options().separator = *character;
}

void swgpop(const char* option) {
    const int k = widgetKeyword("NOOK+NOQU+NOHE+OK  +QUIT+HELP", 6, option, "SWGPOP");
    if (k == 0) return;
    bool& entry = (k - 1) % 3 == 0 ? options().menuOk : (k - 1) % 3 == 1 ? options().menuQuit : options().menuHelp;
    entry = k > 3;
}

void swgwth(int width) {
    if (width < -100 || width == 0) {
        widgetMessage(">>>> Bad value in SWGWTH!");
        return;
    }
    options().width = width;
}

void swgspc(float x, float y) {
    if (x < -100.f || y < -100.f || !std::isfinite(x) || !std::isfinite(y)) {
        widgetMessage(">>>> Bad value in SWGSPC!");
        return;
    }
    options().hspace = x, options().vspace = y;
}

void swgstp(float step) {
    if (!(step > 0.f) || !std::isfinite(step)) {
        widgetMessage(">>>> Bad value in SWGSTP!");
        return;
    }
    options().step = step;
}

void swgdrw(float ratio) {
    if (!(ratio > 0.f) || !std::isfinite(ratio)) {
        widgetMessage(">>>> Bad value in SWGDRW!");
        return;
    }
    options().drawRatio = ratio;
}

void swgpos(int x, int y) { options().window.x = x, options().window.y = y; }

void swgsiz(int width, int height) { options().window.width = width, options().window.height = height; }

void swgwin(int x, int y, int width, int height) {
    swgpos(x, y);
    swgsiz(width, height);
}

void swgoff(int x, int y) { options().offsetX = x, options().offsetY = y, options().offsetSet = true; }

void swgjus(const char* value, const char* option) {
    int* target = optionIs(option, "LAB") ? &options().labelJustify
                  : optionIs(option, "BUT") ? &options().buttonJustify
                                            : nullptr;
    if (!target) {
        widgetMessage(">>>> Warning: Not allowed parameter in SWGJUS! (%s)", option);
        return;
    }
    const int k = widgetKeyword("LEFT+CENT+RIGH", 3, value, "SWGJUS");
    if (k != 0) *target = k - 1;
}

void swgtyp(const char* value, const char* option) {
    if (optionIs(option, "LIS")) {
        const int k = widgetKeyword("AUTO+SCRO+NOSC", 3, value, "SWGTYP");
        if (k != 0) options().listType = k - 1;
        return;
    }
    int* target = optionIs(option, "BOX") ? &options().boxOrientation
                  : optionIs(option, "SCA") ? &options().scaleOrientation
                                            : nullptr;
    if (!target) {
        widgetMessage(">>>> Warning: Not allowed parameter in SWGTYP! (%s)", option);
        return;
    }
    const int k = widgetKeyword("VERT+HORI", 2, value, "SWGTYP");
    if (k != 0) *target = k - 1;
}

void swgopt(const char* value, const char* option) {
    const int o = widgetKeyword("POSI+MASK", 2, option, "SWGOPT");
    if (o == 1) {
        const int k = widgetKeyword("STAN+CENT", 2, value, "SWGOPT");
        if (k != 0) options().centre = k == 2;
    } else if (o == 2) {
        const int k = widgetKeyword("STAN+USER", 2, value, "SWGOPT");
        if (k != 0) options().userMask = k == 2;
    }
}

void swgclr(float r, float g, float b, const char* option) {
    const int k = widgetKeyword("BACK+FORE+SCRO+LTEX+RESE", 5, option, "SWGCLR");
    if (k == 0) return;
    WidgetOptions& o = options();
    if (k == 5) {
        o.background = o.foreground = o.scroll = o.textBackground = WidgetColour{};
        return;
    }
    if (!(r >= 0.f && r <= 1.f && g >= 0.f && g <= 1.f && b >= 0.f && b <= 1.f)) {
        widgetMessage(">>>> Not allowed parameter in SWGCLR!");
        return;
    }
    WidgetColour* colours[4] = {&o.background, &o.foreground, &o.scroll, &o.textBackground};
    *colours[k - 1] = {true, int(std::lround(r * 255.f)), int(std::lround(g * 255.f)), int(std::lround(b * 255.f))};
}

void swgmrg(int value, const char* option) {
    const int k = widgetKeyword("LEFT+TOP +RIGH+BOTT", 4, option, "SWGMRG");
    if (k != 0) options().margin[k - 1] = value;
}

void swgtit(const char* title) { options().title = title; }

void swghlp(const char* text) { options().help = text; }

void swgfnt(const char* font, int size) {
    // A name alone becomes a pattern of the bold upright font of that size;
    // a pattern is taken as it is.
    if (std::strchr(font, '*') || std::strchr(font, '-')) {
        options().font = font;
        return;
    }
    char pattern[256];
    std::snprintf(pattern, sizeof pattern, "*-%s-Bold-R-Normal--%d*", font, size);
    options().font = pattern;
}

}  // namespace vtx
