// Geometric figure fields of the global state record.
#pragma once

namespace vtx {

struct FiguresState {
    float arcSpacing = 10.0f;  // circsp: plot units per chord of an arc (the reset divides by the unit factor)
};

}  // namespace vtx
