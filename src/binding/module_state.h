// Module-level state owned by the wrappers (process-wide).
#pragma once

#include <vector>

namespace vtx::py {

struct ModuleState {
    std::vector<char> legendBuffer;  // filled by the legend routines after legini
    int legendAllocated = 0;
    int imetfl = 0;                  // metafl has been called from Python
    int nspline = 200;               // points that spline returns; reset by vtxini
    char labelModes[3][9] = {};      // receive the label modes of getlab
};

ModuleState& moduleState();

}  // namespace vtx::py
