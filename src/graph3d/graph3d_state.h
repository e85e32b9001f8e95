// 3-D fields of the global state record: colour plots, colour bars,
// 3-D axis systems, projection and surfaces.
#pragma once

#include "graph2d/axis_drawer.h"

namespace vtx {

struct Graph3DState {
    float axis3[3] = {2, 2, 2};            // axis3d lengths
    int viewSet = 0; float view[3] = {};   // view3d
    int upSet = 0; float up = 0;           // vup3d
    int focusSet = 0; float focus[3] = {}; // vfoc3d
    float clipNear = 1.0f, clipFar = -1.0f;  // vclp3d
    int labels3 = 0;                       // labl3d
    int clip3 = 0;                         // clip3d
    int surfSize = 0;                      // sursze set
    int surfVisible = 0;                   // survis
    int surfOptions = 0;                   // suropt
    int noHide = 0;                        // nohide
    int light = 0;                         // light
    int flab3 = 1;                         // flab3d
    int surfColours[2] = {};               // surclr
    int meshColour = -1;                   // mshclr
    int zScaleSet = 0; float zScale[2] = {};  // zscale
    int barShiftX = 0, barShiftY = 0, barWidth = 85;  // vkxbar, vkybar, widbar
    int noBar = 0;                         // nobar
    int noBackground = 0;                  // nobgd
    int colourModeKey = 0;                 // colour mode of colour plots

    // colour plots: the Z-to-colour mapping of the current system
    float zWindow[2] = {0.0f, 1.0f};       // Z data window, low and high, in data units
    float colourFactor = 254.0f;           // colours per Z unit; negative on a descending axis
    int resPoints[2] = {};                 // autres: numbers of points in X and Y
    float surfExtent[4] = {};              // sursze: xmin, xmax, ymin, ymax
    AxisDrawSpec barAxis;                  // the last colour bar's axis (addlab "Z")
    int barAxisSet = 0;

    // shdmod
    int smoothShading = 0;                 // SURF: 0 flat, 1 smooth (raster devices)
    int symbolPoints = 0;                  // CURV: coloured points as symbols instead of rectangles
};

}  // namespace vtx
