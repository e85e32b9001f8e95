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
#include "session/globals.h"
#include "utilities/api.h"
#include "utilities/gridding.h"
#include "utilities/utility_state.h"

using namespace vtx;

namespace {

struct Protocol {
    std::string text;
    int warnings;
    bool has(const std::string& s) const { return text.find(s) != std::string::npos; }
};

// What f prints on the protocol (standard output) and how many warnings it counts.
template <class F>
Protocol protocolOf(F f) {
    Globals* g = jqqlev(0, 3, "");
    g->prot.unit = 6, g->prot.stream = stdout, g->prot.warnOn = 1;
    int before = g->ctl.warnings;
    testing::internal::CaptureStdout();
    f();
    std::string text = testing::internal::GetCapturedStdout();
    return {text, g->ctl.warnings - before};
}

using Floats = std::vector<float>;

}  // namespace

TEST(Coordinates, AnglesAndPolarBothWays) {
    float a[2] = {180.0f, -90.0f};
    trfco1(a, 2, "degrees", "RADIANS");
    EXPECT_NEAR(a[0], 3.14159265f, 1e-6f);
    trfco1(a, 2, "RADI", "DEGR");
    EXPECT_NEAR(a[1], -90.0f, 1e-4f);

    float x[4] = {0.0f, -0.0f, 1.0f, -1.0f}, y[4] = {0.0f, -0.0f, 1.0f, 0.0f};
    trfco2(x, y, 4, "RECT", "POLA");
    EXPECT_EQ(Floats(x, x + 2), (Floats{0, 0}));  // the origin, negative zeros included
    EXPECT_EQ(Floats(y, y + 2), (Floats{0, 0}));
    EXPECT_NEAR(x[2], 45.0f, 1e-5f);
    EXPECT_NEAR(y[2], std::sqrt(2.0f), 1e-6f);
    EXPECT_NEAR(x[3], 180.0f, 1e-4f);
    trfco2(x, y, 4, "POLA", "RECT");
    EXPECT_NEAR(x[3], -1.0f, 1e-6f);
    EXPECT_NEAR(y[3], 0.0f, 1e-6f);
}

TEST(Coordinates, ThreeDimensionalRoundTripsInEveryOctant) {
    const Floats px = {1, -2, -3, 4, 0.5f, -1, 2, -2}, py = {2, 1, -1, -3, 0.5f, 3, -2, -2},
                 pz = {3, -1, 2, -2, 0, 1, -1, -3};
    const int n = int(px.size());
    auto chain = [&](std::vector<const char*> systems) {
        Floats x = px, y = py, z = pz;
        for (size_t s = 0; s + 1 < systems.size(); ++s)
            trfco3(x.data(), y.data(), z.data(), n, systems[s], systems[s + 1]);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(x[i], px[i], 1e-5f) << systems[1] << " point " << i;
            EXPECT_NEAR(y[i], py[i], 1e-5f) << systems[1] << " point " << i;
            EXPECT_NEAR(z[i], pz[i], 1e-5f) << systems[1] << " point " << i;
        }
    };
    chain({"RECT", "SPHE", "RECT"});
    chain({"RECT", "CYLI", "RECT"});
    chain({"RECT", "CYLI", "SPHE", "RECT"});
    chain({"RECT", "SPHE", "CYLI", "RECT"});

    float x[2] = {0, 0}, y[2] = {0, 0}, z[2] = {0, 5};
    trfco3(x, y, z, 2, "RECT", "SPHE");
    EXPECT_EQ(Floats(x, x + 2), (Floats{0, 0}));
    EXPECT_EQ(Floats(y, y + 2), (Floats{0, 0}));  // no planar distance: latitude 0
    EXPECT_EQ(Floats(z, z + 2), (Floats{0, 5}));
}

