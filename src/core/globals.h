// The process-wide global state record: every parameter of the library and the
// state of the current plot. It is composed of one struct per subsystem, each
// declared in its subsystem's header; every routine reaches the same record.
#pragma once

#include "core/control_state.h"
#include "device/device_state.h"
#include "device/fill_state.h"
#include "device/shield_state.h"
#include "device/transform_state.h"
#include "device/surface.h"
#include "text/text_state.h"
#include "graph2d/axis_state.h"
#include "graph2d/curve_state.h"
#include "graph3d/graph3d_state.h"
#include "contour/contour_state.h"
#include "maps/map_state.h"
#include "business/business_state.h"
#include "utilities/utility_state.h"

namespace vtx {

struct Globals {
    ControlState ctl;      // level, device, counters, running routine and message
    ProtocolState prot;    // warning switches and the protocol stream
    OutputState out;       // file, page, window and file-format settings
    LineState line;        // origin, clipping, line styles
    ColourState colour;    // colour table, current colour
    FillState fill;        // shading pattern and outline flag of filled areas
    ShieldState shield;    // shielding regions and automatic groups
    TransformState trf;    // base transformation
    PixelSurface surface;  // pixels of the raster devices
    TextState text;        // fonts, character parameters, text modes
    AxisState axis;        // 2-D axis systems, labels, curves, legends, titles
    CurveState curve;      // attribute cycles, bar width, error-bar direction
    LegendState legend;    // legend buffer, entries and options
    TitleState title;      // title underlines
    Graph3DState g3d;      // 3-D axis systems and surfaces
    ContourState contour;  // contour lines and shaded contours
    MapState map;          // map projections and coastlines
    BusinessState biz;     // bar graphs and pie charts
    UtilityState util;     // base date and gridding parameters
};

// Creates the record on first use (mode 0; returns 1 if it already existed,
// 0 if it was just created) or frees it (mode 1).
int qqsglb(int mode);

// The record, or null before the first public call.
Globals* qqgglb();

}  // namespace vtx
