// Geometry of 3-D bars in box coordinates: the six faces of a cuboid with
// their outward normals, which of them face the eye, and the order in which
// a painter draws the bars. Pure functions that never touch the state record.
#pragma once

#include <functional>
#include <vector>

namespace vtx {

struct CuboidFace {
    float p[4][3];     // corners, counter-clockwise seen from outside
    float normal[3];   // outward unit normal
    int bar;           // index of the bar the face belongs to
};

// Emits the faces of the box lo..hi (lo <= hi on every axis) that have an
// area; a bar of zero height keeps its top and bottom.
void cuboidFaces(const float lo[3], const float hi[3], int bar, const std::function<void(const CuboidFace&)>& sink);

// Whether the outside of a face looks toward the eye.
bool faceSeenFrom(const CuboidFace& f, const float eye[3]);

struct Cuboid {
    float lo[3], hi[3];
};

// The order in which a painter draws bars standing on the X-Y plane: the
// farthest first, by the horizontal distance from the eye to the centre of
// the bar's footprint; bars over the same footprint by the vertical
// distance of their centres. The faces of one bar that look toward the eye
// never overlap each other, so whole bars in this order hide correctly.
std::vector<int> paintingOrder(const std::vector<Cuboid>& bars, const float eye[3]);

// How strongly a face is lit by looking at it: the cosine of the angle
// between its normal and the direction to the eye (0 edge-on, 1 head-on).
float faceToEye(const CuboidFace& f, const float eye[3]);

}  // namespace vtx
