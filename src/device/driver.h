// The interface through which the control core, the pipeline and the text
// layer reach an output driver. Each driver lives in its own file under
// drivers/ and fills in the entries it supports; a null entry means the
// device does nothing there. Which device uses which driver is a column of
// core/devices.def.
#pragma once

#include "device/image_rgb.h"
#include "session/globals.h"

namespace vtx {

// What the dispatcher sends to a driver's vector entry, in device coordinates.
enum VectorOp {
    kOpDraw = 2,  // a line from the current device position to the point
    kOpMove = 3,  // the pen moves to the point without drawing
};

// Hardware line attributes of the devices with kHardwareLines.
enum class LineAttribute {
    Width,       // linwid: a whole number of pen units
    PenWidth,    // penwid: pen units with a fraction
    Cap,         // 0 cut, 1 round, 2 long
    Join,        // 0 sharp, 1 round, 2 truncated
    MiterLimit,  // the miter limit times the line width, in pen units
};

// The em size of a device font relative to the character height, so that
// capitals come out about as high as the vector glyphs.
constexpr float kDeviceFontScale = 22.0f / 15.0f;

// A point in a device's own coordinates.
struct DevicePoint {
    float x, y;
};

// One character drawn in a device font.
struct DeviceChar {
    int code;         // the library's character code; accented letters are 127..186
    int font;         // the standard font, in the psfont order
    int height;       // character height in plot units
    int angle;        // text angle in degrees, counter-clockwise
    float x, y;       // pen position on the base line, plot coordinates
    float advance;    // the character's width in plot units
    float baseShift;  // shift of the base line (indices and exponents), plot units
};

struct DeviceDriver {
    // Opens the output: creates the driver's state in g.driver, writes the
    // file header and sets g.out.deviceScale.
    void (*begin)(Globals& g);
    // Finishes the output at vtxfin (trailer, file) and releases the state.
    void (*end)(Globals& g);
    // newpag: the next page; the colour is sent again afterwards.
    void (*newPage)(Globals& g);
    // erase: clears the drawing surface.
    void (*erase)(Globals& g);
    // The device's own mapping of a plot point (origin shift applied) to
    // device coordinates; required wherever vector is set.
    DevicePoint (*mapPoint)(const Globals& g, float x, float y);
    // A move or a draw (VectorOp) to a point in device coordinates.
    void (*vector)(Globals& g, float x, float y, int op);
    // The current colour changed: its index and its table entry.
    void (*colour)(Globals& g, int index, int red, int green, int blue);
    // A hardware line attribute: `value` in pen units of 0.05 mm for the
    // widths and the miter limit, the code for caps and joins; `plotUnits`
    // the width in plot units as the program gave it (widths only).
    void (*lineAttribute)(Globals& g, LineAttribute what, float value, float plotUnits);
    // The device's own clip rectangle, device coordinates (window, raster).
    void (*clipRect)(Globals& g, int x1, int y1, int x2, int y2);
    // A polygon filled solid by the device, in plot coordinates with the
    // origin shift applied (n >= 3); the driver maps the points itself.
    void (*polygon)(Globals& g, const float* x, const float* y, int n);
    // The colour table changed: devices that keep a palette copy it (window, raster).
    void (*colourTable)(Globals& g);
    // The device font changed (psfont, height): font in the psfont order,
    // character height in plot units.
    void (*selectFont)(Globals& g, int font, int height);
    // One character in a device font.
    void (*character)(Globals& g, const DeviceChar& c);
    // sendbf: shows what has been drawn so far (window).
    void (*flush)(Globals& g);
    // An image stretched over a rectangle: upper left corner (x, y) in plot
    // coordinates with the origin shift applied, width and height in plot
    // units; the driver maps the corners itself. Null: images cannot be
    // included on the device.
    void (*image)(Globals& g, const ImageRGB& image, float x, float y, float w, float h);
};

// The driver of a device number, or null if the device has none yet.
const DeviceDriver* deviceDriver(int device);

}  // namespace vtx
