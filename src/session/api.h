// Public routines that act on the whole record: initialisation and
// termination of a plot, the pages in between, and the parameter defaults.
#pragma once

#include <string>
#include <vector>

#include "session/globals.h"

namespace vtx {

// lifecycle
void vtxini();
void vtxfin();
// A plot still open when the program ends is finished as by vtxfin, after a
// line on the protocol that says so.
void finishOpenPlot();
void erase();
void newpag();
void sendbf();

// defaults
void resall(Globals& g);
void reset(const char* name);
// internal: every reset keyword, in the order resall walks the tables
std::vector<std::string> resetKeywords();

}  // namespace vtx
