#include "device/drivers/x11/server_fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "device/drivers/x11/x11_display.h"

namespace vtx {

namespace {

constexpr int kAtlasWidth = 2048, kAtlasHeight = 4096;
constexpr int kLargestPixelSize = 1000;

// The fields of an X logical font description ("-foundry-family-...");
// empty for a name of another form (an alias such as "fixed").
std::vector<std::string> fontFields(const std::string& name) {
    std::vector<std::string> fields;
    if (name.empty() || name[0] != '-') return fields;
    std::size_t start = 1;
    for (std::size_t i = 1; i <= name.size(); ++i)
        if (i == name.size() || name[i] == '-') fields.push_back(name.substr(start, i - start)), start = i + 1;
    if (fields.size() != 14) fields.clear();
    return fields;
}

// The name to load among those listed: a scalable font at the size wanted,
// else the listed size nearest to it.
std::string chooseName(char** names, int count, int wanted) {
    std::string best = names[0];
    int bestDistance = -1;
    for (int i = 0; i < count; ++i) {
        std::vector<std::string> f = fontFields(names[i]);
        if (f.empty()) continue;
        const int size = std::atoi(f[6].c_str());
        if (size == 0) {
            // Scalable: the server draws it at any size.
            f[6] = std::to_string(wanted), f[7] = f[8] = f[9] = f[11] = "*";
            std::string scaled;
            for (const std::string& field : f) scaled += "-" + field;
            return scaled;
        }
        const int distance = std::abs(size - wanted);
        if (bestDistance < 0 || distance < bestDistance) best = names[i], bestDistance = distance;
    }
    return best;
}

const XCharStruct* charMetrics(const XFontStruct* fs, int code) {
    if (fs->min_byte1 != 0 && fs->max_byte1 != 0) return nullptr;
    if (code < int(fs->min_char_or_byte2) || code > int(fs->max_char_or_byte2)) return nullptr;
    const XCharStruct* m = fs->per_char ? &fs->per_char[code - int(fs->min_char_or_byte2)] : &fs->max_bounds;
    // A character the font does not have has all metrics zero.
    if (!m->width && !m->lbearing && !m->rbearing && !m->ascent && !m->descent) return nullptr;
    return m;
}

struct GlyphPlace {
    int code, x, y;
    const XCharStruct* m;
};

// Draws the placed glyphs into a bitmap of the server and reads them back.
void readPlaced(X11Connection& c, XFontStruct* fs, const std::vector<GlyphPlace>& places, int height,
                PixelFont& font) {
    const int rowHeight = std::max(1, fs->max_bounds.ascent + fs->max_bounds.descent);
    const Pixmap bitmap = XCreatePixmap(c.display, c.root, kAtlasWidth, unsigned(height), 1);
    const GC gc = XCreateGC(c.display, bitmap, 0, nullptr);
    XSetForeground(c.display, gc, 0);
    XFillRectangle(c.display, bitmap, gc, 0, 0, kAtlasWidth, unsigned(height));
    XSetForeground(c.display, gc, 1);
    XSetFont(c.display, gc, fs->fid);
    for (const GlyphPlace& p : places) {
        const char ch = char(p.code);
        XDrawString(c.display, bitmap, gc, p.x - p.m->lbearing, p.y + fs->max_bounds.ascent, &ch, 1);
    }
    XImage* image = XGetImage(c.display, bitmap, 0, 0, kAtlasWidth, unsigned(height), 1, XYPixmap);
    XFreeGC(c.display, gc);
    XFreePixmap(c.display, bitmap);
    if (!image) return;
    for (const GlyphPlace& p : places) {
        PixelGlyph& g = font.glyph[p.code];
        g.present = true;
        g.width = std::max(1, p.m->rbearing - p.m->lbearing);
        g.height = std::max(0, std::min(p.m->ascent + p.m->descent, rowHeight));
        g.left = p.m->lbearing;
        g.top = p.m->ascent;
        g.advance = float(p.m->width);
        g.bits.assign(std::size_t(g.width) * std::size_t(g.height), 0);
        const int top = p.y + fs->max_bounds.ascent - p.m->ascent;
        for (int row = 0; row < g.height; ++row)
            for (int col = 0; col < g.width; ++col)
                g.bits[std::size_t(row) * std::size_t(g.width) + std::size_t(col)] =
                    XGetPixel(image, p.x + col, top + row) ? 1 : 0;
    }
    XDestroyImage(image);
}

// Lays the glyphs of the font out in rows of bitmaps no larger than the
// server takes, and reads each bitmap once.
void readGlyphs(X11Connection& c, XFontStruct* fs, PixelFont& font) {
    const int rowHeight = std::max(1, fs->max_bounds.ascent + fs->max_bounds.descent);
    std::vector<GlyphPlace> places;
    int x = 0, y = 0;
    for (int code = 32; code < 256; ++code) {
        const XCharStruct* m = charMetrics(fs, code);
        if (!m) continue;
        const int w = std::clamp(m->rbearing - m->lbearing, 1, kAtlasWidth);
        if (x + w > kAtlasWidth) x = 0, y += rowHeight;
        if (y + rowHeight > kAtlasHeight && !places.empty()) {
            readPlaced(c, fs, places, y, font);
            places.clear();
            x = 0, y = 0;
        }
        places.push_back({code, x, y, m});
        x += w + 1;
    }
    if (!places.empty()) readPlaced(c, fs, places, y + rowHeight, font);
}

}  // namespace

bool loadServerFont(const char* pattern, float pixelSize, bool sized, PixelFont& font) {
    X11Connection& c = x11();
    if (!c.display || !pattern || !*pattern) return false;
    int count = 0;
    char** names = XListFonts(c.display, pattern, 1000, &count);
    if (!names || count == 0) {
        if (names) XFreeFontNames(names);
        return false;
    }
    const int wanted = std::clamp(int(std::lround(pixelSize)), 1, kLargestPixelSize);
    const std::string name = sized ? chooseName(names, count, wanted) : std::string(names[0]);
    XFreeFontNames(names);
    XFontStruct* fs = XLoadQueryFont(c.display, name.c_str());
    if (!fs) return false;
    font = PixelFont{};
    font.kind = 2;
    font.ascent = fs->ascent, font.descent = fs->descent;
    font.pixelSize = float(fs->ascent + fs->descent);
    readGlyphs(c, fs, font);
    XFreeFont(c.display, fs);
    return true;
}

}  // namespace vtx
