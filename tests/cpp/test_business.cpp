// Bar geometry without a plot: widths of groups, slots, label placement,
// the fill around a protected label and the depth faces.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "business/bar_geometry.h"
#include "business/pie_geometry.h"

using namespace vtx;

TEST(BarGeometry, GroupSplitsIntoBarsAndGaps) {
    BarWidths w = barWidths(75, 1, 0);
    EXPECT_FLOAT_EQ(w.bar, 75); EXPECT_FLOAT_EQ(w.gap, 0);
    w = barWidths(75, 3, 0);
    EXPECT_FLOAT_EQ(w.bar, 25);
    w = barWidths(100, 3, -5);  // absolute gap
    EXPECT_FLOAT_EQ(w.gap, 5); EXPECT_FLOAT_EQ(w.bar, 30);
    w = barWidths(100, 3, 0.5f);  // gap as a fraction of the bar: 100 / (2 * 0.5 + 3)
    EXPECT_FLOAT_EQ(w.bar, 25); EXPECT_FLOAT_EQ(w.gap, 12.5f);
    w = barWidths(100, 3, 0);  // bar widths are truncated to whole units
    EXPECT_FLOAT_EQ(w.bar, 33);
}

TEST(BarGeometry, SlotsOfAGroupStandSideBySideFromTheLeft) {
    const BarWidths single = barWidths(75, 1, 0);
    BarRect r = verticalBar(single, 1, 100, 500, 300);
    EXPECT_FLOAT_EQ(r.x1, 63); EXPECT_FLOAT_EQ(r.x2, 138);
    EXPECT_FLOAT_EQ(r.y1, 500); EXPECT_FLOAT_EQ(r.y2, 300);
    const BarWidths three = barWidths(75, 3, 0);
    float right = 63;
    for (int k = 1; k <= 3; ++k) {
        r = verticalBar(three, k, 100, 500, 300);
        EXPECT_FLOAT_EQ(r.x1, right) << "slot " << k;
        EXPECT_FLOAT_EQ(r.x2 - r.x1, 25);
        right = r.x2;
    }
    const BarRect h = horizontalBar(three, 2, 100, 10, 210);
    EXPECT_FLOAT_EQ(h.y1, 88); EXPECT_FLOAT_EQ(h.y2, 113);
    EXPECT_FLOAT_EQ(h.x1, 10); EXPECT_FLOAT_EQ(h.x2, 210);
}

TEST(BarGeometry, AutomaticLabelGoesInsideOnlyWhenTheBoxFits) {
    const BarRect wide{100, 500, 200, 300};
    EXPECT_EQ(resolveLabelCode(kLabelAuto, wide, 40, 20), kLabelInside);
    const BarRect narrow{100, 500, 130, 300};  // box 50 wide
    EXPECT_EQ(resolveLabelCode(kLabelAuto, narrow, 40, 20), kLabelOutside);
    const BarRect flat{100, 500, 200, 475};  // box 30 high
    EXPECT_EQ(resolveLabelCode(kLabelAuto, flat, 40, 20), kLabelOutside);
    EXPECT_EQ(resolveLabelCode(kLabelCentre, narrow, 40, 20), kLabelCentre);
    EXPECT_TRUE(labelInsideBar(42));
    EXPECT_FALSE(labelInsideBar(12));
}

