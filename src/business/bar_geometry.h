// Geometry of bar graphs in plot coordinates (y grows downwards): group and
// bar widths, the rectangle of a bar in its group slot, where its value label
// goes, and the pieces that fill a bar around a protected label box. Pure
// functions that never touch the state record.
#pragma once

#include <functional>

namespace vtx {

// The width of a whole group, of one bar in it, and the gap between bars.
struct BarWidths {
    float group = 0, bar = 0, gap = 0;
};

// Splits a group width among ngrp bars: a gap value q <= 0 is an absolute gap
// of |q| plot units, q > 0 a fraction of the single bar width. Bar widths are
// whole plot units.
BarWidths barWidths(float group, int ngrp, float gapValue);

// An axis-parallel rectangle; the corners keep the order in which the bar was
// built (x1/y1 at its base for vertical bars, x1 at its base for horizontal).
struct BarRect {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The bar of slot k (1-based) of a group at the plot position `centre` on the
// position axis, running from plot value `from` to `to` on the value axis.
BarRect verticalBar(const BarWidths& w, int slot, float centre, float from, float to);
BarRect horizontalBar(const BarWidths& w, int slot, float centre, float from, float to);

// Label position codes: the tens digit along the bar (1 beyond its end,
// 2 inside at the end, 3 middle, 4 inside at the base, 5 beyond the base),
// the units digit across it (1 before, 2 centred, 3 after).
enum BarLabelCode { kLabelAuto = 0, kLabelOutside = 12, kLabelInside = 22, kLabelCentre = 32 };

// The label box of a number tw wide at character height h: width, height.
inline float labelBoxWidth(float tw, float h) { return float(int(tw + 0.5f * h + 0.5f)); }
inline float labelBoxHeight(float h) { return float(int(1.5f * h + 0.5f)); }

// AUTO becomes "inside at the end" when the label box fits into the bar,
// else "beyond the end"; other codes stay.
int resolveLabelCode(int code, const BarRect& bar, float tw, float h);

// True for the codes whose label sits inside the bar (protected from the fill).
inline bool labelInsideBar(int code) { return code == 22 || code == 32 || code == 42; }

// Upper left corner of the label box (the number is drawn 0.25 h further in
// both directions) for a resolved code.
void barLabelStart(const BarRect& bar, bool horizontal, int code, float tw, float h, float& x, float& y);

// The two faces that give a bar depth, moved by the depth vector (dx, dy):
// the side face on the bar's right edge (vertical bars) or upper edge
// (horizontal bars), and the top face on its end.
struct Quad {
    float x[4] = {}, y[4] = {};
};
void depthFaces(const BarRect& bar, bool horizontal, float dx, float dy, Quad& side, Quad& top);

// Emits the rectangles that cover the bar without the hole (at most four);
// without an overlap the bar itself.
using RectSink = std::function<void(const BarRect&)>;
void fillAroundHole(const BarRect& bar, const BarRect& hole, const RectSink& sink);

}  // namespace vtx
