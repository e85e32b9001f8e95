// Image file readers. PNG, GIF and TIFF go through their libraries; BMP, PPM
// and the own raster format are small enough to read here, with every
// multi-byte field read in the byte order its format fixes.
#include "device/drivers/raster/image_readers.h"

#include <gif_lib.h>
#include <png.h>
#include <tiffio.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

namespace vtx {

namespace {

struct CloseFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

enum class Format { Unknown, Png, Gif, Bmp, Ppm, Tiff, Own };

Format sniff(const unsigned char* b, std::size_t n) {
    if (n >= 8 && std::memcmp(b, "\x89PNG\r\n\x1a\n", 8) == 0) return Format::Png;
    if (n >= 6 && (std::memcmp(b, "GIF87a", 6) == 0 || std::memcmp(b, "GIF89a", 6) == 0)) return Format::Gif;
    if (n >= 4 && (std::memcmp(b, "II*\0", 4) == 0 || std::memcmp(b, "MM\0*", 4) == 0)) return Format::Tiff;
    if (n >= 7 && std::memcmp(b, "!Bitmap", 7) == 0) return Format::Own;
    if (n >= 2 && b[0] == 'B' && b[1] == 'M') return Format::Bmp;
    if (n >= 2 && b[0] == 'P' && (b[1] == '2' || b[1] == '3' || b[1] == '5' || b[1] == '6')) return Format::Ppm;
    return Format::Unknown;
}

Format sniffFile(const char* path) {
    File f(std::fopen(path, "rb"));
    if (!f) return Format::Unknown;
    unsigned char b[8] = {};
    return sniff(b, std::fread(b, 1, sizeof b, f.get()));
}

bool sizeAllowed(std::uint64_t w, std::uint64_t h) { return w >= 1 && h >= 1 && w * h <= kMaxImagePixels; }

void allocate(ImageRGB& image, int w, int h, int bytes) {
    image.width = w, image.height = h, image.bytesPerPixel = bytes;
    image.pixels.assign(std::size_t(w) * std::size_t(h) * std::size_t(bytes), 0);
}

bool readWholeFile(const char* path, std::vector<unsigned char>& bytes) {
    File f(std::fopen(path, "rb"));
    if (!f) return false;
    unsigned char chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
    return !std::ferror(f.get());
}

std::uint32_t le16(const unsigned char* p) { return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8; }
std::uint32_t le32(const unsigned char* p) { return le16(p) | le16(p + 2) << 16; }

int readPng(const char* path, ImageRGB& image) {
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path)) return kImageBadPicture;
    if (!sizeAllowed(png.width, png.height)) {
        png_image_free(&png);
        return kImageTooLarge;
    }
    png.format = PNG_FORMAT_RGB;
    allocate(image, int(png.width), int(png.height), 3);
    // Transparent parts come out on white paper.
    const png_color white = {255, 255, 255};
    const bool ok = png_image_finish_read(&png, &white, image.pixels.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return ok ? kImageOk : kImageBadPicture;
}

// The first image of the file on the logical screen, filled with the
// background colour; transparent pixels keep what lies below them.
int readGif(const char* path, ImageRGB& image) {
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path, &error);
    if (!gif) return kImageBadPicture;
    int status = kImageOk;
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount < 1) status = kImageBadPicture;
    const SavedImage* frame = status == kImageOk ? &gif->SavedImages[0] : nullptr;
    const ColorMapObject* map = frame ? (frame->ImageDesc.ColorMap ? frame->ImageDesc.ColorMap : gif->SColorMap) : nullptr;
    if (frame && (!map || !frame->RasterBits)) status = kImageBadPicture;
    if (status == kImageOk && !sizeAllowed(std::uint64_t(gif->SWidth), std::uint64_t(gif->SHeight)))
        status = kImageTooLarge;
    if (status == kImageOk) {
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        for (int i = 0; i < frame->ExtensionBlockCount; ++i)
            if (frame->ExtensionBlocks[i].Function == GRAPHICS_EXT_FUNC_CODE)
                DGifExtensionToGCB(frame->ExtensionBlocks[i].ByteCount, frame->ExtensionBlocks[i].Bytes, &gcb);
        allocate(image, gif->SWidth, gif->SHeight, 3);
        const ColorMapObject* screen = gif->SColorMap ? gif->SColorMap : map;
        const GifColorType back = gif->SBackGroundColor < screen->ColorCount ? screen->Colors[gif->SBackGroundColor]
                                                                            : GifColorType{255, 255, 255};
        for (std::size_t i = 0; i < image.pixels.size(); i += 3)
            image.pixels[i] = back.Red, image.pixels[i + 1] = back.Green, image.pixels[i + 2] = back.Blue;
        const GifImageDesc& d = frame->ImageDesc;
        for (int y = 0; y < d.Height; ++y) {
            for (int x = 0; x < d.Width; ++x) {
                const int px = d.Left + x, py = d.Top + y;
                const int index = frame->RasterBits[std::size_t(y) * std::size_t(d.Width) + std::size_t(x)];
                if (px >= image.width || py >= image.height || index == gcb.TransparentColor) continue;
                if (index >= map->ColorCount) continue;
                unsigned char* p = image.pixels.data() + (std::size_t(py) * std::size_t(image.width) + std::size_t(px)) * 3;
                p[0] = map->Colors[index].Red, p[1] = map->Colors[index].Green, p[2] = map->Colors[index].Blue;
            }
        }
    }
    DGifCloseFile(gif, &error);
    return status;
}

