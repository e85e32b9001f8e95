// Data utilities: conversions, histograms, Bezier curves, dates, gridding and
// triangulation, with the warnings they print.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/checks.h"
#include "core/globals.h"
#include "utilities/api.h"
#include "utilities/gridding.h"

using namespace vtx;

namespace {

struct Protocol {
    std::string text;
    int warnings;
};

// Runs f with the protocol on standard output and returns what it printed
// and how many warnings it counted.
template <class F>
Protocol protocolOf(F f) {
    Globals* g = jqqlev(0, 3, "");
    g->prot.unit = 6, g->prot.stream = stdout, g->prot.warnOn = 1;
    int before = g->ctl.warnings;
    testing::internal::CaptureStdout();
    f();
    std::string text = testing::internal::GetCapturedStdout();
    return {text, qqgglb()->ctl.warnings - before};
}

bool has(const Protocol& p, const std::string& s) { return p.text.find(s) != std::string::npos; }

}  // namespace

TEST(Coordinates, DegreesAndRadiansBothWays) {
    float a[3] = {180.0f, -90.0f, 0.0f};
    trfco1(a, 3, "degrees", "RADIANS");
    EXPECT_NEAR(a[0], 3.14159265f, 1e-6f);
    EXPECT_NEAR(a[1], -1.57079633f, 1e-6f);
    trfco1(a, 3, "RADI", "DEGR");
    EXPECT_NEAR(a[0], 180.0f, 1e-4f);
    EXPECT_NEAR(a[1], -90.0f, 1e-4f);
    EXPECT_EQ(a[2], 0.0f);
}

TEST(Coordinates, SameSystemWarns101AndLeavesArrays) {
    float x[2] = {1, 2}, y[2] = {3, 4}, z[2] = {5, 6};
    Protocol p = protocolOf([&] {
        trfco1(x, 2, "DEGR", "degr");
        trfco2(x, y, 2, "POLA", "POLA");
        trfco3(x, y, z, 2, "SPHE", "sphe");
    });
    EXPECT_EQ(p.warnings, 3);
    EXPECT_TRUE(has(p, " <<<< Warning 101: No conversion necessary in TRFCO1!\n"));
    EXPECT_TRUE(has(p, "No conversion necessary in TRFCO3!"));
    EXPECT_EQ(x[1], 2.0f);
    EXPECT_EQ(y[1], 4.0f);
    EXPECT_EQ(z[1], 6.0f);
}

TEST(Coordinates, BadKeywordAndEmptyCount) {
    float x[1] = {7};
    Protocol bad = protocolOf([&] { trfco1(x, 1, "GRAD", "RADI"); });
    EXPECT_EQ(bad.warnings, 1);
    EXPECT_TRUE(has(bad, "Warning   2: Incorrect parameter in TRFCO1!   (GRAD)"));
    Protocol empty = protocolOf([&] {
        trfco1(x, 0, "DEGR", "RADI");
        trfco1(x, -5, "DEGR", "RADI");
    });
    EXPECT_EQ(empty.warnings, 0);
    EXPECT_EQ(x[0], 7.0f);
}

TEST(Coordinates, PolarBothWaysAndOrigin) {
    float x[4] = {0.0f, -0.0f, 1.0f, -1.0f}, y[4] = {0.0f, -0.0f, 1.0f, 0.0f};
    trfco2(x, y, 4, "RECT", "POLA");
    EXPECT_EQ(x[0], 0.0f);
    EXPECT_EQ(y[0], 0.0f);
    EXPECT_EQ(x[1], 0.0f);  // not -180 for the negative zeros
    EXPECT_NEAR(x[2], 45.0f, 1e-5f);
    EXPECT_NEAR(y[2], std::sqrt(2.0f), 1e-6f);
    EXPECT_NEAR(x[3], 180.0f, 1e-4f);
    trfco2(x, y, 4, "POLA", "RECT");
    EXPECT_NEAR(x[2], 1.0f, 1e-6f);
    EXPECT_NEAR(y[2], 1.0f, 1e-6f);
    EXPECT_NEAR(x[3], -1.0f, 1e-6f);
    EXPECT_NEAR(y[3], 0.0f, 1e-6f);
}

