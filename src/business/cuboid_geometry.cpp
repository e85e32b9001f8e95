// Faces of cuboids, their visibility from the eye and their painting order.
#include "business/cuboid_geometry.h"

#include <algorithm>
#include <cmath>

namespace vtx {

namespace {

void centre(const CuboidFace& f, float c[3]) {
    for (int k = 0; k < 3; ++k) c[k] = 0.25f * (f.p[0][k] + f.p[1][k] + f.p[2][k] + f.p[3][k]);
}

}  // namespace

void cuboidFaces(const float lo[3], const float hi[3], int bar, const std::function<void(const CuboidFace&)>& sink) {
    // For each axis the two faces across it: the other two axes span the
    // face, in the order that makes the corners run counter-clockwise
    // around the outward normal.
    for (int axis = 0; axis < 3; ++axis) {
        const int u = (axis + 1) % 3, v = (axis + 2) % 3;
        if (!(hi[u] > lo[u]) || !(hi[v] > lo[v])) continue;
        for (int side = 0; side < 2; ++side) {
            CuboidFace f{};
            f.bar = bar;
            f.normal[axis] = side ? 1.0f : -1.0f;
            const float at = side ? hi[axis] : lo[axis];
            const float us[4] = {lo[u], hi[u], hi[u], lo[u]}, vs[4] = {lo[v], lo[v], hi[v], hi[v]};
            for (int c = 0; c < 4; ++c) {
                // The low face runs the other way round.
                const int k = side ? c : (4 - c) % 4;
                f.p[c][axis] = at, f.p[c][u] = us[k], f.p[c][v] = vs[k];
            }
            sink(f);
        }
    }
}

bool faceSeenFrom(const CuboidFace& f, const float eye[3]) {
    // Any corner lies in the face's plane.
    float s = 0.0f;
    for (int k = 0; k < 3; ++k) s += f.normal[k] * (eye[k] - f.p[0][k]);
    return s > 0.0f;
}

float faceToEye(const CuboidFace& f, const float eye[3]) {
    float c[3], d[3], len = 0.0f, s = 0.0f;
    centre(f, c);
    for (int k = 0; k < 3; ++k) d[k] = eye[k] - c[k], len += d[k] * d[k];
    if (!(len > 0.0f)) return 1.0f;
    for (int k = 0; k < 3; ++k) s += f.normal[k] * d[k];
    return std::clamp(s / std::sqrt(len), 0.0f, 1.0f);
}

std::vector<int> paintingOrder(const std::vector<Cuboid>& bars, const float eye[3]) {
    struct Key {
        float across, up;
        int bar;
    };
    std::vector<Key> keys;
    keys.reserve(bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        const Cuboid& b = bars[i];
        const float dx = 0.5f * (b.lo[0] + b.hi[0]) - eye[0], dy = 0.5f * (b.lo[1] + b.hi[1]) - eye[1];
        const float dz = 0.5f * (b.lo[2] + b.hi[2]) - eye[2];
        keys.push_back({dx * dx + dy * dy, std::fabs(dz), int(i)});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        return a.across != b.across ? a.across > b.across : a.up > b.up;
    });
    std::vector<int> order;
    order.reserve(keys.size());
    for (const Key& k : keys) order.push_back(k.bar);
    return order;
}

}  // namespace vtx
