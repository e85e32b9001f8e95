// Circles and radial lines of a polar axis system.
#pragma once

#include "session/globals.h"

namespace vtx {

// Circles every xstep/ix up to the outer radius and (360/ystep)·iy radial lines.
void drawPolarGrid(Globals& g, int ix, int iy);

// A circle of radius r (plot units) around the polar centre.
void polarCircle(Globals& g, float r);

}  // namespace vtx
