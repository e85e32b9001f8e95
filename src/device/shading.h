// Shading patterns: the built-in patterns, user patterns and the outline flag
// of filled areas.
#pragma once

#include "session/globals.h"

namespace vtx {

// Public routines.
void shdpat(int n);
void mypat(int angle, int type, int density, int cross);
int getpat();
void noarln();

// Selects pattern n >= 0 without a level check; 1 and warning 2 if its code
// is out of range (nothing changes then).
int setShadingPattern(Globals& g, int n);

// The code of pattern n: the built-in code for 0..17, n itself above.
int shadingCode(int n);

// Line type (lintyp numbering) with which the hatch lines of a pattern type are drawn.
int patternLineType(int type);

// True when the pattern type draws its lines in groups of drawn and skipped lines.
inline bool patternUsesGroups(int type) { return type == 2 || type == 3 || type == 4 || type == 6 || type == 7; }

}  // namespace vtx
