// Public routines of contour lines: tracing a grid into point lists, and
// drawing traced or given lines into the current axis system.
#pragma once

namespace vtx {

// Lines of level zlev through the grid: points into xray/yray (at most maxpts),
// the point count of each line into nray (at most maxray); returns the line count.
int conpts(const float* x, int n, const float* y, int m, const float* z, float zlev, float* xray, float* yray,
           int maxpts, int* nray, int maxray);
// The same over triangles of 1-based point indices, as triang returns them.
int tripts(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
           int ntri, float zlev, float* xpts, float* ypts, int maxpts, int* nptray, int maxray);
void contur(const float* x, int nx, const float* y, int ny, const float* z, float zlev);
void contri(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
            int ntri, float zlev);
void conmat(const float* zmat, int n, int m, float zlev);
void concrv(const float* x, const float* y, int n, float zlev);

// Bands between the levels zlev (any order) filled in colour: over a grid,
// and over triangles of 1-based point indices.
void conshd(const float* x, int n, const float* y, int m, const float* z, const float* zlev, int nlev);
void confll(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
            int ntri, const float* zlev, int nlev);
// One triangle of three user points filled solid in the current colour.
void trifll(const float* x, const float* y);

// settings
void conclr(const int* colours, int n);
void shdmod(const char* mode, const char* object);
void conmod(float xfac, float xquot);
void congap(float xfac);
void conlab(const char* text);

}  // namespace vtx
