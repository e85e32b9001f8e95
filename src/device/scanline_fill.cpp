#include "device/scanline_fill.h"

#include <algorithm>
#include <cmath>

namespace vtx {

namespace {

constexpr float kDegToRad = 3.14159265f / 180.0f;
constexpr double kMaxScanLines = 1e7;

// Insertion sort: a scan line has few crossings, usually two.
void sortAscending(float* v, int m) {
    for (int i = 1; i < m; ++i) {
        float t = v[i];
        int j = i - 1;
        for (; j >= 0 && v[j] > t; --j) v[j + 1] = v[j];
        v[j + 1] = t;
    }
}

bool drawnInGroup(long line, int drawn, int skipped) {
    if (drawn <= 0) return true;
    return line % (drawn + skipped) < drawn;
}

}  // namespace

int scanCrossings(const float* x, const float* y, int n, float ys, float* crossings, int capacity) {
    int m = 0;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        float y1 = y[j], y2 = y[i];
        // Half-open in y: a vertex on the scan line counts once for an edge
        // passing through it, twice (or never) at an extremum.
        if ((y1 <= ys && ys < y2) || (y2 <= ys && ys < y1)) {
            float xc = x[j] + (ys - y1) * (x[i] - x[j]) / (y2 - y1);
            if (std::isnan(xc)) continue;
            if (m == capacity) return -1;
            crossings[m++] = xc;
        }
    }
    sortAscending(crossings, m);
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
    if (n < 3 || !(lines.spacing > 0.0f) || !std::isfinite(lines.spacing)) return 0;
    float* rx = work;
    float* ry = work + n;
    float* crossings = work + 2 * n;  // kFillWorkExtra pairs leave room for all crossings
    const float phi = lines.angle * kDegToRad;
    const float s = std::sin(phi), c = std::cos(phi);

    // Turn the polygon by -angle so that the hatch lines are horizontal.
    float ymin = 0.0f, ymax = 0.0f;
    for (int i = 0; i < n; ++i) {
        rx[i] = x[i] * c - y[i] * s;
        ry[i] = x[i] * s + y[i] * c;
        if (i == 0 || ry[i] < ymin) ymin = ry[i];
        if (i == 0 || ry[i] > ymax) ymax = ry[i];
    }
    if (!std::isfinite(ymin) || !std::isfinite(ymax)) return 0;

    const double h = lines.spacing;
    const double first = std::trunc(ymin / h - 0.5);
    const double last = std::floor((ymax + 0.5 * h) / h);
    // Only the scan lines inside the visible band are computed; the group
    // count still runs from the polygon's first scan line.
    const double from = std::fmax(first, std::ceil(lines.visibleLow / h));
    const double to = std::fmin(last, std::floor(lines.visibleHigh / h));
    const long total = last >= first ? long(std::fmin(last - first + 1, 1e9)) : 0;
    // A band that no page comes near would only spin.
    if (to - from > kMaxScanLines) return 0;

    const double period = double(std::max(1LL, (long long)lines.groupDrawn + lines.groupSkipped));
    int widest = 1;  // most spans on one scan line, known after the first pass
    for (int pass = 1; pass <= kFillPasses && pass <= widest; ++pass) {
        for (double k = from; k <= to; k += 1.0) {
            const float ys = float(k * h);
            // Only the place within the group period matters; the scan line's
            // number itself may lie beyond any integer type.
            const long line = groupCount + long(std::fmod(k - first, period));
            if (pass > 1 && !drawnInGroup(line, lines.groupDrawn, lines.groupSkipped)) continue;
            int m = scanCrossings(rx, ry, n, ys, crossings, kMaxScanCrossings);
            if (m < 0) return 26;
            int spans = m / 2;
            if (pass == 1 && spans > widest) widest = spans;
            if (!drawnInGroup(line, lines.groupDrawn, lines.groupSkipped)) continue;
            int begin = pass - 1, end = pass < kFillPasses ? pass : spans;
            for (int p = begin; p < end && p < spans; ++p) {
                float xa = crossings[2 * p], xb = crossings[2 * p + 1];
                // Turn the span back by +angle.
                sink(context, xa * c + ys * s, -xa * s + ys * c, xb * c + ys * s, -xb * s + ys * c);
            }
        }
    }
    groupCount += total;
    return 0;
}

}  // namespace vtx
