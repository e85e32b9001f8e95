// The frame every quick plot shares: it opens a plot when none is open,
// draws the page border with the hardware font, lets the caller's body draw,
// then draws the title lines and finishes the plot.
#pragma once

#include <functional>

namespace vtx {

// Runs `body` between the opening and the closing. At level 0 a device is
// chosen first if none was (the window, or the terminal without a display),
// then the plot is initialised; at levels 1..3 the plot already open is used
// as it stands. Data checks run inside `body`, so their warnings are counted
// with the plot's. A call outside levels 0..3 is refused with the level
// warning.
void quickPlot(const char* name, const std::function<void()>& body);

// Warning 101 with `text`, named after the quick plot `name` rather than
// the routine it called last.
void quickWarning(const char* name, const char* text);

// Scales x over 1..n and y over 1..m: the axes of a matrix plot.
void scaleMatrixAxes(int n, int m);

}  // namespace vtx
