// Software fill of a polygon with parallel hatch lines: the polygon is turned
// so that the lines become horizontal scan lines, the even-odd spans of each
// scan line are found and turned back. Pure geometry: spans go to a sink.
#pragma once

#include <algorithm>
#include <cmath>

namespace vtx {

constexpr int kMaxScanCrossings = 100;  // crossings accepted per scan line
constexpr int kFillWorkExtra = 130;     // work space beyond the vertices, in coordinate pairs
constexpr int kFillPasses = 5;          // spans 1..4 of every scan line, then the rest
constexpr double kMaxScanLines = 1e7;   // more would be a band no page comes near, which would only spin

// Floats of work space for a polygon of n vertices.
constexpr long fillWorkFloats(int n) { return 2L * (long(n) + kFillWorkExtra); }

// Receives one span in plot coordinates.
using SpanSink = void (*)(void* context, float x1, float y1, float x2, float y2);

struct HatchLines {
    float angle = 0.0f;        // degrees, counter-clockwise on the page
    float spacing = 2.0f;      // distance of the scan lines
    int groupDrawn = 0;        // draw this many scan lines, then skip groupSkipped (0: draw all)
    int groupSkipped = 0;
    float visibleLow = -1e30f; // scan lines outside this band of the turned frame are not drawn
    float visibleHigh = 1e30f;
};

// Fills the polygon (x, y, n) with one set of hatch lines. `work` holds
// fillWorkFloats(n) floats. `groupCount` counts scan lines across calls so that
// a second, crossing line set continues the groups. Returns 0, or 26 when a
// scan line crosses more than kMaxScanCrossings edges (the fill stops there).
int hatchPolygon(const float* x, const float* y, int n, const HatchLines& lines, float* work, long& groupCount,
                 SpanSink sink, void* context);

// The even-odd crossings of the horizontal line at height ys with the closed
// polygon (x, y, n), sorted, with pairs of equal crossings removed. Returns
// their number, or -1 if there are more than `capacity`.
int scanCrossings(const float* x, const float* y, int n, float ys, float* crossings, int capacity);

namespace fill_detail {

// Insertion sort: a scan line has few crossings, usually two.
inline void sortAscending(float* v, int m) {
    for (int i = 1; i < m; ++i) {
        float t = v[i];
        int j = i - 1;
        for (; j >= 0 && v[j] > t; --j) v[j + 1] = v[j];
        v[j + 1] = t;
    }
}

inline bool drawnInGroup(long line, int drawn, int skipped) {
    if (drawn <= 0) return true;
    return line % (drawn + skipped) < drawn;
}

// edgeCrossing with the terms that depend on y alone, rise = ys - y[j] and
// height = y[i] - y[j], worked out beforehand (symbols at one height share them).
inline float edgeCrossingAt(float xj, float xi, float rise, float height) { return xj + rise * (xi - xj) / height; }

// The crossings a and b of the two chains with one scan line as a span from
// a to b; false for none, where either is NaN or they meet.
inline bool levelSpan(float& a, float& b) {
    if (std::isnan(a) || std::isnan(b)) return false;
    if (a > b) std::swap(a, b);
    return a != b;
}

// Where the scan line at ys crosses the edge from vertex j to vertex i. Every
// way of finding crossings uses this one expression, so that they agree to
// the last bit.
inline float edgeCrossing(const float* x, const float* y, int j, int i, float ys) {
    return edgeCrossingAt(x[j], x[i], ys - y[j], y[i] - y[j]);
}

// The crossings of successive, rising scan lines with a polygon whose y goes
// up along one chain of edges and down along the other (every convex shape,
// e.g. a symbol): each scan line from the lowest vertex up to the highest
// crosses exactly one rising and one falling edge, so the two chains are
// walked instead of keeping a table of edges. Same values as scanCrossings.
class MonotoneEdges {
   public:
    MonotoneEdges(const float* x, const float* y, int n) : x_(x), y_(y), n_(n) {
        int changes = 0, firstSign = 0, firstEdge = -1, lastSign = 0, lastEdge = -1;
        for (int i = 0, j = n - 1; i < n; j = i++) {
            if (std::isnan(y[i])) return;
            const int sign = y[j] < y[i] ? 1 : y[i] < y[j] ? -1 : 0;
            if (sign == 0) continue;
            if (lastSign == 0) {
                firstSign = sign, firstEdge = i;
            } else if (sign != lastSign) {
                ++changes;
                if (sign > 0) bottomRise_ = i, bottomFall_ = lastEdge;
                else top_ = y[j];
            }
            lastSign = sign, lastEdge = i;
        }
        if (lastSign != firstSign) {
            ++changes;
            if (firstSign > 0) bottomRise_ = firstEdge, bottomFall_ = lastEdge;
            else top_ = y[firstEdge == 0 ? n - 1 : firstEdge - 1];
        }
        if (changes != 2) return;
        bottom_ = y[bottomFall_];
        valid_ = true;
    }
    bool valid() const { return valid_; }
    void restart() {
        riseTo_ = bottomRise_, riseFrom_ = before(riseTo_);
        fallTo_ = bottomFall_, fallFrom_ = before(fallTo_);
    }
    // Moves to the edges of both chains that the scan line at ys crosses,
    // ys not below the previous one since restart(); false if it crosses none.
    bool reach(float ys) {
        if (!(ys >= bottom_ && ys < top_)) return false;
        // Up the rising chain and down the falling one, past level edges.
        while (!(ys < y_[riseTo_])) {
            do riseFrom_ = riseTo_, riseTo_ = riseTo_ + 1 == n_ ? 0 : riseTo_ + 1;
            while (y_[riseTo_] == y_[riseFrom_]);
        }
        while (!(ys < y_[fallFrom_])) {
            do fallTo_ = fallFrom_, fallFrom_ = before(fallFrom_);
            while (y_[fallTo_] == y_[fallFrom_]);
        }
        return true;
    }
    // The edges reached: vertex numbers (from, to) on each chain.
    int riseFrom() const { return riseFrom_; }
    int riseTo() const { return riseTo_; }
    int fallFrom() const { return fallFrom_; }
    int fallTo() const { return fallTo_; }
    // The crossings of the scan line at ys, which must not lie below the
    // previous one since restart(), treated as scanCrossings does.
    int crossings(float ys, float* out) {
        if (!reach(ys)) return 0;
        float a = edgeCrossing(x_, y_, riseFrom_, riseTo_, ys);
        float b = edgeCrossing(x_, y_, fallFrom_, fallTo_, ys);
        if (!levelSpan(a, b)) return 0;
        out[0] = a, out[1] = b;
        return 2;
    }

