// Thick frames around texts and legends are drawn as nested rings one plot
// unit apart.
#pragma once

#include <algorithm>

#include "core/checks.h"
#include "session/globals.h"

namespace vtx {

// The rings drawn for a frame thickness: beyond the page's size more rings
// add nothing.
inline int frameRingCount(const Globals& g, int thickness) {
    return boundedMagnitude(thickness, std::max(g.out.nxPage, g.out.nyPage) + 1);
}

}  // namespace vtx
