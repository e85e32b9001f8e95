// The library's own raster format: an 80-byte text header, then the pixels
// row by row from the top, each row padded with zeros to a multiple of four
// bytes (the stride); a whole raster's rows have the stride it has in memory.
//
// Header: a 20-character identification ("!Bitmap VANTIX VIRT " for the
// raster, "!Bitmap VANTIX X11  " for a window image), nine numbers in fields
// of five separated by blanks (width, height, 8, stride, bits per pixel, 32,
// 0, 1, 0) and blanks up to byte 80.  Readers need only check "!Bitmap" and
// take width, height, stride and bits per pixel from the numbers.

#include <cstdio>
#include <cstring>
#include <new>

#include "device/drivers/raster/image_writers.h"

namespace vtx {

int encodeRaw(const RasterPicture& picture, OutputBuffer& out) {
    if (!isUsablePicture(picture)) return kImageBadPicture;
    constexpr std::size_t kHeaderBytes = 80;
    // A picture may be a box inside a larger raster, whose stride runs past
    // the box's last row: take only the box's own pixels and pad each row to
    // four bytes, as the whole raster's rows are.
    const std::size_t rowBytes = picture.rowBytes();
    const std::size_t stride = (rowBytes + 3) & ~std::size_t(3);
    try {
        char header[kHeaderBytes + 64];
        int length = std::snprintf(header, sizeof header,
                                   "%s%5d %5d %5d %5d %5d %5d %5d %5d %5d",
                                   picture.options.windowImage ? "!Bitmap VANTIX X11  "
                                                               : "!Bitmap VANTIX VIRT ",
                                   picture.width, picture.height, 8, static_cast<int>(stride),
                                   8 * picture.bytesPerPixel, 32, 0, 1, 0);
        if (length < 0 || std::size_t(length) > kHeaderBytes) return kImageBadPicture;
        std::memset(header + length, ' ', kHeaderBytes - std::size_t(length));
        out.putBytes(header, kHeaderBytes);

        for (int y = 0; y < picture.height; ++y) {
            unsigned char* row = out.append(stride);
            std::memcpy(row, picture.row(y), rowBytes);
            std::memset(row + rowBytes, 0, stride - rowBytes);
            out.drainIfLarge();
        }
    } catch (const std::bad_alloc&) {
        return kImageNoMemory;
    }
    return kImageOk;
}

}  // namespace vtx
