// The z-buffer: the depth plane of the raster surface, open between zbfini
// and zbffin (or for the length of a smooth-shaded surface), and depth-tested
// triangles and lines drawn into it in plot coordinates.
#pragma once

#include "session/globals.h"

namespace vtx {

// Opens the buffer; warning 40 without a raster surface, 53 without memory.
bool openZBuffer(Globals& g);
void closeZBuffer(Globals& g);

// A corner in plot coordinates with its depth (larger is farther) and colour.
struct DepthCorner {
    float X, Y, depth, colour;
};

// With paint false only the depths are written: the triangle hides what
// lies behind it without showing.
void depthTriangle(Globals& g, const DepthCorner& a, const DepthCorner& b, const DepthCorner& c, bool paint = true);
void depthLine(Globals& g, const DepthCorner& a, const DepthCorner& b);

}  // namespace vtx
