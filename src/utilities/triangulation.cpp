// Delaunay triangulation by incremental insertion: each new point removes the
// triangles whose circumcircle holds it and closes the hole with triangles
// that all share the point.
#include <algorithm>
#include <cmath>
#include <vector>

#include "session/globals.h"
#include "core/messages.h"
#include "utilities/api.h"

namespace vtx {

namespace {

constexpr double kTiny = 1e-35;

struct Edge {
    int a, b;  // 1-based point numbers; a == 0 marks a discarded edge
};

struct Circle {
    double xc, yc, r2;
};

// False for a triangle too flat to have a circumcircle.
bool circumcircle(const float* x, const float* y, int p1, int p2, int p3, Circle& c) {
    double x1 = x[p1 - 1], y1 = y[p1 - 1];
    double ax = x[p2 - 1] - x1, ay = y[p2 - 1] - y1;
    double bx = x[p3 - 1] - x1, by = y[p3 - 1] - y1;
    double det = 2.0 * (ax * by - ay * bx);
    if (!(std::fabs(det) >= kTiny)) return false;
    double a2 = ax * ax + ay * ay, b2 = bx * bx + by * by;
    double ux = (by * a2 - ay * b2) / det, uy = (ax * b2 - bx * a2) / det;
    c = {x1 + ux, y1 + uy, ux * ux + uy * uy};
    return true;
}

void stopWith(const char* text) {
    warnText(101, text);
}

// A point equal to one inserted before it; points of equal x are neighbours
// in the sorted order, so looking back while x matches suffices.
bool repeatsEarlierPoint(const float* x, const float* y, const std::vector<int>& order, int pos) {
    int p = order[pos];
    for (int k = pos - 1; k >= 0 && std::fabs(x[order[k]] - x[p]) <= kTiny; --k)
        if (std::fabs(y[order[k]] - y[p]) < kTiny) return true;
    return false;
}

// Ascending x with NaN last, a strict order whatever the data.
std::vector<int> orderByX(const float* x, int n) {
    std::vector<int> order(n);
    for (int i = 0; i < n; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [x](int a, int b) {
        return !std::isnan(x[a]) && (std::isnan(x[b]) || x[a] < x[b]);
    });
    return order;
}

void placeSuperTriangle(float* x, float* y, int n) {
    float xmin = x[0], xmax = x[0], ymin = y[0], ymax = y[0];
    for (int i = 1; i < n; ++i) {
        xmin = std::min(xmin, x[i]), xmax = std::max(xmax, x[i]);
        ymin = std::min(ymin, y[i]), ymax = std::max(ymax, y[i]);
    }
    float d = 3.0f * std::max(xmax - xmin, ymax - ymin);
    float xm = 0.5f * (xmin + xmax), ym = 0.5f * (ymin + ymax);
    x[n] = xm - 0.866f * d, y[n] = ym - 0.5f * d;
    x[n + 1] = xm + 0.866f * d, y[n + 1] = ym - 0.5f * d;
    x[n + 2] = xm, y[n + 2] = ym + d;
}

// Discards both copies of every edge that two removed triangles shared.
void dropSharedEdges(std::vector<Edge>& edges) {
    for (std::size_t i = 0; i < edges.size(); ++i) {
        if (edges[i].a == 0) continue;
        for (std::size_t j = i + 1; j < edges.size(); ++j) {
            if (edges[j].a == edges[i].b && edges[j].b == edges[i].a) {
                edges[i].a = edges[j].a = 0;
                break;
            }
        }
    }
}

}  // namespace

int triang(float* x, float* y, int n, int* i1, int* i2, int* i3, int nmax) {
    if (!jqqlev(0, 3, "triang")) return 0;
    if ((long long)nmax < 2LL * n + 1) {
        warni1(Warning::IncorrectParameter, nmax);
        return 0;
    }
    if (n < 1) return 0;

    // Every stage of the insertion is a triangulation of n + 3 points at
    // most, so 2n + 1 slots of the output arrays hold all triangles.
    const int slots = 2 * n + 1;
    const std::size_t edgeCapacity = std::size_t(std::max(n, 100));
    std::vector<Edge> edges;
    edges.reserve(edgeCapacity);
    std::vector<char> complete(slots, 0);
    const std::vector<int> order = orderByX(x, n);

    placeSuperTriangle(x, y, n);
    i1[0] = n + 1, i2[0] = n + 2, i3[0] = n + 3;
    int count = 1;

    for (int pos = 0; pos < n; ++pos) {
        if (repeatsEarlierPoint(x, y, order, pos)) continue;
        const int p = order[pos] + 1;
        const double xp = x[p - 1], yp = y[p - 1];
        edges.clear();
        for (int t = 0; t < count; ++t) {
            if (complete[t]) continue;
            Circle c;
            if (!circumcircle(x, y, i1[t], i2[t], i3[t], c)) {
                stopWith("Cannot calculate circle - points are collinear");
                return 0;
            }
            const double ex = c.xc - xp, ey = c.yc - yp;
            // Points come in ascending x, so a circle left behind can
            // never hold a later point.
            if (ex * ex >= c.r2) {
                complete[t] = 1;
            } else if (ex * ex + ey * ey <= c.r2) {
                if (edges.size() + 3 > edgeCapacity) {
                    stopWith("Too many edges");
                    return 0;
                }
                edges.push_back({i1[t], i2[t]});
                edges.push_back({i2[t], i3[t]});
                edges.push_back({i3[t], i1[t]});
                --count;
                i1[t] = i1[count], i2[t] = i2[count], i3[t] = i3[count];
                complete[t] = complete[count];
                --t;
            }
        }
        dropSharedEdges(edges);
        for (const Edge& e : edges) {
            if (e.a == 0) continue;
            // Rounding can make the hole ragged; never write past the slots.
            if (count == slots) {
                warnin(Warning::NoMemory);
                return 0;
            }
            i1[count] = e.a, i2[count] = e.b, i3[count] = p;
            complete[count] = 0;
            ++count;
        }
    }

    int kept = 0;
    for (int t = 0; t < count; ++t) {
        if (i1[t] > n || i2[t] > n || i3[t] > n) continue;
        i1[kept] = i1[t], i2[kept] = i2[t], i3[kept] = i3[t];
        ++kept;
    }
    return kept;
}

}  // namespace vtx
