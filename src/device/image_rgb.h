// A decoded image as the drivers receive it: red, green, blue bytes row by
// row, row 0 at the top.
#pragma once

#include <cstddef>
#include <vector>

namespace vtx {

struct ImageRGB {
    int width = 0, height = 0;
    // 3: red, green, blue; 1: colour indices of the own raster format, kept
    // as they are when the reader is given no colour table.
    int bytesPerPixel = 3;
    std::vector<unsigned char> pixels;  // width × bytesPerPixel bytes per row

    const unsigned char* pixel(int x, int y) const {
        return pixels.data() + (std::size_t(y) * std::size_t(width) + std::size_t(x)) * std::size_t(bytesPerPixel);
    }
};

}  // namespace vtx
