#include "core/core_record.h"

#include <cstdio>
#include <cstdlib>

namespace vtx {

namespace {
CoreRecord* g_record = nullptr;
int g_exists = 0;  // ifirst: the record exists
RecordFactory g_create = nullptr;
RecordDestroyer g_destroy = nullptr;
}  // namespace

void installRecordFactory(RecordFactory create, RecordDestroyer destroy) {
    g_create = create;
    g_destroy = destroy;
}

int qqsglb(int mode) {
    if (mode == 1) {
        if (g_record) g_destroy(g_record);
        g_record = nullptr;
        g_exists = 0;
        return 0;
    }
    if (g_exists) return 1;
    // Without an installed factory nothing above the core is linked in, and
    // the core alone cannot make the record the routines expect.
    g_record = g_create ? g_create() : nullptr;
    if (!g_record) {
        std::fputs(">>>> Not enough memory for global variables!\n", stdout);
        std::fflush(stdout);
        std::exit(0);
    }
    g_exists = 1;
    return 0;
}

CoreRecord* coreRecord() { return g_record; }

}  // namespace vtx
