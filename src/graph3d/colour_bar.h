// The colour bar: the boxes of the colour range along an axis of Z values.
#pragma once

#include "device/rectangle_fill.h"
#include "graph3d/graph3d_state.h"
#include "session/globals.h"

namespace vtx {

struct ColourBarAxis {
    float za = 0.0f, ze = 1.0f, first = 0.0f, step = 1.0f;  // exponents on a log bar
    int length = 2;            // plot units along the bar
    int log = 0;
    int horizontal = 0;
    const char* name = "";
    int side = 0;              // 0: labels right of a vertical, below a horizontal bar
    int x = 0, y = 0;          // lower left corner, plot coordinates
};

// One box of a bar: from (x1, y1) to (x2, y2) in colour `colour`.
struct ColourBarBox {
    float x1, y1, x2, y2;
    int colour;
};

// Decade extension of a logarithmic scale (mode 1 the start, 2 both ends)
// to whole decades; first becomes the new start.
void widenToDecades(int mode, float& za, float& ze, float& first);

// The boxes of a bar with colours first..last, width w; `fullCover` adds
// the extra unit at both ends that vector devices need to close the bar.
// Calls fn(box) in colour order.
template <typename Fn>
void forEachBarBox(const ColourBarAxis& s, float barLength, int width, int first, int last, bool fullCover,
                   Fn&& fn) {
    const int n = last - first + 1;
    if (n <= 0) return;
    const float h = barLength / float(n), extra = fullCover ? 1.0f : 0.0f;
    if (!s.horizontal) {
        float p0 = float(s.y) + extra;
        for (int i = 1; i <= n; ++i) {
            float p = float(s.y) - h * float(i);
            if (i == n) p -= extra;
            if (p0 - p >= 0.0f) fn(ColourBarBox{float(s.x), p, float(s.x + width - 1), p0, first + i - 1});
            p0 = p;
        }
    } else {
        float p0 = float(s.x) - extra;
        for (int i = 1; i <= n; ++i) {
            float p = float(s.x) + h * float(i);
            if (i == n) p += extra;
            if (p - p0 >= 0.0f) fn(ColourBarBox{p0, float(s.y - width + 1), p, float(s.y), first + i - 1});
            p0 = p;
        }
    }
}

// Draws a bar with its scale as an axis labelled with the Z settings.
void colbar(Globals& g, const ColourBarAxis& s);

// Fills a rectangle given by two corners in plot coordinates, solid; the
// second form for many boxes under the same fill and clipping state.
void fillPlotBox(Globals& g, float x1, float y1, float x2, float y2, int colour);
void fillPlotBox(RectangleFill& boxes, float x1, float y1, float x2, float y2, int colour);

}  // namespace vtx
