// Entry points of the SVG driver beyond the device interface: groups,
// colours, rectangles and hardware characters, and the character mapping
// that SVG and PDF text share.
#pragma once

#include "session/globals.h"

namespace vtx {

// Group control: 0 closes the open group, 1 makes a line group current,
// 2 a text group with the font of the last svgChar.
void qqsvg1(Globals& g, int mode);

// Colour change: ends the path and closes the group, so that the next
// element opens a group in the new colour.
void qqsvg3(Globals& g, int red, int green, int blue);

// Filled rectangle in device coordinates (pixels, y downwards).
void qqsvg4(Globals& g, float x, float y, float width, float height, int red, int green, int blue);

// One character of the standard font `fontIndex` (the psfont order) with
// the character height in plot units and the text angle in degrees; (x, y)
// is the character's start on the base line in plot coordinates.
void qqsvg5(Globals& g, int code, float x, float y, int fontIndex, float height, int angle);

// The byte written for a character code: the accented characters 127..186
// become their ISO-8859-1 codes, codes above 186 a blank.
int latin1Code(int code);

}  // namespace vtx
