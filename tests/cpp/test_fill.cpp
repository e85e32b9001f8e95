// Software fill geometry: scan lines, even-odd spans, passes, groups, rotation;
// and the pattern table behind shdpat and mypat.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "session/globals.h"
#include "device/scanline_fill.h"
#include "device/shading.h"

namespace vtx {
namespace {

struct Segment {
    float x1, y1, x2, y2;
};

struct Fill {
    std::vector<Segment> spans;
    int status = 0;
    long groups = 0;
};

void collect(void* context, float x1, float y1, float x2, float y2) {
    static_cast<std::vector<Segment>*>(context)->push_back({x1, y1, x2, y2});
}

Fill hatch(const std::vector<float>& x, const std::vector<float>& y, HatchLines lines, long groups = 0) {
    Fill f;
    f.groups = groups;
    std::vector<float> work(fillWorkFloats(int(x.size())));
    f.status = hatchPolygon(x.data(), y.data(), int(x.size()), lines, work.data(), f.groups, collect, &f.spans);
    return f;
}

HatchLines spacing(float s, float angle = 0.0f) {
    HatchLines h;
    h.spacing = s;
    h.angle = angle;
    return h;
}

TEST(ScanlineFill, SquareGivesOneSpanPerScanLineAtMultiplesOfTheSpacing) {
    Fill f = hatch({0, 10, 10, 0}, {0, 0, 10, 10}, spacing(2));
    ASSERT_EQ(f.status, 0);
    ASSERT_EQ(f.spans.size(), 5u);
    for (size_t i = 0; i < f.spans.size(); ++i) {
        EXPECT_FLOAT_EQ(f.spans[i].y1, 2.0f * i);
        EXPECT_FLOAT_EQ(f.spans[i].y2, 2.0f * i);
        EXPECT_FLOAT_EQ(f.spans[i].x1, 0.0f);
        EXPECT_FLOAT_EQ(f.spans[i].x2, 10.0f);
    }
}

TEST(ScanlineFill, ScanLinesStartHalfASpacingBelowTheLowestY) {
    // lowest y 7, spacing 4: first k = trunc(7/4 - 0.5) = 1, so y = 4 (outside), then 8.
    Fill f = hatch({0, 10, 10, 0}, {7, 7, 15, 15}, spacing(4));
    ASSERT_EQ(f.spans.size(), 2u);
    EXPECT_FLOAT_EQ(f.spans[0].y1, 8.0f);
    EXPECT_FLOAT_EQ(f.spans[1].y1, 12.0f);
    EXPECT_EQ(f.groups, 4);  // k = 1..4: y = 16 still lies within 15 + half a spacing
}

TEST(ScanlineFill, EvenOddLeavesTheHoleOfAKeyholePolygon) {
    Fill f = hatch({0, 10, 10, 0, 0, 3, 3, 7, 7, 3}, {0, 0, 10, 10, 0, 3, 7, 7, 3, 3}, spacing(1));
    ASSERT_EQ(f.status, 0);
    std::vector<Segment> at5;
    for (const Segment& s : f.spans)
        if (s.y1 == 5.0f) at5.push_back(s);
    ASSERT_EQ(at5.size(), 2u);
    EXPECT_FLOAT_EQ(at5[0].x1, 0.0f);
    EXPECT_FLOAT_EQ(at5[0].x2, 3.0f);
    EXPECT_FLOAT_EQ(at5[1].x1, 7.0f);
    EXPECT_FLOAT_EQ(at5[1].x2, 10.0f);
}

TEST(ScanlineFill, VerticesOnScanLinesNeitherAddNorLoseSpans) {
    Fill f = hatch({5, 10, 5, 0}, {0, 5, 10, 5}, spacing(5));  // diamond, vertices on y = 0, 5, 10
    ASSERT_EQ(f.spans.size(), 1u);
    EXPECT_FLOAT_EQ(f.spans[0].y1, 5.0f);
    EXPECT_FLOAT_EQ(f.spans[0].x1, 0.0f);
    EXPECT_FLOAT_EQ(f.spans[0].x2, 10.0f);
}

// Small polygons take their crossings from the edges spanning each scan
// line; they must equal the crossings from all edges, vertices and level
// edges on the scan lines included.
TEST(ScanlineFill, EdgesSpanningTheLineGiveTheCrossingsOfAllEdges) {
    unsigned seed = 12345;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % unsigned(range));
    };
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 3 + next(fill_detail::kActiveEdgeMax - 2);
        std::vector<float> x(n), y(n);
        for (int i = 0; i < n; ++i) x[i] = float(next(41) - 20), y[i] = float(next(21) - 10);
        fill_detail::ActiveEdges edges(x.data(), y.data(), n);
        edges.restart();
        float all[2 * fill_detail::kActiveEdgeMax], spanning[2 * fill_detail::kActiveEdgeMax];
        for (float ys = -11.0f; ys <= 11.0f; ys += 0.5f) {
            const int m = scanCrossings(x.data(), y.data(), n, ys, all, kMaxScanCrossings);
            ASSERT_EQ(edges.crossings(ys, spanning), m) << "trial " << trial << " ys " << ys;
            for (int k = 0; k < m; ++k) EXPECT_EQ(spanning[k], all[k]);
        }
    }
}

