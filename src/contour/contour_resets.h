// Reset keywords of the contour settings, and their defaults without a
// keyword. Included by the session's reset routines only.
#pragma once

#include "contour/contour_state.h"
#include "core/reset_table.h"
#include "session/globals.h"

namespace vtx {

inline const ResetRow<Globals> kContourResets[] = {
    {"CONC", [](Globals& g) { g.contour.colourCount = ContourState{}.colourCount; }, true},
    {"CONG", [](Globals& g) { g.contour.gap = ContourState{}.gap; }, true},
    {"CONM", [](Globals& g) {
         g.contour.labelFactor = ContourState{}.labelFactor, g.contour.labelSpacing = ContourState{}.labelSpacing;
     }, true},
};

inline void restoreContourUnnamed(Globals& g) {
    const ContourState d;
    g.contour.shadeMode = d.shadeMode, g.contour.outsideBands = d.outsideBands;
    g.contour.bandColourFrom = d.bandColourFrom;
}

}  // namespace vtx
