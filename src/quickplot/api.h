// Public routines that make a complete plot from data in one call.
#pragma once

namespace vtx {

void qplot(const float* x, const float* y, int n);
void qplsca(const float* x, const float* y, int n);
void qplbar(const float* values, int n);
void qplpie(const float* values, int n);
void qplclr(const float* zmat, int n, int m);
void qplsur(const float* zmat, int n, int m);
void qplcon(const float* zmat, int n, int m, int levels);

}  // namespace vtx