   private:
    int before(int i) const { return i == 0 ? n_ - 1 : i - 1; }
    const float* x_;
    const float* y_;
    int n_;
    bool valid_ = false;
    // The lowest edge of each chain, and the current edges (from, to).
    int bottomRise_ = 0, bottomFall_ = 0, riseFrom_ = 0, riseTo_ = 0, fallFrom_ = 0, fallTo_ = 0;
    float bottom_ = 0.0f, top_ = 0.0f;
};

// The crossings of successive, rising scan lines with a small polygon,
// found from the edges that span the line instead of from all edges: the
// same values as scanCrossings, from the same expression per edge.
constexpr int kActiveEdgeMax = 64;
class ActiveEdges {
   public:
    // Edges of (x, y, n), n <= kActiveEdgeMax, ordered by their lower end.
    ActiveEdges(const float* x, const float* y, int n) : x_(x), y_(y) {
        for (int i = 0, j = n - 1; i < n; j = i++) {
            const bool rising = y[j] < y[i];
            const float lo = rising ? y[j] : y[i], hi = rising ? y[i] : y[j];
            if (!(lo < hi)) continue;  // level edges and NaN never cross a scan line
            int k = count_++;
            for (; k > 0 && lo_[order_[k - 1]] > lo; --k) order_[k] = order_[k - 1];
            from_[count_ - 1] = j, to_[count_ - 1] = i, lo_[count_ - 1] = lo, hi_[count_ - 1] = hi;
            order_[k] = count_ - 1;
        }
    }
    void restart() { next_ = 0, active_ = 0; }
    // The crossings of the scan line at ys, which must not lie below the
    // previous one since restart(), treated as scanCrossings does.
    int crossings(float ys, float* out) {
        while (next_ < count_ && lo_[order_[next_]] <= ys) live_[active_++] = order_[next_++];
        int m = 0, kept = 0;
        for (int a = 0; a < active_; ++a) {
            const int e = live_[a];
            if (!(ys < hi_[e])) continue;  // passed for good
            live_[kept++] = e;
            const int j = from_[e], i = to_[e];
            const float xc = edgeCrossing(x_, y_, j, i, ys);
            if (!std::isnan(xc)) out[m++] = xc;
        }
        active_ = kept;
        sortAscending(out, m);
        int k = 0;
        for (int i = 0; i < m; ++i) {
            if (i + 1 < m && out[i] == out[i + 1]) {
                ++i;
                continue;
            }
            out[k++] = out[i];
        }
        return k & ~1;
    }

