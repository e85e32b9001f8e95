#include "utilities/matrix_resample.h"

#include "session/globals.h"

namespace vtx {

namespace {

// 1-based source cell k and fraction f of output index i out of m, for a source of n.
void sourcePosition(int i, int m, int n, int& k, float& f) {
    float s = float(n - 1) * float(i) / float(m - 1) + 1.0f;
    k = int(s);
    f = s - float(k);
    if (k <= 0) k = 1, f = 0.0f;
    if (k >= n) k = n - 1, f = 1.0f;
}

}  // namespace

void trfmat(const float* zmat, int nx, int ny, float* zmat2, int mx, int my) {
    if (!jqqlev(0, 3, "trfmat")) return;
    if (jqqval(nx, 2, -1) + jqqval(ny, 2, -1) + jqqval(mx, 2, -1) + jqqval(my, 2, -1) != 0) return;
    auto a = [&](int k, int l) { return zmat[(k - 1) * ny + (l - 1)]; };
    for (int i = 0; i < mx; ++i) {
        int k;
        float f;
        sourcePosition(i, mx, nx, k, f);
        for (int j = 0; j < my; ++j) {
            int l;
            float g;
            sourcePosition(j, my, ny, l, g);
            zmat2[i * my + j] = (1 - f) * (1 - g) * a(k, l) + (1 - f) * g * a(k, l + 1) + f * (1 - g) * a(k + 1, l) +
                                f * g * a(k + 1, l + 1);
        }
    }
}

}  // namespace vtx
