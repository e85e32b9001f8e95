#include "text/glyph_draw.h"

#include <cmath>

#include "text/code_map.h"
#include "text/fonts.h"
#include "text/mix_alphabet.h"
#include "text/text_device.h"

namespace vtx {

namespace {

// A slanted alphabet moves every point right by y / cot(15 degrees).
constexpr float kItalicDivisor = 3.732f;
constexpr int kOutlinePolygonMax = 200;

void directionOf(const Globals& g, float& sn, float& cs) {
    const double a = g.text.angle * 3.14159265358979323846 / 180.0;
    sn = static_cast<float>(std::sin(a));
    cs = static_cast<float>(std::cos(a));
}

bool isOutlineAlphabet(const TextState& t, int alphabet) {
    return t.fontKind == FontKind::Outline && (alphabet == 1 || alphabet == 4);
}

struct GlyphFrame {
    float sx, sy;     // scale
    float slant;      // x shift per unit of Y
    float shiftX;     // centring inside a fixed cell
};

// Strokes of one glyph as polylines; outline glyphs are also collected into
// one polygon (holes joined back to the previous contour) and filled.
void drawGlyph(Globals& g, const GlyphTables& tables, int index, const GlyphFrame& f, bool outline) {
    const int pos = findGlyphRecord(tables, index);
    if (pos < 0) return;
    float polyX[kOutlinePolygonMax + 1], polyY[kOutlinePolygonMax + 1];
    int polyN = 0;
    float prevFirstX = 0.0f, prevFirstY = 0.0f;
    bool fill = outline && g.text.shadeChars;
    StrokeReader reader(tables, pos);
    GlyphStroke stroke;
    for (int s = 0; reader.next(stroke); ++s) {
        float firstX = 0.0f, firstY = 0.0f;
        for (int k = 0; k < stroke.pointCount; ++k) {
            float gx, gy;
            strokePoint(tables, stroke, k, gx, gy);
            const float Y = gy * f.sy;
            const float X = gx * f.sx + Y * f.slant + f.shiftX;
            float px, py;
            penToPage(g, X, Y, px, py);
            if (k == 0) {
                textMove(g, px, py);
                firstX = px, firstY = py;
            } else {
                textDraw(g, px, py);
            }
            if (fill) {
                if (polyN < kOutlinePolygonMax) polyX[polyN] = px, polyY[polyN++] = py;
                else fill = false;
            }
        }
        if (fill && s > 0) {
            if (polyN < kOutlinePolygonMax) polyX[polyN] = prevFirstX, polyY[polyN++] = prevFirstY;
            else fill = false;
        }
        prevFirstX = firstX, prevFirstY = firstY;
    }
    if (fill && polyN >= 3) textFillPolygon(g, polyX, polyY, polyN);
}

}  // namespace

GlyphTables registeredTables(const TextState& t, int alphabet) {
    const AlphabetRegistration& base = t.alphabets[0];
    const AlphabetRegistration& reg = t.alphabets[alphabet - 1];
    const AlphabetRegistration& pts = reg.pointCount != 0 ? reg : base;
    const AlphabetRegistration& gl = reg.glyphWords != 0 ? reg : base;
    GlyphTables tables;
    tables.points = pts.points;
    tables.pointsY = pts.pointCount < 0 ? pts.points2 : nullptr;
    tables.pointCount = pts.pointCount < 0 ? -pts.pointCount : pts.pointCount;
    tables.glyphs = gl.glyphs;
    tables.glyphWords = gl.glyphs ? gl.glyphWords : 0;
    tables.offsetUnit = tables.packed() ? 0.5f : 2.0f;
    return tables;
}

void penToPage(const Globals& g, float X, float Y, float& x, float& y) {
    float sn, cs;
    directionOf(g, sn, cs);
    const TextRun& r = g.text.run;
    const float b = r.baseShift + r.baseShift2;
    x = r.penX - b * sn + X * cs - Y * sn;
    y = r.penY - b * cs - Y * cs - X * sn;
}

void advancePen(Globals& g, float distance) {
    float sn, cs;
    directionOf(g, sn, cs);
    g.text.run.penX += distance * cs;
    g.text.run.penY -= distance * sn;
}

float blankAdvance(Globals& g) {
    const TextRun& r = g.text.run;
    const float h = static_cast<float>(g.text.height);
    if (r.fixedOn) return r.fixedFactor * 1.4f * r.width * (h - 1.0f);
    return g.text.blankWidth * alphabetScale(g, 1).x;
}

void alfcha(Globals& g, int code) {
    code &= 0xFF;
    if (mixFilter(g, code)) return;
    drawInternalCode(g, internalCode(g.text.codeTable, code));
}

void drawInternalCode(Globals& g, int code) {
    TextState& t = g.text;
    TextRun& r = t.run;
    if (code < 32) code = 32;
    int alphabet = r.alphabet;
    if (alphabet < 1 || alphabet > kAlphabetCount) alphabet = 1;
    int index = code - 31;
    if (index > t.alphabets[alphabet - 1].charCount) index = 1;
    bool slanted = false;
    int drawAlphabet = alphabet;
    int drawIndex = index;
    bool fallback = false;
    if (alphabet == 4 && t.font != 3 && t.font != 7) {
        drawAlphabet = 1;
        slanted = true;
    } else if (alphabet != 1) {
        const AlphabetGlyph m = mapAlphabetIndex(t.font, alphabet, index);
        drawIndex = m.index;
        if (m.fromStandard) {
            fallback = true;
            drawAlphabet = 1;
            slanted = (alphabet == 5 && t.font != 7) || (alphabet == 4 && t.font == 3);
            if (alphabet == 5 && !r.previousFallback && index != 1) advancePen(g, alphabetScale(g, 1).gap);
        }
    }
    r.previousFallback = fallback;
    const AlphabetScale& scale = alphabetScale(g, drawAlphabet);
    const float h = static_cast<float>(t.height);
    const float cell = r.fixedFactor * 1.4f * r.width * (h - 1.0f);

    // Device fonts draw the STANDARD alphabet themselves.
    if (t.hwFont != 0 && alphabet == 1 && code <= 186 && deviceFontUsable(g)) {
        const bool pixelFont = t.hwFont != 1;
        const float gap = ((pixelFont ? pixelCharGap(g) : 0.1f) + r.spacing) * h;
        const float advance = pixelFont ? pixelCharAdvance(g, code) : psCharAdvance(g, code);
        const float width = r.fixedOn ? cell : advance;
        if (!r.measuring) deviceChar(g, code, r.penX, r.penY, width);
        r.lastGap = r.fixedOn ? h * r.spacing : gap;
        advancePen(g, width + r.lastGap);
        return;
    }

    r.lastGap = scale.gap;
    if (drawIndex == 1) {
        advancePen(g, (r.fixedOn ? cell : t.blankWidth * scale.x) + scale.gap);
        return;
    }
    const GlyphTables tables = registeredTables(t, drawAlphabet);
    float width;
    if (t.fixedWidth > 0 && drawAlphabet == 1) width = t.fixedWidth * scale.x;
    else width = glyphWidth(tables, drawIndex) * scale.x;
    float shiftX = 0.0f;
    if (r.fixedOn) {
        shiftX = 0.5f * (cell - width);
        width = cell;
    }
    if (!r.measuring) {
        GlyphFrame frame{scale.x, scale.y, r.slant + (slanted ? 1.0f / kItalicDivisor : 0.0f), shiftX};
        drawGlyph(g, tables, drawIndex, frame, isOutlineAlphabet(t, drawAlphabet));
    }
    advancePen(g, width + scale.gap);
}

}  // namespace vtx
