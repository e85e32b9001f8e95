// WMF output (device 221): the page mapped onto the window size in pixels,
// polylines and solid polygons in pens and brushes of the current colour,
// device characters as text records after wmfmod("FONT", "TEXT"). The
// records collect in memory; the file is written at vtxfin.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/checks.h"
#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/latin1.h"
#include "device/drivers/wmf/wmf_writer.h"
#include "device/output.h"

namespace vtx {

extern const DeviceDriver kWmfDriver;

namespace {

// Logical units per inch: the pixels of a screen.
constexpr int kPixelsPerInch = 96;

struct WmfState : DriverData {
    WmfState(int w, int h) : DriverData(&kWmfDriver), writer(w, h, kPixelsPerInch) {}
    WmfWriter writer;
    std::vector<WmfPoint> path;  // the open polyline
    std::uint32_t colour = 0;
    int pen = -1, brush = -1, font = -1;
    int fontIndex = -1, fontHeight = 0, fontAngle = 0;
    bool penCurrent = false;     // pen and brush are of the current colour
};

WmfState* stateOf(Globals& g) { return driverData<WmfState>(g.driver, &kWmfDriver); }

std::int16_t logical(float v) { return std::int16_t(std::clamp(roundHalfUp(v), -32767.0f, 32767.0f)); }

DevicePoint mapPoint(const Globals& g, float x, float y) {
    const float s = g.out.deviceScale;
    if (g.out.pageMode == 1) return {y * s, (float(g.out.nxPage) - x) * s};
    return {x * s, y * s};
}

void flushPath(WmfState& wmf) {
    if (wmf.path.size() >= 2) wmf.writer.polyline(wmf.path.data(), int(wmf.path.size()));
    wmf.path.clear();
}

// A pen and a brush of the current colour, created when first needed after
// a colour change; the old objects are deleted once the new ones are chosen.
void selectColour(WmfState& wmf) {
    if (wmf.penCurrent) return;
    const int pen = wmf.writer.createPen(1, wmf.colour);
    const int brush = wmf.writer.createBrush(wmf.colour);
    wmf.writer.selectObject(pen), wmf.writer.selectObject(brush);
    wmf.writer.deleteObject(wmf.pen), wmf.writer.deleteObject(wmf.brush);
    wmf.pen = pen, wmf.brush = brush, wmf.penCurrent = true;
}

void begin(Globals& g) {
    const int w = std::clamp(g.out.winW, 2, 32767), h = std::clamp(g.out.winH, 2, 32767);
    g.out.deviceScale = std::max(pixelPageScale(g, w, h), 0.0f);
    g.driver.data.reset();
    WmfState* wmf = new (std::nothrow) WmfState(w - 1, h - 1);
    if (!wmf) {
        warnin(Warning::NoMemory);
        std::exit(0);
    }
    g.driver.data.reset(wmf);
    wmf->path.reserve(WmfWriter::kMaxPoints);
}

void end(Globals& g) {
    WmfState* wmf = stateOf(g);
    if (!wmf) return;
    flushPath(*wmf);
    const std::vector<unsigned char> bytes = wmf->writer.finish(g.out.wmfStandardHeader == 0);
    g.driver.data.reset();
    // vtxfin has chosen the versioned name already.
    g.out.file = std::fopen(g.out.fileName, "wb");
    if (!g.out.file) {
        warnc1(Warning::FileError, g.out.fileName);
        g.out.fileError = 2;
        return;
    }
    outWrite(g, bytes.data(), bytes.size());
}

void vector(Globals& g, float x, float y, int op) {
    WmfState* wmf = stateOf(g);
    if (!wmf) return;
    const WmfPoint p{logical(x), logical(y)};
    if (op == kOpMove) {
        flushPath(*wmf);
        wmf->path.push_back(p);
        return;
    }
    selectColour(*wmf);
    if (wmf->path.empty()) wmf->path.push_back(p);
    // A full polyline goes out and the next one continues from its end.
    if (int(wmf->path.size()) >= WmfWriter::kMaxPoints) {
        const WmfPoint last = wmf->path.back();
        flushPath(*wmf);
        wmf->path.push_back(last);
    }
    wmf->path.push_back(p);
}

void colour(Globals& g, int /*index*/, int red, int green, int blue) {
    WmfState* wmf = stateOf(g);
    if (!wmf) return;
    const std::uint32_t c = wmfColour(red, green, blue);
    if (c == wmf->colour && wmf->penCurrent) return;
    // The open polyline keeps the colour it was drawn in; the next one starts where it ended.
    const bool hadPoint = !wmf->path.empty();
    const WmfPoint last = hadPoint ? wmf->path.back() : WmfPoint{0, 0};
    flushPath(*wmf);
    if (hadPoint) wmf->path.push_back(last);
    wmf->colour = c, wmf->penCurrent = false;
}

void polygon(Globals& g, const float* x, const float* y, int n) {
    WmfState* wmf = stateOf(g);
    if (!wmf || n < 3) return;
    flushPath(*wmf);
    selectColour(*wmf);
    std::vector<WmfPoint> points;
    points.reserve(size_t(std::min(n, WmfWriter::kMaxPoints)));
    for (int i = 0; i < n && i < WmfWriter::kMaxPoints; ++i) {
        const DevicePoint d = mapPoint(g, x[i], y[i]);
        points.push_back({logical(d.x), logical(d.y)});
    }
    wmf->writer.polygon(points.data(), int(points.size()));
}

// One text record per character at its pen position on the base line, in a
// font of the standard family and the character height.
void character(Globals& g, const DeviceChar& c) {
    WmfState* wmf = stateOf(g);
    if (!wmf) return;
    flushPath(*wmf);
    const float s = g.out.deviceScale;
    const int height = std::max(1, int(roundHalfUp(std::clamp(float(c.height), 0.0f, 1e5f) * kDeviceFontScale * s)));
    if (c.font != wmf->fontIndex || height != wmf->fontHeight || c.angle != wmf->fontAngle || wmf->font < 0) {
        const StandardFont f = standardFont(c.font);
        const int font = wmf->writer.createFont(height, c.angle * 10, f.bold ? 700 : 400, f.slanted, f.family);
        wmf->writer.selectObject(font);
        wmf->writer.deleteObject(wmf->font);
        wmf->font = font, wmf->fontIndex = c.font, wmf->fontHeight = height, wmf->fontAngle = c.angle;
    }
    wmf->writer.textColour(wmf->colour);
    const float a = float(c.angle) * 3.14159265358979323846f / 180.0f;
    const DevicePoint p = mapPoint(g, c.x - c.baseShift * std::sin(a), c.y - c.baseShift * std::cos(a));
    const char byte = char(latin1Code(c.code));
    wmf->writer.textOut(logical(p.x), logical(p.y), &byte, 1);
}

}  // namespace

extern const DeviceDriver kWmfDriver = {
    begin,      // begin: the records start in memory
    end,        // end: the file with its headers
    nullptr,    // newPage: one picture per file
    nullptr,    // erase
    mapPoint,   // mapPoint: pixels of the window size, y downwards
    vector,     // vector: polylines of up to 8000 points
    colour,     // colour: a pen and brush of the colour before the next drawing
    nullptr,    // lineAttribute
    nullptr,    // clipRect
    polygon,    // polygon: a polygon record with the current brush
    nullptr,    // colourTable
    nullptr,    // selectFont: each character names its font
    character,  // character: a text record
    nullptr,    // flush
    nullptr,    // image
};

}  // namespace vtx
