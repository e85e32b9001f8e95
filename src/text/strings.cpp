#include "text/strings.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "session/globals.h"
#include "core/messages.h"
#include "device/frame_rings.h"
#include "device/pipeline.h"
#include "text/api.h"
#include "text/code_map.h"
#include "text/fonts.h"
#include "text/formula.h"
#include "text/glyph_draw.h"
#include "text/mix_alphabet.h"
#include "text/number_format.h"
#include "text/text_device.h"
#include "text/text_scope.h"

namespace vtx {

namespace {

void directionOf(const Globals& g, float& sn, float& cs) {
    const double a = g.text.angle * 3.14159265358979323846 / 180.0;
    sn = static_cast<float>(std::sin(a));
    cs = static_cast<float>(std::cos(a));
}

// Copies the string into the text buffer, applies the shift sequences and
// removes trailing blanks; returns the length.
int prepareText(Globals& g, const char* text, char* buf) {
    int n = 0;
    while (n < kTextBufferSize && text[n]) buf[n] = text[n], ++n;
    buf[n] = '\0';
    if (g.text.euShift) {
        int bad = 0;
        applyShiftSequences(buf, g.text.euShiftChars, g.text.codeTable != 0, &bad);
        for (int i = 0; i < bad; ++i) warnin(Warning::BadShiftCharacter);
        n = static_cast<int>(std::strlen(buf));
    }
    while (n > 0 && buf[n - 1] == ' ') buf[--n] = '\0';
    return n;
}

// Draws (or measures) the characters with the exponent, index and reset
// characters of mixalf; returns the largest distance reached.
float runCharacters(Globals& g, const char* buf, bool mix) {
    TextState& t = g.text;
    TextRun& r = t.run;
    float mixShift = 0.0f, widest = 0.0f;
    const char exp = t.mixChars[0], ind = t.mixChars[1], res = t.mixChars[2];
    for (const char* p = buf; *p; ++p) {
        const char c = *p;
        if (mix && c == exp) {
            const float shift = t.height * t.expShift;
            setRunHeight(g, static_cast<int>(std::lround(t.height * t.expSize)));
            if (!r.measuring) mixShift += shift, r.baseShift += shift;
            if (mixShift > r.raised) r.raised = mixShift;
        } else if (mix && c == ind) {
            setRunHeight(g, static_cast<int>(std::lround(t.height * t.expSize)));
            const float shift = t.height * t.expShift;
            if (!r.measuring) mixShift -= shift, r.baseShift -= shift;
            if (-mixShift > r.lowered) r.lowered = -mixShift;
        } else if (mix && c == res) {
            setRunHeight(g, r.startHeight);
            r.baseShift -= mixShift;
            mixShift = 0.0f;
        } else {
            alfcha(g, static_cast<unsigned char>(c));
        }
        const float d = penDistance(g) - r.lastGap;
        if (d > widest) widest = d;
    }
    r.baseShift -= mixShift;
    return widest;
}

void warnOutOfPage(Globals& g, const char* what, float x, float y, const char* text) {
    if (x >= 0 && x <= g.out.nxPage && y >= 0 && y <= g.out.nyPage) return;
    ++g.ctl.warnings;
    if (!protocolOpen(g) || !g.prot.warnOn) return;
    char head[9];
    qqcopy(head, text, 8);
    protocolPrintf(g, " <<<< Warning: %s(%5d/%5d) in MESSAG out of page - (%s).\n", what, roundToInt(x),
                   roundToInt(y), head);
}

// The text box: the string's width and height with the margin of linesp
// around it, extended by exponents and indices.
void textBox(Globals& g, float width, float xs[4], float ys[4]) {
    const TextRun& r = g.text.run;
    const float h = static_cast<float>(r.startHeight);
    const float m = (g.text.lineSpacing - 1.0f) * h;
    const float x1 = -m, x2 = width + m;
    const float y1 = -m - r.lowered, y2 = h + m + r.raised;
    float sn, cs;
    directionOf(g, sn, cs);
    const float X[4] = {x1, x2, x2, x1}, Y[4] = {y1, y1, y2, y2};
    for (int i = 0; i < 4; ++i) {
        xs[i] = r.startX + X[i] * cs - Y[i] * sn;
        ys[i] = r.startY - Y[i] * cs - X[i] * sn;
    }
}

void frameAndShield(Globals& g, float width) {
    TextState& t = g.text;
    const bool shield = autoShieldOn(g, 1);
    if (t.frameThickness == 0 && !shield) return;
    float xs[4], ys[4];
    textBox(g, width, xs, ys);
    if (t.frameThickness != 0) {
        const int colour = textColour(g);
        if (t.frameColour >= 0) textSetColour(g, t.frameColour);
        const int n = frameRingCount(g, t.frameThickness);
        const float dir = t.frameThickness > 0 ? 1.0f : -1.0f;
        float sn, cs;
        directionOf(g, sn, cs);
        const int stride = coveredCopyStride(g, 1.0f);
        for (int i = 0; i < n; ++i) {
            if (!copyNeeded(i, n, stride)) continue;
            const float d = dir * i;
            // corners moved outwards along the text direction and its normal
            const float ox[4] = {-d, d, d, -d}, oy[4] = {-d, -d, d, d};
            for (int k = 0; k <= 4; ++k) {
                const int j = k % 4;
                const float x = xs[j] + ox[j] * cs - oy[j] * sn;
                const float y = ys[j] - oy[j] * cs - ox[j] * sn;
                if (k == 0) textMove(g, x, y);
                else textDraw(g, x, y);
            }
        }
        textFlush(g);
        if (t.frameColour >= 0) textSetColour(g, colour);
    }
    if (shield) {
        // corner 3 is the upper left one: start of the string, top of the box
        const TextRun& r = g.text.run;
        const float h = static_cast<float>(r.startHeight);
        const float m = (t.lineSpacing - 1.0f) * h;
        registerShieldBox(g, 1, xs[3], ys[3], width + 2.0f * m, h + 2.0f * m + r.raised + r.lowered,
                          static_cast<float>(t.angle));
    }
}

// Measures a prepared text from the current pen: the widest distance
// reached, or -1 after a formula error.
float runText(Globals& g, const char* buf) {
    if (g.text.texMode) {
        FormulaLayout layout;
        return runFormula(g, buf, layout) ? layout.width : -1.0f;
    }
    return runCharacters(g, buf, g.text.mixAlphabet != 0);
}

}  // namespace

void beginRun(Globals& g) {
    TextState& t = g.text;
    const TextRun old = t.run;
    TextRun& r = t.run;
    r = TextRun{};
    r.penX = old.penX, r.penY = old.penY;
    r.startX = old.startX, r.startY = old.startY;
    r.width = t.widthFactor;
    r.spacing = t.spacing;
    r.slant = t.slant;
    r.fixedOn = t.fixedOn;
    r.fixedFactor = t.fixedPitch;
    r.alphabet = r.stringAlphabet = t.baseAlphabet;
    r.startHeight = t.height;
    r.startColour = textColour(g);
    clearScaleCache(g);
}

int measureString(Globals& g, const char* text) {
    char buf[kTextBufferSize + 1];
    if (prepareText(g, text, buf) == 0) return 0;
    const TextRun saved = g.text.run;
    const int height = g.text.height;
    beginRun(g);
    TextRun& r = g.text.run;
    r.measuring = 1;
    r.penX = r.penY = r.startX = r.startY = 0.0f;
    const float w = runText(g, buf);
    g.text.height = height;
    g.text.run = saved;
    clearScaleCache(g);
    // Spacings may be any float; a width beyond any page is kept small
    // enough that sums of widths and positions stay in the int range.
    return w <= 0.0f ? 0 : roundToInt(std::min(w, 1.0e9f));
}

void qqmess(Globals& g, const char* text, int x, int y) {
    char buf[kTextBufferSize + 1];
    if (prepareText(g, text, buf) == 0) return;
    TextState& t = g.text;
    const bool resume = x == 999 && y == 999;
    float width = 0.0f;
    if (!resume && t.justify != 0) width = static_cast<float>(measureString(g, text));
    beginRun(g);
    TextRun& r = t.run;
    float sn, cs;
    directionOf(g, sn, cs);
    if (!resume) {
        const float h = static_cast<float>(t.height);
        float px = x + (h - 1.0f) * sn + g.line.originX;
        float py = y + (h - 1.0f) * cs + g.line.originY;
        const float shift = t.justify == 1 ? 0.5f * width : t.justify == 2 ? width : 0.0f;
        px -= shift * cs;
        py += shift * sn;
        r.penX = r.startX = px;
        r.penY = r.startY = py;
        warnOutOfPage(g, "Startpoint ", px, py, buf);
    } else {
        // continuing: distances count from where this string starts
        r.startX = r.penX;
        r.startY = r.penY;
    }
    if (t.texMode) {
        // The first pass measures every part (and finds errors), the second draws.
        FormulaLayout layout;
        const float px = r.penX, py = r.penY;
        r.measuring = 1;
        const bool ok = runFormula(g, buf, layout);
        setRunHeight(g, r.startHeight);
        if (r.colourChanged) textSetColour(g, r.startColour);
        r.measuring = 0;
        r.penX = px, r.penY = py;
        r.baseShift = r.baseShift2 = 0.0f;
        if (!ok) return;
        layout.drawing = true;
        runFormula(g, buf, layout);
    } else {
        runCharacters(g, buf, t.mixAlphabet != 0);
    }
    textFlush(g);
    const float endX = r.penX - r.lastGap * cs, endY = r.penY + r.lastGap * sn;
    warnOutOfPage(g, "Endpoint   ", endX, endY, buf);
    const float drawnWidth = penDistance(g) - r.lastGap;
    setRunHeight(g, r.startHeight);
    if (r.colourChanged) textSetColour(g, r.startColour);
    frameAndShield(g, drawnWidth);
}

void messag(const char* text, int x, int y) {
    Globals* g = jqqlev(1, 3, "messag");
    if (!g) return;
    if (g->line.pageOrigin == 1 && !(x == 999 && y == 999)) y = clampToInt((long long)g->out.nyPage - y);
    qqmess(*g, text, x, y);
}

int nlmess(const char* text) {
    Globals* g = jqqlev(1, 3, "nlmess");
    if (!g) return 0;
    return measureString(*g, text);
}

// The format may need mixalf and fixed pitch for the length of one string.
int numberText(Globals& g, float value, int ndig, int x, int y, bool measure) {
    TextState& t = g.text;
    NumberText nt;
    formatNumber(t, value, ndig, nt);
    TextScope scope(g);
    if (nt.needsMix) t.mixAlphabet = 1;
    if (nt.equalWidth) t.fixedOn = 1, t.fixedPitch = 0.7f;
    t.texMode = 0;
    t.euShift = 0;
    int width = 0;
    if (measure) width = measureString(g, nt.text);
    else qqmess(g, nt.text, x, y);
    return width;
}

void number(float value, int ndig, int x, int y) {
    Globals* g = jqqlev(1, 3, "number");
    if (!g || jqqval(ndig, -1, 100) != 0) return;
    if (g->line.pageOrigin == 1 && !(x == 999 && y == 999)) y = clampToInt((long long)g->out.nyPage - y);
    numberText(*g, value, ndig, x, y, false);
}

int nlnumb(float value, int ndig) {
    Globals* g = jqqlev(1, 3, "nlnumb");
    if (!g || jqqval(ndig, -1, 100) != 0) return 0;
    return numberText(*g, value, ndig, 0, 0, true);
}

std::string fcha(float value, int ndig) {
    Globals* g = jqqlev(0, 3, "fcha");
    if (!g || jqqval(ndig, -1, 100) != 0) return std::string();
    char buf[kNumberTextSize];
    formatFloa(value, ndig, buf, sizeof buf);
    return buf;
}

std::string intcha(int value) {
    jqqlev(0, 3, "intcha");
    return std::to_string(value);
}

int flen(float value, int ndig) {
    Globals* g = jqqlev(0, 3, "flen");
    if (!g || jqqval(ndig, -1, 100) != 0) return 0;
    char buf[kNumberTextSize];
    formatFloa(value, ndig, buf, sizeof buf);
    return int(std::strlen(buf));
}

int intlen(int value) {
    jqqlev(0, 3, "intlen");
    return int(std::to_string(value).size());
}

int trmlen(const char* text) {
    jqqlev(0, 3, "trmlen");
    int n = int(std::strlen(text));
    while (n > 0 && text[n - 1] == ' ') --n;
    return n;
}

void txtjus(const char* keyword) {
    Globals* g = chkini("txtjus");
    const int k = jqqind("LEFT+CENT+RIGH", 3, keyword);
    if (k != 0) g->text.justify = k - 1;
}

void frmess(int thickness) { chkini("frmess")->text.frameThickness = thickness; }

void numfmt(const char* keyword) {
    Globals* g = chkini("numfmt");
    const int k = jqqind("FLOA+EXP +FEXP+LOG ", 4, keyword);
    if (k != 0) g->text.numberFormat = k - 1;
}

void numode(const char* decimal, const char* thousands, const char* sign, const char* width) {
    Globals* g = chkini("numode");
    const int d = jqqind("POIN+COMM", 2, decimal);
    const int s = jqqind("NONE+SPAC+POIN+COMM", 4, thousands);
    const int p = jqqind("NONE+SPAC+PLUS", 3, sign);
    const int w = jqqind("NOEQ+EQUA", 2, width);
    if (d == 0 || s == 0 || p == 0 || w == 0) return;
    static const char kSeparators[4] = {0, ' ', '.', ','};
    static const char kSigns[3] = {0, ' ', '+'};
    g->text.numberMode[0] = d == 1 ? '.' : ',';
    g->text.numberMode[1] = kSeparators[s - 1];
    g->text.numberMode[2] = kSigns[p - 1];
    g->text.numberMode[3] = static_cast<char>(w - 1);
}

}  // namespace vtx
