#include "text/symbols.h"

#include <cmath>
#include <limits>
#include <memory>
#include <new>

#include "session/globals.h"
#include "core/messages.h"
#include "device/surface_lines.h"
#include "text/api.h"
#include "text/text_device.h"

namespace vtx {

namespace {

// Shapes in 1/100 of the symbol size, y downwards. A part is a polyline;
// kEnd closes a symbol's list of parts.
struct Part {
    int n;
    const short* xy;
};

const short kSquare[] = {-50, -50, 50, -50, 50, 50, -50, 50, -50, -50};
const short kOctagon[] = {-20, -50, 20, -50, 50, -20, 50, 20, 20, 50, -20, 50, -50, 20, -50, -20, -20, -50};
const short kTriangleUp[] = {-50, 50, 50, 50, 0, -50, -50, 50};
const short kTriangleDown[] = {-50, -50, 50, -50, 0, 50, -50, -50};
const short kDiamond[] = {0, -50, 50, 0, 0, 50, -50, 0, 0, -50};
const short kHorizontal[] = {-50, 0, 50, 0};
const short kVertical[] = {0, -50, 0, 50};
const short kDiagonal1[] = {-50, -50, 50, 50};
const short kDiagonal2[] = {-50, 50, 50, -50};
const short kInnerDiagonal1[] = {-35, -35, 35, 35};
const short kInnerDiagonal2[] = {-35, 35, 35, -35};

constexpr int kCircleSides = 18;

struct Shape {
    Part parts[4];
    int count;
    bool circle;      // an 18-sided circle (full) before the parts
    bool halfCircle;  // the upper half circle closed by its diameter
    bool filled;
};

#define P(a) Part{static_cast<int>(sizeof(a) / sizeof(short) / 2), a}
const Shape kShapes[kHighestSymbol + 1] = {
    {{P(kSquare)}, 1, false, false, false},
    {{P(kOctagon)}, 1, false, false, false},
    {{P(kTriangleUp)}, 1, false, false, false},
    {{P(kHorizontal), P(kVertical)}, 2, false, false, false},
    {{P(kDiagonal1), P(kDiagonal2)}, 2, false, false, false},
    {{P(kDiamond)}, 1, false, false, false},
    {{P(kTriangleDown)}, 1, false, false, false},
    {{P(kSquare), P(kDiagonal1), P(kDiagonal2)}, 3, false, false, false},
    {{P(kHorizontal), P(kVertical), P(kDiagonal1), P(kDiagonal2)}, 4, false, false, false},
    {{P(kDiamond), P(kHorizontal), P(kVertical)}, 3, false, false, false},
    {{P(kOctagon), P(kHorizontal), P(kVertical)}, 3, false, false, false},
    {{P(kTriangleUp), P(kTriangleDown)}, 2, false, false, false},
    {{P(kSquare), P(kHorizontal), P(kVertical)}, 3, false, false, false},
    {{P(kOctagon), P(kInnerDiagonal1), P(kInnerDiagonal2)}, 3, false, false, false},
    {{P(kSquare), P(kTriangleUp)}, 2, false, false, false},
    {{}, 0, true, false, false},
    {{P(kSquare)}, 1, false, false, true},
    {{P(kOctagon)}, 1, false, false, true},
    {{P(kTriangleUp)}, 1, false, false, true},
    {{P(kDiamond)}, 1, false, false, true},
    {{P(kTriangleDown)}, 1, false, false, true},
    {{}, 0, true, false, true},
    {{}, 0, false, true, false},
    {{}, 0, false, true, true},
};
#undef P

// Maps symbol units to plot coordinates around the centre.
struct SymbolFrame {
    float cx, cy, scale, c, s;
    // rotation by -a in plot coordinates (y downwards): counter-clockwise on the page
    float dx(float u, float v) const { return scale * (u * c + v * s); }
    float dy(float u, float v) const { return scale * (-u * s + v * c); }
    void apply(float u, float v, float& x, float& y) const {
        x = cx + dx(u, v);
        y = cy + dy(u, v);
    }
};

void circlePoints(bool half, float* u, float* v, int& n) {
    const int steps = half ? kCircleSides / 2 : kCircleSides;
    n = 0;
    for (int i = 0; i <= steps; ++i) {
        const double a = 2.0 * 3.14159265358979323846 * i / kCircleSides;
        u[n] = static_cast<float>(50.0 * std::cos(a));
        v[n++] = static_cast<float>(-50.0 * std::sin(a));
    }
    if (half) u[n] = u[0], v[n++] = v[0];
}

constexpr int kMaxShapePoints = kCircleSides + 2 + 4 * 9;

}  // namespace

// A built-in shape as offsets from the centre in plot units, for one size
// and rotation: its polylines one after the other, the filled one first.
struct ShapeOffsets {
    float dx[kMaxShapePoints], dy[kMaxShapePoints];
    int lengths[5];
    int polylines = 0;
};

namespace {

// Scatter plots draw the same symbol thousands of times: its outline is
// computed once per symbol, size and rotation, not once per point.
struct ShapeCache {
    float size = -1.0f, angle = 0.0f;
    float c = 1.0f, s = 0.0f;
    bool ready[kHighestSymbol + 1] = {};
    ShapeOffsets shapes[kHighestSymbol + 1];

