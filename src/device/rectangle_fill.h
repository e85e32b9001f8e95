// Solid fills of axis-parallel rectangles in quantity: the cells of colour
// plots and coloured points. On a pixel surface the scan lines of each
// rectangle are found directly and its spans written straight into the
// surface rows; everything else is filled by dareaf.
#pragma once

#include <cmath>

#include "session/globals.h"

namespace vtx {

// The fill state, the line stages, the clipping window, the origin and the
// device are read once, at construction: make a new RectangleFill after
// changing any of them. The colour may change between fills.
class RectangleFill {
   public:
    explicit RectangleFill(Globals& g);
    RectangleFill(const RectangleFill&) = delete;
    RectangleFill& operator=(const RectangleFill&) = delete;

    // dareaf of the polygon (x1, y1) (x2, y1) (x2, y2) (x1, y2), in plot
    // coordinates: the same pixels, device pen, vector count and current
    // point of the pipeline.
    void fill(float x1, float y1, float x2, float y2);

    // True when fills of rectangles inside the clipping window bypass dareaf.
    bool direct() const { return direct_; }
    Globals& globals() const { return g_; }

   private:
    Globals& g_;
    bool direct_ = false;
    double spacing_ = 1.0;                // distance of the scan lines
    double lowestLine_ = 0.0, highestLine_ = 0.0;  // scan-line numbers that can reach the window
    float clipX1_ = 0.0f, clipX2_ = 0.0f, clipY1_ = 0.0f, clipY2_ = 0.0f;
    float originX_ = 0.0f, originY_ = 0.0f;
    float scale_ = 1.0f;                  // device pixels per plot unit
    // The sides of the last rectangle and what follows from them alone.
    struct Column {
        float x1 = NAN, x2 = NAN;
        bool direct = false;              // the direct way, the width inside the window
        int left = 0, right = 0, lo = 0, hi = 0;  // pixel columns of the sides, and ordered
        bool inSurfaceClip = false;       // both in the surface's clipping columns
    } column_;
    void takeColumn(float x1, float x2);
};

}  // namespace vtx
