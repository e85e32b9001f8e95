// The stroke stage: the buffered polyline is clipped, widened and handed to
// the device, in this order.
#include "device/driver.h"
#include "device/pipeline.h"

namespace vtx {

namespace {

inline void segmentToDevice(Globals& g, float x1, float y1, float x2, float y2, bool moveFirst) {
    if (moveFirst) xjdraw(g, x1, y1, kOpMove);
    xjdraw(g, x2, y2, kOpDraw);
}

}  // namespace

void drawVisibleSegment(Globals& g, float x1, float y1, float x2, float y2, bool moveFirst) {
    if (SegmentFilter filter = g.line.slots.firstSegment) filter(g, x1, y1, x2, y2, moveFirst);
    else segmentToDevice(g, x1, y1, x2, y2, moveFirst);
}

void passSegment(Globals& g, SegmentStage from, float x1, float y1, float x2, float y2, bool moveFirst) {
    if (SegmentFilter filter = nextSegmentFilter(g.line.slots, from)) filter(g, x1, y1, x2, y2, moveFirst);
    else segmentToDevice(g, x1, y1, x2, y2, moveFirst);
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
