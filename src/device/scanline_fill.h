// Software fill of a polygon with parallel hatch lines: the polygon is turned
// so that the lines become horizontal scan lines, the even-odd spans of each
// scan line are found and turned back. Pure geometry: spans go to a sink.
#pragma once

namespace vtx {

constexpr int kMaxScanCrossings = 100;  // crossings accepted per scan line
constexpr int kFillWorkExtra = 130;     // work space beyond the vertices, in coordinate pairs
constexpr int kFillPasses = 5;          // spans 1..4 of every scan line, then the rest

// Floats of work space for a polygon of n vertices.
inline long fillWorkFloats(int n) { return 2L * (long(n) + kFillWorkExtra); }

// Receives one span in plot coordinates.
using SpanSink = void (*)(void* context, float x1, float y1, float x2, float y2);

struct HatchLines {
    float angle = 0.0f;        // degrees, counter-clockwise on the page
    float spacing = 2.0f;      // distance of the scan lines
    int groupDrawn = 0;        // draw this many scan lines, then skip groupSkipped (0: draw all)
    int groupSkipped = 0;
    float visibleLow = -1e30f; // scan lines outside this band of the turned frame are not drawn
    float visibleHigh = 1e30f;
};

// Fills the polygon (x, y, n) with one set of hatch lines. `work` holds
// fillWorkFloats(n) floats. `groupCount` counts scan lines across calls so that
// a second, crossing line set continues the groups. Returns 0, or 26 when a
// scan line crosses more than kMaxScanCrossings edges (the fill stops there).
int hatchPolygon(const float* x, const float* y, int n, const HatchLines& lines, float* work, long& groupCount,
                 SpanSink sink, void* context);

// The even-odd crossings of the horizontal line at height ys with the closed
// polygon (x, y, n), sorted, with pairs of equal crossings removed. Returns
// their number, or -1 if there are more than `capacity`.
int scanCrossings(const float* x, const float* y, int n, float ys, float* crossings, int capacity);

}  // namespace vtx