TEST(Coordinates, SameSystemBadKeywordAndEmptyCount) {
    float x[2] = {1, 2}, y[2] = {3, 4}, z[2] = {5, 6};
    Protocol p = protocolOf([&] {
        trfco1(x, 2, "DEGR", "degr");
        trfco2(x, y, 2, "POLA", "POLA");
        trfco3(x, y, z, 2, "SPHE", "sphe");
        trfco1(x, 2, "GRAD", "RADI");
        trfco1(x, 0, "DEGR", "RADI");
        trfco1(x, -5, "DEGR", "RADI");
    });
    EXPECT_EQ(p.warnings, 4);
    EXPECT_TRUE(p.has(" <<<< Warning 101: No conversion necessary in TRFCO1!\n"));
    EXPECT_TRUE(p.has("No conversion necessary in TRFCO3!"));
    EXPECT_TRUE(p.has("Warning   2: Incorrect parameter in TRFCO1!   (GRAD)"));
    EXPECT_EQ(Floats(x, x + 2), (Floats{1, 2}));
    EXPECT_EQ(Floats(z, z + 2), (Floats{5, 6}));
}

TEST(Histogram, DistinctValuesWithCountsAndEmptyInput) {
    const float data[] = {3, 1, 3, 2};
    float values[4] = {-9, -9, -9, -9}, counts[4] = {-9, -9, -9, -9};
    int classes = -1;
    histog(data, 4, values, counts, classes);
    ASSERT_EQ(classes, 3);
    // Elements past the classes are left as they were.
    EXPECT_EQ(Floats(values, values + 4), (Floats{1, 2, 3, -9}));
    EXPECT_EQ(Floats(counts, counts + 4), (Floats{1, 1, 2, -9}));

    const float same[] = {2, 2, 2};
    histog(same, 3, values, counts, classes);
    EXPECT_EQ(classes, 1);
    EXPECT_EQ(counts[0], 3.0f);

    Protocol p = protocolOf([&] { histog(values, 0, values, counts, classes); });
    EXPECT_TRUE(p.has("Incorrect parameter in HISTOG!   (   0)"));
    EXPECT_EQ(classes, 0);
}

TEST(Bezier, EndsAreControlPointsAndInnerPointsFollowTheCurve) {
    const float cx[] = {0, 1, 2}, cy[] = {0, 2, 0};
    float x[5], y[5];
    bezier(cx, cy, 3, x, y, 5);
    EXPECT_EQ(Floats(x, x + 5), (Floats{0, 0.5f, 1, 1.5f, 2}));
    EXPECT_EQ(Floats(y, y + 5), (Floats{0, 0.75f, 1, 0.75f, 0}));

    float c[22] = {}, out[2] = {-1, -1};
    Protocol p = protocolOf([&] {
        bezier(c, c, 1, out, out, 2);
        bezier(c, c, 22, out, out, 2);
        bezier(c, c, 3, out, out, 1);
        bezier(c, c, 3, out, out, 32001);
    });
    EXPECT_EQ(p.warnings, 4);
    EXPECT_TRUE(p.has("Incorrect parameter in BEZIER!   (  22)"));
    EXPECT_EQ(out[0], -1.0f);
}

TEST(Dates, LeapYearsAndInvalidDates) {
    Protocol p = protocolOf([] {
        basdat(29, 2, 1900);
        EXPECT_EQ(incdat(32, 1, 2000), 0);
        EXPECT_EQ(incdat(1, 13, 2000), 0);
        EXPECT_EQ(nwkday(1, 1, 999), 0);
    });
    // the base date was refused, so each incdat also reports that none is defined
    EXPECT_EQ(p.warnings, 6);
    EXPECT_TRUE(p.has("Incorrect parameter in BASDAT!   (  29)"));
    EXPECT_TRUE(p.has("INCDAT!   (  32)"));
    EXPECT_TRUE(p.has("INCDAT!   (  13)"));
    EXPECT_TRUE(p.has("NWKDAY!   ( 999)"));

    basdat(29, 2, 2000);
    EXPECT_EQ(incdat(29, 2, 2000), 0);
    EXPECT_EQ(incdat(1, 3, 2000), 1);
    EXPECT_EQ(incdat(28, 2, 2000), -1);
    basdat(28, 2, 1900);
    EXPECT_EQ(incdat(1, 3, 1900), 1);
    basdat(1, 1, 2000);
    EXPECT_EQ(incdat(1, 1, 2001), 366);
    EXPECT_EQ(incdat(1, 1, 1970), -10957);
    EXPECT_EQ(incdat(31, 4, 2000), incdat(1, 5, 2000));  // only February is held to its length
}

