// Public routines of the drawing pipeline: lines in plot coordinates, the
// origin shift and the clipping window. Line styles are in line_style.h.
#pragma once

namespace vtx {

void line(int nx1, int ny1, int nx2, int ny2);
void origin(int nx, int ny);
void pagorg(const char* keyword);

void clpwin(int nx, int ny, int nw, int nh);
void clpbor(const char* keyword);
void clpmod(const char* keyword);
void noclip();

}  // namespace vtx
