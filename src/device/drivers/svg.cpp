// SVG output (device 801): the prolog, paths collected into line and
// polyline elements inside groups that carry colour and stroke width,
// filled polygons and rectangles, and one text element per hardware
// character inside groups that carry the font.
#include "device/drivers/svg.h"

#include <algorithm>
#include <cmath>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/path_buffer.h"
#include "device/output.h"

namespace vtx {

namespace {

constexpr int kPointsPerLine = 5;

enum Group { kNoGroup = 0, kLineGroup = 1, kTextGroup = 2 };

struct TextFont {
    int index = -1;  // the psfont order; -1 before the first character
    int size = 0;    // font-size in pixels
};

// One SVG document at a time, from vtxini to vtxfin.
struct SvgState {
    bool open = false;
    PathBuffer<float> path;
    int group = kNoGroup;
    TextFont groupFont;  // font of the open text group
    TextFont nextFont;   // font the next text group is opened with
    int red = 0, green = 0, blue = 0;
    float strokeWidth = 1.0f;
};
SvgState svg;

// Two decimals are all a pixel coordinate needs; a value that is not finite
// would make the document unreadable, so it is written as 0.
inline double coordinate(float v) { return std::isfinite(v) ? double(v) : 0.0; }

// Points of a polyline or polygon: five to a line, no break after the last.
void writePoints(Globals& g, const float* x, const float* y, int n) {
    for (int i = 0; i < n; ++i) {
        outPrintf(g, " %.2f, %.2f", coordinate(x[i]), coordinate(y[i]));
        if ((i + 1) % kPointsPerLine == 0 && i + 1 < n) outWrite(g, "\n", 1);
    }
}

void closeGroup(Globals& g) {
    if (svg.group == kNoGroup) return;
    outWrite(g, "</g>\n", 5);
    svg.group = kNoGroup;
}

void openLineGroup(Globals& g) {
    closeGroup(g);
    outPrintf(g, "<g fill=\"none\" stroke=\"#%02x%02x%02x\" ", svg.red, svg.green, svg.blue);
    outPrintf(g, "stroke-width=\"%.3f\">\n", double(svg.strokeWidth));
    svg.group = kLineGroup;
}

struct FontStyle {
    const char* family;
    const char* weight;
    const char* style;
};

// The standard fonts map onto three families; the others show as Times.
FontStyle fontStyle(int index) {
    static const char* const kWeights[4] = {"normal", "bold", "normal", "bold"};
    if (index >= 0 && index <= 3) {
        static const char* const kStyles[4] = {"normal", "normal", "italic", "italic"};
        return {"Times", kWeights[index], kStyles[index]};
    }
    static const char* const kStyles[4] = {"normal", "normal", "oblique", "oblique"};
    if (index >= 4 && index <= 11) return {"Helvetica", kWeights[(index - 4) % 4], kStyles[(index - 4) % 4]};
    if (index >= 18 && index <= 21) return {"Courier", kWeights[index - 18], kStyles[index - 18]};
    if (index == 34) return {"Symbol", "normal", "normal"};
    return {"Times", "normal", "normal"};
}

void openTextGroup(Globals& g) {
    closeGroup(g);
    FontStyle f = fontStyle(svg.nextFont.index);
    outPrintf(g, "<g font-family=\"%s\" ", f.family);
    outPrintf(g, "font-weight=\"%s\" ", f.weight);
    outPrintf(g, "font-style=\"%s\"\n", f.style);
    outPrintf(g, "font-size=\"%d\" ", svg.nextFont.size);
    outPrintf(g, "stroke=\"none\" fill=\"#%02x%02x%02x\">\n", svg.red, svg.green, svg.blue);
    svg.group = kTextGroup;
    svg.groupFont = svg.nextFont;
}

void writePath(Globals& g) {
    if (svg.path.count != 0 && svg.group != kLineGroup) openLineGroup(g);
    if (svg.path.count == 2) {
        outPrintf(g, "<line x1=\"%.2f\" y1=\"%.2f\" ", coordinate(svg.path.x[0]), coordinate(svg.path.y[0]));
        outPrintf(g, "x2=\"%.2f\" y2=\"%.2f\"/>\n", coordinate(svg.path.x[1]), coordinate(svg.path.y[1]));
    } else if (svg.path.count > 2) {
        outWrite(g, "<polyline points=\"\n", 19);
        writePoints(g, svg.path.x, svg.path.y, svg.path.count);
        outWrite(g, "\"/>\n", 4);
    }
}

// qqsvg2: the path buffer. A full buffer is written and the next path starts
// at its last point, so that long polylines continue without a gap.
void qqsvg2(Globals& g, float x, float y, int op) {
    if (!svg.open) return;
    if (op == kOpDraw && !svg.path.draw(x, y)) return;
    writePath(g);
    if (op == kOpWidth) {
        closeGroup(g);
        svg.strokeWidth = std::isfinite(x) ? x : 1.0f;
    }
    if (op == kOpWidth || op == kOpStroke) {
        svg.path.endStroke();
    } else if (op == kOpFinish) {
        closeGroup(g);
        outWrite(g, "</svg>\n", 7);
        svg.path.count = 0;
        svg.open = false;
    } else {
        svg.path.restartAt(x, y);
    }
}

// Pixels: the page fills the window of vtxini like a raster image.
float pageScale(const Globals& g, int w, int h) {
    float pw = float(g.out.nxPage), ph = float(g.out.nyPage);
    if (g.out.pageMode == 1) std::swap(pw, ph);
    pw = std::max(pw, 1.0f), ph = std::max(ph, 1.0f);
    float s = std::min(float(w - 1) / pw, float(h - 1) / ph);
    if (g.out.scaleMode == 0) {
        const float f = g.out.scaleFactor * g.out.unitFactor;
        s = std::min(s, float(pw > ph ? w - 1 : h - 1) * f / 2969.0f);
    }
    return std::max(s, 0.0f);
}

void writeProlog(Globals& g, int w, int h) {
    outPrintf(g, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\" standalone=\"no\"?>\n");
    outPrintf(g, "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 20010904//EN\"\n");
    outPrintf(g, "  \"http://www.w3.org/TR/2001/REC-SVG-20010904/DTD/svg10.dtd\">\n");
    char date[11], time[9];
    currentDateTime(date, time);
    outPrintf(g, "<!-- Created by VANTIX (https://vantix.example.org)\n");
    outPrintf(g, "Version: %4.1f\n", double(kVersion));
    outPrintf(g, "Date   : %s %s\n", date, time);
    outPrintf(g, "-->\n");
    outPrintf(g, "<svg width=\"%d\" height=\"%d\"\n", w, h);
    outPrintf(g, "  xmlns=\"http://www.w3.org/2000/svg\"\n");
    outPrintf(g, "  xmlns:xlink=\"http://www.w3.org/1999/xlink\">\n\n");
}

void begin(Globals& g) {
    const int w = std::max(g.out.winW, 2), h = std::max(g.out.winH, 2);
    g.out.deviceScale = pageScale(g, w, h);
    svg = SvgState();
    svg.open = true;
    writeProlog(g, w, h);
    // The page is black unless the screen mode is reverse (the default).
    if (g.out.screenMode != 2) qqsvg4(g, 0.0f, 0.0f, float(w - 1), float(h - 1), 0, 0, 0);
}

void end(Globals& g) { qqsvg2(g, 0.0f, 0.0f, kOpFinish); }

// A solid polygon in the current colour, inside a line group.
void polygon(Globals& g, const float* x, const float* y, int n) {
    if (!svg.open || n < 1) return;
    qqsvg2(g, 0.0f, 0.0f, kOpStroke);
    if (svg.group != kLineGroup) openLineGroup(g);
    outPrintf(g, "<polygon fill=\"#%02x%02x%02x\" points=\"\n", svg.red, svg.green, svg.blue);
    writePoints(g, x, y, n);
    outWrite(g, "\"/>\n", 4);
}

void colour(Globals& g, int /*index*/, int red, int green, int blue) {
    qqsvg3(g, red & 255, green & 255, blue & 255);
}

}  // namespace

void qqsvg1(Globals& g, int mode) {
    if (!svg.open) return;
    if (mode == 0) closeGroup(g);
    else if (mode == 1 && svg.group != kLineGroup) openLineGroup(g);
    else if (mode == 2 && svg.group != kTextGroup) openTextGroup(g);
}

void qqsvg3(Globals& g, int red, int green, int blue) {
    if (!svg.open) return;
    qqsvg2(g, 0.0f, 0.0f, kOpStroke);
    closeGroup(g);
    svg.red = std::clamp(red, 0, 255), svg.green = std::clamp(green, 0, 255), svg.blue = std::clamp(blue, 0, 255);
}

void qqsvg4(Globals& g, float x, float y, float width, float height, int red, int green, int blue) {
    if (!svg.open) return;
    outPrintf(g, "<rect x=\"%.2f\" y=\"%.2f\" ", coordinate(x), coordinate(y));
    outPrintf(g, "width=\"%.2f\" height=\"%.2f\"\n", coordinate(width), coordinate(height));
    outPrintf(g, " fill=\"#%02x%02x%02x\" stroke=\"none\"", red & 255, green & 255, blue & 255);
    outWrite(g, "/>\n", 3);
}

void qqsvg5(Globals& g, int code, float x, float y, int fontIndex, float height, int angle) {
    if (!svg.open) return;
    const float s = g.out.deviceScale;
    svg.nextFont.index = fontIndex;
    svg.nextFont.size = int(std::floor(std::clamp(height, 0.0f, 1e6f) * 22.0f * s / 15.0f + 0.5f));
    qqsvg2(g, 0.0f, 0.0f, kOpStroke);
    if (svg.group != kTextGroup || svg.groupFont.index != svg.nextFont.index ||
        svg.groupFont.size != svg.nextFont.size)
        openTextGroup(g);
    float px = x * s, py = y * s;
    if (g.out.pageMode == 1) px = y * s, py = (float(g.out.nxPage) - x) * s;
    outPrintf(g, "<text x=\"%.2f\" y=\"%.2f\"", coordinate(px), coordinate(py));
    if (angle != 0) outPrintf(g, " rotate=\"%d\">", -angle);
    else outWrite(g, ">", 1);
    const int c = latin1Code(code);
    if (c == '&') outWrite(g, "&amp;", 5);
    else if (c == '<') outWrite(g, "&lt;", 4);
    else if (c == '>') outWrite(g, "&gt;", 4);
    else {
        const char byte = char(c);
        outWrite(g, &byte, 1);
    }
    outWrite(g, "</text>\n", 8);
}

extern const DeviceDriver kSvgDriver = {begin, end, nullptr, nullptr, qqsvg2, colour, nullptr, nullptr, polygon};

}  // namespace vtx
