// The PostScript output line: words never split, lines of at most 80 characters.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "device/drivers/postscript.h"
#include "device/output.h"

namespace vtx {

namespace {

void append(Globals& g, const char* text, int n) {
    std::memcpy(g.out.lineBuf + g.out.lineLen, text, size_t(n));
    g.out.lineLen += n;
    g.out.lineBuf[g.out.lineLen] = '\0';
}

}  // namespace

void qpsbuf(Globals& g, const char* text, int n) {
    if (n < 0) {
        flushLineBuffer(g, false);
        return;
    }
    int i = 0;
    while (i < n) {
        // A word: its leading blanks and the characters up to the next blank.
        int start = i;
        while (i < n && text[i] == ' ') ++i;
        int wordStart = i;
        while (i < n && text[i] != ' ') ++i;
        int len = i - start;
        if (g.out.lineLen + len <= kRecordLength) {
            append(g, text + start, len);
            continue;
        }
        // The blanks before a word that starts a new line are not needed.
        if (g.out.lineLen > 0) flushLineBuffer(g, false);
        const char* word = text + wordStart;
        int wordLen = i - wordStart;
        while (wordLen > kRecordLength) {  // only an overlong name can be cut
            append(g, word, kRecordLength);
            flushLineBuffer(g, false);
            word += kRecordLength;
            wordLen -= kRecordLength;
        }
        append(g, word, wordLen);
    }
}

void qpsprintf(Globals& g, const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    int n = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (n < 0) return;
    qpsbuf(g, text, n < int(sizeof text) ? n : int(sizeof text) - 1);
}

}  // namespace vtx
