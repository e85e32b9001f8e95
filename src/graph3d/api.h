// Public routines of colour plots and colour bars.
#pragma once

namespace vtx {

// the colour-plot axis system and its data
void graf3(float xa, float xe, float xor_, float xstep, float ya, float ye, float yor, float ystep, float za,
           float ze, float zor, float zstep);
void curve3(const float* x, const float* y, const float* z, int n);
void curvx3(const float* x, float y, const float* z, int n);
void curvy3(float x, const float* y, const float* z, int n);
// One point of w by h plot units in the colour of z, centred on (x, y) and
// not clipped to the axis system (the cells of the module's surf3).
void rpoint(float x, float y, float z, int w, int h);
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

// 3-D axis systems and their view
void graf3d(float xa, float xe, float xor_, float xstep, float ya, float ye, float yor, float ystep, float za,
            float ze, float zor, float zstep);
void axis3d(float x, float y, float z);
void view3d(float x, float y, float z, const char* mode);
void vfoc3d(float x, float y, float z, const char* mode);
void vup3d(float angle);
void vang3d(float angle);
void vclp3d(float front, float back);
void labl3d(const char* keyword);
void flab3d();
void box3d();
void grfini(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3);
void grffin();
void clip3d(const char* keyword);

// points of a 3-D axis system
void abs3pt(float x, float y, float z, float& xp, float& yp);
void rel3pt(float x, float y, float z, float& xp, float& yp);
void pos3pt(float x, float y, float z, float& xb, float& yb, float& zb);
float x3dpos(float x, float y, float z);
float y3dpos(float x, float y, float z);
float z3dpos(float x, float y, float z);
float x3dabs(float x, float y, float z);
float y3dabs(float x, float y, float z);
float x3drel(float x, float y, float z);
float y3drel(float x, float y, float z);

// lines and grids in a 3-D axis system
void strt3d(float x, float y, float z);
void conn3d(float x, float y, float z);
void curv3d(const float* x, const float* y, const float* z, int n);
void grid3d(int nx, int ny, const char* option);

// mesh surfaces with hidden lines
void surfce(const float* xray, int nx, const float* yray, int ny, const float* zmat);
void surmat(const float* zmat, int nx, int ny, int ixpts, int iypts);
void surfun(float (*fn)(float, float), int ixpts, float xdelta, int iypts, float ydelta);
void surclr(int top, int bottom);
void survis(const char* keyword);
void suropt(const char* keyword);
void nohide();

// shaded surfaces, lighting and the z-buffer
void surshd(const float* xray, int nx, const float* yray, int ny, const float* zmat);
void surtri(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
            int ntri);
void sphe3d(float xm, float ym, float zm, float r, int n, int m);
void suriso(const float* x, int nx, const float* y, int ny, const float* z, int nz, const float* w, float wlev);
void surfcp(float (*fn)(float, float, int), float amin, float amax, float adelta, float bmin, float bmax,
            float bdelta);
void surmsh(const char* keyword);
void mshclr(int colour);
void light(const char* mode);
void litmod(int i, const char* mode);
void litpos(int i, float x, float y, float z, const char* mode);
void litopt(int i, float value, const char* option);
void matopt(float value, const char* option);
int getlit(float x, float y, float z, float xn, float yn, float zn);
int zbfini();
void zbffin();
void zbflin(float x1, float y1, float z1, float x2, float y2, float z2);
void zbftri(const float* x, const float* y, const float* z, const int* ic);

}  // namespace vtx