TEST(BarGeometry, LabelStartsFollowThePlacementCodes) {
    const float h = 20, tw = 40;
    float x, y;
    const BarRect up{100, 500, 200, 300};
    barLabelStart(up, false, 12, tw, h, x, y);  // centred, one height above the end
    EXPECT_FLOAT_EQ(x, 125); EXPECT_FLOAT_EQ(y, 255);
    barLabelStart(up, false, 22, tw, h, x, y);
    EXPECT_FLOAT_EQ(y, 325);
    barLabelStart(up, false, 32, tw, h, x, y);
    EXPECT_FLOAT_EQ(y, 385);
    barLabelStart(up, false, 42, tw, h, x, y);
    EXPECT_FLOAT_EQ(y, 445);
    barLabelStart(up, false, 52, tw, h, x, y);
    EXPECT_FLOAT_EQ(y, 515);
    barLabelStart(up, false, 21, tw, h, x, y);  // the number ends one height left of the bar
    EXPECT_FLOAT_EQ(x + 0.25f * h + tw, 100 - h);
    barLabelStart(up, false, 23, tw, h, x, y);
    EXPECT_FLOAT_EQ(x + 0.25f * h, 200 + h);

    // A bar pointing down the page keeps "beyond the end" below its end.
    const BarRect down{100, 300, 200, 500};
    barLabelStart(down, false, 12, tw, h, x, y);
    EXPECT_FLOAT_EQ(y + 0.25f * h, 500 + h);
    barLabelStart(down, false, 22, tw, h, x, y);
    EXPECT_FLOAT_EQ(y, 500 - 2.75f * h);

    // Horizontal bars: along X, before/after meaning above/below.
    const BarRect right{100, 50, 300, 80};
    barLabelStart(right, true, 12, tw, h, x, y);
    EXPECT_FLOAT_EQ(x + 0.25f * h, 300 + h); EXPECT_FLOAT_EQ(y, 50);
    barLabelStart(right, true, 21, tw, h, x, y);
    EXPECT_FLOAT_EQ(y + 0.25f * h + h, 50 - h);
    const BarRect left{300, 50, 100, 80};
    barLabelStart(left, true, 12, tw, h, x, y);
    EXPECT_FLOAT_EQ(x + 0.25f * h + tw, 100 - h);
}

TEST(BarGeometry, FillAroundALabelLeavesExactlyTheHole) {
    const BarRect bar{100, 500, 200, 300};
    std::vector<BarRect> pieces;
    auto collect = [&pieces](const BarRect& r) { pieces.push_back(r); };
    fillAroundHole(bar, BarRect{130, 320, 170, 350}, collect);
    ASSERT_EQ(pieces.size(), 4u);
    float area = 0;
    for (const BarRect& p : pieces) {
        EXPECT_GT(p.x2, p.x1); EXPECT_GT(p.y2, p.y1);
        area += (p.x2 - p.x1) * (p.y2 - p.y1);
        // No piece reaches into the hole.
        EXPECT_TRUE(p.x2 <= 130 || p.x1 >= 170 || p.y2 <= 320 || p.y1 >= 350);
    }
    EXPECT_FLOAT_EQ(area, 100 * 200 - 40 * 30);

    pieces.clear();
    fillAroundHole(bar, BarRect{300, 0, 340, 30}, collect);  // apart: the whole bar
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_FLOAT_EQ(pieces[0].y1, 300); EXPECT_FLOAT_EQ(pieces[0].y2, 500);

    pieces.clear();
    fillAroundHole(bar, BarRect{90, 280, 210, 320}, collect);  // hole across the top: one piece below
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_FLOAT_EQ(pieces[0].y1, 320);
}

TEST(BarGeometry, DepthFacesSitOnTheVisibleEdges) {
    Quad side, top;
    depthFaces(BarRect{100, 500, 200, 300}, false, 10, -10, side, top);
    for (int i = 0; i < 2; ++i) EXPECT_FLOAT_EQ(side.x[i], 200);
    EXPECT_FLOAT_EQ(side.x[2], 210); EXPECT_FLOAT_EQ(side.y[2], 290);
    for (int i = 0; i < 2; ++i) EXPECT_FLOAT_EQ(top.y[i], 300);
    depthFaces(BarRect{100, 50, 300, 80}, true, 10, -10, side, top);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FLOAT_EQ(side.y[i], 50);
        EXPECT_FLOAT_EQ(top.x[i], 300);
    }
}

