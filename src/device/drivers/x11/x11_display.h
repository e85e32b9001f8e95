// The connection to the X display and the screen windows: one connection per
// process, opened with the first window, and up to eight windows, one per
// slot. The windows outlive the plot that drew them (they are repainted
// while a later plot waits), so this state is the process's, not a plot's.
// Only the files of this folder include it, after every library header: the
// X headers define macros that clash with ordinary names.
#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cstdint>

namespace vtx {

struct PixelSurface;

constexpr int kWindowSlots = 8;

struct X11Window {
    Window window = 0;
    Pixmap pixmap = 0;        // the picture; 0 when drawing goes straight to the window
    int width = 0, height = 0;
    bool open = false;
    bool mapped = false;
    bool ownTitle = false;    // wintit named it: the library leaves the title alone
    bool external = false;    // another program's window or pixmap (setxid): drawn into, never closed
};

struct X11Connection {
    Display* display = nullptr;
    int screen = 0;
    Window root = 0;
    GC gc = nullptr;
    int screenW = 0, screenH = 0;
    int depth = 0;
    Visual* visual = nullptr;
    bool trueColour = false;
    int shift[3] = {}, bits[3] = {};  // TrueColor: where red, green and blue go in a pixel
    Colormap colormap = 0;
    bool privateColormap = false;
    int colourMode = 0;       // clrmod: 0 AUTO, 1 FULL, 2 SHARED
    Atom wmProtocols = 0, wmDelete = 0;
    X11Window slots[kWindowSlots];
    int current = -1;         // slot of the current window
    bool buttonSent = false;  // sendmb: the next wait for a mouse button ends at once
    // The open plot's surface and its slot: windows drawn without a pixmap
    // are repainted from it while the plot is open.
    const PixelSurface* live = nullptr;
    int liveSlot = -1;
    // Palette displays: the 256 colour indices folded onto the cells allocated.
    unsigned long pixel[256] = {};
    unsigned char allocated[256][3] = {};  // the palette the cells were allocated for
    bool cellsValid = false;
    unsigned long cellPixels[256] = {};    // the cells allocated, to free them again
    int cells = 0;
};

X11Connection& x11();

// Opens the display once; false if it cannot be opened.
bool openConnection();
// Destroys every window and closes the display.
void closeConnection();

// Creates (or re-creates) the window of a slot at the given place and makes
// it the current one; pixmap and drawing mode from x11mod.
// A non-empty title is the window's own (wintit).
void openWindow(int slot, int x, int y, int width, int height, int x11Mode, bool reverse, const char* title);
void destroyWindow(int slot);
// Takes another program's window (kind 1 and 3) or pixmap (kind 2) as the
// slot's drawable and makes it current; false if the identifier names no
// drawable. Its size is returned.
bool attachDrawable(int slot, unsigned long id, int kind, int& width, int& height);
void setTitle(int slot, const char* title);
// The slot's usual title: "VANTIX n" followed by the text, unless wintit named it.
void setStatusTitle(int slot, const char* suffix);
// Maps the window if it is not shown yet and waits for its first exposure.
void showWindow(int slot);

// The pixels of the surface into the slot's pixmap (or window) and onto the screen.
void putSurface(int slot, const PixelSurface& surface);
// Copies the slot's pixmap into its window.
void repaint(int slot);

// X pixel value of a surface pixel.
unsigned long surfacePixel(const PixelSurface& surface, const unsigned char* p);
// The colour mode of clrmod for the windows opened from now on.
void setColourMode(int mode);
// Prepares the colour cells for the surface's palette (palette displays only).
void prepareColours(const PixelSurface& surface);

// Event handling shared by the waits: repaints exposed windows and closes
// windows the window manager asks to close. Returns the slot closed, or -1.
int handleCommonEvent(const XEvent& e);
// The slot of an X window, -1 if it is none of ours.
int slotOf(Window w);
// Waits up to `milliseconds` for an event (negative: without limit);
// false when none arrived.
bool waitForEvent(int milliseconds);

}  // namespace vtx
