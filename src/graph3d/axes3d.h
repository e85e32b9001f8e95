// The labelled axes of a 3-D axis system on three edges of the projected box.
#pragma once

#include "session/globals.h"

namespace vtx {

// Ticks, labels and names of the X, Y and Z axes, with the text heights
// raised by half during the call.
void drawAxes3d(Globals& g);

}  // namespace vtx
