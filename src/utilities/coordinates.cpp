// Conversions between angle units and between coordinate systems, in place.
#include <cmath>

#include "session/globals.h"
#include "core/messages.h"
#include "utilities/api.h"

namespace vtx {

namespace {

constexpr float kDegree = 0.017453292522222223f;  // radians per degree

float degrees(double radians) { return float(radians / kDegree); }

// The 1-based indices of both keywords; false (after the warning) when either
// is unknown or when they are the same system.
bool conversionPair(const char* list, int count, const char* from, const char* to, int& source, int& target) {
    source = jqqind(list, count, from);
    target = jqqind(list, count, to);
    if (source == 0 || target == 0) return false;
    if (source == target) {
        warnText(101, "No conversion necessary");
        return false;
    }
    return true;
}

enum System3 { kRect = 1, kSphere = 2, kCylinder = 3 };

void rectToSphere(float& x, float& y, float& z) {
    float planar = x * x + y * y;
    float r = float(std::sqrt(double(planar + z * z)));
    float lat = planar == 0.0f ? 0.0f : degrees(std::atan2(double(z), std::sqrt(double(planar))));
    // The longitude comes from the slope y/x, turned half a circle for the
    // left half-plane, so it runs from -90 to 270 degrees.
    float lon = 0.0f;
    if (x > 0.0f)
        lon = degrees(std::atan(double(y) / double(x)));
    else if (x < 0.0f)
        lon = degrees(std::atan(double(y) / double(x))) + 180.0f;
    x = lon, y = lat, z = r;
}

void sphereToRect(float& x, float& y, float& z) {
    double lon = double(x * kDegree), lat = double(y * kDegree), r = z;
    x = float(r * std::cos(lon) * std::cos(lat));
    y = float(r * std::sin(lon) * std::cos(lat));
    z = float(r * std::sin(lat));
}

void rectToCylinder(float& x, float& y) {
    float radius = float(std::sqrt(double(x * x + y * y)));
    float angle = (x == 0.0f && y == 0.0f) ? 0.0f : degrees(std::atan2(double(y), double(x)));
    x = angle, y = radius;
}

void cylinderToRect(float& x, float& y) {
    double a = double(x * kDegree), radius = y;
    x = float(radius * std::cos(a));
    y = float(radius * std::sin(a));
}

void cylinderToSphere(float& y, float& z) {
    float r = float(std::sqrt(double(y * y + z * z)));
    float lat = y == 0.0f ? 0.0f : degrees(std::atan2(double(z), double(y)));
    y = lat, z = r;
}

void sphereToCylinder(float& y, float& z) {
    double lat = double(y * kDegree), r = z;
    y = float(r * std::cos(lat));
    z = float(r * std::sin(lat));
}

}  // namespace

void trfco1(float* x, int n, const char* from, const char* to) {
    if (!jqqlev(0, 3, "trfco1")) return;
    int source, target;
    if (!conversionPair("DEGR+RADI", 2, from, to, source, target)) return;
    for (int i = 0; i < n; ++i) x[i] = source == 1 ? x[i] * kDegree : x[i] / kDegree;
}

void trfco2(float* x, float* y, int n, const char* from, const char* to) {
    if (!jqqlev(0, 3, "trfco2")) return;
    int source, target;
    if (!conversionPair("RECT+POLA", 2, from, to, source, target)) return;
    for (int i = 0; i < n; ++i) {
        if (source == 1)
            rectToCylinder(x[i], y[i]);
        else
            cylinderToRect(x[i], y[i]);
    }
}

void trfco3(float* x, float* y, float* z, int n, const char* from, const char* to) {
    if (!jqqlev(0, 3, "trfco3")) return;
    int source, target;
    if (!conversionPair("RECT+SPHE+CYLI", 3, from, to, source, target)) return;
    for (int i = 0; i < n; ++i) {
        switch (source * 10 + target) {
            case kRect * 10 + kSphere: rectToSphere(x[i], y[i], z[i]); break;
            case kRect * 10 + kCylinder: rectToCylinder(x[i], y[i]); break;
            case kSphere * 10 + kRect: sphereToRect(x[i], y[i], z[i]); break;
            case kSphere * 10 + kCylinder: sphereToCylinder(y[i], z[i]); break;
            case kCylinder * 10 + kRect: cylinderToRect(x[i], y[i]); break;
            case kCylinder * 10 + kSphere: cylinderToSphere(y[i], z[i]); break;
        }
    }
}

}  // namespace vtx
