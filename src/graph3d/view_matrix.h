// The central projection of a 3-D axis system: from the eye, the focus, the
// up angle, the view angle and the clipping distances to a 4 × 4 matrix,
// and box points through it to plot coordinates. Pure geometry.
#pragma once

namespace vtx {

struct ViewParameters {
    float eye[3] = {};         // box coordinates
    float focus[3] = {};       // box coordinates
    float up = 0.0f;           // rotation about the line of sight, radians
    float halfAngle = 0.0f;    // radians
    float nearDist = 1.0f;     // front clipping distance
    float farDist = -1.0f;     // back clipping distance, < 0 none
};

struct ViewMatrix {
    float m[4][4] = {};
    bool vertical = false;     // built with the matrix of a vertical line of sight
};

// A matrix whose rows 1 and 2 give the screen x and y, row 3 the depth
// (growing away from the eye) and row 4 the perspective divisor.
ViewMatrix makeViewMatrix(const ViewParameters& v);

// The screen projection: scale and centre in plot coordinates (y down).
struct Projection {
    ViewMatrix view;
    float scale = 1.0f, cx = 0.0f, cy = 0.0f;

    // Box point to plot coordinates; false behind the eye (w <= 0).
    bool project(float x, float y, float z, float& X, float& Y) const {
        const float(&m)[4][4] = view.m;
        const float w = m[3][0] * x + m[3][1] * y + m[3][2] * z + m[3][3];
        const float u = m[0][0] * x + m[0][1] * y + m[0][2] * z + m[0][3];
        const float v = m[1][0] * x + m[1][1] * y + m[1][2] * z + m[1][3];
        if (!(w > 0.0f)) {
            X = cx, Y = cy;
            return false;
        }
        X = cx + scale * u / w;
        Y = cy - scale * v / w;
        return true;
    }

    // Distance measure along the line of sight: larger is farther.
    float depth(float x, float y, float z) const {
        const float(&m)[4][4] = view.m;
        return m[3][0] * x + m[3][1] * y + m[3][2] * z + m[3][3];
    }
};

// The eye position of view3d's ANGL mode: angles in degrees, a distance.
void angleViewPoint(float alphaDeg, float betaDeg, float r, float out[3]);

}  // namespace vtx
