// The isosurface of a sphere by marching tetrahedra, without a plot.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>
#include <vector>

#include "graph3d/isosurface.h"

namespace vtx {
namespace {

TEST(Isosurface, SphereIsClosedOrientedOutwardAndNearTheRadius) {
    const int n = 13;
    const float step = 2.0f / float(n - 1), radius = 0.7f;
    std::vector<float> c(n), w(std::size_t(n) * n * n);
    for (int i = 0; i < n; ++i) c[i] = -1.0f + step * float(i);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            for (int k = 0; k < n; ++k) w[(std::size_t(i) * n + j) * n + k] = std::sqrt(c[i] * c[i] + c[j] * c[j] + c[k] * c[k]);
    using Key = std::tuple<float, float, float>;
    std::map<Key, int> ids;
    std::map<std::pair<int, int>, int> directed;
    int triangles = 0;
    float worst = 0.0f;
    auto id = [&](const IsoVertex& v) {
        worst = std::max(worst, std::fabs(std::sqrt(v.p[0] * v.p[0] + v.p[1] * v.p[1] + v.p[2] * v.p[2]) - radius));
        return ids.emplace(Key{v.p[0], v.p[1], v.p[2]}, int(ids.size())).first->second;
    };
    isosurface(IsoGrid{c.data(), c.data(), c.data(), w.data(), n, n, n}, radius,
               [&](const IsoVertex& a, const IsoVertex& b, const IsoVertex& d) {
                   ++triangles;
                   const int v[3] = {id(a), id(b), id(d)};
                   for (int e = 0; e < 3; ++e) ++directed[{v[e], v[(e + 1) % 3]}];
                   // Larger values lie outside: the winding faces away from the centre.
                   const float u[3] = {b.p[0] - a.p[0], b.p[1] - a.p[1], b.p[2] - a.p[2]};
                   const float q[3] = {d.p[0] - a.p[0], d.p[1] - a.p[1], d.p[2] - a.p[2]};
                   const float nrm[3] = {u[1] * q[2] - u[2] * q[1], u[2] * q[0] - u[0] * q[2], u[0] * q[1] - u[1] * q[0]};
                   EXPECT_GE(nrm[0] * a.p[0] + nrm[1] * a.p[1] + nrm[2] * a.p[2], 0.0f);
                   EXPECT_GT(a.n[0] * a.p[0] + a.n[1] * a.p[1] + a.n[2] * a.p[2], 0.0f);
               });
    EXPECT_GT(triangles, 500);
    EXPECT_LT(worst, step);
    // Closed and consistently wound: every edge is used once in each direction,
    // degenerate slivers (a vertex repeated) aside.
    int unmatched = 0;
    for (const auto& [edge, count] : directed) {
        if (edge.first == edge.second) continue;
        const auto back = directed.find({edge.second, edge.first});
        if (count != 1 || back == directed.end() || back->second != 1) ++unmatched;
    }
    EXPECT_EQ(unmatched, 0);
}

}  // namespace
}  // namespace vtx
