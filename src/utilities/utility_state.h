// Data-utility fields of the global state record.
#pragma once

#include <cstdio>

namespace vtx {

// Units of openfl: 0 to 99.
constexpr int kFileUnits = 100;

struct UtilityState {
    int baseDay = 0, baseMonth = 0, baseYear = 0;  // basdat
    int baseDefined = 0;
    int baseDayOfYear = 0;
    int gridRadiusX = 2, gridRadiusY = 2;  // mdfmat
    float gridExponent = 2.0f;
    // Binary files opened by openfl, by unit; they stay open across vtxini
    // and reset until closfl (the operating system closes them at exit).
    std::FILE* fileUnits[kFileUnits] = {};
};

}  // namespace vtx
