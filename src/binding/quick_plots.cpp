// The module's quick plots: a whole plot from data in one call, shaped by the
// plot variables of setvar. Each one converts its sequences first (a failure
// raises and draws nothing), opens or reuses the plot, lets the variables
// override its own settings, scales the axes and draws; the plot stays open.
#include <algorithm>
#include <climits>
#include <cmath>
#include <new>
#include <vector>

#include "binding/convert.h"
#include "binding/custom_wrappers.h"
#include "binding/library.h"
#include "binding/module_state.h"
#include "binding/plot_variables.h"
#include "binding/routine_guard.h"

namespace vtx::py {

namespace {

// Minimum and maximum of n values.
void get_scale(const float* values, int n, float range[2]) {
    range[0] = range[1] = n > 0 ? values[0] : 0.0f;
    for (int i = 1; i < n; ++i) range[0] = std::min(range[0], values[i]), range[1] = std::max(range[1], values[i]);
}

// The four values of one axis for the axis system call. With automatic
// scaling the system ignores them, so they stay 0.
struct AxisScaling {
    float v[4] = {0.0f, 0.0f, 0.0f, 0.0f};
};

const char* const kAxisNames[3] = {"X", "Y", "Z"};

// The scaling variable `suffix` of axis k: XMIN, YMIN, ZMIN, ...
int scalingVariable(int k, const char* suffix) {
    char name[8] = {kAxisNames[k][0]};
    for (int i = 0; suffix[i] && i < 6; ++i) name[i + 1] = suffix[i];
    return check_var(name);
}

// The data range scaled automatically, unless MIN and MAX (and OR and STEP)
// of the axis fix it. On a logarithmic axis MIN and MAX are exponents.
AxisScaling set_scaling(const float range[2], int k) {
    AxisScaling s;
    const char* axis = kAxisNames[k];
    const int automatic = scalingVariable(k, "AUTO");
    if (automatic >= 0 && plotVariable(automatic).i != 0) {
        vtx::setscl(range, 2, axis);
        return s;
    }
    int scales[3] = {0, 0, 0};
    vtx::getscl(scales[0], scales[1], scales[2]);
    const int min = scalingVariable(k, "MIN"), max = scalingVariable(k, "MAX");
    if (min >= 0 && max >= 0) {
        const int origin = scalingVariable(k, "OR"), step = scalingVariable(k, "STEP");
        const float lo = plotVariable(min).f, hi = plotVariable(max).f;
        if (origin >= 0 && step >= 0) {
            s.v[0] = lo, s.v[1] = hi, s.v[2] = plotVariable(origin).f, s.v[3] = plotVariable(step).f;
            return s;
        }
        const float pair[2] = {scales[k] == 1 ? std::pow(10.0f, lo) : lo, scales[k] == 1 ? std::pow(10.0f, hi) : hi};
        vtx::setscl(pair, 2, axis);
        return s;
    }
    vtx::setscl(range, 2, axis);
    return s;
}

AxisScaling scaledAxis(const float* values, int n, int k) {
    float range[2];
    get_scale(values, n, range);
    return set_scaling(range, k);
}

void axisSystem(const AxisScaling& x, const AxisScaling& y) {
    vtx::graf(x.v[0], x.v[1], x.v[2], x.v[3], y.v[0], y.v[1], y.v[2], y.v[3]);
}

// graf3 (colour plots) or graf3d (a 3-D box).
using AxisSystem3 = void (*)(float, float, float, float, float, float, float, float, float, float, float, float);

void axisSystem(AxisSystem3 system, const AxisScaling& x, const AxisScaling& y, const AxisScaling& z) {
    system(x.v[0], x.v[1], x.v[2], x.v[3], y.v[0], y.v[1], y.v[2], y.v[3], z.v[0], z.v[1], z.v[2], z.v[3]);
}

// Steps 1 to 3 of every quick plot: a plot opened (on the window unless the
// caller chose a device) or the open one erased and its axis system ended,
// then the page border.
void openQuickPlot() {
    if (vtx::getlev() == 0) {
        if (!moduleState().imetfl) vtx::metafl("xwin");
        vtx::vtxini();
        vtx::complx();
        vtx::nochek();
    } else {
        const int erase = check_var("ERASE");
        if (erase < 0 || plotVariable(erase).i != 0) vtx::erase();
        vtx::reset("setscl");
    }
    if (vtx::getlev() > 1) vtx::endgrf();
    vtx::pagera();
}

// Converted arguments of a quick plot.
struct Curve {
    std::vector<float> x, y, z;
    int n = 0;
};

struct Matrix {
    std::vector<float> x, y, z, levels;
    int nx = 0, ny = 0;
};

PyObject* mismatch() {
    PyErr_SetString(PyExc_ValueError, "mismatch of array sizes");
    return nullptr;
}

// Sequences of one length each; `objects` holds two or three of them.
bool convertCurve(PyObject* const* objects, int count, Curve& c) {
    Py_ssize_t length = -1;
    for (int i = 0; i < count; ++i) {
        const Py_ssize_t n = getlength(objects[i]);
        if (n < 0) return false;
        if (length >= 0 && n != length) return mismatch(), false;
        length = n;
    }
    if (length > INT_MAX) return PyErr_SetString(PyExc_MemoryError, "out of memory"), false;
    c.n = int(length);
    std::vector<float>* arrays[3] = {&c.x, &c.y, &c.z};
    for (int i = 0; i < count; ++i)
        if (!fltarray(objects[i], *arrays[i], c.n)) return false;
    return true;
}

// x of nx values, y of ny values, z a matrix of nx by ny, and the optional levels.
bool convertMatrix(PyObject* x, PyObject* y, PyObject* z, PyObject* levels, Matrix& m) {
    const Py_ssize_t nx = getlength(x);
    if (nx < 0) return false;
    const Py_ssize_t ny = getlength(y);
    if (ny < 0) return false;
    if ((long long)nx * (long long)ny > INT_MAX || nx > INT_MAX || ny > INT_MAX)
        return PyErr_SetString(PyExc_MemoryError, "out of memory"), false;
    m.nx = int(nx), m.ny = int(ny);
    if (!fltarray(x, m.x, m.nx) || !fltarray(y, m.y, m.ny) || !fltmatrix(z, m.z, m.nx, m.ny)) return false;
    if (levels) {
        const Py_ssize_t n = getlength(levels);
        if (n < 0) return false;
        if (n > INT_MAX) return PyErr_SetString(PyExc_MemoryError, "out of memory"), false;
        return fltarray(levels, m.levels, int(n)) != 0;
    }
    return true;
}

// Ten levels from the smallest to the largest matrix value.
bool defaultLevels(Matrix& m) {
    float range[2];
    get_scale(m.z.data(), m.nx * m.ny, range);
    try {
        m.levels.resize(10);
    } catch (const std::bad_alloc&) {
        PyErr_SetString(PyExc_MemoryError, "out of memory");
        return false;
    }
    for (int i = 0; i < 10; ++i) m.levels[size_t(i)] = range[0] + float(i) * (range[1] - range[0]) / 9.0f;
    return true;
}

enum class CurveKind { Lines, Symbols, Colours };

void drawCurve(CurveKind kind, const Curve& c) {
    openQuickPlot();
    if (kind == CurveKind::Lines) vtx::incmrk(0);
    if (kind == CurveKind::Symbols) vtx::incmrk(-1), vtx::marker(3), vtx::hsymbl(10);
    qqsetvar(-1);
    const AxisScaling sx = scaledAxis(c.x.data(), c.n, 0);
    const AxisScaling sy = scaledAxis(c.y.data(), c.n, 1);
    if (kind == CurveKind::Colours) {
        axisSystem(&vtx::graf3, sx, sy, scaledAxis(c.z.data(), c.n, 2));
        vtx::title();
        vtx::curve3(c.x.data(), c.y.data(), c.z.data(), c.n);
    } else {
        axisSystem(sx, sy);
        vtx::title();
        vtx::curve(c.x.data(), c.y.data(), c.n);
    }
    vtx::sendbf();
}

enum class MatrixKind { Surface, ShadedSurface, Cells, Contours, ShadedContours };

// Each cell of surf3 as wide as the distance to the next x (the previous one
// for the last), and as high as the distance to the next y.
void drawCells(const Matrix& m) {
    std::vector<int> widths(size_t(m.nx)), heights(size_t(m.ny));
    for (int i = 0; i < m.nx; ++i) {
        const int j = i + 1 < m.nx ? i + 1 : i - 1;
        widths[size_t(i)] = j < 0 ? 1 : std::abs(vtx::nxposn(m.x[size_t(j)]) - vtx::nxposn(m.x[size_t(i)])) + 1;
    }
    for (int i = 0; i < m.ny; ++i) {
        const int j = i + 1 < m.ny ? i + 1 : i - 1;
        heights[size_t(i)] = j < 0 ? 1 : std::abs(vtx::nyposn(m.y[size_t(j)]) - vtx::nyposn(m.y[size_t(i)])) + 1;
    }
    const int colour = vtx::getclr();
    for (int i = 0; i < m.nx; ++i)
        for (int j = 0; j < m.ny; ++j)
            vtx::rpoint(m.x[size_t(i)], m.y[size_t(j)], m.z[size_t(i) * size_t(m.ny) + size_t(j)], widths[size_t(i)],
                        heights[size_t(j)]);
    vtx::setclr(colour);
}

void drawMatrix(MatrixKind kind, const Matrix& m) {
    openQuickPlot();
    const bool surface = kind == MatrixKind::Surface || kind == MatrixKind::ShadedSurface;
    const bool contours = kind == MatrixKind::Contours || kind == MatrixKind::ShadedContours;
    if (contours) vtx::labels("float", "contour");
    qqsetvar(-1);
    const AxisScaling sx = scaledAxis(m.x.data(), m.nx, 0);
    const AxisScaling sy = scaledAxis(m.y.data(), m.ny, 1);
    if (contours) {
        axisSystem(sx, sy);
        vtx::title();
        const int nlev = int(m.levels.size());
        if (kind == MatrixKind::ShadedContours) {
            vtx::conshd(m.x.data(), m.nx, m.y.data(), m.ny, m.z.data(), m.levels.data(), nlev);
        } else {
            const int previous = vtx::gethgt();
            vtx::height(25);
            for (int i = 0; i < nlev; ++i)
                vtx::contur(m.x.data(), m.nx, m.y.data(), m.ny, m.z.data(), m.levels[size_t(i)]);
            vtx::height(previous);
        }
        vtx::sendbf();
        return;
    }
    const AxisScaling sz = scaledAxis(m.z.data(), m.nx * m.ny, 2);
    if (surface) {
        vtx::noclip();
        axisSystem(&vtx::graf3d, sx, sy, sz);
        vtx::title();
        if (kind == MatrixKind::Surface) vtx::surfce(m.x.data(), m.nx, m.y.data(), m.ny, m.z.data());
        else vtx::surshd(m.x.data(), m.nx, m.y.data(), m.ny, m.z.data());
        vtx::reset("noclip");
    } else {
        axisSystem(&vtx::graf3, sx, sy, sz);
        vtx::title();
        drawCells(m);
    }
    vtx::sendbf();
}

PyObject* curvePlot(PyObject* args, const char* format, int count, CurveKind kind) {
    PyObject* objects[3] = {nullptr, nullptr, nullptr};
    if (!PyArg_ParseTuple(args, format, &objects[0], &objects[1], &objects[2])) return nullptr;
    Curve c;
    if (!convertCurve(objects, count, c)) return nullptr;
    callRoutine([&] { drawCurve(kind, c); });
    Py_RETURN_NONE;
}

PyObject* matrixPlot(PyObject* args, const char* format, MatrixKind kind) {
    PyObject *x, *y, *z, *levels = nullptr;
    if (!PyArg_ParseTuple(args, format, &x, &y, &z, &levels)) return nullptr;
    Matrix m;
    if (!convertMatrix(x, y, z, levels, m)) return nullptr;
    const bool contours = kind == MatrixKind::Contours || kind == MatrixKind::ShadedContours;
    if (contours && !levels && !defaultLevels(m)) return nullptr;
    callRoutine([&] { drawMatrix(kind, m); });
    Py_RETURN_NONE;
}

}  // namespace

PyObject* vantix_plot(PyObject*, PyObject* args) { return curvePlot(args, "OO:plot", 2, CurveKind::Lines); }
PyObject* vantix_scattr(PyObject*, PyObject* args) { return curvePlot(args, "OO:scattr", 2, CurveKind::Symbols); }
PyObject* vantix_plot3(PyObject*, PyObject* args) { return curvePlot(args, "OOO:plot3", 3, CurveKind::Colours); }
PyObject* vantix_surface(PyObject*, PyObject* args) { return matrixPlot(args, "OOO:surface", MatrixKind::Surface); }
PyObject* vantix_surshade(PyObject*, PyObject* args) {
    return matrixPlot(args, "OOO:surshade", MatrixKind::ShadedSurface);
}
PyObject* vantix_surf3(PyObject*, PyObject* args) { return matrixPlot(args, "OOO:surf3", MatrixKind::Cells); }
PyObject* vantix_contour(PyObject*, PyObject* args) { return matrixPlot(args, "OOO|O:contour", MatrixKind::Contours); }
PyObject* vantix_conshade(PyObject*, PyObject* args) {
    return matrixPlot(args, "OOO|O:conshade", MatrixKind::ShadedContours);
}

}  // namespace vtx::py
