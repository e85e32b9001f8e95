// The paths of the curve modes in plot coordinates. Each generator reads the
// points through point(i, X, Y) (false for a missing point, which breaks the
// path) and hands the path to move(X, Y) and draw(X, Y), so the same code
// serves the drawing of a million points and the unit tests, allocating nothing.
#pragma once

#include <cmath>

namespace vtx {

// Polyline; with gap > 0 a new piece starts where the user x values of
// neighbours differ by more than gap (userX(i) gives them).
template <typename Point, typename UserX, typename Move, typename Draw>
void emitPolyline(int n, float gap, Point&& point, UserX&& userX, Move&& move, Draw&& draw) {
    bool open = false;
    float X, Y;
    for (int i = 0; i < n; ++i) {
        if (!point(i, X, Y)) {
            open = false;
            continue;
        }
        if (open && gap > 0.0f && !(std::fabs(userX(i) - userX(i - 1)) <= gap)) open = false;
        if (open) {
            draw(X, Y);
        } else {
            move(X, Y);
            open = true;
        }
    }
}

// Steps with their risers at the mid-points between neighbours; the first
// and last steps reach half an interval beyond the end points.
template <typename Point, typename Move, typename Draw>
void emitSteps(int n, Point&& point, Move&& move, Draw&& draw) {
    int i = 0;
    float X0, Y0, X1, Y1;
    while (i < n) {
        if (!point(i, X0, Y0)) {
            ++i;
            continue;
        }
        // A piece of consecutive valid points starts at i.
        float d = 0.0f;
        if (i + 1 < n && point(i + 1, X1, Y1)) d = (X1 - X0) / 2;
        move(X0 - d, Y0);
        draw(X0, Y0);
        ++i;
        while (i < n && point(i, X1, Y1)) {
            d = (X1 - X0) / 2;
            draw(X0 + d, Y0);
            draw(X0 + d, Y1);
            draw(X1, Y1);
            X0 = X1, Y0 = Y1;
            ++i;
        }
        draw(X0 + d, Y0);
    }
}

// Stairs: horizontal first, then vertical.
template <typename Point, typename Move, typename Draw>
void emitStairs(int n, Point&& point, Move&& move, Draw&& draw) {
    bool open = false;
    float X, Y, Xp = 0.0f, Yp = 0.0f;
    for (int i = 0; i < n; ++i) {
        if (!point(i, X, Y)) {
            open = false;
            continue;
        }
        if (open) {
            draw(X, Yp);
            draw(X, Y);
        } else {
            move(X, Y);
            open = true;
        }
        Xp = X, Yp = Y;
    }
    (void)Xp;
}

// Half the width of the bars: w > 0 is a fraction of the first interval
// (plot units between the first two points), w <= 0 an absolute width.
inline float barHalfWidth(float w, float firstInterval) {
    return w > 0.0f ? 0.5f * w * std::fabs(firstInterval) : 0.5f * std::fabs(w);
}

// The corners of the bar around X from the base line to Y, in drawing order.
inline void barCorners(float X, float half, float base, float Y, float* xs, float* ys) {
    xs[0] = X - half, ys[0] = base;
    xs[1] = X + half, ys[1] = base;
    xs[2] = X + half, ys[2] = Y;
    xs[3] = X - half, ys[3] = Y;
}

}  // namespace vtx