// Convex and other y-monotone polygons walk their two chains of edges; the
// crossings must equal those from all edges. Polygons on a coarse grid put
// vertices and level edges on the scan lines; shapes that are not monotone
// must be refused.
TEST(ScanlineFill, WalkingTheTwoChainsGivesTheCrossingsOfAllEdges) {
    unsigned seed = 777;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % unsigned(range));
    };
    int walked = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        const int n = 3 + next(20);
        std::vector<float> x(n), y(n);
        const int kind = trial % 3;
        if (kind == 0) {  // convex: an ellipse through sorted angles, in float
            std::vector<float> a(n);
            for (float& t : a) t = float(next(100000)) * 6.2831853f / 100000.0f;
            std::sort(a.begin(), a.end());
            const float rx = 1.0f + float(next(300)) / 7.0f, ry = 1.0f + float(next(300)) / 9.0f;
            const float cx = float(next(2000)) - 1000.5f, cy = float(next(2000)) - 999.75f;
            for (int i = 0; i < n; ++i) x[i] = cx + rx * std::cos(a[i]), y[i] = cy + ry * std::sin(a[i]);
        } else if (kind == 1) {  // up one side and down the other on a grid, with level steps
            const int half = n / 2;
            for (int i = 0; i < n; ++i) {
                x[i] = float(next(21) - 10) + (i < half ? -12.0f : 12.0f);
                y[i] = float(i < half ? i - half + next(2) : n - i - half - next(2));
            }
            std::sort(y.begin(), y.begin() + half);
            std::sort(y.begin() + half, y.end(), std::greater<float>());
        } else {  // anything
            for (int i = 0; i < n; ++i) x[i] = float(next(41) - 20), y[i] = float(next(21) - 10);
        }
        fill_detail::MonotoneEdges chains(x.data(), y.data(), n);
        if (kind == 0) {
            ASSERT_TRUE(chains.valid()) << "trial " << trial;
        }
        if (!chains.valid()) continue;
        ++walked;
        const float lo = *std::min_element(y.begin(), y.end()), hi = *std::max_element(y.begin(), y.end());
        const float step = kind == 0 ? (hi - lo) / 37.0f : 0.5f;
        chains.restart();
        float all[2 * kMaxScanCrossings], walking[2];
        for (float ys = lo - 1.0f; ys <= hi + 1.0f; ys += step) {
            const int m = scanCrossings(x.data(), y.data(), n, ys, all, kMaxScanCrossings);
            ASSERT_EQ(chains.crossings(ys, walking), m) << "trial " << trial << " ys " << ys;
            for (int k = 0; k < m; ++k) ASSERT_EQ(walking[k], all[k]) << "trial " << trial << " ys " << ys;
        }
    }
    EXPECT_GT(walked, 2000);  // most of the grid shapes of the second kind are monotone too
    const float ux[] = {0, 3, 3, 7, 7, 10, 10, 0}, uy[] = {0, 0, 6, 6, 0, 0, 10, 10};
    EXPECT_FALSE(fill_detail::MonotoneEdges(ux, uy, 8).valid());
}

