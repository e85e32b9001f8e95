// The state of the open output driver, kept in the record: the driver's
// begin creates it and its end releases it, so nothing of one plot's output
// outlives that plot.
#pragma once

#include <memory>
#include <vector>

#include "device/pixel_font.h"

namespace vtx {

// The base of each driver's own state, which is declared in the driver's file.
struct DriverData {
    explicit DriverData(const void* owner) : owner(owner) {}
    virtual ~DriverData() = default;
    const void* owner;  // the driver record that created it
};

struct DriverState {
    std::unique_ptr<DriverData> data;  // the open driver's state; null between plots
    std::vector<char> keptDocument;    // a finished PDF kept in memory for pdfbuf
    // The device fonts of the pixel devices: the current one first, then
    // the same font at other sizes, kept while the plot changes heights.
    std::vector<std::unique_ptr<PixelFont>> pixelFonts;
    const PixelFont* pixelFont() const { return pixelFonts.empty() ? nullptr : pixelFonts.front().get(); }
};

// The open driver's state if `owner` created it, else null.
template <typename T>
T* driverData(DriverState& s, const void* owner) {
    return s.data && s.data->owner == owner ? static_cast<T*>(s.data.get()) : nullptr;
}

}  // namespace vtx
