// The lighting model and its settings.
#include "graph3d/lighting.h"

#include <cmath>

#include "core/checks.h"
#include "core/messages.h"
#include "graph3d/api.h"
#include "graph3d/box_system.h"

namespace vtx {

namespace {

constexpr float kSceneAmbient = 0.2f;

float dot(const float a[3], const float b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// The eye and the light positions in box coordinates: those of the current
// 3-D system, else the default view point and the positions as stored.
void sceneOf(const Globals& g, float eye[3], float lights[8][3]) {
    const Graph3DState& s = g.g3d;
    const bool system = g.ctl.level == 3 && g.axis.kind == AxisKind::Box3D;
    for (int i = 0; i < 3; ++i) eye[i] = system ? s.eye[i] : (i == 1 ? -2.5f : 2.0f) * s.axis3[i];
    for (int k = 0; k < 8; ++k)
        for (int i = 0; i < 3; ++i) lights[k][i] = system ? s.lightBox[k][i] : s.lights[k].pos[i];
}

Globals* lightSource(const char* routine, int i) {
    Globals* g = chkini(routine);
    if (!g) return nullptr;
    if (i < 1 || i > 8) {
        warnin(Warning::IncorrectParameter);
        return nullptr;
    }
    return g;
}

bool nonNegative(float v) {
    if (v >= 0.0f) return true;
    warnin(Warning::NegativeParameter);
    return false;
}

}  // namespace

int litColourIndex(const LightSource sources[8], const float lights[8][3], const float material[4],
                   const float p[3], const float n[3], const float eye[3]) {
    float v[3] = {eye[0] - p[0], eye[1] - p[1], eye[2] - p[2]};
    const float vl = std::sqrt(dot(v, v));
    if (vl > 0.0f) v[0] /= vl, v[1] /= vl, v[2] /= vl;
    float sum = 0.0f;
    for (int i = 0; i < 8; ++i) {
        const LightSource& s = sources[i];
        if (!s.on) continue;
        float l[3] = {lights[i][0] - p[0], lights[i][1] - p[1], lights[i][2] - p[2]};
        const float d = std::sqrt(dot(l, l));
        if (d > 0.0f) l[0] /= d, l[1] /= d, l[2] /= d;
        const float c = dot(l, n);
        const float A = s.ambient * material[0], D = s.diffuse * material[1], S = s.specular * material[2];
        const float diffuse = c > 0.0f ? c * D : 0.0f;
        float specular = 0.0f;
        if (S > 1.0e-35f && c > 1.0e-7f) {
            const float r[3] = {2.0f * c * n[0] - l[0], 2.0f * c * n[1] - l[1], 2.0f * c * n[2] - l[2]};
            const float rv = dot(r, v);
            if (rv > 0.0f) specular = S * std::pow(rv, material[3]);
        }
        sum += (A + diffuse + specular) / (s.quadratic * d * d + s.linear * d + s.constant);
    }
    const float G = material[0] * kSceneAmbient;
    const int index = int((sum + G) * 254.0f + 0.5f);
    return index >= 256 ? 255 : index;
}

int litColour(const Globals& g, const float p[3], const float n[3]) {
    if (!g.g3d.light) return g.colour.current;
    float eye[3], lights[8][3];
    sceneOf(g, eye, lights);
    const float toEye[3] = {eye[0] - p[0], eye[1] - p[1], eye[2] - p[2]};
    const float sign = dot(toEye, n) < 0.0f ? -1.0f : 1.0f;
    const float m[3] = {sign * n[0], sign * n[1], sign * n[2]};
    return litColourIndex(g.g3d.lights, lights, g.g3d.material, p, m, eye);
}

void light(const char* mode) {
    Globals* g = chkini("light");
    if (!g) return;
    if (const int k = jqqind("OFF +ON  ", 2, mode)) g->g3d.light = k - 1;
}

void litmod(int i, const char* mode) {
    Globals* g = lightSource("litmod", i);
    if (!g) return;
    if (const int k = jqqind("OFF +ON  ", 2, mode)) g->g3d.lights[i - 1].on = k - 1;
}

void litpos(int i, float x, float y, float z, const char* mode) {
    Globals* g = lightSource("litpos", i);
    if (!g) return;
    const int k = jqqind("ABS +USER+ANGL", 3, mode);
    if (k == 0) return;
    Graph3DState& s = g->g3d;
    LightSource& l = s.lights[i - 1];
    float p[3] = {x, y, z};
    if (g->ctl.level == 3 && g->axis.kind == AxisKind::Box3D) {
        // In a 3-D system the position is kept as a user point.
        if (k == 3) angleViewPoint(x, y, z, p);
        if (k != 2) {
            const AxisState& a = g->axis;
            p[0] = userCoordinate(a.sx, p[0], s.box[0]);
            p[1] = userCoordinate(a.sy, p[1], s.box[1]);
            p[2] = userCoordinate(a.sz, p[2], s.box[2]);
        }
        l.mode = 2;
        userToBox(*g, p[0], p[1], p[2], s.lightBox[i - 1][0], s.lightBox[i - 1][1], s.lightBox[i - 1][2]);
    } else {
        l.mode = k;
    }
    for (int j = 0; j < 3; ++j) l.pos[j] = p[j];
}

void litopt(int i, float value, const char* option) {
    Globals* g = lightSource("litopt", i);
    if (!g) return;
    const int k = jqqind("AMBI+DIFF+SPEC+CONS+LINE+QUAD", 6, option);
    if (k == 0 || !nonNegative(value)) return;
    LightSource& l = g->g3d.lights[i - 1];
    float* fields[6] = {&l.ambient, &l.diffuse, &l.specular, &l.constant, &l.linear, &l.quadratic};
    *fields[k - 1] = (k == 4 && value == 0.0f) ? 1.0e-10f : value;
}

void matopt(float value, const char* option) {
    Globals* g = chkini("matopt");
    if (!g) return;
    const int k = jqqind("AMBI+DIFF+SPEC+EXPO", 4, option);
    if (k == 0 || !nonNegative(value)) return;
    g->g3d.material[k - 1] = value;
}

int getlit(float x, float y, float z, float xn, float yn, float zn) {
    Globals* g = chkini("getlit");
    if (!g) return 0;
    float p[3] = {x, y, z};
    if (g->ctl.level == 3 && g->axis.kind == AxisKind::Box3D) userToBox(*g, x, y, z, p[0], p[1], p[2]);
    float n[3] = {xn, yn, zn};
    const float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (len > 0.0f) n[0] /= len, n[1] /= len, n[2] /= len;
    if (!g->g3d.light) return g->colour.current;
    float eye[3], lights[8][3];
    sceneOf(*g, eye, lights);
    return litColourIndex(g->g3d.lights, lights, g->g3d.material, p, n, eye);
}

}  // namespace vtx