TEST(Dates, TrfdatInvertsIncdatAcrossYears) {
    int d = 0, m = 0, y = 0;
    basdat(1, 1, 2000);
    trfdat(-1, d, m, y);
    EXPECT_EQ(d * 1000000 + m * 10000 + y, 31121999);
    trfdat(59, d, m, y);
    EXPECT_EQ(d * 1000000 + m * 10000 + y, 29022000);
    trfdat(INT_MAX - 400, d, m, y);  // millions of years on, still exact
    EXPECT_EQ(incdat(d, m, y), INT_MAX - 400);

    const int bases[][3] = {{15, 6, 1999}, {31, 12, 1899}, {29, 2, 1996}, {1, 3, 2100}};
    for (const auto& b : bases) {
        basdat(b[0], b[1], b[2]);
        trfdat(0, d, m, y);
        EXPECT_EQ(d * 1000000 + m * 10000 + y, b[0] * 1000000 + b[1] * 10000 + b[2]);
        for (int k = -3000; k <= 3000; k += 7) {
            for (int n : {k, k * 100 + 13}) {
                trfdat(n, d, m, y);
                ASSERT_EQ(incdat(d, m, y), n) << b[2] << " + " << n;
            }
        }
    }
}

TEST(Dates, WeekdaysOnBothSidesOfTheReference) {
    basdat(3, 3, 2003);
    EXPECT_EQ(nwkday(5, 7, 1999), 1);
    EXPECT_EQ(nwkday(11, 7, 1999), 7);
    EXPECT_EQ(nwkday(4, 7, 1999), 7);
    EXPECT_EQ(nwkday(1, 1, 1900), 1);
    EXPECT_EQ(nwkday(29, 2, 2000), 2);
    EXPECT_EQ(nwkday(4, 7, 1776), 4);
    EXPECT_EQ(incdat(3, 3, 2003), 0);  // the base date is left alone
}

TEST(Gridding, ExactHitLocksTheNode) {
    const GridWindow w = {0, 3, 0, 2};  // nodes x = 0..3, y = 0..2
    float zmat[12], wmat[12];
    int imat[12];
    const float x[] = {1.1f, 1.0f, 0.9f}, y[] = {1.0f, 1.0f, 1.1f}, z[] = {100.0f, 5.0f, -50.0f};
    gridScatteredPoints(x, y, z, 3, zmat, 4, 3, -1.0f, imat, wmat, w, 2, 2, 2.0f);
    EXPECT_EQ(zmat[1 * 3 + 1], 5.0f);
    EXPECT_EQ(imat[1 * 3 + 1], -1);
}

