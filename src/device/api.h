// Public routines of the drawing pipeline: lines in plot coordinates, the
// origin shift and the clipping window, and the settings of the vector file
// formats. Line styles are in line_style.h.
#pragma once

namespace vtx {

void line(int nx1, int ny1, int nx2, int ny2);
void strtpt(float x, float y);
void connpt(float x, float y);
void origin(int nx, int ny);
void pagorg(const char* keyword);

void clpwin(int nx, int ny, int nw, int nh);
void clpbor(const char* keyword);
void clpmod(const char* keyword);
void noclip();

// File formats: PDF options and the memory copy of the finished PDF, CGM
// picture name, version and background.
void pdfmod(const char* mode, const char* option);
// Copies the PDF kept in memory into buffer (size bytes) and returns its
// length; a size of 0 (or a null buffer) only returns the length.
int pdfbuf(char* buffer, int size);
void cgmpic(const char* name);
void cgmver(int version);
// A metafile of the library's own metafile device replayed into the box
// of filbox (upper left corner, width, height; default the whole page).
void incfil(const char* name);
void filbox(int x, int y, int w, int h);
void wmfmod(const char* value, const char* key);
void cgmbgd(float red, float green, float blue);

}  // namespace vtx
