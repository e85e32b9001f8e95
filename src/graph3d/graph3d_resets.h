// Reset keywords of the 3-D settings, and their defaults without a keyword.
// Included by the session's reset routines only.
#pragma once

#include "core/reset_table.h"
#include "device/pipeline_slots.h"
#include "graph3d/graph3d_state.h"
#include "session/globals.h"

namespace vtx {

inline const ResetRow<Globals> kGraph3DResets[] = {
    {"AXIS", [](Globals& g) { restoreDefault(g.g3d.axis3, Graph3DState{}.axis3); }, true},
    {"FLAB", [](Globals& g) { g.g3d.flab3 = Graph3DState{}.flab3; }, true},
    {"NOBA", [](Globals& g) { g.g3d.noBar = Graph3DState{}.noBar; }, true},
    {"NOBG", [](Globals& g) { g.g3d.noBackground = Graph3DState{}.noBackground; }, true},
    {"NOHI", [](Globals& g) { g.g3d.noHide = Graph3DState{}.noHide; }, true},
    {"SURC", [](Globals& g) {
         restoreDefault(g.g3d.surfColours, Graph3DState{}.surfColours);
         g.g3d.surfColoursSet = 0;
     }, true},
    {"SURS", [](Globals& g) { g.g3d.surfSize = Graph3DState{}.surfSize; }, true},
    {"SURV", [](Globals& g) { g.g3d.surfVisible = Graph3DState{}.surfVisible; }, true},
    {"VIEW", [](Globals& g) { g.g3d.viewSet = Graph3DState{}.viewSet; }, true},
    {"VKXB", [](Globals& g) { g.g3d.barShiftX = Graph3DState{}.barShiftX; }, true},
    {"VKYB", [](Globals& g) { g.g3d.barShiftY = Graph3DState{}.barShiftY; }, true},
    {"WIDB", [](Globals& g) { g.g3d.barWidth = Graph3DState{}.barWidth; }, true},
    {"ZSCA", [](Globals& g) { g.g3d.zScaleSet = Graph3DState{}.zScaleSet; }, true},
};

inline void restoreGraph3DUnnamed(Globals& g) {
    const Graph3DState d;
    Graph3DState& s = g.g3d;
    s.meshColour = d.meshColour;
    s.clipNear = d.clipNear, s.clipFar = d.clipFar;
    s.upSet = d.upSet, s.up = d.up, s.focusSet = d.focusSet, s.labels3 = d.labels3, s.clip3 = d.clip3;
    s.surfOptions = d.surfOptions, s.light = d.light, s.surfMesh = d.surfMesh;
    // A new plot starts without a plane projection.
    if (s.planeActive) removeSegmentFilter(g.line.slots, SegmentStage::PlaneProjection);
    s.planeActive = 0;
    s.symbolPoints = d.symbolPoints;
    s.halfAngle = d.halfAngle, s.smoothShading = d.smoothShading, s.zbufferOpen = d.zbufferOpen;
    for (int i = 0; i < 8; ++i) s.lights[i] = d.lights[i];
    for (int i = 0; i < 4; ++i) s.material[i] = d.material[i];
}

}  // namespace vtx
