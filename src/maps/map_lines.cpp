// gridmp and curvmp: meridians and parallels, and curves in longitude and
// latitude, drawn with the map pen.
#include <cmath>
#include <cstdlib>

#include "session/globals.h"
#include "core/checks.h"
#include "core/messages.h"
#include "device/attribute_scope.h"
#include "device/pipeline.h"
#include "graph2d/curve_api.h"
#include "graph2d/curve_cycle.h"
#include "graph2d/curve_thickness.h"
#include "graph2d/legend_entries.h"
#include "maps/api.h"
#include "maps/map_labels.h"
#include "maps/map_pen.h"
#include "graph2d/axis_transform.h"
#include "text/symbols.h"

namespace vtx {

namespace {

constexpr int kMaxGridLines = 10000;

// Calls fn(v) for the grid values of one axis: from the first label up by
// step/perLabel to the end of the window, then down to its start.
template <typename Fn>
void forEachGridValue(const AxisScaling& s, int perLabel, Fn&& fn) {
    const double d = std::fabs(double(s.step)) / perLabel;
    const double lo = std::fmin(s.a, s.e), hi = std::fmax(s.a, s.e), eps = (hi - lo) * 1.0e-6;
    if (!(d > 0.0) || !((hi - lo) / d < kMaxGridLines)) return;
    for (int i = 0; s.first + i * d <= hi + eps; ++i) fn(s.first + i * d);
    for (int i = 1; s.first - i * d >= lo - eps; ++i) fn(s.first - i * d);
}

bool needsMap(Globals& g) {
    if (g.axis.kind == AxisKind::Map) return true;
    warnText(101, "No map axis system defined");
    return false;
}

}  // namespace

void gridmp(int ixgrd, int iygrd) {
    Globals* gp = jqqlev(2, 3, "gridmp");
    if (!gp) return;
    Globals& g = *gp;
    if (jqqval(ixgrd, 0, -1) || jqqval(iygrd, 0, -1) || !needsMap(g)) return;
    const MapState& s = g.map;
    const MapGeometry& m = s.geo;
    const bool straight = m.group == MapGroup::Plain || m.group == MapGroup::Cylindrical;
    sclpax(g, 1);
    auto gridLine = [&](bool meridian, double v) {
        if (straight) {
            double X1, Y1, X2, Y2;
            if (meridian) projectToPlot(m, v, s.ya, X1, Y1), projectToPlot(m, v, s.ye, X2, Y2);
            else projectToPlot(m, s.xa, v, X1, Y1), projectToPlot(m, s.xe, v, X2, Y2);
            lineqq(g, float(X1), float(Y1), float(X2), float(Y2));
            return;
        }
        // Around the whole globe, a degree a step.
        MapPen pen(g, 0.0f, false);
        for (int k = 0; k <= (meridian ? 180 : 360); ++k) {
            const double lon = meridian ? v : m.lonCentre - 180.0 + k, lat = meridian ? -90.0 + k : v;
            if (k == 0) pen.move(lon, lat);
            else pen.draw(lon, lat);
        }
    };
    if (ixgrd > 0) forEachGridValue(g.axis.sx, ixgrd, [&](double v) { gridLine(true, v); });
    if (iygrd > 0) forEachGridValue(g.axis.sy, iygrd, [&](double v) { gridLine(false, v); });
    qqstrk(g);
    sclpax(g, 0);
    drawMapGridLabels(g, ixgrd > 0, iygrd > 0);
}

void curvmp(const float* x, const float* y, int n) {
    Globals* gp = jqqlev(2, 3, "curvmp");
    if (!gp) return;
    Globals& g = *gp;
    const CurveState& c = g.curve;
    const bool lines = c.markInc >= 0;
    if (n < 1 || (n == 1 && lines)) {
        warni1(Warning::IncorrectParameter, n);
        return;
    }
    if (!needsMap(g)) return;
    const LineTypeScope lineType(g);
    const ColourScope colour(g);
    applyCurveCycle(g);
    registerLegendEntry(g, lines ? g.line.lineType : -1, c.markInc != 0 ? c.marker : -1, g.line.curveThickness,
                        g.colour.current, -1);
    sclpax(g, 1);
    if (c.markInc != 0) {
        for (long long i = 0; i < n; i += std::llabs(c.markInc)) {
            if (!(std::isfinite(x[i]) && std::isfinite(y[i]))) continue;
            float X, Y;
            mapToPlot(g, x[i], y[i], X, Y);
            dsymbl(g, c.marker, std::round(clampPlot(X)), std::round(clampPlot(Y)));
        }
    }
    if (lines) {
        const bool interpolate = g.map.mode == 1 && g.map.projection != kProjCyli;
        const int passes = curvePasses(g, g.line.curveThickness);
        for (int k = 0; k < passes; ++k) {
            MapPen pen(g, passOffset(g, k), interpolate);
            bool gap = true;
            for (int i = 0; i < n; ++i) {
                // A missing point (NaN) breaks the curve.
                if (!(std::isfinite(x[i]) && std::isfinite(y[i]))) {
                    gap = true;
                    continue;
                }
                if (gap) pen.move(x[i], y[i]), gap = false;
                else pen.draw(x[i], y[i]);
            }
            qqstrk(g);
        }
        g.map.penLon = x[n - 1], g.map.penLat = y[n - 1];
    }
    sclpax(g, 0);
    finishCurveCycle(g);
}

}  // namespace vtx
