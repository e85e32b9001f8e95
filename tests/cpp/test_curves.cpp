// Curves in plot coordinates: the not-a-knot spline, the paths of the curve
// modes, bar widths and the offsets of thick curves.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "graph2d/curve_geometry.h"
#include "graph2d/curve_thickness.h"
#include "graph2d/spline.h"

namespace vtx {
namespace {

using Path = std::vector<std::pair<char, std::pair<float, float>>>;

// Runs a path generator over plain arrays; NaN marks a missing point.
template <typename Gen>
Path trace(const std::vector<float>& x, const std::vector<float>& y, Gen gen) {
    Path p;
    auto point = [&](int i, float& X, float& Y) {
        if (std::isnan(x[i]) || std::isnan(y[i])) return false;
        X = x[i], Y = y[i];
        return true;
    };
    gen(int(x.size()), point, [&](float X, float Y) { p.push_back({'M', {X, Y}}); },
        [&](float X, float Y) { p.push_back({'L', {X, Y}}); });
    return p;
}

TEST(SplineTest, PointCountLimitFollowsTheBandedSystemSize) {
    EXPECT_TRUE(splinePointCountValid(4, 3));
    EXPECT_FALSE(splinePointCountValid(3, 3));
    EXPECT_TRUE(splinePointCountValid(142, 3));   // 7 * 142 = 994
    EXPECT_FALSE(splinePointCountValid(143, 3));  // 7 * 143 = 1001
    EXPECT_TRUE(splinePointCountValid(200, 2));
    EXPECT_FALSE(splinePointCountValid(201, 2));
    EXPECT_FALSE(splinePointCountValid(-5, 3));
}

TEST(SplineTest, KnotsOfEvenAndOddOrder) {
    const double tau[6] = {0, 1, 2, 4, 7, 8};
    double t[10];
    splineKnots(tau, 6, 4, t);  // cubic: interior knots at the third and fourth abscissae
    const double cubic[10] = {0, 0, 0, 0, 2, 4, 8 + 1e-7, 8 + 1e-7, 8 + 1e-7, 8 + 1e-7};
    for (int i = 0; i < 10; ++i) EXPECT_DOUBLE_EQ(t[i], cubic[i]) << i;
    splineKnots(tau, 6, 3, t);  // quadratic: mid-points between abscissae
    const double quadratic[9] = {0, 0, 0, 1.5, 3, 5.5, 8 + 1e-7, 8 + 1e-7, 8 + 1e-7};
    for (int i = 0; i < 9; ++i) EXPECT_DOUBLE_EQ(t[i], quadratic[i]) << i;
}

TEST(SplineTest, NotAKnotCubicReproducesACubicPolynomialAndInterpolates) {
    auto f = [](double x) { return 0.5 * x * x * x - 2 * x * x + x - 3; };
    std::vector<double> tau = {-2, -1.2, 0, 0.5, 1.7, 3, 4.1}, g;
    for (double x : tau) g.push_back(f(x));
    auto fit = std::make_unique<SplineFit>();
    ASSERT_EQ(fitSpline(tau.data(), g.data(), int(tau.size()), 3, *fit), 0);
    int hint = 0;
    for (double x = -2; x <= 4.1; x += 0.05) EXPECT_NEAR(evalSpline(*fit, x, hint), f(x), 1e-9) << x;
    for (size_t i = 0; i < tau.size(); ++i) {
        int h = 0;
        EXPECT_NEAR(evalSpline(*fit, tau[i], h), g[i], 1e-9);
    }
}

TEST(SplineTest, HigherDegreesInterpolateTheData) {
    std::vector<double> tau, g;
    for (int i = 0; i < 40; ++i) tau.push_back(i * 0.3), g.push_back(std::sin(i * 0.3));
    for (int degree = 2; degree <= 10; ++degree) {
        if (!splinePointCountValid(40, degree)) continue;
        auto fit = std::make_unique<SplineFit>();
        ASSERT_EQ(fitSpline(tau.data(), g.data(), 40, degree, *fit), 0) << degree;
        int hint = 0;
        for (int i = 0; i < 40; ++i) EXPECT_NEAR(evalSpline(*fit, tau[i], hint), g[i], 1e-7) << degree;
        hint = 0;
        EXPECT_NEAR(evalSpline(*fit, 5.05, hint), std::sin(5.05), 1e-3) << degree;
    }
}

TEST(SplineTest, RequestChecksAndVertexCount) {
    const float x[5] = {0, 1, 2, 3, 4}, y[5] = {0, 1, 0, 1, 0};
    auto p = std::make_unique<PreparedSpline>();
    SplineRequest r;
    r.x = x, r.y = y, r.n = 3;
    EXPECT_EQ(prepareSpline(r, *p), 31);
    r.n = 5;
    ASSERT_EQ(prepareSpline(r, *p), 0);
    r.divisions = 10;
    std::vector<std::pair<float, float>> v;
    emitSpline(r, *p, [&](float a, float b) { v.push_back({a, b}); });
    ASSERT_EQ(v.size(), 11u);
    EXPECT_EQ(v.front(), std::make_pair(0.0f, 0.0f));
    EXPECT_EQ(v.back(), std::make_pair(4.0f, 0.0f));
    EXPECT_NEAR(v[5].first, 2.0f, 1e-6);
    EXPECT_NEAR(v[5].second, 0.0f, 1e-6);

    const float back[5] = {0, 1, 1, 3, 4};
    r.x = back;
    EXPECT_EQ(prepareSpline(r, *p), 32);
    const float nan[5] = {0, 1, NAN, 3, 4};
    r.x = nan;
    EXPECT_NE(prepareSpline(r, *p), 0);

    // Parametric: a closed loop is fine, a repeated point is not.
    const float cx[5] = {0, 1, 0, -1, 0}, cy[5] = {-1, 0, 1, 0, -1};
    r.x = cx, r.y = cy, r.parametric = true;
    EXPECT_EQ(prepareSpline(r, *p), 0);
    const float rx[5] = {0, 1, 1, -1, 0}, ry[5] = {-1, 0, 0, 0, -1};
    r.x = rx, r.y = ry;
    EXPECT_EQ(prepareSpline(r, *p), 38);
}

TEST(CurvePathTest, GapBreaksTheLineWhereXJumps) {
    std::vector<float> x = {0, 1, 2, 5, 6}, y = {0, 1, 0, 1, 0};
    Path p = trace(x, y, [&](int n, auto point, auto move, auto draw) {
        emitPolyline(n, 1.5f, point, [&](int i) { return x[i]; }, move, draw);
    });
    ASSERT_EQ(p.size(), 5u);
    EXPECT_EQ(p[0].first, 'M');
    EXPECT_EQ(p[3].first, 'M');
    EXPECT_EQ(p[3].second.first, 5.0f);
    EXPECT_EQ(p[4].first, 'L');
}

TEST(CurvePathTest, MissingPointsBreakLinesAndSteps) {
    std::vector<float> x = {0, 1, 2, 3, 4}, y = {0, 1, NAN, 1, 0};
    Path p = trace(x, y, [&](int n, auto point, auto move, auto draw) {
        emitPolyline(n, 0.0f, point, [&](int i) { return x[i]; }, move, draw);
    });
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[2].first, 'M');
    Path s = trace(x, y, [](int n, auto point, auto move, auto draw) { emitSteps(n, point, move, draw); });
    int moves = 0;
    for (auto& e : s) moves += e.first == 'M';
    EXPECT_EQ(moves, 2);
}

TEST(CurvePathTest, StepsRiseHalfWayBetweenPoints) {
    std::vector<float> x = {0, 10, 30}, y = {5, 7, 3};
    Path p = trace(x, y, [](int n, auto point, auto move, auto draw) { emitSteps(n, point, move, draw); });
    const Path want = {{'M', {-5, 5}}, {'L', {0, 5}},  {'L', {5, 5}},   {'L', {5, 7}}, {'L', {10, 7}},
                       {'L', {20, 7}}, {'L', {20, 3}}, {'L', {30, 3}}, {'L', {40, 3}}};
    EXPECT_EQ(p, want);
}

TEST(CurvePathTest, StairsGoAcrossThenUp) {
    std::vector<float> x = {0, 10, 30}, y = {5, 7, 3};
    Path p = trace(x, y, [](int n, auto point, auto move, auto draw) { emitStairs(n, point, move, draw); });
    const Path want = {{'M', {0, 5}}, {'L', {10, 5}}, {'L', {10, 7}}, {'L', {30, 7}}, {'L', {30, 3}}};
    EXPECT_EQ(p, want);
}

TEST(CurvePathTest, BarWidthIsAFractionOfTheFirstIntervalOrAbsolute) {
    EXPECT_FLOAT_EQ(barHalfWidth(-10.0f, 300.0f), 5.0f);
    EXPECT_FLOAT_EQ(barHalfWidth(-10.0f, 3.0f), 5.0f);
    EXPECT_FLOAT_EQ(barHalfWidth(0.75f, 100.0f), 37.5f);
    EXPECT_FLOAT_EQ(barHalfWidth(0.75f, -100.0f), 37.5f);  // reversed axis
    float xs[4], ys[4];
    barCorners(100, 5, 800, 300, xs, ys);
    EXPECT_EQ(xs[0], 95.0f);
    EXPECT_EQ(xs[1], 105.0f);
    EXPECT_EQ(ys[0], 800.0f);
    EXPECT_EQ(ys[2], 300.0f);
}

TEST(CurveThicknessTest, CopiesAlternateAroundTheCentreLine) {
    auto g = std::make_unique<Globals>();
    EXPECT_EQ(curvePasses(*g, 1), 1);
    EXPECT_EQ(curvePasses(*g, 5), 5);
    const float want[5] = {0, -1, 1, -2, 2};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(passOffset(*g, k), want[k]);
}

}  // namespace
}  // namespace vtx
