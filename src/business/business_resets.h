// Reset keywords of the bar graph and pie chart settings, and their defaults
// without a keyword. Included by the session's reset routines only.
#pragma once

#include "business/business_state.h"
#include "core/reset_table.h"
#include "session/globals.h"

namespace vtx {

inline const ResetRow<Globals> kBusinessResets[] = {
    {"BARD", [](Globals& g) { g.biz.barDepth = BusinessState{}.barDepth, g.biz.barAngle = BusinessState{}.barAngle; }, true},
    {"BARG", [](Globals& g) {
         g.biz.barGroups = BusinessState{}.barGroups, g.biz.barGroupGap = BusinessState{}.barGroupGap;
     }, true},
    {"BARP", [](Globals& g) { g.biz.barPos = BusinessState{}.barPos; }, true},
    {"BART", [](Globals& g) { g.biz.barType = BusinessState{}.barType; }, true},
    {"CHAB", [](Globals& g) { g.biz.barChange = BusinessState{}.barChange; }, true},
    {"CHNP", [](Globals& g) { g.biz.pieChange = BusinessState{}.pieChange; }, true},
    {"PIEE", [](Globals& g) { g.biz.pieExplode = BusinessState{}.pieExplode; }, true},
    {"PIEL", [](Globals& g) { restoreDefault(g.biz.pieUnit, BusinessState{}.pieUnit); }, true},
    {"PIEV", [](Globals& g) {
         g.biz.pieVector = BusinessState{}.pieVector, g.biz.pieVectorMode = BusinessState{}.pieVectorMode;
     }, true},
};

inline void restoreBusinessUnnamed(Globals& g) {
    const BusinessState d;
    g.biz.barVariable = d.barVariable;
    g.biz.barSlot = d.barSlot;
    restoreDefault(g.biz.barColours, d.barColours);
    g.biz.barBorder = d.barBorder;
    g.biz.pieBorder = d.pieBorder;
    g.biz.pieType = d.pieType;
    restoreDefault(g.biz.pieOpt, d.pieOpt);
    g.biz.pieColourCount = d.pieColourCount;
    restoreDefault(g.biz.pieColours, d.pieColours);
}

}  // namespace vtx
