// Contour lines with labels: a sink for the tracer that draws each line and
// interrupts it where a nearly straight stretch leaves room for the label.
#pragma once

#include "session/globals.h"

namespace vtx {

// What a label looks like, fixed once per level (lengths in plot units).
struct ContourLabel {
    bool drawText = true;   // false: leave the gaps only (the extra passes of thick lines)
    const char* text = nullptr;  // the label text; null: the level with `digits` digits
    float level = 0.0f;
    int digits = 1;
    float length = 0.0f;    // text width plus gap
    float gap = 0.0f;       // blank space of both sides together
    int height = 0;         // character height
    int colour = -1;        // -1: the current colour
    float factor = 0.5f;    // free space around a label, in label lengths
    float quotient = 1.5f;  // largest path length per straight distance of a stretch
    float distance = 500;   // path between one label stretch and the next search
};

class LabelSink {
public:
    LabelSink(Globals& g, float offset, const ContourLabel& label) : g_(g), offset_(offset), label_(label) {}
    void start(float u, float v);
    void to(float u, float v);
    void finish();

private:
    static constexpr int kBuffer = 500;
    enum class State { Searching, Collecting };

    void drawTo(float x, float y);
    void moveTo(float x, float y);
    void drawBuffer(int from);
    void append(float x, float y);
    void collect(float x, float y, float s);
    void place();
    void drawText(float sx, float sy, float ex, float ey, float g);

    Globals& g_;
    float offset_;
    const ContourLabel& label_;
    float bx_[kBuffer], by_[kBuffer];
    int count_ = 0;
    State state_ = State::Searching;
    float path_ = 0.0f, threshold_ = 100.0f, stretch_ = 0.0f;
    float qx_ = 0.0f, qy_ = 0.0f, s0x_ = 0.0f, s0y_ = 0.0f;
    float previousDirection_ = 0.0f;
    bool haveDirection_ = false;
};

}  // namespace vtx
