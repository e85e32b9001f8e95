// Shaded surfaces as triangles in box coordinates: coloured by Z or lit,
// drawn through the z-buffer (smooth, on raster surfaces) or in order of
// depth (flat), with optional mesh lines.
#pragma once

#include <vector>

#include "session/globals.h"

namespace vtx {

struct ShadeVertex {
    float b[3];      // box coordinates
    float value;     // the Z value that selects the colour
    float n[3];      // normal in box coordinates (need not be unit length)
};

struct ShadeTriangle {
    ShadeVertex v[3];
    float flatValue;     // the value of flat shading (of the whole cell)
    bool edge[3];        // mesh line from corner k to corner k + 1
};

// Draws the triangles with the colour range lo..hi (zscale if set); false
// and warning 40 when smooth shading meets a device without pixels.
bool drawShadedTriangles(Globals& g, std::vector<ShadeTriangle>& tris, float lo, float hi);

}  // namespace vtx
