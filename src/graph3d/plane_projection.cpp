// grfini and grffin: between them the level is 1 and 2-D drawing lands in a
// plane of the 3-D box. Each visible segment (already clipped as 2-D output
// is) is carried from the page onto the plane and projected; a plane maps
// onto the screen projectively, so straight segments stay straight.
#include "core/checks.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/axis_system.h"
#include "graph3d/api.h"
#include "graph3d/box_system.h"

namespace vtx {

namespace {

// Page point (plot coordinates, y down) to its place in the plane, box coordinates.
void pageToPlane(const Globals& g, float x, float y, float b[3]) {
    const float(&p)[3][3] = g.g3d.plane;
    const float u = x / float(g.out.nxPage), v = (float(g.out.nyPage) - y) / float(g.out.nyPage);
    for (int k = 0; k < 3; ++k) b[k] = p[0][k] + u * (p[1][k] - p[0][k]) + v * (p[2][k] - p[1][k]);
}

// The moves of a polyline reach the device unprojected, so every segment
// starts with its own move to the projected point. clip3d("3D") cuts the
// segment to the box; the front and back planes always cut it.
void planeSegment(Globals& g, float x1, float y1, float x2, float y2, bool) {
    const Graph3DState& s = g.g3d;
    float a[3], b[3];
    pageToPlane(g, x1, y1, a);
    pageToPlane(g, x2, y2, b);
    if (s.clip3 == kClip3D && !clipSegmentToBox(s.box, a, b)) return;
    if (!clipSegment(s.projection, s.depthRange, a, b)) return;
    float X1, Y1, X2, Y2;
    boxToPlot(g, a[0], a[1], a[2], X1, Y1);
    boxToPlot(g, b[0], b[1], b[2], X2, Y2);
    passSegment(g, SegmentStage::PlaneProjection, X1, Y1, X2, Y2, true);
}

}  // namespace

void grfini(float x1, float y1, float z1, float x2, float y2, float z2, float x3, float y3, float z3) {
    Globals* gp = box3dSystem("grfini");
    if (!gp) return;
    Globals& g = *gp;
    Graph3DState& s = g.g3d;
    const float pts[3][3] = {{x1, y1, z1}, {x2, y2, z2}, {x3, y3, z3}};
    for (int i = 0; i < 3; ++i)
        for (int k = 0; k < 3; ++k) s.plane[i][k] = pts[i][k];
    qqstrk(g);
    const AxisState& a = g.axis;
    s.savedSystem = SavedBoxSystem{a.kind, a.nxa, a.nya, a.nxl, a.nyl, a.xa, a.ya, a.sx, a.sy, a.sz};
    g.axis.kind = AxisKind::None;
    g.ctl.level = 1;
    s.planeActive = 1;
    installSegmentFilter(g.line.slots, SegmentStage::PlaneProjection, planeSegment);
}

void clip3d(const char* keyword) {
    Globals* g = chkini("clip3d");
    if (!g) return;
    static constexpr int kModes[] = {kClipNone, kClip2D, kClip3D};
    if (const int k = jqqind("NONE+2D  +3D  ", 3, keyword)) {
        qqstrk(*g);
        g->g3d.clip3 = kModes[k - 1];
    }
}

void grffin() {
    Globals* gp = jqqlev(1, 3, "grffin");
    if (!gp) return;
    Globals& g = *gp;
    Graph3DState& s = g.g3d;
    if (!s.planeActive) {
        warnin(Warning::NoGrfini);
        return;
    }
    qqstrk(g);
    removeSegmentFilter(g.line.slots, SegmentStage::PlaneProjection);
    s.planeActive = 0;
    AxisState& a = g.axis;
    const SavedBoxSystem& b = s.savedSystem;
    a.kind = b.kind, a.nxa = b.nxa, a.nya = b.nya, a.nxl = b.nxl, a.nyl = b.nyl, a.xa = b.xa, a.ya = b.ya;
    a.sx = b.sx, a.sy = b.sy, a.sz = b.sz;
    a.mapProject = nullptr;
    g.ctl.level = 3;
    registerAxisClip(g);
}

}  // namespace vtx
