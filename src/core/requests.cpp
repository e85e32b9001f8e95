// Requests that read back the settings of the control core.
#include "core/api.h"
#include "core/checks.h"
#include "core/messages.h"

namespace vtx {

int getlev() {
    CoreRecord* g = coreLevel(0, 3, "getlev");
    return g ? g->ctl.level : 0;
}

float getver() { return kVersion; }

std::string getfil() {
    CoreRecord* g = coreLevel(1, 3, "getfil");
    return g ? g->out.fileName : "";
}

std::string getmfl() {
    CoreRecord* g = coreLevel(1, 3, "getmfl");
    return g ? g->ctl.deviceKey : "";
}

void getpag(int& width, int& height) {
    CoreRecord* g = coreLevel(1, 3, "getpag");
    if (!g) return;
    // The page is kept as its largest coordinates, size less one.
    width = g->out.nxPage;
    height = g->out.nyPage;
}

int getuni() {
    CoreRecord* g = coreLevel(1, 3, "getuni");
    return g ? g->prot.unit : 0;
}

void getwin(int& x, int& y, int& width, int& height) {
    CoreRecord* g = coreLevel(1, 3, "getwin");
    if (!g) return;
    x = g->out.winX, y = g->out.winY, width = g->out.winW, height = g->out.winH;
}

}  // namespace vtx
