#include "core/checks.h"

#include <cstring>

#include "core/messages.h"

namespace vtx {

namespace {

// First-use values that differ from zero; the member initialisers of the
// state structs hold the rest.
void seedFirstUse(CoreRecord& g) {
    g.prot.unit = 6;
    g.prot.stream = stdout;
}

}  // namespace

CoreRecord* coreLevel(int minLevel, int maxLevel, const char* name) {
    if (qqsglb(0) == 0) seedFirstUse(*coreRecord());
    CoreRecord* g = coreRecord();
    int i = 0;
    for (; name[i] && i < 9; ++i) g->ctl.routine[i] = upperAscii(name[i]);
    g->ctl.routine[i] = '\0';
    int level = g->ctl.level;
    if (level >= minLevel && level <= maxLevel) return g;
    if (level == 0) {
        g->prot.unit = 6;
        g->prot.stream = stdout;
    }
    warni1(Warning::IncorrectLevel, level);
    return nullptr;
}

CoreRecord* coreChkini(const char* name) {
    CoreRecord* g = coreLevel(1, 3, name);
    return g ? g : coreRecord();
}

int jqqval(int value, int low, int high) {
    if (value < low || (low <= high && value > high)) {
        warni1(Warning::IncorrectParameter, value);
        return 1;
    }
    return 0;
}

int keywordIndex(const char* list, int count, const char* keyword) {
    char key[4] = {' ', ' ', ' ', ' '};
    for (int i = 0; i < 4 && keyword[i]; ++i) key[i] = upperAscii(keyword[i]);
    for (int entry = 0; entry < count; ++entry) {
        const char* e = list + 5 * entry;
        bool ended = false, equal = true;
        for (int i = 0; i < 4; ++i) {
            if (!ended && !e[i]) ended = true;
            char c = ended ? ' ' : upperAscii(e[i]);
            if (c != key[i]) equal = false;
        }
        if (equal) return entry + 1;
        if (ended) break;
    }
    return 0;
}

int jqqind(const char* list, int count, const char* keyword) {
    int index = keywordIndex(list, count, keyword);
    if (index == 0) warnc1(Warning::IncorrectParameter, keyword);
    return index;
}

void upstr(char* s) {
    for (; *s; ++s) *s = upperAscii(*s);
}

int jqqyea(int year) {
    return (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)) ? 1 : 0;
}

int jqqdat(int day, int month, int year) {
    int bad = 0, value = 0;
    if (day < 1 || day > 31) {
        bad = 1, value = day;
    } else if (month < 1 || month > 12) {
        bad = 1, value = month;
    } else if (year <= 999) {
        bad = 1, value = year;
    } else if (month == 2 && (day > 29 || (day == 29 && !jqqyea(year)))) {
        bad = 1, value = day;
    }
    if (bad) warni1(Warning::IncorrectParameter, value);
    return bad;
}

int qqcopy(char* dst, const char* src, int n) {
    int i = 0;
    for (; i < n && src[i]; ++i) dst[i] = src[i];
    dst[i] = '\0';
    return i;
}

}  // namespace vtx
