// Legend buffer and options: legini, leglin, legtit, legpos, legopt, legpat,
// legclr, mixleg, and the entries registered by plotting routines.
#include <cmath>
#include <cstring>

#include "session/globals.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "device/shielding.h"
#include "graph2d/curve_api.h"
#include "graph2d/legend_entries.h"
#include "graph2d/legend_layout.h"

namespace vtx {

namespace {

Globals* initialisedLegend(const char* name) {
    Globals* g = jqqlev(1, 3, name);
    if (g && !g->legend.initialised) {
        warnin(Warning::NoLegini);
        return nullptr;
    }
    return g;
}

}  // namespace

void legini(char* buffer, int lines, int chars) {
    Globals* g = jqqlev(1, 3, "legini");
    if (!g || jqqval(lines, 1, kLegendEntries) + jqqval(chars, 1, kLegendLineChars) != 0) return;
    if (!buffer) return;
    LegendState& L = g->legend;
    L = LegendState{};
    L.initialised = 1;
    L.lines = lines, L.lineChars = chars;
    L.buffer = buffer;
    buffer[0] = '\0';
}

void leglin(char* buffer, const char* text, int line) {
    Globals* g = initialisedLegend("leglin");
    if (!g || !buffer) return;
    LegendState& L = g->legend;
    if (jqqval(line, 1, L.lines) != 0) return;
    int n = static_cast<int>(std::strlen(text));
    while (n > 0 && text[n - 1] == ' ') --n;
    if (n > L.lineChars) {
        warnc1(Warning::LegendLineTooLong, text);
        return;
    }
    char* p = buffer + static_cast<long>(line - 1) * L.lineChars;
    // Lines before this one that were never written read as blank, not as the
    // end of the buffer.
    for (char* q = buffer; q < p; ++q)
        if (*q == '\0') *q = ' ';
    std::memcpy(p, text, static_cast<size_t>(n));
    std::memset(p + n, ' ', static_cast<size_t>(L.lineChars - n));
}

void legtit(const char* text) {
    Globals* g = chkini("legtit");
    qqcopy(g->legend.title, text, kLegendTitleChars);
}

void legpos(int x, int y) {
    Globals* g = chkini("legpos");
    g->legend.fixedPosition = 1;
    g->legend.posX = x;
    g->legend.posY = roundToInt(jqqyvl(*g, static_cast<float>(y)));
}

void legopt(float sampleLength, float margin, float subLineSpacing) {
    Globals* g = chkini("legopt");
    if (!(sampleLength > 0.0f) || !(margin >= 0.0f) || !(subLineSpacing > 0.0f) || !std::isfinite(sampleLength) ||
        !std::isfinite(margin) || !std::isfinite(subLineSpacing)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->legend.sampleLength = sampleLength;
    g->legend.margin = margin;
    g->legend.subLineSpacing = subLineSpacing;
}

void legpat(int style, int thickness, int symbol, int colour, int pattern, int line) {
    Globals* g = chkini("legpat");
    const int faults = jqqval(style, -1, 7) + jqqval(thickness, 1, 10000) + jqqval(symbol, -1, 21) +
                       jqqval(colour, -1, 255) + jqqval(pattern, -1, -2) + jqqval(line, 1, kLegendEntries);
    if (faults != 0) return;
    LegendEntry& e = g->legend.entries[line - 1];
    e.lineStyle = style, e.thickness = thickness, e.symbol = symbol, e.colour = colour, e.pattern = pattern;
    e.setByUser = 1;
    g->legend.userPatterns = 1;
}

void legclr() { chkini("legclr")->legend.colour = 1; }

void mixleg() { chkini("mixleg")->legend.mix = 1; }

void registerLegendEntry(Globals& g, int lineStyle, int symbol, int thickness, int colour, int pattern) {
    LegendState& L = g.legend;
    if (!L.initialised) return;
    const int k = ++L.curves;
    if (k == 1 && autoShielding(g, kShieldLegends) && L.lines > 0) {
        // Without legpos the corner is known only when the legend is drawn;
        // the region takes the upper right inside corner of the axis system.
        LegendBox box = legendBox(g, L.buffer);
        int x, y;
        legendCorner(g, box, 7, x, y);
        registerShieldRectangle(g, kShieldLegends, float(x), float(y), float(box.width), float(box.height), 0.0f);
        L.shieldRegistered = 1;
    }
    if (L.userPatterns || k > kLegendEntries) return;
    LegendEntry& e = L.entries[k - 1];
    e.lineStyle = lineStyle, e.symbol = symbol, e.thickness = thickness, e.colour = colour, e.pattern = pattern;
}

}  // namespace vtx
