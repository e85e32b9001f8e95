// The raster devices 601 to 607: the page is drawn into the virtual raster,
// which is written to an image file at vtxfin (603 keeps it in memory only).
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/raster/image_access.h"
#include "device/drivers/raster/raster_files.h"
#include "device/drivers/raster/virtual_raster.h"

namespace vtx {

namespace {

constexpr int kVirtualDevice = 603;

void begin(Globals& g) {
    resetImageAccess();
    if (qqvini(g.out.nxPage, g.out.nyPage, g.out.winW, g.out.winH, g.out.winPlace != 0, g.out.screenMode,
               g.out.imageFormat == 1)) {
        warnin(Warning::NoMemory);
        std::fflush(stdout);
        std::exit(0);
    }
    const VirtualRaster& r = virtualRaster();
    g.out.deviceScale = pixelPageScale(g, r.width, r.height);
}

void end(Globals& g) {
    // qqrfil has warned already; the banner must not name a file left unfinished.
    if (g.ctl.device != kVirtualDevice && qqrfil(g, g.out.fileName, g.ctl.device - 600) != kImageOk)
        g.out.fileError = 2;
    resetImageAccess();
    qqvfin();
}

void erase(Globals&) { clearVirtualRaster(); }

// Pixels, y downwards, like a window.
DevicePoint mapPoint(const Globals& g, float x, float y) { return windowPoint(g, x, y); }

// Draws from the stored position; every operation stores its point.
void vector(Globals&, float x, float y, int op) {
    VirtualRaster& r = virtualRaster();
    const int nx = int(x), ny = int(y);
    if (op == kOpDraw) qqvlin(r.penX, r.penY, nx, ny);
    r.penX = nx, r.penY = ny;
}

void colour(Globals&, int index, int, int, int) { qqvclr(index); }

void colourTable(Globals& g) { qqvvlt(g.colour.kind, g.colour.table); }

void clipRect(Globals&, int x1, int y1, int x2, int y2) { setRasterClip(x1, y1, x2, y2); }

}  // namespace

extern const DeviceDriver kRasterDriver = {
    begin,        // begin: the virtual raster and the scale
    end,          // end: the image file (none for VIRT)
    nullptr,      // newPage
    erase,        // erase: clears the raster
    mapPoint,     // mapPoint: pixels, y downwards
    vector,       // vector: lines from the stored pen position
    colour,       // colour: the index drawn with
    nullptr,      // lineAttribute
    clipRect,     // clipRect: the raster's own clipping
    nullptr,      // polygon
    colourTable,  // colourTable: the palette of the image
    nullptr,      // selectFont
    nullptr,      // character
};

}  // namespace vtx
