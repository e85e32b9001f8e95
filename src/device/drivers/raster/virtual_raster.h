// The virtual raster: the in-memory picture of the raster devices, one per
// process. Pixels are colour indices (1 byte) or red, green, blue (3 bytes);
// rows start at 4-byte boundaries, row 0 at the top, so that the image
// writers can take the rows as they are.
#pragma once

#include <cstddef>
#include <cstdint>

#include "device/drivers/raster/image_writers.h"

namespace vtx {

struct VirtualRaster {
    int width = 0, height = 0;
    int bytesPerPixel = 1;
    std::size_t stride = 0;
    unsigned char* pixels = nullptr;       // stride × height bytes; null when no raster exists
    unsigned char palette[256][3] = {};    // copied from the colour table on every table change
    int paletteEntries = 256;              // colours of the table kind: 9, 16 or 256
    int colour = 0;                        // current colour index and its bytes
    unsigned char rgb[3] = {};
    int clipX1 = 0, clipY1 = 0, clipX2 = -1, clipY2 = -1;  // inclusive, inside the raster
    int reverse = 0;                       // reverse screen mode: RGB rasters start white
    int penX = 0, penY = 0;                // device position of the next draw

    bool exists() const { return pixels != nullptr; }
    bool rgbMode() const { return bytesPerPixel == 3; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    unsigned char* at(int x, int y) const {
        return pixels + std::size_t(y) * stride + std::size_t(x) * std::size_t(bytesPerPixel);
    }
};

VirtualRaster& virtualRaster();

// Creates the raster: w × h pixels, or without a given size 853 × 603 for a
// landscape page (pageW > pageH) and 603 × 853 otherwise. Returns 1 if the
// pixels cannot be allocated (the raster then does not exist), else 0.
int qqvini(int pageW, int pageH, int w, int h, int sizeGiven, int screenMode, int rgb);

// Current colour n (mod 256) with its bytes from the palette.
void qqvclr(int n);

// Copies a colour table (entries red·65536 + green·256 + blue) into the palette.
void qqvvlt(int kind, const std::uint32_t table[256]);

// Line of the current colour, both ends included.
void qqvlin(int x1, int y1, int x2, int y2);

// Fills the rectangle with corners (x1, y1), (x2, y2), both included, with
// colour n, inside the clip rectangle.
void qqvfll(int x1, int y1, int x2, int y2, int n);

// One pixel of colour n mod 256; ignored outside the raster.
void qqvwpx(int x, int y, int n);

// Writes a row from (x, y): n > 0 colour indices, n < 0 |n| red, green, blue
// triples. Pixels outside the raster are skipped.
void qqvrow(const unsigned char* buffer, int x, int y, int n);

// Reads `rows` rows of |n| pixels from (x, y) into the buffer: n < 0 as RGB
// triples, n > 0 as colour indices. Pixels outside the raster read as 0.
void qqvrdr(unsigned char* buffer, int x, int y, int n, int rows);

// Clears the pixels as at creation.
void clearVirtualRaster();

// Sets the clip rectangle, limited to the raster.
void setRasterClip(int x1, int y1, int x2, int y2);

// Releases the pixels.
void qqvfin();

// The raster as the image writers take it (pixels are not copied).
RasterPicture virtualRasterPicture();

}  // namespace vtx
