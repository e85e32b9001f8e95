// Shared steps of the routines that set up a 2-D axis system (graf, polar,
// the stand-alone axes): geometry, scaling checks and the clipping area.
#pragma once

#include "session/globals.h"

namespace vtx {

// Axis lengths in effect: the axslen values or the page-derived defaults.
int axisLengthX(const Globals& g);
int axisLengthY(const Globals& g);

// Lower left corner in effect (axspos, axsorg or the default), plot coordinates.
void axisCorner(const Globals& g, int& nxa, int& nya);

// The checks of one axis: warnings 10 and 9 are errors (returns false),
// warnings 12 and 50 are reported and the axis is still usable.
bool checkScaling(float a, float e, float first, float step);

// Fills the scaling record of one axis and its transform factor.
void storeScaling(AxisScaling& s, float a, float e, float first, float step, int log, int length);

// Registers the clipping area of the current system for sclpax (grace
// margin, origin shift and page limits applied).
void registerAxisClip(Globals& g);

// Margins that ticks, labels and names need left, below, right and above.
void axisMargins(Globals& g, int& left, int& bottom, int& right, int& top);

// Fills the rectangle or disc under the axis system with the background colour.
void fillAxisBackground(Globals& g);

// Automatic scaling of one axis for graf (axis 0 x, 1 y); overwrites the
// label digits of that axis.
void applyAutoScale(Globals& g, int axis, float& a, float& e, float& first, float& step, int length);

}  // namespace vtx
