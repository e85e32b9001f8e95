// Setters of the bar graph parameters.
#include "session/globals.h"
#include "business/api.h"
#include "business/business_state.h"
#include "core/messages.h"

namespace vtx {

void bartyp(const char* keyword) {
    Globals* g = chkini("bartyp");
    const int k = jqqind("VERT+HORI+3DVE+3DHO", 4, keyword);
    if (k) g->biz.barType = k - 1;
}

void barmod(const char* keyword, const char* object) {
    Globals* g = chkini("barmod");
    const int k = jqqind("FIXE+VARI", 2, keyword);
    if (k == 0) return;
    char key[5] = {};
    for (int i = 0; i < 4 && object[i]; ++i) key[i] = upperAscii(object[i]);
    if (key[0] != 'W' || key[1] != 'I' || key[2] != 'D' || key[3] != 'T') {
        warnc1(Warning::IncorrectParameter, object);
        return;
    }
    g->biz.barVariable = k - 1;
}

void bargrp(int n, float gap) {
    Globals* g = chkini("bargrp");
    if (jqqval(n, 1, 30) != 0) return;
    g->biz.barGroups = n, g->biz.barGroupGap = gap;
    g->biz.barSlot = 0;
}

void barpos(const char* keyword) {
    Globals* g = chkini("barpos");
    const int k = jqqind("NONE+TICK+AXIS+BOTH", 4, keyword);
    if (k) g->biz.barPos = k - 1;  // bit 1: label positions, bit 2: start at the axis
}

void chnbar(const char* keyword) {
    Globals* g = chkini("chnbar");
    const int k = jqqind("NONE+COLO+PATT+BOTH", 4, keyword);
    if (k) g->biz.barChange = k - 1;
}

void barclr(int front, int side, int top) {
    Globals* g = chkini("barclr");
    if (jqqval(front, -1, 255) + jqqval(side, -1, 255) + jqqval(top, -1, 255) != 0) return;
    g->biz.barColours[0] = front, g->biz.barColours[1] = side, g->biz.barColours[2] = top;
}

void barbor(int colour) {
    Globals* g = chkini("barbor");
    if (jqqval(colour, -1, 255) == 0) g->biz.barBorder = colour;
}

void baropt(float depth, float angle) {
    Globals* g = chkini("baropt");
    g->biz.barDepth = depth, g->biz.barAngle = angle;
}

}  // namespace vtx
