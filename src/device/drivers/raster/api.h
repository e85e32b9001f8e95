// Public routines of the raster devices: file settings, the PNG in memory,
// pixel access and saving the picture in a chosen format.
#pragma once

namespace vtx {

// Settings before vtxini.
void imgfmt(const char* mode);
void pngmod(const char* onOff, const char* what);
void gifmod(const char* onOff, const char* what);
void tifmod(int resolution, const char* unit, const char* what);

// The current picture as a PNG file in the caller's buffer; size 0 measures.
int rbfpng(unsigned char* buffer, int size);

// Pixel access.
void imgini();
void imgfin();
void imgmod(const char* mode);
void imgbox(int x, int y, int width, int height);
void imgsiz(int width, int height);
int rpixel(int x, int y);
void wpixel(int x, int y, int colour);
void rpxrow(unsigned char* buffer, int x, int y, int n);
void wpxrow(const unsigned char* buffer, int x, int y, int n);
void rpixls(unsigned char* buffer, int x, int y, int width, int height);
void wpixls(const unsigned char* buffer, int x, int y, int width, int height);

// Images read from files into the current picture (raster page or window):
// the library's own raster format and TIFF, placed by tiforg and clipped to tifwin.
void wimage(const char* file);
void wtiff(const char* file);
void tiforg(int x, int y);
void tifwin(int x, int y, int width, int height);

// Bytes per pixel of the row and rectangle routines: 1, or 3 after imgmod "RGB".
int pixelBytes();

// True when the rectangle lies wholly inside the picture (no warning): the
// size of a read is known to be sensible before its buffer is allocated.
bool pixelAreaInside(long long x, long long y, long long width, long long height);

// The picture saved to a file.
void rpng(const char* file);
void rbmp(const char* file);
void rgif(const char* file);
void rppm(const char* file);
void rtiff(const char* file);
void rimage(const char* file);

}  // namespace vtx
