// Shaded contours: the bands between contour levels filled with colours,
// over a grid (conshd) or a triangulation (confll); their band colours and
// the filled triangle of trifll.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <vector>

#include "contour/api.h"
#include "contour/band_polygons.h"
#include "contour/contour_checks.h"
#include "contour/contour_state.h"
#include "core/checks.h"
#include "core/devices.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph2d/axis_transform.h"
#include "graph2d/legend_entries.h"
#include "graph3d/graph3d_state.h"
#include "graph3d/z_colour.h"
#include "session/globals.h"

namespace vtx {

namespace {

constexpr int kSolidPattern = 16;
constexpr int kPolygonPoints = 25000;  // points of one closed line that the polygon method fills

enum Outside { kBothOutside = 0, kUpperOutside = 1, kLowerOutside = 2, kNoOutside = 3 };
enum BandColourFrom { kLowerLevel = 0, kMiddle = 1, kUpperLevel = 2 };

// Levels in ascending order, each with its position in the caller's order.
struct SortedLevels {
    std::vector<float> value;
    std::vector<int> position;
};

SortedLevels sortLevels(const float* zlev, int n) {
    std::vector<int> order(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [zlev](int a, int b) { return zlev[a] < zlev[b]; });
    SortedLevels s;
    s.value.resize(order.size()), s.position = order;
    for (int i = 0; i < n; ++i) s.value[i] = zlev[order[i]];
    return s;
}

// The colour of every band 0..n; -1 marks a band left empty by the outside
// option (which only the cell methods apply).
std::vector<int> bandColours(const Globals& g, const SortedLevels& L, const ZColourMap& map, bool outsideRules) {
    const ContourState& c = g.contour;
    const int n = int(L.value.size());
    auto listed = [&](int i) { return L.position[i] < c.colourCount; };
    auto levelColour = [&](int i) { return listed(i) ? c.colours[L.position[i]] : map.lookup(L.value[i]); };
    std::vector<int> colour(static_cast<std::size_t>(n) + 1);
    colour[0] = map.outLow;
    for (int k = 1; k <= n; ++k) {
        if (c.bandColourFrom == kUpperLevel) colour[k] = k < n ? levelColour(k) : map.outHigh;
        else if (c.bandColourFrom == kMiddle && k < n && !listed(k - 1))
            colour[k] = map.lookup(0.5f * (L.value[k - 1] + L.value[k]));
        else colour[k] = levelColour(k - 1);
    }
    if (outsideRules) {
        if (c.outsideBands == kLowerOutside || c.outsideBands == kNoOutside) colour[n] = -1;
        if (c.outsideBands == kUpperOutside || c.outsideBands == kNoOutside) colour[0] = -1;
    }
    return colour;
}

// Shared start of conshd and confll: the warning for a short colour list,
// the Z range of the colour lookup and the band colours with their legend entries.
std::vector<int> prepareBands(Globals& g, const SortedLevels& L, bool outsideRules) {
    const int n = int(L.value.size());
    if (g.contour.colourCount > 0 && g.contour.colourCount < n) warnText(101, "More contour levels as defined colours");
    if (g.g3d.zScaleSet) setzpa(g, g.g3d.zScale[0], g.g3d.zScale[1]);
    else setzpa(g, L.value.front(), L.value.back());
    std::vector<int> colour = bandColours(g, L, currentZColourMap(g), outsideRules);
    for (int c : colour)
        if (c >= 0) registerLegendEntry(g, -1, -1, g.line.curveThickness, c, kSolidPattern);
    return colour;
}

// Solid fills, clipped to the axis system, with hatch lines close enough on
// devices that fill in software that neighbouring bands leave no gaps; the
// caller's colour and fill settings come back at the end.
class BandScope {
   public:
    explicit BandScope(Globals& g) : g_(g), colour_(g), fill_(g) {
        setShadingPattern(g, kSolidPattern);
        g.fill.spacing = (deviceCan(g.ctl.device, kFineSolidHatch) ? 0.3999f : 0.9999f) / g.out.unitFactor;
        sclpax(g, 1);
    }
    ~BandScope() {
        qqstrk(g_);
        sclpax(g_, 0);
    }
    BandScope(const BandScope&) = delete;
    BandScope& operator=(const BandScope&) = delete;

