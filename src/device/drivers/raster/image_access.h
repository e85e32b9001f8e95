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
    int orgSet = 0;                // tiforg: where wimage and wtiff put an image's upper left corner
    int orgX = 0, orgY = 0;        // plot units
    int clipSet = 0;               // tifwin: the part of the page images are drawn into
    int clipX = 0, clipY = 0, clipW = 0, clipH = 0;  // plot units
};

struct Globals;

// The record when the current device has a picture (a raster page or a
// window; warning 40 otherwise), with the open polyline drawn into it.
Globals* currentPicture(const char* name);

// Back to the defaults of a new plot: closed, index rows, whole raster, own size.
void resetImageAccess(Globals& g);

}  // namespace vtx
