// Grid labels around the frame of elliptical and azimuthal-cap maps.
#pragma once

#include "session/globals.h"

namespace vtx {

// Writes the longitude labels (meridians) and latitude labels (parallels)
// where those grid lines meet the frame, when mpaepl asked for them.
void drawMapGridLabels(Globals& g, bool meridians, bool parallels);

}  // namespace vtx
