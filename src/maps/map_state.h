// Map fields of the global state record.
#pragma once

#include "maps/map_geometry.h"

namespace vtx {

struct MapState {
    int mode = 1;                          // mapmod: 0 STRA, 1 INTE
    int base = 0;                          // mapbas: 0 VANT, 1 GSHL, 2 GSHI, 3 GSHH, 4 GSHF, 5 MAPF
    int level = 0;                         // maplev: 0 ALL, 1 LAND, 2 LAKE, 3 BOTH
    int refSet = 0; float ref[2] = {};     // mapref: standard parallels (degrees)
    int poleSet = 0; float pole[2] = {};   // mappol: longitude, latitude of the azimuthal centre
    int sphereSet = 0; float sphere = 0;   // mapsph: visible radius (degrees) once set
    int projection = 0;                    // projct: projection code
    int fileSet = 0;                       // mapfil: a user map file is named
    char fileName[257] = {};               // mapfil: the file
    int fileFormat = 0;                    // mapfil: 0 GSHH, 1 MAPG
    int plotLabels = 0;                    // mpaepl: grid labels around elliptical and circular frames
    int plotColour = -1;                   // mplclr: label colour, -1 the current one
    int plotBackground = -1;               // mplclr: colour behind the labels, -1 none
    int plotSize = 0;                      // mplsiz: label height, 0 the current character height
    int plotOffset[2] = {};                // mplpos: distance of longitude and latitude labels from the frame
    float plotAngle = 0;                   // mplang: label angle in degrees

    // the current map axis system (valid while the axis kind is Map)
    MapGeometry geo;
    double xa = 0, xe = 0, ya = 0, ye = 0; // the window in degrees
    double penLon = 0, penLat = 0;         // last user point of curvmp
};

// The projection registered with usrprj.
UserProjection userProjection();

}  // namespace vtx
