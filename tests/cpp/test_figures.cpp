// Figure geometry without a plot: chords of arcs, arc ends and turns, ring
// segments, rounded corners, arrow heads from their codes, wind barbs and
// the circle through three points.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "figures/arc_geometry.h"
#include "figures/arrow_geometry.h"

using namespace vtx;

namespace {

struct Points {
    std::vector<float> x, y;
    void operator()(float px, float py) { x.push_back(px), y.push_back(py); }
};

Points arc(float a, float b, float alpha, float beta, float theta = 0, bool closed = false, float spacing = 10) {
    ArcSpec s;
    s.a = a, s.b = b, s.alpha = alpha, s.beta = beta, s.theta = theta;
    Points p;
    emitArc(s, spacing, closed, [&p](float x, float y) { p(x, y); });
    return p;
}

// Angle of a point on the page in degrees (y upwards), in [0, 360).
double pageAngle(float x, float y) {
    const double d = std::atan2(-double(y), double(x)) * 180.0 / kFigurePi;
    return d < 0 ? d + 360 : d;
}

struct Pieces {
    std::vector<std::vector<float>> lx, ly, fx, fy;
    void polyline(const float* x, const float* y, int n) { lx.emplace_back(x, x + n), ly.emplace_back(y, y + n); }
    void filled(const float* x, const float* y, int n) { fx.emplace_back(x, x + n), fy.emplace_back(y, y + n); }
};

}  // namespace

TEST(ArcGeometry, ChordCountsFollowTheSpacing) {
    EXPECT_EQ(arc(100, 100, 0, 360).x.size(), 63u);  // trunc(6.283 * 100 / 10) = 62 chords
    EXPECT_EQ(arc(1, 1, 0, 360).x.size(), 0u);       // shorter than one chord: nothing
    EXPECT_EQ(arc(2, 2, 0, 360).x.size(), 6u);       // one chord is raised to five
    EXPECT_EQ(arc(100, 100, 0, 360, 0, false, 1).x.size(), 629u);
    EXPECT_EQ(arc(10000, 10000, 0, 360, 0, false, 1).x.size(), 1001u);  // at most 1000 chords
    EXPECT_EQ(arc(100, 40, 0, 360).x.size(), 63u);   // the longer half axis counts
    // Equal angles are the full turn; the end comes back to the start.
    const Points full = arc(100, 100, 45, 45);
    EXPECT_EQ(full.x.size(), 63u);
    EXPECT_NEAR(full.x.front(), full.x.back(), 1e-3);
    EXPECT_NEAR(full.y.front(), full.y.back(), 1e-3);
}

TEST(ArcGeometry, ArcsRunCounterClockwiseThroughZero) {
    const Points p = arc(200, 200, 350, 10);
    ASSERT_GE(p.x.size(), 6u);
    EXPECT_NEAR(pageAngle(p.x.front(), p.y.front()), 350, 1e-3);
    EXPECT_NEAR(pageAngle(p.x.back(), p.y.back()), 10, 1e-3);
    for (size_t i = 0; i < p.x.size(); ++i) {
        const double d = pageAngle(p.x[i], p.y[i]);
        EXPECT_TRUE(d >= 349.99 || d <= 10.01) << d;
    }
    // 90 degrees is up the page, where plot y is negative.
    const Points up = arc(100, 100, 90, 180);
    EXPECT_NEAR(up.y.front(), -100, 1e-3);
    EXPECT_NEAR(up.x.back(), -100, 1e-3);
}

TEST(ArcGeometry, PartialEllipsesEndOnTheRaysOfTheirAngles) {
    const Points p = arc(200, 50, 30, 60);
    EXPECT_NEAR(pageAngle(p.x.front(), p.y.front()), 30, 1e-3);
    EXPECT_NEAR(pageAngle(p.x.back(), p.y.back()), 60, 1e-3);
    // A whole ellipse keeps the parametric form: its half axes are reached.
    const Points whole = arc(200, 50, 0, 360);
    EXPECT_NEAR(whole.x.front(), 200, 1e-3);
    EXPECT_NEAR(*std::min_element(whole.y.begin(), whole.y.end()), -50, 0.2);
}

TEST(ArcGeometry, PiesCloseThroughTheCentreAndTurnsGoCounterClockwise) {
    const Points p = arc(100, 100, 0, 90, 0, true);
    const size_t n = p.x.size();
    EXPECT_FLOAT_EQ(p.x[n - 2], 0); EXPECT_FLOAT_EQ(p.y[n - 2], 0);
    EXPECT_FLOAT_EQ(p.x[n - 1], p.x[0]); EXPECT_FLOAT_EQ(p.y[n - 1], p.y[0]);
    // A full circle is never closed through its centre.
    const Points c = arc(100, 100, 0, 360, 0, true);
    EXPECT_EQ(c.x.size(), 63u);
    // Turned by 90 degrees the end of the long half axis points up the page.
    const Points t = arc(100, 30, 0, 360, 90);
    EXPECT_NEAR(t.x.front(), 0, 1e-3);
    EXPECT_NEAR(t.y.front(), -100, 1e-3);
}

