// Z values to colour indices, matrix interpolation points, point sizes and
// colour-bar boxes, without a plot.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "graph3d/colour_bar.h"
#include "graph3d/z_colour.h"

namespace vtx {
namespace {

TEST(ZColour, AscendingAxisSplitsRangeIntoEqualIntervals) {
    const ZColourMap m = makeZColourMap(0.0f, 1.0f, 0.0f, 1.0f, 1, 254, 0, 255, 0);
    EXPECT_EQ(m.lookup(0.0f), 1);
    EXPECT_EQ(m.lookup(0.5f), 128);
    EXPECT_EQ(m.lookup(1.0f), 254);  // the axis end closes the last interval
    EXPECT_EQ(m.lookup(-0.1f), 0);
    EXPECT_EQ(m.lookup(1.1f), 255);
    EXPECT_EQ(m.lookup(std::nextafter(1.0f / 254.0f, 1.0f)), 2);
}

TEST(ZColour, DescendingAxisKeepsOutsideColoursAtItsStartAndEnd) {
    const ZColourMap m = makeZColourMap(1.0f, 0.0f, 1.0f, 0.0f, 1, 254, 0, 255, 0);
    EXPECT_EQ(m.lookup(1.0f), 1);
    EXPECT_EQ(m.lookup(0.0f), 254);
    EXPECT_EQ(m.lookup(1.5f), 0);
    EXPECT_EQ(m.lookup(-0.5f), 255);
}

TEST(ZColour, LogarithmicAxisDividesDecadesEvenly) {
    // Exponents 0..2, window 1..100, ten colours: five per decade.
    const ZColourMap m = makeZColourMap(0.0f, 2.0f, 1.0f, 100.0f, 11, 20, 3, 40, 1);
    EXPECT_EQ(m.lookup(1.0f), 11);
    EXPECT_EQ(m.lookup(10.5f), 16);
    EXPECT_EQ(m.lookup(100.0f), 20);
    EXPECT_EQ(m.lookup(0.5f), 3);
    EXPECT_EQ(m.lookup(200.0f), 40);
}

TEST(MatrixPoints, CountsAndCornerValues) {
    struct Case { int nx, ny, ix, iy; };
    for (Case c : {Case{2, 2, 1, 1}, Case{5, 3, 1, 1}, Case{5, 3, 2, 2}, Case{4, 6, 3, 1}}) {
        std::vector<float> z(size_t(c.nx * c.ny));
        for (int i = 0; i < c.nx; ++i)
            for (int j = 0; j < c.ny; ++j) z[size_t(i * c.ny + j)] = float(10 * i + j);
        int count = 0;
        forEachMatrixPoint(z.data(), c.nx, c.ny, c.ix, c.iy, 0.0f, float(c.nx - 1), 0.0f, float(c.ny - 1),
                           [&](float x, float y, float v) {
                               ++count;
                               // The data are linear in x and y, so interpolation is exact.
                               EXPECT_NEAR(v, 10 * x + y, 1e-4) << x << "," << y;
                           });
        EXPECT_EQ(count, ((c.nx - 1) * c.ix + 1) * ((c.ny - 1) * c.iy + 1));
    }
}

TEST(AutoPointSize, ScreensGetTheExactSizeOtherDevicesOneMore) {
    EXPECT_EQ(autoPointSize(1001, 11, true), 100);
    EXPECT_EQ(autoPointSize(1001, 11, false), 101);
    EXPECT_EQ(autoPointSize(1002, 11, true), 101);  // rounded up
    EXPECT_EQ(autoPointSize(2, 10000, true), 1);
}

TEST(ColourBar, BoxesCoverTheBarExactly) {
    ColourBarAxis s;
    s.length = 1000, s.x = 100, s.y = 1500;
    std::vector<ColourBarBox> boxes;
    forEachBarBox(s, 999.0f, 85, 1, 254, false, [&](const ColourBarBox& b) { boxes.push_back(b); });
    ASSERT_EQ(boxes.size(), 254u);
    EXPECT_FLOAT_EQ(boxes[0].y2, 1500.0f);
    EXPECT_NEAR(boxes[0].y2 - boxes[0].y1, 999.0f / 254.0f, 1e-3);
    EXPECT_NEAR(boxes.back().y1, 1500.0f - 999.0f, 1e-2);
    EXPECT_EQ(boxes.back().colour, 254);
    EXPECT_FLOAT_EQ(boxes[0].x2 - boxes[0].x1, 84.0f);
    for (size_t i = 1; i < boxes.size(); ++i) EXPECT_FLOAT_EQ(boxes[i].y2, boxes[i - 1].y1);

    // Vector devices: one more unit at both ends.
    boxes.clear();
    forEachBarBox(s, 999.0f, 85, 1, 254, true, [&](const ColourBarBox& b) { boxes.push_back(b); });
    EXPECT_FLOAT_EQ(boxes[0].y2, 1501.0f);
    EXPECT_NEAR(boxes.back().y1, 1500.0f - 1000.0f, 1e-2);
}

TEST(ColourBar, DecadeExtensionWidensToWholeDecades) {
    float za = 0.3f, ze = 2.7f, first = 0.3f;
    widenToDecades(2, za, ze, first);
    EXPECT_EQ(za, 0.0f);
    EXPECT_EQ(ze, 3.0f);
    EXPECT_EQ(first, 0.0f);
    za = 0.3f, ze = 2.7f;
    widenToDecades(1, za, ze, first);
    EXPECT_EQ(za, 0.0f);
    EXPECT_FLOAT_EQ(ze, 2.7f);
    za = 2.7f, ze = 0.3f;  // descending
    widenToDecades(2, za, ze, first);
    EXPECT_EQ(za, 3.0f);
    EXPECT_EQ(ze, 0.0f);
}

}  // namespace
}  // namespace vtx
