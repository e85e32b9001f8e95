#define VANTIX_NUMBERED_WARNINGS
#include "core/messages.h"

#include <cstdio>
#include <cstring>

#include "core/checks.h"

namespace vtx {

namespace {

// Index 0 is the blank used for numbers outside the table.
const char* const kMessages[] = {
    " ",
#define WARNING(number, name, text) text,
#include "core/warnings.def"
};
constexpr int kTableWarnings = int(sizeof kMessages / sizeof kMessages[0]) - 1;

// The table is indexed by number, so its rows must be numbered 1, 2, 3, ...
constexpr int kRowNumbers[] = {
#define WARNING(number, name, text) number,
#include "core/warnings.def"
};
constexpr bool rowsNumberedInOrder() {
    for (int i = 0; i < kTableWarnings; ++i)
        if (kRowNumbers[i] != i + 1) return false;
    return true;
}
static_assert(rowsNumberedInOrder(), "warnings.def rows must be numbered 1, 2, 3, ... without gaps");

// The record for message routines, created if a message comes first.
CoreRecord& record() {
    CoreRecord* g = coreRecord();
    if (!g) {
        coreLevel(0, 3, "");
        g = coreRecord();
    }
    return *g;
}

bool warningVisible(const CoreRecord& g) { return g.prot.unit != 0 && g.prot.warnOn; }

}  // namespace

bool protocolOpen(const CoreRecord& g) { return g.prot.unit != 0; }

FILE* protocolStream(const CoreRecord& g) { return g.prot.stream ? g.prot.stream : stdout; }

void protocolPrintf(CoreRecord& g, const char* format, ...) {
    if (!protocolOpen(g)) return;
    FILE* f = protocolStream(g);
    va_list args;
    va_start(args, format);
    std::vfprintf(f, format, args);
    va_end(args);
    std::fflush(f);
}

void errmes(CoreRecord& g, int number) {
    ++g.ctl.warnings;
    if (!warningVisible(g) || number > 100) return;
    if (number >= 1 && number <= kTableWarnings) {
        qqcopy(g.ctl.message, kMessages[number], 80);
    } else {
        std::printf("<<<< Incorrect parameter in errmes! (%4d)\n", number);
        std::fflush(stdout);
        qqcopy(g.ctl.message, kMessages[0], 80);
    }
}

void warnin(int number) {
    CoreRecord& g = record();
    errmes(g, number);
    if (warningVisible(g))
        protocolPrintf(g, " <<<< Warning %3d: %s in %s!\n", number, g.ctl.message, g.ctl.routine);
}

void warni1(int number, int value) {
    CoreRecord& g = record();
    errmes(g, number);
    if (warningVisible(g))
        protocolPrintf(g, " <<<< Warning %3d: %s in %s!   (%4d)\n", number, g.ctl.message, g.ctl.routine,
                       value);
}

void warnc1(int number, const char* value) {
    CoreRecord& g = record();
    errmes(g, number);
    if (warningVisible(g))
        protocolPrintf(g, " <<<< Warning %3d: %s in %s!   (%s)\n", number, g.ctl.message, g.ctl.routine,
                       value);
}

void qqserr(const char* text) { qqcopy(record().ctl.message, text, 80); }

void warnin(Warning w) { warnin(int(w)); }
void warni1(Warning w, int value) { warni1(int(w), value); }
void warnc1(Warning w, const char* value) { warnc1(int(w), value); }

void warnText(int number, const char* text) {
    qqserr(text);
    warnin(number);
}

void warnText(int number, const char* text, int value) {
    qqserr(text);
    warni1(number, value);
}

}  // namespace vtx
