// Image file readers: PNG (libpng), GIF (giflib), TIFF (libtiff), BMP, PPM
// and the library's own raster format, told apart by their first bytes.
// They report an ImageStatus and never warn: the caller warns.
#pragma once

#include <cstdint>

#include "device/drivers/raster/image_writers.h"
#include "device/image_rgb.h"

namespace vtx {

// The largest image read, in pixels; larger files count as unreadable.
constexpr std::uint64_t kMaxImagePixels = std::uint64_t(1) << 26;

// Reads any of the formats into `image` as red, green, blue bytes. Colour
// indices of the own format go through `table` (entries red·65536 +
// green·256 + blue); with a null table they are kept as indices.
int readImageFile(const char* path, ImageRGB& image, const std::uint32_t* table);

// Whether the first bytes of the file are those of an image format read
// here; false for a missing file too.
bool isImageFile(const char* path);

// The readers of single formats, as wimage and wtiff use them.
int readOwnRaster(const char* path, ImageRGB& image, const std::uint32_t* table);
int readTiff(const char* path, ImageRGB& image);

}  // namespace vtx
