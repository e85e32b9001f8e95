// Bar graph and pie chart fields of the global state record.
#pragma once

namespace vtx {

constexpr int kPieColours = 30;     // pairs of the pieclr table
constexpr int kPieUnitLength = 20;  // characters of a pielab text

struct BusinessState {
    int barType = 0, barPos = 0, barChange = 0;  // bartyp (VERT HORI 3DVE 3DHO), barpos, chnbar
    int barVariable = 0;                   // barmod WIDT: 0 FIXE, 1 VARI
    int barGroups = 1;                     // bargrp
    float barGroupGap = 0;
    int barSlot = 0;                       // calls of bars so far in the current group
    int barColours[3] = {-1, -1, -1};      // barclr: front, side, top
    int barBorder = -1;                    // barbor
    float barDepth = -1.0f, barAngle = 45.0f;  // baropt
    int pieType = 0, pieExplode = 0;       // pietyp, pieexp
    float pieOpt[2] = {0.2f, 45.0f};       // pieopt
    int pieVector = 2301; int pieVectorMode = 0;  // pievec, "BROK"
    int pieChange = 2;                     // chnpie
    int pieBorder = -1;                    // piebor
    int pieColourCount = 0;                // pieclr: pairs in use
    int pieColours[kPieColours][2] = {};   // pieclr: segment and label colour, -1 current
    // pielab: texts left and right of label numbers; each row is rounded up
    // to whole words, so that the record has no padding bytes.
    char pieUnit[2][(kPieUnitLength + 4) / 4 * 4] = {};
};
static_assert(sizeof(BusinessState::pieUnit) % alignof(int) == 0, "no padding after the pielab texts");

}  // namespace vtx
