// Pixel access on the raster devices: between imgini and imgfin single
// pixels, rows and rectangles of the raster are read and written, as colour
// indices or, after imgmod "RGB", as red, green, blue triples.
#include <algorithm>

#include "core/checks.h"
#include "session/globals.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/drivers/raster/api.h"
#include "device/drivers/raster/image_access.h"
#include "device/pipeline.h"

namespace vtx {

namespace {

// The record when image access is open (warning 55 otherwise), with the
// open polyline drawn so that pixels are read and written in drawing order.
Globals* accessOpen(const char* name) {
    Globals* g = jqqlev(1, 3, name);
    if (!g) return nullptr;
    if (!g->image.open) {
        warnin(Warning::NoImgini);
        return nullptr;
    }
    qqstrk(*g);
    return g;
}

// A rectangle wholly inside the raster; warning 58 otherwise.
bool inside(const PixelSurface& r, long long x, long long y, long long w, long long h) {
    if (x >= 0 && y >= 0 && w >= 1 && h >= 1 && x + w <= r.width && y + h <= r.height) return true;
    warnin(Warning::ArrayOutOfScreen);
    return false;
}

bool positive(int a, int b) {
    if (a >= 1 && b >= 1) return true;
    warni1(Warning::IncorrectParameter, a < b ? a : b);
    return false;
}

}  // namespace

void resetImageAccess(Globals& g) { g.image = ImageAccess{}; }

int pixelBytes() {
    const Globals* g = qqgglb();
    return g && g->image.rgb ? 3 : 1;
}

bool pixelAreaInside(long long x, long long y, long long width, long long height) {
    const Globals* g = qqgglb();
    if (!g) return false;
    const PixelSurface& r = g->surface;
    return x >= 0 && y >= 0 && width >= 1 && height >= 1 && x + width <= r.width && y + height <= r.height;
}

void imgini() {
    Globals* g = jqqlev(1, 3, "imgini");
    if (!g) return;
    if (!deviceCan(g->ctl.device, kPixelSurface) || !g->surface.exists()) {
        warnin(Warning::FormatDeviceMismatch);
        return;
    }
    if (g->image.open) {
        warnin(Warning::NoImgfin);
        return;
    }
    qqstrk(*g);
    g->image.open = 1;
}

void imgfin() {
    Globals* g = jqqlev(1, 3, "imgfin");
    if (!g) return;
    if (!g->image.open) {
        warnin(Warning::NoImgini);
        return;
    }
    g->image.open = 0;
}

void imgmod(const char* mode) {
    Globals* g = jqqlev(1, 3, "imgmod");
    if (!g) return;
    int i = jqqind("INDE+IND +RGB ", 3, mode);
    if (i) g->image.rgb = i == 3;
}

void imgbox(int x, int y, int width, int height) {
    Globals* g = jqqlev(1, 3, "imgbox");
    if (!g) return;
    if (x < 0 || y < 0) {
        warni1(Warning::IncorrectParameter, x < y ? x : y);
        return;
    }
    if (!positive(width, height)) return;
    g->image.boxSet = 1;
    g->image.boxX = x, g->image.boxY = y, g->image.boxW = width, g->image.boxH = height;
}

void imgsiz(int width, int height) {
    Globals* g = jqqlev(1, 3, "imgsiz");
    if (!g || !positive(width, height)) return;
    if (width > kMaxPictureSide || height > kMaxPictureSide) {
        warni1(Warning::IncorrectParameter, std::max(width, height));
        return;
    }
    g->image.sizeSet = 1;
    g->image.sizeW = width, g->image.sizeH = height;
}

int rpixel(int x, int y) {
    Globals* g = accessOpen("rpixel");
    if (!g || !inside(g->surface, x, y, 1, 1)) return -1;
    unsigned char index = 0;
    g->surface.readRows(&index, x, y, 1, 1);
    return index;
}

void wpixel(int x, int y, int colour) {
    Globals* g = accessOpen("wpixel");
    if (!g || jqqval(colour, 0, 255) || !inside(g->surface, x, y, 1, 1)) return;
    g->surface.putPixel(x, y, g->surface.indexColour(colour));
}

void rpxrow(unsigned char* buffer, int x, int y, int n) {
    Globals* g = accessOpen("rpxrow");
    if (!g || jqqval(n, 1, -1) || !inside(g->surface, x, y, n, 1)) return;
    g->surface.readRows(buffer, x, y, g->image.rgb ? -n : n, 1);
}

void wpxrow(const unsigned char* buffer, int x, int y, int n) {
    Globals* g = accessOpen("wpxrow");
    if (!g || jqqval(n, 1, -1) || !inside(g->surface, x, y, n, 1)) return;
    g->surface.writeRow(buffer, x, y, g->image.rgb ? -n : n);
}

void rpixls(unsigned char* buffer, int x, int y, int width, int height) {
    Globals* g = accessOpen("rpixls");
    if (!g || !positive(width, height) || !inside(g->surface, x, y, width, height)) return;
    g->surface.readRows(buffer, x, y, g->image.rgb ? -width : width, height);
}

void wpixls(const unsigned char* buffer, int x, int y, int width, int height) {
    Globals* g = accessOpen("wpixls");
    if (!g || !positive(width, height) || !inside(g->surface, x, y, width, height)) return;
    const std::size_t rowBytes = std::size_t(width) * std::size_t(pixelBytes());
    for (int row = 0; row < height; ++row)
        g->surface.writeRow(buffer + std::size_t(row) * rowBytes, x, y + row, g->image.rgb ? -width : width);
}

}  // namespace vtx
