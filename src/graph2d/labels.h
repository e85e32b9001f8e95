// Label texts of the axis label types.
#pragma once

#include "session/globals.h"

namespace vtx {

constexpr int kLabelTextSize = 160;

struct AxisLabel {
    char text[kLabelTextSize] = {};
    bool needsMix = false;      // holds exponent and reset characters
    bool germanShift = false;   // holds the '!' shift of the German umlauts
};

// Text of label `index` (of labels 0..count) with value v on axis 0 x, 1 y,
// 2 z. On a logarithmic axis v is the exponent; `reversed` tells that the
// axis runs backwards (user labels are then taken in reverse order).
void axisLabelText(Globals& g, int axis, float v, bool log, int index, int count, bool reversed, AxisLabel& out);

// The pieces of the text types, exposed for their own tests.
void timeLabelText(int type, float seconds, bool colons, char* out, int size);
void mapLabelText(const TextState& t, int type, int axis, float v, int digits, char* out, int size);
void dateLabelText(Globals& g, int axis, int dayNumber, char* out, int size);

}  // namespace vtx
