#include "device/surface_shapes.h"

#include <algorithm>

#include "core/devices.h"
#include "device/area_fill.h"
#include "device/drivers/surface_driver.h"
#include "device/pipeline.h"
#include "device/scanline_fill.h"

namespace vtx {

namespace {

constexpr int kShapePoints = 64;  // points of all polylines of one shape

// The hatch-line spacing of solid symbol fills: close enough to cover the
// shape on the device (textFillPolygon).
float solidSpacing(const Globals& g) { return 0.75f / g.out.deviceScale; }

bool shapesSkipPipeline(const Globals& g) {
    const LineState& line = g.line;
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    return g.surface.exists() && driver && driver->vector && driver->mapPoint == &surface_driver::mapPoint &&
           g.out.pageMode != 1 && line.lineWidth <= 1 && line.clipShape == 0 && !anyPointStageInstalled(line.slots) &&
           !anySegmentFilterInstalled(line.slots) && !deviceCan(g.ctl.device, kFillsPolygons) &&
           g.out.deviceScale > 0.0f && std::isfinite(solidSpacing(g));
}

}  // namespace

SurfaceShapes::SurfaceShapes(Globals& g)
    : g_(g), spans_(g, PixelMapping{g.out.deviceScale}), usable_(shapesSkipPipeline(g)) {
    if (!usable_) return;
    HatchLines lines;
    lines.spacing = solidSpacing(g);
    visibleBand(g, 0.0f, lines);
    spacing_ = lines.spacing;
    firstVisible_ = std::ceil(lines.visibleLow / spacing_);
    lastVisible_ = std::floor(lines.visibleHigh / spacing_);
}

// The spans as softwareFill writes them to the surface, with its mapping
// inlined and the level of each span mapped once. The device pen, the vector
// count and the pipeline's point stay in locals until the fill ends. A span
// that leaves the window (a crossing rounded past it) goes through
// surfaceSpan's clipping.
void SurfaceShapes::fill(LevelChainFill& shape) {
    Globals& g = g_;
    PixelSurface& s = g.surface;
    SurfaceSpans<PixelMapping>& f = spans_;
    const float ox = f.originX, oy = f.originY, scale = f.map.scale;
    const int clipX1 = s.clipX1, clipX2 = s.clipX2, clipY1 = s.clipY1, clipY2 = s.clipY2;
    const SurfaceColour colour = s.colourBytes;
    int penX = s.penX, penY = s.penY;
    long vectors = 0;
    bool any = false;
    float lastX = 0.0f, lastY = 0.0f;
    shape.spans(spacing_, firstVisible_, lastVisible_, [&](float x1, float y, float x2, float) {
        const float X1 = x1 + ox, X2 = x2 + ox, Y = y + oy;
        any = true, lastX = X2, lastY = Y;
        if (!f.inside(X1, Y) || !f.inside(X2, Y)) {
            s.penX = penX, s.penY = penY;
            f.colour = colour;
            surfaceSpan(f, x1, y, x2, y);
            penX = s.penX, penY = s.penY;
            return;
        }
        // A move and a draw of the device; a level draw inside the surface's
        // clip rectangle is a run of the row.
        vectors += 2;
        const int px1 = int(roundHalfUp(X1 * scale)), px2 = int(roundHalfUp(X2 * scale));
        const int py = int(roundHalfUp(Y * scale));
        if (py >= clipY1 && py <= clipY2 && px1 >= clipX1 && px1 <= clipX2 && px2 >= clipX1 && px2 <= clipX2)
            s.fillRun(py, std::min(px1, px2), std::max(px1, px2), colour);
        else
            s.line(px1, py, px2, py, colour);
        penX = px2, penY = py;
    });
    s.penX = penX, s.penY = penY;
    g.ctl.vectors += vectors;
    // The pipeline's current point is where the last span ended.
    if (any) g.line.curX = lastX, g.line.curY = lastY;
}

bool SurfaceShapes::draw(float cx, float cy, const float* dx, const float* dy, const int* lengths, int polylines,
                         bool filled) {
    int total = 0;
    for (int p = 0; p < polylines; ++p) total += lengths[p];
    if (total > kShapePoints) return false;
    float x[kShapePoints], y[kShapePoints];
    for (int i = 0; i < total; ++i) {
        x[i] = cx + dx[i], y[i] = cy + dy[i];
        if (!spans_.inside(x[i], y[i])) return false;  // NaN as well
    }
    // The fill takes the outline back before the origin shift, which each
    // span adds again.
    const int n = lengths[0];
    filled = filled && n >= 3;
    float fx[kShapePoints], fy[kShapePoints];
    for (int i = 0; filled && i < n; ++i) fx[i] = x[i] - spans_.originX, fy[i] = y[i] - spans_.originY;
    LevelChainFill shape(fx, fy, filled ? n : 0);
    if (filled && !shape.valid()) return false;

    Globals& g = g_;
    qqstrk(g);  // what is pending goes first
    int first = 0;
    for (int p = 0; p < polylines; ++p) {
        surfaceStroke(g, spans_.map, x + first, y + first, lengths[p]);
        first += lengths[p];
        if (p > 0 || !filled) continue;
        fill(shape);
    }
    return true;
}

}  // namespace vtx
