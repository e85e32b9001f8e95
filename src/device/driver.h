// The interface through which the control core and the pipeline reach an
// output driver. Each driver lives in its own file under drivers/ and fills in
// the entries it supports; a null entry means the device does nothing there.
#pragma once

#include "session/globals.h"

namespace vtx {

// Operation codes of the dispatcher and of the vector drivers.
enum VectorOp {
    kOpInit = 0,      // initialise the driver's path buffer
    kOpPolyOpen = 1,  // polygon start; x carries the vertex count (window, WMF)
    kOpDraw = 2,      // line from the current device position
    kOpMove = 3,
    kOpFill = 5,      // fill the current path (PDF)
    kOpWidth = 6,     // x carries the line width (PDF, SVG)
    kOpJoin = 7,      // x carries the join (PDF)
    kOpCap = 8,       // x carries the cap (PDF)
    kOpStroke = 9,    // PostScript: stroke now; PDF: miter limit; polygon end
    kOpFinish = 999,  // flush and release the path buffer
};

// Hardware line attributes that a driver writes in its own language.
enum class LineAttribute { Width, PenWidth, Cap, Join, MiterLimit };

struct DeviceDriver {
    void (*begin)(Globals& g);    // file header, at vtxini; sets the device scale factor
    void (*end)(Globals& g);      // trailer, at vtxfin
    void (*newPage)(Globals& g);  // newpag
    void (*erase)(Globals& g);    // erase
    // Move, draw and the other operation codes, in device coordinates.
    void (*vector)(Globals& g, float x, float y, int op);
    // The current colour changed: its index and its table entry.
    void (*colour)(Globals& g, int index, int red, int green, int blue);
    // A hardware line attribute; lengths in device units.
    void (*lineAttribute)(Globals& g, LineAttribute what, float value);
    // The device's own clip rectangle, device coordinates (window, raster).
    void (*clipRect)(Globals& g, int x1, int y1, int x2, int y2);
    // A polygon filled solid by the device, in device coordinates (n >= 3).
    void (*polygon)(Globals& g, const float* x, const float* y, int n) = nullptr;
    // The colour table changed: devices that keep a palette copy it (window, raster).
    void (*colourTable)(Globals& g) = nullptr;
};

// The driver of a device number, or null if the device has none yet.
const DeviceDriver* deviceDriver(int device);

}  // namespace vtx
