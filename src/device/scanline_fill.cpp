#include "device/scanline_fill.h"

#include <cmath>

namespace vtx {

int scanCrossings(const float* x, const float* y, int n, float ys, float* crossings, int capacity) {
    int m = 0;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        float y1 = y[j], y2 = y[i];
        // Half-open in y: a vertex on the scan line counts once for an edge
        // passing through it, twice (or never) at an extremum.
        if ((y1 <= ys && ys < y2) || (y2 <= ys && ys < y1)) {
            float xc = fill_detail::edgeCrossing(x, y, j, i, ys);
            if (std::isnan(xc)) continue;
            if (m == capacity) return -1;
            crossings[m++] = xc;
        }
    }
    fill_detail::sortAscending(crossings, m);
    int k = 0;
    for (int i = 0; i < m; ++i) {
        if (i + 1 < m && crossings[i] == crossings[i + 1]) {
            ++i;
            continue;
        }
        crossings[k++] = crossings[i];
    }
    return k & ~1;
}

int hatchPolygon(const float* x, const float* y, int n, const HatchLines& lines, float* work, long& groupCount,
                 SpanSink sink, void* context) {
    return hatchPolygonTo(x, y, n, lines, work, groupCount, [&](float x1, float y1, float x2, float y2) {
        sink(context, x1, y1, x2, y2);
    });
}

}  // namespace vtx
