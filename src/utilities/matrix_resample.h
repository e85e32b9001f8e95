// Bilinear resampling of a matrix to other dimensions.
#pragma once

namespace vtx {

void trfmat(const float* zmat, int nx, int ny, float* zmat2, int mx, int my);

}  // namespace vtx
