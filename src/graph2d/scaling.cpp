// Automatic scaling: a step of 1, 2 or 5 times a power of ten that gives
// labels far enough apart, and the first label at a multiple of the step.
#include "graph2d/scaling.h"

#include <cmath>
#include <cstring>

#include "core/checks.h"
#include "graph2d/axis_dates.h"
#include "session/globals.h"
#include "utilities/api.h"
#include "utilities/utility_state.h"

namespace vtx {

namespace {

// The first multiple of the step not below a.
float firstMultiple(float a, float step, float* truncated) {
    const double q = double(a) / double(step);
    const double t = std::trunc(q);
    if (truncated) *truncated = float(t);
    if (std::fabs(q - t) <= 1.0e-15 || !std::isfinite(q)) return a;
    return float(a >= 0.0f ? (t + 1.0) * step : t * step);
}

}  // namespace

AutoScale autoScaleNumeric(float a, float e, bool log, int length, int minDistance, int labelType) {
    AutoScale s;
    s.a = a, s.e = e;
    const double range = double(e) - double(a);
    // k with 1 <= range / 10^k < 10; 50 tries bound the search for absurd ranges.
    int k = 0;
    for (int tries = 0; tries < 50; ++tries) {
        const double r = range / std::pow(10.0, k);
        if (r >= 10.0) ++k;
        else if (r < 1.0) --k;
        else break;
    }
    const double power = std::pow(10.0, k);
    int n = int(range / power);
    if (n < 1) n = 1;
    if (n > 9) n = 9;
    double step = power;
    int digits = k < 0 ? -k : -1;
    const bool expLabels = labelType == kLabExp || labelType == kLabFexp;
    auto finer = [&](double divisor) {
        step = power / divisor;
        if (k < 0) ++digits;
        else if (k == 0) digits = 1;
    };
    if (n == 1) {
        if (length / 2 >= minDistance) finer(length / 5 > minDistance ? 5.0 : 2.0);
    } else if ((n == 2 || n == 3) && !log) {
        if (length / (2 * n) >= minDistance) finer(2.0);
    } else if (n >= 5) {
        if (length / n < minDistance || (n > 6 && expLabels)) step *= 2.0;
    }
    if (expLabels) digits = 1;
    s.step = float(step);
    float t = 0.0f;
    s.first = firstMultiple(a, s.step, &t);
    if (expLabels) {
        for (float m = std::fabs(t); m > 2.0f; m /= 10.0f) ++digits;
    }
    s.digits = digits;
    return s;
}

AutoScale autoScaleTime(float a, float e) {
    AutoScale s;
    s.a = a, s.e = e, s.digits = -1;
    const float r = e - a;
    float step;
    if (r < 120.0f) {
        step = r < 8.0f ? 1.0f : r < 15.0f ? 2.0f : r < 30.0f ? 5.0f : r < 60.0f ? 10.0f : 20.0f;
    } else {
        const float m = r / 60.0f;
        float minutes;
        if (m < 240.0f) {
            minutes = m < 8.0f ? 1.0f : m < 15.0f ? 2.0f : m < 30.0f ? 5.0f : m < 60.0f ? 10.0f : m < 120.0f ? 15.0f : 30.0f;
        } else {
            // Beyond four hours: whole hours of 1, 2, 3, 6 or 12, then
            // multiples of a day, keeping roughly four to eight labels.
            const float hours = m / 60.0f;
            minutes = hours < 8.0f ? 60.0f : hours < 16.0f ? 120.0f : hours < 24.0f ? 180.0f
                    : hours < 48.0f ? 360.0f : hours < 96.0f ? 720.0f : 1440.0f;
            if (hours >= 192.0f) minutes = 1440.0f * std::pow(10.0f, std::floor(std::log10(hours / 96.0f)));
        }
        step = minutes * 60.0f;
    }
    s.step = step;
    s.first = firstMultiple(a, step, nullptr);
    return s;
}

AutoScale autoScaleDate(Globals& g, float a, float e) {
    AutoScale s;
    s.a = a, s.e = e, s.digits = -1;
    const float r = e - a;
    if (r < 36.0f) {
        s.step = r < 6.0f ? 1.0f : r < 11.0f ? 2.0f : r < 16.0f ? 3.0f : 7.0f;
        s.first = std::round(a);
        if (s.first < a) s.first += s.step;
        s.unit = 0;
        return s;
    }
    s.unit = r < 160.0f ? 1 : r < 500.0f ? 3 : r < 1000.0f ? 6 : 12;
    s.step = float(s.unit);
    if (!g.util.baseDefined) {
        s.first = std::ceil(a);
        return s;
    }
    // The first month start after a whose month fits the unit's calendar
    // grid (quarters 1, 4, 7, 10; half years 1, 7; years 1).
    int day, month, year;
    axisDate(g, roundToInt(std::floor(a)), day, month, year);
    if (day != 1 || float(std::floor(a)) < a) {
        if (++month > 12) month = 1, ++year;
    }
    while ((month - 1) % s.unit != 0) {
        if (++month > 12) month = 1, ++year;
    }
    s.first = float(axisDayNumber(g, 1, month, year));
    return s;
}

}  // namespace vtx
