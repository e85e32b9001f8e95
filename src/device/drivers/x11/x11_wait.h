// The waits of the screen windows, used by the window driver.
#pragma once

namespace vtx {

struct PixelSurface;

// Wait modes of winmod, in its keyword order.
enum WaitMode { kWaitFull = 0, kWaitNoErase = 1, kWaitNone = 2, kWaitNoHold = 3, kWaitDelay = 4, kWaitNoButton = 5 };

// Shows the page and waits for button 2 or 3 in the slot's window.
void waitForNextPage(int slot, const PixelSurface& s);

// Shows the picture and waits as the code says: wait mode + 10 × key, or
// 10 × delay + 4 for DELA; closes the windows and the display as the mode asks.
void finishWindows(int slot, const PixelSurface& s, int code);

}  // namespace vtx
