#include "graph2d/spline.h"

#include <algorithm>
#include <cmath>

#include "core/checks.h"
#include "session/globals.h"
#include "core/messages.h"
#include "graph2d/curve_mode.h"

namespace vtx {

namespace {

// Values of the k B-splines of order k that do not vanish at x, where
// t[left] <= x < t[left + 1]; b[i] belongs to B_(left - k + 1 + i).
void bsplineValues(const double* t, int k, int left, double x, double* b) {
    double dl[kSplineMaxOrder], dr[kSplineMaxOrder];
    b[0] = 1.0;
    for (int j = 0; j < k - 1; ++j) {
        dr[j] = t[left + j + 1] - x;
        dl[j] = x - t[left - j];
        double saved = 0.0;
        for (int i = 0; i <= j; ++i) {
            const double den = dr[i] + dl[j - i];
            const double term = den != 0.0 ? b[i] / den : 0.0;
            b[i] = saved + dr[i] * term;
            saved = dl[j - i] * term;
        }
        b[j + 1] = saved;
    }
}

// Knot interval of x: t[left] <= x < t[left + 1], kept inside the n - k + 1
// intervals of the basis so that the ends evaluate from the outer pieces.
int findInterval(const SplineFit& f, double x, int hint) {
    const int lo = f.k - 1, hi = f.n - 1;
    int left = std::clamp(hint, lo, hi);
    while (left < hi && x >= f.t[left + 1]) ++left;
    while (left > lo && x < f.t[left]) --left;
    return left;
}

}  // namespace

bool splinePointCountValid(int n, int degree) {
    const int k = degree + 1;
    return n >= k && static_cast<long long>(degree + k) * n <= kSplineWork;
}

void splineKnots(const double* tau, int n, int k, double* t) {
    for (int j = 0; j < k; ++j) t[j] = tau[0];
    for (int j = k; j < n; ++j) {
        if (k % 2 == 0) {
            t[j] = tau[j - k / 2];
        } else {
            const int i = j - (k - 1) / 2;
            t[j] = 0.5 * (tau[i] + tau[i - 1]);
        }
    }
    // Moving the last knots past the last abscissa keeps it inside the last interval.
    for (int j = n; j < n + k; ++j) t[j] = tau[n - 1] + 1e-7;
}

int fitSpline(const double* tau, const double* g, int n, int degree, SplineFit& fit) {
    const int k = degree + 1;
    const int w = 2 * k - 1;  // band width of the collocation matrix
    fit.n = n, fit.k = k;
    splineKnots(tau, n, k, fit.t);

    // Row i holds columns i - (k - 1) ... i + (k - 1) at offsets 0 ... w - 1.
    double band[kSplineWork];
    std::fill(band, band + w * n, 0.0);
    auto at = [&](int i, int j) -> double& { return band[i * w + (j - i + k - 1)]; };
    int left = k - 1;
    for (int i = 0; i < n; ++i) {
        const double x = tau[i];
        while (left < n - 1 && x >= fit.t[left + 1]) ++left;
        double b[kSplineMaxOrder];
        bsplineValues(fit.t, k, left, x, b);
        for (int m = 0; m < k; ++m) {
            const int j = left - k + 1 + m;
            if (std::abs(j - i) > k - 1) {
                if (b[m] != 0.0) return 38;  // outside the band: the data violate the interlacing condition
                continue;
            }
            at(i, j) = b[m];
        }
    }

    // The collocation matrix is totally positive: elimination without pivoting is stable.
    for (int i = 0; i < n; ++i) fit.c[i] = g[i];
    for (int p = 0; p < n; ++p) {
        const double pivot = at(p, p);
        if (pivot == 0.0 || !std::isfinite(pivot)) return 38;
        const int last = std::min(n - 1, p + k - 1);
        for (int i = p + 1; i <= last; ++i) {
            const double f = at(i, p) / pivot;
            if (f == 0.0) continue;
            for (int j = p + 1; j <= last; ++j) at(i, j) -= f * at(p, j);
            fit.c[i] -= f * fit.c[p];
        }
    }
    for (int p = n - 1; p >= 0; --p) {
        const int last = std::min(n - 1, p + k - 1);
        double s = fit.c[p];
        for (int j = p + 1; j <= last; ++j) s -= at(p, j) * fit.c[j];
        fit.c[p] = s / at(p, p);
    }
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(fit.c[i])) return 38;
    return 0;
}

