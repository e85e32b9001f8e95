#include "device/surface.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

#include "device/drivers/raster/image_writers.h"

namespace vtx {

namespace {

// Lines reach the surface already clipped to the page; one whose ends lie
// this many surface sizes away can only come from a damaged caller and is
// dropped rather than walked pixel by pixel.
constexpr long kFarOutside = 4;

template <int B>
inline void store(unsigned char* p, const unsigned char* colour) {
    p[0] = colour[0];
    if constexpr (B == 3) {
        p[1] = colour[1];
        p[2] = colour[2];
    }
}

template <int B>
void horizontalRun(const PixelSurface& s, const unsigned char* colour, int x1, int x2, int y) {
    unsigned char* p = s.at(x1, y);
    if constexpr (B == 1) {
        std::memset(p, colour[0], std::size_t(x2 - x1 + 1));
    } else {
        for (int x = x1; x <= x2; ++x, p += 3) store<3>(p, colour);
    }
}

// Bresenham along the major axis: the error starts at -d/2, gains the minor
// extent each step and, once positive, loses d while the minor axis steps.
// Every pixel of the walk goes to put(x, y).
template <typename Put>
void walkLine(int x1, int y1, int x2, int y2, Put&& put) {
    const int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    const int ax = (x2 - x1) * sx, ay = (y2 - y1) * sy;
    const bool xMajor = ax >= ay;
    const int d = xMajor ? ax : ay, m = xMajor ? ay : ax;
    const int mx = xMajor ? sx : 0, my = xMajor ? 0 : sy;  // major step
    const int nx = xMajor ? 0 : sx, ny = xMajor ? sy : 0;  // minor step
    int x = x1, y = y1, err = -d / 2;
    put(x, y);
    for (int i = 0; i < d; ++i) {
        x += mx, y += my;
        err += m;
        if (err > 0) {
            err -= d;
            x += nx, y += ny;
        }
        put(x, y);
    }
}

// The same walk inside the surface, with steps in bytes so the inner loop
// only adds.
template <int B>
void bresenham(const PixelSurface& s, const unsigned char* colour, int x1, int y1, int x2, int y2) {
    const int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    const int ax = (x2 - x1) * sx, ay = (y2 - y1) * sy;
    const bool xMajor = ax >= ay;
    const int d = xMajor ? ax : ay, m = xMajor ? ay : ax;
    const std::ptrdiff_t stepX = std::ptrdiff_t(sx) * B, stepY = std::ptrdiff_t(sy) * std::ptrdiff_t(s.stride);
    const std::ptrdiff_t major = xMajor ? stepX : stepY, minor = xMajor ? stepY : stepX;
    int err = -d / 2;
    unsigned char* p = s.at(x1, y1);
    store<B>(p, colour);
    for (int i = 0; i < d; ++i) {
        p += major;
        err += m;
        if (err > 0) {
            err -= d;
            p += minor;
        }
        store<B>(p, colour);
    }
}

template <int B>
void drawLine(const PixelSurface& s, const unsigned char* colour, int x1, int y1, int x2, int y2) {
    const bool inside = s.contains(x1, y1) && s.contains(x2, y2);
    if (inside && std::abs(x2 - x1) <= 1 && std::abs(y2 - y1) <= 1) {
        // One step at most: the two ends are the whole line.
        store<B>(s.at(x1, y1), colour);
        store<B>(s.at(x2, y2), colour);
    } else if (inside && y1 == y2) {
        horizontalRun<B>(s, colour, std::min(x1, x2), std::max(x1, x2), y1);
    } else if (inside && x1 == x2) {
        unsigned char* p = s.at(x1, std::min(y1, y2));
        for (int n = std::abs(y2 - y1); n >= 0; --n, p += s.stride) store<B>(p, colour);
    } else if (inside) {
        bresenham<B>(s, colour, x1, y1, x2, y2);
    } else {
        const long w = s.width, h = s.height;
        for (long v : {long(x1), long(x2)})
            if (v < -kFarOutside * w || v > kFarOutside * w) return;
        for (long v : {long(y1), long(y2)})
            if (v < -kFarOutside * h || v > kFarOutside * h) return;
        walkLine(x1, y1, x2, y2, [&](int x, int y) {
            if (s.contains(x, y)) store<B>(s.at(x, y), colour);
        });
    }
}

// The segments of small shapes mostly move at most two pixels along each
// axis. The Bresenham walk of such a segment lights its ends and one pixel
// between them, half way along each axis that moves two (at the start along
// one that moves one), so those are stored directly; shorter segments store
// an end twice. Each segment starts where the last one ended, whose pixel is
// already stored.
template <int B>
void polylineOf(const PixelSurface& s, const unsigned char* colour, const int* x, const int* y, int n) {
    bool inside = true;
    for (int i = 0; i < n; ++i) inside = inside && s.contains(x[i], y[i]);
    if (!inside) {
        for (int i = 1; i < n; ++i) drawLine<B>(s, colour, x[i - 1], y[i - 1], x[i], y[i]);
        return;
    }
    unsigned char* const base = s.pixels.get();
    const std::size_t stride = s.stride;
    auto at = [base, stride](int px, int py) { return base + std::size_t(py) * stride + std::size_t(px) * B; };
    unsigned char c[B];  // a copy the pixel stores cannot alias
    std::memcpy(c, colour, B);
    colour = c;
    if (n > 1) store<B>(at(x[0], y[0]), colour);
    for (int i = 1; i < n; ++i) {
        const int x1 = x[i - 1], y1 = y[i - 1], x2 = x[i], y2 = y[i];
        if (unsigned(x2 - x1 + 2) <= 4u && unsigned(y2 - y1 + 2) <= 4u) {
            store<B>(at(x1 + (x2 - x1) / 2, y1 + (y2 - y1) / 2), colour);
            store<B>(at(x2, y2), colour);
        } else {
            drawLine<B>(s, colour, x1, y1, x2, y2);
        }
    }
}

// The pixels of the walk from (x1, y1) to (x2, y2) that lie in the surface
// and in rows first..last. Every case of drawLine lights the pixels of this
// walk (a run, a column, one step), so this is drawLine cut to the rows.
template <int B>
void walkInRows(const PixelSurface& s, const unsigned char* colour, int x1, int y1, int x2, int y2, int first,
                int last) {
    walkLine(x1, y1, x2, y2, [&](int x, int y) {
        if (y >= first && y <= last && s.contains(x, y)) store<B>(s.at(x, y), colour);
    });
}

// polylineOf cut to rows first..last.
template <int B>
void polylineInRowsOf(const PixelSurface& s, const unsigned char* colour, const int* x, const int* y, int n, int first,
                      int last) {
    bool inside = true;
    for (int i = 0; i < n; ++i) inside = inside && s.contains(x[i], y[i]);
    auto put = [&](int px, int py) {
        if (py >= first && py <= last) store<B>(s.at(px, py), colour);
    };
    if (inside && n > 1) put(x[0], y[0]);
    for (int i = 1; i < n; ++i) {
        const int x1 = x[i - 1], y1 = y[i - 1], x2 = x[i], y2 = y[i];
        if (inside && unsigned(x2 - x1 + 2) <= 4u && unsigned(y2 - y1 + 2) <= 4u) {
            put(x1 + (x2 - x1) / 2, y1 + (y2 - y1) / 2);
            put(x2, y2);
        } else {
            walkInRows<B>(s, colour, x1, y1, x2, y2, first, last);
        }
    }
}

}  // namespace

void PixelSurface::polylineInRows(const int* x, const int* y, int n, const SurfaceColour& c, int first, int last) {
    if (!exists()) return;
    if (rgbMode()) polylineInRowsOf<3>(*this, c.bytes, x, y, n, first, last);
    else polylineInRowsOf<1>(*this, c.bytes, x, y, n, first, last);
}

void PixelSurface::lineInRows(int x1, int y1, int x2, int y2, const SurfaceColour& c, int first, int last) {
    if (!exists()) return;
    if (rgbMode()) walkInRows<3>(*this, c.bytes, x1, y1, x2, y2, first, last);
    else walkInRows<1>(*this, c.bytes, x1, y1, x2, y2, first, last);
}

bool PixelSurface::create(int w, int h, bool rgb, bool white) {
    release();
    if (w < 1 || h < 1) return false;
    const int bpp = rgb ? 3 : 1;
    const std::size_t rowBytes = (std::size_t(w) * std::size_t(bpp) + 3) & ~std::size_t(3);
    // Zeroed pages come cheaply from calloc; only a white RGB surface is filled by hand.
    pixels.reset(static_cast<unsigned char*>(std::calloc(rowBytes, std::size_t(h))));
    if (!pixels) return false;
    width = w, height = h;
    bytesPerPixel = bpp;
    stride = rowBytes;
    whiteBackground = white;
    if (rgbMode() && whiteBackground) std::memset(pixels.get(), 255, stride * std::size_t(h));
    clipX1 = 0, clipY1 = 0, clipX2 = w - 1, clipY2 = h - 1;
    penX = penY = 0;
    setColour(0);
    return true;
}

void PixelSurface::release() {
    pixels.reset();
    depth.reset();
    width = height = 0;
    stride = 0;
}

void PixelSurface::clear() {
    if (!exists()) return;
    std::memset(pixels.get(), rgbMode() && whiteBackground ? 255 : 0, stride * std::size_t(height));
    if (depth) std::fill_n(depth.get(), std::size_t(width) * std::size_t(height), std::numeric_limits<float>::infinity());
}

void PixelSurface::setPalette(int kind, const std::uint32_t table[256]) {
    for (int i = 0; i < 256; ++i) {
        palette[i][0] = static_cast<unsigned char>(table[i] >> 16 & 255);
        palette[i][1] = static_cast<unsigned char>(table[i] >> 8 & 255);
        palette[i][2] = static_cast<unsigned char>(table[i] & 255);
    }
    paletteEntries = kind == 0 ? 9 : kind == 7 ? 16 : 256;  // SMAL, VGA, the others
    colourBytes = indexColour(colour);
}

void PixelSurface::setColour(int n) {
    colour = n & 255;
    colourBytes = indexColour(colour);
}

SurfaceColour PixelSurface::indexColour(int n) const {
    SurfaceColour c;
    if (rgbMode()) std::memcpy(c.bytes, palette[n & 255], 3);
    else c.bytes[0] = static_cast<unsigned char>(n & 255);
    return c;
}

SurfaceColour PixelSurface::rgbColour(int red, int green, int blue) const {
    SurfaceColour c;
    if (rgbMode()) {
        c.bytes[0] = static_cast<unsigned char>(red), c.bytes[1] = static_cast<unsigned char>(green);
        c.bytes[2] = static_cast<unsigned char>(blue);
    } else {
        c.bytes[0] = static_cast<unsigned char>(nearestPaletteIndex(palette, red, green, blue));
    }
    return c;
}

void PixelSurface::setClip(int x1, int y1, int x2, int y2) {
    clipX1 = std::max(std::min(x1, x2), 0);
    clipY1 = std::max(std::min(y1, y2), 0);
    clipX2 = std::min(std::max(x1, x2), width - 1);
    clipY2 = std::min(std::max(y1, y2), height - 1);
}

void PixelSurface::line(int x1, int y1, int x2, int y2, const SurfaceColour& c) {
    if (!exists()) return;
    if (rgbMode()) drawLine<3>(*this, c.bytes, x1, y1, x2, y2);
    else drawLine<1>(*this, c.bytes, x1, y1, x2, y2);
}

void PixelSurface::polyline(const int* x, const int* y, int n, const SurfaceColour& c) {
    if (!exists()) return;
    if (rgbMode()) polylineOf<3>(*this, c.bytes, x, y, n);
    else polylineOf<1>(*this, c.bytes, x, y, n);
}

void PixelSurface::fillSpan(int y, int x1, int x2, const SurfaceColour& c) {
    if (!exists() || y < clipY1 || y > clipY2) return;
    const int left = std::max(std::min(x1, x2), clipX1), right = std::min(std::max(x1, x2), clipX2);
    if (left <= right) fillRun(y, left, right, c);
}

void PixelSurface::fillRect(int x1, int y1, int x2, int y2, const SurfaceColour& c) {
    const int top = std::max(std::min(y1, y2), clipY1), bottom = std::min(std::max(y1, y2), clipY2);
    for (int y = top; y <= bottom; ++y) fillSpan(y, x1, x2, c);
}

void PixelSurface::putPixel(int x, int y, const SurfaceColour& c) {
    if (!exists() || !contains(x, y)) return;
    if (rgbMode()) store<3>(at(x, y), c.bytes);
    else store<1>(at(x, y), c.bytes);
}

bool PixelSurface::enableDepth() {
    if (!exists()) return false;
    if (depth) return true;
    depth.reset(new (std::nothrow) float[std::size_t(width) * std::size_t(height)]);
    if (!depth) return false;
    std::fill_n(depth.get(), std::size_t(width) * std::size_t(height), std::numeric_limits<float>::infinity());
    return true;
}

void PixelSurface::fillSpanDepth(int y, int x1, int x2, float z1, float z2, const SurfaceColour& c) {
    if (!depth) {
        fillSpan(y, x1, x2, c);
        return;
    }
    if (!exists() || y < clipY1 || y > clipY2) return;
    if (x2 < x1) std::swap(x1, x2), std::swap(z1, z2);
    const int left = std::max(x1, clipX1), right = std::min(x2, clipX2);
    if (left > right) return;
    // The depth runs from the span's own ends, so clipping does not shift it.
    const float slope = x2 > x1 ? (z2 - z1) / float(double(x2) - double(x1)) : 0.0f;
    float* row = depth.get() + std::size_t(y) * std::size_t(width);
    unsigned char* p = at(left, y);
    for (int x = left; x <= right; ++x, p += bytesPerPixel) {
        const float z = z1 + slope * float(double(x) - double(x1));
        if (!(z < row[x])) continue;
        row[x] = z;
        if (rgbMode()) store<3>(p, c.bytes);
        else store<1>(p, c.bytes);
    }
}

void PixelSurface::writeRow(const unsigned char* buffer, int x, int y, int n) {
    if (!exists() || !buffer || y < 0 || y >= height || n == 0) return;
    const bool triples = n < 0;
    const long count = triples ? -long(n) : long(n);
    for (long i = 0; i < count; ++i) {
        const long px = long(x) + i;
        if (px < 0) continue;
        if (px >= width) break;
        unsigned char* p = at(int(px), y);
        if (triples) {
            const unsigned char* c = buffer + 3 * i;
            if (rgbMode()) store<3>(p, c);
            else *p = static_cast<unsigned char>(nearestPaletteIndex(palette, c[0], c[1], c[2]));
        } else {
            if (rgbMode()) store<3>(p, palette[buffer[i]]);
            else *p = buffer[i];
        }
    }
}

void PixelSurface::readRows(unsigned char* buffer, int x, int y, int n, int rows) const {
    if (!buffer || n == 0 || rows < 1) return;
    const bool triples = n < 0;
    const long count = triples ? -long(n) : long(n);
    const long rowWidth = triples ? 3 * count : count;
    for (long row = 0; row < rows; ++row) {
        unsigned char* out = buffer + row * rowWidth;
        const long py = long(y) + row;
        for (long i = 0; i < count; ++i) {
            const long px = long(x) + i;
            unsigned char* o = triples ? out + 3 * i : out + i;
            if (!exists() || px < 0 || py < 0 || px >= width || py >= height) {
                std::memset(o, 0, triples ? 3 : 1);
                continue;
            }
            const unsigned char* p = at(int(px), int(py));
            if (triples) store<3>(o, rgbMode() ? p : palette[*p]);
            else *o = rgbMode() ? static_cast<unsigned char>(nearestPaletteIndex(palette, p[0], p[1], p[2])) : *p;
        }
    }
}

}  // namespace vtx
