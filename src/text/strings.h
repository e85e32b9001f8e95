// Drawing and measuring whole strings.
#pragma once

#include "session/globals.h"

namespace vtx {

constexpr int kTextBufferSize = 256;

// Draws a string with its upper left corner at plot position (x, y);
// x = y = 999 continues at the end of the previous string.
void qqmess(Globals& g, const char* text, int x, int y);

// Draws a formatted number like qqmess, or with `measure` only returns its width.
int numberText(Globals& g, float value, int ndig, int x, int y, bool measure);

// Width of a string in plot units, as nlmess returns it.
int measureString(Globals& g, const char* text);

// Starts the per-string state from the user parameters.
void beginRun(Globals& g);

}  // namespace vtx