TEST(Coordinates, ThreeDimensionalRoundTripsInEveryOctant) {
    const std::vector<float> px = {1, -2, -3, 4, 0.5f, -1, 2, -2};
    const std::vector<float> py = {2, 1, -1, -3, 0.5f, 3, -2, -2};
    const std::vector<float> pz = {3, -1, 2, -2, 0, 1, -1, -3};
    const int n = int(px.size());
    const char* systems[] = {"SPHE", "CYLI"};
    for (const char* other : systems) {
        std::vector<float> x = px, y = py, z = pz;
        trfco3(x.data(), y.data(), z.data(), n, "RECT", other);
        trfco3(x.data(), y.data(), z.data(), n, other, "RECT");
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(x[i], px[i], 1e-5f) << other << " point " << i;
            EXPECT_NEAR(y[i], py[i], 1e-5f) << other << " point " << i;
            EXPECT_NEAR(z[i], pz[i], 1e-5f) << other << " point " << i;
        }
    }
    // Cylindrical and spherical convert into each other consistently.
    std::vector<float> x = px, y = py, z = pz;
    trfco3(x.data(), y.data(), z.data(), n, "RECT", "CYLI");
    trfco3(x.data(), y.data(), z.data(), n, "CYLI", "SPHE");
    trfco3(x.data(), y.data(), z.data(), n, "SPHE", "RECT");
    for (int i = 0; i < n; ++i) {
        EXPECT_NEAR(x[i], px[i], 1e-5f);
        EXPECT_NEAR(z[i], pz[i], 1e-5f);
    }
}

TEST(Coordinates, SphericalOriginAndPoles) {
    float x[2] = {0, 0}, y[2] = {0, 0}, z[2] = {0, 5};
    trfco3(x, y, z, 2, "RECT", "SPHE");
    EXPECT_EQ(x[0], 0.0f);
    EXPECT_EQ(y[0], 0.0f);
    EXPECT_EQ(z[0], 0.0f);
    EXPECT_EQ(x[1], 0.0f);
    EXPECT_EQ(y[1], 0.0f);  // no planar distance: latitude 0 by convention
    EXPECT_EQ(z[1], 5.0f);
}

TEST(Histogram, DistinctValuesWithCounts) {
    const float data[] = {3, 1, 3, 2};
    float values[4] = {-9, -9, -9, -9}, counts[4] = {-9, -9, -9, -9};
    int classes = -1;
    histog(data, 4, values, counts, classes);
    ASSERT_EQ(classes, 3);
    // Elements past the classes are left as they were.
    EXPECT_EQ(std::vector<float>(values, values + 4), (std::vector<float>{1, 2, 3, -9}));
    EXPECT_EQ(std::vector<float>(counts, counts + 4), (std::vector<float>{1, 1, 2, -9}));

    const float one[] = {-4.5f};
    histog(one, 1, values, counts, classes);
    EXPECT_EQ(classes, 1);
    EXPECT_EQ(values[0], -4.5f);
    EXPECT_EQ(counts[0], 1.0f);

    const float same[] = {2, 2, 2, 2};
    histog(same, 4, values, counts, classes);
    EXPECT_EQ(classes, 1);
    EXPECT_EQ(counts[0], 4.0f);
}

TEST(Histogram, EmptyInputWarns) {
    float values[1], counts[1];
    int classes = 9;
    Protocol p = protocolOf([&] { histog(values, 0, values, counts, classes); });
    EXPECT_EQ(p.warnings, 1);
    EXPECT_TRUE(has(p, "Incorrect parameter in HISTOG!   (   0)"));
    EXPECT_EQ(classes, 0);
}

TEST(Bezier, EndsAreControlPointsAndInnerPointsFollowTheCurve) {
    const float cx[] = {0, 1, 2}, cy[] = {0, 2, 0};
    float x[5], y[5];
    bezier(cx, cy, 3, x, y, 5);
    EXPECT_EQ(x[0], 0.0f);
    EXPECT_EQ(y[0], 0.0f);
    EXPECT_EQ(x[4], 2.0f);
    EXPECT_EQ(y[4], 0.0f);
    EXPECT_FLOAT_EQ(x[2], 1.0f);  // t = 1/2 of a quadratic: (p0 + 2 p1 + p2) / 4
    EXPECT_FLOAT_EQ(y[2], 1.0f);
    EXPECT_FLOAT_EQ(y[1], 0.75f);  // 2 t (1 - t) * 2 at t = 1/4
}

