// The CGM settings: picture name, metafile version and background colour.
#include <cmath>

#include "session/globals.h"
#include "core/messages.h"
#include "device/api.h"

namespace vtx {

void cgmpic(const char* name) {
    Globals* g = jqqlev(0, 3, "cgmpic");
    if (!g) return;
    qqcopy(g->out.cgmPictureName, name, kNameLen);
    g->out.cgmPicture = 1;
}

void cgmver(int version) {
    Globals* g = jqqlev(0, 0, "cgmver");
    if (!g) return;
    if (version != 1 && version != 4) {
        warni1(Warning::IncorrectParameter, version);
        return;
    }
    g->out.cgmVersion = version;
}

void cgmbgd(float red, float green, float blue) {
    Globals* g = jqqlev(0, 3, "cgmbgd");
    if (!g) return;
    const float c[3] = {red, green, blue};
    for (float v : c)
        if (!(v >= 0.0f && v <= 1.0f)) {
            warnin(Warning::IncorrectParameter);
            return;
        }
    for (int i = 0; i < 3; ++i) g->out.cgmBgd[i] = int(std::lround(c[i] * 255.0f));
    g->out.cgmBgdSet = 1;
}

}  // namespace vtx
