// Formulas: TeX-like markup in strings when texmod is on.
#pragma once

#include "session/globals.h"

namespace vtx {

constexpr int kMaxFractions = 20;
constexpr int kMaxMeasures = 256;

// What the measuring pass learns for the drawing pass: the widths of
// numerators, denominators and limits and the heights of radicands, in the
// order the parser meets them.
struct FormulaLayout {
    bool drawing = false;
    float width = 0.0f;  // widest distance reached
    float measures[kMaxMeasures] = {};
    int count = 0;       // measures recorded
    int next = 0;        // next measure to read while drawing
};

// Parses the formula from the pen, measuring (layout.drawing false) or
// drawing; false after an error, which the measuring pass reports as
// warning 101.
bool runFormula(Globals& g, const char* text, FormulaLayout& layout);

}  // namespace vtx
