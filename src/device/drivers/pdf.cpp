// PDF output (device 511): a PDF 1.3 document with one page per library
// page. Content streams are deflated in pieces of at most 300000 bytes (a
// full piece on a second thread while the page goes on);
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
#include <system_error>
#include <thread>
#include <vector>

#include <pthread.h>

#include <zlib.h>

#include "core/files.h"
#include "core/messages.h"
#include "device/driver.h"
#include "device/drivers/driver_common.h"
#include "device/drivers/fixed_number.h"
#include "device/drivers/latin1.h"
#include "device/line_style.h"
#include "device/output.h"
#include "text/font_data.h"

namespace vtx {

extern const DeviceDriver kPdfDriver;

namespace {

constexpr size_t kContentCapacity = 300000;

enum ObjectKind { kPlainObject = 0, kContentObject = 1, kPageObject = 2, kFirstFontKind = 10 };
enum FontUse { kFontUnused = 0, kFontPending = 1, kFontWritten = 2 };

struct PdfObject {
    size_t offset;
    int kind;
};

// A full content stream deflated on a second thread while the next one is
// collected. Its object is written only when the document is next touched,
// so objects keep their numbers and places: the file is the same byte for
// byte as if it had been deflated at once.
struct PendingStream {
    std::vector<char> raw;            // the stream; its capacity is reused for the next
    std::vector<unsigned char> deflated;
    bool deflatedOk = false;
    bool waiting = false;             // raw is handed over and not yet written
    std::thread worker;

