// Public routines of the screen windows: display requests, window titles
// and identifiers, and cursor input.
#pragma once

#include <string>

namespace vtx {

// "XWIN" when an X display can be opened, else "NONE".
std::string getdsp();
// Size of the X screen in pixels; 0 and 0 without a display.
void getscr(int& width, int& height);
// Colour depth of the X screen in bits per pixel; 8 without a display.
int getbpp();
// Identifier of the current window ("WIND"), the screen's root window
// ("SCRE") or the window's pixmap ("PIXM"); -1 if there is none.
int getxid(const char* what);
// Number (1 to 8) of the current window, 0 if none is open.
int winid();
// Several windows in one plot (1 to 8): opnwin opens window n with the
// window settings and draws into it, selwin draws into an open window
// again, clswin closes one.
void opnwin(int n);
void selwin(int n);
void clswin(int n);
// Draws the next plots into another program's X window ("WIND", "WIDG") or
// pixmap ("PIXM") with the given identifier; -1 or "NONE" ends that.
void setxid(int id, const char* kind);
// Colours of windows on palette displays (TrueColor displays show every
// colour as it is): "AUTO" cells of the shared colormap, a colormap of the
// window's own when they run out; "FULL" a colormap of the window's own with
// a cell for every colour index from the start; "SHARED" the shared
// colormap only, the table folded onto the cells it has free.
void clrmod(const char* mode);

// Ends the wait of the screen window for a mouse button (newpag, vtxfin):
// the next such wait ends as if button 2 had been pressed.
void sendmb();
// The title of the current window and of windows opened later; empty: the library's titles.
void wintit(const char* title);

// Cursor input in the current window: positions in plot coordinates, or
// in pixels after csruni("PIXE").
void csruni(const char* unit);
void csrtyp(const char* shape);
// The place of the next press of button 1.
void csrpt1(int& x, int& y);
// Positions of presses of button 1 until button 2 or 3; at most nmax are
// kept. Returns the number kept.
int csrpts(int* x, int* y, int nmax);
// The path of the pointer from a press of button 1 to its release; at most
// nmax positions are kept. Returns the number kept.
int csrmov(int* x, int* y, int nmax);

}  // namespace vtx
