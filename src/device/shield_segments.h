// The segment tests of shielding: which parts of a line segment lie inside
// the regions of the buffer. Segments are P(t) = (x1, y1) + t (x2 - x1, y2 - y1),
// 0 <= t <= 1; results are t intervals.
#pragma once

#include <cstdint>

#include "device/shield_state.h"

namespace vtx {

constexpr int kShieldCrossings = 256;  // boundary crossings of one region along one segment
constexpr int kShieldIntervals = 256;  // hidden intervals of one segment over all regions

// Writes the t intervals of the segment inside the region as pairs into t
// (at most `capacity` pairs) and returns their number; -1 when the segment
// crosses the region's boundary more often than the working arrays hold.
int regionHiddenIntervals(const int16_t* record, float x1, float y1, float x2, float y2, float* t, int capacity);

// The t intervals of the segment outside every active region, as pairs into
// t (at most `capacity` pairs); returns their number. A region whose
// crossings overflow is left out and sets `overflow`.
int visibleIntervals(const ShieldState& s, float x1, float y1, float x2, float y2, float* t, int capacity,
                     bool& overflow);

}  // namespace vtx
