// Sorting of float arrays in place.
#pragma once

namespace vtx {

void sortr1(float* x, int n, const char* order);
void sortr2(float* x, float* y, int n, const char* order);

}  // namespace vtx
