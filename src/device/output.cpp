#include "device/output.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace vtx {

void outWrite(Globals& g, const void* data, size_t n) {
    if (g.out.file && n) std::fwrite(data, 1, n, g.out.file);
}

void outPrintf(Globals& g, const char* format, ...) {
    if (!g.out.file) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(g.out.file, format, args);
    va_end(args);
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
