// The window driver's state of one plot: the pictures of the windows that
// the plot has drawn into but that are not current (opnwin, selwin). The
// current window's picture is the record's pixel surface.
#pragma once

#include "device/driver.h"
#include "device/surface.h"

namespace vtx {

extern const DeviceDriver kX11Driver;

constexpr int kPlotWindows = 8;

struct X11Plot : DriverData {
    X11Plot() : DriverData(&kX11Driver) {}
    PixelSurface parked[kPlotWindows];
    bool attached = false;  // setxid's drawable has been taken (or refused) for this plot
};

inline X11Plot* x11Plot(Globals& g) { return driverData<X11Plot>(g.driver, &kX11Driver); }

// Opens the window of a slot at the place the window settings give for
// window number slot + 1; its picture becomes the record's surface and the
// drawing scale follows its size. False (nothing opened) without memory.
bool openPlotWindow(Globals& g, int slot);

}  // namespace vtx