TEST(ArcGeometry, RingSegmentsRunOutForwardsAndBackInside) {
    Points p;
    const int n = emitRingSegment(500, 500, 50, 100, 0, 90, 10, [&p](float x, float y) { p(x, y); });
    ASSERT_EQ(size_t(n), p.x.size());
    EXPECT_NEAR(p.x.front(), 600, 1e-3);            // outer arc from 0 degrees
    EXPECT_NEAR(p.x.back(), 550, 1e-3);             // inner arc back to 0 degrees
    EXPECT_NEAR(p.y.back(), 500, 1e-3);
    for (size_t i = 0; i < p.x.size(); ++i) {
        const double r = std::hypot(p.x[i] - 500, p.y[i] - 500);
        EXPECT_TRUE(std::fabs(r - 100) < 1e-2 || std::fabs(r - 50) < 1e-2) << r;
    }
    Points wedge;  // inner radius 0: a pie
    emitRingSegment(0, 0, 0, 100, 0, 90, 10, [&wedge](float x, float y) { wedge(x, y); });
    EXPECT_FLOAT_EQ(wedge.x.back(), 0); EXPECT_FLOAT_EQ(wedge.y.back(), 0);
}

TEST(ArcGeometry, RoundedCornersAreQuarterCirclesInsideTheRectangle) {
    Points p;
    emitRoundedRectangle(100, 200, 500, 400, 50, 10, [&p](float x, float y) { p(x, y); });
    const float cx[4] = {450, 150, 150, 450}, cy[4] = {250, 250, 350, 350};
    const size_t perCorner = p.x.size() / 4;
    EXPECT_EQ(perCorner, 8u);  // trunc(pi/2 * 50 / 10) = 7 chords
    for (size_t i = 0; i < p.x.size(); ++i) {
        const int q = int(i / perCorner);
        EXPECT_NEAR(std::hypot(p.x[i] - cx[q], p.y[i] - cy[q]), 50, 1e-3);
        EXPECT_TRUE(p.x[i] >= 100 - 1e-3 && p.x[i] <= 500 + 1e-3 && p.y[i] >= 200 - 1e-3 && p.y[i] <= 400 + 1e-3);
    }
    // Each corner starts and ends on the straight sides.
    EXPECT_NEAR(p.x[0], 500, 1e-3); EXPECT_NEAR(p.y[0], 250, 1e-3);
    EXPECT_NEAR(p.x[perCorner - 1], 450, 1e-3); EXPECT_NEAR(p.y[perCorner - 1], 200, 1e-3);

    Points sharp;  // no radius: the four corners; a huge one is cut to half the shorter side
    emitRoundedRectangle(0, 0, 40, 20, 0, 10, [&sharp](float x, float y) { sharp(x, y); });
    EXPECT_EQ(sharp.x.size(), 4u);
    Points round;
    emitRoundedRectangle(0, 0, 400, 100, 1000, 10, [&round](float x, float y) { round(x, y); });
    EXPECT_NEAR(round.x[0], 400, 1e-3); EXPECT_NEAR(round.y[0], 50, 1e-3);
}

TEST(ArcGeometry, CircleThroughThreePoints) {
    double xm, ym, r;
    ASSERT_TRUE(circleThroughPoints(0, 0, 4, 0, 0, 3, xm, ym, r));
    EXPECT_NEAR(xm, 2, 1e-9); EXPECT_NEAR(ym, 1.5, 1e-9); EXPECT_NEAR(r, 2.5, 1e-9);
    EXPECT_FALSE(circleThroughPoints(0, 0, 1, 1, 2, 2, xm, ym, r));  // collinear
    EXPECT_FALSE(circleThroughPoints(1, 1, 1, 1, 5, 0, xm, ym, r));  // two coincide
}

