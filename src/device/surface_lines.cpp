#include "device/surface_lines.h"

#include "device/driver.h"
#include "device/pipeline.h"
#include "device/surface_spans.h"

namespace vtx {

bool surfacePolyline(Globals& g, const float* x, const float* y, int n) {
    const LineState& line = g.line;
    PixelSurface& s = g.surface;
    // Longer polylines would be stroked in batches, each starting with a move.
    if (n < 1 || n >= kPolylineCapacity || !s.exists() || line.lineWidth > 1 || line.clipShape != 0 || anyPointStageInstalled(line.slots) ||
        anySegmentFilterInstalled(line.slots))
        return false;
    const float x1 = float(line.clipX1), x2 = float(line.clipX2), y1 = float(line.clipY1), y2 = float(line.clipY2);
    for (int i = 0; i < n; ++i)  // NaN fails these tests as well
        if (!(x[i] >= x1 && x[i] <= x2 && y[i] >= y1 && y[i] <= y2)) return false;
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    if (!driver || !driver->vector) return false;
    qqstrk(g);  // what is pending goes first
    surfaceStroke(g, DriverMapping{driver->mapPoint}, x, y, n);
    return true;
}

}  // namespace vtx
