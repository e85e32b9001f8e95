// Checks shared by the routines that plot user data: positive values on
// logarithmic axes, and the protocol lines for points outside the scaling.
#pragma once

#include "session/globals.h"

namespace vtx {

// False, with warning 27, when a logarithmic axis gets a non-positive value
// and neglog has not supplied a substitute.
bool logValuesAllowed(Globals& g, const float* x, const float* y, int n);

// One protocol line per point outside the user-value window, unless nochek.
void reportOutsideScaling(Globals& g, const float* x, const float* y, int n);

}  // namespace vtx
