// Reset keywords of the map settings, and their defaults without a keyword.
// Included by the session's reset routines only.
#pragma once

#include "core/reset_table.h"
#include "maps/map_state.h"
#include "session/globals.h"

namespace vtx {

inline const ResetRow<Globals> kMapResets[] = {
    {"MAPM", [](Globals& g) { g.map.mode = MapState{}.mode; }, true},
    {"MAPP", [](Globals& g) { g.map.poleSet = MapState{}.poleSet; }, true},
    {"MAPR", [](Globals& g) { g.map.refSet = MapState{}.refSet; }, true},
    {"MAPS", [](Globals& g) { g.map.sphereSet = MapState{}.sphereSet; }, true},
    {"MPLA", [](Globals& g) { g.map.plotAngle = MapState{}.plotAngle; }, true},
    {"MPLC", [](Globals& g) {
         g.map.plotColour = MapState{}.plotColour, g.map.plotBackground = MapState{}.plotBackground;
     }, true},
    {"MPLS", [](Globals& g) { g.map.plotSize = MapState{}.plotSize; }, true},
    {"PROJ", [](Globals& g) { g.map.projection = MapState{}.projection; }, true},
};

inline void restoreMapUnnamed(Globals& g) {
    const MapState d;
    g.map.base = d.base, g.map.level = d.level, g.map.fileSet = d.fileSet;
    g.map.plotLabels = d.plotLabels, g.map.plotOffset[0] = d.plotOffset[0], g.map.plotOffset[1] = d.plotOffset[1];
}

}  // namespace vtx
