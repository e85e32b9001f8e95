// Public routines of curves, legends, titles and text at user coordinates.
#pragma once

namespace vtx {

// curves
void curve(const float* x, const float* y, int n);
void errbar(const float* x, const float* y, const float* e1, const float* e2, int n);
void shdcrv(const float* x1, const float* y1, int n1, const float* x2, const float* y2, int n2);
void polcrv(const char* mode);
void splmod(int degree, int points);
void barwth(float width);
void marker(int symbol);
void incmrk(int interval);
// The current symbol (marker) and symbol height (hsymbl).
void getsym(int& number, int& size);
void gapcrv(float distance);
void neglog(float eps);
void nochek();
void chncrv(const char* mode);
void inccrv(int count);
void chnatt();   // colour, line style and symbol advance to their next cycle entry
void resatt();   // the cycles start again, symbol 0
void clrcyc(int index, int colour);
void lincyc(int index, int style);
void patcyc(int index, int pattern);

// legends
void legini(char* buffer, int lines, int chars);
void leglin(char* buffer, const char* text, int line);
void legtit(const char* text);
void legpos(int x, int y);
void legopt(float sampleLength, float margin, float subLineSpacing);
void legpat(int style, int thickness, int symbol, int colour, int pattern, int line);
void legclr();
void mixleg();
void legend(char* buffer, int corner);
int nxlegn(char* buffer);
int nylegn(char* buffer);

// titles
void titlin(const char* text, int line);
void title();
void titjus(const char* mode);
void lfttit();
void titpos(const char* mode);
void htitle(int h);
void vkytit(int shift);

// text at user coordinates
void rlmess(const char* text, float x, float y);
void rlnumb(float value, int ndig, float x, float y);

}  // namespace vtx
