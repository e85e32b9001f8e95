// The lighting formula and the span rasteriser of the z-buffer, without a plot.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "graph3d/lighting.h"
#include "graph3d/triangle_raster.h"

namespace vtx {
namespace {

struct Scene {
    LightSource sources[8];
    float lights[8][3] = {{0, 0, 10}};
    float material[4] = {0.2f, 0.8f, 0.0f, 0.0f};
    float eye[3] = {0, 0, 20};
    int at(float nx, float ny, float nz) const {
        const float p[3] = {0, 0, 0}, n[3] = {nx, ny, nz};
        return litColourIndex(sources, lights, material, p, n, eye);
    }
};

TEST(Lighting, DiffuseAmbientAndAttenuationFollowTheSums) {
    Scene s;
    s.sources[0].on = 1;
    // Light straight above: (0.8 + 0.2 * 0.2) * 254 + 0.5.
    EXPECT_EQ(s.at(0, 0, 1), int(0.84f * 254.0f + 0.5f));
    // Tilted 60 degrees: half the diffuse part.
    EXPECT_EQ(s.at(0, std::sqrt(3.0f) / 2.0f, 0.5f), int(0.44f * 254.0f + 0.5f));
    // Facing away: the global ambient term alone.
    EXPECT_EQ(s.at(0, 0, -1), int(0.04f * 254.0f + 0.5f));
    s.sources[0].linear = 0.1f;  // distance 10: divided by 2
    EXPECT_EQ(s.at(0, 0, 1), int((0.4f + 0.04f) * 254.0f + 0.5f));
    s.sources[0].linear = 0.0f;
    s.sources[0].ambient = 1.0f;  // adds the material's ambient reflectance
    EXPECT_EQ(s.at(0, 0, -1), int((0.2f + 0.04f) * 254.0f + 0.5f));
}

TEST(Lighting, SpecularPeaksTowardTheMirrorDirectionAndSaturates) {
    Scene s;
    s.sources[0].on = 1;
    s.material[2] = 0.5f, s.material[3] = 10.0f;
    // Eye on the mirror ray: the full specular part pushes the sum past 1.
    EXPECT_EQ(s.at(0, 0, 1), 255);
    // Eye far off the mirror ray: hardly any highlight.
    s.eye[0] = 20, s.eye[2] = 1;
    EXPECT_LT(s.at(0, 0, 1), int(0.85f * 254.0f + 0.5f) + 2);
    // Two sources add up; a source that is off adds nothing.
    Scene t;
    t.sources[0].on = 1, t.sources[1].on = 0;
    t.lights[1][2] = 10;
    const int one = t.at(0, 0, 1);
    t.sources[1].on = 1;
    t.sources[0].diffuse = t.sources[1].diffuse = 0.5f;
    EXPECT_EQ(t.at(0, 0, 1), one);
}

TEST(TriangleRaster, SharedEdgesLeaveNoGapsAndInterpolateAlongSpans) {
    // Two triangles of a square: every pixel of the square is covered.
    std::map<std::pair<int, int>, int> hits;
    auto record = [&](int y, int x1, int x2, float, float, float, float) {
        for (int x = x1; x <= x2; ++x) ++hits[{x, y}];
    };
    const RasterVertex a{0, 0, 1, 0}, b{20, 0, 1, 0}, c{20, 20, 1, 0}, d{0, 20, 1, 0};
    rasterTriangle(a, b, c, record);
    rasterTriangle(a, c, d, record);
    for (int y = 0; y <= 20; ++y)
        for (int x = 0; x <= 20; ++x) EXPECT_GE(hits[std::make_pair(x, y)], 1) << x << "," << y;
    // Depth and colour at span ends follow the edges linearly.
    rasterTriangle(RasterVertex{0, 0, 0, 0}, RasterVertex{10, 10, 10, 100}, RasterVertex{0, 10, 0, 0},
                   [&](int y, int x1, int x2, float d1, float d2, float c1, float c2) {
                       EXPECT_EQ(x1, 0);
                       EXPECT_EQ(x2, y);
                       EXPECT_FLOAT_EQ(d1, 0.0f);
                       EXPECT_FLOAT_EQ(d2, float(y));
                       EXPECT_FLOAT_EQ(c2 - c1, 10.0f * float(y));
                   });
}

}  // namespace
}  // namespace vtx
