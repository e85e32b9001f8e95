// Filled polygons: handed whole to a device that fills them itself, or
// filled in software with the hatch lines of the shading pattern.
#pragma once

#include "device/scanline_fill.h"
#include "session/globals.h"

namespace vtx {

// Public routine: polygon in page coordinates, outline and fill.
void areaf(const int* nx, const int* ny, int n);

// Filled polygon in plot coordinates (the origin shift is added).
void dareaf(Globals& g, const float* x, const float* y, int n);

// The band of scan-line heights, in the frame turned by -angle, that can
// reach the clipping region (lines.spacing set): visibleLow, visibleHigh.
void visibleBand(const Globals& g, float angle, HatchLines& lines);

// True when figures (polygons, bars, pies, circles ...) are filled: a
// pattern other than 0 and no nofill.
inline bool figuresFilled(const Globals& g) { return g.fill.type != 0 && !g.fill.noFill; }

// The fill of a figure: dareaf in the filclr colour, the current colour
// unchanged afterwards.
void fillFigure(Globals& g, const float* x, const float* y, int n);

void nofill();                  // figures draw their outlines only
void filclr(const char* colour);  // fill colour of figures: FORE (current), BACK or a colour name

}  // namespace vtx
