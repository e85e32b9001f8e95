// Where a colour change reaches the output device: the driver's colour entry
// and, for devices that keep a palette, its colour-table entry. The last
// colour and the number of table changes are also recorded, so that new
// pages can pick them up.
#include "device/colour.h"
#include "device/driver.h"
#include "device/pipeline.h"

namespace vtx {

void sendColourToDevice(Globals& g, int index, int red, int green, int blue) {
    g.colour.sentIndex = index;
    g.colour.sentRgb[0] = red;
    g.colour.sentRgb[1] = green;
    g.colour.sentRgb[2] = blue;
    if (!outputOpen(g)) return;
    // The open polyline is finished first, so that it keeps the old colour.
    if (!g.line.strokeActive) qqstrk(g);
    if (const DeviceDriver* d = deviceDriver(g.ctl.device); d && d->colour) d->colour(g, index, red, green, blue);
}

void sendColourTableToDevice(Globals& g) {
    ++g.colour.tableSends;
    if (!outputOpen(g)) return;
    if (const DeviceDriver* d = deviceDriver(g.ctl.device); d && d->colourTable) d->colourTable(g);
}

}  // namespace vtx
