// Reset keywords of the output and protocol settings, and their defaults
// without a keyword. Included by the session's reset routines only.
#pragma once

#include <cstdio>

#include "core/reset_table.h"

namespace vtx {

// getwin then reads the window that a plot without window or winsiz gets.
inline void restoreWindowPlacement(CoreRecord& g) {
    g.out.winPlace = OutputState{}.winPlace;
    placeDefaultWindow(g.out);
}

inline const ResetRow<CoreRecord> kCoreResets[] = {
    {"FILB", [](CoreRecord& g) { g.out.fileBoxSet = OutputState{}.fileBoxSet; }, true},
    {"UNIT", [](CoreRecord& g) {
         g.prot.stream = g.prot.fileStream ? g.prot.fileStream : stdout;
         g.prot.unit = g.prot.stream == stdout ? 6 : 17;
     }, true},
    {"WIND", restoreWindowPlacement, false},
    {"WINM", [](CoreRecord& g) { g.out.winWait = OutputState{}.winWait; }, true},
    {"WINS", restoreWindowPlacement, false},
};

// The protocol switches come first: every later restore may warn.
inline void restoreProtocolSwitches(CoreRecord& g) {
    const ProtocolState d;
    g.prot.protOn = d.protOn, g.prot.warnOn = d.warnOn, g.prot.checkOn = d.checkOn;
}

inline void restoreCoreUnnamed(CoreRecord& g) {
    const OutputState d;
    g.out.winKey = d.winKey;
    g.out.winDelay = d.winDelay;
}

}  // namespace vtx
