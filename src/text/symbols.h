// Plot symbols: the 24 built-in shapes and the user symbol of mysymb.
#pragma once

#include "session/globals.h"

namespace vtx {

constexpr int kHighestSymbol = 23;

// Symbol `number` centred at plot position (x, y) (origin shift not yet
// applied) with the current symbol size and rotation.
void dsymbl(Globals& g, int number, float x, float y);

// The same with an explicit size, for the instruction alphabet; (x, y)
// already includes the origin shift.
void drawSymbolSized(Globals& g, int number, float x, float y, float size);

}  // namespace vtx