TEST(PieGeometry, FlatPiesStartWithTheFirstSegmentCentredAtTheTop) {
    const float two[2] = {1, 1};
    std::vector<PieSegment> s = pieSegments(two, 2, 2, 100, 100, false);
    EXPECT_DOUBLE_EQ(s[0].from, 0); EXPECT_DOUBLE_EQ(s[0].to, 180);
    EXPECT_DOUBLE_EQ(s[1].from, 180); EXPECT_DOUBLE_EQ(s[1].to, 360);
    const float three[3] = {30, -10, 60};  // negative values count with their size
    s = pieSegments(three, 3, 100, 100, 100, false);
    EXPECT_DOUBLE_EQ(s[0].mid, 90);
    EXPECT_NEAR(s[1].to - s[1].from, 36, 1e-9);
    EXPECT_NEAR(s[2].to, s[0].from + 360, 1e-9);
}

TEST(PieGeometry, TiltedPiesDivideTheEllipseAreaAroundTheAngleZero) {
    const float v[3] = {1, 2, 1};
    // Half axes equal: areas and angles agree.
    std::vector<PieSegment> s = pieSegments(v, 3, 4, 100, 100, true);
    EXPECT_NEAR(s[0].from, -45, 1e-9); EXPECT_NEAR(s[0].to, 45, 1e-9);
    EXPECT_NEAR(s[1].to, 225, 1e-9);
    EXPECT_NEAR(s[2].to, 315, 1e-9);
    // A flat ellipse: half of the area lies on either side of the vertical.
    const float q[2] = {2, 2};
    s = pieSegments(q, 2, 4, 200, 50, true);
    EXPECT_NEAR(s[0].to, 90, 1e-9);
    EXPECT_NEAR(s[1].to, 270, 1e-9);
    const float e[2] = {1, 3};  // an eighth of the area: polar angle atan(b/a)
    s = pieSegments(e, 2, 4, 200, 50, true);
    EXPECT_NEAR(s[0].to, std::atan2(50.0, 200.0) * 180 / 3.14159265358979, 1e-6);

    EXPECT_EQ(tiltedMinorAxis(100, 45), 79);   // 100 (sqrt(1/2) + 45/500)
    EXPECT_EQ(tiltedMinorAxis(100, 60), 87);   // 100 (sqrt(2/3) + 30/500)
    EXPECT_EQ(tiltedMinorAxis(100, 90), 100);
    EXPECT_NEAR(ellipseRadius(200, 50, 90), 50, 1e-9);
}

TEST(PieGeometry, ExplosionAndTheCircleInsideASegment) {
    EXPECT_EQ(explosionOffset(500), 40);
    EXPECT_DOUBLE_EQ(insideCircleRadius(300, 90), 150);
    EXPECT_DOUBLE_EQ(insideCircleRadius(300, 180), 300);
    EXPECT_NEAR(insideCircleRadius(300, 30), 100, 1e-9);  // the inradius of an equilateral triangle
}

TEST(PieGeometry, LabelsGoInsideWhenTheyFitElseOutsideOnTheirSide) {
    // Upper half of a pie of radius 300 at (1000, 1000): the circle of radius 150 at 150 above.
    PieLabelPlace p = placePieLabel(1000, 1000, 300, 90, 90, 100, 60, PieLabelMode::Internal, 420);
    ASSERT_TRUE(p.inside);
    EXPECT_NEAR(p.boxX + 50, 1000, 1e-9); EXPECT_NEAR(p.boxY + 30, 850, 1e-9);
    p = placePieLabel(1000, 1000, 300, 90, 10, 100, 60, PieLabelMode::Internal, 420);  // too narrow
    EXPECT_FALSE(p.inside);
    // Outside: the vector from R + 100 to R + 20, the box beside it.
    p = placePieLabel(1000, 1000, 300, 0, 20, 100, 60, PieLabelMode::External, 420);
    EXPECT_NEAR(p.anchorX, 1400, 1e-9); EXPECT_NEAR(p.tipX, 1320, 1e-9);
    EXPECT_GE(p.boxX, p.anchorX);
    p = placePieLabel(1000, 1000, 300, 180, 20, 100, 60, PieLabelMode::External, 420);
    EXPECT_LE(p.boxX + 100, p.anchorX);
    // Aligned boxes start at one horizontal distance on either side.
    p = placePieLabel(1000, 1000, 300, 60, 20, 100, 60, PieLabelMode::Aligned, 420);
    EXPECT_NEAR(p.boxX, 1420, 1e-9);
    EXPECT_NEAR(p.edgeY, p.anchorY, 1e-9);
    p = placePieLabel(1000, 1000, 300, 200, 20, 100, 60, PieLabelMode::Aligned, 420);
    EXPECT_NEAR(p.boxX + 100, 580, 1e-9);
}

