// Automatic scaling: label values chosen from a data range.
#pragma once

namespace vtx {

// Label types of the `labels` keyword list, in its order.
enum LabelType {
    kLabNone = 0, kLabFloa, kLabExp, kLabLog, kLabClog, kLabElog, kLabMap, kLabDmap, kLabLmap,
    kLabTime, kLabHour, kLabSeco, kLabMyla, kLabFexp, kLabDate
};

inline bool isTimeLabel(int type) { return type == kLabTime || type == kLabHour || type == kLabSeco; }

struct AutoScale {
    float a = 0.0f, e = 1.0f, first = 0.0f, step = 1.0f;
    int digits = 1;
    int unit = 0;  // date axes: 0 days, 1 months, 3 quarters, 6 half years, 12 years
};

// Scaling of a linear or logarithmic axis (a, e as axis values, exponents
// on logarithmic axes) for an axis of `length` plot units whose labels must
// be at least `minDistance` apart.
AutoScale autoScaleNumeric(float a, float e, bool log, int length, int minDistance, int labelType);

// Scaling of a time axis (values in seconds).
AutoScale autoScaleTime(float a, float e);

// Scaling of a date axis (values are day numbers counted from the base date).
AutoScale autoScaleDate(struct Globals& g, float a, float e);

}  // namespace vtx
