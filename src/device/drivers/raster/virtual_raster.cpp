#include "device/drivers/raster/virtual_raster.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vtx {

namespace {

VirtualRaster g_raster;

// Lines reach the raster already clipped to the page; one whose ends lie
// this many raster sizes away can only come from a damaged caller and is
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

// The bytes a pixel of colour index n gets: the index itself, or its RGB bytes.
const unsigned char* colourBytes(const VirtualRaster& r, int n, unsigned char (&index)[3]) {
    index[0] = static_cast<unsigned char>(n & 255);
    return r.rgbMode() ? r.palette[n & 255] : index;
}

template <int B>
void horizontalRun(const VirtualRaster& r, const unsigned char* colour, int x1, int x2, int y) {
    unsigned char* p = r.at(x1, y);
    if constexpr (B == 1) {
        std::memset(p, colour[0], std::size_t(x2 - x1 + 1));
    } else {
        for (int x = x1; x <= x2; ++x, p += 3) store<3>(p, colour);
    }
}

// Bresenham along the major axis: the error starts at -d/2, gains the minor
// extent each step and, once positive, loses d while the minor axis steps.
// Checked lines test every pixel against the raster.
template <int B, bool Checked>
void bresenham(const VirtualRaster& r, const unsigned char* colour, int x1, int y1, int x2, int y2) {
    const int sx = x2 >= x1 ? 1 : -1, sy = y2 >= y1 ? 1 : -1;
    const int ax = (x2 - x1) * sx, ay = (y2 - y1) * sy;
    const bool xMajor = ax >= ay;
    const int d = xMajor ? ax : ay, m = xMajor ? ay : ax;
    // Steps in bytes along each axis, so the inner loop only adds.
    const std::ptrdiff_t stepX = std::ptrdiff_t(sx) * B, stepY = std::ptrdiff_t(sy) * std::ptrdiff_t(r.stride);
    const std::ptrdiff_t major = xMajor ? stepX : stepY, minor = xMajor ? stepY : stepX;
    int x = x1, y = y1;
    int err = -d / 2;
    if constexpr (!Checked) {
        unsigned char* p = r.at(x1, y1);
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
    } else {
        const int mx = xMajor ? sx : 0, my = xMajor ? 0 : sy;  // major step
        const int nx = xMajor ? 0 : sx, ny = xMajor ? sy : 0;  // minor step
        if (r.contains(x, y)) store<B>(r.at(x, y), colour);
        for (int i = 0; i < d; ++i) {
            x += mx, y += my;
            err += m;
            if (err > 0) {
                err -= d;
                x += nx, y += ny;
            }
            if (r.contains(x, y)) store<B>(r.at(x, y), colour);
        }
    }
}

template <int B>
void drawLine(const VirtualRaster& r, const unsigned char* colour, int x1, int y1, int x2, int y2) {
    const bool inside = r.contains(x1, y1) && r.contains(x2, y2);
    if (inside && y1 == y2) {
        horizontalRun<B>(r, colour, std::min(x1, x2), std::max(x1, x2), y1);
    } else if (inside && x1 == x2) {
        unsigned char* p = r.at(x1, std::min(y1, y2));
        for (int n = std::abs(y2 - y1); n >= 0; --n, p += r.stride) store<B>(p, colour);
    } else if (inside) {
        bresenham<B, false>(r, colour, x1, y1, x2, y2);
    } else {
        const long w = r.width, h = r.height;
        for (long v : {long(x1), long(x2)})
            if (v < -kFarOutside * w || v > kFarOutside * w) return;
        for (long v : {long(y1), long(y2)})
            if (v < -kFarOutside * h || v > kFarOutside * h) return;
        bresenham<B, true>(r, colour, x1, y1, x2, y2);
    }
}

}  // namespace

VirtualRaster& virtualRaster() { return g_raster; }

int qqvini(int pageW, int pageH, int w, int h, int sizeGiven, int screenMode, int rgb) {
    qqvfin();
    VirtualRaster& r = g_raster;
    if (!sizeGiven) {
        const bool landscape = pageW > pageH;
        w = landscape ? 853 : 603;
        h = landscape ? 603 : 853;
    }
    if (w < 1 || h < 1) return 1;
    r.width = w, r.height = h;
    r.bytesPerPixel = rgb ? 3 : 1;
    r.stride = (std::size_t(w) * std::size_t(r.bytesPerPixel) + 3) & ~std::size_t(3);
    r.reverse = screenMode == 2;
    // Zeroed pages come cheaply from calloc; only a white RGB raster is filled by hand.
    r.pixels = static_cast<unsigned char*>(std::calloc(r.stride, std::size_t(h)));
    if (!r.pixels) return 1;
    if (r.rgbMode() && r.reverse) std::memset(r.pixels, 255, r.stride * std::size_t(h));
    r.clipX1 = 0, r.clipY1 = 0, r.clipX2 = w - 1, r.clipY2 = h - 1;
    r.penX = r.penY = 0;
    r.colour = 0;
    std::memcpy(r.rgb, r.palette[0], 3);
    return 0;
}

void qqvclr(int n) {
    VirtualRaster& r = g_raster;
    r.colour = n & 255;
    std::memcpy(r.rgb, r.palette[r.colour], 3);
}

