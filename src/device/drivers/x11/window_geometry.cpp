// Window size and position on the screen.
#include "device/drivers/x11/window_geometry.h"

#include <algorithm>
#include <cmath>

namespace vtx {

namespace {

constexpr int kLargeWindow = 80;

// Two thirds of the screen along the page's longer side (the large window
// takes all of it less the frame), the other side from the page's aspect.
void defaultSize(const WindowRequest& r, WindowPlace& p) {
    const double pw = std::max(r.pageW, 1), ph = std::max(r.pageH, 1);
    const double aspect = pw / ph;
    if (pw <= ph) {
        p.height = r.device == kLargeWindow ? r.screenH - 42 : 2 * r.screenH / 3;
        p.width = int(std::lround(p.height * aspect));
    } else {
        p.width = r.device == kLargeWindow ? r.screenW - 22 : 2 * r.screenW / 3;
        p.height = int(std::lround(p.width / aspect));
    }
}

// Each window number has its own default place, so that several windows
// opened one after the other do not cover each other completely.
void defaultPosition(const WindowRequest& r, WindowPlace& p) {
    const int d = r.device, sw = r.screenW, sh = r.screenH;
    if (d == 72 || d == 73 || d == kLargeWindow) p.x = sw - p.width - 11;
    else if (d == 76) p.x = (sw - p.width) / 2;
    else if (d >= 77 && d <= 79) p.x = (d - 76) * sw / 16 + 11;
    else p.x = 11;
    if (d == 72 || d == 75 || d == kLargeWindow) p.y = sh - p.height - 11;
    else if (d == 76) p.y = (sh - p.height) / 2 + 10;
    else if (d >= 77 && d <= 79) p.y = (d - 76) * sh / 16 + 31;
    else p.y = 31;
}

}  // namespace

WindowPlace windowPlace(const WindowRequest& r) {
    WindowPlace p;
    if (r.place != 0) {
        p.width = std::min(r.width, r.screenW - 22);
        p.height = std::min(r.height, r.screenH - 42);
    } else {
        defaultSize(r, p);
    }
    p.width = std::max(p.width, 1), p.height = std::max(p.height, 1);
    if (r.place == 1) {
        p.x = r.x, p.y = r.y;
    } else {
        defaultPosition(r, p);
    }
    p.x = std::max(p.x, 0), p.y = std::max(p.y, 0);
    return p;
}

}  // namespace vtx
