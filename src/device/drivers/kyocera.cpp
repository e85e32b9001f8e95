// The page-printer language: unit and margin set-up, vectors in dots of
// 1/300 inch, pages and exit.
#include <algorithm>
#include <cstdio>

#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/output.h"

namespace vtx {

namespace {

// An A4 sheet in dots at 300 per inch, long and short side.
constexpr float kSheetLong = 3507.0f, kSheetShort = 2480.0f;

void begin(Globals& g) {
    bool landscape = g.out.nxPage >= g.out.nyPage;
    if (landscape) {
        qqbuff(g, "!R! UNIT C;SPO L;SLM 0;");
        qqbuff(g, "SRM 28.7;STM 0;SBM 20;");
    } else {
        qqbuff(g, "!R! UNIT C;SPO P;SLM 0;");
        qqbuff(g, "SRM 20;STM 0;SBM 28.7;");
    }
    qqbuff(g, "UNIT D;");
    float w = float(std::max(g.out.nxPage, 1)), h = float(std::max(g.out.nyPage, 1));
    g.out.deviceScale = landscape ? std::min(kSheetLong / w, kSheetShort / h) : std::min(kSheetShort / w, kSheetLong / h);
}

void end(Globals& g) { qqbuff(g, "RES;EXIT;"); }

void newPage(Globals& g) { qqbuff(g, "PAGE;"); }

// Dots from the upper left corner of the sheet.
DevicePoint mapPoint(const Globals& g, float x, float y) {
    const float s = g.out.deviceScale;
    return {roundHalfUp(x * s), roundHalfUp(y * s)};
}

void vector(Globals& g, float x, float y, int op) {
    char record[40];
    std::snprintf(record, sizeof record, "%s%4d,%4d;", op == kOpDraw ? "DAP " : "MAP ", int(x), int(y));
    qqbuff(g, record);
}

}  // namespace

extern const DeviceDriver kKyoceraDriver = {
    begin,     // begin: units, orientation and margins
    end,       // end: RES and EXIT
    newPage,   // newPage: PAGE
    nullptr,   // erase
    mapPoint,  // mapPoint: dots, y downwards
    vector,    // vector: MAP and DAP
    nullptr,   // colour
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
