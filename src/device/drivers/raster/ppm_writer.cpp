// PPM (binary P6): a text header, then red, green, blue bytes row by row from
// the top; index pixels are expanded through the palette.

#include <cstdio>
#include <cstring>
#include <new>

#include "device/drivers/raster/image_writers.h"

namespace vtx {

int encodePpm(const RasterPicture& picture, OutputBuffer& out) {
    if (!isUsablePicture(picture)) return kImageBadPicture;
    try {
        char header[64];
        std::snprintf(header, sizeof header, "P6\n%d %d\n255\n", picture.width, picture.height);
        out.putText(header);

        const std::size_t rowBytes = std::size_t(picture.width) * 3;
        for (int y = 0; y < picture.height; ++y) {
            const unsigned char* source = picture.row(y);
            unsigned char* row = out.append(rowBytes);
            if (picture.isRgb()) {
                std::memcpy(row, source, rowBytes);
            } else {
                for (int x = 0; x < picture.width; ++x, row += 3)
                    std::memcpy(row, picture.palette[source[x]], 3);
            }
            out.drainIfLarge();
        }
    } catch (const std::bad_alloc&) {
        return kImageNoMemory;
    }
    return kImageOk;
}

}  // namespace vtx
