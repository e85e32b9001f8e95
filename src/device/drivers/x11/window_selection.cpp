// Several windows in one plot: opnwin opens another window and draws there,
// selwin goes back to a window already open, clswin closes one. Each window
// keeps its own picture; the current one's is the record's pixel surface.
#include <algorithm>
#include <utility>

#include "core/checks.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/x11/api.h"
#include "device/drivers/x11/x11_plot.h"
#include "device/pipeline.h"
#include "session/globals.h"
#include "device/drivers/x11/x11_display.h"

namespace vtx {

namespace {

// The record and the plot's window state when a window plot is open and n
// names a window (1 to 8); warnings otherwise.
Globals* windowPlot(const char* name, int n, X11Plot*& plot) {
    Globals* g = jqqlev(1, 3, name);
    if (!g) return nullptr;
    plot = x11Plot(*g);
    if (!plot || !x11().display) {
        warnText(101, "Bad output device");
        return nullptr;
    }
    if (n < 1 || n > kPlotWindows) {
        warni1(Warning::IncorrectParameter, n);
        return nullptr;
    }
    qqstrk(*g);
    return g;
}

// The current window's picture goes to the screen and is put aside.
void parkCurrent(Globals& g, X11Plot& plot) {
    X11Connection& c = x11();
    const int slot = c.liveSlot;
    if (slot >= 0) {
        showWindow(slot);
        putSurface(slot, g.surface);
        plot.parked[slot] = std::move(g.surface);
    } else {
        g.surface.release();
    }
    c.live = nullptr, c.liveSlot = -1;
}

struct DrawingState {
    int colour;
    int clip[4];
};

DrawingState drawingState(const PixelSurface& s) { return {s.colour, {s.clipX1, s.clipY1, s.clipX2, s.clipY2}}; }

// The colour and clipping go on in the window drawn into next.
void restore(PixelSurface& s, const DrawingState& d) {
    s.setColour(d.colour);
    s.setClip(d.clip[0], d.clip[1], d.clip[2], d.clip[3]);
}

}  // namespace

void opnwin(int n) {
    X11Plot* plot;
    Globals* g = windowPlot("opnwin", n, plot);
    if (!g) return;
    const DrawingState d = drawingState(g->surface);
    parkCurrent(*g, *plot);
    plot->parked[n - 1].release();
    if (!openPlotWindow(*g, n - 1)) {
        warnin(Warning::NoMemory);
        return;
    }
    restore(g->surface, d);
}

void selwin(int n) {
    X11Plot* plot;
    Globals* g = windowPlot("selwin", n, plot);
    if (!g) return;
    X11Connection& c = x11();
    const int slot = n - 1;
    X11Window& w = c.slots[slot];
    if (!w.open) {
        warni1(Warning::IncorrectParameter, n);
        return;
    }
    if (c.liveSlot == slot) return;
    const DrawingState d = drawingState(g->surface);
    // The colour table is the plot's: the window drawn into next takes the current one.
    unsigned char palette[256][3];
    std::copy(&g->surface.palette[0][0], &g->surface.palette[0][0] + sizeof palette, &palette[0][0]);
    const int entries = g->surface.paletteEntries;
    const int oldCurrent = c.current;
    parkCurrent(*g, *plot);
    if (plot->parked[slot].exists()) {
        g->surface = std::move(plot->parked[slot]);
    } else if (!g->surface.create(w.width, w.height, g->out.imageFormat == 1, g->out.screenMode == 2)) {
        // A window left open by an earlier plot starts with a clear picture.
        warnin(Warning::NoMemory);
        return;
    }
    std::copy(&palette[0][0], &palette[0][0] + sizeof palette, &g->surface.palette[0][0]);
    g->surface.paletteEntries = entries;
    restore(g->surface, d);
    c.live = &g->surface, c.liveSlot = slot, c.current = slot;
    g->out.deviceScale = pixelPageScale(*g, w.width, w.height);
    if (oldCurrent >= 0 && oldCurrent != slot) setStatusTitle(oldCurrent, "");
    setStatusTitle(slot, " / Working");
}

void clswin(int n) {
    X11Plot* plot;
    Globals* g = windowPlot("clswin", n, plot);
    if (!g) return;
    if (!x11().slots[n - 1].open) {
        warni1(Warning::IncorrectParameter, n);
        return;
    }
    // Drawing into a closed current window goes on unseen until selwin.
    plot->parked[n - 1].release();
    destroyWindow(n - 1);
}

}  // namespace vtx
