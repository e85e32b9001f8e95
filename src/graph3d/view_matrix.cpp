// The view matrix of central projection and the eye of an angle view.
#include "graph3d/view_matrix.h"

#include <cmath>

namespace vtx {

ViewMatrix makeViewMatrix(const ViewParameters& v) {
    ViewMatrix out;
    float(&r)[4][4] = out.m;
    const float ex = v.eye[0], ey = v.eye[1], ez = v.eye[2];
    const float dx = ex - v.focus[0], dy = ey - v.focus[1], dz = ez - v.focus[2];
    const float rhoXY = std::sqrt(dx * dx + dy * dy);
    const float c = std::cos(v.up), s = std::sin(v.up);
    const float n = v.nearDist;
    const float f = std::tan(v.halfAngle) * n;
    if (rhoXY >= 1.0e-6f) {
        const float rho = std::sqrt(dz * dz + rhoXY * rhoXY);
        const float uy = dy / rhoXY, vx = dx / rhoXY, p = rhoXY / rho, q = dz / rho;
        const float t1 = ex * uy - ey * vx, t2 = -ex * vx - ey * uy, t3 = -ez * p - q * t2;
        const float rows[3][4] = {
            {q * vx * s - c * uy, q * uy * s + c * vx, -p * s, c * t1 - s * t3},
            {-uy * s - q * vx * c, vx * s - q * uy * c, p * c, t3 * c + t1 * s},
            {-vx * p, -uy * p, -q, -(t2 * p - ez * q)},
        };
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j) r[i][j] = rows[i][j];
    } else {
        // Straight down the Z axis the direction of view has no horizontal
        // part to take the screen axes from: X and Y of the box serve.
        const float rows[3][4] = {
            {c, -s, 0.0f, ey * s - c * ex},
            {s, c, 0.0f, -s * ex - ey * c},
            {0.0f, 0.0f, -1.0f, ez},
        };
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 4; ++j) r[i][j] = rows[i][j];
        out.vertical = true;
    }
    float k1, k0;
    if (v.farDist >= 0.0f) {
        const float g = 1.0f - n / v.farDist;
        k1 = f / (n * g), k0 = -f / g;
    } else {
        k1 = f / n, k0 = -f;
    }
    for (int j = 0; j < 4; ++j) {
        r[3][j] = r[2][j] * f / n;
        r[2][j] *= k1;
    }
    r[2][3] += k0;
    return out;
}

void angleViewPoint(float alphaDeg, float betaDeg, float r, float out[3]) {
    const float rad = 3.14159265358979f / 180.0f;
    const float a = alphaDeg * rad, b = betaDeg * rad;
    out[0] = r * std::cos(b) * std::sin(a);
    out[1] = r * std::cos(b) * std::cos(a);
    out[2] = r * std::sin(b);
}

}  // namespace vtx
