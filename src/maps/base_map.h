// The library's own base map: coastlines of all continents as delta-encoded
// polylines (generated/base_map.cpp, made by tools/gen_base_map.py). Each
// line is its point count, the first point, then the steps to the others,
// in hundredths of a degree of longitude and latitude.
#pragma once

#include <cstdint>

namespace vtx {

extern const std::int16_t kBaseMapCoast[];
extern const int kBaseMapCoastSize;
extern const int kBaseMapCoastLines;

// Calls fn(lon, lat, move) for every point of the base map's coastlines.
template <typename Fn>
void forEachBaseMapPoint(Fn&& fn) {
    for (int i = 0; i + 2 < kBaseMapCoastSize;) {
        const int n = kBaseMapCoast[i];
        int lon = kBaseMapCoast[i + 1], lat = kBaseMapCoast[i + 2];
        i += 3;
        fn(lon * 0.01, lat * 0.01, true);
        for (int k = 1; k < n && i + 1 < kBaseMapCoastSize; ++k, i += 2) {
            lon += kBaseMapCoast[i], lat += kBaseMapCoast[i + 1];
            fn(lon * 0.01, lat * 0.01, false);
        }
    }
}

}  // namespace vtx
