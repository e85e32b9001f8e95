// TIFF, little-endian: one directory right after the header, then the strip
// offsets, the strip byte counts, the two resolutions, the colour map (index
// mode) or the bits per sample (RGB mode), and one uncompressed strip per row.

#include <new>

#include "device/drivers/raster/image_writers.h"

namespace vtx {
namespace {

enum FieldType : unsigned { kShort = 3, kLong = 4, kRational = 5 };

void putEntry(OutputBuffer& out, unsigned tag, FieldType type, std::uint32_t count, std::uint32_t field) {
    out.put_le16(tag);
    out.put_le16(type);
    out.put_le32(count);
    out.put_le32(field);  // little-endian: a short value lands left-justified
}

}  // namespace

int encodeTiff(const RasterPicture& picture, OutputBuffer& out) {
    if (!isUsablePicture(picture)) return kImageBadPicture;
    const bool rgb = picture.isRgb();
    const std::uint32_t height = static_cast<std::uint32_t>(picture.height);
    const std::uint32_t width = static_cast<std::uint32_t>(picture.width);
    const std::uint32_t rowBytes = static_cast<std::uint32_t>(picture.rowBytes());

    // Shorts as long as the values fit; longs beyond, so huge pictures stay readable.
    const FieldType sizeType = (width > 0xFFFF || height > 0xFFFF) ? kLong : kShort;
    const FieldType countType = rowBytes > 0xFFFF ? kLong : kShort;
    const std::uint32_t countBytes = countType == kLong ? 4 : 2;

    const std::uint32_t entries = rgb ? 10 : 14;
    const std::uint32_t stripOffsetsAt = 14 + 12 * entries;
    const std::uint32_t byteCountsAt = stripOffsetsAt + 4 * height;
    const std::uint32_t resolutionAt = byteCountsAt + countBytes * height;
    const std::uint32_t extraAt = resolutionAt + 16;  // colour map or bits per sample
    const std::uint32_t firstStripAt = extraAt + (rgb ? 6 : 1536);

    // Values that fit in the four bytes of a field are held there, not
    // pointed to; the arrays are still written where the layout puts them.
    const std::uint32_t stripOffsetsField = height == 1 ? firstStripAt : stripOffsetsAt;
    std::uint32_t byteCountsField = byteCountsAt;
    if (height * countBytes <= 4)
        byteCountsField = height == 2 ? (rowBytes | (rowBytes << 16)) : rowBytes;

    try {
        out.putText("II");
        out.put_le16(42);
        out.put_le32(8);

        out.put_le16(entries);
        putEntry(out, 254, kLong, 1, 0);                        // NewSubfileType
        putEntry(out, 256, sizeType, 1, width);                 // ImageWidth
        putEntry(out, 257, sizeType, 1, height);                // ImageLength
        putEntry(out, 258, kShort, rgb ? 3 : 1, rgb ? extraAt : 8);  // BitsPerSample
        putEntry(out, 259, kShort, 1, 1);                       // Compression: none
        putEntry(out, 262, kShort, 1, rgb ? 2 : 3);             // Photometric: RGB or palette
        putEntry(out, 273, kLong, height, stripOffsetsField);   // StripOffsets
        putEntry(out, 277, kShort, 1, rgb ? 3 : 1);             // SamplesPerPixel
        putEntry(out, 278, kShort, 1, 1);                       // RowsPerStrip
        putEntry(out, 279, countType, height, byteCountsField); // StripByteCounts
        if (!rgb) {
            putEntry(out, 282, kRational, 1, resolutionAt);     // XResolution
            putEntry(out, 283, kRational, 1, resolutionAt + 8); // YResolution
            putEntry(out, 296, kShort, 1,                       // ResolutionUnit
                     static_cast<std::uint32_t>(picture.options.tiffResolutionUnit));
            putEntry(out, 320, kShort, 768, extraAt);           // ColorMap
        }
        out.put_le32(0);  // no next directory

        for (std::uint32_t y = 0; y < height; ++y) out.put_le32(firstStripAt + y * rowBytes);
        for (std::uint32_t y = 0; y < height; ++y) {
            if (countType == kLong)
                out.put_le32(rowBytes);
            else
                out.put_le16(rowBytes);
        }
        const std::uint32_t resolution = static_cast<std::uint32_t>(picture.options.tiffResolution);
        for (int axis = 0; axis < 2; ++axis) {
            out.put_le32(resolution);
            out.put_le32(1);
        }
        if (rgb) {
            for (int sample = 0; sample < 3; ++sample) out.put_le16(8);
        } else {
            // 16-bit components: c / 255 × 65535 is exactly c × 257.
            for (int component = 0; component < 3; ++component)
                for (int i = 0; i < 256; ++i) out.put_le16(picture.palette[i][component] * 257u);
        }

        for (int y = 0; y < picture.height; ++y) {
            out.putBytes(picture.row(y), rowBytes);
            out.drainIfLarge();
        }
    } catch (const std::bad_alloc&) {
        return kImageNoMemory;
    }
    return kImageOk;
}

}  // namespace vtx