// Uncompressed BMP of 8, 24 or 32 bits per pixel, rows bottom-up (or
// top-down with a negative height), each padded to four bytes.
int readBmp(const char* path, ImageRGB& image) {
    std::vector<unsigned char> b;
    if (!readWholeFile(path, b)) return kImageCannotOpen;
    if (b.size() < 54) return kImageBadPicture;
    const std::uint32_t dataOffset = le32(&b[10]), headerSize = le32(&b[14]);
    const std::int32_t w = std::int32_t(le32(&b[18])), rawHeight = std::int32_t(le32(&b[22]));
    const std::uint32_t bits = le16(&b[28]), compression = le32(&b[30]);
    std::uint32_t colours = le32(&b[46]);
    if (headerSize < 40 || compression != 0 || (bits != 8 && bits != 24 && bits != 32)) return kImageBadPicture;
    if (w < 1 || rawHeight == 0 || rawHeight == INT32_MIN) return kImageBadPicture;
    const std::int64_t h = rawHeight < 0 ? -std::int64_t(rawHeight) : rawHeight;
    if (!sizeAllowed(std::uint64_t(w), std::uint64_t(h))) return kImageTooLarge;
    if (bits == 8 && (colours == 0 || colours > 256)) colours = 256;
    const std::uint64_t paletteAt = 14 + std::uint64_t(headerSize);
    if (bits == 8 && paletteAt + 4 * std::uint64_t(colours) > b.size()) return kImageBadPicture;
    const std::uint64_t stride = (std::uint64_t(w) * bits / 8 + 3) & ~std::uint64_t(3);
    if (std::uint64_t(dataOffset) + stride * std::uint64_t(h) > b.size()) return kImageBadPicture;
    allocate(image, w, int(h), 3);
    for (int y = 0; y < image.height; ++y) {
        const int fileRow = rawHeight < 0 ? y : image.height - 1 - y;
        const unsigned char* src = b.data() + dataOffset + stride * std::uint64_t(fileRow);
        unsigned char* dst = image.pixels.data() + std::size_t(y) * std::size_t(w) * 3;
        for (int x = 0; x < w; ++x, dst += 3) {
            const unsigned char* p;
            if (bits == 8) {
                const unsigned index = src[x] < colours ? src[x] : 0;
                p = b.data() + paletteAt + 4 * index;
            } else {
                p = src + std::size_t(x) * (bits / 8);
            }
            dst[0] = p[2], dst[1] = p[1], dst[2] = p[0];
        }
    }
    return kImageOk;
}

// The next number of a PNM header, comments skipped; -1 if there is none.
long pnmNumber(const std::vector<unsigned char>& b, std::size_t& at) {
    for (;;) {
        while (at < b.size() && std::strchr(" \t\r\n", b[at]) && b[at]) ++at;
        if (at < b.size() && b[at] == '#') {
            while (at < b.size() && b[at] != '\n') ++at;
            continue;
        }
        break;
    }
    long v = -1;
    while (at < b.size() && b[at] >= '0' && b[at] <= '9') {
        v = (v < 0 ? 0 : v) * 10 + (b[at++] - '0');
        if (v > 1000000000) return -1;
    }
    return v;
}

// Portable pixmaps and graymaps, binary (P6, P5) or plain (P3, P2).
int readPpm(const char* path, ImageRGB& image) {
    std::vector<unsigned char> b;
    if (!readWholeFile(path, b)) return kImageCannotOpen;
    if (b.size() < 2) return kImageBadPicture;
    const char kind = char(b[1]);
    const bool colour = kind == '3' || kind == '6', binary = kind == '5' || kind == '6';
    std::size_t at = 2;
    const long w = pnmNumber(b, at), h = pnmNumber(b, at), maxval = pnmNumber(b, at);
    if (w < 1 || h < 1 || maxval < 1 || maxval > 65535) return kImageBadPicture;
    if (!sizeAllowed(std::uint64_t(w), std::uint64_t(h))) return kImageTooLarge;
    const std::size_t samples = std::size_t(w) * std::size_t(h) * (colour ? 3 : 1);
    const std::size_t sampleBytes = maxval > 255 ? 2 : 1;
    ++at;  // the single white-space character before binary samples
    if (binary && (at > b.size() || b.size() - at < samples * sampleBytes)) return kImageBadPicture;
    allocate(image, int(w), int(h), 3);
    for (std::size_t i = 0; i < samples; ++i) {
        long v;
        if (!binary) {
            if (i == 0) --at;
            v = pnmNumber(b, at);
            if (v < 0 || v > maxval) return kImageBadPicture;
        } else if (sampleBytes == 2) {
            v = long(b[at + 2 * i]) << 8 | b[at + 2 * i + 1];
        } else {
            v = b[at + i];
        }
        const unsigned char c = static_cast<unsigned char>((v * 255 + maxval / 2) / maxval);
        if (colour) image.pixels[i] = c;
        else image.pixels[3 * i] = image.pixels[3 * i + 1] = image.pixels[3 * i + 2] = c;
    }
    return kImageOk;
}