    void finishWork() {
        if (worker.joinable()) worker.join();
    }
    ~PendingStream() { finishWork(); }
};

struct PdfState;
PdfState* gWorkingDocument = nullptr;  // the document with a stream on the second thread, if any

// The document being built, in the record from begin to end.
struct PdfState : DriverData {
    PdfState() : DriverData(&kPdfDriver) {}
    ~PdfState() override {
        if (file) std::fclose(file);
        if (gWorkingDocument == this) gWorkingDocument = nullptr;
    }
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
    PendingStream pending;
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
    std::vector<int> pageImages;  // image objects drawn on the current page, named /Im<object>
    // Line attributes in effect, restated at the top of every page.
    float lineWidth = 5.0f * kPointsPerPenUnit;
    int lineCap = 2, lineJoin = 2;
    float miterLimit = 0.0f;  // 0: not set
};

PdfState* stateOf(Globals& g) { return driverData<PdfState>(g.driver, &kPdfDriver); }

void writePendingStream(PdfState& pdf);

// The one append routine: into the open compressed stream (which is ended
// and restarted when full) or else onto the document.
void appendToDocument(PdfState& pdf, const char* text, size_t n) {
    if (pdf.pending.waiting) writePendingStream(pdf);
    if (pdf.faulty) return;
    try {
        pdf.doc.insert(pdf.doc.end(), text, text + n);
    } catch (const std::bad_alloc&) {
        pdf.faulty = true;
    }
}

// moreFollows: the stream is full and the page goes on in a new one.
void endContentStream(PdfState& pdf, bool moreFollows = false);
void beginContentStream(PdfState& pdf);

void put(PdfState& pdf, const char* text, size_t n) {
    if (pdf.streamOpen && pdf.compress) {
        if (pdf.content.size() + n > kContentCapacity && !pdf.content.empty()) {
            endContentStream(pdf, true);
            beginContentStream(pdf);
        }
        if (n <= kContentCapacity - pdf.content.size()) {
            pdf.content.insert(pdf.content.end(), text, text + n);
            return;
        }
    }
    appendToDocument(pdf, text, n);
}

void putf(PdfState& pdf, const char* format, ...) __attribute__((format(printf, 2, 3)));
void putf(PdfState& pdf, const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (n > 0) put(pdf, text, size_t(std::min(n, int(sizeof text) - 1)));
}

// Objects are numbered in the order they are written.
int newObject(PdfState& pdf, int kind) {
    if (pdf.pending.waiting) writePendingStream(pdf);
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

// "x y op\n" with both coordinates as "%.2f".
char* putPoint(char* out, float x, float y, char op) {
    out = putFixed2(out, finite(x));
    *out++ = ' ';
    out = putFixed2(out, finite(y));
    *out++ = ' ', *out++ = op, *out++ = '\n';
    return out;
}

void addPageContent(PdfState& pdf, int object) {
    try {
        pdf.pageContents.push_back(object);
    } catch (const std::bad_alloc&) {
        pdf.faulty = true;
    }
}

bool deflateStream(const std::vector<char>& raw, std::vector<unsigned char>& deflated) {
    uLongf size = compressBound(uLong(raw.size()));
    try {
        deflated.resize(size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (compress2(deflated.data(), &size, reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        return false;
    deflated.resize(size);
    return true;
}

// The object of a compressed content stream; uncompressed if deflate failed.
void writeContentObject(PdfState& pdf, const std::vector<char>& raw, const std::vector<unsigned char>& deflated,
                        bool deflatedOk) {
    const int object = newObject(pdf, kContentObject);
    putf(pdf, "%d 0 obj\n", object);
    if (deflatedOk) {
        putf(pdf, "<< /Length %d\n", int(deflated.size()));
        put(pdf, "/Filter /FlateDecode\n", 21);
        put(pdf, ">>\n", 3);
        put(pdf, "stream\n", 7);
        appendToDocument(pdf, reinterpret_cast<const char*>(deflated.data()), deflated.size());
    } else {
        putf(pdf, "<< /Length %d >>\n", int(raw.size()));
        put(pdf, "stream\n", 7);
        appendToDocument(pdf, raw.data(), raw.size());
    }
    put(pdf, "endstream\n", 10);
    put(pdf, "endobj\n", 7);
    addPageContent(pdf, object);
}

void writePendingStream(PdfState& pdf) {
    PendingStream& p = pdf.pending;
    p.finishWork();
    p.waiting = false;
    writeContentObject(pdf, p.raw, p.deflated, p.deflatedOk);
    p.raw.clear();
}

// A fork copies no thread: the child must not wait for one that only the
// parent has. Before a fork the stream in work is finished.
void finishBeforeFork() {
    if (gWorkingDocument) gWorkingDocument->pending.finishWork();
}

// Hands the full stream to a second thread; false if no thread or memory
// can be had (the caller then deflates it itself).
bool deflateInBackground(PdfState& pdf) {
    static const bool forkHandled = pthread_atfork(finishBeforeFork, nullptr, nullptr) == 0;
    PendingStream& p = pdf.pending;
    if (!forkHandled) return false;
    try {
        p.raw.reserve(kContentCapacity);  // the next stream is collected in this capacity
        p.raw.swap(pdf.content);
        p.worker = std::thread([&p] { p.deflatedOk = deflateStream(p.raw, p.deflated); });
    } catch (const std::exception&) {
        if (p.raw.size() > pdf.content.size()) p.raw.swap(pdf.content);
        return false;
    }
    p.waiting = true;
    gWorkingDocument = &pdf;
    return true;
}

void beginContentStream(PdfState& pdf) {
    pdf.streamOpen = true;
    pdf.content.clear();
    if (pdf.compress) return;
    pdf.rawStreamObject = newObject(pdf, kContentObject);
    putf(pdf, "%d 0 obj\n", pdf.rawStreamObject);
    putf(pdf, "<< /Length %d 0 R >>\n", pdf.rawStreamObject + 1);
    put(pdf, "stream\n", 7);
    pdf.rawStreamStart = pdf.doc.size();
}

void endContentStream(PdfState& pdf, bool moreFollows) {
    if (!pdf.streamOpen) return;
    pdf.streamOpen = false;
    if (!pdf.compress) {
        const int object = pdf.rawStreamObject;
        const size_t length = pdf.doc.size() - pdf.rawStreamStart;
        put(pdf, "endstream\n", 10);
        put(pdf, "endobj\n", 7);
        const int lengthObject = newObject(pdf, kPlainObject);
        putf(pdf, "%d 0 obj\n", lengthObject);
        putf(pdf, "%d\n", int(length));
        put(pdf, "endobj\n", 7);
        addPageContent(pdf, object);
        return;
    }
    // Both threads work while a stream is in the background: this one is
    // deflated here before the earlier one is waited for.
    if (!pdf.pending.waiting && moreFollows && deflateInBackground(pdf)) return;
    const bool ok = deflateStream(pdf.content, pdf.deflated);
    writeContentObject(pdf, pdf.content, pdf.deflated, ok);
    pdf.content.clear();
}

// Before every operation an open text object ends, and an open path is
// stroked unless the operation extends or fills it.
void finishPending(PdfState& pdf, bool extendsPath) {
    if (pdf.textOpen) {
        put(pdf, "ET\n", 3);
        pdf.textOpen = false;
    }
    if (pdf.pathOpen && !extendsPath) {
        put(pdf, "S\n", 2);
        pdf.pathOpen = false;
    }
}

void writeComponent(PdfState& pdf, int c) {
    if (c <= 0) put(pdf, "0 ", 2);
    else if (c >= 255) put(pdf, "1 ", 2);
    else putf(pdf, "%5.3f ", double(c) / 255.0);
}

// A filled rectangle in points, lower left corner (x, y).
void writeRect(PdfState& pdf, float x, float y, float width, float height) {
    finishPending(pdf, false);
    putf(pdf, "%.2f %.2f %.2f %.2f re\n", finite(x), finite(y), finite(width), finite(height));
    put(pdf, "f\n", 2);
}

void startPage(PdfState& pdf, Globals& g) {
    beginContentStream(pdf);
    putf(pdf, "%.3f w\n", double(pdf.lineWidth));
    putf(pdf, "%d J\n", pdf.lineCap);
    putf(pdf, "%d j\n", pdf.lineJoin);
    if (pdf.miterLimit > 0.0f) putf(pdf, "%.3f M\n", double(pdf.miterLimit));
    pdf.stroke[0] = pdf.stroke[1] = pdf.stroke[2] = -1;
    pdf.lastWasMove = pdf.pathOpen = pdf.textOpen = false;
    // Black paper unless the screen mode is reverse (the default for PDF).
    if (g.out.screenMode != 2) {
        put(pdf, "0 0 0 RG\n", 9);
        pdf.stroke[0] = pdf.stroke[1] = pdf.stroke[2] = 0;
        writeRect(pdf, 0.0f, 0.0f, float(pdf.mediaWidth), float(pdf.mediaHeight));
    }
}

void writePendingFonts(PdfState& pdf) {
    for (int i = 0; i < kPsFontCount; ++i) {
        if (pdf.fontUse[i] != kFontPending) continue;
        const int object = newObject(pdf, kFirstFontKind + i);
        putf(pdf, "%d 0 obj\n", object);
        put(pdf, "<< /Type /Font\n", 15);
        put(pdf, "/Subtype /Type1\n", 16);
        putf(pdf, "/BaseFont /%s\n", kPsFonts[i].name);
        put(pdf, "/Encoding /WinAnsiEncoding\n", 27);
        put(pdf, ">>\n", 3);
        put(pdf, "endobj\n", 7);
        pdf.fontUse[i] = kFontWritten;
        pdf.fontObject[i] = object;
    }
}

void writePageObject(PdfState& pdf) {
    bool anyFont = false;
    for (int use : pdf.fontUse) anyFont = anyFont || use == kFontWritten;
    const int object = newObject(pdf, kPageObject);
    putf(pdf, "%d 0 obj\n", object);
    put(pdf, "<<\n", 3);
    put(pdf, "/Type /Page\n", 12);
    putf(pdf, "/MediaBox [0 0 %d %d]\n", pdf.mediaWidth, pdf.mediaHeight);
    put(pdf, "/Parent 2 0 R\n", 14);
    if (pdf.turned) put(pdf, "/Rotate 90\n", 11);
    const bool anyImage = !pdf.pageImages.empty();
    putf(pdf, "/Resources << /ProcSet [/PDF%s%s]\n", anyFont ? " /Text" : "", anyImage ? " /ImageC" : "");
    if (anyFont) {
        put(pdf, "/Font <<\n", 9);
        for (int i = 0; i < kPsFontCount; ++i)
            if (pdf.fontUse[i] == kFontWritten) putf(pdf, "/F%d %d 0 R\n", i + 1, pdf.fontObject[i]);
        put(pdf, ">>\n", 3);
    }
    if (anyImage) {
        put(pdf, "/XObject <<\n", 12);
        for (int object : pdf.pageImages) putf(pdf, "/Im%d %d 0 R\n", object, object);
        put(pdf, ">>\n", 3);
        pdf.pageImages.clear();
    }
    put(pdf, ">>\n", 3);
    if (pdf.pageContents.size() == 1) {
        putf(pdf, "/Contents %d 0 R\n", pdf.pageContents[0]);
    } else {
        put(pdf, "/Contents [\n", 12);
        for (int c : pdf.pageContents) putf(pdf, "%d 0 R\n", c);
        put(pdf, "]\n", 2);
    }
    put(pdf, ">>\n", 3);
    put(pdf, "endobj\n", 7);
    pdf.pageContents.clear();
    try {
        pdf.pages.push_back(object);
    } catch (const std::bad_alloc&) {
        pdf.faulty = true;
    }
}

void endPage(PdfState& pdf) {
    finishPending(pdf, false);
    endContentStream(pdf);
    writePendingFonts(pdf);
    writePageObject(pdf);
}

void writeTrailer(PdfState& pdf) {
    pdf.objects[2].offset = pdf.doc.size();
    put(pdf, "2 0 obj\n", 8);
    put(pdf, "<< /Type /Pages /Kids [\n", 24);
    for (int p : pdf.pages) putf(pdf, "%d 0 R\n", p);
    putf(pdf, "] /Count %d\n", int(pdf.pages.size()));
    put(pdf, ">>\n", 3);
    put(pdf, "endobj\n", 7);
    pdf.objects[1].offset = pdf.doc.size();
    put(pdf, "1 0 obj\n", 8);
    put(pdf, "<< /Type /Catalog /Pages 2 0 R\n", 31);
    put(pdf, ">>\n", 3);
    put(pdf, "endobj\n", 7);

    const int info = newObject(pdf, kPlainObject);
    const std::tm t = wallClock();
    putf(pdf, "%d 0 obj\n", info);
    putf(pdf, "<< /CreationDate (D:%04d%02d%02d%02d%02d%02d)\n", t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour,
         t.tm_min, t.tm_sec);
    putf(pdf, "/Producer (VANTIX %.1f)\n", double(kVersion));
    put(pdf, ">>\n", 3);
    put(pdf, "endobj\n", 7);

    const size_t xref = pdf.doc.size();
    const int count = int(pdf.objects.size());
    put(pdf, "xref\n", 5);
    putf(pdf, "0 %d\n", count);
    put(pdf, "0000000000 65535 f \n", 20);
    for (int i = 1; i < count; ++i) putf(pdf, "%010lu 00000 n \n", static_cast<unsigned long>(pdf.objects[i].offset));
    put(pdf, "trailer\n", 8);
    putf(pdf, "<< /Size %d /Root 1 0 R /Info %d 0 R\n", count, info);
    put(pdf, ">>\n", 3);
    put(pdf, "startxref\n", 10);
    putf(pdf, "%lu\n", static_cast<unsigned long>(xref));
    put(pdf, "%%EOF\n", 6);
}

// The file was opened by begin; an incomplete document is not written.
void writeFile(PdfState& pdf, Globals& g) {
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


// A path starts at the stored move point, or at the last point when the
// path was stroked in between (a colour change).
void drawTo(PdfState& pdf, float x, float y) {
    finishPending(pdf, true);
    char text[64];
    char* end = text;
    if (pdf.lastWasMove || !pdf.pathOpen) end = putPoint(end, pdf.lastX, pdf.lastY, 'm');
    end = putPoint(end, x, y, 'l');
    put(pdf, text, size_t(end - text));
    pdf.pathOpen = true;
    pdf.lastWasMove = false;
    pdf.lastX = x, pdf.lastY = y;
}

void moveTo(PdfState& pdf, float x, float y) {
    finishPending(pdf, false);
    pdf.lastX = x, pdf.lastY = y;
    pdf.lastWasMove = true;
}

// The document scale: one plot unit is 0.1 mm at the defaults, reduced when
// the page would not fit on the paper of the PostScript devices.
float pageScale(PdfState& pdf, const Globals& g) {
    const float fit = paperFit(g, pdf.turned, kPointsPerPenUnit);
    if (g.out.scaleMode != 0) return fit;
    return std::min(72.0f * g.out.scaleFactor * g.out.unitFactor / 254.0f, fit);
}

// Starts the document and its first page.
void begin(Globals& g) {
    g.driver.keptDocument = std::vector<char>();
    PdfState& pdf = createDriverData<PdfState>(g);
    pdf.compress = (g.out.pdfMode & 1) != 0;
    pdf.toMemory = (g.out.pdfMode & 2) != 0;
    pdf.turned = paperTurned(g);
    const float s = pageScale(pdf, g);
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
    put(pdf, "%PDF-1.3\n", 9);
    startPage(pdf, g);
}

// Ends the document and writes it, or keeps it in the record for pdfbuf.
void end(Globals& g) {
    PdfState* state = stateOf(g);
    if (!state || !state->open) return;
    PdfState& pdf = *state;
    if (!pdf.faulty) {
        endPage(pdf);
        writeTrailer(pdf);
    }
    pdf.open = false;
    pdf.finished = !pdf.faulty;
    if (!pdf.toMemory) writeFile(pdf, g);
    else if (pdf.faulty) warnin(Warning::NoMemory);
    if (pdf.finished && pdf.toMemory) g.driver.keptDocument.swap(pdf.doc);
    g.driver.data.reset();
}

// newpag sends the current colour again after the page change.
void newPage(Globals& g) {
    PdfState* pdf = stateOf(g);
    if (!pdf || !pdf->open) return;
    endPage(*pdf);
    startPage(*pdf, g);
}

// A landscape page is turned onto the paper unless the page mode is NONE.
DevicePoint mapPoint(const Globals& g, float x, float y) { return paperPoint(g, x, y); }

void vector(Globals& g, float x, float y, int op) {
    PdfState* pdf = stateOf(g);
    if (!pdf || !pdf->open) return;
    if (op == kOpDraw) drawTo(*pdf, x, y);
    else if (op == kOpMove) moveTo(*pdf, x, y);
}

// Colour for filling (kind 0) or stroking (kind 1); the stroke colour is
// written only when it differs from the last one.
void writeColour(PdfState& pdf, const int (&c)[3], int kind) {
    finishPending(pdf, false);
    if (kind == 1) {
        if (c[0] == pdf.stroke[0] && c[1] == pdf.stroke[1] && c[2] == pdf.stroke[2]) return;
        for (int i = 0; i < 3; ++i) pdf.stroke[i] = c[i];
    }
    for (int v : c) writeComponent(pdf, v);
    put(pdf, kind == 1 ? "RG\n" : "rg\n", 3);
}

void colour(Globals& g, int /*index*/, int red, int green, int blue) {
    PdfState* pdf = stateOf(g);
    if (!pdf || !pdf->open) return;
    const int c[3] = {std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)};
    writeColour(*pdf, c, 0);
    writeColour(*pdf, c, 1);
}

// The miter limit is a ratio that PDF requires to be at least 1.
void writeMiterLimit(PdfState& pdf, float points) {
    pdf.miterLimit = std::isfinite(points) ? std::clamp(points, 1.0f, 1e5f) : 1.0f;
    putf(pdf, "%.3f M\n", double(pdf.miterLimit));
}

// Every operator written counts as one vector in the banner's total.
void lineAttribute(Globals& g, LineAttribute what, float value, float /*plotUnits*/) {
    PdfState* state = stateOf(g);
    if (!state || !state->open) return;
    PdfState& pdf = *state;
    ++g.ctl.vectors;
    finishPending(pdf, false);
    switch (what) {
        case LineAttribute::Width:
        case LineAttribute::PenWidth: {
            const float points = value * kPointsPerPenUnit;
            pdf.lineWidth = std::isfinite(points) ? std::clamp(points, 0.0f, 1e5f) : pdf.lineWidth;
            putf(pdf, "%.3f w\n", double(pdf.lineWidth));
            break;
        }
        case LineAttribute::Cap:
            pdf.lineCap = std::isfinite(value) ? std::clamp(int(value), 0, 2) : 0;
            putf(pdf, "%d J\n", pdf.lineCap);
            break;
        case LineAttribute::Join:
            pdf.lineJoin = std::isfinite(value) ? std::clamp(int(value), 0, 2) : 0;
            putf(pdf, "%d j\n", pdf.lineJoin);
            // A sharp join restates the miter limit for the current width.
            if (pdf.lineJoin == 0) {
                ++g.ctl.vectors;
                writeMiterLimit(pdf, miterLength(g.line) * kPointsPerPenUnit);
            }
            break;
        case LineAttribute::MiterLimit: writeMiterLimit(pdf, value * kPointsPerPenUnit); break;
    }
}

// The polygon as one path filled by the even-odd rule; its move, draws and
// fill count as vectors in the banner's total.
void polygon(Globals& g, const float* x, const float* y, int n) {
    PdfState* state = stateOf(g);
    if (!state || !state->open) return;
    PdfState& pdf = *state;
    g.ctl.vectors += n + 1;
    DevicePoint p = paperPoint(g, x[0], y[0]);
    moveTo(pdf, p.x, p.y);
    for (int i = 1; i < n; ++i) {
        p = paperPoint(g, x[i], y[i]);
        drawTo(pdf, p.x, p.y);
    }
    finishPending(pdf, true);
    if (pdf.pathOpen) put(pdf, "h\nf*\n", 5);
    pdf.pathOpen = false;
}

// One character of a standard font at its start on the base line. The
// move there counts as one vector in the banner's total.
void character(Globals& g, const DeviceChar& ch) {
    PdfState* state = stateOf(g);
    if (!state || !state->open) return;
    PdfState& pdf = *state;
    const float a = float(ch.angle) * 3.14159265358979323846f / 180.0f;
    const float sx = ch.x - ch.baseShift * std::sin(a), sy = ch.y - ch.baseShift * std::cos(a);
    ++g.ctl.vectors;
    const DevicePoint start = paperPoint(g, sx, sy);
    moveTo(pdf, start.x, start.y);
    // PDF device units are points.
    float size = float(ch.height) * g.out.deviceScale * kDeviceFontScale;
    const float angle = float(ch.angle);
    int font = ch.font;
    if (pdf.pathOpen) {
        put(pdf, "S\n", 2);
        pdf.pathOpen = false;
    }
    if (font < 0 || font >= kPsFontCount) font = 0;
    size = std::isfinite(size) ? std::clamp(size, 0.0f, 1e5f) : 0.0f;
    if (!pdf.textOpen) {
        put(pdf, "BT\n", 3);
        pdf.textOpen = true;
        pdf.textFont = -1;
    }
    if (font != pdf.textFont || size != pdf.textSize) {
        putf(pdf, "/F%d %.1f Tf\n", font + 1, double(size));
        pdf.textFont = font, pdf.textSize = size;
    }
    if (pdf.fontUse[font] == kFontUnused) pdf.fontUse[font] = kFontPending;
    const double x = finite(pdf.lastX), y = finite(pdf.lastY);
    const float turn = std::isfinite(angle) ? angle : 0.0f;
    if (turn == 0.0f && !pdf.turned) {
        putf(pdf, "1 0 0 1 %.2f %.2f Tm\n", x, y);
    } else if (turn == 0.0f) {
        putf(pdf, "0 1 -1 0 %.2f %.2f Tm\n", x, y);
    } else {
        const double r = double(turn + (pdf.turned ? 90.0f : 0.0f)) * 3.14159265358979323846 / 180.0;
        const double c = std::cos(r), s = std::sin(r);
        putf(pdf, "%.2f %.2f %.2f %.2f %.2f %.2f Tm\n", c, s, -s, c, x, y);
    }
    const int byte = latin1Code(ch.code);
    if (byte == '(' || byte == ')' || byte == '\\') putf(pdf, "(\\%o) Tj\n", byte);
    else putf(pdf, "(%c) Tj\n", byte);
}

// An image XObject (8-bit RGB, deflated) written between two content
// streams of the page, and drawn by a matrix that takes the unit square to
// the mapped rectangle, so a turned page turns the image too.
void image(Globals& g, const ImageRGB& img, float x, float y, float w, float h) {
    PdfState* pdf = stateOf(g);
    if (!pdf || !pdf->open || img.bytesPerPixel != 3) return;
    std::vector<unsigned char> deflated;
    uLongf size = compressBound(uLong(img.pixels.size()));
    try {
        deflated.resize(size);
        pdf->pageImages.reserve(pdf->pageImages.size() + 1);
    } catch (const std::bad_alloc&) {
        pdf->faulty = true;
        return;
    }
    if (compress2(deflated.data(), &size, img.pixels.data(), uLong(img.pixels.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        return;
    finishPending(*pdf, false);
    endContentStream(*pdf);
    const int object = newObject(*pdf, kPlainObject);
    putf(*pdf, "%d 0 obj\n", object);
    putf(*pdf, "<< /Type /XObject /Subtype /Image /Width %d /Height %d\n", img.width, img.height);
    putf(*pdf, "/ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode /Length %d >>\n", int(size));
    put(*pdf, "stream\n", 7);
    appendToDocument(*pdf, reinterpret_cast<const char*>(deflated.data()), size);
    put(*pdf, "\nendstream\nendobj\n", 18);
    pdf->pageImages.push_back(object);
    beginContentStream(*pdf);
    // Image space has its origin at the lower left corner of the image.
    const DevicePoint o = mapPoint(g, x, y + h), a = mapPoint(g, x + w, y + h), b = mapPoint(g, x, y);
    putf(*pdf, "q %.3f %.3f %.3f %.3f %.3f %.3f cm /Im%d Do Q\n", finite(a.x - o.x), finite(a.y - o.y),
         finite(b.x - o.x), finite(b.y - o.y), finite(o.x), finite(o.y), object);
}

}  // namespace

bool pdfMemoryDocument(const Globals& g, const char*& data, size_t& size) {
    if (g.driver.keptDocument.empty()) return false;
    data = g.driver.keptDocument.data();
    size = g.driver.keptDocument.size();
    return true;
}

extern const DeviceDriver kPdfDriver = {
    begin,          // begin: the document's header and first page; opens the file
    end,            // end: the last page, the trailer and the file (or the kept document)
    newPage,        // newPage: a new page object
    nullptr,        // erase
    mapPoint,       // mapPoint: points, landscape turned onto the paper
    vector,         // vector: m and l, stroked when anything else follows
    colour,         // colour: rg and RG
    lineAttribute,  // lineAttribute: w, J, j and M
    nullptr,        // clipRect
    polygon,        // polygon: a path filled with f*
    nullptr,        // colourTable
    nullptr,        // selectFont: each character names its font
    character,      // character: Tf, Tm and Tj of a standard font
    nullptr,        // flush
    image,          // image: an image XObject
};

}  // namespace vtx
