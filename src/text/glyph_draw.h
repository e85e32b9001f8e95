// Drawing (or measuring) one character at the text pen.
#pragma once

#include "session/globals.h"
#include "text/glyph_decode.h"

namespace vtx {

// Draws the character of input code `code` at the pen and advances the
// pen; while measuring only the pen moves.
void alfcha(Globals& g, int code);

// Draws an internal code, after the mixing filter and input mapping.
void drawInternalCode(Globals& g, int code);

// Glyph tables of a registered alphabet (1..6), with the reuse rules applied.
GlyphTables registeredTables(const TextState& t, int alphabet);

// Moves the pen by `distance` along the text direction.
void advancePen(Globals& g, float distance);

// Plot position of a point (X, Y) in the character frame at the pen, with
// the current base-line offsets.
void penToPage(const Globals& g, float X, float Y, float& x, float& y);

// The advance of the blank (or of the fixed cell in fixed pitch).
float blankAdvance(Globals& g);

}  // namespace vtx
