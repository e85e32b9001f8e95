// The virtual raster: pixel sets of lines, filled rectangles, rows in both
// pixel modes and the initial fill.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "device/drivers/raster/virtual_raster.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

// A raster whose palette entry i is (i, 255 - i, 7 * i mod 256).
struct Raster : ::testing::Test {
    void make(int w, int h, int rgb = 0, int screenMode = 0) {
        std::uint32_t table[256];
        for (int i = 0; i < 256; ++i) table[i] = std::uint32_t(i) << 16 | std::uint32_t(255 - i) << 8 | (7 * i & 255);
        ASSERT_EQ(vtx::qqvini(0, 0, w, h, 1, screenMode, rgb), 0);
        vtx::qqvvlt(1, table);
    }
    void TearDown() override { vtx::qqvfin(); }

    static Pixels lit() {
        const vtx::VirtualRaster& r = vtx::virtualRaster();
        Pixels out;
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x)
                if (*r.at(x, y)) out.insert({x, y});
        return out;
    }
    static Pixels line(int x1, int y1, int x2, int y2) {
        vtx::clearVirtualRaster();
        vtx::qqvclr(9);
        vtx::qqvlin(x1, y1, x2, y2);
        return lit();
    }
};

TEST_F(Raster, BresenhamPixelSetsDependOnTheDirection) {
    make(12, 12);
    EXPECT_EQ(line(0, 0, 5, 2), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}));
    // The error starts at -d/2 from the first end, so the step sits nearer the start.
    EXPECT_EQ(line(0, 0, 4, 1), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 1}}));
    EXPECT_EQ(line(4, 1, 0, 0), (Pixels{{4, 1}, {3, 1}, {2, 1}, {1, 0}, {0, 0}}));
    EXPECT_EQ(line(1, 0, 0, 4), (Pixels{{1, 0}, {1, 1}, {1, 2}, {0, 3}, {0, 4}}));
    EXPECT_EQ(line(0, 0, 3, 3), (Pixels{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(line(6, 6, 6, 6), (Pixels{{6, 6}}));
    EXPECT_EQ(line(7, 2, 3, 2), (Pixels{{3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}));
    EXPECT_EQ(line(2, 5, 2, 3), (Pixels{{2, 3}, {2, 4}, {2, 5}}));
}

TEST_F(Raster, LinesLeavingTheRasterKeepTheirInsidePixelsAndFarOnesAreDropped) {
    make(4, 4);
    EXPECT_EQ(line(-2, 0, 5, 0), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}}));
    EXPECT_EQ(line(-1, -1, 4, 4), (Pixels{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(line(0, 0, 1000000000, 3), Pixels{});
}

TEST_F(Raster, RgbLinesCarryThePaletteBytesOfTheCurrentColour) {
    make(5, 2, 1);
    vtx::qqvclr(300);  // taken mod 256
    vtx::qqvlin(0, 1, 4, 1);
    const vtx::VirtualRaster& r = vtx::virtualRaster();
    EXPECT_EQ(r.stride, 16u);
    for (int x = 0; x < 5; ++x) {
        const unsigned char* p = r.at(x, 1);
        EXPECT_EQ(std::vector<int>({p[0], p[1], p[2]}), std::vector<int>({44, 211, 52}));
    }
    EXPECT_EQ(*r.at(0, 0), 0);
}

TEST_F(Raster, FilledRectanglesIncludeBothCornersAndStayInsideTheClip) {
    make(8, 6);
    vtx::qqvfll(5, 4, 2, 1, 3);
    EXPECT_EQ(lit().size(), 16u);
    EXPECT_EQ(*vtx::virtualRaster().at(2, 1), 3);
    EXPECT_EQ(*vtx::virtualRaster().at(5, 4), 3);
    vtx::clearVirtualRaster();
    vtx::setRasterClip(3, 0, 100, 2);
    vtx::qqvfll(-10, -10, 100, 100, 1);
    EXPECT_EQ(lit().size(), 15u);  // x 3..7, y 0..2
}

TEST_F(Raster, RowsConvertBetweenIndicesAndTriples) {
    make(4, 2);
    const unsigned char indices[] = {1, 2, 3, 200};
    vtx::qqvrow(indices, 0, 0, 4);
    const unsigned char triples[] = {10, 245, 70, 11, 244, 77};  // exactly entry 10, nearest to entry 11
    vtx::qqvrow(triples, 2, 1, -2);
    unsigned char back[8] = {};
    vtx::qqvrdr(back, 0, 0, 4, 2);
    EXPECT_EQ(std::vector<int>(back, back + 8), std::vector<int>({1, 2, 3, 200, 0, 0, 10, 11}));
    unsigned char rgb[6] = {};
    vtx::qqvrdr(rgb, 3, 0, -1, 1);
    EXPECT_EQ(std::vector<int>(rgb, rgb + 3), std::vector<int>({200, 55, 120}));
    vtx::qqvrdr(rgb, 3, 1, -2, 1);  // the pixel past the right edge reads as 0
    EXPECT_EQ(std::vector<int>(rgb, rgb + 6), std::vector<int>({11, 244, 77, 0, 0, 0}));
}

TEST_F(Raster, RgbRastersReadBackAsNearestIndices) {
    make(3, 1, 1);
    const unsigned char triples[] = {20, 235, 140, 21, 235, 140, 0, 0, 0};
    vtx::qqvrow(triples, 0, 0, -3);
    unsigned char back[3] = {};
    vtx::qqvrdr(back, 0, 0, 3, 1);
    EXPECT_EQ(std::vector<int>(back, back + 3), std::vector<int>({20, 20, 0}));
}

TEST_F(Raster, InitialFillFollowsScreenModeInRgbOnly) {
    make(3, 2, 1, 2);
    EXPECT_EQ(*vtx::virtualRaster().at(2, 1), 255);
    vtx::qqvwpx(0, 0, 0);
    vtx::clearVirtualRaster();
    EXPECT_EQ(*vtx::virtualRaster().at(0, 0), 255);
    make(3, 2, 0, 2);
    EXPECT_EQ(*vtx::virtualRaster().at(2, 1), 0);
    EXPECT_EQ(vtx::virtualRaster().stride, 4u);
    // Default sizes by page orientation when none is given.
    ASSERT_EQ(vtx::qqvini(2969, 2099, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(vtx::virtualRaster().width, 853);
    ASSERT_EQ(vtx::qqvini(2099, 2969, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(vtx::virtualRaster().height, 853);
    EXPECT_EQ(vtx::virtualRaster().stride, 604u);
}

}  // namespace
