// Attribute cycling from curve to curve: colour and line style by cycle
// index, the symbol number, and the shading patterns of shaded curves.
#pragma once

#include "session/globals.h"

namespace vtx {

// Sets the colour and line style of the next curve from the cycles as chncrv
// asks; returns with the previous values in colour and lineType.
struct CurveAttributes {
    int colour = 0, lineType = 0;
};
CurveAttributes applyCurveCycle(Globals& g);

// Restores the attributes and counts the curve; every inccrv curves the
// cycle index advances (1 ... 30) and, with symbols on, the symbol number.
void finishCurveCycle(Globals& g, const CurveAttributes& saved);

}  // namespace vtx