TEST(Gridding, InverseDistanceWeightsWithinTheSearchRadius) {
    // Nodes x = 0..4, y = 0..1; element (i, j) at (i - 1) * ny + (j - 1).
    const GridWindow w = {0, 4, 0, 1};
    const float x[] = {1.0f, 2.0f, NAN, 1e30f}, y[] = {0.0f, 0.0f, 0.0f, 0.0f}, z[] = {10, 40, 1, 1};
    float zmat[10], wmat[10];
    int imat[10];
    gridScatteredPoints(x, y, z, 4, zmat, 5, 2, -7.0f, imat, wmat, w, 1, 1, 2.0f);
    // Radius 1 from grid position 2 reaches x = 1 and 2, not x = 0 one cell away.
    EXPECT_EQ(imat[1 * 2 + 1], 1);
    EXPECT_FLOAT_EQ(zmat[1 * 2 + 1], 10.0f);
    EXPECT_EQ(zmat[0], -7.0f);
    EXPECT_FLOAT_EQ(zmat[3 * 2 + 0], 40.0f);
    EXPECT_EQ(zmat[4 * 2 + 0], -7.0f);

    gridScatteredPoints(x, y, z, 4, zmat, 5, 2, -7.0f, imat, wmat, w, 2, 2, 2.0f);
    // Node x = 3, y = 0: distance 2 (weight 1/4) and 1 (weight 1).
    EXPECT_FLOAT_EQ(zmat[3 * 2 + 0], (10.0f / 4.0f + 40.0f) / 1.25f);
    EXPECT_EQ(imat[3 * 2 + 0], 2);
}

TEST(Gridding, PublicRoutinesCheckLevelAndArguments) {
    float a[4] = {}, zmat[4] = {};
    int imat[4] = {};
    Globals* g = jqqlev(0, 3, "");
    Protocol p = protocolOf([&] {
        getmat(a, a, a, 1, zmat, 2, 2, 0.0f, imat, a);
        mdfmat(0, 3, 1.5f);
    });
    EXPECT_EQ(p.warnings, 2);
    EXPECT_TRUE(p.has("Incorrect level in GETMAT!"));
    EXPECT_EQ(g->util.gridRadiusX, 2);
    mdfmat(3, 4, 1.5f);
    EXPECT_EQ(g->util.gridRadiusY, 4);
    EXPECT_EQ(g->util.gridExponent, 1.5f);
    mdfmat(2, 2, 2.0f);
}

