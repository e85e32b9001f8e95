// PostScript text output shared by the writers of PostScript operators
// (line attributes, colours, filled polygons, hardware fonts).
#pragma once

#include "session/globals.h"

namespace vtx {

// Appends n characters of text to the output line, cut into words at blanks:
// a word that would make the line longer than 80 characters first ends the
// line. n = -1 ends the current line at once.
void qpsbuf(Globals& g, const char* text, int n);

// qpsbuf of a formatted text.
void qpsprintf(Globals& g, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace vtx
