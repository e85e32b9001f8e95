// Tick positions of linear, logarithmic and date axes (included by axis_drawer.h).
#pragma once

#include <cmath>

#include "device/pipeline.h"
#include "graph2d/scaling.h"

namespace vtx {


template <typename Fn>
void forEachTick(const Globals& g, const AxisDrawSpec& s, int ticksPerLabel, Fn&& fn) {
    const float range = s.e - s.a;
    if (!(std::fabs(range) > 0.0f) || !std::isfinite(range) || s.length < 2 || ticksPerLabel <= 0) return;
    const float f = float(s.length - 1) / range;
    auto emit = [&](float v, bool major) {
        const float off = s.position ? s.position(g, s, v) : (v - s.a) * f;
        if (off >= -0.5f && off <= float(s.length - 1) + 0.5f) fn(std::round(off), major);
    };
    const float lo = std::fmin(s.a, s.e), hi = std::fmax(s.a, s.e);
    const float eps = (hi - lo) * 1.0e-5f;
    // Logarithmic decades: majors at the labels, minors at k * 10^n.
    const float stepRounded = std::round(s.step);
    const bool integerFirst = std::fabs(s.first - std::round(s.first)) < 1.0e-4f;
    const bool decadeSteps = g.axis.logTicks ? (std::fabs(s.step - stepRounded) < 1.0e-4f && stepRounded != 0.0f)
                                             : std::fabs(std::fabs(s.step) - 1.0f) < 1.0e-4f;
    // Decade numbers must be ints: a log axis beyond a million decades has
    // no decade ticks.
    const bool countable = std::fabs(lo) < 1.0e6f && std::fabs(hi) < 1.0e6f && std::fabs(s.first) < 1.0e6f &&
                           std::fabs(stepRounded) < 1.0e6f;
    if (s.log && ticksPerLabel > 1 && integerFirst && decadeSteps && countable) {
        const int d0 = int(std::floor(lo)) - 1, d1 = int(std::ceil(hi));
        const int stepDecades = int(std::fabs(stepRounded));
        const int firstDecade = int(std::round(s.first));
        for (int d = d0; d <= d1 && d - d0 < 400; ++d) {
            const bool labelled = ((d - firstDecade) % stepDecades) == 0;
            if (d >= lo - eps && d <= hi + eps) emit(float(d), labelled);
            for (int k = 2; k <= 9; ++k) {
                const float v = float(d) + std::log10(float(k));
                if (v >= lo - eps && v <= hi + eps) emit(v, false);
            }
        }
        return;
    }
    const float d = s.step / float(ticksPerLabel);
    if (!(std::fabs(d) > 0.0f) || !std::isfinite(d)) return;
    // Ticks count from the first label in both directions, with an integer
    // counter: a float counter far from zero stops advancing. A bound keeps
    // absurd step/range ratios from running for ever.
    const float iLow = std::ceil((lo - eps - s.first) / std::fabs(d));
    const float iHigh = std::floor((hi + eps - s.first) / std::fabs(d));
    if (!(iHigh - iLow < 20000.0f) || !(std::fabs(iLow) < 1.0e15f)) return;
    const long long sign = d > 0.0f ? 1 : -1;
    // Ticks that a thick line already covers are not drawn one by one.
    const long long first = (long long)iLow, last = (long long)iHigh;
    const int stride = coveredCopyStride(g, std::fabs(d * f));
    for (long long i = first; i <= last; ++i) {
        if (stride > 1 && (i - first) % stride != 0 && i != last) continue;
        const long long k = i * sign;
        emit(s.first + float(k) * d, k % ticksPerLabel == 0);
    }
}

}  // namespace vtx
