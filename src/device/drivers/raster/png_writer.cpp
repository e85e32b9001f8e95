// PNG: signature, IHDR, PLTE (index mode), tRNS (transparency), one IDAT
// holding a single zlib stream of all rows with filter type 0, IEND.

#include <zlib.h>

#include <new>

#include "device/drivers/raster/image_writers.h"

namespace vtx {
namespace {

const unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// A chunk: length, type, data and the CRC-32 of type and data.
void putChunk(OutputBuffer& out, const char type[4], const unsigned char* data, std::size_t length) {
    out.put_be32(static_cast<std::uint32_t>(length));
    out.putBytes(type, 4);
    out.putBytes(data, length);
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    if (length != 0) crc = crc32(crc, data, static_cast<uInt>(length));
    out.put_be32(static_cast<std::uint32_t>(crc));
}

// Deflates the rows straight into the IDAT chunk inside `out`.  The room
// reserved is at least raw + raw / 100 + 17 bytes, which deflate at the
// default level never exceeds; running out of it is a deflate failure.
int putImageData(const RasterPicture& picture, OutputBuffer& out) {
    const std::size_t rowBytes = picture.rowBytes();
    const std::size_t rawSize = (rowBytes + 1) * std::size_t(picture.height);

    z_stream stream{};
    if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK) return kImageZlibInitFailed;

    std::size_t room = rawSize + rawSize / 100 + 17;
    std::size_t bound = deflateBound(&stream, static_cast<uLong>(rawSize));
    if (room < bound) room = bound;

    std::size_t lengthAt;
    unsigned char* idat;
    try {
        out.drain();  // the chunk is patched in place, so it must start in memory
        lengthAt = out.size();
        out.put_be32(0);
        out.putBytes("IDAT", 4);
        idat = out.append(room);
    } catch (const std::bad_alloc&) {
        deflateEnd(&stream);
        return kImageNoMemory;
    }

    stream.next_out = idat;
    stream.avail_out = static_cast<uInt>(room);
    static const unsigned char kFilterNone = 0;
    int result = Z_OK;
    for (int y = 0; y < picture.height && result == Z_OK; ++y) {
        stream.next_in = const_cast<Bytef*>(&kFilterNone);
        stream.avail_in = 1;
        result = deflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK) break;
        stream.next_in = const_cast<Bytef*>(picture.row(y));
        stream.avail_in = static_cast<uInt>(rowBytes);
        result = deflate(&stream, y + 1 == picture.height ? Z_FINISH : Z_NO_FLUSH);
    }
    const std::size_t produced = stream.total_out;
    if (result != Z_STREAM_END) {
        deflateEnd(&stream);
        out.shrink(room);
        return kImageZlibDeflateFailed;
    }
    if (deflateEnd(&stream) != Z_OK) {
        out.shrink(room);
        return kImageZlibEndFailed;
    }

    out.shrink(room - produced);
    out.patch_be32(lengthAt, static_cast<std::uint32_t>(produced));
    uLong crc = crc32(0L, out.data() + lengthAt + 4, static_cast<uInt>(produced + 4));
    out.put_be32(static_cast<std::uint32_t>(crc));
    return kImageOk;
}

}  // namespace

int encodePng(const RasterPicture& picture, OutputBuffer& out) {
    if (!isUsablePicture(picture)) return kImageBadPicture;
    try {
        out.putBytes(kPngSignature, sizeof kPngSignature);

        unsigned char header[13];
        OutputBuffer::storeBe32(header, static_cast<std::uint32_t>(picture.width));
        OutputBuffer::storeBe32(header + 4, static_cast<std::uint32_t>(picture.height));
        header[8] = 8;                          // bit depth
        header[9] = picture.isRgb() ? 2 : 3;    // colour type: RGB or palette
        header[10] = 0;                         // compression
        header[11] = 0;                         // filter method
        header[12] = 0;                         // no interlace
        putChunk(out, "IHDR", header, sizeof header);

        if (!picture.isRgb()) {
            const int entries = listedPaletteEntries(picture);
            putChunk(out, "PLTE", &picture.palette[0][0], std::size_t(entries) * 3);
        }

        if (picture.options.pngTransparent) {
            // Index mode: entry 0 fully transparent; RGB mode: white transparent.
            static const unsigned char kIndexAlpha[1] = {0};
            static const unsigned char kWhite[6] = {0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF};
            if (picture.isRgb())
                putChunk(out, "tRNS", kWhite, sizeof kWhite);
            else
                putChunk(out, "tRNS", kIndexAlpha, sizeof kIndexAlpha);
        }

        int status = putImageData(picture, out);
        if (status != kImageOk) return status;

        putChunk(out, "IEND", nullptr, 0);
    } catch (const std::bad_alloc&) {
        return kImageNoMemory;
    }
    return kImageOk;
}

}  // namespace vtx