   private:
    Globals& g_;
    const ColourScope colour_;
    const FillScope fill_;
};

// Devices that fill polygons themselves smooth their edges, which lets the
// background shine through between neighbouring pieces; an outline in the
// piece's own colour closes those seams.
void fillPlotPolygon(Globals& g, int colour, const float* X, const float* Y, int n) {
    if (g.colour.current != colour) qqsclr(g, colour);
    dareaf(g, X, Y, n);
    if (!deviceCan(g.ctl.device, kFillsPolygons)) return;
    strtqq(g, X[0], Y[0]);
    for (int i = 1; i < n; ++i) connqq(g, X[i], Y[i]);
    connqq(g, X[0], Y[0]);
}

// Band polygons in user coordinates, filled in their band's colour.
struct BandFillSink {
    Globals& g;
    const std::vector<int>& colour;
    void fill(int band, const float* x, const float* y, int n) {
        if (colour[band] < 0) return;
        float X[8], Y[8];  // a cell cut by two levels has at most 6 corners
        for (int i = 0; i < n; ++i) userToPlot(g, x[i], y[i], X[i], Y[i]);
        fillPlotPolygon(g, colour[band], X, Y, n);
    }
};

// The polygon method: each traced line is collected in plot coordinates and
// filled when it closes on itself (within one plot unit).
struct ClosedLineSink {
    Globals& g;
    int colour;
    float* X;
    float* Y;
    int n = 0;
    void start(float u, float v) {
        flush();
        to(u, v);
    }
    void to(float u, float v) {
        if (n < kPolygonPoints) userToPlot(g, u, v, X[n], Y[n]), ++n;
    }
    void finish() { flush(); }
    void flush() {
        if (n > 2 && std::fabs(X[0] - X[n - 1]) <= 1.0f && std::fabs(Y[0] - Y[n - 1]) <= 1.0f)
            fillPlotPolygon(g, colour, X, Y, n);
        n = 0;
    }
};

void fillClosedLines(Globals& g, const ContourGrid& grid, const float* zlev, int nlev, const SortedLevels& L,
                     const std::vector<int>& colour) {
    std::vector<float> buffer;
    std::vector<std::uint32_t> mask;
    try {
        buffer.resize(2 * std::size_t(kPolygonPoints));
        mask.resize(contourMaskWords(grid.nx, grid.ny));
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
        return;
    }
    // The region above a level is its band's: the band just above it in sorted order.
    std::vector<int> bandOfPosition(static_cast<std::size_t>(nlev));
    for (int i = 0; i < nlev; ++i) bandOfPosition[L.position[i]] = i + 1;
    for (int k = 0; k < nlev; ++k) {
        ClosedLineSink sink{g, colour[bandOfPosition[k]], buffer.data(), buffer.data() + kPolygonPoints};
        traceContour(grid, zlev[k], mask.data(), sink);
    }
}

// Straight lines stay straight from user to plot coordinates, so whole
// cells of a row may be filled as one rectangle.
bool straightAxes(const Globals& g) { return g.axis.kind != AxisKind::Polar && g.axis.kind != AxisKind::Map; }

bool levelsGiven(int nlev) {
    if (nlev >= 1) return true;
    warni1(Warning::IncorrectParameter, nlev);
    return false;
}

}  // namespace

void conshd(const float* x, int n, const float* y, int m, const float* z, const float* zlev, int nlev) {
    Globals* gp = jqqlev(2, 3, "conshd");
    if (!gp) return;
    Globals& g = *gp;
    if (n < 2 || m < 2) {
        warni1(Warning::IncorrectParameter, n < m ? n : m);
        return;
    }
    if (!levelsGiven(nlev) || !logValuesFit(g, x, n, y, m)) return;
    const ContourGrid grid{x, n, y, m, z};
    const bool polygons = g.contour.shadeMode == 1;
    try {
        const SortedLevels L = sortLevels(zlev, nlev);
        const std::vector<int> colour = prepareBands(g, L, !polygons);
        const BandScope scope(g);
        if (polygons) {
            fillClosedLines(g, grid, zlev, nlev, L, colour);
        } else {
            BandFillSink sink{g, colour};
            gridBands(grid, L.value.data(), nlev, straightAxes(g), sink);
        }
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
    }
}

void confll(const float* x, const float* y, const float* z, int n, const int* i1, const int* i2, const int* i3,
            int ntri, const float* zlev, int nlev) {
    Globals* gp = jqqlev(2, 3, "confll");
    if (!gp) return;
    Globals& g = *gp;
    if (n < 3 || ntri < 1) {
        warni1(Warning::IncorrectParameter, n < 3 ? n : ntri);
        return;
    }
    if (!levelsGiven(nlev) || !logValuesFit(g, x, n, y, n)) return;
    try {
        const SortedLevels L = sortLevels(zlev, nlev);
        const std::vector<int> colour = prepareBands(g, L, true);
        const BandScope scope(g);
        BandFillSink sink{g, colour};
        meshBands(ContourMesh{x, y, z, n, i1, i2, i3, ntri}, L.value.data(), nlev, sink);
    } catch (const std::bad_alloc&) {
        warnin(Warning::NoMemory);
    }
}

void trifll(const float* x, const float* y) {
    Globals* gp = jqqlev(2, 3, "trifll");
    if (!gp) return;
    Globals& g = *gp;
    const PatternScope pattern(g);
    setShadingPattern(g, kSolidPattern);
    float X[3], Y[3];
    for (int i = 0; i < 3; ++i) userToPlot(g, x[i], y[i], X[i], Y[i]);
    dareaf(g, X, Y, 3);
    qqstrk(g);
}

void conclr(const int* colours, int n) {
    Globals* g = chkini("conclr");
    if (!g || jqqval(n, 0, 256) != 0) return;
    ContourState& c = g->contour;
    c.colourCount = n;
    std::copy(colours, colours + n, c.colours);
}

}  // namespace vtx
