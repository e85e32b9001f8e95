// The walk of the horizon pen (included by horizon.h).
#pragma once

#include <cmath>
#include <cstdlib>

namespace vtx {

inline HorizonSide HorizonPen::visibility(int col, int y) const {
    if (col < 0 || col >= width_) return HorizonSide::Hidden;
    if (y < upper_[col]) return HorizonSide::Top;
    if (y > lower_[col]) return HorizonSide::Bottom;
    return HorizonSide::Hidden;
}

template <typename Sink>
void HorizonPen::pen(float x, float y, int code, Sink&& sink, bool hideOnly) {
    const int tx = int(std::lround(x)), ty = int(std::lround(y));
    if (code != 2) {
        flushColumn();
        penX_ = tx, penY_ = ty;
        return;
    }
    // Bresenham from the pen to the target, stepping along the longer difference.
    const int dx = std::abs(tx - penX_), dy = std::abs(ty - penY_);
    const int sx = tx > penX_ ? 1 : -1, sy = ty > penY_ ? 1 : -1;
    int px = penX_, py = penY_, err = dx - dy;
    HorizonSide run = HorizonSide::Hidden;
    int runX = 0, runY = 0, lastX = px, lastY = py;
    const int steps = dx > dy ? dx : dy;
    for (int i = 0; i <= steps; ++i) {
        const int col = px - x0_;
        if (col != pendingCol_) {
            flushColumn();
            pendingCol_ = col, pendingMin_ = pendingMax_ = py;
        } else {
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
