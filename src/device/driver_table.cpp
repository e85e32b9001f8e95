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

const DeviceDriver* deviceDriver(int device) {
    if (device >= 101 && device <= 200) return &kTerminalDriver;
    if (device == 201) return &kVxmetaDriver;
    if (device == 211) return &kCgmDriver;
    if (device >= 301 && device <= 400) return &kKyoceraDriver;
    if (device >= 401 && device <= 500) return &kHpglDriver;
    if (device >= 501 && device <= 600 && device != 511) return &kPostScriptDriver;
    if (device >= 601 && device <= 700) return &kRasterDriver;
    if (device == 511) return &kPdfDriver;
    if (device == 701) return &kJavaDriver;
    if (device == 801) return &kSvgDriver;
    return nullptr;
}

}  // namespace vtx