// libtiff reports through handlers that print; the library warns instead.
void silentTiff(const char*, const char*, va_list) {}

}  // namespace

// The own raster format: an 80-byte text header ("!Bitmap", then width,
// height, 8, bytes per row and bits per pixel from byte 20), then the rows
// from the top, colour indices (8 bits) or red, green, blue (24, or 32 with
// a fourth byte ignored).
int readOwnRaster(const char* path, ImageRGB& image, const std::uint32_t* table) {
    File f(std::fopen(path, "rb"));
    if (!f) return kImageCannotOpen;
    char header[81] = {};
    if (std::fread(header, 1, 80, f.get()) != 80 || std::strncmp(header, "!Bitmap", 7) != 0) return kImageBadPicture;
    int w = 0, h = 0, eight = 0, stride = 0, bits = 0;
    if (std::sscanf(header + 20, "%d %d %d %d %d", &w, &h, &eight, &stride, &bits) != 5) return kImageBadPicture;
    const int bytes = bits / 8;
    if (w < 1 || h < 1 || (bits != 8 && bits != 24 && bits != 32) || stride < w * bytes || stride > (1 << 28))
        return kImageBadPicture;
    if (!sizeAllowed(std::uint64_t(w), std::uint64_t(h))) return kImageTooLarge;
    const bool indices = bytes == 1 && !table;
    allocate(image, w, h, indices ? 1 : 3);
    std::vector<unsigned char> row(static_cast<std::size_t>(stride));
    for (int y = 0; y < h; ++y) {
        if (std::fread(row.data(), 1, row.size(), f.get()) != row.size()) return kImageBadPicture;
        unsigned char* dst = image.pixels.data() + std::size_t(y) * std::size_t(w) * std::size_t(image.bytesPerPixel);
        for (int x = 0; x < w; ++x) {
            const unsigned char* q = row.data() + std::size_t(x) * std::size_t(bytes);
            if (indices) {
                *dst++ = q[0];
            } else if (bytes == 1) {
                const std::uint32_t c = table[q[0]];
                *dst++ = static_cast<unsigned char>(c >> 16), *dst++ = static_cast<unsigned char>(c >> 8);
                *dst++ = static_cast<unsigned char>(c);
            } else {
                *dst++ = q[0], *dst++ = q[1], *dst++ = q[2];
            }
        }
    }
    return kImageOk;
}

int readTiff(const char* path, ImageRGB& image) {
    TIFFSetErrorHandler(silentTiff);
    TIFFSetWarningHandler(silentTiff);
    TIFF* tif = TIFFOpen(path, "r");
    if (!tif) return kImageBadPicture;
    std::uint32_t w = 0, h = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &w);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &h);
    int status = sizeAllowed(w, h) ? kImageOk : kImageTooLarge;
    std::vector<std::uint32_t> rgba;
    if (status == kImageOk) {
        rgba.resize(std::size_t(w) * h);
        if (TIFFReadRGBAImageOriented(tif, w, h, rgba.data(), ORIENTATION_TOPLEFT, 0) == 0) status = kImageBadPicture;
    }
    TIFFClose(tif);
    if (status != kImageOk) return status;
    allocate(image, int(w), int(h), 3);
    for (std::size_t i = 0; i < rgba.size(); ++i) {
        image.pixels[3 * i] = static_cast<unsigned char>(TIFFGetR(rgba[i]));
        image.pixels[3 * i + 1] = static_cast<unsigned char>(TIFFGetG(rgba[i]));
        image.pixels[3 * i + 2] = static_cast<unsigned char>(TIFFGetB(rgba[i]));
    }
    return kImageOk;
}

bool isImageFile(const char* path) { return sniffFile(path) != Format::Unknown; }

int readImageFile(const char* path, ImageRGB& image, const std::uint32_t* table) {
    try {
        switch (sniffFile(path)) {
            case Format::Png: return readPng(path, image);
            case Format::Gif: return readGif(path, image);
            case Format::Bmp: return readBmp(path, image);
            case Format::Ppm: return readPpm(path, image);
            case Format::Tiff: return readTiff(path, image);
            case Format::Own: return readOwnRaster(path, image, table);
            case Format::Unknown: break;
        }
    } catch (const std::bad_alloc&) {
        return kImageNoMemory;
    }
    return kImageBadPicture;
}

}  // namespace vtx
