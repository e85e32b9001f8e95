// Parameter defaults: resall sets all of them at vtxini, reset restores one
// parameter (named by the first four letters of its routine) or all of them.
// Every subsystem lists its own reset keywords beside its code; this file
// walks their tables.
#include <cstring>

#include "business/business_resets.h"
#include "contour/contour_resets.h"
#include "core/checks.h"
#include "figures/figures_resets.h"
#include "core/core_resets.h"
#include "core/messages.h"
#include "device/device_resets.h"
#include "graph2d/graph2d_resets.h"
#include "graph3d/graph3d_resets.h"
#include "maps/map_resets.h"
#include "session/api.h"
#include "text/text_resets.h"
#include "utilities/utility_resets.h"

namespace vtx {

namespace {

// The tables in the order of the layers.
template <class Visit>
void forEachResetTable(Visit visit) {
    visit(kCoreResets);
    visit(kDeviceResets);
    visit(kTextResets);
    visit(kGraph2DResets);
    visit(kGraph3DResets);
    visit(kContourResets);
    visit(kMapResets);
    visit(kFiguresResets);
    visit(kBusinessResets);
    visit(kUtilityResets);
}

// Defaults that reset cannot name: it knows only the routines of its fixed
// keyword list.
void restoreUnnamed(Globals& g) {
    restoreCoreUnnamed(g);
    restoreDeviceUnnamed(g);
    restoreTextUnnamed(g);
    restoreGraph2DUnnamed(g);
    restoreGraph3DUnnamed(g);
    restoreContourUnnamed(g);
    restoreMapUnnamed(g);
    restoreBusinessUnnamed(g);
}

}  // namespace

// The keyword restores come before the unnamed ones, which start from some of
// them (the text defaults from the height and the width factor). Otherwise
// each restore touches its own subsystem only; the one order that shows is
// the colour table reaching the device before the font is selected.
void resall(Globals& g) {
    restoreProtocolSwitches(g);
    forEachResetTable([&g](const auto& rows) {
        for (const auto& row : rows)
            if (row.inResall) row.restore(g);
    });
    restoreUnnamed(g);
}

void reset(const char* name) {
    Globals* g = chkini("reset");
    char key[5];
    int n = 0;
    for (; n < 4 && name[n]; ++n) key[n] = upperAscii(name[n]);
    key[n] = '\0';
    if (std::strcmp(key, "ALL") == 0) {
        resall(*g);
        return;
    }
    bool found = false;
    forEachResetTable([&](const auto& rows) {
        for (const auto& row : rows) {
            if (found || std::strcmp(row.key, key) != 0) continue;
            row.restore(*g);
            found = true;
        }
    });
    if (!found) warnc1(Warning::IncorrectParameter, key);
}

std::vector<std::string> resetKeywords() {
    std::vector<std::string> keys;
    forEachResetTable([&keys](const auto& rows) {
        for (const auto& row : rows) keys.emplace_back(row.key);
    });
    return keys;
}

}  // namespace vtx
