// shlsur: a surface protects the part of the page it covers from what is
// drawn after it. The region is the convex hull of the surface's projected
// points, which covers the surface wholly (and its holes and notches too).
#pragma once

#include <algorithm>
#include <vector>

#include "device/shielding.h"
#include "session/globals.h"

namespace vtx {

// Collects projected points and registers their hull when the surface is done.
class SurfaceShield {
   public:
    explicit SurfaceShield(Globals& g) : g_(g), on_(g.shield.surface != 0) {}
    ~SurfaceShield() {
        if (on_) finish();
    }
    SurfaceShield(const SurfaceShield&) = delete;
    SurfaceShield& operator=(const SurfaceShield&) = delete;

    void add(float x, float y) {
        if (on_) points_.push_back({x, y});
    }

   private:
    struct P {
        float x, y;
    };

    static float cross(const P& o, const P& a, const P& b) {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    }

    // Monotone chain: the hull without collinear points.
    void finish() {
        std::sort(points_.begin(), points_.end(),
                  [](const P& a, const P& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
        if (points_.size() < 3) return;
        std::vector<P> hull(2 * points_.size());
        std::size_t k = 0;
        for (const P& p : points_) {
            while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0.0f) --k;
            hull[k++] = p;
        }
        for (std::size_t i = points_.size() - 1, lower = k + 1; i-- > 0;) {
            while (k >= lower && cross(hull[k - 2], hull[k - 1], points_[i]) <= 0.0f) --k;
            hull[k++] = points_[i];
        }
        hull.resize(k - 1);
        std::vector<float> x(hull.size()), y(hull.size());
        for (std::size_t i = 0; i < hull.size(); ++i) x[i] = hull[i].x, y[i] = hull[i].y;
        registerSurfaceShield(g_, x.data(), y.data(), int(hull.size()));
    }

    Globals& g_;
    bool on_;
    std::vector<P> points_;
};

}  // namespace vtx