TEST(Bezier, CountsOutOfRangeWarnAndWriteNothing) {
    float c[22] = {}, x[2] = {-1, -1}, y[2] = {-1, -1};
    Protocol p = protocolOf([&] {
        bezier(c, c, 1, x, y, 2);
        bezier(c, c, 22, x, y, 2);
        bezier(c, c, 3, x, y, 1);
        bezier(c, c, 3, x, y, 32001);
        bezier(c, c, 3, x, y, INT_MIN);
    });
    EXPECT_EQ(p.warnings, 5);
    EXPECT_TRUE(has(p, "Incorrect parameter in BEZIER!   (  22)"));
    EXPECT_EQ(x[0], -1.0f);
}

TEST(Dates, LeapYearRuleInBaseDates) {
    Protocol p = protocolOf([] { basdat(29, 2, 1900); });
    EXPECT_EQ(p.warnings, 1);
    EXPECT_TRUE(has(p, "Incorrect parameter in BASDAT!   (  29)"));
    p = protocolOf([] { basdat(29, 2, 2000); });
    EXPECT_EQ(p.warnings, 0);
    EXPECT_EQ(incdat(29, 2, 2000), 0);
    EXPECT_EQ(incdat(1, 3, 2000), 1);
    EXPECT_EQ(incdat(28, 2, 2000), -1);

    basdat(28, 2, 1900);
    EXPECT_EQ(incdat(1, 3, 1900), 1);
    basdat(1, 1, 2000);
    EXPECT_EQ(incdat(1, 1, 2001), 366);
    EXPECT_EQ(incdat(1, 1, 1970), -10957);
    EXPECT_EQ(incdat(1, 1, 2400) - incdat(1, 1, 2000), 146097);
}

TEST(Dates, InvalidDatesNameTheOffendingValue) {
    basdat(1, 1, 2000);
    Protocol p = protocolOf([] {
        EXPECT_EQ(incdat(32, 1, 2000), 0);
        EXPECT_EQ(incdat(1, 13, 2000), 0);
        EXPECT_EQ(incdat(1, 1, 999), 0);
        EXPECT_EQ(nwkday(0, 1, 2000), 0);
    });
    EXPECT_EQ(p.warnings, 4);
    EXPECT_TRUE(has(p, "INCDAT!   (  32)"));
    EXPECT_TRUE(has(p, "INCDAT!   (  13)"));
    EXPECT_TRUE(has(p, "INCDAT!   ( 999)"));
    EXPECT_TRUE(has(p, "NWKDAY!   (   0)"));
    // Only February is held to its length.
    EXPECT_EQ(incdat(31, 4, 2000), incdat(1, 5, 2000));
}

TEST(Dates, TrfdatInvertsIncdatAcrossYears) {
    basdat(15, 6, 1999);
    int d = 0, m = 0, y = 0;
    trfdat(0, d, m, y);
    EXPECT_EQ(d * 10000 + m * 100, 150600);
    EXPECT_EQ(y, 1999);
    basdat(1, 1, 2000);
    trfdat(-1, d, m, y);
    EXPECT_EQ(d * 1000000 + m * 10000 + y, 31121999);
    trfdat(59, d, m, y);
    EXPECT_EQ(d * 1000000 + m * 10000 + y, 29022000);

    const int bases[][3] = {{1, 1, 2000}, {31, 12, 1899}, {29, 2, 1996}, {1, 3, 2100}};
    for (const auto& b : bases) {
        basdat(b[0], b[1], b[2]);
        for (int k = -3000; k <= 3000; k += 7) {
            for (int n : {k, k * 100 + 13}) {
                trfdat(n, d, m, y);
                ASSERT_EQ(incdat(d, m, y), n) << b[2] << " + " << n;
            }
        }
    }
}

TEST(Dates, HugeDayNumbersStayFastAndConsistent) {
    basdat(1, 1, 2000);
    int d = 0, m = 0, y = 0;
    trfdat(INT_MAX - 400, d, m, y);
    EXPECT_EQ(incdat(d, m, y), INT_MAX - 400);
    trfdat(-300000, d, m, y);
    EXPECT_EQ(incdat(d, m, y), -300000);
    EXPECT_EQ(y, 1178);
}

TEST(Dates, NoBaseDateWarns101) {
    Globals* g = jqqlev(0, 3, "");
    g->util.baseDefined = 0;
    int d = -1, m = -1, y = -1;
    Protocol p = protocolOf([&] {
        EXPECT_EQ(incdat(1, 1, 2000), 0);
        trfdat(5, d, m, y);
    });
    EXPECT_EQ(p.warnings, 2);
    EXPECT_TRUE(has(p, " <<<< Warning 101: no base date is defined with basdat in INCDAT!\n"));
    EXPECT_TRUE(has(p, "basdat in TRFDAT!"));
    EXPECT_EQ(d, -1);
}

