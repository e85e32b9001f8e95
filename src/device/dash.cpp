// The dash stage of the pipeline: dash patterns that continue across
// segments and polylines, and the sideways offset of thick curves.
#include <algorithm>
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

// Segments longer than this (10 m at the default unit) only arise from absurd
// coordinates; their parts far from the clipping window are not dashed
// element by element but skipped in one step.
constexpr float kLongSegment = 100000.0f;

void nextElement(LineState& line) {
    line.dashIndex = line.dashIndex % line.dashCount + 1;
    line.dashPhase = 1 - line.dashPhase;
    line.dashRemaining = float(line.dash[line.dashIndex - 1]);
}

// Advances the pattern by `length` without drawing: whole rounds of the
// pattern (two for an odd element count, so that the phase returns) are
// skipped at once.
void skipDash(LineState& line, double length) {
    if (length < line.dashRemaining) {
        line.dashRemaining -= float(length);
        return;
    }
    length -= line.dashRemaining;
    nextElement(line);
    double round = 0.0;
    for (int i = 0; i < line.dashCount; ++i) round += line.dash[i];
    if (line.dashCount % 2) round *= 2.0;
    if (round > 0.0) length = std::fmod(length, round);
    while (length >= line.dashRemaining) {
        length -= line.dashRemaining;
        nextElement(line);
    }
    line.dashRemaining -= float(length);
}

// The part [t0, t1] (fractions of the segment) that lies within the clipping
// window grown by a page on every side; false if the segment misses it.
bool nearWindow(const Globals& g, float x0, float y0, float x1, float y1, float& t0, float& t1) {
    const float margin = float(std::max(g.out.nxPage, g.out.nyPage) + 1);
    const float lo[2] = {float(g.line.clipX1) - margin, float(g.line.clipY1) - margin};
    const float hi[2] = {float(g.line.clipX2) + margin, float(g.line.clipY2) + margin};
    const float p0[2] = {x0, y0}, dp[2] = {x1 - x0, y1 - y0};
    t0 = 0.0f, t1 = 1.0f;
    for (int k = 0; k < 2; ++k) {
        if (dp[k] == 0.0f) {
            if (p0[k] < lo[k] || p0[k] > hi[k]) return false;
            continue;
        }
        float a = (lo[k] - p0[k]) / dp[k], b = (hi[k] - p0[k]) / dp[k];
        if (a > b) std::swap(a, b);
        t0 = std::max(t0, a), t1 = std::min(t1, b);
    }
    return t0 <= t1;
}

}  // namespace

void inityp(Globals& g) {
    LineState& line = g.line;
    line.dashPhase = 0;
    line.dashIndex = 1;
    line.dashRemaining = float(line.dash[0]);
}

void connqq(Globals& g, float x, float y, float offset) {
    LineState& line = g.line;
    x += float(line.originX);
    y += float(line.originY);
    const float d = offset;
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

    // A very long segment: skip the pattern over the parts far outside the
    // window, dash only the part near it.
    float tailLength = 0.0f;
    if (length > kLongSegment) {
        float t0, t1;
        if (!nearWindow(g, x0, y0, x1, y1, t0, t1)) t0 = t1 = 1.0f;
        skipDash(line, double(length) * t0);
        x0 += (x1 - x0) * t0, y0 += (y1 - y0) * t0;
        penTo(g, x0, y0, line.dashPhase);
        tailLength = length * (1.0f - t1);
        length *= (t1 - t0);
    }

    int guard = 0;
    while (line.dashRemaining <= length) {
        if (++guard > kMaxDashElements) break;
        x0 += line.dashRemaining * ca;
        y0 -= line.dashRemaining * sa;
        penTo(g, x0, y0, line.dashPhase);
        length -= line.dashRemaining;
        nextElement(line);
    }
    // The segment ends inside an element: only the part advanced is used up,
    // so the rhythm continues into the next segment.
    if (guard <= kMaxDashElements) line.dashRemaining -= length;
    if (tailLength > 0.0f) {
        penTo(g, x0 + length * ca, y0 - length * sa, line.dashPhase);
        skipDash(line, tailLength);
    }
    penTo(g, x1, y1, line.dashPhase);
    line.curX = x1 + sa * d;
    line.curY = y1 + ca * d;
}

}  // namespace vtx
