// Plot symbols straight into the pixel surface. A scatter plot draws
// thousands of the same small shape; when the state lets the pipeline only
// map their points and the solid fill only write level spans, a run of
// symbols checks that state once and then draws each symbol directly, with
// the pixels, device pen, vector count and pipeline point of the general way.
#pragma once

#include <cstdlib>
#include <memory>

#include "device/scanline_fill.h"
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

    // The device pen and pipeline point a series of shapes leaves, and the
    // last shape (by index) that moved each; -1: none did.
    struct RunEnd {
        long vectors = 0;
        long penShape = -1, pointShape = -1;
        int penX = 0, penY = 0;
        float curX = 0.0f, curY = 0.0f;
        bool clipped = false;  // a span would have needed clipping: not all drawn
        void pen(long shape, int x, int y) {
            if (shape > penShape) penShape = shape, penX = x, penY = y;
        }
        void point(long shape, float x, float y) {
            if (shape > pointShape) pointShape = shape, curX = x, curY = y;
        }
        void add(const RunEnd& o) {
            vectors += o.vectors, clipped = clipped || o.clipped;
            pen(o.penShape, o.penX, o.penY), point(o.pointShape, o.curX, o.curY);
        }
    };
    // Draws shape i the general way, in order or not, and notes in `end`
    // how it moved the pen and the pipeline point.
    using DrawOther = void (*)(void* context, long i, RunEnd& end);
    static constexpr long kTwoThreadsFrom = 4096;  // shapes that repay a second thread
    // Many shapes at once (origin shift applied), with the pixels, device
    // pen, vector count and pipeline point of drawing them in order: the
    // shapes are of one colour, so the order of their pixels does not
    // matter. Shapes whose points, fill and pixels lie well inside the
    // window and the surface are drawn on two threads, each writing the rows
    // of one part of the surface; the others by `other`, those that keep to
    // the first part while the second thread works. False, with nothing but
    // some of the shapes' own pixels drawn, when too few shapes qualify, no
    // thread can be had or a span would have needed clipping: the caller
    // then draws every shape in order.
    bool drawMany(const float* cx, const float* cy, long n, DrawOther other, void* context);

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
        // The span from the crossings of the two chains, given the fill's x
        // of the outline; false for none.
        bool span(const float* fx, float& a, float& b) const {
            a = fill_detail::edgeCrossingAt(fx[riseFrom], fx[riseTo], riseDy, riseHeight);
            b = fill_detail::edgeCrossingAt(fx[fallFrom], fx[fallTo], fallDy, fallHeight);
            return fill_detail::levelSpan(a, b);
        }
    };
    struct Row {
        bool built;     // zero-filled memory reads as not built
        bool finite;    // every outline point's y finite
        unsigned inside;  // bit p: polyline p has all its y inside the window
        bool fillable;  // the fill is two chains of edges and its lines fit
        bool onSurface;   // every outline row on the surface
        bool linesInside; // every scan line's height inside the window
        int minPy, maxPy; // the rows any of its pixels can take
        int lines;
        int py[kPoints];
        Line* line;     // lineRoom_ of them, in linePool_ or scratchLines_
    };
    // And to the x of its centre alone: the outline's pixel columns and its
    // x before the origin shift, as the fill takes it.
    struct Column {
        bool built, finite;
        bool onSurface;   // every outline column on the surface
        bool wellInside;  // a plot unit inside the window: fill crossings cannot round out of it
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
        // The table's own entry of v, built if need be; null for a value the
        // table has no entry for.
        template <typename Build>
        const Entry* entry(float v, Build&& build);
    };

    void buildRow(float cy, Row& row, long index);
    void buildColumn(float cx, Column& column);
    void fill(const Row& row, const float* fx);
    // One shape of drawMany in rows first..last; its owner (the thread
    // whose rows hold its first outline point) counts it into `end`.
    void drawInRows(const Row& row, const Column& column, long index, int first, int last, RunEnd& end) const;

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
