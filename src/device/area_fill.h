// Filled polygons: handed whole to a device that fills them itself, or
// filled in software with the hatch lines of the shading pattern.
#pragma once

#include "session/globals.h"

namespace vtx {

// Public routine: polygon in page coordinates, outline and fill.
void areaf(const int* nx, const int* ny, int n);

// Filled polygon in plot coordinates (the origin shift is added).
void dareaf(Globals& g, const float* x, const float* y, int n);

}  // namespace vtx
