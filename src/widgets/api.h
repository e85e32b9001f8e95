// Public routines of the widget toolkit: dialog windows built from widgets,
// their options, values and callbacks.
#pragma once

namespace vtx {

// Options.
void swgmod(const char* mode);                 // "AUTO", "XWIN", "ASCI"
void swgmix(const char* character, const char* option);  // "SEP": item separator

}  // namespace vtx
