// Reset keywords of the contour settings, and their defaults without a
// keyword. Included by the session's reset routines only.
#pragma once

#include "contour/contour_state.h"
#include "core/reset_table.h"
#include "session/globals.h"

namespace vtx {

inline const ResetRow<Globals> kContourResets[] = {
    {"CONC", [](Globals& g) { g.contour.colour = ContourState{}.colour; }, true},
    {"CONG", [](Globals& g) { g.contour.gap = ContourState{}.gap; }, true},
    {"CONM", [](Globals& g) {
         g.contour.labelFactor = ContourState{}.labelFactor, g.contour.labelSpacing = ContourState{}.labelSpacing;
     }, true},
};

inline void restoreContourUnnamed(Globals& g) { g.contour.shadeMode = ContourState{}.shadeMode; }

}  // namespace vtx
