#include "device/area_fill.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <optional>

#include "core/checks.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/colour_tables.h"
#include "device/driver.h"
#include "device/line_style.h"
#include "device/pipeline.h"
#include "device/scanline_fill.h"
#include "device/shading.h"
#include "device/surface_spans.h"
#include "session/globals.h"

namespace vtx {

namespace {

constexpr int kSolidPattern = 16;
bool insideWindow(const LineState& line, const float* x, const float* y, int n) {
    for (int i = 0; i < n; ++i) {
        float px = x[i] + float(line.originX), py = y[i] + float(line.originY);
        if (!(px >= float(line.clipX1) && px <= float(line.clipX2) && py >= float(line.clipY1) &&
              py <= float(line.clipY2)))
            return false;
    }
    return true;
}

// Solid fill by the device: only for the solid pattern with no segment
// filter (a device fill would bypass it), rectangular clipping and every
// vertex visible.
bool useDeviceFill(const Globals& g, const float* x, const float* y, int n) {
    return g.fill.pattern == kSolidPattern && !anySegmentFilterInstalled(g.line.slots) && g.line.clipShape == 0 &&
           deviceCan(g.ctl.device, kFillsPolygons) && insideWindow(g.line, x, y, n);
}

void deviceFill(Globals& g, const float* x, const float* y, int n, float* work) {
    qqstrk(g);
    const float ox = float(g.line.originX), oy = float(g.line.originY);
    float* dx = work;
    float* dy = work + n;
    for (int i = 0; i < n; ++i) dx[i] = x[i] + ox, dy[i] = y[i] + oy;
    devicePolygon(g, dx, dy, n);
}

// Each span is a polyline of its own through the whole pipeline, so hatch
// lines are dashed, clipped and shielded like any other line.
void drawSpan(void* context, float x1, float y1, float x2, float y2) {
    Globals& g = *static_cast<Globals*>(context);
    strtqq(g, x1, y1);
    connqq(g, x2, y2);
}


// Solid fills on a pixel surface: the spans are written straight into it.
// The hatch lines of the pipeline would reach the surface's device as a move
// and a draw each; those are done here in the same way, so that the pixels,
// the device pen and the vector count come out as from the pipeline. Cases
// the pipeline would change on the way (dashes, thick lines, circle
// clipping, installed stages and filters) keep the hatch lines.
bool useSurfaceFill(const Globals& g) {
    return g.fill.pattern == kSolidPattern && g.surface.exists() && patternLineType(g.fill.type) == 0 &&
           linesReachDeviceUnchanged(g.line);
}

void softwareFill(Globals& g, const float* x, const float* y, int n, float* work) {
    const FillState& f = g.fill;
    const bool onSurface = useSurfaceFill(g);
    SurfaceSpans<DriverMapping> spans(g, DriverMapping{deviceDriver(g.ctl.device)->mapPoint});
    if (onSurface) qqstrk(g);  // what was drawn before goes first
    // Hatch lines through the pipeline borrow the pattern's line type; spans
    // written straight into the surface are solid and leave it alone.
    std::optional<DashScope> dash;
    if (!onSurface) {
        dash.emplace(g);
        setLineType(g, patternLineType(f.type));
    }
    HatchLines lines;
    lines.spacing = f.spacing;
    if (patternUsesGroups(f.type)) lines.groupDrawn = f.groupDrawn, lines.groupSkipped = f.groupSkipped;
    long groupCount = 0;
    const int directions = f.cross ? 2 : 1;
    for (int d = 0; d < directions; ++d) {
        lines.angle = float(d == 0 ? f.angle : (f.angle < 90 ? f.angle + 90 : 180 - f.angle));
        visibleBand(g, lines.angle, lines);
        const int status =
            onSurface ? hatchPolygonTo(x, y, n, lines, work, groupCount,
                                       [&spans](float x1, float y1, float x2, float y2) {
                                           surfaceSpan(spans, x1, y1, x2, y2);
                                       })
                      : hatchPolygon(x, y, n, lines, work, groupCount, drawSpan, &g);
        if (status != 0) {
            warnin(Warning::TooManyIntersections);
            break;
        }
    }
    qqstrk(g);
    // The pipeline's current point is where the last span ended.
    if (spans.any) g.line.curX = spans.lastX, g.line.curY = spans.lastY;
}

}  // namespace

// Polygons far larger than the page cost only the visible lines.
void visibleBand(const Globals& g, float angle, HatchLines& lines) {
    const LineState& line = g.line;
    float x1 = float(line.clipX1), y1 = float(line.clipY1), x2 = float(line.clipX2), y2 = float(line.clipY2);
    if (line.clipShape == 1) {
        x1 = std::min(x1, line.clipCX - line.clipR), x2 = std::max(x2, line.clipCX + line.clipR);
        y1 = std::min(y1, line.clipCY - line.clipR), y2 = std::max(y2, line.clipCY + line.clipR);
    }
    // Spans are given before the origin shift.
    x1 -= float(line.originX), x2 -= float(line.originX), y1 -= float(line.originY), y2 -= float(line.originY);
    const float phi = angle * 3.14159265f / 180.0f;
    const float s = phi == 0.0f ? 0.0f : std::sin(phi), c = phi == 0.0f ? 1.0f : std::cos(phi);
    const float h[4] = {x1 * s + y1 * c, x2 * s + y1 * c, x1 * s + y2 * c, x2 * s + y2 * c};
    lines.visibleLow = *std::min_element(h, h + 4) - lines.spacing;
    lines.visibleHigh = *std::max_element(h, h + 4) + lines.spacing;
}

void dareaf(Globals& g, const float* x, const float* y, int n) {
    if (n < 3) return;
    // Symbols and small shapes fill from the stack: no allocation per shape.
    constexpr int kStackVertices = 64;
    float stackWork[fillWorkFloats(kStackVertices)];
    std::unique_ptr<float[]> heap;
    float* work = stackWork;
    if (n > kStackVertices) {
        heap.reset(new (std::nothrow) float[size_t(fillWorkFloats(n))]);
        if (!heap) {
            warnin(Warning::NoMemory);
            return;
        }
        work = heap.get();
    }
    if (useDeviceFill(g, x, y, n)) deviceFill(g, x, y, n, work);
    else softwareFill(g, x, y, n, work);
}

void areaf(const int* nx, const int* ny, int n) {
    Globals* gp = jqqlev(1, 3, "areaf");
    if (!gp || jqqval(n, 1, -1) != 0) return;
    Globals& g = *gp;
    std::unique_ptr<float[]> xy(new (std::nothrow) float[2 * size_t(n)]);
    if (!xy) {
        warnin(Warning::NoMemory);
        return;
    }
    float* x = xy.get();
    float* y = x + n;
    for (int i = 0; i < n; ++i) x[i] = float(nx[i]), y[i] = jqqyvl(g, float(ny[i]));
    if (g.fill.outline || g.fill.noFill) {
        strtqq(g, x[0], y[0]);
        for (int i = 1; i < n; ++i) connqq(g, x[i], y[i]);
        connqq(g, x[0], y[0]);
    }
    if (figuresFilled(g)) fillFigure(g, x, y, n);
}

void fillFigure(Globals& g, const float* x, const float* y, int n) {
    const int key = g.fill.fillColour;
    if (key == 0 || key == 10) {
        dareaf(g, x, y, n);
        return;
    }
    const ColourState& c = g.colour;
    const int colour = key <= kColourNames ? c.names[key - 1] : c.background;
    qqstrk(g);
    const ColourScope caller(g);
    qqsclr(g, colour);
    dareaf(g, x, y, n);
}

void nofill() { chkini("nofill")->fill.noFill = 1; }

void filclr(const char* colour) {
    Globals* g = chkini("filclr");
    const int i = jqqind("WHIT+RED +GREE+YELL+BLUE+ORAN+CYAN+MAGE+BLAC+FORE+BACK", 11, colour);
    if (i != 0) g->fill.fillColour = i == 10 ? 0 : i;
}

}  // namespace vtx
