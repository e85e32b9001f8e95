// SVG output (device 801): the prolog, paths collected into line and
// polyline elements inside groups that carry colour and stroke width,
// filled polygons and rectangles, and one text element per hardware
// character inside groups that carry the font.
#include <algorithm>
#include <cmath>
#include <new>
#include <string>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/latin1.h"
#include "device/drivers/path_buffer.h"
#include "device/drivers/raster/image_writers.h"
#include "device/output.h"

namespace vtx {

extern const DeviceDriver kSvgDriver;

namespace {

constexpr int kPointsPerLine = 5;

enum Group { kNoGroup = 0, kLineGroup = 1, kTextGroup = 2 };

struct TextFont {
    int index = -1;  // the psfont order; -1 before the first character
    int size = 0;    // font-size in pixels
};

// The open document, in the record from begin to end.
struct SvgState : DriverData {
    SvgState() : DriverData(&kSvgDriver) {}
    bool open = false;
    PathBuffer<float> path;
    int group = kNoGroup;
    TextFont groupFont;  // font of the open text group
    TextFont nextFont;   // font the next text group is opened with
    int red = 0, green = 0, blue = 0;
    float strokeWidth = 1.0f;
};

SvgState* stateOf(Globals& g) { return driverData<SvgState>(g.driver, &kSvgDriver); }

// Two decimals are all a pixel coordinate needs; a value that is not finite
// would make the document unreadable, so it is written as 0.
inline double coordinate(float v) { return std::isfinite(v) ? double(v) : 0.0; }

// Points of a polyline or polygon: five to a line, no break after the last.
template <typename PointAt>
void writePoints(Globals& g, int n, PointAt pointAt) {
    for (int i = 0; i < n; ++i) {
        const DevicePoint p = pointAt(i);
        outPrintf(g, " %.2f, %.2f", coordinate(p.x), coordinate(p.y));
        if ((i + 1) % kPointsPerLine == 0 && i + 1 < n) outWrite(g, "\n", 1);
    }
}

void closeGroup(SvgState& svg, Globals& g) {
    if (svg.group == kNoGroup) return;
    outWrite(g, "</g>\n", 5);
    svg.group = kNoGroup;
}

void openLineGroup(SvgState& svg, Globals& g) {
    closeGroup(svg, g);
    outPrintf(g, "<g fill=\"none\" stroke=\"#%02x%02x%02x\" ", svg.red, svg.green, svg.blue);
    outPrintf(g, "stroke-width=\"%.3f\">\n", double(svg.strokeWidth));
    svg.group = kLineGroup;
}

void openTextGroup(SvgState& svg, Globals& g) {
    closeGroup(svg, g);
    const StandardFont f = standardFont(svg.nextFont.index);
    outPrintf(g, "<g font-family=\"%s\" ", f.family);
    outPrintf(g, "font-weight=\"%s\" ", f.bold ? "bold" : "normal");
    outPrintf(g, "font-style=\"%s\"\n", !f.slanted ? "normal" : f.italic ? "italic" : "oblique");
    outPrintf(g, "font-size=\"%d\" ", svg.nextFont.size);
    outPrintf(g, "stroke=\"none\" fill=\"#%02x%02x%02x\">\n", svg.red, svg.green, svg.blue);
    svg.group = kTextGroup;
    svg.groupFont = svg.nextFont;
}

void writePath(SvgState& svg, Globals& g) {
    if (svg.path.count != 0 && svg.group != kLineGroup) openLineGroup(svg, g);
    if (svg.path.count == 2) {
        outPrintf(g, "<line x1=\"%.2f\" y1=\"%.2f\" ", coordinate(svg.path.x[0]), coordinate(svg.path.y[0]));
        outPrintf(g, "x2=\"%.2f\" y2=\"%.2f\"/>\n", coordinate(svg.path.x[1]), coordinate(svg.path.y[1]));
    } else if (svg.path.count > 2) {
        outWrite(g, "<polyline points=\"\n", 19);
        writePoints(g, svg.path.count, [&](int i) { return DevicePoint{svg.path.x[i], svg.path.y[i]}; });
        outWrite(g, "\"/>\n", 4);
    }
}

// The path buffer. A full buffer is written and the next path starts at
// its last point, so that long polylines continue without a gap.
void pathTo(SvgState& svg, Globals& g, float x, float y, int op) {
    if (op == kOpDraw && !svg.path.draw(x, y)) return;
    writePath(svg, g);
    svg.path.restartAt(x, y);
}

// Writes the open path, so that what follows applies only to later lines.
void strokePath(SvgState& svg, Globals& g) {
    writePath(svg, g);
    svg.path.endStroke();
}

void vector(Globals& g, float x, float y, int op) {
    SvgState* svg = stateOf(g);
    if (svg && svg->open) pathTo(*svg, g, x, y, op);
}

// Pixels: the page fills the window of vtxini like a raster image.
DevicePoint mapPoint(const Globals& g, float x, float y) {
    const float s = g.out.deviceScale;
    if (g.out.pageMode == 1) return {y * s, (float(g.out.nxPage) - x) * s};
    return {x * s, y * s};
}

void writeRect(SvgState& svg, Globals& g, float x, float y, float width, float height, int red, int green, int blue) {
    if (!svg.open) return;
    outPrintf(g, "<rect x=\"%.2f\" y=\"%.2f\" ", coordinate(x), coordinate(y));
    outPrintf(g, "width=\"%.2f\" height=\"%.2f\"\n", coordinate(width), coordinate(height));
    outPrintf(g, " fill=\"#%02x%02x%02x\" stroke=\"none\"", red & 255, green & 255, blue & 255);
    outWrite(g, "/>\n", 3);
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

// Pixels: the page fills the window of vtxini like a raster image.
void begin(Globals& g) {
    const int w = std::max(g.out.winW, 2), h = std::max(g.out.winH, 2);
    g.out.deviceScale = std::max(pixelPageScale(g, w, h), 0.0f);
    SvgState& svg = createDriverData<SvgState>(g);
    svg.open = true;
    writeProlog(g, w, h);
    // The page is black unless the screen mode is reverse (the default).
    if (g.out.screenMode != 2) writeRect(svg, g, 0.0f, 0.0f, float(w - 1), float(h - 1), 0, 0, 0);
}

void end(Globals& g) {
    SvgState* svg = stateOf(g);
    if (!svg || !svg->open) return;
    writePath(*svg, g);
    closeGroup(*svg, g);
    outWrite(g, "</svg>\n", 7);
    g.driver.data.reset();
}

// A solid polygon in the current colour, inside a line group.
void polygon(Globals& g, const float* x, const float* y, int n) {
    SvgState* state = stateOf(g);
    if (!state || !state->open || n < 1) return;
    SvgState& svg = *state;
    strokePath(svg, g);
    if (svg.group != kLineGroup) openLineGroup(svg, g);
    outPrintf(g, "<polygon fill=\"#%02x%02x%02x\" points=\"\n", svg.red, svg.green, svg.blue);
    writePoints(g, n, [&](int i) { return mapPoint(g, x[i], y[i]); });
    outWrite(g, "\"/>\n", 4);
}

// Base64 of RFC 4648, the alphabet data URIs use.
std::string base64(const unsigned char* data, std::size_t n) {
    static const char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((n + 2) / 3 * 4);
    for (std::size_t i = 0; i < n; i += 3) {
        const unsigned v = unsigned(data[i]) << 16 | (i + 1 < n ? unsigned(data[i + 1]) << 8 : 0u) |
                           (i + 2 < n ? unsigned(data[i + 2]) : 0u);
        out += kDigits[v >> 18 & 63];
        out += kDigits[v >> 12 & 63];
        out += i + 1 < n ? kDigits[v >> 6 & 63] : '=';
        out += i + 2 < n ? kDigits[v & 63] : '=';
    }
    return out;
}

// An image element holding the pixels as a PNG data URI; a matrix takes its
// pixels to the mapped rectangle, so a turned page turns the image too.
void image(Globals& g, const ImageRGB& img, float x, float y, float w, float h) {
    SvgState* svg = stateOf(g);
    if (!svg || !svg->open || img.bytesPerPixel != 3) return;
    RasterPicture picture;
    picture.width = img.width, picture.height = img.height;
    picture.bytesPerPixel = 3, picture.stride = std::size_t(img.width) * 3;
    picture.pixels = img.pixels.data();
    OutputBuffer png;
    if (encodePng(picture, png) != kImageOk) return;
    std::string uri;
    try {
        uri = base64(png.data(), png.size());
    } catch (const std::bad_alloc&) {
        return;
    }
    strokePath(*svg, g);
    const DevicePoint o = mapPoint(g, x, y), a = mapPoint(g, x + w, y), b = mapPoint(g, x, y + h);
    const double iw = img.width, ih = img.height;
    outPrintf(g, "<image width=\"%d\" height=\"%d\" preserveAspectRatio=\"none\" image-rendering=\"optimizeSpeed\"\n",
              img.width, img.height);
    outPrintf(g, " transform=\"matrix(%.5f %.5f %.5f %.5f %.2f %.2f)\"\n", coordinate(a.x - o.x) / iw,
              coordinate(a.y - o.y) / iw, coordinate(b.x - o.x) / ih, coordinate(b.y - o.y) / ih, coordinate(o.x),
              coordinate(o.y));
    outWrite(g, " xlink:href=\"data:image/png;base64,", 35);
    outWrite(g, uri.data(), uri.size());
    outWrite(g, "\"/>\n", 4);
}

// A colour change ends the path and closes the group, so that the next
// element opens a group in the new colour.
void colour(Globals& g, int /*index*/, int red, int green, int blue) {
    SvgState* svg = stateOf(g);
    if (!svg || !svg->open) return;
    strokePath(*svg, g);
    closeGroup(*svg, g);
    svg->red = red & 255, svg->green = green & 255, svg->blue = blue & 255;
}

// Only the width is SVG's: a new width closes the group, and the next
// element opens one with it. The change counts as one vector.
void lineAttribute(Globals& g, LineAttribute what, float /*value*/, float plotUnits) {
    if (what != LineAttribute::Width && what != LineAttribute::PenWidth) return;
    ++g.ctl.vectors;
    SvgState* svg = stateOf(g);
    if (!svg || !svg->open) return;
    writePath(*svg, g);
    closeGroup(*svg, g);
    svg->strokeWidth = std::isfinite(plotUnits) ? plotUnits : 1.0f;
    svg->path.endStroke();
}

// One text element per character, at its start on the base line, inside a
// text group that carries the font.
void character(Globals& g, const DeviceChar& c) {
    SvgState* state = stateOf(g);
    if (!state || !state->open) return;
    SvgState& svg = *state;
    const float a = float(c.angle) * 3.14159265358979323846f / 180.0f;
    const float x = c.x - c.baseShift * std::sin(a), y = c.y - c.baseShift * std::cos(a);
    const float s = g.out.deviceScale;
    svg.nextFont.index = c.font;
    svg.nextFont.size = int(std::floor(std::clamp(float(c.height), 0.0f, 1e6f) * 22.0f * s / 15.0f + 0.5f));
    strokePath(svg, g);
    if (svg.group != kTextGroup || svg.groupFont.index != svg.nextFont.index ||
        svg.groupFont.size != svg.nextFont.size)
        openTextGroup(svg, g);
    const DevicePoint p = mapPoint(g, x, y);
    outPrintf(g, "<text x=\"%.2f\" y=\"%.2f\"", coordinate(p.x), coordinate(p.y));
    if (c.angle != 0) outPrintf(g, " rotate=\"%d\">", -c.angle);
    else outWrite(g, ">", 1);
    const int byte = latin1Code(c.code);
    if (byte == '&') outWrite(g, "&amp;", 5);
    else if (byte == '<') outWrite(g, "&lt;", 4);
    else if (byte == '>') outWrite(g, "&gt;", 4);
    else {
        const char b = char(byte);
        outWrite(g, &b, 1);
    }
    outWrite(g, "</text>\n", 8);
}

}  // namespace

extern const DeviceDriver kSvgDriver = {
    begin,          // begin: prolog and the black page unless reverse
    end,            // end: the last path and </svg>
    nullptr,        // newPage
    nullptr,        // erase
    mapPoint,       // mapPoint: pixels of the window size, y downwards
    vector,         // vector: line and polyline elements of at most 50 points
    colour,         // colour: the stroke and fill of the next group
    lineAttribute,  // lineAttribute: stroke-width of the next line group
    nullptr,        // clipRect
    polygon,        // polygon: a polygon element
    nullptr,        // colourTable
    nullptr,        // selectFont: each character names its font
    character,      // character: a text element
    nullptr,        // flush
    image,          // image: a PNG data URI
};

}  // namespace vtx
