// The pixel surface: the in-memory picture that pixel devices draw into.
// Pixels are colour indices (1 byte) or red, green, blue (3 bytes); rows
// start at 4-byte boundaries, row 0 at the top, so that the image writers
// take the rows as they are. An optional depth plane, one float per pixel,
// serves hidden-surface drawing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <memory>

namespace vtx {

// The bytes one pixel gets: an index in byte 0, or red, green, blue.
struct SurfaceColour {
    unsigned char bytes[3] = {};
};

struct PixelSurface {
    struct FreeBytes {
        void operator()(void* p) const { std::free(p); }
    };

    int width = 0, height = 0;
    int bytesPerPixel = 1;
    std::size_t stride = 0;
    std::unique_ptr<unsigned char[], FreeBytes> pixels;  // stride × height bytes; null when none exists
    std::unique_ptr<float[]> depth;        // width × height, row by row; null until enableDepth
    unsigned char palette[256][3] = {};    // copied from the colour table on every table change
    int paletteEntries = 256;              // colours of the table kind: 9, 16 or 256
    int whiteBackground = 0;               // RGB surfaces of the reverse screen mode start white
    int clipX1 = 0, clipY1 = 0, clipX2 = -1, clipY2 = -1;  // inclusive, inside the surface
    // Drawing state of the device that owns the surface.
    int colour = 0;                        // current colour index (setColour)
    SurfaceColour colourBytes;             // and its bytes, kept with the palette
    int penX = 0, penY = 0;                // where the next line starts

    bool exists() const { return pixels != nullptr; }
    bool rgbMode() const { return bytesPerPixel == 3; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    bool insideClip(int x, int y) const { return x >= clipX1 && x <= clipX2 && y >= clipY1 && y <= clipY2; }
    unsigned char* at(int x, int y) const {
        return pixels.get() + std::size_t(y) * stride + std::size_t(x) * std::size_t(bytesPerPixel);
    }

    // Allocates w × h cleared pixels with the clip rectangle on the whole
    // surface; false (and no surface) if they cannot be had.
    bool create(int w, int h, bool rgb, bool white);
    void release();
    // Every pixel as at creation; the depth plane, if any, to the far end.
    void clear();

    // Copies a colour table (entries red·65536 + green·256 + blue) of the kind
    // given (setvlt numbering) into the palette.
    void setPalette(int kind, const std::uint32_t table[256]);
    // The bytes of colour index n (mod 256).
    SurfaceColour indexColour(int n) const;
    // Makes index n (mod 256) the current colour.
    void setColour(int n);
    // The bytes of a red, green, blue colour: itself, or the nearest index.
    SurfaceColour rgbColour(int red, int green, int blue) const;

    // The clip rectangle, limited to the surface.
    void setClip(int x1, int y1, int x2, int y2);

    // Line with both ends included. Lines reach the surface already clipped,
    // so only the surface's own bounds limit them.
    void line(int x1, int y1, int x2, int y2, const SurfaceColour& c);
    // Pixels x1..x2 (either order) of row y, inside the clip rectangle.
    void fillSpan(int y, int x1, int x2, const SurfaceColour& c);
    // Pixels x1..x2 (x1 <= x2) of row y, all inside the surface: fillSpan
    // for spans known to lie inside, inline for the short spans of symbols.
    void fillRun(int y, int x1, int x2, const SurfaceColour& c) { fillRunInRows(y, x1, x2, c, height - 1); }
    // The polyline through (x[i], y[i]), i < n: line() from each point to
    // the next.
    void polyline(const int* x, const int* y, int n, const SurfaceColour& c);
    // The same pixels, only those of rows first..last: for two threads that
    // draw into two bands of rows at once. The lines lie within a few
    // surface sizes (they are never dropped as far outside).
    void polylineInRows(const int* x, const int* y, int n, const SurfaceColour& c, int first, int last);
    void lineInRows(int x1, int y1, int x2, int y2, const SurfaceColour& c, int first, int last);
    // fillRun for a thread that owns the rows up to `last`: its short-run
    // store never reaches into the next row's bytes.
    void fillRunInRows(int y, int x1, int x2, const SurfaceColour& c, int last) {
        unsigned char* p = at(x1, y);
        const std::size_t n = std::size_t(x2 - x1 + 1);
        if (bytesPerPixel == 3) {
            for (std::size_t i = 0; i < n; ++i, p += 3) storePixel(p, c);
        } else if (n <= kShortRun && p + kShortRun <= pixels.get() + stride * std::size_t(last + 1)) {
            shortRun(p, n, c.bytes[0]);
        } else {
            std::memset(p, c.bytes[0], n);
        }
    }
    // Index runs of up to 16 pixels with 16 bytes of the surface at p: the
    // run's lengths vary from row to row of a symbol, so one masked store
    // serves all instead of a branch on the length; the bytes beyond the run
    // are written back as they were.
    static constexpr std::size_t kShortRun = 16;
    static void shortRun(unsigned char* p, std::size_t n, unsigned char c) {
#if defined(__SSE2__)
        alignas(16) static const unsigned char kMask[2 * kShortRun] = {
            255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
        const __m128i mask = _mm_loadu_si128(reinterpret_cast<const __m128i*>(kMask + kShortRun - n));
        const __m128i old = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i run = _mm_and_si128(mask, _mm_set1_epi8(static_cast<char>(c)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_or_si128(run, _mm_andnot_si128(mask, old)));
#else
        std::memset(p, c, n);
#endif
    }
    void storePixel(unsigned char* p, const SurfaceColour& c) const {
        p[0] = c.bytes[0];
        if (bytesPerPixel == 3) p[1] = c.bytes[1], p[2] = c.bytes[2];
    }
    // Rectangle with both corners included, inside the clip rectangle.
    void fillRect(int x1, int y1, int x2, int y2, const SurfaceColour& c);
    // One pixel; ignored outside the surface.
    void putPixel(int x, int y, const SurfaceColour& c);

    // The depth plane, at the far end (+infinity) everywhere; false if it
    // cannot be allocated. A surface keeps it until release.
    bool enableDepth();
    bool hasDepth() const { return depth != nullptr; }
    float depthAt(int x, int y) const { return depth[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
    // fillSpan with depth z1 at x1 and z2 at x2, linear between: a pixel is
    // drawn where its depth is nearer (smaller) than the stored one, which
    // it then replaces. Without a depth plane every pixel is drawn.
    void fillSpanDepth(int y, int x1, int x2, float z1, float z2, const SurfaceColour& c);

    // Writes a row from (x, y): n > 0 colour indices, n < 0 |n| red, green,
    // blue triples. Pixels outside the surface are skipped.
    void writeRow(const unsigned char* buffer, int x, int y, int n);
    // Reads `rows` rows of |n| pixels from (x, y): n < 0 as RGB triples,
    // n > 0 as colour indices. Pixels outside the surface read as 0.
    void readRows(unsigned char* buffer, int x, int y, int n, int rows) const;
};

}  // namespace vtx
