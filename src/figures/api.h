// Public routines of geometric figures, arrows and wind barbs.
#pragma once

namespace vtx {

// figures in plot coordinates
void circle(int nx, int ny, int nr);
void ellips(int nx, int ny, int na, int nb);
void arcell(int nx, int ny, int na, int nb, float alpha, float beta, float theta);
void pie(int nx, int ny, int nr, float alpha, float beta);
void rectan(int nx, int ny, int nw, int nh);
void point(int nx, int ny, int nb, int nh, int ncol);
void sector(int nx, int ny, int nr1, int nr2, float alpha, float beta, int ncol);
void rndrec(int nx, int ny, int nw, int nh, int iopt);
void recfll(int nx, int ny, int nw, int nh, int ncol);
void circsp(int n);
void xmove(float x, float y);
void xdraw(float x, float y);
void circ3p(float x1, float y1, float x2, float y2, float x3, float y3, float& xm, float& ym, float& r);

// figures in user coordinates
void rlcirc(float xm, float ym, float r);
void rlell(float xm, float ym, float a, float b);
void rlarc(float xm, float ym, float a, float b, float alpha, float beta, float theta);
void rlpie(float xm, float ym, float r, float alpha, float beta);
void rlrec(float x, float y, float w, float h);
void rlrnd(float x, float y, float w, float h, int iopt);
void rlsec(float xm, float ym, float r1, float r2, float alpha, float beta, int ncol);
void rlpoin(float x, float y, int nb, int nh, int ncol);
void rline(float x1, float y1, float x2, float y2);
void rlstrt(float x, float y);
void rlconn(float x, float y);
void rlarea(const float* x, const float* y, int n);
void rlsymb(int symbol, float x, float y);

// arrows and wind barbs
void vector(int nx1, int ny1, int nx2, int ny2, int code);
void rlvec(float x1, float y1, float x2, float y2, int code);
void vectr3(float x1, float y1, float z1, float x2, float y2, float z2, int code);
void field(const float* x1, const float* y1, const float* x2, const float* y2, int n, int code);
void windbr(float speed, int nx, int ny, int length, float angle);
void rlwind(float speed, float x, float y, int length, float angle);

}  // namespace vtx
