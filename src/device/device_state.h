// Device-layer fields of the global state record: origin, clipping, line
// styles, colours, filling, shielding and the base transformation.
#pragma once

namespace vtx {

struct LineState {
    int originX = 0, originY = 0;          // origin
    int pageOrigin = 0;                    // pagorg: 0 TOP, 1 BOTT
    int clipX1 = 0, clipY1 = 0, clipX2 = 2969, clipY2 = 2099;  // clipping window, inclusive
    int clipOwner = 0;                     // 0 page, 1 clpwin, 2 axis system
    int clipBorder = 0;                    // clpbor
    int clipMode = 0;                      // clpmod: AUTO NONE CIRC RECT
    int dash[10] = {1};                    // myline / lintyp pattern
    int dashCount = 1;
    int dashPhase = 0, dashIndex = 1;      // position inside the pattern
    float dashRemaining = 1.0f;
    int lineType = 0;                      // lintyp
    int lineWidth = 1;                     // linwid
    float penWidth = 1.0f;                 // penwid
    int lineJoin = 2;                      // lnjoin: SHAR ROUN TRUN
    int lineCap = 2;                       // lncap: CUT ROUN LONG
    float miterLimit = 2.0f;               // lnmlt
    float parallelOffset = 0.0f;
    int curveThickness = 1;                // thkcrv
};

// Colour table kinds selected by setvlt.
enum ColourTable { kVltSmall = 0, kVltRain, kVltSpec, kVltGrey, kVltRRain, kVltRSpec, kVltRGrey, kVltVga, kVltTemp };

struct ColourState {
    int colourMode = 0;                    // clrmod
    int table = 0;                         // setvlt: index of the colour table kind
    int current = 255;                     // current colour index
    int foreground = 255;                  // index of the foreground colour FORE
    int rangeLow = 1, rangeHigh = 254;     // colran
    int reverse = 0;                       // revscr
    int cycleColours = 0;                  // clrcyc entries in use
    int colourCycle[30] = {};
};

}  // namespace vtx
