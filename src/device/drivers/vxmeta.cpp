// The library's own metafile: a header line with the page size, then records
// of 10-character fields through the 80-character line buffer, and the end
// record. Coordinates are fractions of the longer page side (0 to 1, y
// upwards), so a field above 1 is always an operation code:
//   x y [op]        drawing record; op " 2.0000000" draw or " 3.0000000" move,
//                   written only when it differs from the previous one
//   4 r g b         colour record; red, green, blue as fractions of 255
//   9               end record
#include <algorithm>
#include <cstdio>

#include "device/driver.h"
#include "device/output.h"

namespace vtx {

namespace {

int lastOp = 0;  // op of the previous drawing record, 0 after a colour record

void begin(Globals& g) {
    outPrintf(g, "%10.1f%10.1f\n", float(g.out.nxPage), float(g.out.nyPage));
    int longer = std::max(std::max(g.out.nxPage, g.out.nyPage), 1);
    g.out.deviceScale = 1.0f / float(longer);
    g.out.metaOffset = 0.0f;
    lastOp = 0;
}

void end(Globals& g) { qqbuff(g, " 9.0000000"); }

void vector(Globals& g, float x, float y, int op) {
    if (op != kOpDraw && op != kOpMove) return;
    char record[32];
    std::snprintf(record, sizeof record, "%10.7f", double(x));
    qqbuff(g, record);
    std::snprintf(record, sizeof record, "%10.7f", double(y));
    qqbuff(g, record);
    if (op != lastOp) qqbuff(g, op == kOpDraw ? " 2.0000000" : " 3.0000000");
    lastOp = op;
}

// The metafile records colour changes only.
void colour(Globals& g, int index, int red, int green, int blue) {
    if (index == g.colour.current) return;
    char field[32];
    qqbuff(g, " 4.0000000");
    for (int c : {red, green, blue}) {
        std::snprintf(field, sizeof field, "%10.7f", double(std::clamp(c, 0, 255)) / 255.0);
        qqbuff(g, field);
    }
    lastOp = 0;
}

}  // namespace

extern const DeviceDriver kVxmetaDriver = {begin, end, nullptr, nullptr, vector, colour, nullptr, nullptr, nullptr};

}  // namespace vtx
