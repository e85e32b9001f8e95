// Contour fields of the global state record.
#pragma once

namespace vtx {

struct ContourState {
    float labelFactor = 0.5f, labelSpacing = 1.5f;  // conmod
    float gap = 0.5f;                      // congap
    int shadeMode = 0;                     // shdmod CONT: 0 cell by cell, 1 closed contour polygons
    int outsideBands = 0;                  // shdmod CELL: 0 both, 1 upper only, 2 lower only, 3 none
    int bandColourFrom = 0;                // shdmod COLO: 0 lower level, 1 middle, 2 upper level
    int colourCount = 0;                   // conclr: band colours in the caller's level order
    int colours[256] = {};
    char labelText[21] = {};               // conlab: label text for labels CONL
};

}  // namespace vtx