TEST(Dates, WeekdaysOnBothSidesOfTheReference) {
    basdat(3, 3, 2003);
    EXPECT_EQ(nwkday(5, 7, 1999), 1);
    EXPECT_EQ(nwkday(11, 7, 1999), 7);
    EXPECT_EQ(nwkday(4, 7, 1999), 7);
    EXPECT_EQ(nwkday(1, 1, 1900), 1);
    EXPECT_EQ(nwkday(29, 2, 2000), 2);
    EXPECT_EQ(nwkday(1, 1, 2000), 6);
    EXPECT_EQ(nwkday(4, 7, 1776), 4);
    EXPECT_EQ(incdat(3, 3, 2003), 0);  // the base date is left alone
}

TEST(Gridding, ExactHitLocksTheNode) {
    // Nodes at x = 0, 1, 2, 3 and y = 0, 1, 2.
    const GridWindow w = {0, 3, 0, 2};
    const float x[] = {1.0f, 1.1f, 0.9f}, y[] = {1.0f, 1.0f, 1.1f}, z[] = {5.0f, 100.0f, -50.0f};
    float zmat[12];
    int imat[12];
    float wmat[12];
    gridScatteredPoints(x, y, z, 3, zmat, 4, 3, -1.0f, imat, wmat, w, 2, 2, 2.0f);
    EXPECT_EQ(zmat[1 * 3 + 1], 5.0f);
    EXPECT_EQ(imat[1 * 3 + 1], -1);
    // The point on the node was the first; a node hit later also wins.
    const float x2[] = {1.1f, 1.0f}, y2[] = {1.0f, 1.0f}, z2[] = {100.0f, 5.0f};
    gridScatteredPoints(x2, y2, z2, 2, zmat, 4, 3, -1.0f, imat, wmat, w, 2, 2, 2.0f);
    EXPECT_EQ(zmat[1 * 3 + 1], 5.0f);
}

TEST(Gridding, InverseDistanceWeightsAndSearchRadius) {
    // Nodes at x = 0..4, y = 0..1; matrix element (i, j) at (i - 1) * ny + (j - 1).
    const GridWindow w = {0, 4, 0, 1};
    const float x[] = {1.0f, 2.0f}, y[] = {0.0f, 0.0f}, z[] = {10.0f, 40.0f};
    float zmat[10];
    int imat[10];
    float wmat[10];
    gridScatteredPoints(x, y, z, 2, zmat, 5, 2, -7.0f, imat, wmat, w, 1, 1, 2.0f);
    // Radius 1 from the first point (grid position 2) reaches the nodes x = 1
    // and 2 but not x = 0, which lies exactly one cell away.
    EXPECT_EQ(imat[1 * 2 + 1], 1);
    EXPECT_FLOAT_EQ(zmat[1 * 2 + 1], 10.0f);
    EXPECT_EQ(zmat[0], -7.0f);
    EXPECT_EQ(imat[0], 0);
    EXPECT_FLOAT_EQ(zmat[3 * 2 + 0], 40.0f);
    EXPECT_EQ(zmat[4 * 2 + 0], -7.0f);

    gridScatteredPoints(x, y, z, 2, zmat, 5, 2, -7.0f, imat, wmat, w, 2, 2, 2.0f);
    // Node x = 3, y = 0: distance 2 (weight 1/4) and 1 (weight 1).
    EXPECT_FLOAT_EQ(zmat[3 * 2 + 0], (10.0f / 4.0f + 40.0f) / 1.25f);
    EXPECT_EQ(imat[3 * 2 + 0], 2);
    EXPECT_FLOAT_EQ(zmat[0], 10.0f);
}

TEST(Gridding, NaNAndFarPointsAreIgnored) {
    const GridWindow w = {0, 1, 0, 1};
    const float x[] = {NAN, 1e30f, -1e30f}, y[] = {0.0f, 0.0f, 0.0f}, z[] = {1, 2, 3};
    float zmat[4];
    int imat[4];
    float wmat[4];
    gridScatteredPoints(x, y, z, 3, zmat, 2, 2, 9.0f, imat, wmat, w, 2, 2, 2.0f);
    for (float v : zmat) EXPECT_EQ(v, 9.0f);
}

