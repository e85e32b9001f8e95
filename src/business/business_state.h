// Bar graph and pie chart fields of the global state record.
#pragma once

namespace vtx {

struct BusinessState {
    int barType = 0, barPos = 0, barChange = 0;  // bartyp, barpos, chnbar
    int barGroups = 1;                     // bargrp
    float barGroupGap = 0;
    float barDepth = 0, barAngle = 45.0f;  // baropt
    int pieType = 0, pieExplode = 0;       // pietyp, pieexp
    float pieOpt[2] = {0.2f, 45.0f};       // pieopt
    int pieVector = 2301; int pieVectorMode = 0;  // pievec, "BROK"
    int pieChange = 2;                     // chnpie
    int pieBorder = -1;                    // piebor
    int pieLabels = 0;                     // pielab
};

}  // namespace vtx
