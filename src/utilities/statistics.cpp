#include "utilities/statistics.h"

#include <cmath>

#include "session/globals.h"
#include "core/messages.h"

namespace vtx {

float moment(const float* x, int n, const char* keyword) {
    if (!jqqlev(0, 3, "moment")) return 0.0f;
    int kind = jqqind("MEAN+AVER+VARI+STAN+THIR+FOUR", 6, keyword);
    if (n <= 1) {
        warnText(101, "n must be greater than 1");
    }
    if (kind == 0 || n <= 1) return 0.0f;
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += x[i];
    double mean = sum / n;
    if (kind == 1) return float(mean);
    if (kind == 2) {
        double dev = 0.0;
        for (int i = 0; i < n; ++i) dev += std::fabs(x[i] - mean);
        return float(dev / n);
    }
    double squares = 0.0;
    for (int i = 0; i < n; ++i) squares += (x[i] - mean) * (x[i] - mean);
    double variance = squares / (n - 1);
    if (kind == 3) return float(variance);
    double s = std::sqrt(variance);
    if (kind == 4) return float(s);
    if (variance == 0.0) {
        warnText(101, "Variance = 0. Value cannot be calculated");
        return 0.0f;
    }
    int power = kind == 5 ? 3 : 4;
    double acc = 0.0;
    for (int i = 0; i < n; ++i) acc += std::pow((x[i] - mean) / s, power);
    return float(kind == 5 ? acc / n : acc / n - 3.0);
}

}  // namespace vtx
