// Encoding time of the raster image writers for a default-size page
// (853 × 603) and a large picture (4000 × 3000), in index and RGB mode.
// The picture looks like a plot: white background, filled blocks, a shaded
// band of many colours and lines.  Files go to /dev/null through the same
// buffered output as real files, so disk speed does not count.  Not built by
// CMake; from the repository root:
//
//   g++ -O2 -std=c++17 -Isrc bench/image_writers_bench.cpp src/device/drivers/raster/*.cpp -lz -o /tmp/image_writers_bench
//   /tmp/image_writers_bench

#include <chrono>
#include <cstdio>
#include <vector>

#include "device/drivers/raster/image_writers.h"

namespace {

struct Picture {
    std::vector<unsigned char> pixels;
    vtx::RasterPicture raster;
};

void put(Picture& p, int x, int y, int index) {
    unsigned char* pixel = p.pixels.data() + std::size_t(y) * p.raster.stride + std::size_t(x) * p.raster.bytesPerPixel;
    if (p.raster.bytesPerPixel == 1)
        *pixel = static_cast<unsigned char>(index);
    else
        for (int c = 0; c < 3; ++c) pixel[c] = p.raster.palette[index][c];
}

Picture makePicture(int width, int height, int bytesPerPixel) {
    Picture p;
    p.raster.width = width;
    p.raster.height = height;
    p.raster.bytesPerPixel = bytesPerPixel;
    p.raster.stride = (std::size_t(width) * bytesPerPixel + 3) & ~std::size_t(3);
    p.pixels.assign(p.raster.stride * height, 0);
    p.raster.pixels = p.pixels.data();
    for (int i = 0; i < 256; ++i) {  // a rainbow-like table with white at 0
        p.raster.palette[i][0] = static_cast<unsigned char>(i == 0 ? 255 : (i * 5) % 256);
        p.raster.palette[i][1] = static_cast<unsigned char>(i == 0 ? 255 : (i * 3 + 80) % 256);
        p.raster.palette[i][2] = static_cast<unsigned char>(i == 0 ? 255 : 255 - i);
    }
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) put(p, x, y, 0);
    for (int b = 0; b < 40; ++b) {  // filled blocks
        int x0 = (b * 97) % (width * 3 / 4), y0 = (b * 53) % (height * 3 / 4);
        for (int y = y0; y < y0 + height / 10; ++y)
            for (int x = x0; x < x0 + width / 12; ++x) put(p, x, y, 1 + (b * 37) % 254);
    }
    for (int y = height / 2; y < height * 3 / 4; ++y)  // shaded band
        for (int x = 0; x < width; ++x) put(p, x, y, 1 + (x * 254) / width);
    for (int l = 0; l < 60; ++l)  // lines
        for (int x = 0; x < width; ++x) put(p, x, (x * (l + 1) / 7 + l * 11) % height, 255 - l);
    return p;
}

}  // namespace

int main() {
    struct Format {
        const char* name;
        int (*encode)(const vtx::RasterPicture&, vtx::OutputBuffer&);
    } formats[] = {{"PNG", vtx::encodePng}, {"GIF", vtx::encodeGif}, {"BMP", vtx::encodeBmp},
                   {"TIFF", vtx::encodeTiff}, {"PPM", vtx::encodePpm}, {"raw", vtx::encodeRaw}};
    const int sizes[][2] = {{853, 603}, {4000, 3000}};

    for (const auto& size : sizes) {
        for (int bytesPerPixel : {1, 3}) {
            Picture picture = makePicture(size[0], size[1], bytesPerPixel);
            for (const Format& format : formats) {
                const int repeats = size[0] < 1000 ? 10 : 2;
                double best = 1e9;
                std::size_t bytes = 0;
                for (int r = 0; r < repeats; ++r) {
                    std::FILE* sink = std::fopen("/dev/null", "wb");
                    if (sink == nullptr) return 1;
                    auto start = std::chrono::steady_clock::now();
                    {
                        vtx::OutputBuffer out(sink);
                        int status = format.encode(picture.raster, out);
                        out.drain();
                        if (status != vtx::kImageOk) std::printf("%s failed: %d\n", format.name, status);
                    }
                    std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
                    std::fclose(sink);
                    if (elapsed.count() < best) best = elapsed.count();
                }
                {
                    vtx::OutputBuffer inMemory;
                    format.encode(picture.raster, inMemory);
                    bytes = inMemory.size();
                }
                std::printf("%4d x %4d %-5s %-4s %9.2f ms %11zu bytes\n", size[0], size[1],
                            bytesPerPixel == 1 ? "index" : "RGB", format.name, best, bytes);
            }
        }
    }
    return 0;
}
