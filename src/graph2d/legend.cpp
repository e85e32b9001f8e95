// Drawing the legend, and its size for the caller (nxlegn, nylegn).
#include <algorithm>
#include <cmath>

#include "core/checks.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/colour.h"
#include "device/line_style.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "device/shielding.h"
#include "graph2d/curve_api.h"
#include "graph2d/curve_thickness.h"
#include "graph2d/legend_layout.h"
#include "text/fonts.h"
#include "text/text_device.h"
#include "text/strings.h"
#include "text/symbols.h"

namespace vtx {

namespace {

// The drawing attributes that the legend changes and gives back.
struct SavedAttributes {
    int colour, lineType, pattern, symbolHeight;
    explicit SavedAttributes(const Globals& g)
        : colour(g.colour.current), lineType(g.line.lineType), pattern(g.fill.pattern),
          symbolHeight(g.axis.symbolHeight) {}
    void restore(Globals& g) const {
        if (g.colour.current != colour) qqsclr(g, colour);
        setLineType(g, lineType);
        setShadingPattern(g, pattern);
        g.axis.symbolHeight = symbolHeight;
    }
};

void drawFrame(Globals& g, int x, int y, int w, int h) {
    const int frame = g.axis.frame;
    // Rings one plot unit apart: beyond the page's size more add nothing.
    const int count = std::min(frame < 0 ? -frame : frame, std::max(g.out.nxPage, g.out.nyPage) + 1);
    for (int k = 0; k < count; ++k) {
        // Positive thickness grows inwards, negative outwards.
        const float d = frame > 0 ? float(k) : -float(k + 1);
        const float x1 = x + d, y1 = y + d, x2 = x + w - 1 - d, y2 = y + h - 1 - d;
        rectqq(g, x1, y1, x2, y2);
    }
    qqstrk(g);
}

void drawSample(Globals& g, const LegendEntry& e, float x, float yMid, float length, float h) {
    if (e.pattern >= 0) {
        setShadingPattern(g, e.pattern);
        const float xs[4] = {x, x + length, x + length, x};
        const float ys[4] = {yMid - h / 2, yMid - h / 2, yMid + h / 2, yMid + h / 2};
        dareaf(g, xs, ys, 4);
        return;
    }
    if (e.lineStyle >= 0 && length > 0.0f) {
        setLineType(g, e.lineStyle);
        const int passes = curvePasses(g, e.thickness);
        for (int k = 0; k < passes; ++k) {
            lineqq(g, x, yMid, x + length, yMid, passOffset(g, k));
            qqstrk(g);
        }
    }
    if (e.symbol >= 0) dsymbl(g, e.symbol, std::round(x + length / 2), std::round(yMid));
}

}  // namespace

void legend(char* buffer, int corner) {
    Globals* g = jqqlev(2, 3, "legend");
    if (!g) return;
    LegendState& L = g->legend;
    if (!L.initialised) {
        warnin(15);
        return;
    }
    if (jqqval(corner, 1, 8) != 0) return;
    if (L.userPatterns) {
        for (int i = 1; i <= L.lines; ++i) {
            if (!L.entries[i - 1].setByUser) {
                qqserr("Undefined legend line");
                warni1(105, i);
            }
        }
    } else if (L.curves < L.lines) {
        warni1(42, L.lines - L.curves);
    }

    const LegendBox box = legendBox(*g, buffer);
    int x0, y0;
    legendCorner(*g, box, corner, x0, y0);
    const SavedAttributes saved(*g);
    // The legend's own shielding region keeps curves out, not the legend.
    const int suspended = g->shield.suspended;
    g->shield.suspended = 1;
    updateShieldFilter(*g);
    const float h = float(g->text.height);
    const float s = box.spacing;
    const int frame = g->axis.frame > 0 ? g->axis.frame : 0;

    if (g->axis.frame != 0) drawFrame(*g, x0, y0, box.width, box.height);

    float y = y0 + L.margin * s + frame;
    if (box.hasTitle) {
        const int tw = measureString(*g, L.title);
        qqmess(*g, L.title, int(std::lround(x0 + (box.width - tw) / 2.0f)), int(std::lround(y)));
        y += 1.5f * s;
    }

    bool anyLine = false;
    for (int i = 0; i < L.lines && i < kLegendEntries; ++i)
        if (L.entries[i].lineStyle >= 0 || L.entries[i].pattern >= 0) anyLine = true;
    const float left = x0 + L.margin * s + frame;
    const float length = L.sampleLength * h;
    float textX = left + length + h;
    if (!anyLine) textX -= std::trunc((L.sampleLength - 0.8f) * h * 0.25f);

    g->axis.symbolHeight = int(0.8f * h);
    char text[kLegendLineChars + 1];
    for (int i = 1; i <= L.lines; ++i) {
        const LegendEntry& e = L.entries[i - 1 < kLegendEntries ? i - 1 : kLegendEntries - 1];
        legendLineText(*g, buffer, i, text);
        int subs = forEachSubLine(*g, text, [](const char*) {});
        const float entryHeight = (subs - 1) * L.subLineSpacing * s + h;
        const int colour = e.colour >= 0 ? e.colour : saved.colour;
        if (g->colour.current != colour) qqsclr(*g, colour);
        drawSample(*g, e, left, y + entryHeight / 2, length, h);

        const int textColour = g->axis.legendColour ? colour : saved.colour;
        if (g->colour.current != textColour) qqsclr(*g, textColour);
        float ty = y;
        forEachSubLine(*g, text, [&](const char* part) {
            qqmess(*g, part, int(std::lround(textX)), int(std::lround(ty)));
            ty += L.subLineSpacing * s;
        });
        y += (subs - 1) * L.subLineSpacing * s + s;
    }
    textFlush(*g);
    saved.restore(*g);
    g->shield.suspended = suspended;
    updateShieldFilter(*g);
}

int nxlegn(char* buffer) {
    Globals* g = jqqlev(1, 3, "nxlegn");
    if (!g) return 0;
    if (!g->legend.initialised) {
        warnin(15);
        return 0;
    }
    return legendBox(*g, buffer).width;
}

int nylegn(char* buffer) {
    Globals* g = jqqlev(1, 3, "nylegn");
    if (!g) return 0;
    if (!g->legend.initialised) {
        warnin(15);
        return 0;
    }
    return legendBox(*g, buffer).height;
}

}  // namespace vtx
