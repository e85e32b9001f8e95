// Where a screen window goes and how large it is: pure arithmetic on the
// screen size, the page and the caller's window settings, kept apart from
// the X calls so that it can be checked without a display.
#pragma once

namespace vtx {

struct WindowRequest {
    int screenW = 0, screenH = 0;  // the X screen in pixels
    int pageW = 0, pageH = 0;      // page in plot units (size - 1), already turned for page mode 1
    int device = 72;               // 72 to 80
    int place = 0;                 // 0 nothing given, 1 position and size, 2 size only
    int x = 0, y = 0, width = 0, height = 0;  // the caller's window settings
};

struct WindowPlace {
    int x = 0, y = 0, width = 0, height = 0;
};

WindowPlace windowPlace(const WindowRequest& r);

// The window slot (0..7) of a screen device; the large window 80 shares slot 0.
inline int windowSlot(int device) { return device >= 72 && device <= 79 ? device - 72 : 0; }

}  // namespace vtx
