// The grid tracer on small grids: empty results, the side of travel, holes
// of NaN values and several lines. Exact point lists are checked through conpts.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "contour/contour_tracer.h"

using namespace vtx;

namespace {

using Line = std::vector<std::pair<float, float>>;

struct Recorder {
    std::vector<Line> lines;
    int finishes = 0;
    void start(float x, float y) { lines.push_back({{x, y}}); }
    void to(float x, float y) {
        ASSERT_FALSE(lines.empty());
        lines.back().push_back({x, y});
    }
    void finish() { ++finishes; }
};

// z given row by row along y for readability: rows[j][i] is z(i, j).
std::vector<Line> trace(const std::vector<std::vector<float>>& rows, float level, int* finishes = nullptr) {
    const int ny = int(rows.size()), nx = int(rows[0].size());
    std::vector<float> x(nx), y(ny), z(std::size_t(nx) * ny);
    for (int i = 0; i < nx; ++i) x[i] = float(i);
    for (int j = 0; j < ny; ++j) y[j] = float(j);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) z[std::size_t(i) * ny + j] = rows[j][i];
    std::vector<std::uint32_t> mask(contourMaskWords(nx, ny), 0xffffffffu);  // the tracer clears it
    Recorder r;
    traceContour(ContourGrid{x.data(), nx, y.data(), ny, z.data()}, level, mask.data(), r);
    if (finishes) *finishes = r.finishes;
    return r.lines;
}

}  // namespace

TEST(ContourTracer, NothingWhenNoValueIsAboveOrAllAre) {
    int finishes = 0;
    EXPECT_TRUE(trace({{1, 2}, {3, 4}}, 0.5f, &finishes).empty());
    EXPECT_EQ(finishes, 1);
    EXPECT_TRUE(trace({{1, 2}, {3, 4}}, 4.0f).empty());  // the maximum equals the level: low
    EXPECT_TRUE(trace({{2, 2, 2}, {2, 2, 2}, {2, 2, 2}}, 2.0f).empty());
}

TEST(ContourTracer, HighSideStaysOnOneSideOfTravel) {
    // z = x on a 4 x 3 grid: the line x = 1.5 runs with increasing y (high on the right),
    // z = -x reverses it.
    const auto up = trace({{0, 1, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}}, 1.5f);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_LT(up[0].front().second, up[0].back().second);
    const auto down = trace({{0, -1, -2, -3}, {0, -1, -2, -3}, {0, -1, -2, -3}}, -1.5f);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_GT(down[0].front().second, down[0].back().second);
}

TEST(ContourTracer, NaNCellsAreHolesThatLinesLeaveAndEnterWhole) {
    const float nan = std::nanf("");
    // z = x with a NaN at (1, 1): the four cells around it are holes; the line
    // x = 1.5 survives only above them, starting at the hole's edge.
    const auto lines = trace({{0, 1, 2, 3}, {0, nan, 2, 3}, {0, 1, 2, 3}, {0, 1, 2, 3}}, 1.5f);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].front().second, 2.0f);
    EXPECT_FLOAT_EQ(lines[0].back().second, 3.0f);
    for (const auto& p : lines[0]) EXPECT_FLOAT_EQ(p.first, 1.5f);
    // A ring around a maximum with a hole in its way becomes one open line
    // from the hole back to it, traced once.
    const auto ring = trace({{0, 0, 0, 0, 0}, {0, 1, 1, 1, 0}, {0, 1, 2, 1, 0}, {0, 1, 1, 1, 0}, {0, 0, 0, nan, 0}},
                            0.5f);
    ASSERT_EQ(ring.size(), 1u);
    EXPECT_NE(ring[0].front(), ring[0].back());
    for (const auto& p : ring[0]) EXPECT_FALSE(std::isnan(p.first) || std::isnan(p.second));
}

TEST(ContourTracer, TwoMaximaGiveTwoClosedLinesAndSeparateBorderLines) {
    const auto lines = trace({{0, 0, 0, 0, 0}, {0, 1, 0, 1, 0}, {0, 0, 0, 0, 0}}, 0.5f);
    ASSERT_EQ(lines.size(), 2u);
    for (const auto& l : lines) EXPECT_EQ(l.front(), l.back());
    // A maximum on the border gives an open line from border to border.
    const auto open = trace({{0, 0, 0}, {0, 0, 1}, {0, 0, 0}}, 0.5f);
    ASSERT_EQ(open.size(), 1u);
    EXPECT_FLOAT_EQ(open[0].front().first, 2.0f);
    EXPECT_FLOAT_EQ(open[0].back().first, 2.0f);
    EXPECT_NE(open[0].front(), open[0].back());
}
