// Data-utility fields of the global state record.
#pragma once

namespace vtx {

struct UtilityState {
    int baseDay = 0, baseMonth = 0, baseYear = 0;  // basdat
    int baseDefined = 0;
    int baseDayOfYear = 0;
    int gridRadiusX = 2, gridRadiusY = 2;  // mdfmat
    float gridExponent = 2.0f;
};

}  // namespace vtx
