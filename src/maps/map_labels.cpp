// Grid labels around maps without rectangular axes (elliptical outlines and
// the circles of azimuthal caps): mpaepl and its settings, and the labels
// that gridmp writes where meridians and parallels meet the frame.
#include <algorithm>
#include <cmath>
#include <optional>

#include "session/globals.h"
#include "core/checks.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/shading.h"
#include "graph2d/labels.h"
#include "graph2d/scaling.h"
#include "maps/api.h"
#include "maps/map_labels.h"
#include "maps/map_state.h"
#include "text/strings.h"
#include "text/text_scope.h"

namespace vtx {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kSolidPattern = 16;

// Where the label of grid line v goes, and the direction away from the
// line. Meridians of an outline frame converge toward the poles, so their
// labels go below the middle parallel of the window; parallels are labelled
// at the western edge; on a cap every crossing of the rim counts.
template <typename Fn>
void forEachFrameCrossing(const MapState& s, bool meridian, double v, Fn&& fn) {
    const MapGeometry& m = s.geo;
    double X, Y;
    if (m.frame == MapFrameKind::Outline) {
        if (meridian) projectToPlot(m, v, (s.ya + s.ye) / 2.0, X, Y), fn(X, Y, 0.0, 1.0);
        else projectToPlot(m, s.xa, v, X, Y), fn(X, Y, -1.0, 0.0);
        return;
    }
    // Along the grid line, a degree a step: where the angular distance from
    // the centre passes the visible radius.
    auto at = [&](double t, double& lon, double& lat) {
        lon = meridian ? v : m.lonCentre - 180.0 + t;
        lat = meridian ? -90.0 + t : v;
    };
    const double steps = meridian ? 180.0 : 360.0;
    double lon, lat, c, beta, prev = 0.0;
    for (int k = 0; k <= int(steps); ++k) {
        at(k, lon, lat);
        azimuthalPolar(m, lon, lat, c, beta);
        const double d = c - m.radius;
        if (k > 0 && (d <= 0.0) != (prev <= 0.0)) {
            double lo = k - 1, hi = k;
            for (int i = 0; i < 40; ++i) {
                const double mid = (lo + hi) / 2.0;
                at(mid, lon, lat);
                azimuthalPolar(m, lon, lat, c, beta);
                ((c - m.radius <= 0.0) == (prev <= 0.0) ? lo : hi) = mid;
            }
            at((lo + hi) / 2.0, lon, lat);
            azimuthalPolar(m, lon, lat, c, beta);
            X = m.frameX + m.frameRadius * std::cos(beta), Y = m.frameY - m.frameRadius * std::sin(beta);
            fn(X, Y, std::cos(beta), -std::sin(beta));
        }
        prev = d;
    }
}

// The upright box around a label, to keep labels apart.
struct LabelBox {
    double x0, y0, x1, y1;
    bool overlaps(const LabelBox& o, double gap) const {
        return x0 < o.x1 + gap && o.x0 < x1 + gap && y0 < o.y1 + gap && o.y0 < y1 + gap;
    }
};

// A label centred `offset` plot units beyond (X, Y) along the outward
// direction (ux, uy), turned by the label angle. A label whose box would
// overlap `last` (the label before it on the same axis) is left out;
// otherwise `last` becomes its box.
void placeLabel(Globals& g, const char* text, double X, double Y, double ux, double uy, int offset,
                std::optional<LabelBox>& last) {
    const TextState& t = g.text;
    const double w = measureString(g, text), h = t.height;
    const double a = t.angle * kPi / 180.0;
    const double dx = std::cos(a), dy = -std::sin(a);  // along the text, y down
    const double nx = std::sin(a), ny = std::cos(a);   // down the glyphs
    // Half the label's extent along the outward direction keeps it clear of the frame.
    const double reach = 0.5 * (std::fabs(ux * dx + uy * dy) * w + std::fabs(ux * nx + uy * ny) * h);
    const double cx = X + ux * (offset + h * 0.5 + reach), cy = Y + uy * (offset + h * 0.5 + reach);
    const double x0 = cx - dx * w / 2.0 - nx * h / 2.0, y0 = cy - dy * w / 2.0 - ny * h / 2.0;
    const double halfW = (std::fabs(dx) * w + std::fabs(nx) * h) / 2.0, halfH = (std::fabs(dy) * w + std::fabs(ny) * h) / 2.0;
    const LabelBox box{cx - halfW, cy - halfH, cx + halfW, cy + halfH};
    if (last && box.overlaps(*last, h)) return;
    last = box;
    const MapState& s = g.map;
    if (s.plotBackground >= 0) {
        const ColourScope colour(g);
        const PatternScope pattern(g);
        setShadingPattern(g, kSolidPattern);
        qqsclr(g, s.plotBackground);
        float xs[4], ys[4];
        const double corners[4][2] = {{0, 0}, {w, 0}, {w, h}, {0, h}};
        for (int i = 0; i < 4; ++i) {
            xs[i] = float(x0 + dx * corners[i][0] + nx * corners[i][1]);
            ys[i] = float(y0 + dy * corners[i][0] + ny * corners[i][1]);
        }
        dareaf(g, xs, ys, 4);
    }
    qqmess(g, text, int(std::lround(x0)), int(std::lround(y0)));
}

}  // namespace

