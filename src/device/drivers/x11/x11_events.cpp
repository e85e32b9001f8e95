// Waiting in the screen windows: for the next page, and at the end of a plot
// in the wait mode of winmod. While waiting, exposed windows are repainted
// and the window manager's close button closes the window it belongs to.
#include <poll.h>

#include <ctime>
#include <cstdio>

#include "device/drivers/x11/x11_display.h"
#include "device/drivers/x11/x11_wait.h"

namespace vtx {

namespace {

// What ends a wait in the current window.
bool endsWait(const XEvent& e, int slot, int key) {
    const X11Connection& c = x11();
    if (slot < 0 || !c.slots[slot].open) return true;
    const Window w = c.slots[slot].window;
    if (e.type == ButtonPress && e.xbutton.window == w) return e.xbutton.button == Button2 || e.xbutton.button == Button3;
    if (e.type == KeyPress && e.xkey.window == w && key != 0) {
        XKeyEvent k = e.xkey;
        const KeySym sym = XLookupKeysym(&k, 0);
        return (key == 1 && sym == XK_Return) || (key == 2 && sym == XK_Escape);
    }
    return false;
}

bool anyWindowOpen() {
    for (const X11Window& w : x11().slots)
        if (w.open) return true;
    return false;
}

// Processes events until button 2 or 3 (or the key) in the slot's window,
// or until that window is closed.
void waitInWindow(int slot, int key) {
    X11Connection& c = x11();
    if (c.buttonSent) {
        c.buttonSent = false;
        return;
    }
    XEvent e;
    while (c.slots[slot].open) {
        XNextEvent(c.display, &e);
        if (handleCommonEvent(e) == slot || endsWait(e, slot, key)) return;
    }
}

// Seconds of processor time, as the delay of winmod DELA counts them;
// exposures are served meanwhile.
void waitProcessorTime(int seconds) {
    X11Connection& c = x11();
    const std::clock_t end = std::clock() + std::clock_t(seconds) * CLOCKS_PER_SEC;
    XEvent e;
    while (std::clock() < end && anyWindowOpen()) {
        while (XPending(c.display)) {
            XNextEvent(c.display, &e);
            handleCommonEvent(e);
        }
    }
}

}  // namespace

void sendmb() { x11().buttonSent = true; }

bool waitForEvent(int milliseconds) {
    Display* d = x11().display;
    if (XPending(d)) return true;
    pollfd p{ConnectionNumber(d), POLLIN, 0};
    poll(&p, 1, milliseconds);
    return XPending(d) > 0;
}

int handleCommonEvent(const XEvent& e) {
    X11Connection& c = x11();
    if (e.type == Expose && e.xexpose.count == 0) {
        if (const int slot = slotOf(e.xexpose.window); slot >= 0) repaint(slot);
    } else if (e.type == ClientMessage && e.xclient.message_type == c.wmProtocols &&
               Atom(e.xclient.data.l[0]) == c.wmDelete) {
        const int slot = slotOf(e.xclient.window);
        if (slot >= 0) destroyWindow(slot);
        return slot;
    }
    return -1;
}

void waitForNextPage(int slot, const PixelSurface& s) {
    setStatusTitle(slot, " / Click MB2 or MB3 for next page ...");
    showWindow(slot);
    putSurface(slot, s);
    waitInWindow(slot, 0);
    setStatusTitle(slot, " / Working");
}

void finishWindows(int slot, const PixelSurface& s, int code) {
    X11Connection& c = x11();
    const int mode = code % 10, parameter = code / 10;
    XSync(c.display, True);  // events of the drawing are not answers to this wait
    showWindow(slot);
    putSurface(slot, s);
    // Another program's drawable: that program's event loop goes on.
    if (c.slots[slot].external) {
        destroyWindow(slot);
        return;
    }
    char suffix[80] = "";
    if (mode == kWaitDelay) {
        std::snprintf(suffix, sizeof suffix, " / Delay time %d seconds", parameter);
    } else if (mode != kWaitNone && mode != kWaitNoHold) {
        const char* key = parameter == 1 ? " or RETURN" : parameter == 2 ? " or ESC" : "";
        std::snprintf(suffix, sizeof suffix, " / Click MB2 or MB3%s to continue ...", key);
    }
    setStatusTitle(slot, suffix);
    switch (mode) {
        case kWaitNone: return;
        case kWaitNoHold: closeConnection(); return;
        case kWaitDelay:
            waitProcessorTime(parameter);
            closeConnection();
            return;
        default: break;
    }
    waitInWindow(slot, parameter);
    if (mode == kWaitFull) {
        closeConnection();
        return;
    }
    // The windows stay; the one waited in no longer asks for a click.
    setStatusTitle(slot, "");
}

}  // namespace vtx
