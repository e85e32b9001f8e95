// The screen windows: creation at their place, titles, showing, copying the
// picture in, and the window requests wintit, getxid and winid.
#include <poll.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/checks.h"
#include "core/messages.h"
#include "device/drivers/x11/api.h"
#include "device/surface.h"
#include "session/globals.h"
#include "device/drivers/x11/x11_display.h"

namespace vtx {

namespace {

constexpr long kWindowEvents =
    ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask | StructureNotifyMask;

// How long a window may take to appear before drawing goes on regardless.
constexpr int kFirstExposureMs = 3000;

}  // namespace

int slotOf(Window w) {
    const X11Connection& c = x11();
    for (int i = 0; i < kWindowSlots; ++i)
        if (c.slots[i].open && c.slots[i].window == w) return i;
    return -1;
}

void setTitle(int slot, const char* title) {
    X11Connection& c = x11();
    X11Window& w = c.slots[slot];
    if (!w.open) return;
    XStoreName(c.display, w.window, title);
    XSetIconName(c.display, w.window, title);
    XFlush(c.display);
}

void setStatusTitle(int slot, const char* suffix) {
    if (slot < 0 || x11().slots[slot].ownTitle) return;
    char title[160];
    std::snprintf(title, sizeof title, "VANTIX %d%s", slot + 1, suffix);
    setTitle(slot, title);
}

void destroyWindow(int slot) {
    X11Connection& c = x11();
    X11Window& w = c.slots[slot];
    if (!w.open) return;
    if (!w.external) {
        if (w.mapped) XUnmapWindow(c.display, w.window);
        XDestroyWindow(c.display, w.window);
        if (w.pixmap) XFreePixmap(c.display, w.pixmap);
    }
    w = X11Window{};
    if (c.current == slot) c.current = -1;
    if (c.liveSlot == slot) c.live = nullptr, c.liveSlot = -1;
    XFlush(c.display);
}

void openWindow(int slot, int x, int y, int width, int height, int x11Mode, bool reverse, const char* title) {
    X11Connection& c = x11();
    destroyWindow(slot);
    if (c.current >= 0 && c.current != slot) setStatusTitle(c.current, "");
    const unsigned long background = reverse ? WhitePixel(c.display, c.screen) : BlackPixel(c.display, c.screen);
    const bool direct = x11Mode <= 1;

    XSetWindowAttributes attributes{};
    attributes.event_mask = kWindowEvents;
    attributes.background_pixel = background;
    attributes.colormap = c.colormap;
    unsigned long mask = CWEventMask | CWColormap;
    if (direct) mask |= CWBackPixel;
    X11Window& w = c.slots[slot];
    w.window = XCreateWindow(c.display, c.root, x, y, unsigned(width), unsigned(height), 0, c.depth, InputOutput,
                             c.visual, mask, &attributes);
    w.width = width, w.height = height;
    w.open = true;
    // The place is the program's choice: window managers are asked to keep it.
    XSizeHints hints{};
    hints.flags = USPosition | USSize | PPosition | PSize;
    hints.x = x, hints.y = y, hints.width = width, hints.height = height;
    XSetWMNormalHints(c.display, w.window, &hints);
    XSetWMProtocols(c.display, w.window, &c.wmDelete, 1);
    if (!direct) {
        w.pixmap = XCreatePixmap(c.display, w.window, unsigned(width), unsigned(height), unsigned(c.depth));
        XSetForeground(c.display, c.gc, background);
        XFillRectangle(c.display, w.pixmap, c.gc, 0, 0, unsigned(width), unsigned(height));
    }
    c.current = slot;
    w.ownTitle = title && *title;
    if (w.ownTitle) setTitle(slot, title);
    else setStatusTitle(slot, " / Working");
    // AUTO shows the window when there is something to see.
    if (x11Mode != 2) showWindow(slot);
}

bool attachDrawable(int slot, unsigned long id, int kind, int& width, int& height) {
    X11Connection& c = x11();
    Window root;
    int x, y;
    unsigned w, h, border, depth;
    if (!XGetGeometry(c.display, Drawable(id), &root, &x, &y, &w, &h, &border, &depth) ||
        int(depth) != c.depth)
        return false;
    destroyWindow(slot);
    if (c.current >= 0 && c.current != slot) setStatusTitle(c.current, "");
    X11Window& s = c.slots[slot];
    s.open = s.external = s.ownTitle = true;
    s.mapped = true;  // shown, or never to be shown, by its owner
    if (kind == 2) s.pixmap = Pixmap(id);
    else s.window = Window(id);
    s.width = width = int(w), s.height = height = int(h);
    c.current = slot;
    return true;
}

void showWindow(int slot) {
    X11Connection& c = x11();
    X11Window& w = c.slots[slot];
    if (!w.open || w.mapped) return;
    XMapRaised(c.display, w.window);
    w.mapped = true;
    XEvent e;
    for (int waited = 0; waited < kFirstExposureMs; waited += 5) {
        XFlush(c.display);
        if (XCheckTypedWindowEvent(c.display, w.window, Expose, &e)) break;
        pollfd p{ConnectionNumber(c.display), POLLIN, 0};
        poll(&p, 1, 5);
    }
}

void putSurface(int slot, const PixelSurface& s) {
    X11Connection& c = x11();
    X11Window& w = c.slots[slot];
    if (!w.open || !s.exists()) return;
    prepareColours(s);
    const int width = std::min(w.width, s.width), height = std::min(w.height, s.height);
    XImage* image = XCreateImage(c.display, c.visual, unsigned(c.depth), ZPixmap, 0, nullptr, unsigned(width),
                                 unsigned(height), 32, 0);
    if (!image) return;
    std::vector<char> data(std::size_t(image->bytes_per_line) * std::size_t(height));
    image->data = data.data();
    const int bpp = s.bytesPerPixel;
    for (int y = 0; y < height; ++y) {
        const unsigned char* p = s.at(0, y);
        // Runs of one colour cost one conversion.
        unsigned long pixel = surfacePixel(s, p);
        const unsigned char* last = p;
        for (int x = 0; x < width; ++x, p += bpp) {
            if (std::memcmp(p, last, std::size_t(bpp)) != 0) pixel = surfacePixel(s, p), last = p;
            XPutPixel(image, x, y, pixel);
        }
    }
    const Drawable target = w.pixmap ? w.pixmap : w.window;
    XPutImage(c.display, target, c.gc, image, 0, 0, 0, 0, unsigned(width), unsigned(height));
    image->data = nullptr;
    XDestroyImage(image);
    repaint(slot);
}

void repaint(int slot) {
    X11Connection& c = x11();
    X11Window& w = c.slots[slot];
    if (!w.open || !w.mapped || !w.window) return;
    if (w.pixmap) {
        XCopyArea(c.display, w.pixmap, w.window, c.gc, 0, 0, unsigned(w.width), unsigned(w.height), 0, 0);
    } else if (c.live && c.liveSlot == slot) {
        // Drawn without a pixmap: only the open plot can be shown again.
        const PixelSurface* s = c.live;
        c.live = nullptr;  // putSurface repaints; no second round
        putSurface(slot, *s);
        c.live = s;
    }
    XFlush(c.display);
}

void wintit(const char* title) {
    Globals* g = jqqlev(0, 3, "wintit");
    if (!g) return;
    qqcopy(g->out.winTitle, title, kNameLen);
    X11Connection& c = x11();
    if (c.display && c.current >= 0 && *title) {
        c.slots[c.current].ownTitle = true;
        setTitle(c.current, title);
    }
}

void setxid(int id, const char* kind) {
    Globals* g = jqqlev(0, 3, "setxid");
    if (!g) return;
    const int k = jqqind("WIND+PIXM+WIDG+NONE", 4, kind);
    if (k == 0) return;
    if (id == -1 || k == 4) {
        g->out.externalId = -1, g->out.externalKind = 0;
        return;
    }
    g->out.externalId = id, g->out.externalKind = k;
}

void clrmod(const char* mode) {
    Globals* g = jqqlev(0, 0, "clrmod");
    if (!g) return;
    const int k = jqqind("AUTO+FULL+SHAR", 3, mode);
    if (k) g->colour.colourMode = k - 1;
}

int getxid(const char* what) {
    const int i = jqqind("WIND+SCRE+PIXM", 3, what);
    const X11Connection& c = x11();
    if (i == 0 || !c.display) return -1;
    if (i == 2) return int(c.root);
    if (c.current < 0) return -1;
    const X11Window& w = c.slots[c.current];
    return int(i == 1 ? w.window : w.pixmap);
}

int winid() { return x11().current + 1; }

}  // namespace vtx
