// Settings of the raster devices chosen before vtxini: the pixel mode of the
// raster and the options of the PNG, GIF and TIFF files.
#include "session/globals.h"
#include "device/drivers/raster/api.h"

namespace vtx {

void imgfmt(const char* mode) {
    Globals* g = jqqlev(0, 0, "imgfmt");
    if (!g) return;
    int i = jqqind("IND +RGB ", 2, mode);
    if (i) g->out.imageFormat = i - 1;
}

namespace {

// pngmod and gifmod: "ON" or "OFF" for the one option "TRAN".
void transparency(int& bits, const char* onOff, const char* what) {
    int on = jqqind("OFF +ON  ", 2, onOff);
    if (!on || !jqqind("TRAN", 1, what)) return;
    bits = on == 2 ? bits | 1 : bits & ~1;
}

}  // namespace

void pngmod(const char* onOff, const char* what) {
    Globals* g = jqqlev(0, 0, "pngmod");
    if (g) transparency(g->out.pngMode, onOff, what);
}

void gifmod(const char* onOff, const char* what) {
    Globals* g = jqqlev(0, 0, "gifmod");
    if (g) transparency(g->out.gifMode, onOff, what);
}

void tifmod(int resolution, const char* unit, const char* what) {
    Globals* g = jqqlev(0, 0, "tifmod");
    if (!g) return;
    const int badResolution = jqqval(resolution, 1, -1);
    const int u = jqqind("INCH+CM  ", 2, unit);
    const int reso = jqqind("RESO", 1, what);
    if (badResolution != 0 || u == 0 || reso == 0) return;
    g->out.tiffRes = resolution;
    g->out.tiffUnit = u - 1;
}

}  // namespace vtx
