// Conversions between RGB and the hexcone HSV model (hue in degrees,
// saturation and value 0..1).
#include <algorithm>

#include "session/globals.h"
#include "core/messages.h"
#include "device/colour.h"

namespace vtx {

namespace {

constexpr float kSlack = 0.0001f;

bool within(float x, float low, float high) { return x >= low && x <= high; }  // false for NaN

float unitClamp(float x) { return std::min(1.0f, std::max(0.0f, x)); }

}  // namespace

void hsvrgb(float hue, float saturation, float value, float& red, float& green, float& blue) {
    if (!jqqlev(0, 3, "hsvrgb")) return;
    if (!within(hue, -kSlack, 360.0f) || !within(saturation, -kSlack, 1.0f + kSlack) ||
        !within(value, -kSlack, 1.0f + kSlack)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    const float s = unitClamp(saturation), v = unitClamp(value);
    float h = std::max(0.0f, hue);
    if (h >= 360.0f) h = 0.0f;
    const float sixth = h / 60.0f;
    const int sector = std::min(5, int(sixth));
    const float f = sixth - float(sector);
    const float p = v * (1.0f - s), q = v * (1.0f - s * f), t = v * (1.0f - s * (1.0f - f));
    switch (sector) {
        case 0: red = v, green = t, blue = p; break;
        case 1: red = q, green = v, blue = p; break;
        case 2: red = p, green = v, blue = t; break;
        case 3: red = p, green = q, blue = v; break;
        case 4: red = t, green = p, blue = v; break;
        default: red = v, green = p, blue = q; break;
    }
}

void rgbhsv(float red, float green, float blue, float& hue, float& saturation, float& value) {
    if (!jqqlev(0, 3, "rgbhsv")) return;
    if (!within(red, -kSlack, 1.0f + kSlack) || !within(green, -kSlack, 1.0f + kSlack) ||
        !within(blue, -kSlack, 1.0f + kSlack)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    const float r = unitClamp(red), g = unitClamp(green), b = unitClamp(blue);
    const float high = std::max(r, std::max(g, b)), low = std::min(r, std::min(g, b));
    const float spread = high - low;
    value = high;
    if (spread <= 0.0f) {  // grey: hue and saturation are undefined, reported as 0
        hue = saturation = 0.0f;
        return;
    }
    saturation = spread / high;
    float h;
    if (r == high)
        h = (g - b) / spread;
    else if (g == high)
        h = 2.0f + (b - r) / spread;
    else
        h = 4.0f + (r - g) / spread;
    h *= 60.0f;
    if (h < 0.0f) h += 360.0f;
    hue = h;
}

}  // namespace vtx
