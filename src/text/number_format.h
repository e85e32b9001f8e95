// Numbers as text: the FLOA, EXP, FEXP and LOG formats and the numode
// rewriting of digits, decimal character, thousands separator and sign.
#pragma once

#include "text/text_state.h"

namespace vtx {

constexpr int kNumberTextSize = 256;

// FLOA text of a value with ndig decimals (-1: rounded to an integer);
// returns the length.
int formatFloa(float value, int ndig, char* out, int size);

// The text of a number in the selected format with the numode rewriting.
// `needsMix` is set when the text holds exponent and reset characters
// that must be drawn with mixalf on.
struct NumberText {
    char text[kNumberTextSize] = {};
    bool needsMix = false;
    bool equalWidth = false;
};
void formatNumber(const TextState& t, float value, int ndig, NumberText& out);

// Rewrites a FLOA text with the numode characters.
void applyNumberMode(const TextState& t, const char* in, char* out, int size);

}  // namespace vtx
