// The walk of the horizon pen (included by horizon.h).
#pragma once

#include <cmath>
#include <algorithm>
#include <cstdlib>
#include <utility>

namespace vtx {

// The part of a segment over columns x0 - 1 .. x0 + width within the 16-bit
// range of plot y; false if none.
inline bool HorizonPen::clipToColumns(float& ax, float& ay, float& bx, float& by) const {
    const float lo[2] = {float(x0_ - 1), -32767.0f}, hi[2] = {float(x0_ + width_), 32766.0f};
    const float p[2] = {ax, ay}, d[2] = {bx - ax, by - ay};
    float t0 = 0.0f, t1 = 1.0f;
    for (int k = 0; k < 2; ++k) {
        if (d[k] == 0.0f) {
            if (p[k] < lo[k] || p[k] > hi[k]) return false;
            continue;
        }
        float ta = (lo[k] - p[k]) / d[k], tb = (hi[k] - p[k]) / d[k];
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta), t1 = std::min(t1, tb);
    }
    if (!(t0 <= t1)) return false;
    ax = p[0] + t0 * d[0], ay = p[1] + t0 * d[1];
    // The end stays where it is when inside: the next segment starts there.
    if (t1 < 1.0f) bx = p[0] + t1 * d[0], by = p[1] + t1 * d[1];
    return true;
}

inline HorizonSide HorizonPen::visibility(int col, int y) const {
    if (col < 0 || col >= width_) return HorizonSide::Hidden;
    if (y < upper_[col]) return HorizonSide::Top;
    if (y > lower_[col]) return HorizonSide::Bottom;
    return HorizonSide::Hidden;
}

template <typename Sink>
void HorizonPen::pen(float x, float y, int code, Sink&& sink, PenMode mode) {
    const bool hideOnly = mode == PenMode::HideOnly, raise = mode != PenMode::DrawOnly;
    const int tx = int(std::lround(x)), ty = int(std::lround(y));
    if (code != 2) {
        flushColumn();
        penX_ = tx, penY_ = ty;
        return;
    }
    // Only the part over the pen's columns can show: the walk starts and
    // ends there, so that far-off points cost no steps.
    float ax = float(penX_), ay = float(penY_);
    float bx = float(tx), by = float(ty);
    if (!clipToColumns(ax, ay, bx, by)) {
        flushColumn();
        penX_ = tx, penY_ = ty;
        return;
    }
    const int startX = int(std::lround(ax)), startY = int(std::lround(ay));
    if (startX != penX_ || startY != penY_) flushColumn(), penX_ = startX, penY_ = startY;
    const int endX = int(std::lround(bx)), endY = int(std::lround(by));
    // Bresenham from the pen to the target, stepping along the longer difference.
    const int dx = std::abs(endX - penX_), dy = std::abs(endY - penY_);
    const int sx = endX > penX_ ? 1 : -1, sy = endY > penY_ ? 1 : -1;
    int px = penX_, py = penY_, err = dx - dy;
    HorizonSide run = HorizonSide::Hidden;
    int runX = 0, runY = 0, lastX = px, lastY = py;
    const int steps = dx > dy ? dx : dy;
    for (int i = 0; i <= steps; ++i) {
        const int col = px - x0_;
        if (raise && col != pendingCol_) {
            flushColumn();
            pendingCol_ = col, pendingMin_ = pendingMax_ = py;
        } else if (raise) {
            pendingMin_ = py < pendingMin_ ? py : pendingMin_;
            pendingMax_ = py > pendingMax_ ? py : pendingMax_;
        }
        const HorizonSide side = visibility(col, py);
        if (side != run) {
            if (run != HorizonSide::Hidden && !hideOnly) sink(run, float(runX), float(runY), float(lastX), float(lastY));
            run = side, runX = px, runY = py;
        }
        lastX = px, lastY = py;
        const int e2 = 2 * err;
        if (e2 > -dy) err -= dy, px += sx;
        if (e2 < dx) err += dx, py += sy;
    }
    if (run != HorizonSide::Hidden && !hideOnly) sink(run, float(runX), float(runY), float(lastX), float(lastY));
    penX_ = tx, penY_ = ty;
}

}  // namespace vtx
