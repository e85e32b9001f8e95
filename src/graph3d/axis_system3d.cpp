// graf3d and its view parameters, the box, and the point conversions of a
// 3-D axis system.
#include <cmath>

#include "core/checks.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/axis_system.h"
#include "graph3d/api.h"
#include "graph3d/axes3d.h"
#include "graph3d/box_system.h"

namespace vtx {

namespace {

constexpr const char* kViewModes = "ABS +USER+ANGL";

bool insideBox(const float p[3], const float L[3]) {
    return std::fabs(p[0]) <= 0.5f * L[0] && std::fabs(p[1]) <= 0.5f * L[1] && std::fabs(p[2]) <= 0.5f * L[2];
}

// A point given as ABS (box), USER or ANGL (two angles and a distance) in box coordinates.
void resolvePoint(const Globals& g, int mode, const float in[3], float out[3]) {
    if (mode == 2) userToBox(g, in[0], in[1], in[2], out[0], out[1], out[2]);
    else if (mode == 3) angleViewPoint(in[0], in[1], in[2], out);
    else out[0] = in[0], out[1] = in[1], out[2] = in[2];
}

void resolveView(Globals& g) {
    Graph3DState& s = g.g3d;
    const float* L = s.box;
    const float fallback[3] = {2.0f * L[0], -2.5f * L[1], 2.0f * L[2]};
    float eye[3] = {fallback[0], fallback[1], fallback[2]};
    if (s.viewSet) {
        resolvePoint(g, s.viewSet, s.view, eye);
        if (insideBox(eye, L)) {
            warnin(Warning::IncorrectViewpoint);
            for (int i = 0; i < 3; ++i) eye[i] = fallback[i];
        }
    }
    float focus[3] = {};
    if (s.focusSet) resolvePoint(g, s.focusSet, s.focus, focus);
    for (int i = 0; i < 8; ++i) resolvePoint(g, s.lights[i].mode, s.lights[i].pos, s.lightBox[i]);
    ViewParameters v;
    for (int i = 0; i < 3; ++i) v.eye[i] = s.eye[i] = eye[i], v.focus[i] = s.focusBox[i] = focus[i];
    v.up = s.up, v.halfAngle = s.halfAngle, v.nearDist = s.clipNear, v.farDist = s.clipFar;
    s.projection.view = makeViewMatrix(v);
    // The divisor of the perspective is the distance from the eye times tan(half angle).
    const float perDistance = std::tan(s.halfAngle);
    s.depthRange.near = s.clipNear * perDistance;
    s.depthRange.far = s.clipFar > 0.0f ? s.clipFar * perDistance : -1.0f;
}

void storePoint(float target[3], int& mode, float x, float y, float z, const char* keyword, const char* list,
                int count) {
    const int m = jqqind(list, count, keyword);
    if (m == 0) return;
    target[0] = x, target[1] = y, target[2] = z;
    mode = m;
}

}  // namespace

Globals* box3dSystem(const char* routine) {
    Globals* g = jqqlev(3, 3, routine);
    if (g && g->axis.kind != AxisKind::Box3D) {
        warnin(Warning::Graf3Confusion);
        return nullptr;
    }
    return g;
}

Globals* colourPlotSystem(const char* routine) {
    Globals* g = jqqlev(3, 3, routine);
    if (g && g->axis.kind == AxisKind::Box3D) {
        warnin(Warning::Graf3Confusion);
        return nullptr;
    }
    return g;
}

void graf3d(float xa, float xe, float xor_, float xstep, float ya, float ye, float yor, float ystep, float za,
            float ze, float zor, float zstep) {
    Globals* gp = jqqlev(1, 1, "graf3d");
    if (!gp) return;
    Globals& g = *gp;
    AxisState& a = g.axis;
    a.nxl = axisLengthX(g), a.nyl = axisLengthY(g);
    const int zLength = a.lenZ > 0 ? a.lenZ : a.nyl;
    if (a.autoScale[0]) applyAutoScale(g, 0, xa, xe, xor_, xstep, a.nxl);
    if (a.autoScale[1]) applyAutoScale(g, 1, ya, ye, yor, ystep, a.nyl);
    if (a.autoScale[2]) applyAutoScale(g, 2, za, ze, zor, zstep, zLength);
    const bool xValid = checkScaling(xa, xe, xor_, xstep);
    const bool yValid = checkScaling(ya, ye, yor, ystep);
    const bool zValid = checkScaling(za, ze, zor, zstep);
    if (!xValid || !yValid || !zValid) return;

    axisCorner(g, a.nxa, a.nya);
    a.xa = float(a.nxa), a.ya = float(a.nya);
    storeScaling(a.sx, xa, xe, xor_, xstep, a.scale[0], a.nxl);
    storeScaling(a.sy, ya, ye, yor, ystep, a.scale[1], a.nyl);
    storeScaling(a.sz, za, ze, zor, zstep, a.scale[2], zLength);
    a.kind = AxisKind::Box3D;
    a.mapProject = nullptr;
    g.ctl.level = 3;

    Graph3DState& s = g.g3d;
    for (int i = 0; i < 3; ++i) s.box[i] = s.axis3[i];
    s.projection.cx = float(a.nxa) + float(a.nxl) / 2.0f;
    s.projection.cy = float(a.nya) - float(a.nyl) / 2.0f;
    s.projection.scale = float(std::min(a.nxl, a.nyl)) / 2.0f;
    resolveView(g);
    registerAxisClip(g);

    if (a.noGraf) {
        a.noGraf = 0;
        return;
    }
    drawAxes3d(g);
}

void axis3d(float x, float y, float z) {
    Globals* g = chkini("axis3d");
    if (!g) return;
    if (!(x > 0.0f && y > 0.0f && z > 0.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->g3d.axis3[0] = x, g->g3d.axis3[1] = y, g->g3d.axis3[2] = z;
}

void view3d(float x, float y, float z, const char* mode) {
    if (Globals* g = chkini("view3d")) storePoint(g->g3d.view, g->g3d.viewSet, x, y, z, mode, kViewModes, 3);
}

void vfoc3d(float x, float y, float z, const char* mode) {
    if (Globals* g = chkini("vfoc3d")) storePoint(g->g3d.focus, g->g3d.focusSet, x, y, z, mode, "ABS +USER", 2);
}

void vup3d(float angle) {
    Globals* g = chkini("vup3d");
    if (!g) return;
    g->g3d.upSet = 1;
    g->g3d.up = angle * 3.14159265358979f / 180.0f;
}

void vang3d(float angle) {
    Globals* g = chkini("vang3d");
    if (!g) return;
    if (!(angle > 0.0f && angle < 180.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->g3d.halfAngle = 3.14159265358979f * angle / 360.0f;
}

void vclp3d(float front, float back) {
    Globals* g = chkini("vclp3d");
    if (!g) return;
    if (!(front > 0.0f) || (back > 0.0f && !(back > front))) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->g3d.clipNear = front;
    g->g3d.clipFar = back > 0.0f ? back : -1.0f;
}

void labl3d(const char* keyword) {
    Globals* g = chkini("labl3d");
    if (!g) return;
    if (const int k = jqqind("HORI+PARA", 2, keyword)) g->g3d.labels3 = k - 1;
}

void flab3d() {
    if (Globals* g = chkini("flab3d")) g->g3d.flab3 = 1;
}

void abs3pt(float x, float y, float z, float& xp, float& yp) {
    xp = yp = 0.0f;
    Globals* g = box3dSystem("abs3pt");
    if (g) boxToPlot(*g, x, y, z, xp, yp);
}

void rel3pt(float x, float y, float z, float& xp, float& yp) {
    xp = yp = 0.0f;
    Globals* g = box3dSystem("rel3pt");
    if (g) userToPlot3(*g, x, y, z, xp, yp);
}

void pos3pt(float x, float y, float z, float& xb, float& yb, float& zb) {
    xb = yb = zb = 0.0f;
    Globals* g = box3dSystem("pos3pt");
    if (g) userToBox(*g, x, y, z, xb, yb, zb);
}

namespace {

// One component of a conversion's results.
template <void (*Convert)(float, float, float, float&, float&, float&), int K>
float boxComponent(float x, float y, float z) {
    float r[3];
    Convert(x, y, z, r[0], r[1], r[2]);
    return r[K];
}
template <void (*Convert)(float, float, float, float&, float&), int K>
float plotComponent(float x, float y, float z) {
    float r[2];
    Convert(x, y, z, r[0], r[1]);
    return r[K];
}

}  // namespace

float x3dpos(float x, float y, float z) { return boxComponent<pos3pt, 0>(x, y, z); }
float y3dpos(float x, float y, float z) { return boxComponent<pos3pt, 1>(x, y, z); }
float z3dpos(float x, float y, float z) { return boxComponent<pos3pt, 2>(x, y, z); }
float x3dabs(float x, float y, float z) { return plotComponent<abs3pt, 0>(x, y, z); }
float y3dabs(float x, float y, float z) { return plotComponent<abs3pt, 1>(x, y, z); }
float x3drel(float x, float y, float z) { return plotComponent<rel3pt, 0>(x, y, z); }
float y3drel(float x, float y, float z) { return plotComponent<rel3pt, 1>(x, y, z); }

void box3d() {
    Globals* gp = jqqlev(3, 3, "box3d");
    if (!gp || gp->axis.kind != AxisKind::Box3D) return;
    Globals& g = *gp;
    const float hx = 0.5f * g.g3d.box[0], hy = 0.5f * g.g3d.box[1], hz = 0.5f * g.g3d.box[2];
    const float cx[4] = {-hx, hx, hx, -hx}, cy[4] = {-hy, -hy, hy, hy};
    sclpax(g, 1);
    for (float z : {-hz, hz}) {
        for (int i = 0; i <= 4; ++i) {
            const float p[3] = {cx[i % 4], cy[i % 4], z};
            if (i == 0) boxMove(g, p);
            else boxDraw(g, p);
        }
    }
    for (int i = 0; i < 4; ++i) {
        const float a[3] = {cx[i], cy[i], -hz}, b[3] = {cx[i], cy[i], hz};
        boxMove(g, a);
        boxDraw(g, b);
    }
    qqstrk(g);
    sclpax(g, 0);
}

}  // namespace vtx
