// Saving the current picture of a raster device to a file of a chosen format
// (rpng, rbmp, rgif, rppm, rtiff, rimage) and, as a PNG, to the caller's
// memory (rbfpng).
#include <algorithm>
#include <climits>
#include <new>
#include <vector>

#include "session/globals.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/drivers/raster/api.h"
#include "device/drivers/raster/image_access.h"
#include "device/drivers/raster/raster_files.h"
#include "device/pipeline.h"

namespace vtx {

Globals* currentPicture(const char* name) {
    Globals* g = jqqlev(1, 3, name);
    if (!g) return nullptr;
    if (!deviceCan(g->ctl.device, kPixelSurface) || !g->surface.exists()) {
        warnin(Warning::FormatDeviceMismatch);
        return nullptr;
    }
    qqstrk(*g);
    return g;
}

namespace {

RasterPicture wholeRaster(const Globals& g) {
    RasterPicture p = surfacePicture(g.surface);
    p.options = imageFileOptions(g);
    p.backgroundIndex = g.colour.background;
    return p;
}

// Restricts the picture to the imgbox rectangle, clipped to the raster; the
// rows stay where they are. False if the box lies wholly outside.
bool applyBox(RasterPicture& p, const ImageAccess& a, const PixelSurface& r) {
    if (!a.boxSet) return true;
    if (a.boxX >= r.width || a.boxY >= r.height) return false;
    p.pixels = r.at(a.boxX, a.boxY);
    p.width = int(std::min<long>(a.boxW, long(r.width) - a.boxX));
    p.height = int(std::min<long>(a.boxH, long(r.height) - a.boxY));
    return true;
}

// Nearest-neighbour copy of the picture at the imgsiz size into `pixels`.
void scalePicture(RasterPicture& p, const ImageAccess& a, std::vector<unsigned char>& pixels) {
    const int bpp = p.bytesPerPixel;
    const std::size_t stride = (std::size_t(a.sizeW) * std::size_t(bpp) + 3) & ~std::size_t(3);
    pixels.assign(stride * std::size_t(a.sizeH), 0);
    for (int y = 0; y < a.sizeH; ++y) {
        const unsigned char* source = p.row(int(static_cast<long long>(y) * p.height / a.sizeH));
        unsigned char* row = pixels.data() + std::size_t(y) * stride;
        for (int x = 0; x < a.sizeW; ++x) {
            const unsigned char* s = source + std::size_t(static_cast<long long>(x) * p.width / a.sizeW) * std::size_t(bpp);
            for (int k = 0; k < bpp; ++k) row[std::size_t(x) * std::size_t(bpp) + std::size_t(k)] = s[k];
        }
    }
    p.pixels = pixels.data();
    p.width = a.sizeW, p.height = a.sizeH, p.stride = stride;
}

void savePicture(const char* name, const char* file, int format) {
    Globals* g = currentPicture(name);
    if (!g) return;
    const ImageAccess& access = g->image;
    RasterPicture picture = wholeRaster(*g);
    if (!applyBox(picture, access, g->surface)) {
        warnin(Warning::ArrayOutOfScreen);
        return;
    }
    std::vector<unsigned char> scaled;
    if (access.sizeSet) {
        try {
            scalePicture(picture, access, scaled);
        } catch (const std::bad_alloc&) {
            warnin(Warning::NoMemory);
            return;
        }
    }
    writePictureFile(picture, file, format);
}

}  // namespace

void rpng(const char* file) { savePicture("rpng", file, kImagePng); }
void rbmp(const char* file) { savePicture("rbmp", file, kImageBmp); }
void rgif(const char* file) { savePicture("rgif", file, kImageGif); }
void rppm(const char* file) { savePicture("rppm", file, kImagePpm); }
void rtiff(const char* file) { savePicture("rtiff", file, kImageTiff); }
void rimage(const char* file) { savePicture("rimage", file, kImageRaw); }

int rbfpng(unsigned char* buffer, int size) {
    Globals* g = currentPicture("rbfpng");
    if (!g) return 0;
    if (size < 0 || (size > 0 && !buffer)) {
        warni1(Warning::IncorrectParameter, size);
        return 0;
    }
    std::size_t total = 0;
    const int status = writePngToMemory(wholeRaster(*g), buffer, std::size_t(size), total);
    if (status == kImageBufferTooSmall) {
        warnText(101, "Buffer too small for PNG file");
        return 0;
    }
    if (status != kImageOk) {
        if (status == kImageNoMemory) {
            warnin(Warning::NonPositiveParameter);
        } else {
            warnText(101, "ZLIB error");
        }
        return 0;
    }
    return total > std::size_t(INT_MAX) ? 0 : int(total);
}

}  // namespace vtx
