// Drawing the legend, and its size for the caller (nxlegn, nylegn).
#include <algorithm>
#include <cmath>

#include "session/globals.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/frame_rings.h"
#include "device/line_style.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "device/shielding.h"
#include "graph2d/curve_api.h"
#include "graph2d/curve_thickness.h"
#include "graph2d/legend_layout.h"
#include "text/fonts.h"
#include "text/text_device.h"
#include "graph2d/axis_drawer.h"
#include "text/strings.h"
#include "text/symbols.h"

namespace vtx {

namespace {

void drawFrame(Globals& g, int x, int y, int w, int h) {
    const FrameColour colour(g);
    const int frame = g.axis.frame;
    const int count = frameRingCount(g, frame);
    const int stride = coveredCopyStride(g, 1.0f);
    for (int k = 0; k < count; ++k) {
        if (!copyNeeded(k, count, stride)) continue;
        // Positive thickness grows inwards, negative outwards.
        const float d = frame > 0 ? float(k) : -float(k + 1);
        const float x1 = float(x) + d, y1 = float(y) + d;
        const float x2 = float(x) + float(w) - 1.0f - d, y2 = float(y) + float(h) - 1.0f - d;
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
        const int stride = coveredCopyStride(g, 1.0f / penFactor(g));
        for (int k = 0; k < passes; ++k) {
            if (!passDrawn(k, passes, stride)) continue;
            lineqq(g, x, yMid, x + length, yMid, passOffset(g, k));
            qqstrk(g);
        }
    }
    if (e.symbol >= 0) dsymbl(g, e.symbol, std::round(x + length / 2), std::round(yMid));
}

// The frame, title, samples and texts; the samples borrow the colour, the
// line type and the pattern, which come back in this order.
void drawLegendBox(Globals& g, char* buffer, const LegendBox& box, int x0, int y0) {
    const LegendState& L = g.legend;
    PatternScope pattern(g);
    LineTypeScope lineType(g, Restore::Always);
    ColourScope callerColour(g);
    const int symbolHeight = g.text.symbolHeight;
    const float h = float(g.text.height);
    const float s = box.spacing;
    const int frame = g.axis.frame > 0 ? g.axis.frame : 0;

    if (g.axis.frame != 0) drawFrame(g, x0, y0, box.width, box.height);

    float y = y0 + L.margin * s + frame;
    if (box.hasTitle) {
        const int tw = measureString(g, L.title);
        qqmess(g, L.title, roundToInt(float(x0) + (float(box.width) - float(tw)) / 2.0f), roundToInt(y));
        y += 1.5f * s;
    }

    bool anyLine = false;
    for (int i = 0; i < L.lines && i < kLegendEntries; ++i)
        if (L.entries[i].lineStyle >= 0 || L.entries[i].pattern >= 0) anyLine = true;
    const float left = x0 + L.margin * s + frame;
    const float length = L.sampleLength * h;
    float textX = left + length + h;
    if (!anyLine) textX -= std::trunc((L.sampleLength - 0.8f) * h * 0.25f);

    g.text.symbolHeight = int(0.8f * h);
    char text[kLegendLineChars + 1];
    for (int i = 1; i <= L.lines; ++i) {
        const LegendEntry& e = L.entries[i - 1 < kLegendEntries ? i - 1 : kLegendEntries - 1];
        legendLineText(g, buffer, i, text);
        int subs = forEachSubLine(g, text, [](const char*) {});
        const float entryHeight = (subs - 1) * L.subLineSpacing * s + h;
        const int colour = e.colour >= 0 ? e.colour : callerColour.saved();
        if (g.colour.current != colour) qqsclr(g, colour);
        drawSample(g, e, left, y + entryHeight / 2, length, h);

        const int textColour = g.legend.colour ? colour : callerColour.saved();
        if (g.colour.current != textColour) qqsclr(g, textColour);
        float ty = y;
        forEachSubLine(g, text, [&](const char* part) {
            qqmess(g, part, roundToInt(textX), roundToInt(ty));
            ty += L.subLineSpacing * s;
        });
        y += (subs - 1) * L.subLineSpacing * s + s;
    }
    textFlush(g);
    g.text.symbolHeight = symbolHeight;
}

}  // namespace

void legend(char* buffer, int corner) {
    Globals* g = jqqlev(2, 3, "legend");
    if (!g) return;
    LegendState& L = g->legend;
    if (!L.initialised) {
        warnin(Warning::NoLegini);
        return;
    }
    if (jqqval(corner, 1, 8) != 0) return;
    if (L.userPatterns) {
        for (int i = 1; i <= L.lines; ++i) {
            if (!L.entries[i - 1].setByUser) {
                warnText(105, "Undefined legend line", i);
            }
        }
    } else if (L.curves < L.lines) {
        warni1(Warning::MoreLegendLinesThanCurves, L.lines - L.curves);
    }

    const LegendBox box = legendBox(*g, buffer);
    int x0, y0;
    legendCorner(*g, box, corner, x0, y0);
    // The legend's own shielding region keeps curves out, not the legend.
    const int suspended = g->shield.suspended;
    g->shield.suspended = 1;
    updateShieldFilter(*g);
    drawLegendBox(*g, buffer, box, x0, y0);
    g->shield.suspended = suspended;
    updateShieldFilter(*g);
}

int nxlegn(char* buffer) {
    Globals* g = jqqlev(1, 3, "nxlegn");
    if (!g) return 0;
    if (!g->legend.initialised) {
        warnin(Warning::NoLegini);
        return 0;
    }
    return legendBox(*g, buffer).width;
}

int nylegn(char* buffer) {
    Globals* g = jqqlev(1, 3, "nylegn");
    if (!g) return 0;
    if (!g->legend.initialised) {
        warnin(Warning::NoLegini);
        return 0;
    }
    return legendBox(*g, buffer).height;
}

}  // namespace vtx
