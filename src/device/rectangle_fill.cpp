#include "device/rectangle_fill.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "device/area_fill.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "device/surface_spans.h"

namespace vtx {

namespace {

constexpr int kSolidPattern = 16;
// Beyond this the differences of the polygon fill's edge arithmetic could
// overflow; such rectangles take the general way.
constexpr float kCoordinateLimit = 1e30f;

// std::trunc and std::floor, without the library call where the value fits
// a 64-bit integer.
inline double truncated(double v) { return std::fabs(v) < 0x1p62 ? double((long long)v) : std::trunc(v); }
inline double floored(double v) {
    if (!(std::fabs(v) < 0x1p62)) return std::floor(v);
    const double t = double((long long)v);
    return t > v ? t - 1.0 : t;
}

// Pixels lo..hi of a row inside the surface's clipping rectangle; most cells
// of a colour plot are a few pixels wide.
inline void writeRun(PixelSurface& s, const SurfaceColour& c, int lo, int hi, int row) {
    unsigned char* p = s.at(lo, row);
    const int n = hi - lo + 1;
    if (s.rgbMode()) {
        for (int i = 0; i < n; ++i, p += 3) p[0] = c.bytes[0], p[1] = c.bytes[1], p[2] = c.bytes[2];
    } else if (n <= 16) {
        for (int i = 0; i < n; ++i) p[i] = c.bytes[0];
    } else {
        std::memset(p, c.bytes[0], std::size_t(n));
    }
}

}  // namespace

// The direct way covers what the polygon fill does with level scan lines on
// a pixel surface whose device maps points as windows do: solid pattern,
// no groups, no second line set, plain thin lines, rectangular clipping and
// nothing installed in the pipeline.
RectangleFill::RectangleFill(Globals& g) : g_(g) {
    const FillState& f = g.fill;
    const LineState& line = g.line;
    direct_ = f.pattern == kSolidPattern && f.angle == 0 && f.cross == 0 && patternLineType(f.type) == 0 &&
              !(patternUsesGroups(f.type) && f.groupDrawn > 0) && f.spacing > 0.0f && std::isfinite(f.spacing) &&
              pipelineOnlyMapsToSurface(g);
    if (!direct_) return;
    clipX1_ = float(line.clipX1), clipX2_ = float(line.clipX2);
    clipY1_ = float(line.clipY1), clipY2_ = float(line.clipY2);
    originX_ = float(line.originX), originY_ = float(line.originY);
    scale_ = g.out.deviceScale;
    spacing_ = f.spacing;
    // The band of scan lines within a spacing of the window, as numbers of
    // lines (spans are given before the origin shift).
    const float low = std::min(clipY1_ - originY_, clipY2_ - originY_) - f.spacing;
    const float high = std::max(clipY1_ - originY_, clipY2_ - originY_) + f.spacing;
    lowestLine_ = std::ceil(low / spacing_);
    highestLine_ = std::floor(high / spacing_);
}

// A rectangle whose width lies inside the window has, on every scan line,
// either its whole span inside the window or none of it; the polygon fill
// would then move the pen to the left end of each visible span and draw to
// the right end. Its crossings with the vertical edges are x1 and x2 plus a
// positive zero, and the turn by angle 0 gives x and the scan line's height
// back, up to the sign of zero, which the (integer) origin shift erases.
void RectangleFill::fill(float x1, float y1, float x2, float y2) {
    Globals& g = g_;
    if (!(x1 == column_.x1 && x2 == column_.x2)) takeColumn(x1, x2);
    if (!column_.direct || !(y1 <= y2) ||
        !(std::fabs(y1) <= kCoordinateLimit && std::fabs(y2) <= kCoordinateLimit)) {
        const float x[4] = {x1, x2, x2, x1}, y[4] = {y1, y1, y2, y2};
        dareaf(g, x, y, 4);
        return;
    }
    if (g.line.bufCount > 0) qqstrk(g);  // what was drawn before goes first
    if (x1 == x2) return;                // no scan line has a span

    // The scan lines of the polygon fill: from half a spacing below the
    // lowest y to half a spacing above the highest, inside the band. The
    // numbers are finite, so max and min give what fmax and fmin would, up
    // to the sign of zero, which the scan line's height loses again.
    const double h = spacing_;
    const double first = truncated(y1 / h - 0.5), last = floored((y2 + 0.5 * h) / h);
    const double from = std::max(first, lowestLine_), to = std::min(last, highestLine_);
    if (to - from > kMaxScanLines) return;

    PixelSurface& s = g.surface;
    const SurfaceColour colour = s.colourBytes;
    const int left = column_.left, right = column_.right, lo = column_.lo, hi = column_.hi;
    bool any = false;
    float lastY = 0.0f;
    for (double k = from; k <= to; k += 1.0) {
        const float ys = float(k * h);
        if (!(ys < y2)) break;  // the heights only grow
        if (!(ys >= y1)) continue;
        const float Y = ys + originY_;
        any = true, lastY = Y;
        if (!(Y >= clipY1_ && Y <= clipY2_)) continue;  // clipped away whole
        g.ctl.vectors += 2;                            // the move and the draw
        const int row = int(roundHalfUp(Y * scale_));
        if (column_.inSurfaceClip && row >= s.clipY1 && row <= s.clipY2) writeRun(s, colour, lo, hi, row);
        else s.line(left, row, right, row, colour);
        s.penX = right, s.penY = row;
    }
    // The pipeline's current point is where the last span ended.
    if (any) g.line.curX = x2 + originX_, g.line.curY = lastY;
}

// Cells of a column share their sides: the pixel columns of the sides are
// kept until other sides come.
void RectangleFill::takeColumn(float x1, float x2) {
    const float X1 = x1 + originX_, X2 = x2 + originX_;
    Column& c = column_;
    c.x1 = x1, c.x2 = x2;
    c.direct = direct_ && x1 <= x2 && X1 >= clipX1_ && X2 <= clipX2_;
    if (!c.direct) return;
    c.left = int(roundHalfUp(X1 * scale_)), c.right = int(roundHalfUp(X2 * scale_));
    c.lo = std::min(c.left, c.right), c.hi = std::max(c.left, c.right);
    // Both ends in the surface's clipping columns: rows inside its clipping
    // rows are filled here, the others drawn as the device draws lines.
    const PixelSurface& s = g_.surface;
    c.inSurfaceClip = c.lo >= s.clipX1 && c.hi <= s.clipX2;
}

}  // namespace vtx
