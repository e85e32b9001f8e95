// Points of a Bezier curve by de Casteljau's repeated linear interpolation.
#include "session/globals.h"
#include "utilities/api.h"

namespace vtx {

namespace {

constexpr int kMaxControlPoints = 21;

float deCasteljau(const float* p, int n, float t) {
    float work[kMaxControlPoints];
    for (int i = 0; i < n; ++i) work[i] = p[i];
    for (int level = n - 1; level > 0; --level)
        for (int i = 0; i < level; ++i) work[i] += (work[i + 1] - work[i]) * t;
    return work[0];
}

}  // namespace

void bezier(const float* xray, const float* yray, int n, float* x, float* y, int m) {
    if (!jqqlev(0, 3, "bezier")) return;
    if (jqqval(n, 2, kMaxControlPoints) + jqqval(m, 2, 32000) != 0) return;
    // The ends are copied rather than evaluated, so they are exact.
    x[0] = xray[0], y[0] = yray[0];
    x[m - 1] = xray[n - 1], y[m - 1] = yray[n - 1];
    for (int k = 1; k < m - 1; ++k) {
        float t = float(k) / float(m - 1);
        x[k] = deCasteljau(xray, n, t);
        y[k] = deCasteljau(yray, n, t);
    }
}

}  // namespace vtx
