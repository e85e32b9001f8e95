// Whether an X display can be opened (kept apart: the X headers define
// macros that clash with ordinary names).
#include <X11/Xlib.h>

#include "core/devices.h"

namespace vtx {

bool displayAvailable() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XCloseDisplay(display);
    return true;
}

}  // namespace vtx
