// Arrows and wind barbs as polylines and filled triangles in plot coordinates
// (y grows downwards). The generators hand their pieces to a sink with
// polyline(x, y, n) and filled(x, y, n) and never touch the state record.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vtx {

constexpr double kArrowPi = 3.14159265358979323846;

// The four decimal digits of an arrow code, from the left: head width ratio,
// head size, head form (0 filled, 1 outlined with the shaft ending at the
// head's base, 2 open, 3 outlined) and head position (0 none, 1 at the end,
// 2 at both ends pointing outwards, 3 two heads pointing forwards).
struct ArrowCode {
    int ratio, size, form, position;
    explicit ArrowCode(long long code)
        : ratio(int(code / 1000 % 10)), size(int(code / 100 % 10)), form(int(code / 10 % 10)), position(int(code % 10)) {}
    float headLength() const { return 10.0f * float(size) + 10.0f; }
    float headHalfWidth() const { return (float(ratio) + 0.5f) / 4.5f * headLength(); }
};

// Emits an arrow from (x1, y1) to (x2, y2). Returns -1, or the digit that is
// out of range (form, then position) after the plain line has been emitted.
template <typename Sink>
int emitArrow(float x1, float y1, float x2, float y2, int code, Sink&& sink) {
    const ArrowCode c(std::llabs(code));
    if (c.position == 0 || c.form != 1) {
        const float x[2] = {x1, x2}, y[2] = {y1, y2};
        sink.polyline(x, y, 2);
    }
    if (c.position == 0) return -1;
    if (c.form > 3) return c.form;
    if (c.position > 3) return c.position;

    // The direction angle on the page, measured with y upwards.
    const double dx = double(x2) - x1, dy = double(y1) - y2;
    double a;
    if (dx != 0.0) {
        a = std::atan(dy / dx);
        if (dx < 0) a = dy == 0 ? kArrowPi : (dy > 0 ? a + kArrowPi : a - kArrowPi);
    } else {
        a = dy < 0 ? -kArrowPi / 2 : kArrowPi / 2;
    }
    const double ux = std::cos(a), uy = -std::sin(a);   // along the arrow
    const double px = std::sin(a), py = std::cos(a);    // across it
    const double length = dy != 0.0 ? std::fabs(dy / std::sin(a)) : std::fabs(dx);
    const double L = c.headLength(), W = c.headHalfWidth();
    auto along = [&](double d, float& x, float& y) {
        x = float(x1 + d * ux);
        y = float(y1 + d * uy);
    };

    if (c.form == 1) {
        float x[2], y[2];
        along(c.position >= 2 ? L : 0.0, x[0], y[0]);
        along(length - L, x[1], y[1]);
        sink.polyline(x, y, 2);
    }
    auto head = [&](double tip, double base) {
        float tx, ty, bx, by;
        along(tip, tx, ty);
        along(base, bx, by);
        const float x[4] = {float(bx - W * px), tx, float(bx + W * px), float(bx - W * px)};
        const float y[4] = {float(by - W * py), ty, float(by + W * py), float(by - W * py)};
        sink.polyline(x, y, c.form == 2 ? 3 : 4);
        if (c.form == 0) sink.filled(x, y, 3);
    };
    head(length, length - L);
    if (c.position == 2) head(0.0, L);
    if (c.position == 3) head(L, 0.0);
    return -1;
}

// What a wind barb of a given speed (knots) shows.
struct WindBarbCounts {
    int pennants = 0, full = 0, half = 0;
    bool calm = false;
};

inline WindBarbCounts windBarbCounts(float speed) {
    WindBarbCounts c;
    // Speeds that round to 0 are calm (NaN too); beyond 1000 knots nothing is measured.
    if (!(speed >= 0.5f)) {
        c.calm = true;
        return c;
    }
    speed = std::min(speed, 1000.0f);
    const int n = int(speed + 2.5f);
    c.pennants = n / 50;
    const float r = speed - 50.0f * float(c.pennants);
    c.full = int(r + 2.5f) / 10;
    const float rest = r - 10.0f * float(c.full);
    c.half = int(rest + 2.5f) / 5;
    return c;
}

// Emits the barb of a (not calm) wind at (x, y): the staff of length L, then
// pennants (filled), full barbs and half barbs of length S, S div 3 apart,
// from the staff's end; `angle` is in degrees clockwise from straight up.
template <typename Sink>
void emitWindBarb(const WindBarbCounts& c, float x, float y, float L, int S, float angle, Sink&& sink) {
    const float turn = angle * 3.1415927f / 180.0f;
    const float cs = std::cos(turn), sn = std::sin(turn);
    // Local frame: x across, y along the staff, negative towards its end.
    auto put = [&](float lx, float ly, float& px, float& py) {
        px = x + cs * lx - sn * ly;
        py = y + sn * lx + cs * ly;
    };
    auto line = [&](float ax, float ay, float bx, float by) {
        float px[2], py[2];
        put(ax, ay, px[0], py[0]);
        put(bx, by, px[1], py[1]);
        sink.polyline(px, py, 2);
    };
    line(0, 0, 0, -L);
    const int third = S / 3;
    const float s = float(S);
    float d = 0;
    for (int i = 0; i < c.pennants; ++i) {
        float px[3], py[3];
        put(0, d - L, px[0], py[0]);
        put(s, d - L, px[1], py[1]);
        put(0, d - L + float(third), px[2], py[2]);
        sink.filled(px, py, 3);
        d += 0.5f * float(third) + s / 3;
    }
    if (c.pennants > 0) d += 0.5f * float(third);
    for (int i = 0; i < c.full; ++i) {
        line(0, d - L, s, d - L - s / 3);
        d += float(third);
    }
    if (c.pennants == 0 && c.full == 0 && c.half == 1) {
        line(0, d - L + s / 2, s / 2, d - L);
        return;
    }
    for (int i = 0; i < c.half; ++i) {
        line(0, d - L, s / 2, d - L - s / 6);
        d += float(third);
    }
}

}  // namespace vtx
