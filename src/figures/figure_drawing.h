// Drawing of figures for the routines of this folder and for pie charts:
// arcs through the arc generator, outlined and/or filled polygons, arrows.
// Coordinates are plot coordinates after the page-origin rule.
#pragma once

#include "session/globals.h"

namespace vtx {

// The arc generator: an arc or whole ellipse (see ArcSpec), drawn as one
// polyline when the outline flag is set and filled with the current pattern
// unless it is 0. A pie is closed through the centre, and so is any filled
// arc. Warning 2 when a half axis is below 1.
struct ArcSpec;
void elpsln(Globals& g, const ArcSpec& arc);

// A closed polygon outlined when the outline flag is set and filled with the
// current pattern unless it is 0.
void drawFigurePolygon(Globals& g, const float* x, const float* y, int n);

// One polyline through the pipeline, stroked at once.
void drawPolyline(Globals& g, const float* x, const float* y, int n);

// A polygon filled solid in colour `colour` (the current colour when -1),
// the colour and the pattern given back afterwards.
void fillSolid(Globals& g, const float* x, const float* y, int n, int colour);

// An arrow with the given code; warning 2 with the digit when the head form
// or position is out of range (the plain line stays drawn).
void drawArrow(Globals& g, float x1, float y1, float x2, float y2, int code);

// A user point in plot coordinates (not rounded): false when a logarithmic
// axis cannot take it.
bool userPointToPlot(const Globals& g, float x, float y, float& px, float& py);

// The figures of the plot-coordinate routines at a position after the
// page-origin rule (the user-coordinate routines share them).
void arcFigureAt(Globals& g, float cx, float cy, int na, int nb, float alpha, float beta, float theta, bool pie);
// The rectangle with the corners (x1, y1) and (x2, y2), its corners rounded
// by `radius` plot units (0: sharp); warning 2 when it is empty.
void rectangleAt(Globals& g, float x1, float y1, float x2, float y2, int radius);
// A box of nb by nh units centred on (cx, cy), filled in `colour`.
void boxAt(Globals& g, float cx, float cy, int nb, int nh, int colour);
// The ring segment between the radii nr1 and nr2, filled in `colour`.
void sectorAt(Globals& g, float cx, float cy, int nr1, int nr2, float alpha, float beta, int colour);

// Plot values rounded as the user-coordinate routines round them: adding
// 0.5 and truncating.
inline int roundPlot(float v) { return int(v + 0.5f); }

}  // namespace vtx