    const ShapeOffsets& get(int number, float symbolSize, float symbolAngle, SymbolFrame& f) {
        if (symbolSize != size || symbolAngle != angle) {
            const double a = symbolAngle * 3.14159265358979323846 / 180.0;
            size = symbolSize, angle = symbolAngle;
            c = static_cast<float>(std::cos(a)), s = static_cast<float>(std::sin(a));
            for (bool& r : ready) r = false;
        }
        f.scale = symbolSize / 100.0f, f.c = c, f.s = s;
        ShapeOffsets& o = shapes[number];
        if (!ready[number]) build(kShapes[number], f, o), ready[number] = true;
        return o;
    }

    static void build(const Shape& shape, const SymbolFrame& f, ShapeOffsets& o) {
        int k = 0;
        o.polylines = 0;
        auto add = [&](const float* u, const float* v, int n) {
            for (int i = 0; i < n; ++i, ++k) o.dx[k] = f.dx(u[i], v[i]), o.dy[k] = f.dy(u[i], v[i]);
            o.lengths[o.polylines++] = n;
        };
        float u[kCircleSides + 2], v[kCircleSides + 2];
        int n = 0;
        if (shape.circle || shape.halfCircle) {
            circlePoints(shape.halfCircle, u, v, n);
            add(u, v, n);
        }
        for (int p = 0; p < shape.count; ++p) {
            const Part& part = shape.parts[p];
            for (int i = 0; i < part.n; ++i) u[i] = part.xy[2 * i], v[i] = part.xy[2 * i + 1];
            add(u, v, part.n);
        }
    }
};

ShapeCache& shapeCache() {
    static ShapeCache cache;
    return cache;
}

// Draws a polyline of n offsets around (cx, cy) and fills it when asked.
void drawOffsets(Globals& g, float cx, float cy, const float* dx, const float* dy, int n, bool filled) {
    float x[kCircleSides + 2 + 10], y[kCircleSides + 2 + 10];
    for (int i = 0; i < n; ++i) x[i] = cx + dx[i], y[i] = cy + dy[i];
    if (!surfacePolyline(g, x, y, n)) {
        for (int i = 0; i < n; ++i) {
            if (i == 0) textMove(g, x[i], y[i]);
            else textDraw(g, x[i], y[i]);
        }
    }
    if (filled && n >= 3) textFillPolygon(g, x, y, n);
}

void registerSymbolShield(Globals& g, float x, float y, float size) {
    if (!autoShieldOn(g, 2)) return;
    const float d = 0.6f * size;
    registerShieldBox(g, 2, x - d, y - d, 2.0f * d, 2.0f * d, 0.0f);
}

}  // namespace

void drawSymbolSized(Globals& g, int number, float x, float y, float size) {
    SymbolFrame f{x, y, size / 100.0f, 1.0f, 0.0f};
    const TextState& t = g.text;
    if (t.userSymbol >= 0 && number == t.userSymbol && !t.userSymbolX.empty()) {
        const double a = g.text.symbolAngle * 3.14159265358979323846 / 180.0;
        f.c = static_cast<float>(std::cos(a)), f.s = static_cast<float>(std::sin(a));
        // user points run -1..1: half the size, y negated
        const int n = static_cast<int>(t.userSymbolX.size());
        for (int i = 0; i < n; ++i) {
            float px, py;
            f.apply(50.0f * t.userSymbolX[i], -50.0f * t.userSymbolY[i], px, py);
            if (i == 0) textMove(g, px, py);
            else textDraw(g, px, py);
        }
        if (t.userSymbolFill == 1 && n >= 3) {
            float xs[64], ys[64];
            if (n <= 64) {
                for (int i = 0; i < n; ++i) f.apply(50.0f * t.userSymbolX[i], -50.0f * t.userSymbolY[i], xs[i], ys[i]);
                textFillPolygon(g, xs, ys, n);
            } else {
                float* buf = new (std::nothrow) float[2 * n];
                if (!buf) {
                    warnin(Warning::NoMemory);
                } else {
                    for (int i = 0; i < n; ++i)
                        f.apply(50.0f * t.userSymbolX[i], -50.0f * t.userSymbolY[i], buf[i], buf[n + i]);
                    textFillPolygon(g, buf, buf + n, n);
                    delete[] buf;
                }
            }
        }
        registerSymbolShield(g, x, y, size);
        return;
    }
    if (number < 0 || number > kHighestSymbol) return;
    const ShapeOffsets& o = shapeCache().get(number, size, g.text.symbolAngle, f);
    const bool filled = kShapes[number].filled;
    int first = 0;
    for (int p = 0; p < o.polylines; ++p) {
        drawOffsets(g, x, y, o.dx + first, o.dy + first, o.lengths[p], filled && p == 0);
        first += o.lengths[p];
    }
    textFlush(g);
    registerSymbolShield(g, x, y, size);
}

SymbolRun::SymbolRun(Globals& g, int number, long count)
    : g_(g), number_(number), size_(static_cast<float>(g.text.symbolHeight)), surface_(g) {
    const TextState& t = g.text;
    const bool user = t.userSymbol >= 0 && number == t.userSymbol && !t.userSymbolX.empty();
    // Shielded symbols register themselves one by one.
    if (user || number < 0 || number > kHighestSymbol || autoShieldOn(g, 2) || !surface_.usable()) return;
    SymbolFrame f{0.0f, 0.0f, 1.0f, 1.0f, 0.0f};
    const ShapeOffsets& o = shapeCache().get(number, size_, t.symbolAngle, f);
    if (surface_.setShape(o.dx, o.dy, o.lengths, o.polylines, kShapes[number].filled, count)) direct_ = true;
}

void SymbolRun::draw(float x, float y) {
    x += g_.line.originX, y += g_.line.originY;
    drawShifted(x, y);
}

void SymbolRun::drawShifted(float x, float y) {
    if (direct_ && surface_.draw(x, y)) return;
    drawSymbolSized(g_, number_, x, y, size_);
}

void SymbolRun::drawAll(float* x, float* y, long n) {
    for (long i = 0; i < n; ++i) x[i] += g_.line.originX, y[i] += g_.line.originY;
    manyX_ = x, manyY_ = y;
    if (direct_ && surface_.drawMany(x, y, n, drawOther, this)) return;
    for (long i = 0; i < n; ++i) drawShifted(x[i], y[i]);
}

// A symbol of drawAll the general way, out of order. Whether it moves the
// device pen and the pipeline point shows by values no drawing leaves
// there (every symbol starts with a move: nothing reads them meanwhile);
// both are put back, drawAll sets them from the last symbol that moved them.
void SymbolRun::drawOther(void* context, long i, SurfaceShapes::RunEnd& end) {
    SymbolRun& run = *static_cast<SymbolRun*>(context);
    Globals& g = run.g_;
    PixelSurface& s = g.surface;
    LineState& line = g.line;
    const int penX = s.penX, penY = s.penY;
    const float curX = line.curX, curY = line.curY;
    constexpr int kNoPen = std::numeric_limits<int>::min();
    s.penX = s.penY = kNoPen;
    line.curX = line.curY = std::numeric_limits<float>::quiet_NaN();
    const long vectors = g.ctl.vectors;
    run.drawShifted(run.manyX_[i], run.manyY_[i]);
    end.vectors += g.ctl.vectors - vectors;
    g.ctl.vectors = vectors;
    if (s.penX != kNoPen || s.penY != kNoPen) end.pen(i, s.penX, s.penY);
    if (!std::isnan(line.curX) || !std::isnan(line.curY)) end.point(i, line.curX, line.curY);
    s.penX = penX, s.penY = penY;
    line.curX = curX, line.curY = curY;
}

void dsymbl(Globals& g, int number, float x, float y) {
    drawSymbolSized(g, number, x + g.line.originX, y + g.line.originY, static_cast<float>(g.text.symbolHeight));
}

void symbol(int number, int x, int y) {
    Globals* g = jqqlev(1, 3, "symbol");
    if (!g) return;
    const int highest = g->text.userSymbol > kHighestSymbol ? g->text.userSymbol : kHighestSymbol;
    if (jqqval(number, 0, highest) != 0) return;
    if (g->line.pageOrigin == 1) y = clampToInt((long long)g->out.nyPage - y);
    if (x < 0 || x > g->out.nxPage || y < 0 || y > g->out.nyPage)
        protocolPrintf(*g, " >>>> (%d/%d) out of page in symbol!\n", x, y);
    dsymbl(*g, number, static_cast<float>(x), static_cast<float>(y));
}

void hsymbl(int size) {
    Globals* g = chkini("hsymbl");
    if (jqqval(size, 1, 10000) == 0) g->text.symbolHeight = size;
}

void symrot(float degrees) { chkini("symrot")->text.symbolAngle = degrees; }

void mysymb(const float* x, const float* y, int n, int number, int fill) {
    Globals* g = chkini("mysymb");
    if (n < 1 || fill < 0 || fill > 1 || number < 0) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    constexpr float kLimit = 1.000001f;
    for (int i = 0; i < n; ++i) {
        if (!(std::fabs(x[i]) <= kLimit && std::fabs(y[i]) <= kLimit)) {
            warnText(101, "values out of range");
            return;
        }
    }
    TextState& t = g->text;
    try {
        t.userSymbolX.assign(x, x + n);
        t.userSymbolY.assign(y, y + n);
    } catch (const std::bad_alloc&) {
        t.userSymbolX.clear(), t.userSymbolY.clear();
        t.userSymbol = -1;
        warnin(Warning::NoMemory);
        return;
    }
    t.userSymbol = number;
    t.userSymbolFill = fill;
}

}  // namespace vtx
