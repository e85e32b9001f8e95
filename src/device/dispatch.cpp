// The device dispatcher: the selected device's driver maps plot coordinates
// to its own and receives the operation.
#include "device/driver.h"
#include "device/pipeline.h"

namespace vtx {

void xjdraw(Globals& g, float x, float y, int op) {
    ++g.ctl.vectors;
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    if (!driver || !driver->vector) return;
    const DevicePoint p = driver->mapPoint(g, x, y);
    driver->vector(g, p.x, p.y, op);
}

bool devicePolygon(Globals& g, const float* x, const float* y, int n) {
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    if (!driver || !driver->polygon) return false;
    driver->polygon(g, x, y, n);
    return true;
}

}  // namespace vtx
