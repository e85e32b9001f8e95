// Reset keywords of the data-utility settings. Included by the session's
// reset routines only.
#pragma once

#include "core/reset_table.h"
#include "session/globals.h"
#include "utilities/utility_state.h"

namespace vtx {

inline const ResetRow<Globals> kUtilityResets[] = {
    {"MDFM", [](Globals& g) {
         const UtilityState d;
         g.util.gridRadiusX = d.gridRadiusX, g.util.gridRadiusY = d.gridRadiusY, g.util.gridExponent = d.gridExponent;
     }, true},
};

}  // namespace vtx
