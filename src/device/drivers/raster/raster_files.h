// Writing the raster to an image file, with the statuses turned into warnings.
#pragma once

#include "session/globals.h"
#include "device/drivers/raster/image_writers.h"

namespace vtx {

// The settings of pngmod, gifmod and tifmod as the writers take them.
ImageFileOptions imageFileOptions(const Globals& g);

// Writes a picture to the file in the format (1 TIFF, 2 own, 4 PNG, 5 PPM,
// 6 BMP, 7 GIF); status -1 gives warning 36, -2 warning 51, a zlib failure
// warning 101 "ZLIB error". Returns the status.
int writePictureFile(const RasterPicture& picture, const char* file, int format);

// The pixels of a surface as the image writers take them (not copied).
RasterPicture surfacePicture(const PixelSurface& s);

// The record's surface to the file, as the raster devices do at vtxfin.
int qqrfil(Globals& g, const char* file, int format);

}  // namespace vtx
