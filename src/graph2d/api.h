// Public routines of the 2-D axis systems: placement and scaling, the axes
// with their ticks, labels and names, polar systems and the requests.
#pragma once

#include <string>

namespace vtx {

// axis systems
void graf(float xa, float xe, float xor_, float xstep, float ya, float ye, float yor, float ystep);
void endgrf();
void box2d();
void axspos(int x, int y);
void axsorg(int x, int y);
void axslen(int nx, int ny);
void axsscl(const char* keyword, const char* axes);
void scale(const char* keyword, const char* axes);
void axstyp(const char* keyword);
void axends(const char* keyword, const char* axes);
void setgrf(const char* lowerX, const char* leftY, const char* upperX, const char* rightY);
void frame(int thickness);
void axsbgd(int colour);
void grace(int margin);
void center();
void nograf();
void setscl(const float* values, int n, const char* axes);

// coordinate conversion
float xposn(float x);
float yposn(float y);
int nxposn(float x);
int nyposn(float y);
void pos2pt(float x, float y, float& xp, float& yp);
float x2dpos(float x, float y);
float y2dpos(float x, float y);
void trfrel(float* x, float* y, int n);
float xinvrs(int nx);
float yinvrs(int ny);

// axes, ticks, labels and names
void labels(const char* keyword, const char* axes);
void labdig(int digits, const char* axes);
void digits(int digits, const char* axes);
void labdis(int distance, const char* axes);
void labclr(int colour, const char* object);
void labtyp(const char* keyword, const char* axes);
void labjus(const char* keyword, const char* axes);
void labpos(const char* keyword, const char* axes);
void labmod(const char* key, const char* keyword, const char* axes);
void ticks(int count, const char* axes);
void ticpos(const char* keyword, const char* axes);
void ticlen(int major, int minor);
void ticmod(const char* keyword, const char* axes);
void logtic(const char* keyword);
void name(const char* text, const char* axes);
void hname(int height);
void namdis(int distance, const char* axes);
void namjus(const char* keyword, const char* axes);
void rvynam();
void mylab(const char* text, int index, const char* axes);
void axclrs(int colour, const char* keyword, const char* axes);
void intax();
void timopt();
void grid(int ix, int iy);
void cross();                        // the lines x = 0 and y = 0 across the system
void xcross();                       // y = 0
void ycross();                       // x = 0
void grdpol(int ncircles, int nrays);  // circles and rays about the user origin
void frmclr(int colour);             // colour of frames, -1 the current colour
void ax2grf();                       // the next system draws its lower X and left Y axis only
void noline(const char* axes);       // axes drawn without their axis line
void rgtlab();                       // right-hand Y labels flush right
void pagera();                       // a border around the page
void pagfll(int colour);             // the whole page filled in one colour
void paghdr(const char* prefix, const char* suffix, int corner, int direction);
void axgit();
void xaxgit();
void yaxgit();
void xaxis(float a, float e, float or_, float step, int length, const char* text, int side, int x, int y);
void yaxis(float a, float e, float or_, float step, int length, const char* text, int side, int x, int y);
void xaxlg(float a, float e, float or_, float step, int length, const char* text, int side, int x, int y);
void yaxlg(float a, float e, float or_, float step, int length, const char* text, int side, int x, int y);

// polar systems
void polar(float xe, float xor_, float xstep, float yor, float ystep);
void polmod(const char* zero, const char* sense);

// requests
void getlen(int& nx, int& ny, int& nz);
void getdig(int& x, int& y, int& z);
void getscl(int& x, int& y, int& z);
void gettic(int& x, int& y, int& z);
void gettcl(int& major, int& minor);
void getsp1(int& x, int& y, int& z);
void getsp2(int& x, int& y, int& z);
void getor(int& x, int& y);
void getpos(int& x, int& y);
void getclp(int& x, int& y, int& w, int& h);
void getlab(char x[9], char y[9], char z[9]);
void getgrf(const char* axis, float& a, float& e, float& first, float& step);
void getres(int& width, int& height);
void getvk(int& title, int& barX, int& barY);

}  // namespace vtx
