// Helpers shared by the parameter routines of the axes.
#pragma once

namespace vtx {

// True when the letter of axis 0 x, 1 y, 2 z occurs among the first three
// characters of an axes string (either case).
bool axisSelected(const char* axes, int axis);

}  // namespace vtx
