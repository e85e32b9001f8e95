// Contour fields of the global state record.
#pragma once

namespace vtx {

struct ContourState {
    float labelFactor = 0.5f, labelSpacing = 1.5f;  // conmod
    float gap = 0.5f;                      // congap
    int colour = 0;                        // conclr
    int shadeMode = 0;                     // shdmod
    char labelText[21] = {};               // conlab: label text for labels CONL
};

}  // namespace vtx
