// The floating-horizon pen on small crafted lines, without a plot.
#include <gtest/gtest.h>

#include <vector>

#include "graph3d/horizon.h"

namespace vtx {
namespace {

struct Piece {
    HorizonSide side;
    float x1, y1, x2, y2;
};

struct Recorder {
    HorizonPen pen{0, 300};
    std::vector<Piece> pieces;
    void line(const std::vector<std::pair<float, float>>& pts, PenMode mode = PenMode::DrawAndHide) {
        auto sink = [&](HorizonSide s, float x1, float y1, float x2, float y2) { pieces.push_back({s, x1, y1, x2, y2}); };
        pen.pen(pts[0].first, pts[0].second, 3, sink, mode);
        for (std::size_t i = 1; i < pts.size(); ++i) pen.pen(pts[i].first, pts[i].second, 2, sink, mode);
    }
};

// Plot y grows downward: a ridge in front rises to y = 20 at x = 100.
void frontAndRidge(Recorder& r) {
    r.line({{0, 100}, {200, 100}});
    r.line({{0, 80}, {100, 20}, {200, 80}});
}

TEST(HorizonPen, LineBehindARidgeIsCutWhereTheRidgeRisesAboveIt) {
    Recorder r;
    frontAndRidge(r);
    ASSERT_EQ(r.pieces.size(), 3u);  // the first line whole, the ridge in its two flanks
    r.pieces.clear();
    r.line({{0, 50}, {200, 50}});
    // The ridge lies above y = 50 between x = 50 and x = 150.
    ASSERT_EQ(r.pieces.size(), 2u);
    EXPECT_EQ(r.pieces[0].side, HorizonSide::Top);
    EXPECT_FLOAT_EQ(r.pieces[0].x1, 0.0f);
    EXPECT_NEAR(r.pieces[0].x2, 50.0f, 1.0f);
    EXPECT_NEAR(r.pieces[1].x1, 150.0f, 1.0f);
    EXPECT_FLOAT_EQ(r.pieces[1].x2, 200.0f);
}

TEST(HorizonPen, LinesAboveAndBelowEverythingStayVisibleWithTheirSide) {
    Recorder r;
    frontAndRidge(r);
    r.pieces.clear();
    r.line({{0, 10}, {200, 10}});
    r.line({{0, 110}, {200, 110}});
    ASSERT_EQ(r.pieces.size(), 2u);
    EXPECT_EQ(r.pieces[0].side, HorizonSide::Top);
    EXPECT_EQ(r.pieces[1].side, HorizonSide::Bottom);
    EXPECT_FLOAT_EQ(r.pieces[1].x2 - r.pieces[1].x1, 200.0f);
}

TEST(HorizonPen, HideOnlyRaisesTheHorizonsAndDrawOnlyLeavesThem) {
    Recorder r;
    r.line({{0, 50}, {200, 50}}, PenMode::HideOnly);
    EXPECT_TRUE(r.pieces.empty());
    r.line({{0, 60}, {100, 40}}, PenMode::DrawOnly);  // crosses the hidden line at x = 50
    ASSERT_EQ(r.pieces.size(), 2u);
    EXPECT_EQ(r.pieces[0].side, HorizonSide::Bottom);
    EXPECT_EQ(r.pieces[1].side, HorizonSide::Top);
    // Drawn without raising: the same line shows again in full.
    r.pieces.clear();
    r.line({{0, 60}, {100, 40}});
    EXPECT_EQ(r.pieces.size(), 2u);
}

TEST(HorizonPen, SteepLineAndPolylineCornersDoNotHideThemselves) {
    Recorder r;
    // A vertical stroke walks many pixels of one column: all of them show.
    r.line({{10, 10}, {10, 90}});
    ASSERT_EQ(r.pieces.size(), 1u);
    EXPECT_FLOAT_EQ(r.pieces[0].y2 - r.pieces[0].y1, 80.0f);
    r.pieces.clear();
    // A zigzag in fresh columns: every segment fully visible, joined at the corners.
    r.line({{50, 50}, {60, 40}, {70, 50}, {80, 40}});
    float covered = 0.0f;
    for (const Piece& p : r.pieces) covered += p.x2 - p.x1;
    EXPECT_FLOAT_EQ(covered, 30.0f);
}

TEST(HorizonPen, ColumnsOutsideThePenAreNeverVisible) {
    Recorder r;
    r.line({{-50, 10}, {50, 10}});
    ASSERT_EQ(r.pieces.size(), 1u);
    EXPECT_FLOAT_EQ(r.pieces[0].x1, 0.0f);
    // Far-off ends (plot coordinates are limited to a million) walk only the
    // columns of the pen, and the line goes on from its true end.
    Recorder far;
    far.line({{-1.0e6f, 100}, {1.0e6f, 100}, {1.0e6f, 200}});
    ASSERT_EQ(far.pieces.size(), 1u);
    EXPECT_FLOAT_EQ(far.pieces[0].x1, 0.0f);
    EXPECT_FLOAT_EQ(far.pieces[0].x2, 299.0f);
}

}  // namespace
}  // namespace vtx
