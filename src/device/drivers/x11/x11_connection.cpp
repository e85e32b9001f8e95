// The display connection, the colours of the window pixels, and the display
// requests getdsp, getscr and getbpp.
#include <algorithm>
#include <cstring>
#include <string>

#include "device/drivers/x11/api.h"
#include "device/surface.h"
#include "device/drivers/x11/x11_display.h"

namespace vtx {

namespace {

void maskPosition(unsigned long mask, int& shift, int& bits) {
    shift = bits = 0;
    if (!mask) return;
    while (!(mask & 1)) mask >>= 1, ++shift;
    while (mask & 1) mask >>= 1, ++bits;
}

// An X server that cannot be reached any more ends the program quietly,
// as the default handler does; errors of single requests (a window the
// window manager destroyed meanwhile) are ignored.
int ignoreRequestError(Display*, XErrorEvent*) { return 0; }

bool allocateColour(X11Connection& c, const unsigned char rgb[3], unsigned long& pixel) {
    XColor colour{};
    colour.red = static_cast<unsigned short>(rgb[0] * 257);
    colour.green = static_cast<unsigned short>(rgb[1] * 257);
    colour.blue = static_cast<unsigned short>(rgb[2] * 257);
    colour.flags = DoRed | DoGreen | DoBlue;
    if (!XAllocColor(c.display, c.colormap, &colour)) return false;
    pixel = colour.pixel;
    return true;
}

// The entry among the first n samples nearest in colour to palette index i.
int nearestSample(const PixelSurface& s, const int* sample, int n, int i) {
    int best = 0;
    long bestDistance = -1;
    for (int k = 0; k < n; ++k) {
        const unsigned char* a = s.palette[sample[k]];
        const unsigned char* b = s.palette[i];
        const long dr = a[0] - b[0], dg = a[1] - b[1], db = a[2] - b[2];
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) best = k, bestDistance = d;
    }
    return best;
}

// Gives the 256 indices pixels from at most `cells` colour cells of the
// colormap. A table with no more distinct colours than that gets each
// exactly (the small tables; indices beyond a short table take the nearest
// of its colours); a larger one is folded, index i taking cell
// i × (cells − 1) / 255 rounded, whose colour is the index at the cell's centre.
bool allocateCells(X11Connection& c, const PixelSurface& s, int cells) {
    const int entries = std::clamp(s.paletteEntries, 1, 256);
    int cellOf[256], colours = 0;
    int sample[257];  // the palette index whose colour each cell gets
    for (int i = 0; i < entries && colours <= cells; ++i) {
        int k = 0;
        while (k < colours && std::memcmp(s.palette[sample[k]], s.palette[i], 3) != 0) ++k;
        if (k == colours) sample[colours++] = i;
        cellOf[i] = k;
    }
    if (colours <= cells) {
        for (int i = entries; i < 256; ++i) cellOf[i] = nearestSample(s, sample, colours, i);
    } else {
        colours = cells;
        for (int k = 0; k < cells; ++k) sample[k] = k * 255 / (cells - 1);
        for (int i = 0; i < 256; ++i) cellOf[i] = (i * (cells - 1) + 127) / 255;
    }
    unsigned long cellPixel[256];
    int done = 0;
    while (done < colours && allocateColour(c, s.palette[sample[done]], cellPixel[done])) ++done;
    if (done < colours) {
        if (done) XFreeColors(c.display, c.colormap, cellPixel, done, 0);
        return false;
    }
    for (int i = 0; i < 256; ++i) c.pixel[i] = cellPixel[cellOf[i]];
    std::copy(cellPixel, cellPixel + colours, c.cellPixels);
    c.cells = colours;
    return true;
}

// A private colormap starts as a copy of the first 127 colours of the
// default one, so that other programs' windows keep most of their colours;
// a full one (clrmod FULL) starts empty, leaving every cell to the table.
void usePrivateColormap(X11Connection& c, bool full) {
    Colormap own = XCreateColormap(c.display, c.root, c.visual, AllocNone);
    XColor shared[127];
    const int n = full ? 0 : std::min(127, c.visual->map_entries);
    for (int i = 0; i < n; ++i) shared[i].pixel = static_cast<unsigned long>(i);
    if (n) XQueryColors(c.display, DefaultColormap(c.display, c.screen), shared, n);
    for (int i = 0; i < n; ++i) XAllocColor(c.display, own, &shared[i]);
    c.colormap = own;
    c.privateColormap = true;
    for (const X11Window& w : c.slots)
        if (w.open) XSetWindowColormap(c.display, w.window, own);
}

}  // namespace

X11Connection& x11() {
    static X11Connection connection;
    return connection;
}

