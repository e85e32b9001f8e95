// Plot symbols straight into the pixel surface. A scatter plot draws
// thousands of the same small shape; when the state lets the pipeline only
// map their points and the solid fill only write level spans, a run of
// symbols checks that state once and then draws each symbol directly, with
// the pixels, device pen, vector count and pipeline point of the general way.
#pragma once

#include "device/scanline_fill.h"
#include "device/surface_spans.h"
#include "session/globals.h"

namespace vtx {

class SurfaceShapes {
   public:
    // Works out whether the state as it is now lets shapes skip the
    // pipeline and the fill: a pixel surface mapped by its own devices'
    // mapping on a page that is not turned, thin lines, rectangular clipping,
    // no installed stages or filters, a device that does not fill polygons.
    explicit SurfaceShapes(Globals& g);
    bool usable() const { return usable_; }

    // The polylines of a shape, `lengths[p]` points each, given as offsets
    // (dx, dy) from the centre (cx, cy) (origin shift applied), outlined in
    // turn, the first also filled solid when `filled`. False, with nothing
    // drawn, where a point lies outside the clipping window or the filled
    // outline is not made of one rising and one falling chain.
    bool draw(float cx, float cy, const float* dx, const float* dy, const int* lengths, int polylines, bool filled);

   private:
    void fill(LevelChainFill& shape);

    Globals& g_;
    SurfaceSpans<PixelMapping> spans_;
    double spacing_ = 0.0, firstVisible_ = 0.0, lastVisible_ = 0.0;
    bool usable_ = false;
};

}  // namespace vtx
