// Short polylines straight into the pixel surface. Symbols are drawn by the
// thousand in scatter plots; when the line pipeline would only map their
// points and draw them (solid, thin lines, rectangular clipping with every
// point inside, no installed stages), they skip its buffer and stages and
// come out pixel for pixel, with the same device pen and vector count.
#pragma once

#include "session/globals.h"

namespace vtx {

// Draws the polyline (x, y, n), plot coordinates with the origin shift
// applied, into the pixel surface; false, having drawn nothing, where the
// pipeline has to draw it.
bool surfacePolyline(Globals& g, const float* x, const float* y, int n);

}  // namespace vtx
