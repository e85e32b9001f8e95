#include "device/drivers/raster/raster_files.h"

#include "core/messages.h"
#include "device/drivers/raster/virtual_raster.h"

namespace vtx {

ImageFileOptions imageFileOptions(const Globals& g) {
    ImageFileOptions o;
    o.pngTransparent = g.out.pngMode & 1;
    o.gifTransparent = g.out.gifMode & 1;
    o.tiffResolution = g.out.tiffRes;
    o.tiffResolutionUnit = g.out.tiffUnit == 1 ? 3 : 2;
    return o;
}

int writePictureFile(const RasterPicture& picture, const char* file, int format) {
    const int status = writeImageFile(picture, file, ImageFileFormat(format));
    switch (status) {
        case kImageOk: break;
        case kImageCannotOpen: warnc1(36, file); break;
        case kImageNoMemory: warnin(51); break;
        case kImageTooLarge:
            qqserr("Picture too large for the file format");
            warnin(101);
            break;
        case kImageZlibInitFailed:
        case kImageZlibDeflateFailed:
        case kImageZlibEndFailed:
            qqserr("ZLIB error");
            warnin(101);
            break;
        default: warnin(56); break;  // no picture or no such format
    }
    return status;
}

int qqrfil(Globals& g, const char* file, int format) {
    RasterPicture picture = virtualRasterPicture();
    picture.options = imageFileOptions(g);
    picture.backgroundIndex = g.colour.background;
    return writePictureFile(picture, file, format);
}

}  // namespace vtx
