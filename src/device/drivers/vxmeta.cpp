// The library's own metafile: a header line with the page size, then records
// of 10-character fields through the 80-character line buffer, and the end
// record. Coordinates are fractions of the longer page side (0 to 1, y
// upwards), so a field above 1 is always an operation code:
//   x y [op]        drawing record; op " 2.0000000" draw or " 3.0000000" move,
//                   written only when it differs from the previous one
//   4 r g b         colour record; red, green, blue as fractions of 255
//   9               end record
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/output.h"

namespace vtx {

extern const DeviceDriver kVxmetaDriver;

namespace {

// The open metafile, in the record from begin to end.
struct VxmetaState : DriverData {
    VxmetaState() : DriverData(&kVxmetaDriver) {}
    int lastOp = 0;  // op of the previous drawing record, 0 after a colour record
};

VxmetaState* stateOf(Globals& g) { return driverData<VxmetaState>(g.driver, &kVxmetaDriver); }

// A number in its 10-character field. A value too wide for the field still
// gets the blank that separates it from the one before, and a value that is
// not finite is written as 0, so that readers can always split the fields.
void formatField(char (&field)[48], const char* format, double v) {
    if (!std::isfinite(v)) v = 0.0;
    std::snprintf(field + 1, sizeof field - 1, format, v);
    field[0] = ' ';
    if (field[1] == ' ') std::memmove(field, field + 1, std::strlen(field + 1) + 1);
}

void putField(Globals& g, double v) {
    char field[48];
    formatField(field, "%10.7f", v);
    qqbuff(g, field);
}

void begin(Globals& g) {
    char width[48], height[48];
    formatField(width, "%10.1f", double(g.out.nxPage));
    formatField(height, "%10.1f", double(g.out.nyPage));
    outPrintf(g, "%s%s\n", width, height);
    int longer = std::max(std::max(g.out.nxPage, g.out.nyPage), 1);
    g.out.deviceScale = 1.0f / float(longer);
    g.out.metaOffset = 0.0f;
    createDriverData<VxmetaState>(g);
}

void end(Globals& g) {
    qqbuff(g, " 9.0000000");
    g.driver.data.reset();
}

// Fractions of the longer page side, y upwards; page mode 1 turns the page.
DevicePoint mapPoint(const Globals& g, float x, float y) { return metafilePoint(g, x, y); }

void vector(Globals& g, float x, float y, int op) {
    VxmetaState* meta = stateOf(g);
    if (!meta) return;
    putField(g, double(x));
    putField(g, double(y));
    if (op != meta->lastOp) qqbuff(g, op == kOpDraw ? " 2.0000000" : " 3.0000000");
    meta->lastOp = op;
}

// The metafile records colour changes only.
void colour(Globals& g, int index, int red, int green, int blue) {
    if (index == g.colour.current) return;
    qqbuff(g, " 4.0000000");
    for (int c : {red, green, blue}) putField(g, double(std::clamp(c, 0, 255)) / 255.0);
    if (VxmetaState* meta = stateOf(g)) meta->lastOp = 0;
}

}  // namespace

extern const DeviceDriver kVxmetaDriver = {
    begin,     // begin: the page size line
    end,       // end: the end record
    nullptr,   // newPage
    nullptr,   // erase
    mapPoint,  // mapPoint: fractions of the longer page side
    vector,    // vector: drawing records
    colour,    // colour: colour records of changed colours
    nullptr,   // lineAttribute
    nullptr,   // clipRect
    nullptr,   // polygon
    nullptr,   // colourTable
    nullptr,   // selectFont
    nullptr,   // character
    nullptr,   // flush
    nullptr,   // image
};

}  // namespace vtx