   private:
    const float* x_;
    const float* y_;
    int count_ = 0, next_ = 0, active_ = 0;
    int from_[kActiveEdgeMax], to_[kActiveEdgeMax], order_[kActiveEdgeMax], live_[kActiveEdgeMax];
    float lo_[kActiveEdgeMax], hi_[kActiveEdgeMax];
};

}  // namespace fill_detail

// hatchPolygon with the sink as a callable sink(x1, y1, x2, y2), so that a
// hot caller (solid fills on a pixel surface) gets it inlined.
template <typename Sink>
int hatchPolygonTo(const float* x, const float* y, int n, const HatchLines& lines, float* work, long& groupCount,
                   Sink&& sink) {
    using fill_detail::drawnInGroup;
    if (n < 3 || !(lines.spacing > 0.0f) || !std::isfinite(lines.spacing)) return 0;
    float* rx = work;
    float* ry = work + n;
    float* crossings = work + 2 * n;  // kFillWorkExtra pairs leave room for all crossings
    const float phi = lines.angle * (3.14159265f / 180.0f);
    // Level lines, the common case, need no turn: sin 0 and cos 0 are exact.
    const float s = phi == 0.0f ? 0.0f : std::sin(phi), c = phi == 0.0f ? 1.0f : std::cos(phi);

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
    if (to - from > kMaxScanLines) return 0;

    fill_detail::MonotoneEdges chains(rx, ry, n);
    const bool monotone = chains.valid();
    const bool small = !monotone && n <= fill_detail::kActiveEdgeMax;
    fill_detail::ActiveEdges edges(rx, ry, small ? n : 0);
    const bool grouped = lines.groupDrawn > 0;
    const double period = double(std::max(1LL, (long long)lines.groupDrawn + lines.groupSkipped));
    int widest = 1;  // most spans on one scan line, known after the first pass
    for (int pass = 1; pass <= kFillPasses && pass <= widest; ++pass) {
        edges.restart();
        chains.restart();
        for (double k = from; k <= to; k += 1.0) {
            const float ys = float(k * h);
            // Only the place within the group period matters; the scan line's
            // number itself may lie beyond any integer type. Without groups
            // every line is drawn and the number is not needed.
            const long line = grouped ? groupCount + long(std::fmod(k - first, period)) : 0;
            if (pass > 1 && !drawnInGroup(line, lines.groupDrawn, lines.groupSkipped)) continue;
            int m = monotone ? chains.crossings(ys, crossings)
                    : small  ? edges.crossings(ys, crossings)
                             : scanCrossings(rx, ry, n, ys, crossings, kMaxScanCrossings);
            if (m < 0) return 26;
            int spans = m / 2;
            if (pass == 1 && spans > widest) widest = spans;
            if (!drawnInGroup(line, lines.groupDrawn, lines.groupSkipped)) continue;
            int begin = pass - 1, end = pass < kFillPasses ? pass : spans;
            for (int p = begin; p < end && p < spans; ++p) {
                float xa = crossings[2 * p], xb = crossings[2 * p + 1];
                // Turn the span back by +angle.
                sink(xa * c + ys * s, -xa * s + ys * c, xb * c + ys * s, -xb * s + ys * c);
            }
        }
    }
    groupCount += total;
    return 0;
}

// The scan lines of a solid fill with level lines (angle 0, no groups) over
// a polygon whose edges form one rising and one falling chain, such as a
// plot symbol: the lines of hatchPolygonTo, each with the two edges it
// crosses, found without turning the polygon (a level fill leaves it as it
// is). Only the heights y are needed.
class LevelChainLines {
   public:
    // The chains do not look at x; y stands in for it.
    LevelChainLines(const float* y, int n) : chains_(y, y, n) {
        for (int i = 0; i < n; ++i) {
            if (i == 0 || y[i] < ymin_) ymin_ = y[i];
            if (i == 0 || y[i] > ymax_) ymax_ = y[i];
        }
    }
    // False where the edges do not form two chains (hatchPolygonTo fills those).
    bool valid() const { return chains_.valid() && std::isfinite(ymin_) && std::isfinite(ymax_); }
    // sink(ys, edges) for the scan lines ys = k·h, h > 0, that cross the
    // polygon, with k from firstVisible = ceil(visibleLow / h) to
    // lastVisible = floor(visibleHigh / h); edges tells the edges crossed.
    template <typename Sink>
    void lines(double h, double firstVisible, double lastVisible, Sink&& sink) {
        const double first = std::trunc(ymin_ / h - 0.5);
        const double last = std::floor((ymax_ + 0.5 * h) / h);
        const double from = std::fmax(first, firstVisible), to = std::fmin(last, lastVisible);
        if (to - from > kMaxScanLines) return;
        chains_.restart();
        for (double k = from; k <= to; k += 1.0) {
            const float ys = float(k * h);
            if (chains_.reach(ys)) sink(ys, static_cast<const fill_detail::MonotoneEdges&>(chains_));
        }
    }

   private:
    fill_detail::MonotoneEdges chains_;
    float ymin_ = 0.0f, ymax_ = 0.0f;
};

}  // namespace vtx
