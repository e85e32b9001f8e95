// Window placement and the wait at the end of screen output.
#include <algorithm>
#include <climits>

#include "core/api.h"
#include "core/checks.h"
#include "core/messages.h"

namespace vtx {

void window(int x, int y, int width, int height) {
    CoreRecord* g = coreLevel(0, 3, "window");
    if (!g) return;
    bool bad = x < 0 || y < 0 || width < 1 || height < 1;
    if (bad) {
        int worst = INT_MAX;
        if (x < 0) worst = std::min(worst, x);
        if (y < 0) worst = std::min(worst, y);
        if (width < 1) worst = std::min(worst, width);
        if (height < 1) worst = std::min(worst, height);
        warni1(Warning::IncorrectParameter, worst);
        return;
    }
    if (width > kMaxPictureSide || height > kMaxPictureSide) {
        warni1(Warning::IncorrectParameter, std::max(width, height));
        return;
    }
    g->out.winPlace = 1;
    g->out.winX = x, g->out.winY = y, g->out.winW = width, g->out.winH = height;
}

void winsiz(int width, int height) {
    CoreRecord* g = coreLevel(0, 3, "winsiz");
    if (!g) return;
    if (width < 1 || height < 1) {
        warni1(Warning::IncorrectParameter, std::min(width, height));
        return;
    }
    if (width > kMaxPictureSide || height > kMaxPictureSide) {
        warni1(Warning::IncorrectParameter, std::max(width, height));
        return;
    }
    g->out.winPlace = 2;
    g->out.winW = width, g->out.winH = height;
}

void x11mod(const char* mode) {
    CoreRecord* g = coreLevel(0, 0, "x11mod");
    if (!g) return;
    int i = jqqind("STOR+NOST+AUTO+PIXM", 4, mode);
    if (i) g->out.x11Mode = i - 1;
}

void winmod(const char* mode) {
    CoreRecord* g = coreChkini("winmod");
    int i = jqqind("FULL+NOER+NONE+NOHO+DELA+NOMB", 6, mode);
    if (i) g->out.winWait = i - 1;
}

void winkey(const char* key) {
    CoreRecord* g = coreChkini("winkey");
    int i = jqqind("NONE+RETU+ESCA", 3, key);
    if (i) g->out.winKey = i - 1;
}

void winopt(int value, const char* keyword) {
    CoreRecord* g = coreChkini("winopt");
    const int k = jqqind("DELA", 1, keyword);
    const int badValue = jqqval(value, 0, -1);
    if (k == 0 || badValue != 0) return;
    g->out.winDelay = value;
}

}  // namespace vtx
