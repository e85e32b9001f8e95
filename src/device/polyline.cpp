// The polyline stage: origin shift, the 100-point buffer and its batches.
#include "device/pipeline.h"

namespace vtx {

namespace {

// Every stored point passes the stages installed in the point-transform slot.
inline void transformStoredPoint(const Globals& g, float& x, float& y) {
    const PipelineSlots& s = g.line.slots;
    for (int i = 0; i < s.livePoints; ++i) s.livePoint[i](g, x, y);
}

inline void storePoint(LineState& line, int slot, float x, float y) {
    line.bufX[slot] = x;
    line.bufY[slot] = y;
}

}  // namespace

void resetPipeline(Globals& g) {
    LineState& line = g.line;
    line.bufCount = 0;
    line.pendingMove = 0;
    line.strokeActive = 0;
    line.curX = line.curY = 0.0f;
    line.clipShape = 0;
    line.clipSaved = 0;
    line.axisArea = AxisClipArea();
}

float jqqyvl(const Globals& g, float v) {
    if (g.line.pageOrigin == 1 && !g.line.rawPageY) return float(g.out.nyPage) - v;
    return v;
}

void qqmove(Globals& g, float x, float y) {
    qqstrk(g);
    transformStoredPoint(g, x, y);
    storePoint(g.line, 0, x, y);
    g.line.bufCount = 1;
}

void qqdraw(Globals& g, float x, float y) {
    LineState& line = g.line;
    transformStoredPoint(g, x, y);
    storePoint(line, line.bufCount, x, y);
    if (++line.bufCount < kPolylineCapacity) return;
    // A full buffer is stroked; the next batch continues from its last point.
    qqstrk(g);
    storePoint(line, 0, x, y);
    line.bufCount = 1;
}

void strtqq(Globals& g, float x, float y, float offset) {
    LineState& line = g.line;
    x += float(line.originX);
    y += float(line.originY);
    if (offset == 0.0f) {
        qqstrk(g);
        float sx = x, sy = y;
        transformStoredPoint(g, sx, sy);
        storePoint(line, 0, sx, sy);
        line.bufCount = 1;
    } else {
        // The shifted start depends on the direction of the first segment.
        line.pendingMove = 1;
    }
    line.curX = x;
    line.curY = y;
}

void lineqq(Globals& g, float x1, float y1, float x2, float y2, float offset) {
    strtqq(g, x1, y1, offset);
    connqq(g, x2, y2, offset);
}

void rectqq(Globals& g, float x1, float y1, float x2, float y2) {
    strtqq(g, x1, y1);
    connqq(g, x2, y1);
    connqq(g, x2, y2);
    connqq(g, x1, y2);
    connqq(g, x1, y1);
}

}  // namespace vtx
