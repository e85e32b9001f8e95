// The complete process-wide state record: the core's part and one struct per
// subsystem, each declared in its subsystem's header; every routine reaches
// the same record. It lives above every subsystem, so no subsystem's headers
// reach the core.
#pragma once

#include "core/checks.h"
#include "core/core_record.h"
#include "device/device_state.h"
#include "device/driver_state.h"
#include "device/fill_state.h"
#include "device/shield_state.h"
#include "device/drivers/raster/image_access.h"
#include "device/surface.h"
#include "device/transform_state.h"
#include "text/text_state.h"
#include "graph2d/axis_state.h"
#include "graph2d/curve_state.h"

namespace vtx {

// The subsystems above 2-D graphics keep their state out of this header: a
// file that reads one of them includes its state header itself, so a change
// there recompiles only those files.
struct Graph3DState;
struct ContourState;
struct MapState;
struct FiguresState;
struct BusinessState;
struct UtilityState;
struct UpperStates;

struct Globals : CoreRecord {
    LineState line;        // origin, clipping, line styles
    ColourState colour;    // colour table, current colour
    FillState fill;        // shading pattern and outline flag of filled areas
    ShieldState shield;    // shielding regions and automatic groups
    TransformState trf;    // base transformation
    PixelSurface surface;  // pixels of the raster devices
    ImageAccess image;     // pixel access of the raster devices (imgini ... imgsiz)
    TextState text;        // fonts, character parameters, text modes
    AxisState axis;        // 2-D axis systems and their labels, ticks and names
    CurveState curve;      // curve settings, attribute cycles, error-bar direction
    LegendState legend;    // legend buffer, entries and options
    TitleState title;      // axis-system titles
    Graph3DState& g3d;     // 3-D axis systems and surfaces
    ContourState& contour; // contour lines and shaded contours
    MapState& map;         // map projections and coastlines
    FiguresState& fig;     // arcs, figures and arrows
    BusinessState& biz;    // bar graphs and pie charts
    UtilityState& util;    // base date and gridding parameters
    DriverState driver;    // the open output driver's own state

    // The process record is made once, by the factory of session/globals.cpp,
    // which allocates the upper subsystems' states together with it.
    explicit Globals(UpperStates& upper);
    // A free-standing record that owns its upper states (unit tests).
    Globals();
    ~Globals();
    Globals(const Globals&) = delete;
    Globals& operator=(const Globals&) = delete;

private:
    UpperStates* upper_;
    bool ownsUpper_ = false;
};

// The core makes every record through the factory of session/globals.cpp,
// so the record behind a CoreRecord pointer is always a complete one. These
// are inline so that the subsystems below the session call only the core.

// The record, or null before the first public call.
inline Globals* qqgglb() { return static_cast<Globals*>(coreRecord()); }

// The level check of every routine above the core (see coreLevel): the
// complete record if the level lies in [minLevel, maxLevel], else null.
inline Globals* jqqlev(int minLevel, int maxLevel, const char* name) {
    return static_cast<Globals*>(coreLevel(minLevel, maxLevel, name));
}

// The lenient check of parameter routines (see coreChkini).
inline Globals* chkini(const char* name) { return static_cast<Globals*>(coreChkini(name)); }

}  // namespace vtx
