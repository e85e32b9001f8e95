// Interpolating B-splines with not-a-knot end conditions, and the polyline
// that curve and spline draw through them.
#pragma once

#include <cmath>

namespace vtx {

// (degree + order) x points <= 1000 bounds the banded collocation system, so
// every work array has a fixed size and a fit never allocates.
constexpr int kSplineWork = 1000;
constexpr int kSplineMaxPoints = kSplineWork / 5;   // degree 2, order 3
constexpr int kSplineMaxOrder = 11;                  // degree 10

struct SplineFit {
    int n = 0, k = 0;                                // coefficients, order
    double t[kSplineMaxPoints + kSplineMaxOrder] = {};
    double c[kSplineMaxPoints] = {};
};

// True when n points can carry a spline of this degree.
bool splinePointCountValid(int n, int degree);

// Not-a-knot knot sequence of order k for the abscissae tau[0..n-1].
void splineKnots(const double* tau, int n, int k, double* t);

// Fits the interpolating spline of the given degree through (tau, g); tau
// must increase strictly. Returns 0, or 38 when the collocation system is singular.
int fitSpline(const double* tau, const double* g, int n, int degree, SplineFit& fit);

// Value of the fitted spline at x; `hint` carries the knot interval between
// calls with increasing x (start it at 0).
double evalSpline(const SplineFit& fit, double x, int& hint);

struct SplineRequest {
    const float* x = nullptr;
    const float* y = nullptr;
    int n = 0;
    int degree = 3;
    bool parametric = false;
    int divisions = 200;      // the vertices sit at i / divisions of the range, i = 0 ... divisions
    bool logX = false;        // abscissae equally spaced in log10 x
    bool logY = false;        // values <= 0 become 1e-6
};

// The fitted spline (or pair of splines, parametric) and its parameter range.
struct PreparedSpline {
    SplineFit fx, fy;
    double u0 = 0.0, u1 = 0.0;
};

// Checks and fits; returns 0 or the number of the warning that prevents the
// interpolation (31, 32, 38).
int prepareSpline(const SplineRequest& r, PreparedSpline& p);

// Raises the warning of a failed prepareSpline for n points.
void warnSplineFailure(int status, int n);

// Calls emit(x, y) for divisions + 1 vertices: the first data point, the
// spline at the interior divisions, the last data point.
template <typename Emit>
void emitSpline(const SplineRequest& r, const PreparedSpline& p, Emit&& emit) {
    emit(r.x[0], r.y[0]);
    int hx = 0, hy = 0;
    const double step = (p.u1 - p.u0) / r.divisions;
    for (int i = 1; i < r.divisions; ++i) {
        double u = p.u0 + i * step;
        double x, y;
        if (r.parametric) {
            x = evalSpline(p.fx, u, hx);
            y = evalSpline(p.fy, u, hy);
        } else {
            x = r.logX ? std::pow(10.0, u) : u;
            y = evalSpline(p.fy, x, hy);
        }
        if (r.logY && y <= 0.0) y = 1e-6;
        emit(static_cast<float>(x), static_cast<float>(y));
    }
    emit(r.x[r.n - 1], r.y[r.n - 1]);
}

// Public routine: the interpolated points of the current spline mode
// (parametric after polcrv PSPL) with the point count of splmod; nray
// receives that count, xray and yray need room for it.
void spline(const float* x, const float* y, int n, float* xray, float* yray, int& nray);

// The number of points that spline writes with the current settings.
int splineOutputCount();

}  // namespace vtx
