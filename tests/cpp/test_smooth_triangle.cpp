// Rasterised smooth triangles: neighbours share no pixel and leave none out,
// values follow the plane through the corners, the clip rectangle holds.
#include <gtest/gtest.h>

#include <vector>

#include "graph3d/smooth_triangle.h"

using namespace vtx;

namespace {

struct Counter {
    std::vector<int> hits = std::vector<int>(40 * 40, 0);
    std::vector<float> value = std::vector<float>(40 * 40, 0.0f);
    void span(int y, int x1, int x2, float v, float dv) {
        for (int x = x1; x <= x2; ++x, v += dv) ++hits[y * 40 + x], value[y * 40 + x] = v;
    }
};

}  // namespace

TEST(SmoothTriangle, TrianglesOfAFanCoverEachPixelOnce) {
    // A quadrilateral split into four triangles at an off-grid centre, values v = x.
    const float cx[4] = {2.3f, 31.7f, 30.2f, 3.1f}, cy[4] = {1.6f, 3.4f, 35.9f, 33.2f};
    const float mx = 17.05f, my = 18.45f;
    Counter c;
    const PixelRect all{0, 0, 39, 39};
    for (int e = 0; e < 4; ++e) {
        const int f = (e + 1) % 4;
        const float px[3] = {cx[e], cx[f], mx}, py[3] = {cy[e], cy[f], my}, pv[3] = {cx[e], cx[f], mx};
        rasteriseSmoothTriangle(px, py, pv, all, c);
    }
    int covered = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            ASSERT_LE(c.hits[y * 40 + x], 1) << x << "," << y;
            if (!c.hits[y * 40 + x]) continue;
            EXPECT_NEAR(c.value[y * 40 + x], x + 0.5f, 1e-3);
            ++covered;
        }
    // Pixel centres inside the quadrilateral: its area, give or take half its perimeter.
    double area = 0.0;
    for (int e = 0; e < 4; ++e) area += cx[e] * cy[(e + 1) % 4] - cx[(e + 1) % 4] * cy[e];
    EXPECT_NEAR(covered, area / 2.0, 60.0);
}

TEST(SmoothTriangle, ClipRectangleAndDegenerateTriangles) {
    const float px[3] = {0.0f, 40.0f, 0.0f}, py[3] = {0.0f, 0.0f, 40.0f}, pv[3] = {0, 0, 0};
    Counter c;
    rasteriseSmoothTriangle(px, py, pv, PixelRect{5, 6, 9, 8}, c);
    int covered = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (c.hits[y * 40 + x]) {
                EXPECT_TRUE(x >= 5 && x <= 9 && y >= 6 && y <= 8);
                ++covered;
            }
    EXPECT_EQ(covered, 15);
    const float lx[3] = {0.0f, 10.0f, 20.0f}, ly[3] = {0.0f, 10.0f, 20.0f};  // all on one line
    Counter d;
    rasteriseSmoothTriangle(lx, ly, pv, PixelRect{0, 0, 39, 39}, d);
    for (int h : d.hits) EXPECT_EQ(h, 0);
}
