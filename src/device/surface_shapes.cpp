#include "device/surface_shapes.h"

#include <algorithm>
#include <new>

#include "core/devices.h"
#include "device/area_fill.h"
#include "device/drivers/surface_driver.h"
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
    const LineState& line = g.line;
    const DeviceDriver* driver = deviceDriver(g.ctl.device);
    return g.surface.exists() && driver && driver->vector && driver->mapPoint == &surface_driver::mapPoint &&
           g.out.pageMode != 1 && line.lineWidth <= 1 && line.clipShape == 0 && !anyPointStageInstalled(line.slots) &&
           !anySegmentFilterInstalled(line.slots) && !deviceCan(g.ctl.device, kFillsPolygons) &&
           g.out.deviceScale > 0.0f && std::isfinite(solidSpacing(g));
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
}

// The outline's heights as the pipeline maps them, and the fill's scan
// lines as hatchPolygonTo walks them: the fill takes the outline back
// before the origin shift, which each span adds again.
void SurfaceShapes::buildRow(float cy, Row& row, long index) {
    const SurfaceSpans<PixelMapping>& f = spans_;
    row.built = true, row.fillable = false, row.lines = 0, row.finite = true;
    row.line = index < 0 ? scratchLines_.get() : linePool_.get() + index * (lineRoom_ + 1);
    float y[kPoints];
    for (int i = 0; i < points_; ++i) {
        y[i] = cy + dy_[i];
        row.finite = row.finite && std::isfinite(y[i]);
        row.py[i] = pixelOf(y[i], f.map.scale);
    }
    row.inside = insidePolylines(lengths_, polylines_, f.clipY1, f.clipY2, [&y](int i) { return y[i]; });
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
        float a = fill_detail::edgeCrossingAt(fx[l.riseFrom], fx[l.riseTo], l.riseDy, l.riseHeight);
        float b = fill_detail::edgeCrossingAt(fx[l.fallFrom], fx[l.fallTo], l.fallDy, l.fallHeight);
        if (!fill_detail::levelSpan(a, b)) continue;
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

}  // namespace vtx