TEST(Gridding, PublicRoutinesCheckLevelAndArguments) {
    float a[4] = {}, zmat[4] = {};
    int imat[4] = {};
    Protocol p = protocolOf([&] { getmat(a, a, a, 1, zmat, 2, 2, 0.0f, imat, a); });
    EXPECT_EQ(p.warnings, 1);
    EXPECT_TRUE(has(p, "Incorrect level in GETMAT!"));

    Globals* g = jqqlev(0, 3, "");
    p = protocolOf([] { mdfmat(0, 3, 1.5f); });
    EXPECT_EQ(p.warnings, 1);
    mdfmat(3, 4, 1.5f);
    EXPECT_EQ(g->util.gridRadiusX, 3);
    EXPECT_EQ(g->util.gridRadiusY, 4);
    EXPECT_EQ(g->util.gridExponent, 1.5f);
    mdfmat(2, 2, 2.0f);
}

namespace {

double cross(double ax, double ay, double bx, double by, double cx, double cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

}  // namespace

TEST(Triangulation, SquareGivesTwoCounterClockwiseTriangles) {
    float x[7] = {0, 1, 1, 0}, y[7] = {0, 0, 1, 1};
    int i1[9], i2[9], i3[9];
    Protocol p = protocolOf([&] { EXPECT_EQ(triang(x, y, 4, i1, i2, i3, 9), 2); });
    EXPECT_EQ(p.warnings, 0);
    std::vector<int> used;
    for (int t = 0; t < 2; ++t) {
        int a = i1[t] - 1, b = i2[t] - 1, c = i3[t] - 1;
        EXPECT_NEAR(cross(x[a], y[a], x[b], y[b], x[c], y[c]), 1.0, 1e-6);  // area 1/2, counter-clockwise
        used.insert(used.end(), {a, b, c});
    }
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    EXPECT_EQ(used, (std::vector<int>{0, 1, 2, 3}));
    // The super-triangle is left in the three spare elements.
    EXPECT_FLOAT_EQ(x[6], 0.5f);
    EXPECT_FLOAT_EQ(y[6], 3.5f);
}

TEST(Triangulation, RepeatedPointIsUsedOnce) {
    float x[8] = {0, 1, 1, 1, 0}, y[8] = {0, 0, 1, 1, 1};
    int i1[11], i2[11], i3[11];
    ASSERT_EQ(triang(x, y, 5, i1, i2, i3, 11), 2);
    int third = std::count(i1, i1 + 2, 3) + std::count(i2, i2 + 2, 3) + std::count(i3, i3 + 2, 3);
    int fourth = std::count(i1, i1 + 2, 4) + std::count(i2, i2 + 2, 4) + std::count(i3, i3 + 2, 4);
    EXPECT_EQ(third + fourth, 2);
    EXPECT_TRUE(third == 0 || fourth == 0);
}

TEST(Triangulation, DegenerateInputsGiveNoTriangles) {
    // The super-triangle overwrites x[n..n+2], so every call gets fresh arrays.
    auto run = [](std::vector<float> x, std::vector<float> y, int n) {
        x.resize(std::max(n, 0) + 3), y.resize(std::max(n, 0) + 3);
        int i1[20], i2[20], i3[20];
        return triang(x.data(), y.data(), n, i1, i2, i3, 20);
    };
    EXPECT_EQ(run({0, 1}, {0, 1}, 2), 0);
    EXPECT_EQ(run({0, 1, 2}, {0, 1, 2}, 3), 0);              // collinear
    EXPECT_EQ(run({0, 1, 0, 1, 0}, {0, 1, 0, 1, 0}, 5), 0);  // two distinct points
    EXPECT_EQ(run({}, {}, 0), 0);
    EXPECT_EQ(run({}, {}, -4), 0);
    run({NAN, 1, NAN, 0, 1}, {0, 1, 2, 0, NAN}, 5);  // any result, but no crash
}

TEST(Triangulation, CapacityBelowTwoNPlusOneWarns) {
    float x[7] = {0, 1, 1, 0}, y[7] = {0, 0, 1, 1};
    int i1[9], i2[9], i3[9];
    Protocol p = protocolOf([&] {
        EXPECT_EQ(triang(x, y, 4, i1, i2, i3, 8), 0);
        EXPECT_EQ(triang(x, y, INT_MAX, i1, i2, i3, INT_MAX), 0);
    });
    EXPECT_EQ(p.warnings, 2);
    EXPECT_TRUE(has(p, "Incorrect parameter in TRIANG!   (   8)"));
    EXPECT_EQ(x[4], 0.0f);  // nothing written
}

namespace {

// Checks that the triangles are counter-clockwise, have empty circumcircles
// and tile a simple polygon; returns the number of its boundary vertices.
int checkDelaunay(const std::vector<float>& x, const std::vector<float>& y, int n, const int* i1, const int* i2,
                  const int* i3, int count) {
    std::vector<std::pair<int, int>> edges;
    for (int t = 0; t < count; ++t) {
        const int a = i1[t] - 1, b = i2[t] - 1, c = i3[t] - 1;
        EXPECT_TRUE(a >= 0 && a < n && b >= 0 && b < n && c >= 0 && c < n);
        if (!(a >= 0 && a < n && b >= 0 && b < n && c >= 0 && c < n)) return -1;
        EXPECT_GT(cross(x[a], y[a], x[b], y[b], x[c], y[c]), 0.0) << "clockwise triangle " << t;
        const double ax = x[a], ay = y[a];
        const double bx = x[b] - ax, by = y[b] - ay, cx = x[c] - ax, cy = y[c] - ay;
        const double det = 2 * (bx * cy - by * cx);
        const double ux = (cy * (bx * bx + by * by) - by * (cx * cx + cy * cy)) / det;
        const double uy = (bx * (cx * cx + cy * cy) - cx * (bx * bx + by * by)) / det;
        const double r2 = ux * ux + uy * uy;
        for (int q = 0; q < n; ++q) {
            const double dx = x[q] - ax - ux, dy = y[q] - ay - uy;
            EXPECT_GE(dx * dx + dy * dy, r2 * (1 - 1e-6)) << "point " << q << " in triangle " << t;
        }
        edges.insert(edges.end(), {{a, b}, {b, c}, {c, a}});
    }
    // Every edge is used once in each direction, except the boundary, which
    // must pass each of its vertices once.
    std::sort(edges.begin(), edges.end());
    EXPECT_EQ(std::adjacent_find(edges.begin(), edges.end()), edges.end()) << "overlapping triangles";
    std::vector<int> outgoing(n, 0);
    int boundary = 0;
    for (const auto& e : edges) {
        if (!std::binary_search(edges.begin(), edges.end(), std::make_pair(e.second, e.first))) {
            ++boundary;
            ++outgoing[e.first];
        }
    }
    for (int v = 0; v < n; ++v) EXPECT_LE(outgoing[v], 1) << "boundary touches itself at " << v;
    return boundary;
}

}  // namespace

TEST(Triangulation, RandomPointsAreDelaunay) {
    std::mt19937 rng(12345);
    std::uniform_real_distribution<float> uniform(-50.0f, 50.0f);
    for (int n : {10, 60, 400}) {
        std::vector<float> x(n + 3), y(n + 3);
        for (int i = 0; i < n; ++i) x[i] = uniform(rng), y[i] = uniform(rng);
        std::vector<int> i1(2 * n + 1), i2(2 * n + 1), i3(2 * n + 1);
        const int count = triang(x.data(), y.data(), n, i1.data(), i2.data(), i3.data(), 2 * n + 1);
        // Flat triangles along the hull, whose circumcircles reach the
        // super-triangle, may be missing: the tiled region can be a little
        // smaller than the hull, but it still uses every point.
        const int boundary = checkDelaunay(x, y, n, i1.data(), i2.data(), i3.data(), count);
        EXPECT_EQ(count, 2 * n - 2 - boundary) << n << " points";
    }
}

TEST(Triangulation, RoundPointSetsCoverTheirHull) {
    // A 12-gon around random inner points: no flat hull triangles, so the
    // whole hull is tiled and the count is 2n - 2 - 12.
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> unit(-1.0f, 1.0f);
    const int corners = 12, n = 212;
    std::vector<float> x(n + 3), y(n + 3);
    for (int i = 0; i < corners; ++i) {
        x[i] = 50.0f * std::cos(0.1f + i * 6.2831853f / corners);
        y[i] = 50.0f * std::sin(0.1f + i * 6.2831853f / corners);
    }
    for (int i = corners; i < n;) {
        float px = unit(rng), py = unit(rng);
        if (px * px + py * py < 0.64f) x[i] = 50.0f * px, y[i] = 50.0f * py, ++i;
    }
    std::vector<int> i1(2 * n + 1), i2(2 * n + 1), i3(2 * n + 1);
    const int count = triang(x.data(), y.data(), n, i1.data(), i2.data(), i3.data(), 2 * n + 1);
    EXPECT_EQ(count, 2 * n - 2 - corners);
    EXPECT_EQ(checkDelaunay(x, y, n, i1.data(), i2.data(), i3.data(), count), corners);
}
