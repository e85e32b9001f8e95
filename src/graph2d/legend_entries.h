// Registration of legend entries by the routines that draw curves, shaded
// areas and other legend-carrying items.
#pragma once

#include "session/globals.h"

namespace vtx {

// Records the attributes of the next item drawn after legini as legend entry
// (curves so far + 1), unless legpat defines the entries; the first entry
// also shields the legend rectangle when automatic shielding of legends is on.
void registerLegendEntry(Globals& g, int lineStyle, int symbol, int thickness, int colour, int pattern);

}  // namespace vtx
