// The dash stage of the pipeline: dash patterns that continue across
// segments and polylines, and the sideways offset of thick curves.
#include <cmath>

#include "device/pipeline.h"

namespace vtx {

namespace {

// A segment longer than this many pattern elements is finished with one move:
// beyond it single precision cannot advance the pattern any more, and no
// page is that long.
constexpr int kMaxDashElements = 1 << 20;

// Integer part of a coordinate, kept in a range where the conversion is defined.
inline float truncatePoint(float v) {
    if (!(v > -1e9f)) return v != v ? 0.0f : -1e9f;
    if (v > 1e9f) return 1e9f;
    return std::trunc(v);
}

inline void penTo(Globals& g, float x, float y, int phase) {
    if (phase == 0) qqdraw(g, x, y);
    else qqmove(g, x, y);
}

}  // namespace

void inityp(Globals& g) {
    LineState& line = g.line;
    line.dashPhase = 0;
    line.dashIndex = 1;
    line.dashRemaining = float(line.dash[0]);
}

void connqq(Globals& g, float x, float y) {
    LineState& line = g.line;
    x += float(line.originX);
    y += float(line.originY);
    const float d = line.parallelOffset;
    if (line.dashCount == 1 && d == 0.0f) {
        line.curX = x;
        line.curY = y;
        qqdraw(g, x, y);
        return;
    }

    float x1 = truncatePoint(x), y1 = truncatePoint(y);
    float x0 = line.curX, y0 = line.curY;
    const float a = std::atan2(y0 - y1, x1 - x0);  // y measured upwards
    const float sa = std::sin(a), ca = std::cos(a);
    float length = (y0 == y1) ? std::fabs(x1 - x0) : std::fabs((y0 - y1) / sa);
    if (!std::isfinite(length)) length = 0.0f;  // a missing current point must not poison the pattern

    if (d != 0.0f) {
        x0 -= sa * d, y0 -= ca * d;
        x1 -= sa * d, y1 -= ca * d;
        if (line.pendingMove) {
            qqmove(g, x0, y0);
            line.pendingMove = 0;
        } else {
            penTo(g, x0, y0, line.dashPhase);
        }
        if (line.dashCount == 1) {
            qqdraw(g, x1, y1);
            line.curX = x1 + sa * d;
            line.curY = y1 + ca * d;
            return;
        }
    }

    int guard = 0;
    while (line.dashRemaining <= length) {
        if (++guard > kMaxDashElements) break;
        x0 += line.dashRemaining * ca;
        y0 -= line.dashRemaining * sa;
        penTo(g, x0, y0, line.dashPhase);
        length -= line.dashRemaining;
        line.dashIndex = line.dashIndex % line.dashCount + 1;
        line.dashPhase = 1 - line.dashPhase;
        line.dashRemaining = float(line.dash[line.dashIndex - 1]);
    }
    // The segment ends inside an element: only the part advanced is used up,
    // so the rhythm continues into the next segment.
    penTo(g, x1, y1, line.dashPhase);
    if (guard <= kMaxDashElements) line.dashRemaining -= length;
    line.curX = x1 + sa * d;
    line.curY = y1 + ca * d;
}

}  // namespace vtx
