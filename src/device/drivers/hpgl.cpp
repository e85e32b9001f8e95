// The plotter language: pen 1 at the start, PU/PD vectors in plotter units
// (0.025 mm), the pen lifted home at the end.
#include <algorithm>
#include <cstdio>

#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/output.h"

namespace vtx {

namespace {

constexpr float kUnitsPerPlotUnit = 4.0f;  // 0.1 mm in plotter units

// Sheets of 402..405 (A4 to A1), long and short side in plotter units.
const float kSheets[4][2] = {{11880, 8400}, {16800, 11880}, {23760, 16800}, {33600, 23760}};

bool sheetDevice(const Globals& g) { return g.ctl.device >= 402 && g.ctl.device <= 405; }

void begin(Globals& g) {
    outPrintf(g, " SP1;\n");
    const int device = g.ctl.device;
    if (sheetDevice(g)) {
        // The page is laid along the sheet's long side and fitted to the sheet.
        float longer = float(std::max(std::max(g.out.nxPage, g.out.nyPage), 1));
        float shorter = float(std::max(std::min(g.out.nxPage, g.out.nyPage), 1));
        const float* sheet = kSheets[device - 402];
        g.out.deviceScale = std::min(sheet[0] / longer, sheet[1] / shorter);
    } else {
        g.out.deviceScale = kUnitsPerPlotUnit * g.out.unitFactor;
    }
}

void end(Globals& g) { qqbuff(g, "PU0,0;"); }

// Plotter units, y upwards. The sheet devices lay the page along the long
// side; the plain plotter turns it in page mode 1.
DevicePoint mapPoint(const Globals& g, float x, float y) {
    const float s = g.out.deviceScale;
    const float W = float(g.out.nxPage), H = float(g.out.nyPage);
    if (sheetDevice(g)) {
        if (W > H) return {roundHalfUp(x * s), roundHalfUp((H - y) * s)};
        return {roundHalfUp((H - y) * s), roundHalfUp((W - x) * s)};
    }
    if (g.out.pageMode == 1) return {roundHalfUp(y * s), roundHalfUp(x * s)};
    return {roundHalfUp(x * s), roundHalfUp((H - y) * s)};
}

void vector(Globals& g, float x, float y, int op) {
    char record[40];
    std::snprintf(record, sizeof record, "%s%d,%d;", op == kOpDraw ? "PD" : "PU", int(x), int(y));
    qqbuff(g, record);
}

// A colour index selects the pen of that number; an unchanged colour keeps the pen.
void colour(Globals& g, int index, int, int, int) {
    if (index == g.colour.current) return;
    char record[24];
    std::snprintf(record, sizeof record, "SP%d;", index);
    qqbuff(g, record);
}

}  // namespace

extern const DeviceDriver kHpglDriver = {
    begin,     // begin: pen 1 and the scale of the sheet
    end,       // end: the pen lifted home
    nullptr,   // newPage
    nullptr,   // erase
    mapPoint,  // mapPoint: plotter units of 0.025 mm, y upwards
    vector,    // vector: PU and PD
    colour,    // colour: the pen of the colour's index
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
