// Base transformation: the matrix steps compose on the matrix left by the
// previous ones and apply only while active.
#include <gtest/gtest.h>

#include "device/base_transform.h"

namespace vtx {
namespace {

void expectMaps(const TransformState& t, float x, float y, float wantX, float wantY) {
    btrf01(t, x, y);
    EXPECT_NEAR(x, wantX, 1e-3) << "x";
    EXPECT_NEAR(y, wantY, 1e-3) << "y";
}

TEST(BaseTransform, InactiveLeavesPointsAlone) {
    TransformState t;
    t.a = 5.0f;  // ignored while inactive
    expectMaps(t, 3, 4, 3, 4);
    shiftTransform(t, 100, 0);  // activation starts from the identity
    expectMaps(t, 3, 4, 103, 4);
}

TEST(BaseTransform, RotationAboutAPointTurnsAHorizontalLineUpright) {
    TransformState t;
    rotateTransform(t, 90, 500, 400);
    expectMaps(t, 500, 400, 500, 400);
    expectMaps(t, 600, 400, 500, 300);  // y grows downwards: up the page
}

TEST(BaseTransform, ScalingAfterAShiftScalesTheShift) {
    TransformState t;
    shiftTransform(t, 10, 10);
    scaleTransform(t, 2, 2);
    expectMaps(t, 0, 0, 20, 20);
    expectMaps(t, 5, 1, 30, 22);
    TransformState u;  // the other order keeps the shift
    scaleTransform(u, 2, 2);
    shiftTransform(u, 10, 10);
    expectMaps(u, 0, 0, 10, 10);
}

}  // namespace
}  // namespace vtx
