// The degree-labelled axes of map axis systems.
#pragma once

#include "session/globals.h"

namespace vtx {

// The four sides of the rectangular frame (lower, left, upper, right; two
// after ax2grf) with degree labels at the projected grid positions.
void drawMapAxes(Globals& g);

}  // namespace vtx
