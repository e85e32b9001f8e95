// Checks that every contour routine makes on its coordinates.
#pragma once

#include "session/globals.h"

namespace vtx {

// False, with warning 27, when a logarithmic axis gets a value it cannot show.
bool logValuesFit(const Globals& g, const float* x, int nx, const float* y, int ny);

}  // namespace vtx
