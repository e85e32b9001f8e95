// 3-D fields of the global state record: colour plots, colour bars,
// 3-D axis systems, projection and surfaces.
#pragma once

#include "graph2d/axis_drawer.h"
#include <cmath>

#include "graph2d/axis_state.h"
#include "graph3d/depth_clip.h"
#include "graph3d/view_matrix.h"

namespace vtx {

// One light source: on or off, where, and its intensities and attenuation.
struct LightSource {
    int on = 0;
    int mode = 1;                            // position given as 1 ABS, 2 USER, 3 ANGL
    float pos[3] = {4.0f, -5.0f, 4.0f};
    float ambient = 0.0f, diffuse = 1.0f, specular = 1.0f;
    float constant = 1.0f, linear = 0.0f, quadratic = 0.0f;
};

// The 3-D axis system kept aside while 2-D routines draw into a plane of its box.
struct SavedBoxSystem {
    AxisKind kind = AxisKind::None;
    int nxa = 0, nya = 0, nxl = 2, nyl = 2;
    float xa = 0.0f, ya = 0.0f;
    AxisScaling sx, sy, sz;
};

// How 3-D lines and drawings into a plane of the box are clipped.
constexpr int kClip2D = 0;    // to the axis area of the page (lines), as on a flat page (plane drawings)
constexpr int kClipNone = 1;  // not by the 3-D system
constexpr int kClip3D = 2;    // to the box, in box coordinates

struct Graph3DState {
    float axis3[3] = {2, 2, 2};            // axis3d lengths
    int viewSet = 0; float view[3] = {};   // view3d: 0 default, 1 ABS, 2 USER, 3 ANGL
    int upSet = 0; float up = 0;           // vup3d, radians
    int focusSet = 0; float focus[3] = {}; // vfoc3d: 0 default, 1 ABS, 2 USER
    float halfAngle = std::atan(0.25f);    // vang3d, radians
    float clipNear = 1.0f, clipFar = -1.0f;  // vclp3d
    int labels3 = 0;                       // labl3d
    int clip3 = 0;                         // clip3d: kClip2D, kClipNone, kClip3D
    int surfSize = 0;                      // sursze set
    int surfVisible = 0;                   // survis
    int surfOptions = 0;                   // suropt
    int noHide = 0;                        // nohide
    int light = 0;                         // light
    int flab3 = 1;                         // flab3d
    int surfColours[2] = {-1, -1};         // surclr: top, bottom
    int surfColoursSet = 0;                // surclr called
    int surfMesh = 0;                      // surmsh: 0 OFF 1 ON 2 ONLY
    int zbufferOpen = 0;                   // zbfini .. zbffin
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

    // lighting: light, litmod, litpos, litopt, matopt
    LightSource lights[8] = {LightSource{1}};
    float material[4] = {0.2f, 0.8f, 0.0f, 0.0f};  // ambient, diffuse, specular, exponent

    // the current 3-D axis system (graf3d)
    float box[3] = {2, 2, 2};              // box lengths in effect
    Projection projection;                 // box to plot coordinates
    DepthRange depthRange;                 // the front and back planes as depth levels
    float pen3[3] = {};                    // strt3d/conn3d pen, box coordinates
    int pen3Shown = 0;                     // the line pen stands at pen3's projection
    float eye[3] = {}, focusBox[3] = {};   // resolved view point and focus, box coordinates
    float lightBox[8][3] = {};             // resolved light positions, box coordinates

    // grfini .. grffin: the page drawn into a plane of the box
    int planeActive = 0;
    float plane[3][3] = {};                // box points of the page's lower left, lower right, upper right
    SavedBoxSystem savedSystem;
};

}  // namespace vtx
