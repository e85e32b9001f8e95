// One plot on the in-memory raster, opened on the first input and kept for
// the whole run; the protocol goes nowhere so the fuzzer's output stays
// readable.
#pragma once

#include <cstdio>
#include <cstdint>
#include <string>
#include <unistd.h>

#include "core/api.h"
#include "session/api.h"

namespace fuzz {

inline void openPlot() {
    static bool open = false;
    if (open) return;
    open = true;
    vtx::metafl("VIRT");
    vtx::vtxini();
    vtx::unit(nullptr);
}

// The input as a NUL-terminated string of at most `limit` bytes.
inline std::string text(const uint8_t* data, size_t size, size_t limit = 600) {
    return std::string(reinterpret_cast<const char*>(data), size < limit ? size : limit).c_str();
}

// The input in a file of its own, for the readers that take file names.
inline std::string inFile(const uint8_t* data, size_t size) {
    static const std::string name = "/tmp/vantix-fuzz-" + std::to_string(getpid());
    std::FILE* f = std::fopen(name.c_str(), "wb");
    if (!f) return name;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    return name;
}

}  // namespace fuzz
