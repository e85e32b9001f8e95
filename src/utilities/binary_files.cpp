// Binary files by unit number: open, read, write, skip and position. A unit
// that is not open (or is opened twice) answers -1 and never touches memory;
// a unit number or mode outside its range is warning 2 with the value.
#include <cstdio>

#include "core/checks.h"
#include "core/messages.h"
#include "session/globals.h"
#include "utilities/api.h"
#include "utilities/utility_state.h"

namespace vtx {

namespace {

// The open file of a unit, or null (with warning 2 for a unit out of range).
std::FILE* openUnit(const char* routine, int unit) {
    Globals* g = jqqlev(0, 3, routine);
    if (!g || jqqval(unit, 0, kFileUnits - 1) != 0) return nullptr;
    return g->util.fileUnits[unit];
}

}  // namespace

int openfl(const char* name, int unit, int mode) {
    Globals* g = jqqlev(0, 3, "openfl");
    if (!g || jqqval(unit, 0, kFileUnits - 1) + jqqval(mode, 0, 2) != 0) return -1;
    if (g->util.fileUnits[unit]) return -1;
    static const char* const kModes[] = {"rb", "wb", "ab"};
    std::FILE* f = std::fopen(name, kModes[mode]);
    if (!f) return -1;
    g->util.fileUnits[unit] = f;
    return 0;
}

int closfl(int unit) {
    std::FILE* f = openUnit("closfl", unit);
    if (!f) return -1;
    qqgglb()->util.fileUnits[unit] = nullptr;
    return std::fclose(f) == 0 ? 0 : -1;
}

int readfl(int unit, unsigned char* buffer, int n) {
    std::FILE* f = openUnit("readfl", unit);
    if (!f) return -1;
    if (n <= 0) return 0;
    return int(std::fread(buffer, 1, size_t(n), f));
}

int writfl(int unit, const unsigned char* buffer, int n) {
    std::FILE* f = openUnit("writfl", unit);
    if (!f) return -1;
    if (n <= 0) return 0;
    return int(std::fwrite(buffer, 1, size_t(n), f));
}

// Skipping reads forward rather than seeking, so it stops at the end of
// the file and reports how far it came.
int skipfl(int unit, int n) {
    std::FILE* f = openUnit("skipfl", unit);
    if (!f || n < 0) return -1;
    long start = std::ftell(f);
    if (start < 0) return -1;
    if (std::fseek(f, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(f);
    const long target = end - start < n ? end : start + n;
    if (std::fseek(f, target, SEEK_SET) != 0) return -1;
    return int(target - start);
}

int tellfl(int unit) {
    std::FILE* f = openUnit("tellfl", unit);
    if (!f) return -1;
    const long at = std::ftell(f);
    return at < 0 || at > 2147483647L ? -1 : int(at);
}

int posifl(int unit, int position) {
    std::FILE* f = openUnit("posifl", unit);
    if (!f || position < 0) return -1;
    return std::fseek(f, position, SEEK_SET) == 0 ? 0 : -1;
}

}  // namespace vtx
