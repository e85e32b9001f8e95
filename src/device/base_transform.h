// The base transformation: an affine map of plot coordinates, built up by
// shifts, scalings and rotations, applied to every point the pipeline stores.
#pragma once

#include "session/globals.h"

namespace vtx {

// Public routines.
void trfshf(int nx, int ny);
void trfscl(float xscale, float yscale);
void trfrot(float angle, int nx, int ny);
void trfres();

// Matrix steps; each first makes the transformation active (from the identity
// if it was not).
void shiftTransform(TransformState& t, float dx, float dy);
void scaleTransform(TransformState& t, float sx, float sy);
void rotateTransform(TransformState& t, float angle, float px, float py);

// Back to no transformation: the stage leaves the pipeline.
void resetBaseTransform(Globals& g);

// Applies the transformation to a point while it is active.
inline void btrf01(const TransformState& t, float& x, float& y) {
    if (!t.active) return;
    float nx = t.a * x + t.b * y + t.c;
    y = t.d * x + t.e * y + t.f;
    x = nx;
}

}  // namespace vtx
