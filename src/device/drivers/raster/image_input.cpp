// Images read from files into the current picture: wimage reads the
// library's own raster format (as rimage writes it), wtiff a TIFF file
// through libtiff. The image's upper left corner goes to the tiforg point
// (the page's upper left corner by default) and only the part inside the
// tifwin rectangle and the picture is drawn.
#include <algorithm>
#include <cstring>

#include "core/checks.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/raster/api.h"
#include "device/drivers/raster/image_access.h"
#include "device/drivers/raster/image_readers.h"
#include "device/pipeline.h"
#include "session/globals.h"

namespace vtx {

namespace {

// Where the image goes on the picture, in pixels, and the pixels it may cover.
struct Placement {
    int x = 0, y = 0;                    // the image's upper left pixel
    int clipX1 = 0, clipY1 = 0, clipX2 = -1, clipY2 = -1;  // inclusive
};

Placement placement(const Globals& g) {
    const ImageAccess& a = g.image;
    const PixelSurface& s = g.surface;
    Placement p;
    p.clipX2 = s.width - 1, p.clipY2 = s.height - 1;
    if (a.orgSet) {
        const DevicePoint o = windowPoint(g, float(a.orgX), float(a.orgY));
        p.x = int(o.x), p.y = int(o.y);
    }
    if (a.clipSet) {
        const DevicePoint c1 = windowPoint(g, float(a.clipX), float(a.clipY));
        const DevicePoint c2 = windowPoint(g, float(a.clipX) + float(a.clipW) - 1.0f, float(a.clipY) + float(a.clipH) - 1.0f);
        p.clipX1 = std::max(p.clipX1, int(std::min(c1.x, c2.x)));
        p.clipY1 = std::max(p.clipY1, int(std::min(c1.y, c2.y)));
        p.clipX2 = std::min(p.clipX2, int(std::max(c1.x, c2.x)));
        p.clipY2 = std::min(p.clipY2, int(std::max(c1.y, c2.y)));
    }
    return p;
}

// One image row of n pixels, colour indices (bytes 1) or red, green, blue
// (bytes 3, or 4 with a fourth byte ignored), into row `row` of the image.
void drawRow(PixelSurface& s, const Placement& p, int row, const unsigned char* pixels, int n, int bytes) {
    const int y = p.y + row;
    if (y < p.clipY1 || y > p.clipY2) return;
    const int first = std::max(0, p.clipX1 - p.x), last = std::min(n - 1, p.clipX2 - p.x);
    for (int i = first; i <= last; ++i) {
        const unsigned char* q = pixels + std::size_t(i) * std::size_t(bytes);
        const SurfaceColour c = bytes == 1 ? s.indexColour(q[0]) : s.rgbColour(q[0], q[1], q[2]);
        std::memcpy(s.at(p.x + i, y), c.bytes, std::size_t(s.bytesPerPixel));
    }
}

// Draws a decoded image (colour indices or red, green, blue) at the placement.
bool drawImage(Globals& g, const ImageRGB& image, int status) {
    if (status != kImageOk) return false;
    const Placement p = placement(g);
    for (int y = 0; y < image.height; ++y)
        drawRow(g.surface, p, y, image.pixel(0, y), image.width, image.bytesPerPixel);
    return true;
}

// Reads a file of the own raster format; false if it is missing or not one.
bool readOwnImage(Globals& g, const char* file) {
    ImageRGB image;
    return drawImage(g, image, readOwnRaster(file, image, nullptr));
}

bool readTiffImage(Globals& g, const char* file) {
    ImageRGB image;
    return drawImage(g, image, readTiff(file, image));
}

void drawImageFile(const char* name, const char* file, bool (*read)(Globals&, const char*)) {
    Globals* g = currentPicture(name);
    if (!g) return;
    if (!read(*g, file)) warnin(Warning::FileError);
}

}  // namespace

void wimage(const char* file) { drawImageFile("wimage", file, readOwnImage); }
void wtiff(const char* file) { drawImageFile("wtiff", file, readTiffImage); }

void tiforg(int x, int y) {
    Globals* g = jqqlev(1, 3, "tiforg");
    if (!g) return;
    g->image.orgSet = 1;
    // The page origin turns y for pagorg BOTT; any int stays representable.
    g->image.orgX = x, g->image.orgY = roundToInt(jqqyvl(*g, float(y)));
}

void tifwin(int x, int y, int width, int height) {
    Globals* g = jqqlev(1, 3, "tifwin");
    if (!g) return;
    if (width < 1 || height < 1) {
        warni1(Warning::IncorrectParameter, std::min(width, height));
        return;
    }
    ImageAccess& a = g->image;
    a.clipSet = 1;
    a.clipX = x, a.clipY = roundToInt(jqqyvl(*g, float(y))), a.clipW = width, a.clipH = height;
}

}  // namespace vtx
