#include "device/base_transform.h"

#include <cmath>

#include "session/globals.h"
#include "device/pipeline.h"

namespace vtx {

namespace {

void activate(TransformState& t) {
    if (t.active) return;
    t.a = t.e = 1.0f;
    t.b = t.c = t.d = t.f = 0.0f;
    t.active = 1;
}

void applyBaseTransform(const Globals& g, float& x, float& y) { btrf01(g.trf, x, y); }

// Every step leaves the transformation active, so its stage joins the pipeline.
void installBaseTransform(Globals& g) {
    installPointStage(g.line.slots, PointStage::BaseTransform, applyBaseTransform);
}

}  // namespace

void resetBaseTransform(Globals& g) {
    g.trf.active = 0;
    removePointStage(g.line.slots, PointStage::BaseTransform);
}

void shiftTransform(TransformState& t, float dx, float dy) {
    activate(t);
    t.c += dx;
    t.f += dy;
}

void scaleTransform(TransformState& t, float sx, float sy) {
    activate(t);
    // The shift is part of the rows, so it is scaled too.
    t.a *= sx, t.b *= sx, t.c *= sx;
    t.d *= sy, t.e *= sy, t.f *= sy;
}

void rotateTransform(TransformState& t, float angle, float px, float py) {
    activate(t);
    const float phi = 0.0174533f * angle;
    const float s = std::sin(phi), k = std::cos(phi);
    t.c -= px, t.f -= py;
    const float a = t.a, b = t.b, c = t.c, d = t.d, e = t.e, f = t.f;
    t.a = k * a + s * d, t.b = k * b + s * e, t.c = k * c + s * f;
    t.d = k * d - s * a, t.e = k * e - s * b, t.f = k * f - s * c;
    t.c += px, t.f += py;
}

void trfshf(int nx, int ny) {
    Globals* g = jqqlev(0, 3, "trfshf");
    if (!g) return;
    shiftTransform(g->trf, float(nx), float(ny));
    installBaseTransform(*g);
}

void trfscl(float xscale, float yscale) {
    Globals* g = jqqlev(0, 3, "trfscl");
    if (!g) return;
    scaleTransform(g->trf, xscale, yscale);
    installBaseTransform(*g);
}

void trfrot(float angle, int nx, int ny) {
    Globals* g = jqqlev(0, 3, "trfrot");
    if (!g) return;
    rotateTransform(g->trf, angle, float(nx) + float(g->line.originX), jqqyvl(*g, float(ny)) + float(g->line.originY));
    installBaseTransform(*g);
}

void trfres() {
    Globals* g = jqqlev(0, 3, "trfres");
    if (g) resetBaseTransform(*g);
}

}  // namespace vtx
