// Map fields of the global state record.
#pragma once

namespace vtx {

struct MapState {
    int mode = 1;                          // mapmod
    int base = 0;                          // mapbas
    int level = 0;                         // maplev
    int refSet = 0; float ref[2] = {};     // mapref
    int poleSet = 0; float pole[2] = {};   // mappol
    int sphereSet = 0; float sphere = 0;   // mapsph
    int projection = 0;                    // projct
    int fileSet = 0;                       // mapfil
    int plotColour = 0;                    // mplclr
    int plotSize = 0;                      // mplsiz
    float plotAngle = 0;                   // mplang
};

}  // namespace vtx
