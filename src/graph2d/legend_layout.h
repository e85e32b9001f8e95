// Legend lines, sub-lines and the legend's size and place on the page.
#pragma once

#include "session/globals.h"

namespace vtx {

// Text of legend line `line` (1 ... nlin) of the caller's buffer, trailing
// blanks removed; a NUL inside the line ends it early.
void legendLineText(const Globals& g, const char* buffer, int line, char* out);

// Splits a line at the LEG mix character when mixleg is on; calls
// each(text) for every sub-line and returns their number.
template <typename Each>
int forEachSubLine(const Globals& g, const char* text, Each&& each) {
    char part[kLegendLineChars + 1];
    const char split = g.legend.mix ? g.text.mixChars[3] : '\0';
    int count = 0, k = 0;
    for (const char* p = text;; ++p) {
        if (*p == '\0' || (split != '\0' && *p == split)) {
            part[k] = '\0';
            each(static_cast<const char*>(part));
            ++count, k = 0;
            if (*p == '\0') break;
        } else if (k < kLegendLineChars) {
            part[k++] = *p;
        }
    }
    return count;
}

struct LegendBox {
    int width = 0, height = 0;
    float spacing = 0.0f;      // s: character height times the line spacing factor
    int subLineTotal = 0;      // sub-lines beyond the first, over all lines
    bool hasTitle = false;
};

// Width and height of the legend in plot units.
LegendBox legendBox(Globals& g, const char* buffer);

// Upper left corner of the legend drawn at `corner` (1 ... 8), or at the
// legpos position when one was given.
void legendCorner(const Globals& g, const LegendBox& box, int corner, int& x, int& y);

}  // namespace vtx
