// Settings of pie charts: type, tilt and thickness, explosion, attribute
// cycling, colour table, outline colour, unit texts and connecting lines.
#include <cstring>

#include "session/globals.h"
#include "business/api.h"
#include "business/business_state.h"
#include "core/messages.h"

namespace vtx {

void pietyp(const char* keyword) {
    Globals* g = chkini("pietyp");
    const int i = jqqind("2D  +3D  ", 2, keyword);
    if (i) g->biz.pieType = i - 1;
}

void pieopt(float thickness, float angle) {
    Globals* g = chkini("pieopt");
    if (thickness > 0.0f && thickness < 1.0e6f) g->biz.pieOpt[0] = thickness;
    else warnin(Warning::IncorrectParameter);
    if (angle > 0.0f && angle <= 90.0f) g->biz.pieOpt[1] = angle;
    else warnin(Warning::IncorrectParameter);
}

void pieexp() { chkini("pieexp")->biz.pieExplode = 1; }

void chnpie(const char* keyword) {
    Globals* g = chkini("chnpie");
    const int i = jqqind("NONE+COLO+PATT+BOTH", 4, keyword);
    if (i) g->biz.pieChange = i - 1;
}

void pieclr(const int* segment, const int* label, int n) {
    Globals* g = chkini("pieclr");
    if (jqqval(n, 0, kPieColours) != 0) return;
    for (int i = 0; i < n; ++i) {
        if (jqqval(segment[i], -1, 255) != 0 || jqqval(label[i], -1, 255) != 0) return;
        g->biz.pieColours[i][0] = segment[i];
        g->biz.pieColours[i][1] = label[i];
    }
    g->biz.pieColourCount = n;
}

void piebor(int colour) {
    Globals* g = chkini("piebor");
    if (jqqval(colour, -1, 255) == 0) g->biz.pieBorder = colour;
}

void pielab(const char* text, const char* side) {
    Globals* g = chkini("pielab");
    const int i = jqqind("LEFT+RIGH", 2, side);
    if (!i) return;
    char* unit = g->biz.pieUnit[i - 1];
    std::strncpy(unit, text, kPieUnitLength);
    unit[kPieUnitLength] = '\0';
}

void pievec(int code, const char* mode) {
    Globals* g = chkini("pievec");
    if (jqqval(code, 0, 9999) != 0) return;
    const int i = jqqind("BROK+STRA+NONE", 3, mode);
    if (!i) return;
    g->biz.pieVector = code;
    g->biz.pieVectorMode = i - 1;
}

}  // namespace vtx
