// Image file writers of the raster devices: PNG, GIF, BMP, TIFF, PPM and the
// library's own raster format.
//
// The raster device (or the window, for a screen copy) describes its picture
// with a RasterPicture and calls writeImageFile at termination, or
// writePngToMemory for a PNG kept in the caller's memory.  Every setting that
// changes the bytes is part of the description; the writers keep no state of
// their own.  They report a status and never warn: the caller turns statuses
// into warnings.
#pragma once

#include <cstddef>

#include "device/drivers/raster/byte_order.h"

namespace vtx {

enum ImageStatus : int {
    kImageOk = 0,
    kImageCannotOpen = -1,      // the file cannot be opened (or written)
    kImageNoMemory = -2,
    kImageZlibInitFailed = -3,
    kImageZlibDeflateFailed = -4,  // deflate did not reach the end of the stream
    kImageZlibEndFailed = -5,
    kImageBufferTooSmall = -6,  // writePngToMemory: the PNG does not fit
    kImageBadPicture = -7,      // the description itself is unusable
    kImageTooLarge = -8,        // the format's header cannot hold the picture's size
};

// Format numbers as the raster devices use them: device number − 600.
enum ImageFileFormat : int {
    kImageTiff = 1,
    kImageRaw = 2,
    kImagePng = 4,
    kImagePpm = 5,
    kImageBmp = 6,
    kImageGif = 7,
};

struct ImageFileOptions {
    bool pngTransparent = false;  // PNG: background transparent (tRNS)
    bool gifTransparent = false;  // GIF: GIF89a with the background index transparent
    int tiffResolution = 100;     // TIFF X and Y resolution
    int tiffResolutionUnit = 2;   // TIFF: 2 per inch, 3 per centimetre
    bool windowImage = false;     // own raster format: picture comes from the window
};

struct RasterPicture {
    int width = 0;
    int height = 0;
    std::size_t stride = 0;       // bytes from the start of one row to the next
    int bytesPerPixel = 1;        // 1: colour indices, 3: red, green, blue
    const unsigned char* pixels = nullptr;  // stride × height bytes, row 0 at the top
    unsigned char palette[256][3] = {};     // red, green, blue per colour index
    int paletteEntries = 256;     // colours of the table: 9, 16 or 256 (PNG PLTE, BMP)
    int backgroundIndex = 0;      // GIF screen background and transparent index
    ImageFileOptions options;

    bool isRgb() const { return bytesPerPixel == 3; }
    std::size_t rowBytes() const { return std::size_t(width) * std::size_t(bytesPerPixel); }
    const unsigned char* row(int y) const { return pixels + std::size_t(y) * stride; }
};

// Writes the picture to a file in the given format; returns an ImageStatus.
// A partly written file is left in place.
int writeImageFile(const RasterPicture& picture, const char* path, ImageFileFormat format);

// Builds the PNG in memory.  With capacity 0 only the size is measured.
// `size` receives the size of the whole PNG in every case; when it exceeds a
// non-zero capacity nothing is copied and the result is kImageBufferTooSmall.
int writePngToMemory(const RasterPicture& picture, unsigned char* dest,
                     std::size_t capacity, std::size_t& size);

// The encoders: each appends one whole file to `out`, draining it between
// rows when `out` has a file.  They return an ImageStatus and catch their own
// allocation failures.
int encodePng(const RasterPicture& picture, OutputBuffer& out);
int encodeGif(const RasterPicture& picture, OutputBuffer& out);
int encodeBmp(const RasterPicture& picture, OutputBuffer& out);
int encodeTiff(const RasterPicture& picture, OutputBuffer& out);
int encodePpm(const RasterPicture& picture, OutputBuffer& out);
int encodeRaw(const RasterPicture& picture, OutputBuffer& out);

// The palette entry closest to a colour: smallest sum of absolute component
// differences, lowest index on ties.  GIF uses it for pictures in RGB mode.
int nearestPaletteIndex(const unsigned char (&palette)[256][3], int red, int green, int blue);

// Number of palette entries a file lists: paletteEntries limited to 1..256.
int listedPaletteEntries(const RasterPicture& picture);

bool isUsablePicture(const RasterPicture& picture);

// Whether the size fields of the format can describe the picture: GIF sides
// are 16-bit, BMP and TIFF files address their bytes with 32-bit sizes.
bool fitsImageFormat(const RasterPicture& picture, ImageFileFormat format);

}  // namespace vtx