TEST(ScanlineFill, PassesDrawTheFirstSpanOfEveryScanLineBeforeTheSecond) {
    // A U shape: two spans on the upper scan lines, one on the lower.
    Fill f = hatch({0, 3, 3, 7, 7, 10, 10, 0}, {0, 0, 6, 6, 0, 0, 10, 10}, spacing(2));
    ASSERT_EQ(f.spans.size(), 5u + 3u);
    for (int i = 0; i < 5; ++i) EXPECT_FLOAT_EQ(f.spans[i].x1, 0.0f) << i;
    for (int i = 5; i < 8; ++i) {
        EXPECT_FLOAT_EQ(f.spans[i].x1, 7.0f) << i;
        EXPECT_FLOAT_EQ(f.spans[i].y1, 2.0f * (i - 5)) << i;
    }
}

// Comb with `teeth` teeth pointing up: every scan line through the teeth
// crosses 2 * teeth edges.
void comb(int teeth, std::vector<float>& x, std::vector<float>& y) {
    x = {0};
    y = {0};
    for (int t = 0; t < teeth; ++t) {
        float left = 4.0f * t;
        x.insert(x.end(), {left, left + 2, left + 2, left + 4});
        y.insert(y.end(), {-10, -10, 0, 0});
    }
    x.insert(x.end(), {4.0f * teeth, 0});
    y.insert(y.end(), {5, 5});
}

TEST(ScanlineFill, MoreThanOneHundredCrossingsEndTheFillWithWarning26) {
    std::vector<float> x, y;
    comb(50, x, y);  // exactly 100 crossings: accepted
    Fill ok = hatch(x, y, spacing(2));
    EXPECT_EQ(ok.status, 0);
    EXPECT_GT(ok.spans.size(), 50u * 4);
    comb(51, x, y);
    EXPECT_EQ(hatch(x, y, spacing(2)).status, 26);
}

TEST(ScanlineFill, FiveSpansPerLineAreAllDrawnAndEachOnce) {
    std::vector<float> x, y;
    comb(7, x, y);
    Fill f = hatch(x, y, spacing(2));
    ASSERT_EQ(f.status, 0);
    // 5 scan lines through the teeth (y = -10..-2) with 7 spans, 3 through the back (y = 0..4).
    EXPECT_EQ(f.spans.size(), 5u * 7 + 3u);
    for (int i = 0; i < 8; ++i) EXPECT_FLOAT_EQ(f.spans[i].x1, 0.0f);  // pass 1: first spans
}

TEST(ScanlineFill, GroupsAlternateDrawnAndSkippedLinesAcrossCalls) {
    HatchLines lines = spacing(1);
    lines.groupDrawn = 2, lines.groupSkipped = 1;
    Fill f = hatch({0, 10, 10, 0}, {0, 0, 9, 9}, lines);
    std::vector<float> ys;
    for (const Segment& s : f.spans) ys.push_back(s.y1);
    EXPECT_EQ(ys, (std::vector<float>{0, 1, 3, 4, 6, 7}));
    Fill shifted = hatch({0, 10, 10, 0}, {0, 0, 9, 9}, lines, f.groups);  // continues at line 10
    EXPECT_FLOAT_EQ(shifted.spans[0].y1, 0.0f);
    EXPECT_FLOAT_EQ(shifted.spans[1].y1, 2.0f);
}

TEST(ScanlineFill, AnglesTurnTheLinesCounterClockwiseOnThePage) {
    for (float angle : {45.0f, 90.0f, 135.0f}) {
        Fill f = hatch({0, 100, 100, 0}, {0, 0, 100, 100}, spacing(10, angle));
        ASSERT_GT(f.spans.size(), 5u);
        for (const Segment& s : f.spans) {
            // y grows downwards, so the page angle is atan2(-(dy), dx).
            float a = std::atan2(-(s.y2 - s.y1), s.x2 - s.x1) * 180.0f / 3.14159265f;
            if (a < 0) a += 180.0f;
            EXPECT_NEAR(a, angle, 0.01f);
        }
        // Neighbouring lines lie one spacing apart, measured across the lines.
        const Segment &p = f.spans[0], &q = f.spans[1];
        float dx = p.x2 - p.x1, dy = p.y2 - p.y1, len = std::hypot(dx, dy);
        float distance = std::fabs((q.x1 - p.x1) * dy - (q.y1 - p.y1) * dx) / len;
        EXPECT_NEAR(distance, 10.0f, 0.01f);
    }
}

TEST(ScanlineFill, VisibleBandLimitsTheLinesButNotTheGroupCount) {
    HatchLines lines = spacing(1);
    lines.visibleLow = 3, lines.visibleHigh = 5;
    Fill f = hatch({0, 10, 10, 0}, {0, 0, 10, 10}, lines);
    ASSERT_EQ(f.spans.size(), 3u);
    EXPECT_FLOAT_EQ(f.spans[0].y1, 3.0f);
    EXPECT_EQ(f.groups, 11);
}