namespace {

double cross(double ax, double ay, double bx, double by, double cx, double cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

// Checks that the triangles are counter-clockwise with empty circumcircles
// and tile a region without overlap; returns its number of boundary edges.
int checkDelaunay(const Floats& x, const Floats& y, int n, const std::vector<int>& i1, const std::vector<int>& i2,
                  const std::vector<int>& i3, int count) {
    std::vector<std::pair<int, int>> edges;
    for (int t = 0; t < count; ++t) {
        const int a = i1[t] - 1, b = i2[t] - 1, c = i3[t] - 1;
        if (std::min({a, b, c}) < 0 || std::max({a, b, c}) >= n) return ADD_FAILURE() << "vertex number", -1;
        EXPECT_GT(cross(x[a], y[a], x[b], y[b], x[c], y[c]), 0.0) << "clockwise triangle " << t;
        const double bx = x[b] - x[a], by = y[b] - y[a], cx = x[c] - x[a], cy = y[c] - y[a];
        const double det = 2 * (bx * cy - by * cx);
        const double ux = (cy * (bx * bx + by * by) - by * (cx * cx + cy * cy)) / det;
        const double uy = (bx * (cx * cx + cy * cy) - cx * (bx * bx + by * by)) / det;
        for (int q = 0; q < n; ++q) {
            const double dx = x[q] - x[a] - ux, dy = y[q] - y[a] - uy;
            EXPECT_GE(dx * dx + dy * dy, (ux * ux + uy * uy) * (1 - 1e-6)) << "point " << q << " in " << t;
        }
        edges.insert(edges.end(), {{a, b}, {b, c}, {c, a}});
    }
    std::sort(edges.begin(), edges.end());
    EXPECT_EQ(std::adjacent_find(edges.begin(), edges.end()), edges.end()) << "overlapping triangles";
    return int(std::count_if(edges.begin(), edges.end(), [&](const std::pair<int, int>& e) {
        return !std::binary_search(edges.begin(), edges.end(), std::make_pair(e.second, e.first));
    }));
}

struct Triangulation {
    Floats x, y;
    std::vector<int> i1, i2, i3;
    int count;
    Triangulation(Floats px, Floats py, int nmax = -1)
        : x(std::move(px)), y(std::move(py)) {
        const int n = int(x.size());
        nmax = nmax < 0 ? 2 * n + 1 : nmax;
        x.resize(n + 3), y.resize(n + 3), i1.resize(nmax + 1), i2.resize(nmax + 1), i3.resize(nmax + 1);
        count = triang(x.data(), y.data(), n, i1.data(), i2.data(), i3.data(), nmax);
    }
};

}  // namespace

TEST(Triangulation, SquareAndRepeatedPoint) {
    Triangulation square({0, 1, 1, 0}, {0, 0, 1, 1});
    ASSERT_EQ(square.count, 2);
    EXPECT_EQ(checkDelaunay(square.x, square.y, 4, square.i1, square.i2, square.i3, 2), 4);
    EXPECT_FLOAT_EQ(square.y[6], 3.5f);  // the super-triangle's top in the spare elements

    // A repeated corner is skipped; inserting it again would add flat triangles.
    EXPECT_EQ(Triangulation({0, 1, 1, 1, 0}, {0, 0, 1, 1, 1}).count, 2);
}

TEST(Triangulation, DegenerateInputsAndSmallCapacity) {
    EXPECT_EQ(Triangulation({0, 1}, {0, 1}).count, 0);
    EXPECT_EQ(Triangulation({0, 1, 2}, {0, 1, 2}).count, 0);              // collinear
    EXPECT_EQ(Triangulation({0, 1, 0, 1, 0}, {0, 1, 0, 1, 0}).count, 0);  // two distinct points
    EXPECT_EQ(Triangulation({}, {}).count, 0);
    float x[1] = {}, y[1] = {};
    int i[1];
    Protocol p = protocolOf([&] {
        Triangulation({NAN, 1, NAN, 0, 1}, {0, 1, 2, 0, NAN});  // any result, but no crash
        EXPECT_EQ(Triangulation({0, 1, 1, 0}, {0, 0, 1, 1}, 8).count, 0);
        EXPECT_EQ(triang(x, y, INT_MAX, i, i, i, INT_MAX), 0);
        EXPECT_EQ(triang(x, y, -4, i, i, i, 1), 0);
    });
    EXPECT_EQ(p.warnings, 3);
    EXPECT_TRUE(p.has("Incorrect parameter in TRIANG!   (   8)"));
}

TEST(Triangulation, RandomPointsAreDelaunay) {
    std::mt19937 rng(12345);
    std::uniform_real_distribution<float> uniform(-1.0f, 1.0f);
    for (int n : {10, 60, 400}) {
        Floats x(n), y(n);
        for (int i = 0; i < n; ++i) x[i] = 50 * uniform(rng), y[i] = 50 * uniform(rng);
        Triangulation t(x, y);
        // Flat hull triangles whose circumcircles reach the super-triangle
        // may be missing, so the tiled region can fall a little short of the
        // hull; it still uses every point.
        const int boundary = checkDelaunay(t.x, t.y, n, t.i1, t.i2, t.i3, t.count);
        EXPECT_EQ(t.count, 2 * n - 2 - boundary) << n << " points";
    }

    // A 12-gon around inner points has no flat hull triangles: the whole hull is tiled.
    const int corners = 12, n = 212;
    Floats x, y;
    for (int i = 0; i < corners; ++i)
        x.push_back(50 * std::cos(0.1f + i * 0.5235988f)), y.push_back(50 * std::sin(0.1f + i * 0.5235988f));
    while (int(x.size()) < n) {
        float px = uniform(rng), py = uniform(rng);
        if (px * px + py * py < 0.64f) x.push_back(50 * px), y.push_back(50 * py);
    }
    Triangulation t(x, y);
    EXPECT_EQ(t.count, 2 * n - 2 - corners);
    EXPECT_EQ(checkDelaunay(t.x, t.y, n, t.i1, t.i2, t.i3, t.count), corners);
}
