// Entry points of the PDF driver beyond the device interface: colours,
// filled rectangles, hardware characters and the document kept in memory.
#pragma once

#include <cstddef>

#include "session/globals.h"

namespace vtx {

// Colour for filling (kind 0) or stroking (kind 1); components 0..255.
// The stroke colour is written only when it differs from the last one.
void qqpdf3(Globals& g, int red, int green, int blue, int kind);

// Filled rectangle in PDF points, lower left corner (x, y).
void qqpdf4(Globals& g, float x, float y, float width, float height);

// One character of the standard font `font` (the psfont order, 0..34) at
// the point of the last move, turned by `angle` degrees, `size` points high.
void qqpdf5(Globals& g, int code, float angle, int font, float size);

// The finished document kept in memory (pdfmod BUFF), or false if none.
bool pdfMemoryDocument(const char*& data, size_t& size);

}  // namespace vtx
