// Cursor input: positions clicked or dragged with the mouse in the current
// window, returned in plot coordinates or in pixels.
#include <algorithm>

#include "core/checks.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/x11/api.h"
#include "device/pipeline.h"
#include "session/globals.h"
#include "device/drivers/x11/x11_display.h"

namespace vtx {

namespace {

// X font cursors of the shapes CROS, ARRO and VARR.
constexpr unsigned kCursorGlyph[4] = {0, 34, 68, 22};

// The positions collected, as the routines hand them back.
struct Positions {
    int* x;
    int* y;
    int capacity;
    int count = 0;  // positions beyond the capacity are dropped
};

// Input in the current window while it lasts: the picture is brought up to
// date first and the cursor shape set; the shape is removed at the end.
class CursorSession {
public:
    explicit CursorSession(const char* name) : g_(jqqlev(1, 3, name)) {
        if (!g_) return;
        if (deviceClass(g_->ctl.device) != DeviceClass::Screen) warnText(101, "Bad output device");
        qqstrk(*g_);
        if (const DeviceDriver* d = deviceDriver(g_->ctl.device); d && d->flush) d->flush(*g_);
        X11Connection& c = x11();
        // Another program's window delivers its events to that program.
        if (!c.display || c.current < 0 || c.slots[c.current].external) return;
        slot_ = c.current;
        window_ = c.slots[slot_].window;
        XSync(c.display, True);  // clicks before the call are not input
        if (const int shape = g_->out.cursorShape; shape > 0) {
            cursor_ = XCreateFontCursor(c.display, kCursorGlyph[shape]);
            XDefineCursor(c.display, window_, cursor_);
        }
        XFlush(c.display);
    }
    ~CursorSession() {
        X11Connection& c = x11();
        if (!c.display) return;
        if (cursor_ && slotOf(window_) >= 0) XUndefineCursor(c.display, window_);
        if (cursor_) XFreeCursor(c.display, cursor_);
        XFlush(c.display);
    }
    CursorSession(const CursorSession&) = delete;
    CursorSession& operator=(const CursorSession&) = delete;

    bool ready() const { return g_ && slot_ >= 0; }

    // The next event of the window; false once the window is gone.
    bool next(XEvent& e) {
        X11Connection& c = x11();
        while (slotOf(window_) >= 0) {
            XNextEvent(c.display, &e);
            if (handleCommonEvent(e) >= 0 && slotOf(window_) < 0) return false;
            const bool ours = (e.type == ButtonPress || e.type == ButtonRelease) ? e.xbutton.window == window_
                              : e.type == MotionNotify                          ? e.xmotion.window == window_
                                                                                 : false;
            if (ours) return true;
        }
        return false;
    }

    // Window pixels as the caller asked for them: unchanged, or divided by
    // the window's scale and rounded to plot coordinates.
    void convert(int px, int py, int& x, int& y) const {
        const float s = g_->out.deviceScale;
        if (g_->out.cursorUnit == 1 || s <= 0.0f) {
            x = px, y = py;
            return;
        }
        x = int(float(px) / s + 0.5f);
        y = int(float(py) / s + 0.5f);
    }

    void add(Positions& p, int px, int py) const {
        if (p.count >= p.capacity) return;
        convert(px, py, p.x[p.count], p.y[p.count]);
        ++p.count;
    }

private:
    Globals* g_;
    int slot_ = -1;
    Window window_ = 0;
    Cursor cursor_ = 0;
};

}  // namespace

void csruni(const char* unit) {
    Globals* g = jqqlev(1, 3, "csruni");
    if (!g) return;
    if (const int i = jqqind("PLOT+PIXE", 2, unit)) g->out.cursorUnit = i - 1;
}

void csrtyp(const char* shape) {
    Globals* g = jqqlev(1, 3, "csrtyp");
    if (!g) return;
    if (const int i = jqqind("NONE+CROS+ARRO+VARR", 4, shape)) g->out.cursorShape = i - 1;
}

void csrpt1(int& x, int& y) {
    x = y = 0;
    CursorSession session("csrpt1");
    if (!session.ready()) return;
    XEvent e;
    while (session.next(e)) {
        if (e.type == ButtonPress && e.xbutton.button == Button1) {
            session.convert(e.xbutton.x, e.xbutton.y, x, y);
            return;
        }
    }
}

int csrpts(int* x, int* y, int nmax) {
    CursorSession session("csrpts");
    Positions p{x, y, std::max(nmax, 0)};
    if (!session.ready()) return 0;
    XEvent e;
    while (session.next(e)) {
        if (e.type != ButtonPress) continue;
        if (e.xbutton.button == Button1) session.add(p, e.xbutton.x, e.xbutton.y);
        else if (e.xbutton.button == Button2 || e.xbutton.button == Button3) break;
    }
    return p.count;
}

int csrmov(int* x, int* y, int nmax) {
    CursorSession session("csrmov");
    Positions p{x, y, std::max(nmax, 0)};
    if (!session.ready()) return 0;
    XEvent e;
    bool pressed = false, moved = false;
    while (session.next(e)) {
        if (e.type == ButtonPress && e.xbutton.button == Button1) {
            // A new press starts the path again.
            pressed = true, moved = false;
            p.count = 0;
            session.add(p, e.xbutton.x, e.xbutton.y);
        } else if (e.type == MotionNotify && pressed) {
            moved = true;
            session.add(p, e.xmotion.x, e.xmotion.y);
        } else if (e.type == ButtonRelease && e.xbutton.button == Button1 && pressed) {
            // A click without a drag is no path: the input goes on.
            if (moved) break;
            pressed = false;
        }
    }
    return p.count;
}

}  // namespace vtx
