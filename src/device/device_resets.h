// Reset keywords of the line, clipping, colour, fill and shielding settings,
// and their defaults without a keyword. Included by the session's reset
// routines only.
#pragma once

#include "core/reset_table.h"
#include "device/base_transform.h"
#include "device/colour.h"
#include "device/colour_tables.h"
#include "device/shading.h"
#include "device/shield_regions.h"
#include "session/globals.h"

namespace vtx {

inline void restoreClipMode(Globals& g) { g.line.clipMode = LineState{}.clipMode; }
inline void restoreCurrentColour(Globals& g) { qqsclr(g, g.colour.foreground); }

inline const ResetRow<Globals> kDeviceResets[] = {
    {"CLPB", [](Globals& g) { g.line.clipBorder = LineState{}.clipBorder; }, true},
    {"CLPM", restoreClipMode, true},
    // The clipping window is the page, whose size vtxini fixed.
    {"CLPW", [](Globals& g) {
         g.line.clipX1 = g.line.clipY1 = 0;
         g.line.clipX2 = g.out.nxPage, g.line.clipY2 = g.out.nyPage;
         g.line.clipOwner = LineState{}.clipOwner;
     }, true},
    {"CLRC", fillColourCycle, false},
    {"COLM", [](Globals& g) { g.colour.colourMode = ColourState{}.colourMode; }, false},
    {"COLO", restoreCurrentColour, false},
    {"COLR", [](Globals& g) { g.colour.rangeLow = 1, g.colour.rangeHigh = scaleRangeEnd(g.colour.kind); }, false},
    {"NOAR", [](Globals& g) { g.fill.outline = FillState{}.outline; }, true},
    {"NOFI", [](Globals& g) { g.fill.noFill = FillState{}.noFill; }, true},
    {"FILC", [](Globals& g) { g.fill.fillColour = FillState{}.fillColour; }, true},
    {"NOCL", restoreClipMode, true},
    {"ORIG", [](Globals& g) { g.line.originX = LineState{}.originX, g.line.originY = LineState{}.originY; }, true},
    {"SETC", restoreCurrentColour, false},
    {"SHDP", [](Globals& g) { setShadingPattern(g, 0); }, true},
    {"SHIE", [](Globals& g) { restoreDefault(g.shield.autoFlags, ShieldState{}.autoFlags); }, true},
    {"SHLS", [](Globals& g) { g.shield.surface = ShieldState{}.surface; }, true},
    {"THKC", [](Globals& g) { g.line.curveThickness = LineState{}.curveThickness; }, true},
};

inline void restoreDeviceUnnamed(Globals& g) {
    const LineState d;
    LineState& line = g.line;
    line.pageOrigin = d.pageOrigin;
    // Only the first element: the rest of the pattern lies beyond its count.
    line.dash[0] = d.dash[0], line.dashCount = d.dashCount;
    line.dashPhase = d.dashPhase, line.dashIndex = d.dashIndex, line.dashRemaining = d.dashRemaining;
    line.lineType = d.lineType;
    line.lineWidth = d.lineWidth, line.penWidth = d.penWidth;
    line.lineCap = d.lineCap, line.lineJoin = d.lineJoin, line.miterLimit = d.miterLimit;
    loadDefaultColourTable(g);
    resetBaseTransform(g);
    clearShieldRegions(g);
}

}  // namespace vtx
