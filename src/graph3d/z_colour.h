// The mapping of a Z value to a colour index that every colour-coded plot
// shares, and the point geometry of colour plots. The functions here that
// take no record are pure and unit-tested without a plot.
#pragma once

#include <cmath>

#include "graph3d/graph3d_state.h"
#include "session/globals.h"

namespace vtx {

// A Z axis with its colour range: values in the window (low, high) take the
// colours first..last in equal steps of the axis (of log10 Z on a
// logarithmic axis); values beyond take the outside colours.
struct ZColourMap {
    float za = 0.0f, ze = 1.0f;   // axis start and end (exponents on a log axis)
    float low = 0.0f, high = 1.0f;
    float factor = 254.0f;        // colours per axis unit, negative when descending
    int first = 1, last = 254;
    int outLow = 0, outHigh = 255;  // beyond the axis start, beyond the axis end
    int log = 0;

    int lookup(float z) const;
};

// The map of an axis from za to ze with the window in data units; the
// window is ordered low to high.
ZColourMap makeZColourMap(float za, float ze, float windowA, float windowB, int first, int last, int outLow,
                          int outHigh, int log);

// Side in plot units of the points when `points` of them span an axis of
// `length` units; devices other than screens get one unit more so that
// neighbouring rectangles overlap.
int autoPointSize(int length, int points, bool screen);

// The points of a matrix colour plot with bilinear interpolation: each cell
// split into ix by iy steps, then the top edge, the right edge and the
// corner. zmat holds nx by ny values, the Y index varying fastest.
template <typename Fn>
void forEachMatrixPoint(const float* zmat, int nx, int ny, int ix, int iy, float xmin, float xmax, float ymin,
                        float ymax, Fn&& fn);

// The record's side: the Z-range setter and the lookup of the current axis.
void setzpa(Globals& g, float za, float ze);
ZColourMap currentZColourMap(const Globals& g);
int jqqclr(const Globals& g, float z);

// Inline, since colour plots look up every cell.
inline int ZColourMap::lookup(float z) const {
    const bool ascending = ze > za;
    if (z < low) return ascending ? outLow : outHigh;
    if (z > high) return ascending ? outHigh : outLow;
    if (!(z == z)) return outHigh;
    const float t = log ? std::log10(z) : z;
    const double v = double(t - za) * double(factor) + double(first);
    const int index = v < -2.0e9 ? first : v > 2.0e9 ? last : int(v);
    // The axis end itself belongs to the last interval.
    if (index == first - 1) return first;
    if (index == last + 1) return last;
    return index;
}

template <typename Fn>
void forEachMatrixPoint(const float* zmat, int nx, int ny, int ix, int iy, float xmin, float xmax, float ymin,
                        float ymax, Fn&& fn) {
    const float dx = (xmax - xmin) / float(nx - 1), dy = (ymax - ymin) / float(ny - 1);
    auto z = [&](int i, int j) { return zmat[i * ny + j]; };
    for (int i = 0; i + 1 < nx; ++i) {
        for (int k = 0; k < ix; ++k) {
            const float t = float(k) / float(ix);
            const float x = xmin + float(i) * dx + float(k) * dx / float(ix);
            for (int j = 0; j + 1 < ny; ++j) {
                for (int l = 0; l < iy; ++l) {
                    const float u = float(l) / float(iy);
                    const float y = ymin + float(j) * dy + float(l) * dy / float(iy);
                    fn(x, y,
                       (1 - t) * (1 - u) * z(i, j) + (1 - t) * u * z(i, j + 1) + t * (1 - u) * z(i + 1, j) +
                           t * u * z(i + 1, j + 1));
                }
            }
            fn(x, ymax, (1 - t) * z(i, ny - 1) + t * z(i + 1, ny - 1));
        }
    }
    for (int j = 0; j + 1 < ny; ++j) {
        for (int l = 0; l < iy; ++l) {
            const float u = float(l) / float(iy);
            fn(xmax, ymin + float(j) * dy + float(l) * dy / float(iy), (1 - u) * z(nx - 1, j) + u * z(nx - 1, j + 1));
        }
    }
    fn(xmax, ymax, z(nx - 1, ny - 1));
}

}  // namespace vtx
