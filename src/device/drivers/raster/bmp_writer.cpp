// BMP: file header, 40-byte information header, palette (index mode), rows
// bottom-up padded to four bytes; RGB pixels stored as blue, green, red.

#include <cstring>
#include <new>

#include "device/drivers/raster/image_writers.h"

namespace vtx {

int encodeBmp(const RasterPicture& picture, OutputBuffer& out) {
    if (!isUsablePicture(picture)) return kImageBadPicture;
    const bool rgb = picture.isRgb();
    const int colours = rgb ? 0 : listedPaletteEntries(picture);
    const std::size_t rowBytes = picture.rowBytes();
    const std::size_t stride = (rowBytes + 3) & ~std::size_t(3);
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(stride * std::size_t(picture.height));
    const std::uint32_t dataOffset = 54 + 4 * std::uint32_t(colours);
    const std::uint32_t pixelsPerMetre = 2500;

    try {
        out.putText("BM");
        out.put_le32(dataOffset + imageBytes);  // file size
        out.put_le16(0);
        out.put_le16(0);
        out.put_le32(dataOffset);
        out.put_le32(40);                       // information header size
        out.put_le32(static_cast<std::uint32_t>(picture.width));
        out.put_le32(static_cast<std::uint32_t>(picture.height));  // positive: bottom-up
        out.put_le16(1);                        // planes
        out.put_le16(rgb ? 24 : 8);             // bits per pixel
        out.put_le32(0);                        // no compression
        out.put_le32(imageBytes);
        out.put_le32(pixelsPerMetre);
        out.put_le32(pixelsPerMetre);
        out.put_le32(static_cast<std::uint32_t>(colours));  // colours used
        out.put_le32(static_cast<std::uint32_t>(colours));  // colours important
        for (int i = 0; i < colours; ++i) {
            const unsigned char* entry = picture.palette[i];
            const unsigned char quad[4] = {entry[2], entry[1], entry[0], 0};
            out.putBytes(quad, 4);
        }

        for (int y = picture.height - 1; y >= 0; --y) {
            const unsigned char* source = picture.row(y);
            unsigned char* row = out.append(stride);
            if (rgb) {
                for (int x = 0; x < picture.width; ++x, source += 3, row += 3) {
                    row[0] = source[2];
                    row[1] = source[1];
                    row[2] = source[0];
                }
            } else {
                std::memcpy(row, source, rowBytes);
                row += rowBytes;
            }
            std::memset(row, 0, stride - rowBytes);
            out.drainIfLarge();
        }
    } catch (const std::bad_alloc&) {
        return kImageNoMemory;
    }
    return kImageOk;
}

}  // namespace vtx
