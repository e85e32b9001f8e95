// Map projections as pure geometry: the projection table, the formulas of
// the four groups and the setup that fits a map window into an axis
// rectangle. Nothing here touches the state record, so the formulas are
// unit-tested on their own.
#pragma once

#include <vector>

namespace vtx {

enum class MapGroup { Plain, Cylindrical, Elliptical, Conical, Azimuthal, User };

struct ProjectionRow {
    const char* keyword;
    int code;
    MapGroup group;
};

int projectionCount();
const ProjectionRow& projectionRow(int index);
// The row of a projection code, or null for an unknown code.
const ProjectionRow* projectionByCode(int code);

// Projection codes the formulas tell apart.
enum ProjectionCode {
    kProjCyli = 0, kProjMerc = 1, kProjEqua = 6,
    kProjMoll = 10, kProjAito = 11, kProjHamm = 12, kProjWink = 13, kProjSans = 14, kProjElli = 15,
    kProjConf = 20, kProjAlbe = 21, kProjPoly = 22, kProjConi = 23,
    kProjGnom = 30, kProjOrth = 31, kProjSter = 32, kProjAzim = 33, kProjLamb = 34,
    kProjUser = 100,
};

// A user projection: map point (x, y) to plot offsets from the map origin,
// x to the right and y upwards.
using UserProjection = void (*)(float x, float y, float& xp, float& yp);

// Constants of a cone with standard parallels at polar distances theta1
// and theta2 (radians); one parallel when the two are equal.
struct ConeConstants {
    bool single = true;
    double theta1 = 0.0, theta2 = 0.0, mid = 0.0;
    double nConformal = 1.0, eConformal = 1.0;    // conformal: exponent and radius factor
    double nEqualArea = 1.0, cEqualArea = 0.0;    // equal-area: n and rho^2 at the pole, times n^2
    double nEquidistant = 1.0, aEquidistant = 0.0;  // equidistant: n and radius offset
};

ConeConstants coneConstants(double theta1, double theta2);

// What the frame of a map looks like.
enum class MapFrameKind { Rectangle, Outline, Circle };

struct MapGeometry {
    int code = kProjCyli;
    MapGroup group = MapGroup::Plain;
    double lonCentre = 0.0;               // middle longitude of the window (degrees)
    double lon0 = 0.0, lat0 = 0.0;        // azimuthal centre (degrees)
    double radius = 1.5707963267948966;   // visible angular radius of azimuthal maps (radians)
    bool southern = false;                // conical map south of the equator
    ConeConstants cone;
    double coneOffset = 0.0;              // K: distance of the cone apex above the map centre
    double scale = 1.0;                   // plot units per projected unit (y; x too unless plain)
    double scaleX = 1.0;                  // x factor: differs from scale only on the plain map
    double x0 = 0.0, y0 = 0.0;            // plot position of projected (0, 0)
    MapFrameKind frame = MapFrameKind::Rectangle;
    double frameX = 0.0, frameY = 0.0, frameRadius = 0.0;  // circle frame
    UserProjection user = nullptr;
};

// Projected coordinates (y upwards, unscaled) of a longitude and latitude
// in degrees; the plain projection returns them unchanged.
void projectUnits(const MapGeometry& m, double lon, double lat, double& px, double& py);

inline void projectToPlot(const MapGeometry& m, double lon, double lat, double& X, double& Y) {
    double px, py;
    projectUnits(m, lon, lat, px, py);
    X = m.x0 + m.scaleX * px;
    Y = m.y0 - m.scale * py;
}

// Angular distance c from the azimuthal centre and azimuth beta (radians).
void azimuthalPolar(const MapGeometry& m, double lon, double lat, double& c, double& beta);
// Projected radius of angular distance c under an azimuthal projection.
double azimuthalRadius(int code, double c);

// The window of a map and the axis rectangle it is fitted into.
struct MapWindow {
    double xa = -180.0, xe = 180.0, ya = -90.0, ye = 90.0;  // degrees
    double nxa = 0.0, nya = 0.0, nxl = 2.0, nyl = 2.0;      // lower left corner and lengths
    double poleLon = 0.0, poleLat = 0.0;                    // mappol
    bool refSet = false;
    double ref1 = 0.0, ref2 = 0.0;                          // mapref (degrees)
    double sphere = 90.0;                                   // mapsph (degrees)
};

// Fills the scale, origin, centre and cone constants of `m` (whose code,
// group and user projection are set) for a window.
void setupMap(MapGeometry& m, const MapWindow& w);

// Limit check of a window: 0 valid, 52 for an empty window, 2 for limits
// outside what the projection group accepts.
int checkMapLimits(int code, MapGroup group, double xa, double xe, double ya, double ye);

// Splits a map segment into the steps of the interpolating map pen:
// about one degree each, at least one.
int mapSegmentSteps(double lon1, double lat1, double lon2, double lat2);

// Clips a segment in degrees to the visible cap of an azimuthal map.
// Returns false when both ends lie beyond it; otherwise an end beyond the
// cap is moved onto the rim along its own azimuth (its projected position),
// given back in plot coordinates with the flag telling which moved.
// Plot position of a point of an azimuthal map, moved onto the rim along
// its own azimuth when it lies beyond the visible cap.
void capToPlot(const MapGeometry& m, double lon, double lat, double& X, double& Y);

struct CapSegment {
    double x1, y1, x2, y2;   // plot coordinates of the clipped ends
    bool startMoved, endMoved;
};
bool clipToCap(const MapGeometry& m, double lon1, double lat1, double lon2, double lat2, CapSegment& out);

// Cuts a closed ring (degrees, edges shorter than 180 degrees of
// longitude) at the back meridian of a map centred on longitude `centre`:
// the pieces, each closed and with longitudes within centre +- 180, are
// appended to `pieces` as (lon, lat) point lists. A ring that does not
// cross the back meridian comes back whole.
struct RingPiece {
    std::vector<double> lon, lat;
};
void cutAtBackMeridian(const double* lon, const double* lat, int n, double centre, std::vector<RingPiece>& pieces);

}  // namespace vtx
