// wmfmod: the header of WMF files and how their text is written.
#include "core/checks.h"
#include "core/core_record.h"
#include "device/api.h"

namespace vtx {

// Keys FORMAT (PLAC placeable header, STAN standard header only) and TEXT
// (VECT vector glyphs, FONT device fonts as text records).
void wmfmod(const char* value, const char* key) {
    CoreRecord* g = coreLevel(0, 0, "wmfmod");
    if (!g) return;
    const int k = jqqind("FORM+TEXT", 2, key);
    if (k == 1) {
        const int v = jqqind("PLAC+STAN", 2, value);
        if (v) g->out.wmfStandardHeader = v - 1;
    } else if (k == 2) {
        const int v = jqqind("VECT+FONT", 2, value);
        if (v) g->out.wmfFontText = v - 1;
    }
}

}  // namespace vtx