TEST(ArrowGeometry, CodesChooseHeadSizeFormAndPosition) {
    Pieces plain;
    EXPECT_EQ(emitArrow(0, 0, 100, 0, 1420, plain), -1);  // units digit 0: the line alone
    EXPECT_EQ(plain.lx.size(), 1u);
    EXPECT_TRUE(plain.fx.empty());

    // 1421: an open head (two strokes) of length 50 and half-width 1.5/4.5 * 50 at the end.
    Pieces open;
    emitArrow(0, 500, 300, 500, 1421, open);
    ASSERT_EQ(open.lx.size(), 2u);
    const std::vector<float>& hx = open.lx[1];
    const std::vector<float>& hy = open.ly[1];
    ASSERT_EQ(hx.size(), 3u);
    EXPECT_FLOAT_EQ(hx[1], 300); EXPECT_FLOAT_EQ(hy[1], 500);
    EXPECT_NEAR(hx[0], 250, 1e-3); EXPECT_NEAR(hx[2], 250, 1e-3);
    EXPECT_NEAR(std::fabs(hy[0] - hy[2]) / 2, 1.5 / 4.5 * 50, 1e-3);

    // 0901 upwards: a filled head 100 long, also drawn as a closed outline.
    Pieces filled;
    emitArrow(0, 500, 0, 100, 901, filled);
    ASSERT_EQ(filled.fx.size(), 1u);
    EXPECT_EQ(filled.lx[1].size(), 4u);
    EXPECT_NEAR(filled.fy[0][0], 200, 1e-3);  // the base 100 below the tip
    EXPECT_FLOAT_EQ(filled.fy[0][1], 100);

    // Form 1: no full line, the shaft ends at the head's base.
    Pieces shaft;
    emitArrow(0, 0, 200, 0, 911, shaft);
    ASSERT_EQ(shaft.lx.size(), 2u);
    EXPECT_FLOAT_EQ(shaft.lx[0][0], 0); EXPECT_NEAR(shaft.lx[0][1], 100, 1e-3);
}

TEST(ArrowGeometry, SecondHeadsPointOutwardsOrForwards) {
    Pieces both;
    emitArrow(0, 0, 400, 0, 1402, both);  // heads of length 50 at both ends pointing outwards
    ASSERT_EQ(both.fx.size(), 2u);
    EXPECT_FLOAT_EQ(both.fx[1][1], 0);                     // tip at the start
    EXPECT_NEAR(both.fx[1][0], 50, 1e-3);                  // base inside the arrow
    Pieces forward;
    emitArrow(0, 0, 400, 0, 1403, forward);
    ASSERT_EQ(forward.fx.size(), 2u);
    EXPECT_NEAR(forward.fx[1][1], 50, 1e-3);               // tip one head length in
    EXPECT_NEAR(forward.fx[1][0], 0, 1e-3);                // base at the start
    // Leftwards: the direction flips through pi.
    Pieces left;
    emitArrow(400, 0, 0, 0, 1401, left);
    EXPECT_NEAR(left.fx[0][0], 50, 1e-3);
}

TEST(ArrowGeometry, DigitsOutOfRangeLeaveThePlainLine) {
    Pieces p;
    EXPECT_EQ(emitArrow(0, 0, 100, 0, 1441, p), 4);  // form 4
    EXPECT_EQ(p.lx.size(), 1u);
    Pieces q;
    EXPECT_EQ(emitArrow(0, 0, 100, 0, 1407, q), 7);  // position 7
    EXPECT_EQ(q.lx.size(), 1u);
}

TEST(WindBarbs, CountsForGivenSpeeds) {
    auto counts = [](float s) {
        const WindBarbCounts c = windBarbCounts(s);
        return std::vector<int>{c.calm, c.pennants, c.full, c.half};
    };
    EXPECT_EQ(counts(0), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(counts(0.4f), (std::vector<int>{1, 0, 0, 0}));
    EXPECT_EQ(counts(2.4f), (std::vector<int>{0, 0, 0, 0}));  // a bare staff
    EXPECT_EQ(counts(5), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(counts(15), (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(counts(48), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(counts(65), (std::vector<int>{0, 1, 1, 1}));
    EXPECT_EQ(counts(100), (std::vector<int>{0, 2, 0, 0}));
}

TEST(WindBarbs, StaffPointsAlongTheAngleAndALoneHalfBarbIsSetBack) {
    Pieces p;
    emitWindBarb(windBarbCounts(5), 100, 100, 60, 30, 90, p);  // staff to the right
    ASSERT_EQ(p.lx.size(), 2u);
    EXPECT_NEAR(p.lx[0][1], 160, 1e-3); EXPECT_NEAR(p.ly[0][1], 100, 1e-3);
    // Set back by S/2 from the staff's end.
    EXPECT_NEAR(p.lx[1][0], 160 - 15, 1e-3);

    Pieces q;
    emitWindBarb(windBarbCounts(65), 0, 0, 100, 30, 0, q);  // staff straight up
    EXPECT_NEAR(q.ly[0][1], -100, 1e-3);
    ASSERT_EQ(q.fx.size(), 1u);   // one pennant at the end
    EXPECT_NEAR(q.fy[0][0], -100, 1e-3);
    ASSERT_EQ(q.lx.size(), 3u);   // staff, full barb, half barb
    EXPECT_NEAR(q.lx[1][1] - q.lx[1][0], 30, 1e-3);
    EXPECT_NEAR(q.lx[2][1] - q.lx[2][0], 15, 1e-3);
    EXPECT_GT(q.ly[2][0], q.ly[1][0]);  // the half barb lies further from the end
}
