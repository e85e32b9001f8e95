// Mixed alphabets (smxalf) and the instruction alphabet: every character
// passes this filter before it is drawn.
#pragma once

#include "session/globals.h"

namespace vtx {

// True when the character was consumed (a shift character, or a character
// of an instruction group).
bool mixFilter(Globals& g, int code);

// Runs one instruction (command letter and argument text).
void executeInstruction(Globals& g, const char* text, int length);

// Distance of the pen from the string's start point along the base line.
float penDistance(const Globals& g);

// Sets the character height inside a string (at least 1).
void setRunHeight(Globals& g, int h);

bool anyMixSlot(const Globals& g);

}  // namespace vtx
