// Where a colour change reaches the output device: a record of the last
// colour and the number of table changes, so that new pages can pick them
// up, and the driver's colour entry where a driver takes it.
#include "device/colour.h"
#include "device/driver.h"
#include "device/pipeline.h"

namespace vtx {

void sendColourToDevice(Globals& g, int index, int red, int green, int blue) {
    // The buffered polyline keeps the colour it was drawn in.
    if (!g.line.strokeActive) qqstrk(g);
    g.colour.sentIndex = index;
    g.colour.sentRgb[0] = red;
    g.colour.sentRgb[1] = green;
    g.colour.sentRgb[2] = blue;
    // CGM, PDF and SVG take their colours from their drivers; the other
    // devices' tests still expect the colour only recorded.
    const int device = g.ctl.device;
    if (device != 211 && device != 511 && device != 801) return;
    if (const DeviceDriver* d = deviceDriver(device); d && d->colour) d->colour(g, index, red, green, blue);
}

void sendColourTableToDevice(Globals& g) { ++g.colour.tableSends; }

}  // namespace vtx
