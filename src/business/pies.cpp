// piegrf: a pie chart in the area of the axis system, flat or tilted, with
// exploded segments and labels inside the segments or outside with
// connecting arrows.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "session/globals.h"
#include "business/api.h"
#include "business/business_state.h"
#include "business/pie_geometry.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "figures/arc_geometry.h"
#include "figures/figure_drawing.h"
#include "figures/figures_state.h"
#include "graph2d/api.h"
#include "graph2d/axis_system.h"
#include "graph2d/legend_entries.h"
#include "text/number_format.h"
#include "text/strings.h"

namespace vtx {

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;
constexpr int kPieDigits = 2;  // index of PIE in the digits of the other labels

// Everything fixed for one chart.
struct PieChart {
    float cx = 0, cy = 0, R = 0;   // centre and radius (the horizontal half axis)
    float b = 0;                   // vertical half axis (R for flat pies)
    int wall = 0;                  // side wall height of tilted pies
    bool tilted = false;
};

// One segment with its place, attributes and label.
struct PieSlice {
    PieSegment seg;
    float ox = 0, oy = 0;          // explosion move
    int colour = 0, pattern = 0, labelColour = 0;
    std::vector<std::string> lines;
    float boxW = 0, boxH = 0;
};

// The polyline of the ellipse rim from `from` to `to` degrees (polar angles).
void rimPoints(const PieChart& c, float cx, float cy, double from, double to, float spacing, std::vector<float>& x,
               std::vector<float>& y) {
    const int n = std::max(arcChords((to - from) * kDegree, c.R, spacing), 1);
    for (int i = 0; i <= n; ++i) {
        const double t = from + (to - from) * i / n;
        const double r = ellipseRadius(c.R, c.b, t);
        x.push_back(float(cx + r * std::cos(t * kDegree)));
        y.push_back(float(cy - r * std::sin(t * kDegree)));
    }
}

void fillAndOutline(Globals& g, const std::vector<float>& x, const std::vector<float>& y, int border) {
    const int n = int(x.size());
    if (n < 3) return;
    if (figuresFilled(g)) fillFigure(g, x.data(), y.data(), n);
    ColourScope colour(g);
    if (border >= 0) qqsclr(g, border);
    strtqq(g, x[0], y[0]);
    for (int i = 1; i < n; ++i) connqq(g, x[i], y[i]);
    connqq(g, x[0], y[0]);
    qqstrk(g);
}

void applyAttributes(Globals& g, const PieSlice& s) {
    qqsclr(g, s.colour);
    setShadingPattern(g, s.pattern);
}

// The visible side walls of a tilted segment: its parts in the lower half
// of the ellipse, each hanging `wall` units below the rim.
void drawWalls(Globals& g, const PieChart& c, const PieSlice& s, int border) {
    for (int k = -1; k <= 1; ++k) {
        const double lo = std::max(s.seg.from, 180.0 + 360.0 * k), hi = std::min(s.seg.to, 360.0 + 360.0 * k);
        if (!(hi > lo)) continue;
        std::vector<float> x, y;
        rimPoints(c, c.cx + s.ox, c.cy + s.oy, lo, hi, g.fig.arcSpacing, x, y);
        const size_t n = x.size();
        for (size_t i = n; i-- > 0;) x.push_back(x[i]), y.push_back(y[i] + float(c.wall));
        fillAndOutline(g, x, y, border);
    }
}

void drawTop(Globals& g, const PieChart& c, const PieSlice& s, int border) {
    std::vector<float> x, y;
    if (s.seg.half * 2 >= 360.0 - 1e-9) {
        rimPoints(c, c.cx + s.ox, c.cy + s.oy, 0, 360, g.fig.arcSpacing, x, y);
    } else {
        ArcSpec arc;
        arc.cx = c.cx + s.ox, arc.cy = c.cy + s.oy, arc.a = c.R, arc.b = c.b;
        arc.alpha = float(s.seg.from), arc.beta = float(s.seg.to);
        emitArc(arc, g.fig.arcSpacing, true, [&](float px, float py) { x.push_back(px), y.push_back(py); });
    }
    fillAndOutline(g, x, y, border);
}

// A number of a label with the unit texts of pielab around it.
std::string labelNumber(const Globals& g, float value) {
    char raw[kNumberTextSize], text[kNumberTextSize];
    formatFloa(value, g.axis.otherDigits[kPieDigits], raw, sizeof raw);
    applyNumberMode(g.text, raw, text, sizeof text);
    return std::string(g.biz.pieUnit[0]) + text + g.biz.pieUnit[1];
}

// The label lines of segment i: its text lines, then value and/or percentage.
std::vector<std::string> labelLines(const Globals& g, const std::vector<std::string>& text, int nlin, int i,
                                    float value, float percent) {
    std::vector<std::string> lines;
    const size_t first = size_t(i) * size_t(std::max(nlin, 0));
    for (size_t index = first; index < first + size_t(std::max(nlin, 0)) && index < text.size(); ++index)
        if (!text[index].empty()) lines.push_back(text[index]);
    const int content = g.axis.pieLabel;  // 0 NONE, 1 PERC, 2 DATA, 3 BOTH
    if (content == 2 || content == 3) lines.push_back(labelNumber(g, value));
    if (content == 1 || content == 3) lines.push_back(labelNumber(g, percent));
    return lines;
}

std::vector<std::string> splitLines(const char* buffer) {
    std::vector<std::string> lines;
    std::string line;
    for (const char* p = buffer; *p; ++p) {
        if (*p == '\n') lines.push_back(line), line.clear();
        else line += *p;
    }
    lines.push_back(line);
    return lines;
}

// Text justification of a label in its box: 0 left, 1 centred, 2 right.
int lineJustification(int labtyp, bool inside, bool rightOfPie) {
    switch (labtyp) {
        case 1: return 0;                          // LEFT
        case 2: return 2;                          // RIGH
        case 3: return inside ? 1 : (rightOfPie ? 0 : 2);  // TYPS: centred inside, towards the pie outside
        case 4: return rightOfPie ? 2 : 0;         // OUTW
        case 5: return rightOfPie ? 0 : 2;         // INWA
        default: return 1;                         // CENT
    }
}

void drawLabel(Globals& g, const PieChart& c, const PieSlice& s, float alignWidth) {
    const float h = float(g.text.height);
    const float margin = 0.5f * h, step = std::round(g.text.lineSpacing * h);
    const PieLabelMode mode = PieLabelMode(g.axis.pieLabelPos);
    const double along = c.tilted ? ellipseRadius(c.R, c.b, s.seg.mid) : c.R;
    const float w = mode == PieLabelMode::Aligned ? alignWidth : s.boxW;
    PieLabelPlace p = placePieLabel(c.cx + s.ox, c.cy + s.oy, along, s.seg.mid, s.seg.half, w, s.boxH, mode,
                                    c.R + 120.0);
    // Below the centre of a tilted pie outside labels keep clear of the walls.
    if (!p.inside && c.wall > 0 && std::sin(s.seg.mid * kDegree) < 0)
        p = placePieLabel(c.cx + s.ox, c.cy + s.oy + float(c.wall), along, s.seg.mid, s.seg.half, w, s.boxH,
                          PieLabelMode(std::max(int(mode), 1)), c.R + 120.0);
    ColourScope colour(g);
    qqsclr(g, s.labelColour);
    const float x1 = float(p.boxX), y1 = float(p.boxY), x2 = x1 + w, y2 = y1 + s.boxH;
    if (p.inside) {
        // The label area stays free of the segment's fill.
        const float bx[4] = {x1, x2, x2, x1}, by[4] = {y1, y1, y2, y2};
        fillSolid(g, bx, by, 4, g.colour.background);
    } else if (g.biz.pieVectorMode == 0) {
        drawArrow(g, float(p.anchorX), float(p.anchorY), float(p.tipX), float(p.tipY), g.biz.pieVector);
        lineqq(g, float(p.anchorX), float(p.anchorY), float(p.edgeX), float(p.edgeY));
    } else if (g.biz.pieVectorMode == 1) {
        drawArrow(g, float(p.edgeX), float(p.edgeY), float(p.tipX), float(p.tipY), g.biz.pieVector);
    }
    rectqq(g, x1, y1, x2, y2);
    qqstrk(g);
    const int just = lineJustification(g.axis.pieLabelJust, p.inside, std::cos(s.seg.mid * kDegree) >= 0);
    for (size_t k = 0; k < s.lines.size(); ++k) {
        const float tw = float(measureString(g, s.lines[k].c_str()));
        float tx = x1 + margin;
        if (just == 1) tx = x1 + (w - tw) / 2;
        if (just == 2) tx = x2 - margin - tw;
        qqmess(g, s.lines[k].c_str(), int(std::lround(tx)), int(std::lround(y1 + margin + float(k) * step)));
    }
}

}  // namespace

