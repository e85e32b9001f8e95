// Solid spans and short polylines written straight into the pixel surface.
// The pipeline would hand each of their points to the surface's device as a
// move or a draw; this does the same here, so that the pixels, the device pen
// and the vector count come out as from the pipeline. Solid fills
// (area_fill.cpp) and plot symbols (surface_shapes.cpp) draw through it.
#pragma once

#include <cmath>

#include "core/devices.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/surface_driver.h"
#include "device/pipeline.h"
#include "session/globals.h"

namespace vtx {

// Lines the pipeline hands to the device as they are: thin, clipped by the
// rectangle, nothing installed that moves or filters their points.
inline bool linesReachDeviceUnchanged(const LineState& line) {
    return line.lineWidth <= 1 && line.clipShape == 0 && !anyPointStageInstalled(line.slots) &&
           !anySegmentFilterInstalled(line.slots);
}

// And a pixel surface whose device maps points as PixelMapping does (a page
// that is not turned) and fills no polygon itself: the pipeline then only
// maps points onto the surface, which a shape may do itself.
inline bool pipelineOnlyMapsToSurface(const Globals& g) {
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    return g.surface.exists() && driver && driver->mapPoint == &surface_driver::mapPoint && g.out.pageMode != 1 &&
           !deviceCan(g.ctl.device, kFillsPolygons) && linesReachDeviceUnchanged(g.line);
}

// A device's own mapping of plot points, through its driver entry.
struct DriverMapping {
    DevicePoint (*map)(const Globals& g, float x, float y);
    DevicePoint operator()(const Globals& g, float x, float y) const { return map(g, x, y); }
};

// The mapping of the pixel-surface devices on a page that is not turned,
// inline: scale times the plot coordinate, rounded half up.
struct PixelMapping {
    float scale;
    DevicePoint operator()(const Globals&, float x, float y) const {
        return {roundHalfUp(x * scale), roundHalfUp(y * scale)};
    }
};

template <typename Mapping>
struct SurfaceSpans {
    SurfaceSpans(Globals& globals, Mapping mapping) : g(globals), map(mapping) {}
    Globals& g;
    Mapping map;
    SurfaceColour colour = g.surface.colourBytes;
    bool any = false;
    float lastX = 0.0f, lastY = 0.0f;  // where the last span ended, after the origin shift
    // The rectangular clipping window and the origin shift, as floats once.
    float clipX1 = float(g.line.clipX1), clipX2 = float(g.line.clipX2);
    float clipY1 = float(g.line.clipY1), clipY2 = float(g.line.clipY2);
    float originX = float(g.line.originX), originY = float(g.line.originY);

    // Inside the rectangular clipping window, as jqqclp tests it.
    bool inside(float x, float y) const { return x >= clipX1 && x <= clipX2 && y >= clipY1 && y <= clipY2; }
};

// A move or a draw of the surface's device, as xjdraw and the driver do it;
// a level draw inside the surface's clip rectangle is a run of the row.
template <typename Mapping>
inline void penTo(SurfaceSpans<Mapping>& f, float x, float y, bool draw) {
    Globals& g = f.g;
    PixelSurface& s = g.surface;
    ++g.ctl.vectors;
    const DevicePoint p = f.map(g, x, y);
    const int nx = int(p.x), ny = int(p.y);
    if (draw) {
        if (ny == s.penY && s.insideClip(s.penX, ny) && s.insideClip(nx, ny)) s.fillSpan(ny, s.penX, nx, f.colour);
        else s.line(s.penX, s.penY, nx, ny, f.colour);
    }
    s.penX = nx, s.penY = ny;
}

// The span as a polyline of two points through the clipping stage; (x1, y1)
// to (x2, y2) before the origin shift.
template <typename Mapping>
inline void surfaceSpan(SurfaceSpans<Mapping>& f, float x1, float y1, float x2, float y2) {
    x1 += f.originX, y1 += f.originY;
    x2 += f.originX, y2 += f.originY;
    f.any = true, f.lastX = x2, f.lastY = y2;
    const bool firstInside = f.inside(x1, y1);
    if (firstInside) penTo(f, x1, y1, false);
    if (firstInside && f.inside(x2, y2)) {
        penTo(f, x2, y2, true);
        return;
    }
    if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
    bool moveFirst = false;
    if (!clipSegmentToWindow(f.g.line, x1, y1, x2, y2, moveFirst)) return;
    if (moveFirst) penTo(f, x1, y1, false);
    penTo(f, x2, y2, true);
}

// A polyline of fewer than kPolylineCapacity points, all inside the window
// (origin shift applied): each point one vector, each segment a line of the
// surface.
template <typename Mapping>
inline void surfaceStroke(Globals& g, const Mapping& map, const float* x, const float* y, int n) {
    PixelSurface& s = g.surface;
    int px[kPolylineCapacity], py[kPolylineCapacity];
    for (int i = 0; i < n; ++i) {
        const DevicePoint p = map(g, x[i], y[i]);
        px[i] = int(p.x), py[i] = int(p.y);
    }
    g.ctl.vectors += n;
    s.polyline(px, py, n, s.colourBytes);
    s.penX = px[n - 1], s.penY = py[n - 1];
}

}  // namespace vtx
