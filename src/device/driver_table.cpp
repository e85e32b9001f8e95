// The driver of each device, from the driver column of core/devices.def.
#include "device/driver.h"

namespace vtx {

extern const DeviceDriver kTerminalDriver;
extern const DeviceDriver kVxmetaDriver;
extern const DeviceDriver kKyoceraDriver;
extern const DeviceDriver kHpglDriver;
extern const DeviceDriver kPostScriptDriver;
extern const DeviceDriver kJavaDriver;
extern const DeviceDriver kRasterDriver;
extern const DeviceDriver kCgmDriver;
extern const DeviceDriver kPdfDriver;
extern const DeviceDriver kSvgDriver;
extern const DeviceDriver kWmfDriver;
extern const DeviceDriver kX11Driver;

namespace {

// Stands for "no driver yet" in the table.
const DeviceDriver kNoneDriver = {};

inline const DeviceDriver* driverOrNull(const DeviceDriver* d) { return d == &kNoneDriver ? nullptr : d; }

}  // namespace

// A switch, so that the dispatcher's lookup per point stays a jump.
const DeviceDriver* deviceDriver(int device) {
    switch (device) {
#define DEVICE(number, keyword, extension, cls, driver, capabilities) \
    case number: return driverOrNull(&k##driver##Driver);
#include "core/devices.def"
        default: break;
    }
#define DEVICE_RANGE(first, last, cls, driver, capabilities) \
    if (device >= first && device <= last) return driverOrNull(&k##driver##Driver);
#include "core/devices.def"
    return nullptr;
}

}  // namespace vtx
