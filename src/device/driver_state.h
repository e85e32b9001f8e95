// The state of the open output driver, kept in the record: the driver's
// begin creates it and its end releases it, so nothing of one plot's output
// outlives that plot.
#pragma once

#include <memory>
#include <vector>

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
};

// The open driver's state if `owner` created it, else null.
template <typename T>
T* driverData(DriverState& s, const void* owner) {
    return s.data && s.data->owner == owner ? static_cast<T*>(s.data.get()) : nullptr;
}

}  // namespace vtx