bool openConnection() {
    X11Connection& c = x11();
    if (c.display) return true;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return false;
    XSetErrorHandler(ignoreRequestError);
    c.display = d;
    c.screen = DefaultScreen(d);
    c.root = RootWindow(d, c.screen);
    c.gc = DefaultGC(d, c.screen);
    c.screenW = DisplayWidth(d, c.screen);
    c.screenH = DisplayHeight(d, c.screen);
    c.depth = DefaultDepth(d, c.screen);
    c.visual = DefaultVisual(d, c.screen);
    c.colormap = DefaultColormap(d, c.screen);
    c.privateColormap = false;
    c.cellsValid = false;
    c.trueColour = c.visual->c_class == TrueColor;
    maskPosition(c.visual->red_mask, c.shift[0], c.bits[0]);
    maskPosition(c.visual->green_mask, c.shift[1], c.bits[1]);
    maskPosition(c.visual->blue_mask, c.shift[2], c.bits[2]);
    c.wmProtocols = XInternAtom(d, "WM_PROTOCOLS", False);
    c.wmDelete = XInternAtom(d, "WM_DELETE_WINDOW", False);
    c.current = -1;
    return true;
}

void closeConnection() {
    X11Connection& c = x11();
    if (!c.display) return;
    for (int i = 0; i < kWindowSlots; ++i) destroyWindow(i);
    if (c.privateColormap) XFreeColormap(c.display, c.colormap);
    XCloseDisplay(c.display);
    c = X11Connection{};
}

void setColourMode(int mode) {
    X11Connection& c = x11();
    if (mode == c.colourMode) return;
    c.colourMode = mode;
    if (!c.display || !c.privateColormap) return;
    // Another mode starts again from the shared colormap.
    XFreeColormap(c.display, c.colormap);
    c.colormap = DefaultColormap(c.display, c.screen);
    c.privateColormap = false;
    c.cellsValid = false;
    for (const X11Window& w : c.slots)
        if (w.open && !w.external && w.window) XSetWindowColormap(c.display, w.window, c.colormap);
}

void prepareColours(const PixelSurface& s) {
    X11Connection& c = x11();
    if (c.trueColour) return;
    if (c.cellsValid && std::memcmp(c.allocated, s.palette, sizeof c.allocated) == 0) return;
    if (c.cellsValid && c.cells) XFreeColors(c.display, c.colormap, c.cellPixels, c.cells, 0);
    // FULL: a colormap of the window's own with a cell for every index.
    if (c.colourMode == 1) {
        if (!c.privateColormap) usePrivateColormap(c, true);
        if (allocateCells(c, s, std::min(256, c.visual->map_entries))) {
            std::memcpy(c.allocated, s.palette, sizeof c.allocated);
            c.cellsValid = true;
            return;
        }
    }
    // Small displays, or a default colormap without free cells, get a private
    // one, unless clrmod SHARED keeps the default colormap in any case.
    const bool mayOwn = c.colourMode != 2;
    if (c.depth <= 4 && !c.privateColormap && mayOwn) usePrivateColormap(c, false);
    if (!allocateCells(c, s, 129) && !allocateCells(c, s, 65)) {
        if (!c.privateColormap && mayOwn) usePrivateColormap(c, false);
        if (!allocateCells(c, s, 129) && !allocateCells(c, s, 65) && !allocateCells(c, s, 16)) {
            // Nothing left: black and white.
            for (int i = 0; i < 256; ++i)
                c.pixel[i] = i == 0 ? BlackPixel(c.display, c.screen) : WhitePixel(c.display, c.screen);
            c.cells = 0;
        }
    }
    std::memcpy(c.allocated, s.palette, sizeof c.allocated);
    c.cellsValid = true;
}

unsigned long surfacePixel(const PixelSurface& s, const unsigned char* p) {
    const X11Connection& c = x11();
    const unsigned char* rgb = s.rgbMode() ? p : s.palette[p[0]];
    if (c.trueColour) {
        unsigned long v = 0;
        for (int k = 0; k < 3; ++k) v |= (static_cast<unsigned long>(rgb[k]) >> (8 - std::min(c.bits[k], 8))) << c.shift[k];
        return v;
    }
    if (!s.rgbMode()) return c.pixel[p[0]];
    // An RGB picture on a palette display: the nearest colour of the table.
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 256; ++i) {
        const long dr = rgb[0] - s.palette[i][0], dg = rgb[1] - s.palette[i][1], db = rgb[2] - s.palette[i][2];
        const long d = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || d < bestDistance) best = i, bestDistance = d;
    }
    return c.pixel[best];
}

std::string getdsp() {
    if (x11().display) return "XWIN";
    Display* d = XOpenDisplay(nullptr);
    if (!d) return "NONE";
    XCloseDisplay(d);
    return "XWIN";
}

void getscr(int& width, int& height) {
    width = height = 0;
    if (const X11Connection& c = x11(); c.display) {
        width = c.screenW, height = c.screenH;
        return;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) return;
    width = DisplayWidth(d, DefaultScreen(d));
    height = DisplayHeight(d, DefaultScreen(d));
    XCloseDisplay(d);
}

int getbpp() {
    if (const X11Connection& c = x11(); c.display) return c.depth;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return 8;
    const int depth = DefaultDepth(d, DefaultScreen(d));
    XCloseDisplay(d);
    return depth;
}

}  // namespace vtx
