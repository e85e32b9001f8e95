// Plot symbols straight into the pixel surface. A scatter plot draws
// thousands of the same small shape; when the state lets the pipeline only
// map their points and the solid fill only write level spans, a run of
// symbols checks that state once and then draws each symbol directly, with
// the pixels, device pen, vector count and pipeline point of the general way.
#pragma once

#include <cstdlib>
#include <memory>

#include "device/surface_spans.h"
#include "session/globals.h"

namespace vtx {

class SurfaceShapes {
   public:
    static constexpr int kPoints = 24;  // outline points of a shape, all polylines
    static constexpr int kLines = 64;   // scan lines of its fill

    // Works out whether the state as it is now lets shapes skip the
    // pipeline and the fill: a pixel surface mapped by its own devices'
    // mapping on a page that is not turned, thin lines, rectangular clipping,
    // no installed stages or filters, a device that does not fill polygons.
    explicit SurfaceShapes(Globals& g);
    bool usable() const { return usable_; }

    // The shape of the run: polylines of `lengths[p]` points each, given as
    // offsets (dx, dy) from the centre, outlined in turn, the first also
    // filled solid when `filled`; the arrays must outlive the run. `count`
    // is about how many will be drawn. False where the shape cannot skip
    // the pipeline (too many points or scan lines, or the state).
    bool setShape(const float* dx, const float* dy, const int* lengths, int polylines, bool filled, long count);

    // The shape centred at (cx, cy), origin shift applied; polylines with a
    // point outside the clipping window go through the pipeline. False,
    // with nothing drawn, where a point is not finite or the filled outline
    // is not made of one rising and one falling chain.
    bool draw(float cx, float cy);

   private:
    // What a shape's pixels owe to the height of its centre alone: the pixel
    // rows of its outline, and for each scan line of its fill the edges it
    // crosses with the terms of the crossings that need only y. The symbols
    // of a scatter plot share a few hundred heights, each worked out once.
    struct Line {
        float ys, y;             // height before and after the origin shift
        float riseDy, riseHeight, fallDy, fallHeight;  // edgeCrossingAt terms
        int py;                  // pixel row
        unsigned char riseFrom, riseTo, fallFrom, fallTo;
        bool inside;             // y inside the window
    };
    struct Row {
        bool built;     // zero-filled memory reads as not built
        bool finite;    // every outline point's y finite
        unsigned inside;  // bit p: polyline p has all its y inside the window
        bool fillable;  // the fill is two chains of edges and its lines fit
        int lines;
        int py[kPoints];
        Line* line;     // lineRoom_ of them, in linePool_ or scratchLines_
    };
    // And to the x of its centre alone: the outline's pixel columns and its
    // x before the origin shift, as the fill takes it.
    struct Column {
        bool built, finite;
        unsigned inside;
        int px[kPoints];
        float fx[kPoints];
    };
    struct FreeTable {
        void operator()(void* p) const { std::free(p); }
    };
    // Entries for the whole-unit values inside the window, built when first
    // drawn; other values use a scratch entry.
    template <typename Entry>
    struct Table {
        std::unique_ptr<Entry, FreeTable> entries;
        int first = 0, count = 0;
        std::unique_ptr<Entry> scratch;
        bool allocate(int from, int to, bool whole);
        // build(v, entry, index): index -1 for the scratch entry.
        template <typename Build>
        const Entry& at(float v, Build&& build);
    };

    void buildRow(float cy, Row& row, long index);
    void buildColumn(float cx, Column& column);
    void fill(const Row& row, const float* fx);

    Globals& g_;
    SurfaceSpans<PixelMapping> spans_;
    double spacing_ = 0.0, firstVisible_ = 0.0, lastVisible_ = 0.0;
    bool usable_ = false;
    // The shape.
    const float* dx_ = nullptr;
    const float* dy_ = nullptr;
    const int* lengths_ = nullptr;
    int polylines_ = 0, points_ = 0;
    bool filled_ = false;
    Table<Row> rows_;
    Table<Column> columns_;
    // The scan lines of the rows, as many per row as the shape can need.
    int lineRoom_ = 0;
    std::unique_ptr<Line, FreeTable> linePool_;
    std::unique_ptr<Line[]> scratchLines_;
};

}  // namespace vtx
