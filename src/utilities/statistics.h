// Statistics of a float array.
#pragma once

namespace vtx {

// MEAN, AVER, VARI, STAN, THIR (skewness) or FOUR (kurtosis) of n values.
float moment(const float* x, int n, const char* keyword);

}  // namespace vtx
