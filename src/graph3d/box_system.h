// The 3-D axis system of graf3d: user coordinates to box coordinates to
// plot coordinates, and the check that routines needing it share.
#pragma once

#include "graph2d/axis_transform.h"
#include <cmath>

#include "device/pipeline.h"
#include "graph3d/graph3d_state.h"
#include "graph3d/zbuffer.h"
#include "session/globals.h"

namespace vtx {

// Box coordinate of a user value on one axis: the box spans -L/2..L/2.
inline float boxCoordinate(const AxisScaling& s, float v, float length, float negLog) {
    const float u = axisValue(s, v, negLog);
    return (u - s.a) * length / (s.e - s.a) - 0.5f * length;
}

// User value of a box coordinate (the inverse of boxCoordinate).
inline float userCoordinate(const AxisScaling& s, float b, float length) {
    const float u = (0.5f * length + b) * (s.e - s.a) / length + s.a;
    return s.log ? std::pow(10.0f, u) : u;
}

inline void userToBox(const Globals& g, float x, float y, float z, float& xb, float& yb, float& zb) {
    const AxisState& a = g.axis;
    const float* L = g.g3d.box;
    xb = boxCoordinate(a.sx, x, L[0], a.negLog);
    yb = boxCoordinate(a.sy, y, L[1], a.negLog);
    zb = boxCoordinate(a.sz, z, L[2], a.negLog);
}

// Box point to plot coordinates, limited like every plotted point.
inline void boxToPlot(const Globals& g, float x, float y, float z, float& X, float& Y) {
    g.g3d.projection.project(x, y, z, X, Y);
    X = clampPlot(X);
    Y = clampPlot(Y);
}

inline void userToPlot3(const Globals& g, float x, float y, float z, float& X, float& Y) {
    float xb, yb, zb;
    userToBox(g, x, y, z, xb, yb, zb);
    boxToPlot(g, xb, yb, zb, X, Y);
}

inline bool insideBox(const float L[3], const float b[3]) {
    for (int k = 0; k < 3; ++k)
        if (!(std::fabs(b[k]) <= 0.5f * L[k])) return false;
    return true;
}

// The pen of lines in the box: segments are cut by the front and back
// planes before they are projected, and a cut start begins a new polyline.
// While a z-buffer is open they are drawn through it, so that surfaces and
// bars in front of them hide them.
inline void boxMove(Globals& g, const float p[3]) {
    for (int i = 0; i < 3; ++i) g.g3d.pen3[i] = p[i];
    g.g3d.pen3Shown = 0;
}

inline void boxDraw(Globals& g, const float p[3]) {
    Graph3DState& s = g.g3d;
    const float start[3] = {s.pen3[0], s.pen3[1], s.pen3[2]};
    float a[3] = {start[0], start[1], start[2]}, b[3] = {p[0], p[1], p[2]};
    const bool shown = s.pen3Shown != 0;
    boxMove(g, p);
    if (s.clip3 == kClip3D && !clipSegmentToBox(s.box, a, b)) return;
    if (!clipSegment(s.projection, s.depthRange, a, b)) return;
    // With a z-buffer open the line is hidden where something nearer was drawn.
    if (s.zbufferOpen && g.surface.hasDepth()) {
        const float colour = float(g.colour.current);
        DepthCorner ends[2];
        for (int k = 0; k < 2; ++k) {
            const float* q = k == 0 ? a : b;
            boxToPlot(g, q[0], q[1], q[2], ends[k].X, ends[k].Y);
            ends[k].depth = s.projection.depth(q[0], q[1], q[2]);
            ends[k].colour = colour;
        }
        depthLine(g, ends[0], ends[1]);
        return;
    }
    const bool cutStart = a[0] != start[0] || a[1] != start[1] || a[2] != start[2];
    float X, Y;
    if (!shown || cutStart) {
        boxToPlot(g, a[0], a[1], a[2], X, Y);
        strtqq(g, X, Y);
    }
    boxToPlot(g, b[0], b[1], b[2], X, Y);
    connqq(g, X, Y);
    s.pen3Shown = b[0] == p[0] && b[1] == p[1] && b[2] == p[2];
}

// The record when the level is 3 and the current system is a graf3d box;
// warning 3 or 35 and null otherwise.
Globals* box3dSystem(const char* routine);

// The record when the level is 3 in a colour-plot (2-D) system; warning 3,
// or 35 inside a graf3d box, and null otherwise.
Globals* colourPlotSystem(const char* routine);

}  // namespace vtx
