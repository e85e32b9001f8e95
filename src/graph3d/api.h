// Public routines of colour plots and colour bars.
#pragma once

namespace vtx {

// the colour-plot axis system and its data
void graf3(float xa, float xe, float xor_, float xstep, float ya, float ye, float yor, float ystep, float za,
           float ze, float zor, float zstep);
void curve3(const float* x, const float* y, const float* z, int n);
void curvx3(const float* x, float y, const float* z, int n);
void curvy3(float x, const float* y, const float* z, int n);
void crvmat(const float* zmat, int nx, int ny, int ixpts, int iypts);
void crvtri(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
            int ntri);

// colours of Z values
void colran(int first, int last);
void getran(int& first, int& last);
void zscale(float zmin, float zmax);
int nzposn(float z);
void colray(const float* z, int* colours, int n);

// point size and extent
void setres(int width, int height);
void autres(int nx, int ny);
void ax3len(int nx, int ny, int nz);
void nobgd();
void sursze(float xmin, float xmax, float ymin, float ymax);

// colour bars
// One label at a user value of the lower X, left Y or colour-bar axis, with a tick when tick is 1.
void addlab(const char* text, float value, int tick, const char* axis);
void zaxis(float za, float ze, float zor, float zstep, int length, const char* name, int side, int horizontal,
           int nxa, int nya);
void zaxlg(float za, float ze, float zor, float zstep, int length, const char* name, int side, int horizontal,
           int nxa, int nya);
void nobar();
void widbar(int width);
void vkxbar(int shift);
void vkybar(int shift);
void expzlb(const char* keyword);
int getwid();

}  // namespace vtx
