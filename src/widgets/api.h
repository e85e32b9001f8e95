// Public routines of the widget toolkit: dialog windows built from widgets,
// their options, values and callbacks.
#pragma once

#include <string>

namespace vtx {

// Options.
void swgmod(const char* mode);                 // "AUTO", "XWIN", "ASCI"
void swgmix(const char* character, const char* option);  // "SEP": item separator


// Stand-alone dialogs, outside wgini ... wgfin; on the display or in the terminal.
void dwgmsg(const char* text);                 // separators become line breaks
int dwgbut(const char* question, int dflt);    // 1 yes, 0 no
std::string dwgfil(const char* label, const char* file, const char* mask);  // at most 80 characters
int dwglis(const char* label, const char* items, int selected);             // 1-based item number
std::string dwgtxt(const char* label, const char* dflt);                    // at most 132 characters
void msgbox(const char* text);

// Item strings, divided by the separator of swgmix.
std::string itmcat(const char* list, const char* item);
int itmcnt(const char* list);
std::string itmstr(const char* list, int n);

}  // namespace vtx
