#include "core/globals.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace vtx {

namespace {
Globals* g_record = nullptr;
int g_exists = 0;  // ifirst: the record exists
}  // namespace

int qqsglb(int mode) {
    if (mode == 1) {
        delete g_record;
        g_record = nullptr;
        g_exists = 0;
        return 0;
    }
    if (g_exists) return 1;
    g_record = new (std::nothrow) Globals();
    if (!g_record) {
        std::fputs(">>>> Not enough memory for global variables!\n", stdout);
        std::fflush(stdout);
        std::exit(0);
    }
    g_exists = 1;
    return 0;
}

Globals* qqgglb() { return g_record; }

}  // namespace vtx
