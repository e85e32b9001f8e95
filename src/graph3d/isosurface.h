// The isosurface w = level of values on a rectangular 3-D grid, by marching
// tetrahedra: every cell is cut into the six tetrahedra along its main
// diagonal, which neighbouring cells share face by face, so the surface
// has no cracks. Pure geometry: triangles go to a sink.
#pragma once

namespace vtx {

struct IsoGrid {
    const float* x;    // nx coordinates
    const float* y;    // ny
    const float* z;    // nz
    const float* w;    // nx · ny · nz values, index (i · ny + j) · nz + k
    int nx, ny, nz;
};

struct IsoVertex {
    float p[3];        // position in grid coordinates (the x, y, z values)
    float n[3];        // the gradient of w there: points toward larger values
};

// Calls tri(a, b, c) for every triangle, wound counter-clockwise seen from
// the side of larger values. A point on an edge is computed the same way
// from both cells that share the edge, so shared vertices are equal.
template <typename Tri>
void isosurface(const IsoGrid& grid, float level, Tri&& tri);

}  // namespace vtx

#include "graph3d/isosurface_impl.h"
