// Public routines of bar graphs and pie charts.
#pragma once

namespace vtx {

// bar graphs
void bars(float* x, float* y1, const float* y2, int n);
void bartyp(const char* keyword);
void barmod(const char* keyword, const char* object);
void bargrp(int n, float gap);
void barpos(const char* keyword);
void chnbar(const char* keyword);
void barclr(int front, int side, int top);
void barbor(int colour);
void baropt(float depth, float angle);

// 3-D bars in a graf3d box
void bars3d(const float* x, const float* y, const float* z1, const float* z2, const float* xw, const float* yw,
            const int* colours, int n);

// pie charts
void piegrf(const char* cbuf, int nlin, const float* x, int n);
void pietyp(const char* keyword);
void pieopt(float thickness, float angle);
void pieexp();
void chnpie(const char* keyword);
void pieclr(const int* segment, const int* label, int n);
void piebor(int colour);
void pielab(const char* text, const char* side);
void pievec(int code, const char* mode);

}  // namespace vtx