void piegrf(const char* cbuf, int nlin, const float* x, int n) {
    Globals* gp = jqqlev(1, 1, "piegrf");
    if (!gp) return;
    Globals& g = *gp;
    if (n < 1) {
        warni1(Warning::IncorrectParameter, n);
        return;
    }
    double sum = 0;
    for (int i = 0; i < n; ++i)
        if (std::isfinite(x[i])) sum += std::fabs(x[i]);
    if (!(sum > 1.0e-35) || !std::isfinite(sum)) {
        warnin(Warning::SumIsZero);
        return;
    }
    // An invisible axis system over the area holds the pie: the plot is at
    // level 2 afterwards, as after any other graph, so that titles and
    // legends can follow and endgrf closes it.
    nograf();
    graf(0, 5, 0, 1, 0, 5, 0, 1);
    if (g.ctl.level != 2) return;
    const BusinessState& b = g.biz;

    // The area of the axis system fixes centre and radius.
    int nxa, nya;
    axisCorner(g, nxa, nya);
    const int lx = axisLengthX(g), ly = axisLengthY(g);
    PieChart c;
    c.cx = float(nxa) + float(lx) / 2, c.cy = float(nya) - float(ly) / 2;
    c.R = float(std::min(lx, ly)) / 2;
    c.b = c.R;
    c.tilted = b.pieType == 1;
    if (c.tilted) {
        c.b = float(std::max(tiltedMinorAxis(c.R, b.pieOpt[1]), 1));
        c.wall = int(std::lround(c.R * b.pieOpt[0]));
    }
    std::vector<float> values(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) values[size_t(i)] = std::isfinite(x[i]) ? x[i] : 0.0f;
    const std::vector<PieSegment> segments = pieSegments(values.data(), n, sum, c.R, c.b, c.tilted);

    const std::vector<std::string> text = nlin > 0 && cbuf ? splitLines(cbuf) : std::vector<std::string>{};
    const int current = g.colour.current;
    const float h = float(g.text.height);
    const float step = std::round(g.text.lineSpacing * h);
    const int offset = explosionOffset(c.R);
    std::vector<PieSlice> slices(static_cast<size_t>(n));
    float widest = 0;
    for (int i = 0; i < n; ++i) {
        PieSlice& s = slices[size_t(i)];
        const float v = values[size_t(i)];
        s.seg = segments[size_t(i)];
        s.colour = current, s.pattern = g.fill.pattern, s.labelColour = current;
        if (b.pieChange == 1 || b.pieChange == 3) {
            s.colour = g.colour.colourCycle[i % kCycleLength];
        } else if (b.pieColourCount > 0) {
            const int* pair = b.pieColours[i % b.pieColourCount];
            if (pair[0] >= 0) s.colour = pair[0];
            if (pair[1] >= 0) s.labelColour = pair[1];
        }
        if (g.axis.labelColour >= 0) s.labelColour = g.axis.labelColour;
        if (b.pieChange >= 2) s.pattern = g.curve.patternCycle[i % kCycleLength];
        if (b.pieExplode || v < 0) {
            const double m = s.seg.mid * kDegree;
            s.ox = float(offset * std::cos(m));
            s.oy = float(-offset * std::sin(m) * c.b / c.R);
        }
        s.lines = labelLines(g, text, nlin, i, v, float(100.0 * v / sum));
        if (!s.lines.empty()) {
            float tw = 0;
            for (const std::string& line : s.lines) tw = std::max(tw, float(measureString(g, line.c_str())));
            s.boxW = std::round(tw + h);
            s.boxH = std::round(float(s.lines.size() - 1) * step + 2 * h);
            widest = std::max(widest, s.boxW);
        }
    }

    ColourScope colourScope(g);
    PatternScope patternScope(g);
    // Tilted pies need their edges drawn to show the walls: in the foreground
    // colour unless an outline colour is set.
    const int border = b.pieBorder >= 0 ? b.pieBorder : (c.tilted ? g.colour.foreground : -1);
    for (int i = 0; i < n; ++i) {
        const PieSlice& s = slices[size_t(i)];
        registerLegendEntry(g, -1, -1, g.line.curveThickness, s.colour, s.pattern);
        ++g.curve.curveCount;
    }
    if (c.tilted) {
        // Walls from the back to the front: the one facing the viewer last.
        std::vector<int> order(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) order[size_t(i)] = i;
        auto frontness = [&](int i) {
            const double m = std::fmod(slices[size_t(i)].seg.mid + 720.0, 360.0);
            return -std::fabs(m - 270.0);
        };
        std::stable_sort(order.begin(), order.end(), [&](int p, int q) { return frontness(p) < frontness(q); });
        for (int i : order) {
            if (slices[size_t(i)].seg.half <= 0) continue;
            applyAttributes(g, slices[size_t(i)]);
            drawWalls(g, c, slices[size_t(i)], border);
        }
    }
    for (const PieSlice& s : slices) {
        if (s.seg.half <= 0) continue;  // a zero value has no area to fill
        applyAttributes(g, s);
        drawTop(g, c, s, border);
    }
    for (const PieSlice& s : slices)
        if (!s.lines.empty()) drawLabel(g, c, s, widest);
}

}  // namespace vtx
