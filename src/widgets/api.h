// Public routines of the widget toolkit: dialog windows built from widgets,
// their options, values and callbacks.
#pragma once

#include <string>

#include "widgets/widget_state.h"

namespace vtx {

// Options, kept until changed.
void swgmod(const char* mode);                           // "AUTO", "XWIN", "ASCI"
void swgmix(const char* character, const char* option);  // "SEP": item separator
void swgpop(const char* option);                         // menu entries OK, Quit, Help
void swgwth(int width);                                  // characters; -p: p percent of the screen
void swgspc(float x, float y);
void swgstp(float step);
void swgdrw(float ratio);
void swgpos(int x, int y);
void swgsiz(int width, int height);
void swgwin(int x, int y, int width, int height);
void swgoff(int x, int y);
void swgjus(const char* value, const char* option);
void swgtyp(const char* value, const char* option);
void swgopt(const char* value, const char* option);
void swgclr(float r, float g, float b, const char* option);
void swgmrg(int value, const char* option);
void swgtit(const char* title);
void swghlp(const char* text);
void swgfnt(const char* font, int size);

// Creation: each returns the new widget's ID, or -1.
int wgini(const char* layout);
int wgbas(int parent, const char* layout);
int wglab(int parent, const char* text);
int wgbut(int parent, const char* text, int state);
int wgpbut(int parent, const char* text);
int wgcmd(int parent, const char* text, const char* command);
int wgtxt(int parent, const char* text);
int wgltxt(int parent, const char* label, const char* text, int percent);
int wgstxt(int parent, int size, int maxLines);
int wgfil(int parent, const char* label, const char* file, const char* mask);
int wglis(int parent, const char* items, int selected);
int wgdlis(int parent, const char* items, int selected);
int wgbox(int parent, const char* items, int selected);
int wgscl(int parent, const char* label, float min, float max, float value, int decimals);
int wgdraw(int parent);
int wgpop(int parent, const char* label);
int wgapp(int menu, const char* label);
int wgok(int parent);
int wgquit(int parent);

// Running.
void wgfin();
void reawgt();
void sendok();  // as OK (sendmb, for the screen window's wait, is in device/drivers/x11/api.h)

// Values.
int gwgbut(int id);
int gwglis(int id);
int gwgbox(int id);
float gwgscl(int id);
std::string gwgtxt(int id);
std::string gwgfil(int id);
int gwgxid(int id);
int gwgatt(int id, const char* option);
void swgbut(int id, int state);
void swglis(int id, int selected);
void swgbox(int id, int selected);
void swgscl(int id, float value);
void swgtxt(int id, const char* text);
void swgfil(int id, const char* file);
void swgatt(int id, const char* value, const char* option);

// Runs before Quit ends the process (the module flushes the interpreter's streams).
void setWidgetExitHook(void (*hook)());

// Callbacks: called with the widget's ID (swgcbk) or with its ID and the
// user data (swgcb) when the widget is activated.
void swgcbk(int id, WidgetCallback callback);
void swgcb(int id, WidgetDataCallback callback, void* data);

}  // namespace vtx
