// One growable output buffer with explicit byte-order writes.
//
// Every image writer builds its file through an OutputBuffer: each multi-byte
// value is written with a helper that names its byte order, so the files come
// out the same on any host.  When a FILE* is attached the buffer is drained to
// it at points the writer chooses (between rows), which keeps memory small for
// large pictures; without a file the whole result stays in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace vtx {

class OutputBuffer {
public:
    OutputBuffer() = default;
    explicit OutputBuffer(std::FILE* file) : file_(file) {}

    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    // Returns room for n more bytes at the end; the caller fills them.
    // Growth may throw std::bad_alloc, which the writers turn into a status.
    unsigned char* append(std::size_t n) {
        if (used_ + n > bytes_.size()) {
            std::size_t grown = bytes_.size() * 2;
            if (grown < used_ + n) grown = used_ + n;
            if (grown < 4096) grown = 4096;
            bytes_.resize(grown);
        }
        unsigned char* p = bytes_.data() + used_;
        used_ += n;
        return p;
    }

    // Gives back the last n bytes of an append that was not used in full.
    void shrink(std::size_t n) { used_ -= n; }

    void put8(unsigned v) { *append(1) = static_cast<unsigned char>(v); }
    void putBytes(const void* data, std::size_t n) {
        if (n != 0) std::memcpy(append(n), data, n);
    }
    void putText(const char* text) { putBytes(text, std::strlen(text)); }

    void put_be16(unsigned v) { storeBe16(append(2), v); }
    void put_be32(std::uint32_t v) { storeBe32(append(4), v); }
    void put_le16(unsigned v) { storeLe16(append(2), v); }
    void put_le32(std::uint32_t v) { storeLe32(append(4), v); }

    // Overwrites a 32-bit big-endian value written earlier (a chunk length
    // known only after its data); only valid before the next drain.
    void patch_be32(std::size_t position, std::uint32_t v) {
        storeBe32(bytes_.data() + position, v);
    }

    static void storeBe16(unsigned char* p, unsigned v) {
        p[0] = static_cast<unsigned char>(v >> 8);
        p[1] = static_cast<unsigned char>(v);
    }
    static void storeBe32(unsigned char* p, std::uint32_t v) {
        p[0] = static_cast<unsigned char>(v >> 24);
        p[1] = static_cast<unsigned char>(v >> 16);
        p[2] = static_cast<unsigned char>(v >> 8);
        p[3] = static_cast<unsigned char>(v);
    }
    static void storeLe16(unsigned char* p, unsigned v) {
        p[0] = static_cast<unsigned char>(v);
        p[1] = static_cast<unsigned char>(v >> 8);
    }
    static void storeLe32(unsigned char* p, std::uint32_t v) {
        p[0] = static_cast<unsigned char>(v);
        p[1] = static_cast<unsigned char>(v >> 8);
        p[2] = static_cast<unsigned char>(v >> 16);
        p[3] = static_cast<unsigned char>(v >> 24);
    }

    // Bytes held in memory (all bytes written when no file is attached).
    std::size_t size() const { return used_; }
    const unsigned char* data() const { return bytes_.data(); }
    unsigned char* data() { return bytes_.data(); }

    // Drains to the file once enough has collected; a no-op without a file.
    void drainIfLarge() {
        if (file_ != nullptr && used_ >= kDrainThreshold) drain();
    }

    // Writes everything held to the file; false once any write has failed.
    bool drain() {
        if (file_ != nullptr && used_ != 0) {
            if (std::fwrite(bytes_.data(), 1, used_, file_) != used_) failed_ = true;
            used_ = 0;
        }
        return !failed_;
    }

private:
    static constexpr std::size_t kDrainThreshold = std::size_t(1) << 18;

    std::vector<unsigned char> bytes_;
    std::size_t used_ = 0;
    std::FILE* file_ = nullptr;
    bool failed_ = false;
};

}  // namespace vtx
