// The lighting model of shaded surfaces: the colour index of a surface
// point from its normal, the light sources, the material and the eye.
#pragma once

#include "graph3d/graph3d_state.h"

namespace vtx {

// Colour index 0..255 of point p with unit normal n seen from `eye`, all in
// box coordinates; lights[i] are the box positions of the sources.
int litColourIndex(const LightSource sources[8], const float lights[8][3], const float material[4],
                   const float p[3], const float n[3], const float eye[3]);

struct Globals;

// The lit colour of a box point in the current state (the current colour
// when lighting is off); the normal is turned toward the eye first, so
// that both sides of a surface are lit alike.
int litColour(const Globals& g, const float p[3], const float n[3]);

}  // namespace vtx
