#include "device/output.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "core/messages.h"

namespace vtx {

namespace {

bool writable(const Globals& g) { return g.out.file && g.out.fileError == 0; }

}  // namespace

void outWrite(Globals& g, const void* data, size_t n) {
    if (!writable(g) || n == 0) return;
    if (std::fwrite(data, 1, n, g.out.file) != n) g.out.fileError = 1;
}

void outPrintf(Globals& g, const char* format, ...) {
    if (!writable(g)) return;
    va_list args;
    va_start(args, format);
    if (std::vfprintf(g.out.file, format, args) < 0) g.out.fileError = 1;
    va_end(args);
}

void reportFileError(Globals& g) {
    if (g.out.fileError == 2) return;
    g.out.fileError = 2;
    warnc1(Warning::FileError, g.out.fileName);
}

void closePlotFile(Globals& g) {
    FILE* f = g.out.file;
    g.out.file = nullptr;
    if (!f) return;
    if (g.out.toStdout) {
        std::fflush(f);
        g.out.toStdout = 0;
        return;
    }
    // fclose writes what stdio still holds: a full disk often shows only here.
    const bool failed = std::ferror(f) != 0;
    if ((std::fclose(f) != 0 || failed) && g.out.fileError == 0) g.out.fileError = 1;
}

void flushLineBuffer(Globals& g, bool padToRecord) {
    if (g.out.lineLen == 0) return;
    if (padToRecord) {
        std::memset(g.out.lineBuf + g.out.lineLen, ' ', kRecordLength - g.out.lineLen);
        outWrite(g, g.out.lineBuf, kRecordLength);
    } else {
        outWrite(g, g.out.lineBuf, g.out.lineLen);
        outWrite(g, "\n", 1);
    }
    g.out.lineLen = 0;
    g.out.lineBuf[0] = '\0';
}

void qqbuff(Globals& g, const char* text) {
    size_t n = std::strlen(text);
    while (n > 0) {
        if (g.out.lineLen + int(n) > kRecordLength && g.out.lineLen > 0) flushLineBuffer(g, false);
        size_t room = size_t(kRecordLength - g.out.lineLen);
        size_t take = n < room ? n : room;
        std::memcpy(g.out.lineBuf + g.out.lineLen, text, take);
        g.out.lineLen += int(take);
        g.out.lineBuf[g.out.lineLen] = '\0';
        text += take;
        n -= take;
    }
}

}  // namespace vtx
