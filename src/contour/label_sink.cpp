#include "contour/label_sink.h"

#include <cmath>

#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "graph2d/axis_transform.h"
#include "text/strings.h"

namespace vtx {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kDegrees = 180.0f / kPi;
constexpr float kFirstStretch = 100.0f;   // path before the first label of a line
constexpr float kMaxTurn = 5.0f;           // degrees between segments where a stretch may start

// Direction of a segment in degrees, y of the page pointing down.
float directionOf(float dx, float dy) { return dx == 0.0f ? 90.0f : -std::atan(dy / dx) * kDegrees; }

}  // namespace

void LabelSink::drawTo(float x, float y) { connqq(g_, x, y, offset_); }
void LabelSink::moveTo(float x, float y) { strtqq(g_, x, y, offset_); }

void LabelSink::drawBuffer(int from) {
    for (int k = from; k < count_; ++k) drawTo(bx_[k], by_[k]);
}

void LabelSink::append(float x, float y) {
    if (count_ == kBuffer) --count_;  // a full buffer keeps replacing its last point
    bx_[count_] = x, by_[count_] = y, ++count_;
}

void LabelSink::start(float u, float v) {
    drawBuffer(0);
    count_ = 0;
    path_ = 0.0f, threshold_ = kFirstStretch;
    state_ = State::Searching;
    haveDirection_ = false;
    userToPlot(g_, u, v, qx_, qy_);
    moveTo(qx_, qy_);
}

void LabelSink::to(float u, float v) {
    float x, y;
    userToPlot(g_, u, v, x, y);
    const float s = std::hypot(x - qx_, y - qy_);
    const float direction = directionOf(x - qx_, y - qy_);
    if (state_ == State::Searching) {
        path_ += s;
        const bool turned = !haveDirection_ || std::fabs(direction - previousDirection_) > kMaxTurn;
        if (path_ < threshold_ || turned) {
            drawTo(x, y);
        } else {
            state_ = State::Collecting;
            s0x_ = qx_, s0y_ = qy_, stretch_ = 0.0f;
            threshold_ = label_.distance;
            collect(x, y, s);
        }
    } else {
        collect(x, y, s);
    }
    previousDirection_ = direction, haveDirection_ = true;
    qx_ = x, qy_ = y;
}

void LabelSink::finish() {
    drawBuffer(0);
    count_ = 0;
    qqstrk(g_);
}

void LabelSink::collect(float x, float y, float s) {
    const float d = std::hypot(x - s0x_, y - s0y_);
    append(x, y);
    if (d >= (2.0f * label_.factor + 1.0f) * label_.length) {
        place();
        return;
    }
    stretch_ += s;
    if (stretch_ > label_.quotient * d) {  // the line bends too much for a label here
        drawBuffer(0);
        s0x_ = x, s0y_ = y, stretch_ = 0.0f;
        count_ = 0;
    }
}

void LabelSink::place() {
    if (count_ == 1) {
        drawTo(bx_[0], by_[0]);
        s0x_ = bx_[0], s0y_ = by_[0], stretch_ = 0.0f;
        count_ = 0;
        return;
    }
    const float len = label_.length;
    float sx = s0x_, sy = s0y_;
    int k = 0;
    for (; k < count_ && std::hypot(bx_[k] - s0x_, by_[k] - s0y_) < label_.factor * len; ++k) {
        drawTo(bx_[k], by_[k]);
        sx = bx_[k], sy = by_[k];
    }
    int e = count_ - 1;
    for (int m = k; m < count_; ++m)
        if (std::hypot(bx_[m] - s0x_, by_[m] - s0y_) >= (label_.factor + 1.0f) * len) {
            e = m;
            break;
        }
    const float ex = bx_[e], ey = by_[e];
    const float gap = std::hypot(ex - sx, ey - sy);
    const float a = ex == sx ? kPi / 2.0f : -std::atan2(ey - sy, ex - sx);
    const float before = (gap - len) / 2.0f;
    drawTo(sx + std::cos(a) * before, sy - std::sin(a) * before);
    if (label_.drawText) drawText(sx, sy, ex, ey, gap);
    moveTo(sx + std::cos(a) * (before + len), sy - std::sin(a) * (before + len));
    drawBuffer(e);
    count_ = 0;
    state_ = State::Searching;
    path_ = 0.0f;
}

// The label between gap ends S and E, along the gap and never upside down.
void LabelSink::drawText(float sx, float sy, float ex, float ey, float gap) {
    qqstrk(g_);
    const float h = (gap - label_.length + label_.gap) / 2.0f;
    const float half = label_.height / 2.0f;
    float x, y;
    int degrees;
    if (ex == sx) {
        degrees = 90;
        x = sx - half, y = (sy > ey ? sy : ey) - h;
    } else {
        const float t = -std::atan((ey - sy) / (ex - sx));
        degrees = int(std::lround(t * kDegrees));
        const float ox = ex > sx ? sx : ex, oy = ex > sx ? sy : ey;
        x = ox + std::cos(t) * h - std::sin(t) * half;
        y = oy - std::sin(t) * h - std::cos(t) * half;
    }
    g_.text.angle = degrees;
    const ColourScope colour(g_);
    if (label_.colour >= 0) qqsclr(g_, label_.colour);
    if (label_.text) qqmess(g_, label_.text, int(x), int(y));
    else numberText(g_, label_.level, label_.digits, int(x), int(y), false);
}

}  // namespace vtx
