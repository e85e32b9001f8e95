// The pixel surface: pixel sets of lines, spans and filled rectangles, the
// depth test, rows in both pixel modes and the initial fill.

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "device/surface.h"

namespace {

using Pixels = std::set<std::pair<int, int>>;

// A surface whose palette entry i is (i, 255 - i, 7 * i mod 256).
struct Raster : ::testing::Test {
    vtx::PixelSurface r;

    void make(int w, int h, int rgb = 0, bool white = false) {
        std::uint32_t table[256];
        for (int i = 0; i < 256; ++i) table[i] = std::uint32_t(i) << 16 | std::uint32_t(255 - i) << 8 | (7 * i & 255);
        ASSERT_TRUE(r.create(w, h, rgb, white));
        r.setPalette(1, table);
    }

    Pixels lit() const {
        Pixels out;
        for (int y = 0; y < r.height; ++y)
            for (int x = 0; x < r.width; ++x)
                if (*r.at(x, y)) out.insert({x, y});
        return out;
    }
    Pixels line(int x1, int y1, int x2, int y2) {
        r.clear();
        r.line(x1, y1, x2, y2, r.indexColour(9));
        return lit();
    }
    std::vector<int> row(int y) const {
        std::vector<int> out;
        for (int x = 0; x < r.width; ++x) out.push_back(*r.at(x, y));
        return out;
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
    r.setClip(0, 0, 1, 1);  // lines come clipped: the clip rectangle does not cut them
    EXPECT_EQ(line(0, 3, 3, 3), (Pixels{{0, 3}, {1, 3}, {2, 3}, {3, 3}}));
}

TEST_F(Raster, RgbLinesCarryThePaletteBytesOfTheColour) {
    make(5, 2, 1);
    r.setColour(300);  // taken mod 256
    r.line(0, 1, 4, 1, r.colourBytes);
    EXPECT_EQ(r.stride, 16u);
    for (int x = 0; x < 5; ++x) {
        const unsigned char* p = r.at(x, 1);
        EXPECT_EQ(std::vector<int>({p[0], p[1], p[2]}), std::vector<int>({44, 211, 52}));
    }
    EXPECT_EQ(*r.at(0, 0), 0);
    const vtx::SurfaceColour c = r.rgbColour(1, 2, 3);  // RGB surfaces keep the colour as given
    EXPECT_EQ(std::vector<int>(c.bytes, c.bytes + 3), std::vector<int>({1, 2, 3}));
}

// Polylines store the short segments of symbol outlines directly; every
// segment of up to three pixels each way, at the edges as well, must light
// what line() lights.
TEST_F(Raster, PolylineSegmentsLightWhatLinesLight) {
    make(9, 7);
    for (auto [x1, y1] : {std::pair{4, 3}, {0, 0}, {8, 6}, {0, 6}})
        for (int dx = -3; dx <= 3; ++dx)
            for (int dy = -3; dy <= 3; ++dy) {
                const int xs[2] = {x1, x1 + dx}, ys[2] = {y1, y1 + dy};
                r.clear();
                r.polyline(xs, ys, 2, r.indexColour(9));
                const Pixels stored = lit();
                EXPECT_EQ(stored, line(x1, y1, x1 + dx, y1 + dy)) << x1 << "," << y1 << " by " << dx << "," << dy;
            }
}

// Runs of every length from 1 to 20 in both pixel modes, next to pixels
// they must leave alone.
TEST_F(Raster, RunsFillExactlyTheirPixels) {
    for (int rgb : {0, 1}) {
        make(24, 2, rgb);
        for (int n = 1; n <= 20; ++n) {
            r.clear();
            r.fillRun(1, 2, 1 + n, r.indexColour(200));
            for (int y = 0; y < 2; ++y)
                for (int x = 0; x < 24; ++x)
                    for (int b = 0; b < r.bytesPerPixel; ++b)
                        EXPECT_EQ(r.at(x, y)[b], y == 1 && x >= 2 && x <= 1 + n ? r.indexColour(200).bytes[b] : 0)
                            << n << " " << x;
        }
    }
}

TEST_F(Raster, FilledRectanglesIncludeBothCornersAndStayInsideTheClip) {
    make(8, 6);
    r.fillRect(5, 4, 2, 1, r.indexColour(3));
    EXPECT_EQ(lit().size(), 16u);
    EXPECT_EQ(*r.at(2, 1), 3);
    EXPECT_EQ(*r.at(5, 4), 3);
    r.clear();
    r.setClip(3, 0, 100, 2);
    r.fillRect(-10, -10, 100, 100, r.indexColour(1));
    EXPECT_EQ(lit().size(), 15u);  // x 3..7, y 0..2
}

TEST_F(Raster, SpansFillBothEndsInEitherOrderWithinTheClip) {
    make(8, 3);
    r.fillSpan(1, 5, 2, r.indexColour(7));
    EXPECT_EQ(row(1), (std::vector<int>{0, 0, 7, 7, 7, 7, 0, 0}));
    r.setClip(3, 0, 6, 1);
    r.fillSpan(0, -100, 100, r.indexColour(4));
    r.fillSpan(2, 0, 7, r.indexColour(4));  // below the clip: nothing
    r.fillSpan(1, 7, 7, r.indexColour(4));  // right of it: nothing
    EXPECT_EQ(row(0), (std::vector<int>{0, 0, 0, 4, 4, 4, 4, 0}));
    EXPECT_EQ(row(1), (std::vector<int>{0, 0, 7, 7, 7, 7, 0, 0}));
    EXPECT_EQ(row(2), (std::vector<int>(8, 0)));
}

TEST_F(Raster, DepthSpansDrawOnlyWhatIsNearerAndInterpolateFromTheirOwnEnds) {
    make(6, 2, 1);
    ASSERT_TRUE(r.enableDepth());
    r.fillSpanDepth(0, 0, 5, 10.0f, 10.0f, r.indexColour(1));
    // A sloped span, given right to left: depth 5 at x 5 up to 15 at x 0, so
    // it is nearer only right of the middle; the clip cuts x 5 but not the slope.
    r.setClip(0, 0, 4, 1);
    r.fillSpanDepth(0, 5, 0, 5.0f, 15.0f, r.indexColour(2));
    const unsigned char* one = r.palette[1];
    const unsigned char* two = r.palette[2];
    for (int x = 0; x < 6; ++x) {
        const unsigned char* want = x >= 3 && x <= 4 ? two : one;
        EXPECT_EQ(std::vector<int>(r.at(x, 0), r.at(x, 0) + 3), std::vector<int>(want, want + 3)) << x;
    }
    EXPECT_FLOAT_EQ(r.depthAt(4, 0), 7.0f);
    EXPECT_FLOAT_EQ(r.depthAt(2, 0), 10.0f);
    EXPECT_FLOAT_EQ(r.depthAt(5, 0), 10.0f);
    // Equal depth does not draw over; clearing sends the depth to the far end.
    r.fillSpanDepth(0, 0, 0, 10.0f, 10.0f, r.indexColour(3));
    EXPECT_EQ(r.at(0, 0)[0], one[0]);
    r.clear();
    r.fillSpanDepth(1, 0, 0, 1e30f, 1e30f, r.indexColour(3));
    EXPECT_EQ(r.at(0, 1)[0], r.palette[3][0]);
}

TEST_F(Raster, DepthSpansWithoutADepthPlaneDrawEverything) {
    make(3, 1);
    r.fillSpanDepth(0, 0, 2, 5.0f, 5.0f, r.indexColour(1));
    r.fillSpanDepth(0, 0, 2, 9.0f, 9.0f, r.indexColour(2));
    EXPECT_EQ(row(0), (std::vector<int>{2, 2, 2}));
    EXPECT_FALSE(r.hasDepth());
}

TEST_F(Raster, RowsConvertBetweenIndicesAndTriples) {
    make(4, 2);
    const unsigned char indices[] = {1, 2, 3, 200};
    r.writeRow(indices, 0, 0, 4);
    const unsigned char triples[] = {10, 245, 70, 11, 244, 77};  // exactly entry 10, nearest to entry 11
    r.writeRow(triples, 2, 1, -2);
    unsigned char back[8] = {};
    r.readRows(back, 0, 0, 4, 2);
    EXPECT_EQ(std::vector<int>(back, back + 8), std::vector<int>({1, 2, 3, 200, 0, 0, 10, 11}));
    unsigned char rgb[6] = {};
    r.readRows(rgb, 3, 0, -1, 1);
    EXPECT_EQ(std::vector<int>(rgb, rgb + 3), std::vector<int>({200, 55, 120}));
    r.readRows(rgb, 3, 1, -2, 1);  // the pixel past the right edge reads as 0
    EXPECT_EQ(std::vector<int>(rgb, rgb + 6), std::vector<int>({11, 244, 77, 0, 0, 0}));
    EXPECT_EQ(r.rgbColour(11, 244, 77).bytes[0], 11);  // index surfaces take the nearest entry
}

TEST_F(Raster, RgbRastersReadBackAsNearestIndices) {
    make(3, 1, 1);
    const unsigned char triples[] = {20, 235, 140, 21, 235, 140, 0, 0, 0};
    r.writeRow(triples, 0, 0, -3);
    unsigned char back[3] = {};
    r.readRows(back, 0, 0, 3, 1);
    EXPECT_EQ(std::vector<int>(back, back + 3), std::vector<int>({20, 20, 0}));
}

TEST_F(Raster, InitialFillIsWhiteForWhiteRgbSurfacesOnly) {
    make(3, 2, 1, true);
    EXPECT_EQ(*r.at(2, 1), 255);
    r.putPixel(0, 0, r.indexColour(0));
    r.clear();
    EXPECT_EQ(*r.at(0, 0), 255);
    make(3, 2, 0, true);
    EXPECT_EQ(*r.at(2, 1), 0);
    EXPECT_EQ(r.stride, 4u);
    EXPECT_FALSE(r.create(0, 5, false, false));
    EXPECT_FALSE(r.exists());
}

}  // namespace
