#include "device/surface_shapes.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include "device/area_fill.h"
#include "device/pipeline.h"
#include "device/scanline_fill.h"

namespace vtx {

namespace {

constexpr long kTablesFrom = 256;       // shapes in a run that repay tables of heights and columns
constexpr long kMostEntries = 1 << 16;  // window sizes that get a table

// The hatch-line spacing of solid symbol fills: close enough to cover the
// shape on the device (textFillPolygon).
float solidSpacing(const Globals& g) { return 0.75f / g.out.deviceScale; }

bool shapesSkipPipeline(const Globals& g) {
    return pipelineOnlyMapsToSurface(g) && deviceDriver(g.ctl.device)->vector && g.out.deviceScale > 0.0f &&
           std::isfinite(solidSpacing(g));
}

int pixelOf(float v, float scale) { return int(roundHalfUp(v * scale)); }

}  // namespace

SurfaceShapes::SurfaceShapes(Globals& g)
    : g_(g), spans_(g, PixelMapping{g.out.deviceScale}), usable_(shapesSkipPipeline(g)) {
    if (!usable_) return;
    HatchLines lines;
    lines.spacing = solidSpacing(g);
    visibleBand(g, 0.0f, lines);
    spacing_ = lines.spacing;
    firstVisible_ = std::ceil(lines.visibleLow / spacing_);
    lastVisible_ = std::floor(lines.visibleHigh / spacing_);
}

bool SurfaceShapes::setShape(const float* dx, const float* dy, const int* lengths, int polylines, bool filled,
                             long count) {
    int points = 0;
    for (int p = 0; p < polylines; ++p) points += lengths[p];
    if (!usable_ || polylines < 1 || points > kPoints) return false;
    // The fill crosses at most (ymax - ymin) / spacing + 3 scan lines; one
    // more leaves room for the rounding of the heights.
    const float low = *std::min_element(dy, dy + lengths[0]), high = *std::max_element(dy, dy + lengths[0]);
    const double lines = filled ? (high - low) / spacing_ + 4.0 : 0.0;
    if (!(lines <= kLines)) return false;
    lineRoom_ = int(lines);
    dx_ = dx, dy_ = dy, lengths_ = lengths, polylines_ = polylines, points_ = points;
    filled_ = filled && lengths[0] >= 3;
    const LineState& line = g_.line;
    const bool whole = count >= kTablesFrom;
    if (!rows_.allocate(line.clipY1, line.clipY2, whole) || !columns_.allocate(line.clipX1, line.clipX2, whole))
        return false;
    scratchLines_.reset(new (std::nothrow) Line[std::size_t(lineRoom_) + 1]);
    if (rows_.count > 0) {
        linePool_.reset(static_cast<Line*>(std::calloc(std::size_t(rows_.count) * std::size_t(lineRoom_ + 1), sizeof(Line))));
        if (!linePool_) rows_.entries.reset(), rows_.count = 0;
    }
    return scratchLines_ != nullptr;
}

template <typename Entry>
bool SurfaceShapes::Table<Entry>::allocate(int from, int to, bool whole) {
    scratch.reset(new (std::nothrow) Entry());
    const long size = long(to) - from + 1;
    if (whole && size > 0 && size <= kMostEntries) {
        // Zero pages cost nothing until a value is first drawn.
        entries.reset(static_cast<Entry*>(std::calloc(std::size_t(size), sizeof(Entry))));
        first = from, count = entries ? int(size) : 0;
    }
    return scratch != nullptr;
}

template <typename Entry>
template <typename Build>
const Entry* SurfaceShapes::Table<Entry>::entry(float v, Build&& build) {
    if (!(count > 0 && v >= float(first) && double(v) < double(first) + count)) return nullptr;
    const int k = int(v);
    if (float(k) != v) return nullptr;
    Entry& e = entries.get()[k - first];
    if (!e.built) build(v, e, long(k) - first);
    return &e;
}

template <typename Entry>
template <typename Build>
const Entry& SurfaceShapes::Table<Entry>::at(float v, Build&& build) {
    if (count > 0 && v >= float(first) && double(v) < double(first) + count) {
        const int k = int(v);
        if (float(k) == v) {
            Entry& e = entries.get()[k - first];
            if (!e.built) build(v, e, long(k) - first);
            return e;
        }
    }
    build(v, *scratch, -1L);
    return *scratch;
}

namespace {

// Whether each polyline lies inside the window along one axis, as
// surfacePolyline tests it.
template <typename Point>
unsigned insidePolylines(const int* lengths, int polylines, float low, float high, Point point) {
    unsigned inside = 0;
    for (int p = 0, i = 0; p < polylines; ++p) {
        bool all = true;
        for (const int end = i + lengths[p]; i < end; ++i) all = all && point(i) >= low && point(i) <= high;
        inside |= unsigned(all) << p;
    }
    return inside;
}

}  // namespace

void SurfaceShapes::buildColumn(float cx, Column& column) {
    const SurfaceSpans<PixelMapping>& f = spans_;
    float x[kPoints];
    column.built = true, column.finite = true;
    for (int i = 0; i < points_; ++i) {
        x[i] = cx + dx_[i];
        column.finite = column.finite && std::isfinite(x[i]);
        column.px[i] = pixelOf(x[i], f.map.scale);
        column.fx[i] = x[i] - f.originX;
    }
    column.inside = insidePolylines(lengths_, polylines_, f.clipX1, f.clipX2, [&x](int i) { return x[i]; });
    const PixelSurface& s = g_.surface;
    column.onSurface = column.wellInside = column.finite;
    for (int i = 0; i < points_; ++i) {
        column.onSurface = column.onSurface && column.px[i] >= 0 && column.px[i] < s.width;
        column.wellInside = column.wellInside && x[i] - 1.0f >= f.clipX1 && x[i] + 1.0f <= f.clipX2;
    }
}

// The outline's heights as the pipeline maps them, and the fill's scan
// lines as hatchPolygonTo walks them: the fill takes the outline back
// before the origin shift, which each span adds again.
void SurfaceShapes::buildRow(float cy, Row& row, long index) {
    const SurfaceSpans<PixelMapping>& f = spans_;
    row.built = true, row.fillable = false, row.lines = 0, row.finite = true;
    row.onSurface = row.linesInside = false;
    row.line = index < 0 ? scratchLines_.get() : linePool_.get() + index * (lineRoom_ + 1);
    float y[kPoints];
    for (int i = 0; i < points_; ++i) {
        y[i] = cy + dy_[i];
        row.finite = row.finite && std::isfinite(y[i]);
        row.py[i] = pixelOf(y[i], f.map.scale);
    }
    row.inside = insidePolylines(lengths_, polylines_, f.clipY1, f.clipY2, [&y](int i) { return y[i]; });
    row.minPy = *std::min_element(row.py, row.py + points_), row.maxPy = *std::max_element(row.py, row.py + points_);
    row.onSurface = row.finite && row.minPy >= 0 && row.maxPy < g_.surface.height;
    row.linesInside = true;
    if (!filled_ || !row.finite) return;
    const int n = lengths_[0];
    float fy[kPoints];
    for (int i = 0; i < n; ++i) fy[i] = y[i] - f.originY;
    LevelChainLines shape(fy, n);
    if (!shape.valid()) return;
    row.fillable = true;
    shape.lines(spacing_, firstVisible_, lastVisible_, [&](float ys, const fill_detail::MonotoneEdges& e) {
        if (row.lines == lineRoom_) {
            row.fillable = false;
            return;
        }
        Line& l = row.line[row.lines++];
        const int rf = e.riseFrom(), rt = e.riseTo(), ff = e.fallFrom(), ft = e.fallTo();
        l.ys = ys, l.y = ys + f.originY;
        l.riseDy = ys - fy[rf], l.riseHeight = fy[rt] - fy[rf];
        l.fallDy = ys - fy[ff], l.fallHeight = fy[ft] - fy[ff];
        l.py = pixelOf(l.y, f.map.scale);
        l.riseFrom = (unsigned char)rf, l.riseTo = (unsigned char)rt;
        l.fallFrom = (unsigned char)ff, l.fallTo = (unsigned char)ft;
        l.inside = l.y >= f.clipY1 && l.y <= f.clipY2;
        row.linesInside = row.linesInside && l.inside;
        row.minPy = std::min(row.minPy, l.py), row.maxPy = std::max(row.maxPy, l.py);
    });
}

// The spans as softwareFill writes them to the surface, with its mapping
// inlined. The device pen, the vector count and the pipeline's point stay
// in locals until the fill ends. A span that leaves the window (a crossing
// rounded past it) goes through surfaceSpan's clipping.
void SurfaceShapes::fill(const Row& row, const float* fx) {
    Globals& g = g_;
    PixelSurface& s = g.surface;
    SurfaceSpans<PixelMapping>& f = spans_;
    const float ox = f.originX, scale = f.map.scale, clipLeft = f.clipX1, clipRight = f.clipX2;
    const int clipX1 = s.clipX1, clipX2 = s.clipX2, clipY1 = s.clipY1, clipY2 = s.clipY2;
    const SurfaceColour colour = s.colourBytes;
    int penX = s.penX, penY = s.penY;
    long vectors = 0;
    bool any = false;
    float lastX = 0.0f, lastY = 0.0f;
    for (int k = 0; k < row.lines; ++k) {
        const Line& l = row.line[k];
        float a, b;
        if (!l.span(fx, a, b)) continue;
        const float X1 = a + ox, X2 = b + ox;
        any = true, lastX = X2, lastY = l.y;
        if (!(l.inside && X1 >= clipLeft && X1 <= clipRight && X2 >= clipLeft && X2 <= clipRight)) {
            s.penX = penX, s.penY = penY;
            f.colour = colour;
            surfaceSpan(f, a, l.ys, b, l.ys);
            penX = s.penX, penY = s.penY;
            continue;
        }
        // A move and a draw of the device; a level draw inside the surface's
        // clip rectangle is a run of the row.
        vectors += 2;
        const int px1 = pixelOf(X1, scale), px2 = pixelOf(X2, scale), py = l.py;
        if (py >= clipY1 && py <= clipY2 && px1 >= clipX1 && px1 <= clipX2 && px2 >= clipX1 && px2 <= clipX2)
            s.fillRun(py, std::min(px1, px2), std::max(px1, px2), colour);
        else
            s.line(px1, py, px2, py, colour);
        penX = px2, penY = py;
    }
    s.penX = penX, s.penY = penY;
    g.ctl.vectors += vectors;
    // The pipeline's current point is where the last span ended.
    if (any) g.line.curX = lastX, g.line.curY = lastY;
}

bool SurfaceShapes::draw(float cx, float cy) {
    const Row& row = rows_.at(cy, [this](float v, Row& r, long index) { buildRow(v, r, index); });
    if (!row.finite || (filled_ && !row.fillable)) return false;
    const Column& column = columns_.at(cx, [this](float v, Column& c, long) { buildColumn(v, c); });
    if (!column.finite) return false;
    const unsigned inside = row.inside & column.inside;
    const int* px = column.px;
    Globals& g = g_;
    PixelSurface& s = g.surface;
    int first = 0;
    for (int p = 0; p < polylines_; ++p) {
        const int n = lengths_[p];
        if (inside >> p & 1u) {
            // Each point a vector of the device, each segment a line; what
            // is pending goes first.
            qqstrk(g);
            g.ctl.vectors += n;
            s.polyline(px + first, row.py + first, n, s.colourBytes);
            s.penX = px[first + n - 1], s.penY = row.py[first + n - 1];
        } else {
            qqmove(g, cx + dx_[first], cy + dy_[first]);
            for (int i = first + 1; i < first + n; ++i) qqdraw(g, cx + dx_[i], cy + dy_[i]);
        }
        first += n;
        if (p == 0 && filled_) {
            qqstrk(g);
            fill(row, column.fx);
        }
    }
    qqstrk(g);
    return true;
}

// One shape as draw() and fill() draw it, only its pixels in rows
// first..last. The shape lies well inside the window (drawMany chose it),
// so every polyline is drawn directly and no span is clipped.
void SurfaceShapes::drawInRows(const Row& row, const Column& column, long index, int first, int last,
                               RunEnd& end) const {
    PixelSurface& s = g_.surface;
    const SurfaceSpans<PixelMapping>& f = spans_;
    const SurfaceColour colour = s.colourBytes;
    const bool owner = row.py[0] >= first && row.py[0] <= last;
    const int* px = column.px;
    int penX = 0, penY = 0, point = 0;
    bool anySpan = false;
    float lastX = 0.0f, lastY = 0.0f;
    for (int p = 0; p < polylines_; ++p) {
        const int n = lengths_[p];
        s.polylineInRows(px + point, row.py + point, n, colour, first, last);
        point += n;
        penX = px[point - 1], penY = row.py[point - 1];
        if (owner) end.vectors += n;
        if (p != 0 || !filled_) continue;
        const float ox = f.originX, scale = f.map.scale;
        for (int k = 0; k < row.lines; ++k) {
            const Line& l = row.line[k];
            const bool here = l.py >= first && l.py <= last;
            if (!owner && !here) continue;
            float a, b;
            if (!l.span(column.fx, a, b)) continue;
            const float X1 = a + ox, X2 = b + ox;
            if (!(X1 >= f.clipX1 && X1 <= f.clipX2 && X2 >= f.clipX1 && X2 <= f.clipX2)) {
                end.clipped = true;
                continue;
            }
            const int px1 = pixelOf(X1, scale), px2 = pixelOf(X2, scale), py = l.py;
            if (owner) end.vectors += 2, anySpan = true, lastX = X2, lastY = l.y, penX = px2, penY = py;
            if (!here) continue;
            if (py >= s.clipY1 && py <= s.clipY2 && px1 >= s.clipX1 && px1 <= s.clipX2 && px2 >= s.clipX1 &&
                px2 <= s.clipX2)
                s.fillRunInRows(py, std::min(px1, px2), std::max(px1, px2), colour, last);
            else
                s.lineInRows(px1, py, px2, py, colour, first, last);
        }
    }
    if (!owner) return;
    end.pen(index, penX, penY);
    if (anySpan) end.point(index, lastX, lastY);
}

bool SurfaceShapes::drawMany(const float* cx, const float* cy, long n, DrawOther other, void* context) {
    if (n < kTwoThreadsFrom || std::thread::hardware_concurrency() < 2) return false;
    // A shape of the threads: its table entries and its place in the series.
    struct Item {
        std::uint32_t row, column, index;
    };
    const Row* const rowEntries = rows_.entries.get();
    const Column* const columnEntries = columns_.entries.get();
    std::vector<Item> items;
    std::vector<long> others;
    const PixelSurface& s = g_.surface;
    // Per pixel row: shapes of the two threads whose first outline point
    // lies in it, and others that keep to rows up to it.
    std::vector<long> threadShapes, otherShapes;
    try {
        items.reserve(std::size_t(n));
        threadShapes.assign(std::size_t(s.height), 0);
        otherShapes.assign(std::size_t(s.height), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const unsigned all = (1u << polylines_) - 1u;
    auto buildRowAt = [this](float v, Row& r, long index) { buildRow(v, r, index); };
    auto buildColumnAt = [this](float v, Column& c, long) { buildColumn(v, c); };
    try {
        for (long i = 0; i < n; ++i) {
            const Row* row = rows_.entry(cy[i], buildRowAt);
            const Column* column = row ? columns_.entry(cx[i], buildColumnAt) : nullptr;
            if (row && column && row->onSurface && column->onSurface && column->wellInside &&
                (!filled_ || (row->fillable && row->linesInside)) && (row->inside & column->inside) == all) {
                items.push_back({std::uint32_t(row - rowEntries), std::uint32_t(column - columnEntries), std::uint32_t(i)});
                ++threadShapes[std::size_t(row->py[0])];
            } else {
                others.push_back(i);
                if (row && row->onSurface) ++otherShapes[std::size_t(row->maxPy)];
            }
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    if (long(items.size()) < kTwoThreadsFrom) return false;
    // The first thread takes the rows up to `split` and the other shapes
    // that keep to them (one costs about as much as 8 shapes of the threads:
    // it goes through the pipeline); the second the rows below, where a
    // shape costs about 1.4 times as much (the tables were made on the
    // first). The split evens out the two.
    constexpr long kOtherCost = 80, kFirstCost = 10, kSecondCost = 14;
    long lowerWork = 0;
    for (int y = 0; y < s.height; ++y) lowerWork += kSecondCost * threadShapes[std::size_t(y)];
    long upperWork = 0;
    int split = 0;
    for (int y = 0; y < s.height; ++y) {
        upperWork += kFirstCost * threadShapes[std::size_t(y)] + kOtherCost * otherShapes[std::size_t(y)];
        lowerWork -= kSecondCost * threadShapes[std::size_t(y)];
        split = y;
        if (upperWork >= lowerWork) break;
    }
    // Others drawn meanwhile keep a row clear of the second thread's rows:
    // a short run's 16-byte store may reach into the row after its own.
    const long lastOther = others.empty() ? -1 : others.back();
    std::vector<unsigned char> early(others.size(), 0);
    for (std::size_t k = 0; k < others.size(); ++k) {
        const long i = others[k];
        const Row* row = i == lastOther ? nullptr : rows_.entry(cy[i], buildRowAt);
        early[k] = row && row->onSurface && row->maxPy < split;
    }
    RunEnd upper, lower;
    auto band = [&](int first, int last, RunEnd& end) {
        for (const Item& item : items) {
            const Row& row = rowEntries[item.row];
            if (row.maxPy >= first && row.minPy <= last)
                drawInRows(row, columnEntries[item.column], item.index, first, last, end);
        }
    };
    qqstrk(g_);  // what is pending goes first
    try {
        std::thread worker(band, split + 1, s.height - 1, std::ref(lower));
        band(0, split, upper);
        // Others that keep to these rows meanwhile, the last of all after the thread.
        for (std::size_t k = 0; k < others.size(); ++k)
            if (early[k]) other(context, others[k], upper);
        worker.join();
    } catch (const std::system_error&) {
        return false;
    }
    if (upper.clipped || lower.clipped) return false;
    for (std::size_t k = 0; k < others.size(); ++k)
        if (!early[k]) other(context, others[k], upper);
    upper.add(lower);
    Globals& g = g_;
    g.ctl.vectors += upper.vectors;
    if (upper.penShape >= 0) g.surface.penX = upper.penX, g.surface.penY = upper.penY;
    if (upper.pointShape >= 0) g.line.curX = upper.curX, g.line.curY = upper.curY;
    return true;
}

}  // namespace vtx
