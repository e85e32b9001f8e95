// The stroke stage: the buffered polyline is clipped, widened and handed to
// the device, in this order.
#include "device/driver.h"
#include "device/pipeline.h"
#include "device/shielding.h"

namespace vtx {

void drawVisibleSegment(Globals& g, float x1, float y1, float x2, float y2, bool moveFirst) {
    // Hook point: the hidden-line test of surfaces (hatchThroughLines) takes
    // the segment here when its subsystem sets the flag.
    if (g.line.shieldTest) {
        shieldSegment(g, x1, y1, x2, y2, moveFirst);
        return;
    }
    if (moveFirst) xjdraw(g, x1, y1, kOpMove);
    xjdraw(g, x2, y2, kOpDraw);
}

void strokeClipped(Globals& g, const float* x, const float* y, int n) {
    if (n < 1) return;
    bool prevInside = jqqclp(g, x[0], y[0]) == 0;
    if (prevInside) xjdraw(g, x[0], y[0], kOpMove);
    for (int i = 1; i < n; ++i) {
        bool inside = jqqclp(g, x[i], y[i]) == 0;
        if (prevInside && inside) drawVisibleSegment(g, x[i - 1], y[i - 1], x[i], y[i], false);
        else clip2d(g, x[i - 1], y[i - 1], x[i], y[i]);
        prevInside = inside;
    }
}

void qqstrk(Globals& g) {
    LineState& line = g.line;
    int n = line.bufCount;
    if (n < 1) return;
    line.strokeActive = 1;
    strokeClipped(g, line.bufX, line.bufY, n);
    if (line.lineWidth > 1) drawThickOutlines(g, line.bufX, line.bufY, n);
    line.bufCount = 0;
    line.strokeActive = 0;
}

}  // namespace vtx
