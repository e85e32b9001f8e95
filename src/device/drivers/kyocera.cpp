// The page-printer language: unit and margin set-up, pages and exit.
#include "device/driver.h"
#include "device/output.h"

namespace vtx {

namespace {

void begin(Globals& g) {
    if (g.out.nxPage >= g.out.nyPage) {
        qqbuff(g, "!R! UNIT C;SPO L;SLM 0;");
        qqbuff(g, "SRM 28.7;STM 0;SBM 20;");
    } else {
        qqbuff(g, "!R! UNIT C;SPO P;SLM 0;");
        qqbuff(g, "SRM 20;STM 0;SBM 28.7;");
    }
    qqbuff(g, "UNIT D;");
}

void end(Globals& g) { qqbuff(g, "RES;EXIT;"); }

void newPage(Globals& g) { qqbuff(g, "PAGE;"); }

}  // namespace

extern const DeviceDriver kKyoceraDriver = {begin, end, newPage, nullptr};

}  // namespace vtx
