// The floating-horizon pen of mesh surfaces: lines arrive in plot
// coordinates from the front of the surface to the back, and only the
// pieces that rise above everything drawn so far in their column (the upper
// horizon) or sink below it (the lower horizon) come out. Pure geometry:
// visible pieces go to a sink.
#pragma once

#include <cstdint>
#include <vector>

namespace vtx {

enum class HorizonSide { Hidden = 0, Top = 1, Bottom = 2 };

// What a walk does: draw its visible pieces and raise the horizons, only
// raise them (outlines that hide without showing), or only draw (edges of
// one solid that must not hide each other).
enum class PenMode { DrawAndHide, HideOnly, DrawOnly };

class HorizonPen {
   public:
    // Columns x0 .. x0 + width - 1; pixels outside them are never visible
    // but do not disturb the walk.
    HorizonPen(int x0, int width);

    // Forgets both horizons.
    void clear();

    // Pen code 3 moves, 2 draws; a draw walks from the pen to (x, y). The
    // sink receives fn(side, x1, y1, x2, y2) for each visible piece.
    template <typename Sink>
    void pen(float x, float y, int code, Sink&& sink, PenMode mode = PenMode::DrawAndHide);

   private:
    struct Walk;
    HorizonSide visibility(int col, int y) const;
    bool clipToColumns(float& ax, float& ay, float& bx, float& by) const;
    void flushColumn();

    static constexpr int kNoColumn = -2147483647 - 1;
    int x0_, width_;
    std::vector<std::int16_t> upper_, lower_;
    int penX_ = 0, penY_ = 0;
    // Pixels of the column being walked join the horizons only when the
    // walk leaves it, so that a line does not hide itself.
    int pendingCol_ = kNoColumn, pendingMin_ = 0, pendingMax_ = 0;
};

}  // namespace vtx

#include "graph3d/horizon_impl.h"
