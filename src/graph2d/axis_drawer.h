// The axis drawer: one axis with its line, ticks, labels and name.
#pragma once

#include <optional>

#include "device/attribute_scope.h"
#include "session/globals.h"

namespace vtx {

// The parts of an axis that axclrs colours, as indexed in axisColours.
enum ColourPart { kColLine = 0, kColTicks, kColLabels, kColName };

// A colour for the length of a scope when one is set (>= 0); the caller's
// colour then comes back at the end, sent again in every case.
class ColourIfSet {
   public:
    ColourIfSet(Globals& g, int colour) {
        if (colour < 0) return;
        caller_.emplace(g, Restore::Always);
        qqsclr(g, colour);
    }

   private:
    std::optional<ColourScope> caller_;
};

// The axclrs colour of one part of an axis.
struct PartColour : ColourIfSet {
    PartColour(Globals& g, int axis, int part) : ColourIfSet(g, g.axis.axisColours[axis][part]) {}
};

// The frmclr colour of frames (axis systems, box2d, legends).
struct FrameColour : ColourIfSet {
    explicit FrameColour(Globals& g) : ColourIfSet(g, g.text.frameColour) {}
};

// What a side of an axis system shows (setgrf): each level includes the ones below.
enum AxisPart { kPartNone = 0, kPartLine, kPartTicks, kPartLabels, kPartName };

struct AxisDrawSpec {
    float a = 0.0f, e = 1.0f, first = 0.0f, step = 1.0f;  // exponents on a log axis
    int length = 2;             // plot units
    const char* name = "";
    int side = 0;               // x: 0 labels below, 1 above; y: 1 labels left, 0 right
    float x = 0.0f, y = 0.0f;   // start: left end of an x axis, lower end of a y axis
    int log = 0;
    int axis = 0;               // 0 x, 1 y (index of the per-axis settings)
    int part = kPartName;       // how much is drawn
    float nameAnchor = -1.0f;   // CROS and polar: name position along the axis, < 0 at the axis
    bool crossed = false;       // omit the label at the origin
    bool dropOverlaps = false;  // leave out a label that would overlap the one before
    // Where value v lies along the axis (plot units from the start), NaN
    // where it does not meet the axis; null for the linear or logarithmic
    // position (map axes place their degrees through the projection).
    float (*position)(const Globals& g, const AxisDrawSpec& s, float v) = nullptr;
};

void drawAxis(Globals& g, const AxisDrawSpec& s);

// Side 1 (lower X), 2 (right Y), 3 (upper X) or 4 (left Y) of the current
// Cartesian system, as graf draws it.
AxisDrawSpec cartesianSide(const Globals& g, int side);

// One label `text` at the user value `value` of the axis, beside it as the
// axis labels stand, with a major tick when `tick` is set (addlab).
void drawExtraLabel(Globals& g, const AxisDrawSpec& s, float value, const char* text, bool tick);

// Tick positions of a linear or logarithmic axis as plot offsets along the
// axis (0 .. length-1); `major` tells which are major ticks. Calls `fn`
// for each tick: fn(offset, isMajor). Grid lines use the same positions.
template <typename Fn>
void forEachTick(const Globals& g, const AxisDrawSpec& s, int ticksPerLabel, Fn&& fn);


}  // namespace vtx

#include "graph2d/ticks_impl.h"
