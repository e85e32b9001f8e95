// The view matrix of 3-D axis systems, without a plot.
#include <gtest/gtest.h>

#include <cmath>

#include "graph3d/view_matrix.h"

namespace vtx {
namespace {

Projection projectionFrom(const float eye[3], const float focus[3], float up = 0.0f) {
    ViewParameters v;
    for (int i = 0; i < 3; ++i) v.eye[i] = eye[i], v.focus[i] = focus[i];
    v.up = up, v.halfAngle = std::atan(0.25f);
    Projection p;
    p.view = makeViewMatrix(v);
    p.scale = 500.0f, p.cx = 1000.0f, p.cy = 800.0f;
    return p;
}

TEST(ViewMatrix, FocusProjectsToTheCentreFromAnyViewPoint) {
    const float eyes[][3] = {{4, -5, 4}, {-3, 2, -6}, {0.5f, 7, 0}, {0, 0, 10}};
    const float focus[3] = {0.3f, -0.2f, 0.1f};
    for (const auto& eye : eyes) {
        const Projection p = projectionFrom(eye, focus, 0.4f);
        float X, Y;
        ASSERT_TRUE(p.project(focus[0], focus[1], focus[2], X, Y));
        EXPECT_NEAR(X, 1000.0f, 1e-3f);
        EXPECT_NEAR(Y, 800.0f, 1e-3f);
    }
}

TEST(ViewMatrix, ScreenAxesFollowTheViewer) {
    // From the default corner (+x, -y, +z) the +z direction is up on the
    // page, the nearer corner is larger, and depth grows away from the eye.
    const float eye[3] = {4, -5, 4}, focus[3] = {0, 0, 0};
    const Projection p = projectionFrom(eye, focus);
    float X0, Y0, X1, Y1;
    p.project(0, 0, 0, X0, Y0);
    p.project(0, 0, 1, X1, Y1);
    EXPECT_LT(Y1, Y0);
    EXPECT_NEAR(X1, X0, 1e-3f);
    p.project(1, 1, 0, X1, Y1);
    EXPECT_GT(X1, X0);  // +x+y lies to the right seen from +x-y
    EXPECT_LT(p.depth(1, -1, 1), p.depth(-1, 1, -1));
    // A unit length at the focus spans scale / (distance · tan h) plot units.
    p.project(0, 0, 0.01f, X1, Y1);
    const float dist = std::sqrt(16.0f + 25.0f + 16.0f);
    EXPECT_NEAR((Y0 - Y1) / 0.01f, 500.0f / (dist * 0.25f) * std::sqrt(41.0f) / dist, 0.5f);
}

TEST(ViewMatrix, StraightDownUsesTheVerticalMatrix) {
    const float eye[3] = {0, 0, 10}, focus[3] = {0, 0, 0};
    const Projection p = projectionFrom(eye, focus);
    EXPECT_TRUE(p.view.vertical);
    float X0, Y0, X1, Y1;
    p.project(0, 0, 0, X0, Y0);
    p.project(1, 0, 0, X1, Y1);  // box X to the right
    EXPECT_GT(X1, X0);
    EXPECT_NEAR(Y1, Y0, 1e-3f);
    p.project(0, 1, 0, X1, Y1);  // box Y up the page
    EXPECT_LT(Y1, Y0);
    // Nearer planes look larger.
    float Xh, Yh;
    p.project(1, 0, 5, Xh, Yh);
    EXPECT_NEAR(Xh - X0, 500.0f / (5.0f * 0.25f), 0.5f);
    // A quarter turn of the up angle turns the picture with it.
    const Projection r = projectionFrom(eye, focus, 3.14159265f / 2.0f);
    r.project(1, 0, 0, X1, Y1);
    EXPECT_NEAR(X1, X0, 1e-3f);
    EXPECT_NE(Y1, Y0);
}

TEST(ViewMatrix, AngleViewPoint) {
    float p[3];
    angleViewPoint(90.0f, 0.0f, 2.0f, p);
    EXPECT_NEAR(p[0], 2.0f, 1e-6f);
    EXPECT_NEAR(p[1], 0.0f, 1e-6f);
    angleViewPoint(0.0f, 90.0f, 3.0f, p);
    EXPECT_NEAR(p[2], 3.0f, 1e-6f);
    EXPECT_NEAR(std::hypot(p[0], p[1]), 0.0f, 1e-6f);
}

}  // namespace
}  // namespace vtx
