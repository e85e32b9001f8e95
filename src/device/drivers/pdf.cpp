// PDF output (device 511): a PDF 1.3 document with one page per library
// page. Content streams are deflated in pieces of at most 300000 bytes;
// pages, fonts, the page tree, catalog, information, cross-reference table
// and trailer follow the page contents. The file is opened at vtxini, so that
// a bad name stops the plot before it is drawn; the document is built in
// memory and written to it at vtxfin, or kept for pdfbuf.
#include "device/drivers/pdf.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <new>
#include <vector>

#include <zlib.h>

#include "core/files.h"
#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/svg.h"
#include "device/output.h"
#include "text/font_data.h"

namespace vtx {

namespace {

constexpr size_t kContentCapacity = 300000;
constexpr float kPointsPerDeviceUnit = 0.5f * 72.0f / 254.0f;


enum ObjectKind { kPlainObject = 0, kContentObject = 1, kPageObject = 2, kFirstFontKind = 10 };
enum FontUse { kFontUnused = 0, kFontPending = 1, kFontWritten = 2 };

struct PdfObject {
    size_t offset;
    int kind;
};

struct PdfState {
    bool open = false;
    bool compress = true;
    bool toMemory = false;
    bool finished = false;  // the document is complete
    bool faulty = false;    // memory ran out: the document is incomplete
    FILE* file = nullptr;   // the plot file, open from vtxini to vtxfin
    std::vector<char> doc;  // the output: every byte of the file
    std::vector<PdfObject> objects;  // by object number; 0 is the free head
    std::vector<int> pages;           // page objects
    std::vector<int> pageContents;    // content streams of the current page
    std::vector<char> content;        // the open compressed content stream
    std::vector<unsigned char> deflated;
    bool streamOpen = false;
    size_t rawStreamStart = 0;  // uncompressed streams go straight to doc
    int rawStreamObject = 0;

