// PostScript and EPS output (devices 501 to 504): header and prolog, the
// scaled page set-up, buffered paths, pages and the end of the file.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/path_buffer.h"
#include "device/drivers/postscript.h"
#include "device/line_style.h"
#include "device/output.h"
#include "text/font_data.h"

namespace vtx {

extern const DeviceDriver kPostScriptDriver;

namespace {

constexpr int kLastReencodedCode = 186;  // the last code of the prolog's GermanVec

const char* const kProlog[] = {
    "2 setlinecap 2 setlinejoin",
    "/cm {0.1417322835 mul} def /rgb {255 div} def /lc 1 string def",
    "/u  { /y exch cm def /x exch cm def newpath  x y moveto } def",
    "/d  { /y exch cm def /x exch cm def x y lineto } def",
    "/p  { stroke } def",
    "/e { /b exch rgb def /g exch rgb def",
    " /r exch rgb def /v exch cm def /w exch cm def /y exch cm def",
    " /x exch cm def gsave r g b setrgbcolor newpath x y moveto",
    " w y lineto w v lineto x v lineto closepath fill grestore } def",
    "/f { /b exch rgb def /g exch rgb def",
    " /r exch rgb def r g b setrgbcolor } def",
    "/text { /c1 exch def /a exch def /y exch cm def /x exch cm def",
    " /Name exch def gsave x y moveto x y translate a rotate c1 0 gt",
    " { Name stringwidth 2 div neg exch 2 div neg exch rmoveto }",
    " {} ifelse Name show grestore } def /font { /h exch def",
    " /s exch def s findfont h scalefont setfont } def",
    "/c { /a exch def /y exch cm def /x exch cm def /i exch def",
    " gsave x y moveto x y translate a rotate lc 0 i put lc",
    " stringwidth 2 div neg exch 2 div neg exch rmoveto lc show",
    " grestore } def",
    "/sec { /b exch rgb def /g exch rgb def /r exch rgb def",
    " /a2 exch def /a exch def /r2 exch cm def /r1 exch cm def",
    " /y exch cm def /x exch cm def gsave r g b setrgbcolor newpath",
    " x y r1 a a2 arc x y r2 a2 a arcn closepath fill grestore } def",
    "/tri { /y3 exch cm def /x3 exch cm def /y2 exch cm def",
    " /x2 exch cm def /y1 exch cm def /x1 exch cm def",
    " gsave newpath x1 y1 moveto",
    " x2 y2 lineto x3 y3 lineto closepath fill grestore } def",
    "/Reencsmalldict 12 dict def",
    "/ReEncodeSmall",
    "{ Reencsmalldict begin",
    "  /NewCodesAndNames exch def",
    "  /NewFontName exch def",
    "  /BaseFontName exch def",
    "  /BaseFontDict",
    "  BaseFontName findfont def",
    "  /NewFont BaseFontDict",
    "  maxlength dict def",
    "  BaseFontDict",
    "  { exch dup /FID ne",
    "    { dup /Encoding eq",
    "      { exch dup length array copy",
    "        NewFont 3 1 roll put",
    "      }",
    "      { exch NewFont 3 1 roll put",
    "      } ifelse",
    "      }",
    "      {pop pop} ifelse",
    "    } forall",
    "    NewFont",
    "    /FontName NewFontName put",
    "    NewCodesAndNames aload pop",
    "    NewCodesAndNames",
    "    length 2 idiv",
    "    { NewFont /Encoding get",
    "    3 1 roll put  } repeat",
    "    NewFontName NewFont",
    "    definefont pop end } def",
    " /GermanVec [ 8#177 /Adieresis",
    " 8#200 /Odieresis 8#201 /Udieresis 8#202 /adieresis",
    " 8#203 /odieresis 8#204 /udieresis 8#205 /germandbls",
    " 8#206 /Aring     8#207 /Oslash    8#210 /AE",
    " 8#211 /aring     8#212 /oslash    8#213 /ae",
    " 8#214 /Ntilde    8#215 /ntilde    8#216 /Ccedilla",
    " 8#217 /ccedilla  8#220 /Edieresis 8#221 /Idieresis",
    " 8#222 /edieresis 8#223 /idieresis 8#224 /Aacute",
    " 8#225 /Eacute    8#226 /Iacute    8#227 /Oacute",
    " 8#230 /Uacute    8#231 /aacute    8#232 /eacute",
    " 8#233 /iacute    8#234 /oacute    8#235 /uacute",
    " 8#236 /Agrave    8#237 /Egrave    8#240 /Igrave",
    " 8#241 /Ograve    8#242 /Ugrave    8#243 /agrave",
    " 8#244 /egrave    8#245 /igrave    8#246 /ograve",
    " 8#247 /ugrave      8#250 /Acircumflex 8#251 /Ecircumflex",
    " 8#252 /Icircumflex 8#253 /Ocircumflex 8#254 /Ucircumflex",
    " 8#255 /acircumflex 8#256 /ecircumflex 8#257 /icircumflex",
    " 8#260 /ocircumflex 8#261 /ucircumflex 8#262 /Atilde",
    " 8#263 /atilde 8#264 /Otilde 8#265 /otilde 8#266 /Yacute",
    " 8#267 /yacute 8#270 /ydieresis",
    " 8#271 /exclamdown 8#272 /questiondown ] def",
};
static_assert(sizeof kProlog / sizeof kProlog[0] == 79, "the prolog has 79 lines");

// The open output's path, in the record from begin to end.
struct PostScriptState : DriverData {
    PostScriptState() : DriverData(&kPostScriptDriver) {}
    PathBuffer<int> path;
};

PostScriptState* stateOf(Globals& g) { return driverData<PostScriptState>(g.driver, &kPostScriptDriver); }

inline int roundDevice(float v) {
    if (!(v > -1e9f)) return v != v ? 0 : -1000000000;
    if (v > 1e9f) return 1000000000;
    return int(std::floor(v + 0.5f));
}

bool reverseScreen(const Globals& g) { return g.out.screenMode == 2; }

// "%5d" into out; returns the characters written. Paths are the bulk of a
// file, so their numbers are formatted here rather than by printf.
int putInt5(char* out, int v) {
    char digits[12];
    int n = 0;
    unsigned u = v < 0 ? 0u - unsigned(v) : unsigned(v);
    do digits[n++] = char('0' + u % 10), u /= 10;
    while (u);
    if (v < 0) digits[n++] = '-';
    int len = 0;
    for (int pad = 5 - n; pad > 0; --pad) out[len++] = ' ';
    while (n) out[len++] = digits[--n];
    return len;
}

// One path point: "%5d %5d u " or "%5d %5d d ".
void writePoint(Globals& g, int x, int y, char op) {
    char text[32];
    int n = putInt5(text, x);
    text[n++] = ' ';
    n += putInt5(text + n, y);
    text[n++] = ' ';
    text[n++] = op;
    text[n++] = ' ';
    qpsbuf(g, text, n);
}

void flushPath(Globals& g, PathBuffer<int>& path) {
    if (path.count == 0) return;
    writePoint(g, path.x[0], path.y[0], 'u');
    for (int i = 1; i < path.count; ++i) writePoint(g, path.x[i], path.y[i], 'd');
    qpsbuf(g, "p ", 2);
}

// drwpsc: paths of at most 50 points; a full path is written and the next
// one starts at its last point, so long polylines continue without a gap.
void drwpsc(Globals& g, float fx, float fy, int op) {
    PostScriptState* ps = stateOf(g);
    if (!ps) return;
    PathBuffer<int>& path = ps->path;
    int x = roundDevice(fx), y = roundDevice(fy);
    if (op == kOpDraw && !path.draw(x, y)) return;
    flushPath(g, path);
    path.restartAt(x, y);
}

// Writes the open path, so that what follows applies only to later lines.
void strokePath(Globals& g) {
    PostScriptState* ps = stateOf(g);
    if (!ps) return;
    flushPath(g, ps->path);
    ps->path.endStroke();
}

// A landscape page is turned onto the paper unless the page mode is NONE.
DevicePoint mapPoint(const Globals& g, float x, float y) { return paperPoint(g, x, y); }

struct Scales {
    float s;  // plot units to device units
    float k;  // global scale written into the file
};

Scales computeScales(const Globals& g) {
    const float uf = g.out.unitFactor;
    const float fit = paperFit(g, paperTurned(g), 1.0f);
    float t = g.out.scaleMode == 0 ? std::min(2.0f * g.out.scaleFactor * uf, fit) : fit;
    float s = g.out.hwPageSet ? t : 3900.0f * uf / 2100.0f;
    float k = s > 0.0f ? t / s : 1.0f;
    return {s, std::isfinite(k) ? k : 1.0f};
}

// "%10.6f" as the set-up line writes the scale; a scale of 100 or more fills
// the field, and the blank it would lack keeps the two operands apart.
struct ScaleField {
    char text[48];
    explicit ScaleField(float k) {
        std::snprintf(text, sizeof text, "%10.6f", double(k));
        if (text[0] != ' ') std::snprintf(text, sizeof text, " %.6f", double(k));
    }
};

// Page filled black in device units.
void blackBackground(Globals& g) {
    const float s = g.out.deviceScale;
    int h = roundDevice(float(g.out.nyPage) * s), w = roundDevice(float(g.out.nxPage) * s);
    if (paperTurned(g)) qpsprintf(g, "0 0 %d %d 0 0 0 e ", h, w);
    else qpsprintf(g, "0 %d %d 0 0 0 0 e ", h, w);
}

void begin(Globals& g) {
    Scales sc = computeScales(g);
    g.out.deviceScale = sc.s;
    createDriverData<PostScriptState>(g);
    const bool turned = paperTurned(g);
    const float W = float(g.out.nxPage), H = float(g.out.nyPage);
    float ox = 150.0f, oy = 200.0f;
    if (g.out.hwOrigSet) ox = 2.0f * float(g.out.hwOrigX), oy = 2.0f * float(g.out.hwOrigY);
    float a = turned ? H : W, b = turned ? W : H;
    const float c = kPointsPerPenUnit;

    outPrintf(g, "%s\n", g.ctl.device == 503 ? "%!PS-Adobe-3.0 EPSF-3.0" : "%!PS-Adobe-2.0");
    outPrintf(g, "%s %d %d %d %d\n", "%%BoundingBox:", int(ox * c), int(oy * c), int((ox + a * sc.s * sc.k) * c + 1.0f),
              int((oy + b * sc.s * sc.k) * c + 1.0f));
    outPrintf(g, "%%%%Creator: VANTIX %4.1f %s\n", kVersion, turned ? "L" : "P");
    char date[11], time[9];
    currentDateTime(date, time);
    outPrintf(g, "%s %s , %s\n", "%%CreationDate:", date, time);
    outPrintf(g, "%%%%EndComments\n%%%%Page: 1 1\n");
    for (const char* line : kProlog) outPrintf(g, "%s\n", line);
    const ScaleField k(sc.k);
    if (g.out.hwOrigSet)
        outPrintf(g, "%5d cm %5d %s %s%s scale\n", g.out.hwOrigX, g.out.hwOrigY, "cm translate 5 cm setlinewidth",
                  k.text, k.text);
    else
        outPrintf(g, "%s %s%s scale\n", "  150 cm   200 cm translate 5 cm setlinewidth", k.text, k.text);
    if ((g.ctl.device == 502 || g.ctl.device == 503) && !reverseScreen(g)) blackBackground(g);
}

void end(Globals& g) {
    if (PostScriptState* ps = stateOf(g)) flushPath(g, ps->path);
    g.driver.data.reset();
    qpsbuf(g, "showpage ", 9);
}

void newPage(Globals& g) {
    if (g.ctl.device == 503) return;
    strokePath(g);
    qpsbuf(g, "copypage ", 9);
    qpsbuf(g, nullptr, -1);
    qpsprintf(g, "%s %8d ", "%%Page: 1", g.ctl.pages);
    qpsbuf(g, nullptr, -1);
    // The background is the table's colour 0; the default tables make it black.
    if (g.ctl.device == 502 && !reverseScreen(g)) {
        const float s = g.out.deviceScale;
        int w = roundDevice(float(g.out.nxPage + 1) * s), h = roundDevice(float(g.out.nyPage + 1) * s);
        if (paperTurned(g)) qpsprintf(g, "0 0 %d %d 0 0 0 e ", h, w);
        else qpsprintf(g, "0 %d %d 0 0 0 0 e ", h, w);
    } else {
        qpsbuf(g, "erasepage ", 10);
    }
}

// Every colour is written, even an unchanged one: newpag relies on it to
// give a new page the current colour again.
void colour(Globals& g, int /*index*/, int red, int green, int blue) {
    strokePath(g);
    qpsprintf(g, "%3d %3d %3d f ", std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
}

// PostScript rejects a miter limit below 1: 8 cm is the least integer above it.
void writeMiterLimit(Globals& g, float penUnits) {
    qpsprintf(g, "%12d cm ", std::max(8, roundDevice(std::round(penUnits))));
    qpsbuf(g, "setmiterlimit ", 14);
}

// Each attribute ends the open path first, which counts as one vector.
void lineAttribute(Globals& g, LineAttribute what, float value, float /*plotUnits*/) {
    ++g.ctl.vectors;
    strokePath(g);
    switch (what) {
        case LineAttribute::Width:
            qpsprintf(g, "%5d cm ", roundDevice(value));
            qpsbuf(g, "setlinewidth ", 13);
            // The miter limit is a length here: a new width restates it.
            if (g.line.lineJoin == 0) writeMiterLimit(g, miterLength(g.line));
            break;
        case LineAttribute::PenWidth:
            qpsprintf(g, "%8.2f cm ", std::isfinite(value) ? double(value) : 0.0);
            qpsbuf(g, "setlinewidth ", 13);
            break;
        case LineAttribute::Cap: qpsprintf(g, "%1d setlinecap ", roundDevice(value)); break;
        case LineAttribute::Join:
            qpsprintf(g, "%1d setlinejoin ", roundDevice(value));
            if (roundDevice(value) == 0) writeMiterLimit(g, miterLength(g.line));
            break;
        case LineAttribute::MiterLimit: writeMiterLimit(g, value); break;
    }
}

// Solid polygon: one closed path filled by the even-odd rule, so that
// self-overlapping polygons look as the software fill draws them.
void polygon(Globals& g, const float* x, const float* y, int n) {
    strokePath(g);
    const DevicePoint first = mapPoint(g, x[0], y[0]);
    const int x0 = roundDevice(first.x), y0 = roundDevice(first.y);
    qpsprintf(g, "%5d %5d u ", x0, y0);
    for (int i = 1; i < n; ++i) {
        const DevicePoint p = mapPoint(g, x[i], y[i]);
        qpsprintf(g, "%5d %5d d ", roundDevice(p.x), roundDevice(p.y));
    }
    qpsprintf(g, "%5d %5d d ", x0, y0);
    qpsbuf(g, "eofill ", 7);
}

// An image by colorimage, the rows as hexadecimal text after the operator;
// the current matrix takes the unit square to the mapped rectangle, so a
// turned page turns the image too.
void image(Globals& g, const ImageRGB& img, float x, float y, float w, float h) {
    if (img.bytesPerPixel != 3) return;
    strokePath(g);
    const DevicePoint o = mapPoint(g, x, y + h), a = mapPoint(g, x + w, y + h), b = mapPoint(g, x, y);
    // Device units to points, as the prolog's cm procedure converts them.
    auto finite = [](float v) { return std::isfinite(v) ? double(v) * double(kPointsPerPenUnit) : 0.0; };
    qpsprintf(g, "gsave [%.3f %.3f %.3f %.3f %.3f %.3f] concat ", finite(a.x - o.x), finite(a.y - o.y),
              finite(b.x - o.x), finite(b.y - o.y), finite(o.x), finite(o.y));
    qpsprintf(g, "/vxrow %d string def %d %d 8 [%d 0 0 %d 0 %d] ", img.width * 3, img.width, img.height, img.width,
              -img.height, img.height);
    qpsbuf(g, "{currentfile vxrow readhexstring pop} false 3 colorimage ", 57);
    // Words of 60 digits, which the output breaks into lines between words.
    static const char kHex[] = "0123456789abcdef";
    char word[61];
    int n = 0;
    for (const unsigned char byte : img.pixels) {
        word[n++] = kHex[byte >> 4];
        word[n++] = kHex[byte & 15];
        if (n == 60) {
            word[n++] = ' ';
            qpsbuf(g, word, n);
            n = 0;
        }
    }
    if (n > 0) {
        word[n++] = ' ';
        qpsbuf(g, word, n);
    }
    qpsbuf(g, "grestore ", 9);
}

// The standard fonts except the two symbol fonts are re-encoded for the
// accented letters; the size is the em size in points.
void selectFont(Globals& g, int font, int height) {
    const char* name = kPsFonts[font].name;
    const float size = float(height) * g.out.deviceScale * kDeviceFontScale * kPointsPerPenUnit;
    const bool symbols = std::strcmp(name, "Symbol") == 0 || std::strcmp(name, "ZapfDingbats") == 0;
    if (!symbols) {
        qpsprintf(g, "/%s /%s-German GermanVec ReEncodeSmall ", name, name);
        qpsprintf(g, "/%s-German %.1f font ", name, size);
    } else {
        qpsprintf(g, "/%s %.1f font ", name, size);
    }
}

// The prolog's c procedure centres the character at the given point.
void character(Globals& g, const DeviceChar& c) {
    const int code = c.code > kLastReencodedCode ? ' ' : c.code;
    const float a = float(c.angle) * 3.14159265358979323846f / 180.0f;
    const float cx = c.x + 0.5f * c.advance * std::cos(a) - c.baseShift * std::sin(a);
    const float cy = c.y - 0.5f * c.advance * std::sin(a) - c.baseShift * std::cos(a);
    const float s = g.out.deviceScale;
    int dx, dy, angle = c.angle;
    if (paperTurned(g)) {
        dx = static_cast<int>(std::lround(cy * s));
        dy = static_cast<int>(std::lround(cx * s));
        angle += 90;
    } else {
        dx = static_cast<int>(std::lround(cx * s));
        dy = static_cast<int>(std::lround((g.out.nyPage - cy) * s));
    }
    qpsprintf(g, "%5d %5d %5d %5d c ", code, dx, dy, angle);
}

}  // namespace

extern const DeviceDriver kPostScriptDriver = {
    begin,          // begin: header, prolog and page set-up
    end,            // end: showpage
    newPage,        // newPage: copypage, or the black page of PSCL
    nullptr,        // erase
    mapPoint,       // mapPoint: units of 0.05 mm, landscape turned onto the paper
    drwpsc,         // vector: paths of at most 50 points
    colour,         // colour: setrgbcolor through the prolog's f
    lineAttribute,  // lineAttribute: setlinewidth, setlinecap, setlinejoin, setmiterlimit
    nullptr,        // clipRect
    polygon,        // polygon: eofill
    nullptr,        // colourTable
    selectFont,     // selectFont: findfont and scalefont through the prolog's font
    character,      // character: the prolog's c
    nullptr,        // flush
    image,        // image: colorimage with hexadecimal rows
};

}  // namespace vtx
