// Fonts of bitmap glyphs for the devices that draw into the pixel surface:
// fonts of the X server (the window) and bitmap font files (the window and
// the raster images). A glyph's set pixels are painted into the surface in
// the current colour, turned with the text, so the picture, the window and
// every image saved from it carry the same characters.
#pragma once

#include <cstdint>
#include <vector>

namespace vtx {

struct PixelSurface;
struct SurfaceColour;

struct PixelGlyph {
    bool present = false;
    int width = 0, height = 0;  // of the bitmap
    int left = 0;               // first bitmap column, pixels right of the pen
    int top = 0;                // first bitmap row, pixels above the base line
    float advance = 0.0f;       // pen advance in pixels
    std::vector<std::uint8_t> bits;  // width × height, 1 where the glyph is set

    bool set(int x, int y) const { return bits[std::size_t(y) * std::size_t(width) + std::size_t(x)] != 0; }
};

// A font in ISO-8859-1 order: glyph[c] is the character of byte c.
struct PixelFont {
    int kind = 0;           // 2 a font of the X server, 3 a bitmap font file
    float pixelSize = 0.0f;  // the size the glyphs were made for
    int forHeight = 0;      // the character height (plot units) it was chosen for; 0 any
    int ascent = 0, descent = 0;
    PixelGlyph glyph[256];
};

// How many device pixels a glyph pixel takes at a character height (plot
// units) and device scale (pixels per plot unit): 1 for fonts of the X
// server, which are chosen at the size; bitmap font files are scaled so that
// their pixel size matches the height.
float pixelFontScale(const PixelFont& font, int height, float deviceScale);

// Reads a bitmap font in the Bitmap Distribution Format; false if the file
// cannot be read or holds no glyph. Characters are taken by their encoding
// (0 to 255).
bool readBdfFont(const char* path, PixelFont& font);

// Paints glyph `g` with its pen at device pixel (x, y) on the base line,
// the text running along (dx, dy) (a unit vector, y downwards), each glyph
// pixel `scale` device pixels wide; only pixels inside the surface's clip
// rectangle change.
void drawPixelGlyph(PixelSurface& s, const PixelGlyph& g, float x, float y, float dx, float dy, float scale,
                    const SurfaceColour& colour);

}  // namespace vtx
