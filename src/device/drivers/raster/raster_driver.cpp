// The raster devices 601 to 607: the page is drawn into the virtual raster,
// which is written to an image file at vtxfin (603 keeps it in memory only).
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/raster/image_access.h"
#include "device/drivers/raster/raster_files.h"
#include "device/drivers/raster/virtual_raster.h"

namespace vtx {

namespace {

constexpr int kVirtualDevice = 603;

// Pixels per plot unit: the page (turned in page mode 1) fitted into the
// raster; with sclmod DOWN no larger than the scale factor times the unit
// factor allows for a 2969-unit page.
float rasterScale(const Globals& g, int w, int h) {
    float pw = float(std::max(g.out.nxPage, 1)), ph = float(std::max(g.out.nyPage, 1));
    if (g.out.pageMode == 1) std::swap(pw, ph);
    float s = std::min(float(w - 1) / pw, float(h - 1) / ph);
    if (g.out.scaleMode == 0) {
        const float f = g.out.scaleFactor * g.out.unitFactor;
        s = std::min(s, float(pw > ph ? w - 1 : h - 1) * f / 2969.0f);
    }
    return s;
}

void begin(Globals& g) {
    resetImageAccess();
    if (qqvini(g.out.nxPage, g.out.nyPage, g.out.winW, g.out.winH, g.out.winPlace != 0, g.out.screenMode,
               g.out.imageFormat == 1)) {
        warnin(Warning::NoMemory);
        std::fflush(stdout);
        std::exit(0);
    }
    const VirtualRaster& r = virtualRaster();
    g.out.deviceScale = rasterScale(g, r.width, r.height);
}

void end(Globals& g) {
    // qqrfil has warned already; the banner must not name a file left unfinished.
    if (g.ctl.device != kVirtualDevice && qqrfil(g, g.out.fileName, g.ctl.device - 600) != kImageOk)
        g.out.fileError = 2;
    resetImageAccess();
    qqvfin();
}

void erase(Globals&) { clearVirtualRaster(); }

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

extern const DeviceDriver kRasterDriver = {begin,  end,    nullptr,  erase, vector,
                                           colour, nullptr, clipRect, nullptr, colourTable};

}  // namespace vtx
