// Gridding of scattered points, apart from the axis system that places the grid.
#pragma once

namespace vtx {

// The x and y extent of the grid in data units; logarithmic axis limits are
// already raised to powers of ten.
struct GridWindow {
    float xa, xe, ya, ye;
};

// Fills the nx-by-ny matrix zmat (row by row, x index first) from the points
// by inverse-distance weighting: each point contributes to the nodes within
// radiusX and radiusY grid cells, with weight 1/d^exponent. A point lying on
// a node sets and locks it; nodes no point reaches get zval. imat and wmat are
// nx-by-ny work matrices (count and weight sum per node). Expects n >= 1,
// nx >= 2, ny >= 2.
void gridScatteredPoints(const float* x, const float* y, const float* z, int n, float* zmat, int nx, int ny,
                         float zval, int* imat, float* wmat, const GridWindow& window, int radiusX, int radiusY,
                         float exponent);

}  // namespace vtx
