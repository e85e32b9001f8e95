// The device dispatcher: plot coordinates become the coordinates of the
// selected device, and the device's driver receives the operation.
#include <cmath>

#include "device/driver.h"
#include "device/pipeline.h"

namespace vtx {

namespace {

// Rounded half up, held in a range where integer conversion is defined.
inline float roundHalfUp(float v) {
    if (!(v > -1e9f)) return v != v ? 0.0f : -1e9f;
    if (v > 1e9f) return 1e9f;
    return std::floor(v + 0.5f);
}

struct DevicePoint {
    float x, y;
};

// Window, WMF, raster and Java devices: y stays downwards.
inline DevicePoint windowMapping(const Globals& g, float x, float y, float s) {
    if (g.out.pageMode == 1) return {roundHalfUp(y * s), roundHalfUp((float(g.out.nxPage) - x) * s)};
    return {roundHalfUp(x * s), roundHalfUp(y * s)};
}

DevicePoint toDevice(const Globals& g, int device, float x, float y) {
    const float s = g.out.deviceScale;
    const float W = float(g.out.nxPage), H = float(g.out.nyPage);
    const bool turned = g.out.pageMode == 1;
    if (device <= 100 || device == 221 || (device >= 601 && device <= 701)) return windowMapping(g, x, y, s);
    if (device == 161) {
        if (H < W) return {roundHalfUp(x * s), roundHalfUp((H - y) * s)};
        return {roundHalfUp(x * s), roundHalfUp(y * s)};
    }
    if (device <= 200) {
        if (turned) return {roundHalfUp(y * s), roundHalfUp(x * s)};
        return {roundHalfUp(x * s), roundHalfUp((H - y) * s)};
    }
    if (device == 201 || device == 211) {
        const float o = g.out.metaOffset;
        if (turned) return {(y + o) * s, x * s};
        return {(x + o) * s, (H - y) * s};
    }
    if (device <= 400) return {roundHalfUp(x * s), roundHalfUp(y * s)};
    if (device == 401) {
        if (turned) return {roundHalfUp(y * s), roundHalfUp(x * s)};
        return {roundHalfUp(x * s), roundHalfUp((H - y) * s)};
    }
    if (device <= 500) {
        if (W > H) return {roundHalfUp(x * s), roundHalfUp((H - y) * s)};
        return {roundHalfUp((H - y) * s), roundHalfUp((W - x) * s)};
    }
    if (device <= 600) {
        if (W > H && g.out.pageMode != 2) return {y * s, x * s};
        return {x * s, (H - y) * s};
    }
    // SVG
    if (turned) return {y * s, (W - x) * s};
    return {x * s, y * s};
}

inline bool knownDevice(int device) {
    return (device >= 1 && device <= 600) || (device >= 601 && device <= 701) || device == 801;
}

}  // namespace

void xjdraw(Globals& g, float x, float y, int op) {
    ++g.ctl.vectors;
    const int device = g.ctl.device;
    if (!knownDevice(device)) return;
    const DeviceDriver* driver = deviceDriver(device);
    if (!driver || !driver->vector) return;
    // Only moves and draws carry coordinates; the other codes carry values.
    if (op == kOpDraw || op == kOpMove) {
        DevicePoint p = toDevice(g, device, x, y);
        x = p.x, y = p.y;
    }
    driver->vector(g, x, y, op);
}

void plotToDevice(const Globals& g, float& x, float& y) {
    DevicePoint p = toDevice(g, g.ctl.device, x, y);
    x = p.x, y = p.y;
}

void xjpoly(Globals& g, const float* x, const float* y, int n) {
    const int device = g.ctl.device;
    if (!(device <= 100 || device == 221) || n < 1) return;
    const DeviceDriver* driver = deviceDriver(device);
    if (!driver || !driver->vector) return;
    driver->vector(g, float(n), 0.0f, kOpPolyOpen);
    for (int i = 0; i < n; ++i) {
        DevicePoint p = windowMapping(g, x[i] + float(g.line.originX), y[i] + float(g.line.originY),
                                      g.out.deviceScale);
        driver->vector(g, p.x, p.y, kOpDraw);
    }
    driver->vector(g, 0.0f, 0.0f, kOpStroke);
}

}  // namespace vtx