void drawMapGridLabels(Globals& g, bool meridians, bool parallels) {
    const MapState& s = g.map;
    if (!s.plotLabels || s.geo.frame == MapFrameKind::Rectangle) return;
    AxisState& a = g.axis;
    TextScope scope(g);
    if (s.plotSize > 0) scope.setHeight(s.plotSize);
    g.text.angle = int(std::lround(s.plotAngle));
    g.text.justify = 0;
    std::optional<ColourScope> colour;
    if (s.plotColour >= 0) colour.emplace(g, Restore::Always), qqsclr(g, s.plotColour);
    for (int axis = 0; axis < 2; ++axis) {
        if (!(axis == 0 ? meridians : parallels)) continue;
        const AxisScaling& sc = axis == 0 ? a.sx : a.sy;
        if (!(std::fabs(sc.step) > 0.0f) || !((sc.e - sc.first) / sc.step < 1000.0f)) continue;
        const int savedType = a.labelType[axis], savedDigits = a.labelDigits[axis];
        const int t = savedType;
        if (t != kLabNone && t != kLabMap && t != kLabDmap && t != kLabLmap) a.labelType[axis] = kLabMap;
        if (sc.first == std::round(sc.first) && sc.step == std::round(sc.step)) a.labelDigits[axis] = -1;
        const int n = int(std::floor((sc.e - sc.first) / sc.step + 1.0e-4f));
        AxisLabel label;
        std::optional<LabelBox> last;
        for (int i = 0; i <= n && a.labelType[axis] != kLabNone; ++i) {
            const float v = sc.first + float(i) * sc.step;
            // The two ends of a whole-globe window are one meridian.
            if (axis == 0 && i == n && std::fabs(sc.e - sc.a) >= 359.9f && std::fabs(v - sc.a - 360.0f) < 1e-3f)
                continue;
            axisLabelText(g, axis, v, false, i, n, false, label);
            g.text.mixAlphabet = label.needsMix ? 1 : g.text.mixAlphabet;
            forEachFrameCrossing(s, axis == 0, v, [&](double X, double Y, double ux, double uy) {
                placeLabel(g, label.text, X, Y, ux, uy, s.plotOffset[axis], last);
            });
            scope.restoreAlphabet();
        }
        a.labelType[axis] = savedType, a.labelDigits[axis] = savedDigits;
    }
}

void mpaepl(int mode) {
    Globals* g = chkini("mpaepl");
    if (!g || jqqval(mode, 0, 1)) return;
    g->map.plotLabels = mode;
}

void mplsiz(int height) {
    Globals* g = chkini("mplsiz");
    if (!g || jqqval(height, 0, 10000)) return;
    g->map.plotSize = height;
}

void mplclr(int colour, int background) {
    Globals* g = chkini("mplclr");
    if (!g || jqqval(colour, -1, 255) || jqqval(background, -1, 255)) return;
    g->map.plotColour = colour, g->map.plotBackground = background;
}

void mplpos(int lonOffset, int latOffset) {
    Globals* g = chkini("mplpos");
    if (!g || jqqval(lonOffset, -10000, 10000) || jqqval(latOffset, -10000, 10000)) return;
    g->map.plotOffset[0] = lonOffset, g->map.plotOffset[1] = latOffset;
}

void mplang(float angle) {
    Globals* g = chkini("mplang");
    if (!g) return;
    if (!(std::fabs(angle) <= 360.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->map.plotAngle = angle;
}

}  // namespace vtx
