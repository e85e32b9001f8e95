// The library's own base map: coastlines of all continents and the shores
// of lakes as delta-encoded polylines (generated/base_map.cpp, made by tools/gen_base_map.py). Each
// line is its point count, the first point, then the steps to the others,
// in hundredths of a degree of longitude and latitude.
#pragma once

#include <cstdint>

namespace vtx {

extern const std::int16_t kBaseMapCoast[];
extern const int kBaseMapCoastSize;
extern const int kBaseMapCoastLines;
extern const std::int16_t kBaseMapLakes[];
extern const int kBaseMapLakesSize;
extern const int kBaseMapLakeLines;

// Land areas as closed rings: point count, region code, first point, steps.
extern const std::int16_t kBaseMapLand[];
extern const int kBaseMapLandSize;

// Countries of Europe and states of the United States as rings tagged with
// their index (1 ... count) in the lists of tools/gen_base_map.py.
extern const std::int16_t kEuropeCountries[];
extern const int kEuropeCountriesSize;
extern const int kEuropeCountryCount;
extern const std::int16_t kUsStates[];
extern const int kUsStatesSize;
extern const int kUsStateCount;

// Region codes of the land rings. Europe repeats the Eurasian land between
// 25 W and 60 E, 36 N and 72 N; lakes are the holes of the land areas and
// the lakes of the lake table.
enum LandRegion {
    kLandAntarctica = 1, kLandAfrica, kLandEurasia, kLandAustralia, kLandNorthAmerica, kLandSouthAmerica,
    kLandLake, kLandEurope,
};

// Calls fn(lon, lat, move) for every point of a line table (the
// coastlines or the lake shores).
template <typename Fn>
void forEachLinePoint(const std::int16_t* table, int size, Fn&& fn) {
    for (int i = 0; i + 2 < size;) {
        const int n = table[i];
        int lon = table[i + 1], lat = table[i + 2];
        i += 3;
        fn(lon * 0.01, lat * 0.01, true);
        for (int k = 1; k < n && i + 1 < size; ++k, i += 2) {
            lon += table[i], lat += table[i + 1];
            fn(lon * 0.01, lat * 0.01, false);
        }
    }
}

// Calls fn(tag, lon, lat, n) for every ring of a ring table, the points in
// degrees.
template <typename Fn>
void forEachRing(const std::int16_t* table, int size, Fn&& fn) {
    static double lon[32768], lat[32768];
    for (int i = 0; i + 3 < size;) {
        const int n = table[i], tag = table[i + 1];
        int x = table[i + 2], y = table[i + 3];
        i += 4;
        lon[0] = x * 0.01, lat[0] = y * 0.01;
        int k = 1;
        for (; k < n && i + 1 < size; ++k, i += 2) {
            x += table[i], y += table[i + 1];
            lon[k] = x * 0.01, lat[k] = y * 0.01;
        }
        fn(tag, lon, lat, k);
    }
}

}  // namespace vtx
