// GSHHS and MAPG coastline readers.
#include "maps/map_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace vtx {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::int32_t loadBe32(const unsigned char* p) {
    return std::int32_t(std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 |
                        std::uint32_t(p[3]));
}

constexpr std::size_t kGshhsHeader = 8 * 4 + 2 * 2;
constexpr std::size_t kPointsPerRead = 4096;

}  // namespace

MapFileStatus readGshhs(const char* path, int level, const MapPointSink& sink) {
    File f(std::fopen(path, "rb"));
    if (!f) return MapFileStatus::OpenFailed;
    unsigned char header[kGshhsHeader];
    std::vector<unsigned char> block(kPointsPerRead * 8);
    for (;;) {
        const std::size_t got = std::fread(header, 1, kGshhsHeader, f.get());
        if (got == 0) return MapFileStatus::Ok;
        if (got < kGshhsHeader) return MapFileStatus::ShortData;
        const std::int32_t n = loadBe32(header + 4), polygonLevel = loadBe32(header + 8);
        if (n < 0) return MapFileStatus::ShortData;
        const bool shown = level == 0 || polygonLevel == level;
        double previous = 0.0;
        for (std::int32_t done = 0; done < n;) {
            const std::size_t want = std::size_t(std::min<std::int64_t>(n - done, kPointsPerRead));
            if (std::fread(block.data(), 8, want, f.get()) != want) return MapFileStatus::ShortData;
            for (std::size_t i = 0; shown && i < want; ++i) {
                double lon = loadBe32(&block[8 * i]) * 1.0e-6;
                const double lat = loadBe32(&block[8 * i + 4]) * 1.0e-6;
                if (lon > 180.0) lon -= 360.0;
                const bool first = done == 0 && i == 0;
                sink(lon, lat, first || std::fabs(lon - previous) > 15.0);
                previous = lon;
            }
            done += std::int32_t(want);
        }
    }
}

MapFileStatus readMapg(const char* path, const MapPointSink& sink) {
    File f(std::fopen(path, "r"));
    if (!f) return MapFileStatus::OpenFailed;
    char text[256];
    bool move = true;
    while (std::fgets(text, sizeof text, f.get())) {
        // A line longer than the buffer is read on in pieces; only its start counts.
        const bool whole = std::strchr(text, '\n') != nullptr || std::feof(f.get());
        if (text[0] == '#') {
            move = true;
        } else {
            float lon, lat;
            if (std::sscanf(text, "%f %f", &lon, &lat) == 2 && std::isfinite(lon) && std::isfinite(lat)) {
                sink(lon, lat, move);
                move = false;
            }
        }
        while (!whole && std::fgets(text, sizeof text, f.get()) && !std::strchr(text, '\n')) {
        }
    }
    return MapFileStatus::Ok;
}

}  // namespace vtx
