// Base transformation state: an affine map applied to every stored point.
#pragma once

namespace vtx {

struct TransformState {
    int active = 0;
    // x' = a x + b y + c,  y' = d x + e y + f
    float a = 1.0f, b = 0.0f, c = 0.0f, d = 0.0f, e = 1.0f, f = 0.0f;
};

}  // namespace vtx