    bool turned = false;
    int mediaWidth = 0, mediaHeight = 0;
    float lastX = 0.0f, lastY = 0.0f;
    bool lastWasMove = false;
    bool pathOpen = false;
    bool textOpen = false;
    int textFont = -1;
    float textSize = 0.0f;
    int stroke[3] = {-1, -1, -1};
    int fontUse[kPsFontCount] = {};
    int fontObject[kPsFontCount] = {};
    // Line attributes in effect, restated at the top of every page.
    float lineWidth = 5.0f * kPointsPerDeviceUnit;
    int lineCap = 2, lineJoin = 2;
    float miterLimit = 0.0f;  // 0: not set
};
PdfState pdf;

// The one append routine: into the open compressed stream (which is ended
// and restarted when full) or else onto the document.
void appendToDocument(const char* text, size_t n) {
    if (pdf.faulty) return;
    try {
        pdf.doc.insert(pdf.doc.end(), text, text + n);
    } catch (const std::bad_alloc&) {
        pdf.faulty = true;
    }
}

void endContentStream();
void beginContentStream();

void put(const char* text, size_t n) {
    if (pdf.streamOpen && pdf.compress) {
        if (pdf.content.size() + n > kContentCapacity && !pdf.content.empty()) {
            endContentStream();
            beginContentStream();
        }
        if (n <= kContentCapacity - pdf.content.size()) {
            pdf.content.insert(pdf.content.end(), text, text + n);
            return;
        }
    }
    appendToDocument(text, n);
}

void putf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void putf(const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (n > 0) put(text, size_t(std::min(n, int(sizeof text) - 1)));
}

// Objects are numbered in the order they are written.
int newObject(int kind) {
    try {
        pdf.objects.push_back({pdf.doc.size(), kind});
    } catch (const std::bad_alloc&) {
        pdf.faulty = true;
        return 0;
    }
    return int(pdf.objects.size()) - 1;
}

// Numbers leave the writer finite, so that no "nan" reaches the file.
inline double finite(float v) { return std::isfinite(v) ? double(std::clamp(v, -1e7f, 1e7f)) : 0.0; }

bool deflateContent() {
    uLongf size = compressBound(uLong(pdf.content.size()));
    try {
        pdf.deflated.resize(size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (compress2(pdf.deflated.data(), &size, reinterpret_cast<const Bytef*>(pdf.content.data()),
                  uLong(pdf.content.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    pdf.deflated.resize(size);
    return true;
}

void beginContentStream() {
    pdf.streamOpen = true;
    pdf.content.clear();
    if (pdf.compress) return;
    pdf.rawStreamObject = newObject(kContentObject);
    putf("%d 0 obj\n", pdf.rawStreamObject);
    putf("<< /Length %d 0 R >>\n", pdf.rawStreamObject + 1);
    put("stream\n", 7);
    pdf.rawStreamStart = pdf.doc.size();
}

void endContentStream() {
    if (!pdf.streamOpen) return;
    pdf.streamOpen = false;
    int object;
    if (pdf.compress) {
        object = newObject(kContentObject);
        putf("%d 0 obj\n", object);
        if (deflateContent()) {
            putf("<< /Length %d\n", int(pdf.deflated.size()));
            put("/Filter /FlateDecode\n", 21);
            put(">>\n", 3);
            put("stream\n", 7);
            appendToDocument(reinterpret_cast<const char*>(pdf.deflated.data()), pdf.deflated.size());
        } else {
            // Compression failed: the same stream uncompressed.
            putf("<< /Length %d >>\n", int(pdf.content.size()));
            put("stream\n", 7);
            appendToDocument(pdf.content.data(), pdf.content.size());
        }
        pdf.content.clear();
        put("endstream\n", 10);
        put("endobj\n", 7);
    } else {
        object = pdf.rawStreamObject;
        const size_t length = pdf.doc.size() - pdf.rawStreamStart;
        put("endstream\n", 10);
        put("endobj\n", 7);
        const int lengthObject = newObject(kPlainObject);
        putf("%d 0 obj\n", lengthObject);
        putf("%d\n", int(length));
        put("endobj\n", 7);
    }
    try {
        pdf.pageContents.push_back(object);
    } catch (const std::bad_alloc&) {
        pdf.faulty = true;
    }
}

// Before every operation an open text object ends, and an open path is
// stroked unless the operation extends or fills it.
void finishPending(int op) {
    if (pdf.textOpen) {
        put("ET\n", 3);
        pdf.textOpen = false;
    }
    if (pdf.pathOpen && op != kOpDraw && op != kOpFill) {
        put("S\n", 2);
        pdf.pathOpen = false;
    }
}

void writeComponent(int c) {
    if (c <= 0) put("0 ", 2);
    else if (c >= 255) put("1 ", 2);
    else putf("%5.3f ", double(c) / 255.0);
}

void startPage(Globals& g) {
    beginContentStream();
    putf("%.3f w\n", double(pdf.lineWidth));
    putf("%d J\n", pdf.lineCap);
    putf("%d j\n", pdf.lineJoin);
    if (pdf.miterLimit > 0.0f) putf("%.3f M\n", double(pdf.miterLimit));
    pdf.stroke[0] = pdf.stroke[1] = pdf.stroke[2] = -1;
    pdf.lastWasMove = pdf.pathOpen = pdf.textOpen = false;
    // Black paper unless the screen mode is reverse (the default for PDF).
    if (g.out.screenMode != 2) {
        put("0 0 0 RG\n", 9);
        pdf.stroke[0] = pdf.stroke[1] = pdf.stroke[2] = 0;
        qqpdf4(g, 0.0f, 0.0f, float(pdf.mediaWidth), float(pdf.mediaHeight));
    }
}

void writePendingFonts() {
    for (int i = 0; i < kPsFontCount; ++i) {
        if (pdf.fontUse[i] != kFontPending) continue;
        const int object = newObject(kFirstFontKind + i);
        putf("%d 0 obj\n", object);
        put("<< /Type /Font\n", 15);
        put("/Subtype /Type1\n", 16);
        putf("/BaseFont /%s\n", kPsFonts[i].name);
        put("/Encoding /WinAnsiEncoding\n", 27);
        put(">>\n", 3);
        put("endobj\n", 7);
        pdf.fontUse[i] = kFontWritten;
        pdf.fontObject[i] = object;
    }
}

void writePageObject() {
    bool anyFont = false;
    for (int use : pdf.fontUse) anyFont = anyFont || use == kFontWritten;
    const int object = newObject(kPageObject);
    putf("%d 0 obj\n", object);
    put("<<\n", 3);
    put("/Type /Page\n", 12);
    putf("/MediaBox [0 0 %d %d]\n", pdf.mediaWidth, pdf.mediaHeight);
    put("/Parent 2 0 R\n", 14);
    if (pdf.turned) put("/Rotate 90\n", 11);
    if (anyFont) {
        put("/Resources << /ProcSet [/PDF /Text]\n", 36);
        put("/Font <<\n", 9);
        for (int i = 0; i < kPsFontCount; ++i)
            if (pdf.fontUse[i] == kFontWritten) putf("/F%d %d 0 R\n", i + 1, pdf.fontObject[i]);
        put(">>\n", 3);
    } else {
        put("/Resources << /ProcSet [/PDF]\n", 30);
    }
    put(">>\n", 3);
    if (pdf.pageContents.size() == 1) {
        putf("/Contents %d 0 R\n", pdf.pageContents[0]);
    } else {
        put("/Contents [\n", 12);
        for (int c : pdf.pageContents) putf("%d 0 R\n", c);
        put("]\n", 2);
    }
    put(">>\n", 3);
    put("endobj\n", 7);
    pdf.pageContents.clear();
    try {
        pdf.pages.push_back(object);
    } catch (const std::bad_alloc&) {
        pdf.faulty = true;
    }
}

void endPage() {
    finishPending(0);
    endContentStream();
    writePendingFonts();
    writePageObject();
}

void writeTrailer() {
    pdf.objects[2].offset = pdf.doc.size();
    put("2 0 obj\n", 8);
    put("<< /Type /Pages /Kids [\n", 24);
    for (int p : pdf.pages) putf("%d 0 R\n", p);
    putf("] /Count %d\n", int(pdf.pages.size()));
    put(">>\n", 3);
    put("endobj\n", 7);
    pdf.objects[1].offset = pdf.doc.size();
    put("1 0 obj\n", 8);
    put("<< /Type /Catalog /Pages 2 0 R\n", 31);
    put(">>\n", 3);
    put("endobj\n", 7);

    const int info = newObject(kPlainObject);
    const std::tm t = wallClock();
    putf("%d 0 obj\n", info);
    putf("<< /CreationDate (D:%04d%02d%02d%02d%02d%02d)\n", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
         t.tm_min, t.tm_sec);
    putf("/Producer (VANTIX %.1f)\n", double(kVersion));
    put(">>\n", 3);
    put("endobj\n", 7);

    const size_t xref = pdf.doc.size();
    const int count = int(pdf.objects.size());
    put("xref\n", 5);
    putf("0 %d\n", count);
    put("0000000000 65535 f \n", 20);
    for (int i = 1; i < count; ++i) putf("%010lu 00000 n \n", static_cast<unsigned long>(pdf.objects[i].offset));
    put("trailer\n", 8);
    putf("<< /Size %d /Root 1 0 R /Info %d 0 R\n", count, info);
    put(">>\n", 3);
    put("startxref\n", 10);
    putf("%lu\n", static_cast<unsigned long>(xref));
    put("%%EOF\n", 6);
}

// The file was opened by begin; an incomplete document is not written.
void writeFile(Globals& g) {
    FILE* f = pdf.file;
    pdf.file = nullptr;
    if (pdf.faulty) {
        warnin(Warning::NoMemory);
        g.out.fileError = 2;
        if (f) std::fclose(f);
        return;
    }
    if (!f) return;
    const bool written = std::fwrite(pdf.doc.data(), 1, pdf.doc.size(), f) == pdf.doc.size();
    if (std::fclose(f) != 0 || !written) reportFileError(g);
}

void releaseBuffers() {
    pdf.content = std::vector<char>();
    pdf.deflated = std::vector<unsigned char>();
    pdf.objects = std::vector<PdfObject>();
    pdf.pages = std::vector<int>();
    pdf.pageContents = std::vector<int>();
}

// qqpdf2: paths, line attributes, pages and the end of the document.
void qqpdf2(Globals& g, float x, float y, int op) {
    if (!pdf.open) return;
    finishPending(op);
    switch (op) {
        case kOpDraw:
            // A path starts at the stored move point, or at the last point
            // when the path was stroked in between (a colour change).
            if (pdf.lastWasMove || !pdf.pathOpen) putf("%.2f %.2f m\n", finite(pdf.lastX), finite(pdf.lastY));
            putf("%.2f %.2f l\n", finite(x), finite(y));
            pdf.pathOpen = true;
            pdf.lastWasMove = false;
            pdf.lastX = x, pdf.lastY = y;
            break;
        case kOpMove:
            pdf.lastX = x, pdf.lastY = y;
            pdf.lastWasMove = true;
            break;
        case kOpFill:
            if (pdf.pathOpen) put("h\nf*\n", 5);
            pdf.pathOpen = false;
            break;
        case kOpWidth:
            pdf.lineWidth = std::isfinite(x) ? std::clamp(x, 0.0f, 1e5f) : pdf.lineWidth;
            putf("%.3f w\n", double(pdf.lineWidth));
            break;
        case kOpJoin:
            pdf.lineJoin = std::isfinite(x) ? std::clamp(int(x), 0, 2) : 0;
            putf("%d j\n", pdf.lineJoin);
            break;
        case kOpCap:
            pdf.lineCap = std::isfinite(x) ? std::clamp(int(x), 0, 2) : 0;
            putf("%d J\n", pdf.lineCap);
            break;
        case kOpStroke:
            // The miter limit is a ratio that PDF requires to be at least 1.
            pdf.miterLimit = std::isfinite(x) ? std::clamp(x, 1.0f, 1e5f) : 1.0f;
            putf("%.3f M\n", double(pdf.miterLimit));
            break;
        case 4:
            endPage();
            startPage(g);
            break;
        case 1:
            if (!pdf.faulty) {
                endPage();
                writeTrailer();
            }
            pdf.open = false;
            pdf.finished = !pdf.faulty;
            if (!pdf.toMemory) writeFile(g);
            else if (pdf.faulty) warnin(Warning::NoMemory);
            if (!pdf.finished || !pdf.toMemory) pdf.doc = std::vector<char>();
            releaseBuffers();
            break;
        default: break;
    }
}

// The device scale: one plot unit is 0.1 mm at the defaults, reduced when
// the page would not fit on the paper of the PostScript devices.
float pageScale(const Globals& g) {
    const float W = std::max(float(g.out.nxPage), 1.0f), H = std::max(float(g.out.nyPage), 1.0f);
    float p1 = 3900.0f, p2 = 5600.0f;
    if (g.out.hwPageSet) p1 = 2.0f * float(g.out.hwPageW), p2 = 2.0f * float(g.out.hwPageH);
    p1 *= kPointsPerDeviceUnit, p2 *= kPointsPerDeviceUnit;
    const float fit = pdf.turned ? std::min(p1 / H, p2 / W) : std::min(p1 / W, p2 / H);
    if (g.out.scaleMode != 0) return fit;
    return std::min(72.0f * g.out.scaleFactor * g.out.unitFactor / 254.0f, fit);
}

// qqpdf1: starts the document and its first page.
void begin(Globals& g) {
    if (pdf.file) std::fclose(pdf.file);
    pdf = PdfState();
    pdf.compress = (g.out.pdfMode & 1) != 0;
    pdf.toMemory = (g.out.pdfMode & 2) != 0;
    pdf.turned = g.out.nxPage > g.out.nyPage && g.out.pageMode != 2;
    const float s = pageScale(g);
    g.out.deviceScale = s;
    const float A = float(pdf.turned ? g.out.nyPage : g.out.nxPage);
    const float B = float(pdf.turned ? g.out.nxPage : g.out.nyPage);
    pdf.mediaWidth = int(std::clamp(1.0f + A * s, 1.0f, 14400.0f));
    pdf.mediaHeight = int(std::clamp(1.0f + B * s, 1.0f, 14400.0f));
    try {
        pdf.doc.reserve(1 << 16);
        pdf.objects.reserve(100);
        pdf.objects.assign(3, PdfObject{0, kPlainObject});
        if (pdf.compress) {
            pdf.content.reserve(kContentCapacity);
            pdf.deflated.reserve(compressBound(kContentCapacity));
        }
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
        std::exit(0);
    }
    if (!pdf.toMemory) {
        gfilnn(g, g.out.fileName, kNameLen);
        pdf.file = std::fopen(g.out.fileName, "wb");
        if (!pdf.file) {
            warnc1(Warning::FileError, g.out.fileName);
            std::exit(0);
        }
    }
    pdf.open = true;
    put("%PDF-1.3\n", 9);
    startPage(g);
}

void end(Globals& g) { qqpdf2(g, 0.0f, 0.0f, 1); }

// newpag sends the current colour again after the page change.
void newPage(Globals& g) { qqpdf2(g, 0.0f, 0.0f, 4); }

void colour(Globals& g, int /*index*/, int red, int green, int blue) {
    qqpdf3(g, red, green, blue, 0);
    qqpdf3(g, red, green, blue, 1);
}

}  // namespace

void qqpdf3(Globals& /*g*/, int red, int green, int blue, int kind) {
    if (!pdf.open) return;
    finishPending(0);
    const int c[3] = {std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)};
    if (kind == 1) {
        if (c[0] == pdf.stroke[0] && c[1] == pdf.stroke[1] && c[2] == pdf.stroke[2]) return;
        for (int i = 0; i < 3; ++i) pdf.stroke[i] = c[i];
    }
    for (int v : c) writeComponent(v);
    put(kind == 1 ? "RG\n" : "rg\n", 3);
}

void qqpdf4(Globals& /*g*/, float x, float y, float width, float height) {
    if (!pdf.open) return;
    finishPending(0);
    putf("%.2f %.2f %.2f %.2f re\n", finite(x), finite(y), finite(width), finite(height));
    put("f\n", 2);
}

void qqpdf5(Globals& /*g*/, int code, float angle, int font, float size) {
    if (!pdf.open) return;
    if (pdf.pathOpen) {
        put("S\n", 2);
        pdf.pathOpen = false;
    }
    if (font < 0 || font >= kPsFontCount) font = 0;
    size = std::isfinite(size) ? std::clamp(size, 0.0f, 1e5f) : 0.0f;
    if (!pdf.textOpen) {
        put("BT\n", 3);
        pdf.textOpen = true;
        pdf.textFont = -1;
    }
    if (font != pdf.textFont || size != pdf.textSize) {
        putf("/F%d %.1f Tf\n", font + 1, double(size));
        pdf.textFont = font, pdf.textSize = size;
    }
    if (pdf.fontUse[font] == kFontUnused) pdf.fontUse[font] = kFontPending;
    const double x = finite(pdf.lastX), y = finite(pdf.lastY);
    const float a = std::isfinite(angle) ? angle : 0.0f;
    if (a == 0.0f && !pdf.turned) {
        putf("1 0 0 1 %.2f %.2f Tm\n", x, y);
    } else if (a == 0.0f) {
        putf("0 1 -1 0 %.2f %.2f Tm\n", x, y);
    } else {
        const double r = double(a + (pdf.turned ? 90.0f : 0.0f)) * 3.14159265358979323846 / 180.0;
        const double c = std::cos(r), s = std::sin(r);
        putf("%.2f %.2f %.2f %.2f %.2f %.2f Tm\n", c, s, -s, c, x, y);
    }
    const int byte = latin1Code(code);
    if (byte == '(' || byte == ')' || byte == '\\') putf("(\\%o) Tj\n", byte);
    else putf("(%c) Tj\n", byte);
}

bool pdfMemoryDocument(const char*& data, size_t& size) {
    if (!pdf.finished || !pdf.toMemory || pdf.doc.empty()) return false;
    data = pdf.doc.data();
    size = pdf.doc.size();
    return true;
}

extern const DeviceDriver kPdfDriver = {begin, end, newPage, nullptr, qqpdf2, colour, nullptr, nullptr, nullptr};

}  // namespace vtx
