// Reset keywords of the figure settings. Included by the session's reset
// routines only.
#pragma once

#include "core/reset_table.h"
#include "figures/figures_state.h"
#include "session/globals.h"

namespace vtx {

inline const ResetRow<Globals> kFiguresResets[] = {
    // One chord per millimetre whatever the unit.
    {"CIRC", [](Globals& g) { g.fig.arcSpacing = FiguresState{}.arcSpacing / g.out.unitFactor; }, true},
};

}  // namespace vtx
