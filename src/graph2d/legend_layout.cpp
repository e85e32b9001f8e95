#include "graph2d/legend_layout.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/checks.h"
#include "text/strings.h"

namespace vtx {

void legendLineText(const Globals& g, const char* buffer, int line, char* out) {
    const LegendState& L = g.legend;
    int n = 0;
    if (buffer && line >= 1 && line <= L.lines) {
        const char* p = buffer + static_cast<long>(line - 1) * L.lineChars;
        while (n < L.lineChars && p[n] != '\0') out[n] = p[n], ++n;
    }
    while (n > 0 && out[n - 1] == ' ') --n;
    out[n] = '\0';
}

LegendBox legendBox(Globals& g, const char* buffer) {
    const LegendState& L = g.legend;
    LegendBox box;
    const float h = static_cast<float>(g.text.height);
    const float s = h * g.text.lineSpacing;
    box.spacing = s;

    int widest = 0;
    char text[kLegendLineChars + 1];
    for (int i = 1; i <= L.lines; ++i) {
        legendLineText(g, buffer, i, text);
        const int subs = forEachSubLine(g, text, [&](const char* part) {
            widest = std::max(widest, measureString(g, part));
        });
        box.subLineTotal += subs - 1;
    }

    const int frame = g.axis.frame > 0 ? g.axis.frame : 0;
    float width = widest + 2.0f * L.margin * s;
    if (std::fabs(L.sampleLength) >= 0.001f) width += std::round(h + L.sampleLength * h);
    box.hasTitle = L.title[0] != '\0' && std::strspn(L.title, " ") != std::strlen(L.title);
    if (box.hasTitle) {
        const int titleWidth = measureString(g, L.title);
        if (titleWidth > width) width = titleWidth + 2.0f * L.margin * s;
    }
    width += 2.0f * frame;

    // Each extra sub-line widens its entry once above and once below its middle.
    const float extra = box.subLineTotal * L.subLineSpacing * s;
    float height = 2.0f * extra + h + (2.0f * L.margin + L.lines - 1) * s + 2.0f * frame;
    if (box.hasTitle) height += 1.5f * s;
    // Line spacings and margins may be any float: a box beyond any page is
    // kept at a size that later sums of positions cannot overflow.
    constexpr float kMaxExtent = 1.0e8f;
    box.width = roundToInt(std::clamp(width, 0.0f, kMaxExtent));
    box.height = roundToInt(std::clamp(height, 0.0f, kMaxExtent));
    return box;
}

void legendCorner(const Globals& g, const LegendBox& box, int corner, int& x, int& y) {
    const LegendState& L = g.legend;
    if (L.fixedPosition) {
        x = L.posX, y = L.posY;
        return;
    }
    const long long m = roundToInt(L.margin * g.text.height);
    long long left, top, right, bottom;
    if (corner <= 4) {
        left = 0, top = 0, right = g.out.nxPage, bottom = g.out.nyPage;
    } else {
        const AxisState& a = g.axis;
        left = a.nxa, right = (long long)a.nxa + a.nxl - 1, bottom = a.nya, top = (long long)a.nya - a.nyl + 1;
    }
    const bool low = corner == 1 || corner == 2 || corner == 5 || corner == 6;
    const bool onRight = corner == 2 || corner == 3 || corner == 6 || corner == 7;
    x = clampToInt(onRight ? right - m - box.width : left + m);
    y = clampToInt(low ? bottom - m - box.height : top + m);
}

}  // namespace vtx
