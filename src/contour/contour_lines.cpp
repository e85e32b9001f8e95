// Contour lines: conpts returns the traced lines as arrays; contur, conmat
// and concrv draw traced or given lines into the current axis system.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "contour/api.h"
#include "contour/contour_checks.h"
#include "contour/contour_state.h"
#include "contour/contour_tracer.h"
#include "contour/label_sink.h"
#include "contour/triangle_tracer.h"
#include "core/checks.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "graph2d/axis_transform.h"
#include "graph2d/curve_thickness.h"
#include "graph2d/legend_entries.h"
#include "graph3d/graph3d_state.h"
#include "session/globals.h"
#include "text/strings.h"

namespace vtx {

namespace {

// Collects lines into caller arrays; points and lines beyond their room are dropped.
struct ArraySink {
    float* x;
    float* y;
    int maxPoints;
    int* counts;
    int maxLines;
    int points = 0, lines = 0;
    bool open = false;  // the current line has room in counts

    void start(float u, float v) {
        open = lines < maxLines && points < maxPoints;
        if (open) counts[lines++] = 0;
        to(u, v);
    }
    void to(float u, float v) {
        if (!open || points >= maxPoints) return;
        x[points] = u, y[points] = v, ++points;
        ++counts[lines - 1];
    }
    void finish() {}
};

// Draws lines in plot coordinates, `offset` plot units beside the centre line.
struct PlotSink {
    Globals& g;
    float offset;
    void start(float u, float v) {
        float X, Y;
        userToPlot(g, u, v, X, Y);
        strtqq(g, X, Y, offset);
    }
    void to(float u, float v) {
        float X, Y;
        userToPlot(g, u, v, X, Y);
        connqq(g, X, Y, offset);
    }
    void finish() { qqstrk(g); }
};

// The edge mask of one trace, or an empty vector and warning 53.
bool allocateMask(std::vector<std::uint32_t>& mask, int nx, int ny) {
    try {
        mask.assign(contourMaskWords(nx, ny), 0u);
        return true;
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
        return false;
    }
}

// The label of a level from the label settings; its lengths use the current height.
ContourLabel labelFor(Globals& g, float zlev) {
    ContourLabel label;
    const ContourState& c = g.contour;
    if (g.axis.contourLabels == 2) label.text = c.labelText;
    label.level = zlev, label.digits = g.axis.otherDigits[1];
    label.height = g.text.height;
    label.gap = 2.0f * c.gap * float(g.text.height);
    const int width = label.text ? measureString(g, label.text) : numberText(g, zlev, label.digits, 0, 0, true);
    label.length = float(width) + label.gap;
    label.colour = g.axis.labelColour;
    label.factor = c.labelFactor, label.quotient = c.labelSpacing;
    label.distance = float(g.axis.contourLabelDist);
    return label;
}

// Draws the lines that `emit(sink)` produces once per pass of a thick line,
// clipped to the axis system, counted as one legend curve. With labels on,
// the first pass draws them and every pass leaves their gaps.
template <class Emit>
void drawContourPasses(Globals& g, float zlev, Emit emit) {
    registerLegendEntry(g, g.line.lineType, -1, g.line.curveThickness, g.colour.current, -1);
    const bool labelled = g.axis.contourLabels != 0;
    ContourLabel label;
    if (labelled) label = labelFor(g, zlev);
    // Clipping and the text angle come back even when a trace runs out of memory.
    struct Restore {
        Globals& g;
        ~Restore() { sclpax(g, 0), g.text.angle = 0; }
    } restore{g};
    sclpax(g, 1);
    const int passes = curvePasses(g, g.line.curveThickness);
    const int stride = coveredCopyStride(g, 1.0f / penFactor(g));
    for (int k = 0; k < passes; ++k) {
        if (!passDrawn(k, passes, stride)) continue;
        if (labelled) {
            label.drawText = k == 0;
            LabelSink sink{g, passOffset(g, k), label};
            emit(sink);
        } else {
            PlotSink sink{g, passOffset(g, k)};
            emit(sink);
        }
    }
}

void drawGrid(Globals& g, const ContourGrid& grid, float zlev) {
    std::vector<std::uint32_t> mask;
    if (!allocateMask(mask, grid.nx, grid.ny)) return;
    drawContourPasses(g, zlev, [&](auto& sink) { traceContour(grid, zlev, mask.data(), sink); });
}

// Even grid positions over an axis: n values from its start to its end.
void evenPositions(const AxisScaling& s, int n, float* v) {
    const float a = s.log ? std::pow(10.0f, s.a) : s.a, e = s.log ? std::pow(10.0f, s.e) : s.e;
    for (int i = 0; i < n; ++i) v[i] = a + (e - a) * float(i) / float(n - 1);
}

}  // namespace

static bool anyNonPositive(const float* v, int n) {
    for (int i = 0; i < n; ++i)
        if (!(v[i] > 0.0f)) return true;
    return false;
}

// Warning 27 when a logarithmic axis gets a value it cannot show.
bool logValuesFit(const Globals& g, const float* x, int nx, const float* y, int ny) {
    const AxisState& a = g.axis;
    if (a.kind == AxisKind::Polar) return true;
    if ((a.sx.log && anyNonPositive(x, nx)) || (a.sy.log && anyNonPositive(y, ny))) {
        warnin(Warning::LogValuesNotPositive);
        return false;
    }
    return true;
}

int conpts(const float* x, int n, const float* y, int m, const float* z, float zlev, float* xray, float* yray,
           int maxpts, int* nray, int maxray) {
    if (!jqqlev(0, 3, "conpts")) return 0;
    if (n < 2 || m < 2) {
        warni1(Warning::IncorrectParameter, n < m ? n : m);
        return 0;
    }
    std::vector<std::uint32_t> mask;
    if (!allocateMask(mask, n, m)) return 0;
    ArraySink sink{xray, yray, maxpts < 0 ? 0 : maxpts, nray, maxray < 0 ? 0 : maxray};
    traceContour(ContourGrid{x, n, y, m, z}, zlev, mask.data(), sink);
    return sink.lines;
}

int tripts(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
           int ntri, float zlev, float* xpts, float* ypts, int maxpts, int* nptray, int maxray) {
    if (!jqqlev(0, 3, "tripts")) return 0;
    if (n < 3 || ntri < 1) {
        warni1(Warning::IncorrectParameter, n < 3 ? n : ntri);
        return 0;
    }
    ArraySink sink{xpts, ypts, maxpts < 0 ? 0 : maxpts, nptray, maxray < 0 ? 0 : maxray};
    try {
        traceMeshContour(ContourMesh{x, y, z, n, i1, i2, i3, ntri}, zlev, sink);
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
        return 0;
    }
    return sink.lines;
}

void contur(const float* x, int nx, const float* y, int ny, const float* z, float zlev) {
    Globals* gp = jqqlev(2, 3, "contur");
    if (!gp) return;
    Globals& g = *gp;
    if (nx < 2 || ny < 2) {
        warni1(Warning::IncorrectParameter, nx < ny ? nx : ny);
        return;
    }
    if (!logValuesFit(g, x, nx, y, ny)) return;
    drawGrid(g, ContourGrid{x, nx, y, ny, z}, zlev);
}

void contri(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
            int ntri, float zlev) {
    Globals* gp = jqqlev(2, 3, "contri");
    if (!gp) return;
    Globals& g = *gp;
    if (n < 3 || ntri < 1) {
        warni1(Warning::IncorrectParameter, n < 3 ? n : ntri);
        return;
    }
    if (!logValuesFit(g, x, n, y, n)) return;
    try {
        drawContourPasses(g, zlev, [&](auto& sink) {
            traceMeshContour(ContourMesh{x, y, z, n, i1, i2, i3, ntri}, zlev, sink);
        });
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
    }
}

void conmat(const float* zmat, int n, int m, float zlev) {
    Globals* gp = jqqlev(2, 3, "conmat");
    if (!gp) return;
    Globals& g = *gp;
    if (n < 2 || m < 2) {
        warni1(Warning::IncorrectParameter, n < m ? n : m);
        return;
    }
    std::vector<float> x, y;
    try {
        x.resize(std::size_t(n)), y.resize(std::size_t(m));
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
        return;
    }
    if (g.g3d.surfSize) {
        // The matrix lies over the extent that sursze gave.
        const float* e = g.g3d.surfExtent;
        for (int i = 0; i < n; ++i) x[i] = e[0] + (e[1] - e[0]) * float(i) / float(n - 1);
        for (int j = 0; j < m; ++j) y[j] = e[2] + (e[3] - e[2]) * float(j) / float(m - 1);
    } else {
        evenPositions(g.axis.sx, n, x.data());
        evenPositions(g.axis.sy, m, y.data());
    }
    drawGrid(g, ContourGrid{x.data(), n, y.data(), m, zmat}, zlev);
}

void concrv(const float* x, const float* y, int n, float zlev) {
    Globals* gp = jqqlev(2, 3, "concrv");
    if (!gp) return;
    Globals& g = *gp;
    if (n < 1) {
        warni1(Warning::IncorrectParameter, n);
        return;
    }
    if (!logValuesFit(g, x, n, y, n)) return;
    drawContourPasses(g, zlev, [&](auto& sink) {
        sink.start(x[0], y[0]);
        for (int i = 1; i < n; ++i) sink.to(x[i], y[i]);
        sink.finish();
    });
}

void conmod(float xfac, float xquot) {
    Globals* g = chkini("conmod");
    if (!(xfac >= 0.0f) || !(xquot > 1.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->contour.labelFactor = xfac, g->contour.labelSpacing = xquot;
}

void congap(float xfac) {
    Globals* g = chkini("congap");
    if (!(xfac >= 0.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->contour.gap = xfac;
}

void conlab(const char* text) {
    Globals* g = chkini("conlab");
    std::strncpy(g->contour.labelText, text, sizeof g->contour.labelText - 1);
    g->contour.labelText[sizeof g->contour.labelText - 1] = '\0';
}

}  // namespace vtx
