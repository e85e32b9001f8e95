#include "device/drivers/raster/raster_files.h"

#include <cstring>

#include "core/devices.h"
#include "core/messages.h"

namespace vtx {

ImageFileOptions imageFileOptions(const Globals& g) {
    ImageFileOptions o;
    o.pngTransparent = g.out.pngMode & 1;
    o.gifTransparent = g.out.gifMode & 1;
    o.tiffResolution = g.out.tiffRes;
    o.tiffResolutionUnit = g.out.tiffUnit == 1 ? 3 : 2;
    o.windowImage = deviceClass(g.ctl.device) == DeviceClass::Screen;
    return o;
}

int writePictureFile(const RasterPicture& picture, const char* file, int format) {
    const int status = writeImageFile(picture, file, ImageFileFormat(format));
    switch (status) {
        case kImageOk: break;
        case kImageCannotOpen: warnc1(Warning::FileError, file); break;
        case kImageNoMemory: warnin(Warning::NonPositiveParameter); break;
        case kImageTooLarge:
            warnText(101, "Picture too large for the file format");
            break;
        case kImageZlibInitFailed:
        case kImageZlibDeflateFailed:
        case kImageZlibEndFailed:
            warnText(101, "ZLIB error");
            break;
        default: warnin(Warning::IncorrectFileFormat); break;  // no picture or no such format
    }
    return status;
}

RasterPicture surfacePicture(const PixelSurface& s) {
    RasterPicture p;
    p.width = s.width;
    p.height = s.height;
    p.stride = s.stride;
    p.bytesPerPixel = s.bytesPerPixel;
    p.pixels = s.pixels.get();
    std::memcpy(p.palette, s.palette, sizeof p.palette);
    p.paletteEntries = s.paletteEntries;
    return p;
}

int qqrfil(Globals& g, const char* file, int format) {
    RasterPicture picture = surfacePicture(g.surface);
    picture.options = imageFileOptions(g);
    picture.backgroundIndex = g.colour.background;
    return writePictureFile(picture, file, format);
}

}  // namespace vtx
