// The driver entries of the devices that draw into the record's pixel
// surface: the raster images and the screen windows. Both draw the same
// pixels for the same plot; only where the pixels go differs.
#pragma once

#include "device/driver.h"
#include "device/drivers/driver_common.h"

namespace vtx::surface_driver {

inline void erase(Globals& g) { g.surface.clear(); }

// Pixels, y downwards.
inline DevicePoint mapPoint(const Globals& g, float x, float y) { return windowPoint(g, x, y); }

// Draws from the stored position; every operation stores its point.
inline void vector(Globals& g, float x, float y, int op) {
    PixelSurface& s = g.surface;
    const int nx = int(x), ny = int(y);
    if (op == kOpDraw) s.line(s.penX, s.penY, nx, ny, s.colourBytes);
    s.penX = nx, s.penY = ny;
}

inline void colour(Globals& g, int index, int, int, int) { g.surface.setColour(index); }

inline void colourTable(Globals& g) { g.surface.setPalette(g.colour.kind, g.colour.table); }

inline void clipRect(Globals& g, int x1, int y1, int x2, int y2) { g.surface.setClip(x1, y1, x2, y2); }

}  // namespace vtx::surface_driver
