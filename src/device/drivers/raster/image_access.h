// Image access of the raster devices: whether imgini has opened it and the
// settings of imgmod, imgbox and imgsiz, which last for one plot; kept in
// the record beside the pixel surface.
#pragma once

namespace vtx {

struct ImageAccess {
    int open = 0;                  // between imgini and imgfin
    int rgb = 0;                   // imgmod: rows and rectangles as RGB triples
    int boxSet = 0;                // imgbox: the part of the raster that is saved
    int boxX = 0, boxY = 0, boxW = 0, boxH = 0;
    int sizeSet = 0;               // imgsiz: the size the saved picture is scaled to
    int sizeW = 0, sizeH = 0;
};

struct Globals;

// Back to the defaults of a new plot: closed, index rows, whole raster, own size.
void resetImageAccess(Globals& g);

}  // namespace vtx