TEST(ScanlineFill, DegenerateInputDrawsNothing) {
    EXPECT_TRUE(hatch({0, 1}, {0, 1}, spacing(1)).spans.empty());
    EXPECT_TRUE(hatch({0, 10, 10}, {0, 0, 10}, spacing(0)).spans.empty());
    EXPECT_TRUE(hatch({0, 10, 10}, {0, 0, 10}, spacing(NAN)).spans.empty());
    EXPECT_TRUE(hatch({NAN, 10, 10}, {NAN, 0, 10}, spacing(1)).spans.empty());
    EXPECT_TRUE(hatch({5, 5, 5, 5}, {5, 5, 5, 5}, spacing(1)).spans.empty());
    HatchLines band = spacing(1);
    band.visibleLow = 0, band.visibleHigh = 100;
    EXPECT_EQ(hatch({0, 1e30f, 0}, {-1e30f, 0, 1e30f}, band).spans.size(), 101u);
}

// Shading patterns on the record: code split, spacings and groups.
Globals& record() {
    jqqlev(0, 3, "test");
    Globals& g = *qqgglb();
    g.ctl.level = 1;
    g.out.unitFactor = 1.0f;
    return g;
}

TEST(ShadingPatterns, BuiltinCodesSplitIntoAngleTypeDensityCross) {
    Globals& g = record();
    ASSERT_EQ(setShadingPattern(g, 5), 0);
    EXPECT_EQ(g.fill.pattern, 5);
    EXPECT_EQ(g.fill.angle, 45);
    EXPECT_EQ(g.fill.type, 1);
    EXPECT_EQ(g.fill.density, 5);
    EXPECT_EQ(g.fill.cross, 1);
    EXPECT_FLOAT_EQ(g.fill.spacing, 27.0f);
    ASSERT_EQ(setShadingPattern(g, 16), 0);
    EXPECT_EQ(g.fill.pattern, 16);
    EXPECT_EQ(g.fill.type, 1);
    EXPECT_FLOAT_EQ(g.fill.spacing, 2.0f);
    ASSERT_EQ(setShadingPattern(g, 2), 0);  // 150450: bands
    EXPECT_EQ(g.fill.angle, 150);
    EXPECT_FLOAT_EQ(g.fill.spacing, 1.0f);
    EXPECT_EQ(g.fill.groupDrawn, 8);
    EXPECT_EQ(g.fill.groupSkipped, 29);
    ASSERT_EQ(setShadingPattern(g, 30141), 0);  // a code of its own
    EXPECT_EQ(g.fill.pattern, 30141);
    EXPECT_EQ(g.fill.angle, 30);
    EXPECT_EQ(g.fill.cross, 1);
}

TEST(ShadingPatterns, DashedTypesKeepTheGroupsOfTheLastGroupedType) {
    Globals& g = record();
    mypat(0, 3, 2, 0);
    EXPECT_FLOAT_EQ(g.fill.spacing, 15.0f);
    mypat(10, 6, 1, 0);
    EXPECT_EQ(g.fill.pattern, 10610);
    EXPECT_FLOAT_EQ(g.fill.spacing, 7.0f);
    EXPECT_EQ(g.fill.groupDrawn, 3);
    EXPECT_EQ(g.fill.groupSkipped, 2);
    EXPECT_EQ(patternLineType(5), 6);
    EXPECT_EQ(patternLineType(6), 5);
    EXPECT_EQ(patternLineType(7), 4);
    EXPECT_EQ(patternLineType(2), 0);
}

TEST(ShadingPatterns, SpacingKeepsItsPhysicalSizeAndBadValuesChangeNothing) {
    Globals& g = record();
    g.out.unitFactor = 2.54f;
    setShadingPattern(g, 1);
    EXPECT_FLOAT_EQ(g.fill.spacing, 27.0f / 2.54f);
    g.out.unitFactor = 1.0f;
    EXPECT_NE(setShadingPattern(g, -1), 0);
    EXPECT_NE(setShadingPattern(g, 180000), 0);  // angle 180
    mypat(10, 8, 0, 0);
    EXPECT_EQ(g.fill.pattern, 1);
}

}  // namespace
}  // namespace vtx
