// GIF: screen descriptor with a global table of 256 colours, an optional
// graphic control extension for the transparent background, one image of
// 8-bit LZW data in sub-blocks.

#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "device/drivers/raster/image_writers.h"

namespace vtx {
namespace {

constexpr int kClearCode = 256;
constexpr int kEndCode = 257;
constexpr int kFirstFreeCode = 258;
constexpr int kTableFullCode = 4095;  // the table is emptied when the next free code gets here
constexpr int kInitialWidth = 9;
constexpr int kMaxWidth = 12;
constexpr int kHashSize = 5021;       // prime, above the 3837 strings the table can hold

// Packs codes least significant bit first into sub-blocks of at most 255 bytes.
class CodePacker {
public:
    explicit CodePacker(OutputBuffer& out) : out_(out) {}

    void put(int code, int width) {
        bits_ |= std::uint32_t(code) << bitCount_;
        bitCount_ += width;
        while (bitCount_ >= 8) {
            putByte(static_cast<unsigned char>(bits_));
            bits_ >>= 8;
            bitCount_ -= 8;
        }
    }

    // Writes the partly filled byte and the last, shorter sub-block.
    void finish() {
        if (bitCount_ > 0) putByte(static_cast<unsigned char>(bits_));
        bits_ = 0;
        bitCount_ = 0;
        if (used_ > 0) putBlock();
    }

private:
    void putByte(unsigned char byte) {
        block_[used_++] = byte;
        if (used_ == sizeof block_) putBlock();
    }
    void putBlock() {
        out_.put8(static_cast<unsigned>(used_));
        out_.putBytes(block_, std::size_t(used_));
        used_ = 0;
    }

    OutputBuffer& out_;
    unsigned char block_[255];
    int used_ = 0;
    std::uint32_t bits_ = 0;
    int bitCount_ = 0;
};

// The string table: (prefix code, appended byte) -> code, open addressing
// with the double-hash step of the classic GIF compressors.
class StringTable {
public:
    StringTable() { clear(); }

    void clear() { std::memset(keys_, 0xFF, sizeof keys_); }

    // Looks up (prefix, byte); returns its code, or −1 and remembers the free
    // slot where the pair is to be inserted.
    int find(int prefix, int byte) {
        const std::int32_t key = (prefix << 8) | byte;
        int slot = (byte << 4) ^ prefix;
        const int step = slot == 0 ? 1 : kHashSize - slot;
        while (keys_[slot] != -1) {
            if (keys_[slot] == key) return codes_[slot];
            slot -= step;
            if (slot < 0) slot += kHashSize;
        }
        freeSlot_ = slot;
        freeKey_ = key;
        return -1;
    }

    // Inserts the pair of the last unsuccessful find.
    void insert(int code) {
        keys_[freeSlot_] = freeKey_;
        codes_[freeSlot_] = static_cast<std::int16_t>(code);
    }

private:
    std::int32_t keys_[kHashSize];
    std::int16_t codes_[kHashSize];
    int freeSlot_ = 0;
    std::int32_t freeKey_ = 0;
};

class LzwEncoder {
public:
    explicit LzwEncoder(OutputBuffer& out) : packer_(out) {}

    void putPixels(const unsigned char* pixels, std::size_t count) {
        std::size_t i = 0;
        if (!started_) {
            packer_.put(kClearCode, width_);
            prefix_ = pixels[0];
            started_ = true;
            i = 1;
        }
        for (; i < count; ++i) {
            const int pixel = pixels[i];
            const int code = table_.find(prefix_, pixel);
            if (code >= 0) {
                prefix_ = code;
                continue;
            }
            packer_.put(prefix_, width_);
            table_.insert(nextCode_++);
            // A decoder learns each string one code later than the encoder,
            // so the width grows once the next free code is beyond 2^width.
            if (nextCode_ > (1 << width_) && width_ < kMaxWidth) ++width_;
            if (nextCode_ == kTableFullCode) {
                packer_.put(kClearCode, width_);
                table_.clear();
                nextCode_ = kFirstFreeCode;
                width_ = kInitialWidth;
            }
            prefix_ = pixel;
        }
    }

