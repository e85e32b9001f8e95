// The triangle tracer: every line of one level through a triangulated set of
// points, emitted to a sink like the grid tracer's (start, to, finish).
// A vertex is high when z > level, so a value equal to the level counts as
// low. Lines that reach the outer edge of the triangulation are open and
// traced from one end; closed lines end with their start point repeated.
// Triangles with a NaN value or an index outside the points are left out.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vtx {

// Points x, y, z (n of them) and triangles of 1-based indices i1, i2, i3.
struct ContourMesh {
    const float* x;
    const float* y;
    const float* z;
    int n;
    const int* i1;
    const int* i2;
    const int* i3;
    int triangles;
};

namespace detail {

template <class Sink>
class MeshTracer {
public:
    MeshTracer(const ContourMesh& m, float level, Sink& sink) : m_(m), level_(level), sink_(sink) {}

    // Work arrays are sized once here; the walk itself allocates nothing.
    void run() {
        const int nt = m_.triangles;
        corners_.assign(std::size_t(nt) * 3, -1);
        for (int t = 0; t < nt; ++t) {
            const int v[3] = {m_.i1[t] - 1, m_.i2[t] - 1, m_.i3[t] - 1};
            bool usable = true;
            for (int k = 0; k < 3; ++k) usable = usable && v[k] >= 0 && v[k] < m_.n && !std::isnan(m_.z[v[k]]);
            if (usable)
                for (int k = 0; k < 3; ++k) corners_[std::size_t(t) * 3 + k] = v[k];
        }
        // Edges sorted by their vertex pair pair up neighbouring triangles.
        edges_.clear();
        edges_.reserve(std::size_t(nt) * 3);
        for (int t = 0; t < nt; ++t) {
            if (corners_[std::size_t(t) * 3] < 0) continue;
            for (int k = 0; k < 3; ++k) edges_.push_back({key(vertex(t, k), vertex(t, (k + 1) % 3)), t});
        }
        std::sort(edges_.begin(), edges_.end(),
                  [](const Edge& a, const Edge& b) { return a.key < b.key || (a.key == b.key && a.tri < b.tri); });
        visited_.assign(std::size_t(nt), 0);
        // Open lines from crossed outer edges, then what is left is closed.
        for (const Edge& e : edges_) {
            if (visited_[e.tri] || neighbour(e.key, e.tri) >= 0) continue;
            const int a = int(e.key >> 32), b = int(e.key & 0xffffffffu);
            if (high(a) != high(b)) walk(e.tri, a, b);
        }
        for (int t = 0; t < nt; ++t) {
            if (visited_[t] || corners_[std::size_t(t) * 3] < 0) continue;
            for (int k = 0; k < 3; ++k) {
                const int a = vertex(t, k), b = vertex(t, (k + 1) % 3);
                if (high(a) != high(b)) {
                    walk(t, a, b);
                    break;
                }
            }
        }
        sink_.finish();
    }

private:
    struct Edge {
        std::uint64_t key;
        int tri;
    };

    int vertex(int t, int k) const { return corners_[std::size_t(t) * 3 + k]; }
    bool high(int v) const { return m_.z[v] > level_; }
    static std::uint64_t key(int a, int b) {
        if (a > b) std::swap(a, b);
        return (std::uint64_t(std::uint32_t(a)) << 32) | std::uint32_t(b);
    }

    // The other triangle on an edge, or -1 on the outer edge.
    int neighbour(std::uint64_t k, int t) const {
        auto it = std::lower_bound(edges_.begin(), edges_.end(), k,
                                   [](const Edge& e, std::uint64_t v) { return e.key < v; });
        for (; it != edges_.end() && it->key == k; ++it)
            if (it->tri != t) return it->tri;
        return -1;
    }

    void emitCrossing(int a, int b, bool first) {
        const int h = high(a) ? a : b, l = high(a) ? b : a;
        const float f = (m_.z[h] - level_) / (m_.z[h] - m_.z[l]);
        const float x = m_.x[h] - (m_.x[h] - m_.x[l]) * f, y = m_.y[h] - (m_.y[h] - m_.y[l]) * f;
        if (first) sink_.start(x, y);
        else sink_.to(x, y);
    }

    // From edge (a, b) into triangle t, through triangles until an outer edge
    // or a triangle already passed (the start of a closed line).
    void walk(int t, int a, int b) {
        emitCrossing(a, b, true);
        for (;;) {
            visited_[t] = 1;
            int c = -1;
            for (int k = 0; k < 3; ++k)
                if (vertex(t, k) != a && vertex(t, k) != b) c = vertex(t, k);
            // The line leaves over the other edge whose ends lie on both sides.
            const int keep = high(c) != high(a) ? a : b;
            a = keep, b = c;
            emitCrossing(a, b, false);
            const int next = neighbour(key(a, b), t);
            if (next < 0 || visited_[next]) return;
            t = next;
        }
    }

    const ContourMesh& m_;
    float level_;
    Sink& sink_;
    std::vector<int> corners_;
    std::vector<Edge> edges_;
    std::vector<char> visited_;
};

}  // namespace detail

template <class Sink>
void traceMeshContour(const ContourMesh& mesh, float level, Sink& sink) {
    detail::MeshTracer<Sink>(mesh, level, sink).run();
}

}  // namespace vtx