double evalSpline(const SplineFit& f, double x, int& hint) {
    const int k = f.k;
    const int left = findInterval(f, x, hint);
    hint = left;
    double d[kSplineMaxOrder];
    for (int i = 0; i < k; ++i) d[i] = f.c[left - k + 1 + i];
    for (int r = 1; r < k; ++r) {
        for (int i = k - 1; i >= r; --i) {
            const int idx = left - k + 1 + i;
            const double den = f.t[idx + k - r] - f.t[idx];
            const double a = den != 0.0 ? (x - f.t[idx]) / den : 0.0;
            d[i] = a * d[i] + (1.0 - a) * d[i - 1];
        }
    }
    return d[k - 1];
}

int prepareSpline(const SplineRequest& r, PreparedSpline& p) {
    if (!splinePointCountValid(r.n, r.degree)) return 31;
    double tau[kSplineMaxPoints], gx[kSplineMaxPoints], gy[kSplineMaxPoints];
    for (int i = 0; i < r.n; ++i) {
        gx[i] = r.x[i], gy[i] = r.y[i];
        if (!std::isfinite(gx[i]) || !std::isfinite(gy[i])) return 38;
    }
    if (!r.parametric) {
        for (int i = 1; i < r.n; ++i)
            if (!(gx[i] > gx[i - 1])) return 32;
        if (r.logX && !(gx[0] > 0.0)) return 32;
        p.u0 = r.logX ? std::log10(gx[0]) : gx[0];
        p.u1 = r.logX ? std::log10(gx[r.n - 1]) : gx[r.n - 1];
        return fitSpline(gx, gy, r.n, r.degree, p.fy);
    }
    // Chord length as the parameter; repeated points make the system singular.
    tau[0] = 0.0;
    for (int i = 1; i < r.n; ++i) {
        tau[i] = tau[i - 1] + std::hypot(gx[i] - gx[i - 1], gy[i] - gy[i - 1]);
        if (!(tau[i] > tau[i - 1])) return 38;
    }
    p.u0 = 0.0, p.u1 = tau[r.n - 1];
    if (int e = fitSpline(tau, gx, r.n, r.degree, p.fx)) return e;
    return fitSpline(tau, gy, r.n, r.degree, p.fy);
}

int splineOutputCount() {
    Globals* g = qqgglb();
    return g ? g->curve.splinePoints : 200;
}

void warnSplineFailure(int status, int n) {
    const Warning w = static_cast<Warning>(status);
    if (w == Warning::SplinePointCount) warni1(w, n);
    else warnin(w);
}

void spline(const float* x, const float* y, int n, float* xray, float* yray, int& nray) {
    nray = 0;
    Globals* g = jqqlev(0, 3, "spline");
    if (!g) return;
    SplineRequest r;
    r.x = x, r.y = y, r.n = n;
    r.degree = g->curve.splineOrder;
    r.parametric = CurveMode(g->curve.mode) == CurveMode::ParametricSpline;
    const int count = g->curve.splinePoints;
    r.divisions = count - 1;
    static PreparedSpline p;  // large; the library runs in one thread
    if (int status = prepareSpline(r, p)) {
        warnSplineFailure(status, n);
        return;
    }
    emitSpline(r, p, [&](float px, float py) {
        xray[nray] = px, yray[nray] = py;
        ++nray;
    });
}

}  // namespace vtx
