#include "text/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace vtx {

namespace {

// Number of digits before the point: the smallest k with 10^k - 0.5 above
// the value rounded to an integer.
int integerDigits(double rounded) {
    double p = 10.0;
    for (int k = 1; k <= 100; ++k, p *= 10.0)
        if (p - 0.5 > rounded) return k;
    return 100;
}

void appendString(char* out, int size, int& n, const char* s) {
    for (; *s && n < size - 1; ++s) out[n++] = *s;
    out[n] = '\0';
}

void appendChar(char* out, int size, int& n, char c) {
    if (n < size - 1) out[n++] = c;
    out[n] = '\0';
}

}  // namespace

int formatFloa(float value, int ndig, char* out, int size) {
    const double v = value;
    if (!std::isfinite(v)) return std::snprintf(out, size, "%s", std::isnan(v) ? "NaN" : v < 0 ? "-Inf" : "Inf");
    if (ndig < 0) {
        const double r = std::round(v);  // half away from zero
        int n = std::snprintf(out, size, "%.0f", r == 0.0 ? 0.0 : r);
        return n < size ? n : size - 1;
    }
    const int digits = integerDigits(std::round(std::fabs(v)));
    const int length = digits + ndig + 1 + (v < 0 ? 1 : 0);
    int n = std::snprintf(out, size, "%*.*f", length, ndig, v);
    return n < size ? n : size - 1;
}

void applyNumberMode(const TextState& t, const char* in, char* out, int size) {
    const char decimal = t.numberMode[0] ? t.numberMode[0] : '.';
    const char thousands = t.numberMode[1];
    const char sign = t.numberMode[2];
    int n = 0;
    out[0] = '\0';
    while (*in == ' ') appendChar(out, size, n, *in++);
    if (*in == '-') {
        appendChar(out, size, n, *in++);
    } else if (sign != '\0' && *in >= '0' && *in <= '9') {
        appendChar(out, size, n, sign);
    }
    const char* intStart = in;
    while (*in >= '0' && *in <= '9') ++in;
    const int intDigits = static_cast<int>(in - intStart);
    for (int i = 0; i < intDigits; ++i) {
        if (thousands != '\0' && i > 0 && (intDigits - i) % 3 == 0) appendChar(out, size, n, thousands);
        appendChar(out, size, n, intStart[i]);
    }
    if (*in == '.') {
        appendChar(out, size, n, decimal);
        ++in;
        for (int i = 0; *in >= '0' && *in <= '9'; ++i, ++in) {
            if (thousands != '\0' && i > 0 && i % 3 == 0) appendChar(out, size, n, thousands);
            appendChar(out, size, n, *in);
        }
    }
    appendString(out, size, n, in);
}

void formatNumber(const TextState& t, float value, int ndig, NumberText& out) {
    char floa[kNumberTextSize], mode[kNumberTextSize];
    out.needsMix = false;
    out.equalWidth = t.numberMode[3] != 0;
    int n = 0;
    out.text[0] = '\0';
    const int size = kNumberTextSize;
    switch (t.numberFormat) {
    case 1:    // EXP: m*10^k
    case 2: {  // FEXP: mEk
        float m = value;
        int k = 0;
        if (std::isfinite(m) && m != 0.0f) {
            while (std::fabs(m) >= 10.0f && k < 400) m /= 10.0f, ++k;
            while (std::fabs(m) < 1.0f && k > -400) m *= 10.0f, --k;
        }
        formatFloa(m, ndig, floa, size);
        applyNumberMode(t, floa, mode, size);
        appendString(out.text, size, n, mode);
        char exponent[16];
        std::snprintf(exponent, sizeof exponent, "%d", k);
        if (t.numberFormat == 2) {
            appendChar(out.text, size, n, 'E');
            appendString(out.text, size, n, exponent);
        } else {
            appendString(out.text, size, n, "*10");
            appendChar(out.text, size, n, t.mixChars[0]);
            appendString(out.text, size, n, exponent);
            appendChar(out.text, size, n, t.mixChars[2]);
            out.needsMix = true;
        }
        break;
    }
    case 3:  // LOG: the value is the exponent of 10
        formatFloa(value, ndig, floa, size);
        applyNumberMode(t, floa, mode, size);
        appendString(out.text, size, n, "10");
        appendChar(out.text, size, n, t.mixChars[0]);
        {
            const char* p = mode;
            while (*p == ' ') ++p;
            appendString(out.text, size, n, p);
        }
        appendChar(out.text, size, n, t.mixChars[2]);
        out.needsMix = true;
        break;
    default:
        formatFloa(value, ndig, floa, size);
        applyNumberMode(t, floa, out.text, size);
        break;
    }
}

}  // namespace vtx
