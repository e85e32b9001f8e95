// Attribute cycling from curve to curve: colour and line style by cycle
// index, the symbol number, and the shading patterns of shaded curves.
#pragma once

#include "session/globals.h"

namespace vtx {

// Sets the colour and line style of the next curve from the cycles as chncrv
// asks; the caller borrows both (ColourScope, LineTypeScope) around it.
void applyCurveCycle(Globals& g);

// Counts the curve; every inccrv curves the cycle index advances (1 ... 30)
// and, with symbols on, the symbol number.
void finishCurveCycle(Globals& g);

}  // namespace vtx
