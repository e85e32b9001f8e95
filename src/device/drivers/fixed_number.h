// Numbers with two decimals, written as "%.2f" writes them but without the
// printf machinery: the vector writers put two of them on every line point.
#pragma once

#include <cmath>

namespace vtx {

// Writes v (a float's value, below 1e15 in magnitude) with two decimals and
// returns the end. A float times 100 is exact in a double, so the rounding
// here (half to even) sees the same exact value as printf's.
inline char* putFixed2(char* out, double v) {
    const double scaled = std::fabs(v) * 100.0;
    double whole = std::floor(scaled);
    const double rest = scaled - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    const unsigned long long hundredths = static_cast<unsigned long long>(whole);
    if (std::signbit(v)) *out++ = '-';
    char digits[24];
    int k = 0;
    for (unsigned long long n = hundredths / 100; k == 0 || n > 0; n /= 10) digits[k++] = char('0' + n % 10);
    while (k > 0) *out++ = digits[--k];
    const unsigned cents = unsigned(hundredths % 100);
    *out++ = '.', *out++ = char('0' + cents / 10), *out++ = char('0' + cents % 10);
    return out;
}

}  // namespace vtx