    void finish() {
        packer_.put(prefix_, width_);
        // The decoder defines one more string on reading the last prefix.
        if (nextCode_ >= (1 << width_) && width_ < kMaxWidth) ++width_;
        packer_.put(kEndCode, width_);
        packer_.finish();
    }

private:
    CodePacker packer_;
    StringTable table_;
    int width_ = kInitialWidth;
    int nextCode_ = kFirstFreeCode;
    int prefix_ = 0;
    bool started_ = false;
};

// Maps RGB pixels to palette indices, remembering recent colours: a plot has
// few distinct colours, so the full palette search runs rarely.
class PaletteMapper {
public:
    explicit PaletteMapper(const unsigned char (&palette)[256][3]) : palette_(palette) {
        std::memset(cacheKeys_, 0, sizeof cacheKeys_);
    }

    void mapRow(const unsigned char* rgb, int width, unsigned char* indices) {
        for (int x = 0; x < width; ++x, rgb += 3) {
            const std::uint32_t colour = (std::uint32_t(rgb[0]) << 16) | (std::uint32_t(rgb[1]) << 8) | rgb[2];
            const std::uint32_t slot = (colour * 2654435761u) >> (32 - kCacheBits);
            if (cacheKeys_[slot] != colour + 1) {
                cacheKeys_[slot] = colour + 1;
                cacheIndices_[slot] =
                    static_cast<unsigned char>(nearestPaletteIndex(palette_, rgb[0], rgb[1], rgb[2]));
            }
            indices[x] = cacheIndices_[slot];
        }
    }

private:
    static constexpr int kCacheBits = 12;
    const unsigned char (&palette_)[256][3];
    std::uint32_t cacheKeys_[1 << kCacheBits];  // colour + 1; 0 marks an empty slot
    unsigned char cacheIndices_[1 << kCacheBits];
};

void putHeader(const RasterPicture& picture, OutputBuffer& out) {
    const bool transparent = picture.options.gifTransparent;
    const unsigned background = static_cast<unsigned>(picture.backgroundIndex) & 0xFF;
    out.putText(transparent ? "GIF89a" : "GIF87a");
    out.put_le16(static_cast<unsigned>(picture.width));
    out.put_le16(static_cast<unsigned>(picture.height));
    out.put8(0xF7);  // global table of 256 entries, 8-bit colour resolution
    out.put8(background);
    out.put8(0);     // aspect ratio
    out.putBytes(&picture.palette[0][0], sizeof picture.palette);
    if (transparent) {
        static const unsigned char kGraphicControl[6] = {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00};
        out.putBytes(kGraphicControl, sizeof kGraphicControl);
        out.put8(background);
        out.put8(0);
    }
    out.put8(0x2C);
    out.put_le16(0);
    out.put_le16(0);
    out.put_le16(static_cast<unsigned>(picture.width));
    out.put_le16(static_cast<unsigned>(picture.height));
    out.put8(0x00);  // no local table, not interlaced
    out.put8(8);     // LZW minimum code size
}

}  // namespace

int encodeGif(const RasterPicture& picture, OutputBuffer& out) {
    if (!isUsablePicture(picture)) return kImageBadPicture;
    try {
        putHeader(picture, out);
        auto encoder = std::make_unique<LzwEncoder>(out);
        if (picture.isRgb()) {
            auto mapper = std::make_unique<PaletteMapper>(picture.palette);
            std::vector<unsigned char> indices(std::size_t(picture.width));
            for (int y = 0; y < picture.height; ++y) {
                mapper->mapRow(picture.row(y), picture.width, indices.data());
                encoder->putPixels(indices.data(), indices.size());
                out.drainIfLarge();
            }
        } else {
            for (int y = 0; y < picture.height; ++y) {
                encoder->putPixels(picture.row(y), std::size_t(picture.width));
                out.drainIfLarge();
            }
        }
        encoder->finish();
        out.put8(0x00);  // block terminator
        out.put8(0x3B);  // trailer
    } catch (const std::bad_alloc&) {
        return kImageNoMemory;
    }
    return kImageOk;
}

}  // namespace vtx
