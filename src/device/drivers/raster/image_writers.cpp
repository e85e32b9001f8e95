#include "device/drivers/raster/image_writers.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace vtx {

bool isUsablePicture(const RasterPicture& picture) {
    return picture.width > 0 && picture.height > 0 && picture.pixels != nullptr &&
           (picture.bytesPerPixel == 1 || picture.bytesPerPixel == 3) &&
           picture.stride >= picture.rowBytes();
}

bool fitsImageFormat(const RasterPicture& picture, ImageFileFormat format) {
    // Pixel bytes with rows padded to four bytes, plus room for headers and a palette.
    const unsigned long long padded = (static_cast<unsigned long long>(picture.rowBytes()) + 3) & ~3ULL;
    const unsigned long long fileBytes = padded * static_cast<unsigned long long>(picture.height) + 4096;
    switch (format) {
        case kImageGif: return picture.width <= 65535 && picture.height <= 65535;
        case kImageBmp:
        case kImageTiff: return fileBytes <= 0xFFFFFFFFULL;
        default: return true;
    }
}

int listedPaletteEntries(const RasterPicture& picture) {
    if (picture.paletteEntries < 1) return 1;
    if (picture.paletteEntries > 256) return 256;
    return picture.paletteEntries;
}

int nearestPaletteIndex(const unsigned char (&palette)[256][3], int red, int green, int blue) {
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        int distance = std::abs(palette[i][0] - red) + std::abs(palette[i][1] - green) +
                       std::abs(palette[i][2] - blue);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0) break;
        }
    }
    return best;
}

int writeImageFile(const RasterPicture& picture, const char* path, ImageFileFormat format) {
    if (!isUsablePicture(picture)) return kImageBadPicture;
    int (*encode)(const RasterPicture&, OutputBuffer&) = nullptr;
    switch (format) {
        case kImageTiff: encode = encodeTiff; break;
        case kImageRaw: encode = encodeRaw; break;
        case kImagePng: encode = encodePng; break;
        case kImagePpm: encode = encodePpm; break;
        case kImageBmp: encode = encodeBmp; break;
        case kImageGif: encode = encodeGif; break;
    }
    if (encode == nullptr) return kImageBadPicture;
    if (!fitsImageFormat(picture, format)) return kImageTooLarge;

    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return kImageCannotOpen;
    int status;
    {
        OutputBuffer out(file);
        status = encode(picture, out);
        if (!out.drain() && status == kImageOk) status = kImageCannotOpen;
    }
    if (std::fclose(file) != 0 && status == kImageOk) status = kImageCannotOpen;
    return status;
}

int writePngToMemory(const RasterPicture& picture, unsigned char* dest,
                     std::size_t capacity, std::size_t& size) {
    size = 0;
    if (!isUsablePicture(picture)) return kImageBadPicture;
    OutputBuffer out;
    int status = encodePng(picture, out);
    if (status != kImageOk) return status;
    size = out.size();
    if (capacity == 0) return kImageOk;
    if (size > capacity || dest == nullptr) return kImageBufferTooSmall;
    std::memcpy(dest, out.data(), size);
    return kImageOk;
}

}  // namespace vtx
