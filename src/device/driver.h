// The interface through which the control core reaches an output driver.
// Each driver lives in its own file under drivers/ and fills in the entries
// it supports; a null entry means the device does nothing at that step.
#pragma once

#include "core/globals.h"

namespace vtx {

struct DeviceDriver {
    void (*begin)(Globals& g);    // file header, at vtxini
    void (*end)(Globals& g);      // trailer, at vtxfin
    void (*newPage)(Globals& g);  // newpag
    void (*erase)(Globals& g);    // erase
};

// The driver of a device number, or null if the device has none yet.
const DeviceDriver* deviceDriver(int device);

}  // namespace vtx
