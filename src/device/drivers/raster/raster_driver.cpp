// The raster devices 601 to 607: the page is drawn into the record's pixel
// surface, which is written to an image file at vtxfin (603 keeps it in memory only).
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/surface_driver.h"
#include "device/drivers/raster/image_access.h"
#include "device/drivers/raster/raster_files.h"

namespace vtx {

namespace {

constexpr int kVirtualDevice = 603;

// Without a size given, 853 × 603 pixels for a landscape page and 603 × 853 otherwise.
void surfaceSize(const Globals& g, int& w, int& h) {
    if (g.out.winPlace != 0) {
        w = g.out.winW, h = g.out.winH;
        return;
    }
    const bool landscape = g.out.nxPage > g.out.nyPage;
    w = landscape ? 853 : 603;
    h = landscape ? 603 : 853;
}

void begin(Globals& g) {
    resetImageAccess(g);
    int w, h;
    surfaceSize(g, w, h);
    if (!g.surface.create(w, h, g.out.imageFormat == 1, g.out.screenMode == 2)) {
        warnin(Warning::NoMemory);
        std::fflush(stdout);
        std::exit(0);
    }
    g.out.deviceScale = pixelPageScale(g, w, h);
}

void end(Globals& g) {
    // qqrfil has warned already; the banner must not name a file left unfinished.
    if (g.ctl.device != kVirtualDevice && qqrfil(g, g.out.fileName, g.ctl.device - 600) != kImageOk)
        g.out.fileError = 2;
    resetImageAccess(g);
    g.surface.release();
}

}  // namespace

extern const DeviceDriver kRasterDriver = {
    begin,                        // begin: the virtual raster and the scale
    end,                          // end: the image file (none for VIRT)
    nullptr,                      // newPage
    surface_driver::erase,        // erase: clears the raster
    surface_driver::mapPoint,     // mapPoint: pixels, y downwards
    surface_driver::vector,       // vector: lines from the stored pen position
    surface_driver::colour,       // colour: the index drawn with
    nullptr,                      // lineAttribute
    surface_driver::clipRect,     // clipRect: the raster's own clipping
    nullptr,                      // polygon
    surface_driver::colourTable,  // colourTable: the palette of the image
    nullptr,                      // selectFont
    surface_driver::character,    // character: the pixel font
    nullptr,                      // flush
    surface_driver::image,        // image
};

}  // namespace vtx
