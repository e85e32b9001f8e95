// Storage of the horizon pen.
#include "graph3d/horizon.h"

namespace vtx {

namespace {
constexpr std::int16_t kEmptyUpper = 32767, kEmptyLower = -32768;
}

HorizonPen::HorizonPen(int x0, int width)
    : x0_(x0), width_(width > 0 ? width : 0), upper_(std::size_t(width_)), lower_(std::size_t(width_)) {
    clear();
}

void HorizonPen::clear() {
    for (int i = 0; i < width_; ++i) upper_[i] = kEmptyUpper, lower_[i] = kEmptyLower;
    pendingCol_ = kNoColumn;
}

void HorizonPen::flushColumn() {
    const int c = pendingCol_;
    pendingCol_ = kNoColumn;
    if (c < 0 || c >= width_) return;
    const int lo = pendingMin_ < -32767 ? -32767 : pendingMin_, hi = pendingMax_ > 32766 ? 32766 : pendingMax_;
    if (lo < upper_[c]) upper_[c] = std::int16_t(lo);
    if (hi > lower_[c]) lower_[c] = std::int16_t(hi);
}

}  // namespace vtx
