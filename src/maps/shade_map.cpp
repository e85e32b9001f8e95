// Filled areas of the base map: shdmap (all land, a continent, Europe or the
// lakes), shdeur (countries of Europe) and shdusa (states of the United
// States), each through the projection of the current map.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <vector>

#include "session/globals.h"
#include "core/checks.h"
#include "core/messages.h"
#include "device/area_fill.h"
#include "device/attribute_scope.h"
#include "device/colour.h"
#include "device/pipeline.h"
#include "device/shading.h"
#include "graph2d/axis_transform.h"
#include "maps/api.h"
#include "maps/base_map.h"
#include "maps/map_pen.h"

namespace vtx {

namespace {

// Region codes of the land table, by shdmap keyword after ALL.
constexpr int kRegionOfKeyword[] = {0, 0, kLandAntarctica, kLandAfrica, kLandEurasia, kLandAustralia, kLandEurope,
                                    kLandNorthAmerica, kLandSouthAmerica, kLandLake};

// Edges of the ring tables are at most this long (degrees) once projected:
// the long edges along the date line and the poles bend on most maps.
constexpr double kMaxEdge = 2.0;

// The ring with points added along its long edges.
void densify(const double* lon, const double* lat, int n, std::vector<double>& x, std::vector<double>& y) {
    x.clear(), y.clear();
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        const double len = std::max(std::fabs(lon[j] - lon[i]), std::fabs(lat[j] - lat[i]));
        const int steps = len > kMaxEdge ? int(std::ceil(len / kMaxEdge)) : 1;
        for (int k = 0; k < steps; ++k) {
            const double t = double(k) / steps;
            x.push_back(lon[i] + t * (lon[j] - lon[i])), y.push_back(lat[i] + t * (lat[j] - lat[i]));
        }
    }
}

// Whether a ring can be filled on this map: a ring wholly on the hidden
// side of a cap would leave a sliver on the rim.
bool fillable(const MapGeometry& m, const double* lon, const double* lat, int n) {
    if (m.group == MapGroup::Azimuthal) {
        for (int i = 0; i < n; ++i) {
            double c, beta;
            azimuthalPolar(m, lon[i], lat[i], c, beta);
            if (c <= m.radius) return true;
        }
        return false;
    }
    return true;
}

// Fills the rings of a table whose tag `wanted` accepts with the current
// pattern and colour, clipped to the axis system.
template <typename Wanted>
void fillRings(Globals& g, const std::int16_t* table, int size, Wanted&& wanted) {
    const MapState& s = g.map;
    const MapGeometry& m = s.geo;
    MapCopy copies[9];
    const int nCopies = mapCopies(s, copies);
    static std::vector<float> xs, ys;
    static std::vector<double> lons, lats;
    static std::vector<RingPiece> pieces;
    // Maps that count longitudes from their centre end at its back
    // meridian: rings over it are filled piece by piece on both sides.
    const bool cut = m.group == MapGroup::Elliptical || m.group == MapGroup::Conical;
    auto fillPiece = [&](const double* lon, const double* lat, int n) {
        densify(lon, lat, n, lons, lats);
        const int count = int(lons.size());
        xs.resize(count), ys.resize(count);
        for (int c = 0; c < nCopies; ++c) {
            for (int i = 0; i < count; ++i) {
                const double x = lons[i] + copies[c].lonOffset, y = copies[c].latSign * lats[i] + copies[c].latOffset;
                double X, Y;
                if (m.group == MapGroup::Azimuthal) capToPlot(m, x, y, X, Y);
                else projectToPlot(m, x, y, X, Y);
                xs[i] = clampPlot(float(X)), ys[i] = clampPlot(float(Y));
            }
            dareaf(g, xs.data(), ys.data(), count);
        }
    };
    sclpax(g, 1);
    forEachRing(table, size, [&](int tag, const double* lon, const double* lat, int n) {
        if (!wanted(tag) || !fillable(m, lon, lat, n)) return;
        if (!cut) return fillPiece(lon, lat, n);
        pieces.clear();
        cutAtBackMeridian(lon, lat, n, m.lonCentre, pieces);
        for (const RingPiece& p : pieces) fillPiece(p.lon.data(), p.lat.data(), int(p.lon.size()));
    });
    sclpax(g, 0);
}

bool needsMap(Globals& g) {
    if (g.axis.kind == AxisKind::Map) return true;
    warnText(101, "No map axis system defined");
    return false;
}

// shdeur and shdusa: entry i fills area inray[i] of the table with pattern
// ipat[i] and colour icol[i]; a bad index, pattern or colour skips the entry.
void fillIndexed(Globals& g, const std::int16_t* table, int size, int count, const int* inray, const long* ipat,
                 const int* icol, int n) {
    if (!needsMap(g)) return;
    const PatternScope pattern(g);
    const ColourScope colour(g);
    for (int i = 0; i < n; ++i) {
        const int index = inray[i];
        if (index < 1 || index > count) {
            warni1(Warning::IncorrectParameter, index);
            continue;
        }
        // Patterns beyond int are out of range like any other bad pattern.
        const int p = int(std::clamp<long>(ipat[i], INT_MIN, INT_MAX));
        if (setShadingPattern(g, p) != 0) continue;
        if (jqqval(icol[i], 0, 255)) continue;
        qqsclr(g, icol[i]);
        fillRings(g, table, size, [&](int tag) { return tag == index; });
    }
}

}  // namespace

void shdmap(const char* keyword) {
    Globals* gp = jqqlev(2, 3, "shdmap");
    if (!gp) return;
    Globals& g = *gp;
    const int k = jqqind("ALL +ANTA+AFRI+EURA+AUST+EURO+NORT+SOUT+LAKE", 9, keyword);
    if (!k || !needsMap(g)) return;
    fillRings(g, kBaseMapLand, kBaseMapLandSize, [k](int code) {
        if (k == 1) return code >= kLandAntarctica && code <= kLandSouthAmerica;
        return kRegionOfKeyword[k] == code;
    });
}

void shdeur(const int* inray, const long* ipat, const int* icol, int n) {
    Globals* g = jqqlev(2, 3, "shdeur");
    if (g) fillIndexed(*g, kEuropeCountries, kEuropeCountriesSize, kEuropeCountryCount, inray, ipat, icol, n);
}

void shdusa(const int* inray, const long* ipat, const int* icol, int n) {
    Globals* g = jqqlev(2, 3, "shdusa");
    if (g) fillIndexed(*g, kUsStates, kUsStatesSize, kUsStateCount, inray, ipat, icol, n);
}

}  // namespace vtx
