// The screen devices 1 to 100: the page is drawn into the record's pixel
// surface exactly as for the raster images, and the surface is shown in a
// window of the X display whenever the picture must be seen (sendbf, new
// page, erase, termination, exposure).
#include <cstdio>
#include <cstdlib>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/raster/image_access.h"
#include "device/drivers/surface_driver.h"
#include "device/drivers/x11/window_geometry.h"
#include "device/drivers/x11/x11_plot.h"
#include "device/drivers/x11/x11_display.h"
#include "device/drivers/x11/x11_wait.h"

namespace vtx {

namespace {

// Without a display the plot cannot go on.
void stopWithoutDisplay() {
    std::printf(" <<<< X-Window display cannot be opened!\n");
    std::printf("        **** STOP in VTXINI ****\n");
    std::fflush(stdout);
    std::exit(0);
}

void begin(Globals& g) {
    if (!openConnection()) stopWithoutDisplay();
    createDriverData<X11Plot>(g);
    resetImageAccess(g);
    if (!openPlotWindow(g, windowSlot(g.ctl.device))) {
        warnin(Warning::NoMemory);
        std::fflush(stdout);
        std::exit(0);
    }
}

// The slot of the open plot, -1 if the user has closed its window meanwhile.
int liveSlot() {
    const X11Connection& c = x11();
    return c.display && c.live ? c.liveSlot : -1;
}

void end(Globals& g) {
    const int slot = liveSlot();
    if (slot >= 0) {
        const OutputState& o = g.out;
        const int code = o.winWait == kWaitDelay ? 10 * o.winDelay + kWaitDelay : o.winWait + 10 * o.winKey;
        finishWindows(slot, g.surface, code);
    }
    X11Connection& c = x11();
    c.live = nullptr, c.liveSlot = -1;
    resetImageAccess(g);
    g.surface.release();
    g.driver.data.reset();
}

void show(Globals& g) {
    const int slot = liveSlot();
    if (slot < 0) return;
    showWindow(slot);
    putSurface(slot, g.surface);
}

void newPage(Globals& g) {
    if (g.out.winWait == kWaitNone || g.out.winWait == kWaitNoHold) return;
    const int slot = liveSlot();
    // Another program's drawable shows the page; that program decides when it goes.
    if (slot >= 0 && x11().slots[slot].external) putSurface(slot, g.surface);
    else if (slot >= 0) waitForNextPage(slot, g.surface);
    g.surface.clear();
}

// A window on the screen is cleared at once; one not shown yet at its next showing.
void erase(Globals& g) {
    g.surface.clear();
    const int slot = liveSlot();
    if (slot >= 0 && x11().slots[slot].mapped) putSurface(slot, g.surface);
}

}  // namespace

bool openPlotWindow(Globals& g, int slot) {
    X11Connection& c = x11();
    setColourMode(g.colour.colourMode);
    // A drawable given by setxid takes the place of an own window, for the plot's first window.
    if (g.out.externalKind != 0 && g.driver.data && !x11Plot(g)->attached) {
        int w, h;
        x11Plot(g)->attached = true;
        if (attachDrawable(slot, static_cast<unsigned long>(g.out.externalId), g.out.externalKind, w, h)) {
            if (!g.surface.create(w, h, g.out.imageFormat == 1, g.out.screenMode == 2)) return false;
            c.live = &g.surface, c.liveSlot = slot;
            g.out.deviceScale = pixelPageScale(g, w, h);
            return true;
        }
        warni1(Warning::IncorrectParameter, g.out.externalId);
    }
    WindowRequest r;
    r.screenW = c.screenW, r.screenH = c.screenH;
    r.pageW = g.out.nxPage, r.pageH = g.out.nyPage;
    if (g.out.pageMode == 1) std::swap(r.pageW, r.pageH);
    r.device = g.ctl.device >= 72 && g.ctl.device <= 80 && windowSlot(g.ctl.device) == slot ? g.ctl.device : 72 + slot;
    r.place = g.out.winPlace;
    r.x = g.out.winX, r.y = g.out.winY, r.width = g.out.winW, r.height = g.out.winH;
    const WindowPlace p = windowPlace(r);
    const bool reverse = g.out.screenMode == 2;
    if (!g.surface.create(p.width, p.height, g.out.imageFormat == 1, reverse)) return false;
    openWindow(slot, p.x, p.y, p.width, p.height, g.out.x11Mode, reverse, g.out.winTitle);
    c.live = &g.surface, c.liveSlot = slot;
    g.out.deviceScale = pixelPageScale(g, p.width, p.height);
    return true;
}

extern const DeviceDriver kX11Driver = {
    begin,                        // begin: the window and the surface behind it
    end,                          // end: the wait of winmod
    newPage,                      // newPage: waits for a click, then a clear page
    erase,                        // erase: clears the picture and the window
    surface_driver::mapPoint,     // mapPoint: pixels, y downwards
    surface_driver::vector,       // vector: lines from the stored pen position
    surface_driver::colour,       // colour: the index drawn with
    nullptr,                      // lineAttribute
    surface_driver::clipRect,     // clipRect: the surface's own clipping
    nullptr,                      // polygon
    surface_driver::colourTable,  // colourTable: the palette of the picture
    nullptr,                      // selectFont
    surface_driver::character,    // character: the pixel font
    show,                         // flush: the picture into the window
    surface_driver::image,        // image
};

}  // namespace vtx
