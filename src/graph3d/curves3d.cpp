// Lines in a 3-D axis system: the pen routines strt3d and conn3d, curves
// with symbols, and grid lines on the back planes of the box. A straight
// line in space projects to a straight line, so its two ends suffice.
#include <cmath>

#include "core/checks.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/axis_drawer.h"
#include "graph3d/api.h"
#include "graph3d/box_system.h"
#include "text/symbols.h"

namespace vtx {

namespace {

// Clipping to the axis area of the page for the length of a scope, when
// clip3d asks for it (boxDraw cuts to the box itself).
class AxisClip {
   public:
    explicit AxisClip(Globals& g) : g_(g), on_(g.g3d.clip3 == kClip2D) {
        if (on_) sclpax(g, 1);
    }
    ~AxisClip() {
        qqstrk(g_);
        if (on_) sclpax(g_, 0);
    }
    AxisClip(const AxisClip&) = delete;
    AxisClip& operator=(const AxisClip&) = delete;

   private:
    Globals& g_;
    bool on_;
};

// Lines at every tick of one axis (ticks per label step from the caller).
template <typename Fn>
void forEachGridValue(const Globals& g, int axis, int perStep, Fn&& fn) {
    const AxisScaling& sc = axis == 0 ? g.axis.sx : axis == 1 ? g.axis.sy : g.axis.sz;
    AxisDrawSpec s;
    s.a = sc.a, s.e = sc.e, s.first = sc.first, s.step = sc.step, s.log = sc.log;
    s.axis = axis, s.length = 10001;
    const float L = g.g3d.box[axis];
    forEachTick(g, s, perStep, [&](float off, bool) { fn(off / 10000.0f * L - 0.5f * L); });
}

void boxLine(Globals& g, const float a[3], const float b[3]) {
    boxMove(g, a);
    boxDraw(g, b);
}

// Grid of one box plane: the plane `fixed` at `at`, lines along both other axes.
void planeGrid(Globals& g, int fixed, float at, const int perStep[3]) {
    const float* L = g.g3d.box;
    for (int axis = 0; axis < 3; ++axis) {
        if (axis == fixed) continue;
        const int other = 3 - fixed - axis;
        forEachGridValue(g, axis, perStep[axis], [&](float v) {
            float a[3], b[3];
            a[fixed] = b[fixed] = at;
            a[axis] = b[axis] = v;
            a[other] = -0.5f * L[other], b[other] = 0.5f * L[other];
            boxLine(g, a, b);
        });
    }
}

}  // namespace

namespace {

template <void (*Pen)(Globals&, const float[3])>
void penTo(const char* routine, float x, float y, float z) {
    Globals* g = box3dSystem(routine);
    if (!g) return;
    float b[3];
    userToBox(*g, x, y, z, b[0], b[1], b[2]);
    const AxisClip clip(*g);
    Pen(*g, b);
}

}  // namespace

void strt3d(float x, float y, float z) { penTo<boxMove>("strt3d", x, y, z); }

void conn3d(float x, float y, float z) { penTo<boxDraw>("conn3d", x, y, z); }

void curv3d(const float* x, const float* y, const float* z, int n) {
    Globals* gp = box3dSystem("curv3d");
    if (!gp) return;
    if (n < 1) {
        warnin(Warning::IncorrectPointCount);
        return;
    }
    Globals& g = *gp;
    const AxisClip clip(g);
    const int inc = g.curve.markInc;
    float X, Y;
    if (inc >= 0) {
        for (int i = 0; i < n; ++i) {
            float b[3];
            userToBox(g, x[i], y[i], z[i], b[0], b[1], b[2]);
            if (i == 0) boxMove(g, b);
            else boxDraw(g, b);
        }
        qqstrk(g);
    }
    if (inc != 0) {
        const long long step = inc < 0 ? -(long long)inc : inc;
        for (long long i = 0; i < n; i += step) {
            float b[3];
            userToBox(g, x[i], y[i], z[i], b[0], b[1], b[2]);
            if (!g.g3d.depthRange.inside(g.g3d.projection.depth(b[0], b[1], b[2]))) continue;
            if (g.g3d.clip3 == kClip3D && !insideBox(g.g3d.box, b)) continue;
            boxToPlot(g, b[0], b[1], b[2], X, Y);
            dsymbl(g, g.curve.marker, std::round(X), std::round(Y));
        }
    }
}

void grid3d(int nx, int ny, const char* option) {
    Globals* gp = box3dSystem("grid3d");
    if (!gp) return;
    const int which = jqqind("ALL +BACK+BOTT", 3, option);
    if (which == 0) return;
    if (nx < 1 || ny < 1) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    Globals& g = *gp;
    const Graph3DState& s = g.g3d;
    const int perStep[3] = {nx, ny, ny};
    // The back walls are the box faces on the side away from the eye.
    const float backX = s.eye[0] >= 0.0f ? -0.5f * s.box[0] : 0.5f * s.box[0];
    const float backY = s.eye[1] >= 0.0f ? -0.5f * s.box[1] : 0.5f * s.box[1];
    const AxisClip clip(g);
    if (which != 3) {
        planeGrid(g, 0, backX, perStep);
        planeGrid(g, 1, backY, perStep);
    }
    if (which != 2) planeGrid(g, 2, s.eye[2] >= 0.0f ? -0.5f * s.box[2] : 0.5f * s.box[2], perStep);
}

}  // namespace vtx
