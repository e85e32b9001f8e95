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

// Runs deflate until the input is used up (or, on finish, the stream has
// ended), giving the IDAT chunk more room whenever zlib fills it.
int pump(z_stream& stream, OutputBuffer& out, int flush) {
    constexpr uInt kRoomStep = 1u << 18;
    for (;;) {
        if (stream.avail_out == 0) {
            stream.next_out = out.append(kRoomStep);
            stream.avail_out = kRoomStep;
        }
        const int result = deflate(&stream, flush);
        if (result != Z_OK) return result;  // Z_STREAM_END, or a failure
        if (flush == Z_NO_FLUSH && stream.avail_in == 0) return Z_OK;
    }
}

// Deflates all rows, each a filter byte 0 and the pixels, as one zlib stream
// straight into the IDAT chunk inside `out`.
int putImageData(const RasterPicture& picture, OutputBuffer& out) {
    static const unsigned char kFilterNone = 0;
    const uInt rowBytes = static_cast<uInt>(picture.rowBytes());

    z_stream stream{};
    if (deflateInit(&stream, Z_DEFAULT_COMPRESSION) != Z_OK) return kImageZlibInitFailed;

    std::size_t lengthAt = 0;
    int result = Z_OK;
    try {
        out.drain();  // the length is patched in place, so the chunk must start in memory
        lengthAt = out.size();
        out.put_be32(0);
        out.putBytes("IDAT", 4);
        for (int y = 0; y < picture.height && result == Z_OK; ++y) {
            stream.next_in = const_cast<Bytef*>(&kFilterNone);
            stream.avail_in = 1;
            result = pump(stream, out, Z_NO_FLUSH);
            if (result != Z_OK) break;
            stream.next_in = const_cast<Bytef*>(picture.row(y));
            stream.avail_in = rowBytes;
            result = pump(stream, out, y + 1 == picture.height ? Z_FINISH : Z_NO_FLUSH);
        }
    } catch (const std::bad_alloc&) {
        deflateEnd(&stream);
        return kImageNoMemory;
    }
    out.shrink(stream.avail_out);
    if (result != Z_STREAM_END) {
        deflateEnd(&stream);
        return kImageZlibDeflateFailed;
    }
    if (deflateEnd(&stream) != Z_OK) return kImageZlibEndFailed;

    const std::size_t produced = out.size() - lengthAt - 8;
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