// Faces of 3-D bars: outward normals that agree with the corner order, the
// faces an eye sees, and the order a painter needs.
#include "business/cuboid_geometry.h"

namespace {

std::vector<CuboidFace> facesOf(const float lo[3], const float hi[3]) {
    std::vector<CuboidFace> faces;
    cuboidFaces(lo, hi, 7, [&](const CuboidFace& f) { faces.push_back(f); });
    return faces;
}

}  // namespace

TEST(CuboidGeometry, SixFacesWithOutwardNormalsAgreeingWithTheirCorners) {
    const float lo[3] = {0, 0, 0}, hi[3] = {1, 2, 3};
    const std::vector<CuboidFace> faces = facesOf(lo, hi);
    ASSERT_EQ(faces.size(), 6u);
    int directions = 0;  // one bit per axis and sense
    for (const CuboidFace& f : faces) {
        EXPECT_EQ(f.bar, 7);
        // The corners run counter-clockwise around the normal.
        const float* a = f.p[0];
        const float* b = f.p[1];
        const float* c = f.p[2];
        const float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, w[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        const float n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
        EXPECT_GT(n[0] * f.normal[0] + n[1] * f.normal[1] + n[2] * f.normal[2], 0.0f);
        // Every corner lies on the side of the box the normal points to.
        for (int k = 0; k < 3; ++k) {
            if (f.normal[k] == 0) continue;
            directions |= 1 << (2 * k + (f.normal[k] > 0));
            for (const float* p : f.p) EXPECT_EQ(p[k], f.normal[k] > 0 ? hi[k] : lo[k]);
        }
    }
    EXPECT_EQ(directions, 63);

    // A bar of zero height keeps only its top and bottom.
    const float flat[3] = {1, 2, 0};
    const std::vector<CuboidFace> lid = facesOf(lo, flat);
    ASSERT_EQ(lid.size(), 2u);
    EXPECT_NE(lid[0].normal[2], 0.0f);
    EXPECT_NE(lid[1].normal[2], 0.0f);
}

TEST(CuboidGeometry, AnEyeSeesTheFacesTurnedToIt) {
    const float lo[3] = {-1, -1, -1}, hi[3] = {1, 1, 1}, eye[3] = {5, -6, 4};
    int seen = 0;
    for (const CuboidFace& f : facesOf(lo, hi))
        if (faceSeenFrom(f, eye)) {
            ++seen;
            EXPECT_TRUE(f.normal[0] > 0 || f.normal[1] < 0 || f.normal[2] > 0);
        }
    EXPECT_EQ(seen, 3);
}

TEST(CuboidGeometry, PainterDrawsFarBarsFirstAndTheNearestLast) {
    // A row of bars going away from the eye, given out of order, a tall bar
    // behind a short one, and a bar stacked on a nearer one.
    const float eye[3] = {0, -10, 5};
    const std::vector<Cuboid> bars = {
        {{-.5f, 2, 0}, {.5f, 3, 1}},     // 0: middle
        {{-.5f, 5, 0}, {.5f, 6, 9}},     // 1: far and tall
        {{-.5f, -1, 0}, {.5f, 0, 1}},    // 2: nearest
        {{-.5f, 2, 1}, {.5f, 3, 2}},     // 3: on top of bar 0
    };
    const std::vector<int> order = paintingOrder(bars, eye);
    EXPECT_EQ(order, (std::vector<int>{1, 0, 3, 2}));
}
