#include "device/pixel_font.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "device/driver.h"
#include "device/surface.h"

namespace vtx {

namespace {

bool startsWith(const char* line, const char* word) {
    const std::size_t n = std::strlen(word);
    return std::strncmp(line, word, n) == 0 && (line[n] == ' ' || line[n] == '\n' || line[n] == '\r' || !line[n]);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = char(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// A glyph's bitmap row of hexadecimal digits, most significant bit leftmost.
void readBitmapRow(const char* line, PixelGlyph& g, int row) {
    for (int x = 0; x < g.width; ++x) {
        const int d = hexDigit(line[x / 4]);
        if (d < 0) return;
        g.bits[std::size_t(row) * std::size_t(g.width) + std::size_t(x)] = (d >> (3 - x % 4)) & 1;
    }
}

}  // namespace

float pixelFontScale(const PixelFont& font, int height, float deviceScale) {
    if (font.kind != 3 || !(font.pixelSize > 0.0f)) return 1.0f;
    return float(height) * deviceScale * kDeviceFontScale / font.pixelSize;
}

bool readBdfFont(const char* path, PixelFont& font) {
    FILE* f = std::fopen(path, "r");
    if (!f) return false;
    char line[1024];
    int pointSize = 0, resolution = 75, pixelSize = 0, glyphs = 0;
    int code = -1, dwidth = 0, row = -1;
    PixelGlyph current;
    while (std::fgets(line, sizeof line, f)) {
        if (row >= 0) {
            if (startsWith(line, "ENDCHAR")) {
                if (code >= 0 && code < 256) font.glyph[code] = current, ++glyphs;
                row = -1, code = -1;
            } else if (row < current.height) {
                readBitmapRow(line, current, row++);
            }
        } else if (startsWith(line, "SIZE")) {
            std::sscanf(line + 4, "%d %*d %d", &pointSize, &resolution);
        } else if (startsWith(line, "PIXEL_SIZE")) {
            std::sscanf(line + 10, "%d", &pixelSize);
        } else if (startsWith(line, "FONT_ASCENT")) {
            std::sscanf(line + 11, "%d", &font.ascent);
        } else if (startsWith(line, "FONT_DESCENT")) {
            std::sscanf(line + 12, "%d", &font.descent);
        } else if (startsWith(line, "STARTCHAR")) {
            current = PixelGlyph{};
            code = -1, dwidth = 0;
        } else if (startsWith(line, "ENCODING")) {
            code = std::atoi(line + 8);
        } else if (startsWith(line, "DWIDTH")) {
            dwidth = std::atoi(line + 6);
        } else if (startsWith(line, "BBX")) {
            int w = 0, h = 0, xo = 0, yo = 0;
            std::sscanf(line + 3, "%d %d %d %d", &w, &h, &xo, &yo);
            current.width = std::clamp(w, 0, 1024), current.height = std::clamp(h, 0, 1024);
            current.left = xo, current.top = current.height + yo;
        } else if (startsWith(line, "BITMAP")) {
            current.present = true;
            current.advance = float(dwidth);
            current.bits.assign(std::size_t(current.width) * std::size_t(current.height), 0);
            row = 0;
        }
    }
    std::fclose(f);
    if (pixelSize <= 0) pixelSize = pointSize * resolution / 72;
    if (pixelSize <= 0) pixelSize = font.ascent + font.descent;
    font.pixelSize = float(std::max(pixelSize, 1));
    font.kind = 3;
    return glyphs > 0;
}

void drawPixelGlyph(PixelSurface& s, const PixelGlyph& g, float x, float y, float dx, float dy, float scale,
                    const SurfaceColour& colour) {
    if (!g.present || g.width <= 0 || g.height <= 0 || !(scale > 0.0f)) return;
    // The glyph's frame: u along the text, v across it, downwards from the base line.
    const float nx = -dy, ny = dx;
    const float u0 = float(g.left) * scale, u1 = float(g.left + g.width) * scale;
    const float v0 = float(-g.top) * scale, v1 = float(g.height - g.top) * scale;
    float xs[4], ys[4];
    const float us[4] = {u0, u1, u0, u1}, vs[4] = {v0, v0, v1, v1};
    for (int k = 0; k < 4; ++k) xs[k] = x + us[k] * dx + vs[k] * nx, ys[k] = y + us[k] * dy + vs[k] * ny;
    const int x1 = std::max(s.clipX1, int(std::floor(*std::min_element(xs, xs + 4))));
    const int x2 = std::min(s.clipX2, int(std::ceil(*std::max_element(xs, xs + 4))));
    const int y1 = std::max(s.clipY1, int(std::floor(*std::min_element(ys, ys + 4))));
    const int y2 = std::min(s.clipY2, int(std::ceil(*std::max_element(ys, ys + 4))));
    for (int py = y1; py <= y2; ++py) {
        for (int px = x1; px <= x2; ++px) {
            // Each device pixel takes the glyph pixel under its centre.
            const float ex = float(px) + 0.5f - x, ey = float(py) + 0.5f - y;
            const float u = (ex * dx + ey * dy) / scale, v = (ex * nx + ey * ny) / scale;
            const int col = int(std::floor(u)) - g.left, row = int(std::floor(v)) + g.top;
            if (col < 0 || row < 0 || col >= g.width || row >= g.height || !g.set(col, row)) continue;
            s.putPixel(px, py, colour);
        }
    }
}

}  // namespace vtx
