// The driver entries of the devices that draw into the record's pixel
// surface: the raster images and the screen windows. Both draw the same
// pixels for the same plot; only where the pixels go differs.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstring>

#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/latin1.h"
#include "device/pixel_font.h"

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

// A resampled copy of the image (nearest pixel) over the rectangle, whose
// corners are mapped like any point, so that turned pages turn it too.
inline void image(Globals& g, const ImageRGB& img, float x, float y, float w, float h) {
    PixelSurface& s = g.surface;
    const DevicePoint o = mapPoint(g, x, y), a = mapPoint(g, x + w, y), b = mapPoint(g, x, y + h);
    const float ax = a.x - o.x, ay = a.y - o.y, bx = b.x - o.x, by = b.y - o.y;
    const float det = ax * by - ay * bx;
    if (det == 0.0f || img.bytesPerPixel != 3) return;
    const float cx = a.x + bx, cy = a.y + by;  // the fourth corner
    const int x1 = std::max(s.clipX1, int(std::floor(std::min({o.x, a.x, b.x, cx}))));
    const int x2 = std::min(s.clipX2, int(std::ceil(std::max({o.x, a.x, b.x, cx}))));
    const int y1 = std::max(s.clipY1, int(std::floor(std::min({o.y, a.y, b.y, cy}))));
    const int y2 = std::min(s.clipY2, int(std::ceil(std::max({o.y, a.y, b.y, cy}))));
    for (int py = y1; py <= y2; ++py) {
        for (int px = x1; px <= x2; ++px) {
            // The pixel's centre in the rectangle's own fractions u, v.
            const float dx = float(px) + 0.5f - o.x, dy = float(py) + 0.5f - o.y;
            const float u = (dx * by - dy * bx) / det, v = (ax * dy - ay * dx) / det;
            if (u < 0.0f || u >= 1.0f || v < 0.0f || v >= 1.0f) continue;
            const int ix = std::min(img.width - 1, int(u * float(img.width)));
            const int iy = std::min(img.height - 1, int(v * float(img.height)));
            const unsigned char* p = img.pixel(ix, iy);
            const SurfaceColour c = s.rgbColour(p[0], p[1], p[2]);
            std::memcpy(s.at(px, py), c.bytes, std::size_t(s.bytesPerPixel));
        }
    }
}

// A character of the pixel font (x11fnt, winfnt, bmpfnt) painted at the pen;
// the text direction is mapped like any line, so turned pages turn it too.
// A font of the X server is drawn at its own size, a bitmap font file
// grows or shrinks to the character height.
inline void character(Globals& g, const DeviceChar& c) {
    const PixelFont* font = g.driver.pixelFont();
    const int byte = latin1Code(c.code);
    if (!font || byte < 0 || byte > 255) return;
    const float scale = pixelFontScale(*font, c.height, g.out.deviceScale);
    const double a = double(c.angle) * 3.14159265358979323846 / 180.0;
    const float sn = float(std::sin(a)), cs = float(std::cos(a));
    const float x = c.x - c.baseShift * sn, y = c.y - c.baseShift * cs;
    const DevicePoint p = mapPoint(g, x, y), q = mapPoint(g, x + 10000.0f * cs, y - 10000.0f * sn);
    const float dx = q.x - p.x, dy = q.y - p.y, length = std::hypot(dx, dy);
    if (!(length > 0.0f)) return;
    drawPixelGlyph(g.surface, font->glyph[byte], p.x, p.y, dx / length, dy / length, scale,
                   g.surface.colourBytes);
}

}  // namespace vtx::surface_driver
