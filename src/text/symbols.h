// Plot symbols: the 24 built-in shapes and the user symbol of mysymb.
#pragma once

#include "device/surface_shapes.h"
#include "session/globals.h"

namespace vtx {

constexpr int kHighestSymbol = 23;

// Symbol `number` centred at plot position (x, y) (origin shift not yet
// applied) with the current symbol size and rotation.
void dsymbl(Globals& g, int number, float x, float y);

// The same with an explicit size, for the instruction alphabet; (x, y)
// already includes the origin shift.
void drawSymbolSized(Globals& g, int number, float x, float y, float size);

// The symbols of one data series: one number, size and state for all its
// points, so the state is looked at once and symbols that lie inside the
// clipping window go straight into a pixel surface. Draws what dsymbl draws.
class SymbolRun {
   public:
    // About `count` symbols will be drawn.
    SymbolRun(Globals& g, int number, long count);
    // Symbol at plot position (x, y), origin shift not yet applied.
    void draw(float x, float y);
    // Symbols at (x[i], y[i]), i < n, origin shift not yet applied (the
    // arrays get it): many at once are drawn on two threads where they lie
    // inside the window, with the same pixels and state as one by one.
    void drawAll(float* x, float* y, long n);
    // Whether its symbols skip the pipeline where they lie inside the window.
    bool direct() const { return direct_; }

   private:
    void drawShifted(float x, float y);  // origin shift applied
    static void drawOther(void* context, long i, SurfaceShapes::RunEnd& end);
    const float* manyX_ = nullptr;      // the symbols of drawAll
    const float* manyY_ = nullptr;
    Globals& g_;
    int number_;
    float size_;
    bool direct_ = false;  // false: every symbol the general way
    SurfaceShapes surface_;
};

}  // namespace vtx
