// The PDF options and the copy of a PDF kept in memory.
#include <cstring>

#include "session/globals.h"
#include "core/messages.h"
#include "device/api.h"
#include "device/drivers/pdf.h"

namespace vtx {

namespace {

constexpr int kCompressionBit = 1;
constexpr int kMemoryBit = 2;

int pdfbufFailure(const char* text) {
    warnText(101, text);
    return 0;
}

}  // namespace

void pdfmod(const char* mode, const char* option) {
    Globals* g = jqqlev(0, 0, "pdfmod");
    if (!g) return;
    const int on = jqqind("OFF +ON  ", 2, mode);
    const int which = jqqind("COMP+BUFF", 2, option);
    if (on == 0 || which == 0) return;
    const int bit = which == 1 ? kCompressionBit : kMemoryBit;
    if (on == 2) g->out.pdfMode |= bit;
    else g->out.pdfMode &= ~bit;
}

int pdfbuf(char* buffer, int size) {
    Globals* g = jqqlev(0, 0, "pdfbuf");
    if (!g) return 0;
    if (g->ctl.device != 511) return pdfbufFailure("Output format is not PDF");
    if (!(g->out.pdfMode & kMemoryBit)) return pdfbufFailure("Buffer output is not enabled for PDF");
    const char* data = nullptr;
    size_t length = 0;
    if (!pdfMemoryDocument(*g, data, length)) return pdfbufFailure("Internal PDF buffer is empty");
    if (size == 0 || !buffer) return int(length);
    if (size < 0 || size_t(size) < length) return pdfbufFailure("Buffer too small for PDF file");
    std::memcpy(buffer, data, length);
    return int(length);
}

}  // namespace vtx
