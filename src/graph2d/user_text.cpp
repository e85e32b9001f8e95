// Strings and numbers placed at user coordinates of the axis system.
#include <cmath>

#include "session/globals.h"
#include "graph2d/axis_transform.h"
#include "graph2d/curve_api.h"
#include "text/strings.h"

namespace vtx {

namespace {

// The plot position of a user point, or 999/999 (the end of the previous
// string) when the caller asks to continue.
void userPosition(const Globals& g, float x, float y, int& nx, int& ny) {
    if (std::fabs(x - 999.0f) < 0.1f && std::fabs(y - 999.0f) < 0.1f) {
        nx = ny = 999;
        return;
    }
    float px, py;
    userToPlot(g, x, y, px, py);
    nx = int(std::lround(px));
    ny = int(std::lround(py));
}

}  // namespace

void rlmess(const char* text, float x, float y) {
    Globals* g = jqqlev(2, 3, "rlmess");
    if (!g) return;
    int nx, ny;
    userPosition(*g, x, y, nx, ny);
    qqmess(*g, text, nx, ny);
}

void rlnumb(float value, int ndig, float x, float y) {
    Globals* g = jqqlev(2, 3, "rlnumb");
    if (!g || jqqval(ndig, -1, 100) != 0) return;
    int nx, ny;
    userPosition(*g, x, y, nx, ny);
    numberText(*g, value, ndig, nx, ny, false);
}

}  // namespace vtx
