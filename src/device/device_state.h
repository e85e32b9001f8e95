// Device-layer fields of the global state record: origin, clipping, line
// styles, colours, filling, shielding and the base transformation.
#pragma once

#include <cstdint>

#include "device/pipeline_slots.h"

namespace vtx {

// Area of the current axis system, registered by the axis-system routines so
// that sclpax can clip to it (rectangle inclusive, plot coordinates).
struct AxisClipArea {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float cx = 0.0f, cy = 0.0f, r = 0.0f;  // circle of polar and azimuthal systems
    int circle = 0;                        // 0 none, 1 polar system, 2 map outline (clpmod AUTO only)
};

constexpr int kPolylineCapacity = 100;     // points stroked per batch

struct LineState {
    int originX = 0, originY = 0;          // origin
    int pageOrigin = 0;                    // pagorg: 0 TOP, 1 BOTT
    int rawPageY = 0;                      // internal callers: y values bypass pagorg
    int clipX1 = 0, clipY1 = 0, clipX2 = 2969, clipY2 = 2099;  // clipping window, inclusive
    int clipOwner = 0;                     // 0 page, 1 clpwin, 2 axis system
    int clipBorder = 0;                    // clpbor
    int clipMode = 0;                      // clpmod: AUTO NONE CIRC RECT
    int clipShape = 0;                     // 0 rectangle, 1 circle
    float clipCX = 0.0f, clipCY = 0.0f, clipR = 0.0f;
    int savedClip[4] = {};                 // window before an axis system replaced it
    int clipSaved = 0;
    AxisClipArea axisArea;
    int dash[10] = {1};                    // myline / lintyp pattern
    int dashCount = 1;
    int dashPhase = 0, dashIndex = 1;      // position inside the pattern
    float dashRemaining = 1.0f;
    int lineType = 0;                      // lintyp
    int lineWidth = 1;                     // linwid; negative: a hardware width was sent
    float penWidth = 1.0f;                 // penwid as given
    int lineJoin = 2;                      // lnjoin: SHAR ROUN TRUN
    int lineCap = 2;                       // lncap: CUT ROUN LONG
    float miterLimit = 2.0f;               // lnmlt
    int curveThickness = 1;                // thkcrv

    // the open polyline
    float bufX[kPolylineCapacity] = {}, bufY[kPolylineCapacity] = {};
    int bufCount = 0;
    float curX = 0.0f, curY = 0.0f;        // last point handed to the pipeline
    int pendingMove = 0;                   // the next offset segment starts with a move
    int strokeActive = 0;
    PipelineSlots slots;                   // stages other subsystems plug into the pipeline
};

// Colour table kinds selected by setvlt.
enum ColourTable { kVltSmall = 0, kVltRain, kVltSpec, kVltGrey, kVltRRain, kVltRSpec, kVltRGrey, kVltVga, kVltTemp };

struct ColourState {
    int colourMode = 0;                    // clrmod
    std::uint32_t table[256] = {};         // entry: red * 65536 + green * 256 + blue
    int kind = 0;                          // setvlt: the table kind last loaded
    int userTable = 0;                     // myvlt before vtxini: the next table load keeps the entries
    int names[9] = {};                     // table index of WHIT RED GREE YELL BLUE ORAN CYAN MAGE BLAC
    int foreground = 255;                  // index named by FORE, selected by every table load
    int background = 0;                    // index named by BACK
    int rangeLow = 1, rangeHigh = 254;     // colran: indices used by colour scales
    int outsideLow = 0, outsideHigh = 255; // colour scales: values beyond the start and the end
    int current = 0;                       // last index sent to the device
    int colourCycle[30] = {};              // indices used in turn for series of filled items (clrcyc)
    float tolerance = 0.001f;              // components may stray this far outside 0..1
    int reverse = 0;                       // entry 0 and the last colour are exchanged (reverse screen)
    int sentIndex = -1;                    // last colour handed to the device, and its bytes
    int sentRgb[3] = {};
    int tableSends = 0;                    // colour tables handed to the device
};

}  // namespace vtx
