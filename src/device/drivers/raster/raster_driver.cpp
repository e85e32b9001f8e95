// The raster devices 601 to 607: the page is drawn into the record's pixel
// surface, which is written to an image file at vtxfin (603 keeps it in memory only).
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
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

void erase(Globals& g) { g.surface.clear(); }

// Pixels, y downwards, like a window.
DevicePoint mapPoint(const Globals& g, float x, float y) { return windowPoint(g, x, y); }

// Draws from the stored position; every operation stores its point.
void vector(Globals& g, float x, float y, int op) {
    PixelSurface& s = g.surface;
    const int nx = int(x), ny = int(y);
    if (op == kOpDraw) s.line(s.penX, s.penY, nx, ny, s.colourBytes);
    s.penX = nx, s.penY = ny;
}

void colour(Globals& g, int index, int, int, int) { g.surface.setColour(index); }

void colourTable(Globals& g) { g.surface.setPalette(g.colour.kind, g.colour.table); }

void clipRect(Globals& g, int x1, int y1, int x2, int y2) { g.surface.setClip(x1, y1, x2, y2); }

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