void qqvvlt(int kind, const std::uint32_t table[256]) {
    VirtualRaster& r = g_raster;
    for (int i = 0; i < 256; ++i) {
        r.palette[i][0] = static_cast<unsigned char>(table[i] >> 16 & 255);
        r.palette[i][1] = static_cast<unsigned char>(table[i] >> 8 & 255);
        r.palette[i][2] = static_cast<unsigned char>(table[i] & 255);
    }
    r.paletteEntries = kind == 0 ? 9 : kind == 7 ? 16 : 256;  // SMAL, VGA, the others
    std::memcpy(r.rgb, r.palette[r.colour], 3);
}

void qqvlin(int x1, int y1, int x2, int y2) {
    const VirtualRaster& r = g_raster;
    if (!r.exists()) return;
    unsigned char index[3];
    const unsigned char* colour = r.rgbMode() ? r.rgb : colourBytes(r, r.colour, index);
    if (r.rgbMode()) drawLine<3>(r, colour, x1, y1, x2, y2);
    else drawLine<1>(r, colour, x1, y1, x2, y2);
}

void qqvfll(int x1, int y1, int x2, int y2, int n) {
    const VirtualRaster& r = g_raster;
    if (!r.exists()) return;
    const int left = std::max(std::min(x1, x2), r.clipX1), right = std::min(std::max(x1, x2), r.clipX2);
    const int top = std::max(std::min(y1, y2), r.clipY1), bottom = std::min(std::max(y1, y2), r.clipY2);
    if (left > right || top > bottom) return;
    unsigned char index[3];
    const unsigned char* colour = colourBytes(r, n, index);
    for (int y = top; y <= bottom; ++y) {
        if (r.rgbMode()) horizontalRun<3>(r, colour, left, right, y);
        else horizontalRun<1>(r, colour, left, right, y);
    }
}

void qqvwpx(int x, int y, int n) {
    const VirtualRaster& r = g_raster;
    if (!r.exists() || !r.contains(x, y)) return;
    unsigned char index[3];
    const unsigned char* colour = colourBytes(r, n, index);
    if (r.rgbMode()) store<3>(r.at(x, y), colour);
    else store<1>(r.at(x, y), colour);
}

void qqvrow(const unsigned char* buffer, int x, int y, int n) {
    const VirtualRaster& r = g_raster;
    if (!r.exists() || !buffer || y < 0 || y >= r.height || n == 0) return;
    const bool triples = n < 0;
    const long count = triples ? -long(n) : long(n);
    for (long i = 0; i < count; ++i) {
        const long px = long(x) + i;
        if (px < 0) continue;
        if (px >= r.width) break;
        unsigned char* p = r.at(int(px), y);
        if (triples) {
            const unsigned char* c = buffer + 3 * i;
            if (r.rgbMode()) store<3>(p, c);
            else *p = static_cast<unsigned char>(nearestPaletteIndex(r.palette, c[0], c[1], c[2]));
        } else {
            if (r.rgbMode()) store<3>(p, r.palette[buffer[i]]);
            else *p = buffer[i];
        }
    }
}

void qqvrdr(unsigned char* buffer, int x, int y, int n, int rows) {
    const VirtualRaster& r = g_raster;
    if (!buffer || n == 0 || rows < 1) return;
    const bool triples = n < 0;
    const long count = triples ? -long(n) : long(n);
    const long width = triples ? 3 * count : count;
    for (long row = 0; row < rows; ++row) {
        unsigned char* out = buffer + row * width;
        const long py = long(y) + row;
        for (long i = 0; i < count; ++i) {
            const long px = long(x) + i;
            unsigned char* o = triples ? out + 3 * i : out + i;
            if (!r.exists() || px < 0 || py < 0 || px >= r.width || py >= r.height) {
                std::memset(o, 0, triples ? 3 : 1);
                continue;
            }
            const unsigned char* p = r.at(int(px), int(py));
            if (triples) store<3>(o, r.rgbMode() ? p : r.palette[*p]);
            else *o = r.rgbMode() ? static_cast<unsigned char>(nearestPaletteIndex(r.palette, p[0], p[1], p[2])) : *p;
        }
    }
}

void clearVirtualRaster() {
    VirtualRaster& r = g_raster;
    if (!r.exists()) return;
    std::memset(r.pixels, r.rgbMode() && r.reverse ? 255 : 0, r.stride * std::size_t(r.height));
}

void setRasterClip(int x1, int y1, int x2, int y2) {
    VirtualRaster& r = g_raster;
    r.clipX1 = std::max(std::min(x1, x2), 0);
    r.clipY1 = std::max(std::min(y1, y2), 0);
    r.clipX2 = std::min(std::max(x1, x2), r.width - 1);
    r.clipY2 = std::min(std::max(y1, y2), r.height - 1);
}

void qqvfin() {
    VirtualRaster& r = g_raster;
    std::free(r.pixels);
    r.pixels = nullptr;
    r.width = r.height = 0;
    r.stride = 0;
}

RasterPicture virtualRasterPicture() {
    const VirtualRaster& r = g_raster;
    RasterPicture p;
    p.width = r.width;
    p.height = r.height;
    p.stride = r.stride;
    p.bytesPerPixel = r.bytesPerPixel;
    p.pixels = r.pixels;
    std::memcpy(p.palette, r.palette, sizeof p.palette);
    p.paletteEntries = r.paletteEntries;
    return p;
}

}  // namespace vtx
