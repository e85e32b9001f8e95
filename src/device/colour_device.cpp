// Where a colour change reaches the output device. The drivers' colour
// commands are not connected yet: the last colour and the number of table
// changes are recorded, so that new pages and the drivers can pick them up.
#include "device/colour.h"

namespace vtx {

void sendColourToDevice(Globals& g, int index, int red, int green, int blue) {
    g.colour.sentIndex = index;
    g.colour.sentRgb[0] = red;
    g.colour.sentRgb[1] = green;
    g.colour.sentRgb[2] = blue;
}

void sendColourTableToDevice(Globals& g) { ++g.colour.tableSends; }

}  // namespace vtx
