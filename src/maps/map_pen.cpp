// The map pen and the map branch of the 2-D transform.
#include "maps/map_pen.h"

#include <cmath>

#include "device/pipeline.h"
#include "graph2d/axis_transform.h"

namespace vtx {

namespace {

double wrap180(double v) { return (v < -180.0 || v > 180.0) ? std::remainder(v, 360.0) : v; }

// Just inside the edge of the globe, so the side a point belongs to is certain.
constexpr double kEdge = 180.0 - 1.0e-7;

}  // namespace

void mapToPlot(const Globals& g, float lon, float lat, float& X, float& Y) {
    double x, y;
    projectToPlot(g.map.geo, lon, lat, x, y);
    X = float(x), Y = float(y);
}

int mapCopies(const MapState& s, MapCopy out[9]) {
    if (s.geo.group != MapGroup::Cylindrical && s.geo.group != MapGroup::Plain) {
        out[0] = MapCopy{};
        return 1;
    }
    double lons[3], lats[3][2];
    int nl = 0, np = 0;
    if (s.xa < -180.1) lons[nl++] = -360.0;
    if (s.xe > 180.1) lons[nl++] = 360.0;
    if (s.xa < 179.9 && s.xe > -179.9) lons[nl++] = 0.0;
    if (s.ya < -90.1) lats[np][0] = -180.0, lats[np++][1] = -1.0;
    if (s.ye > 90.1) lats[np][0] = 180.0, lats[np++][1] = -1.0;
    if (s.ya < 89.9 && s.ye > -89.9) lats[np][0] = 0.0, lats[np++][1] = 1.0;
    int n = 0;
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < np; ++j) out[n++] = {lons[i], lats[j][0], lats[j][1]};
    return n;
}

MapPen::MapPen(Globals& g, float offset, bool interpolate)
    : g_(g), m_(g.map.geo), offset_(offset), interpolate_(interpolate) {}

void MapPen::move(double lon, double lat) {
    placed_ = true, down_ = false;
    lon_ = lon, lat_ = lat;
}

void MapPen::draw(double lon, double lat) {
    if (!placed_) return move(lon, lat);
    const double lon1 = lon_, lat1 = lat_;
    const MapGroup group = m_.group;
    if (group == MapGroup::Cylindrical && std::fabs(lon - lon1) > 180.0) {
        // The short way crosses the date line: draw the segment on both
        // sides of it and let the axis clipping keep what lies inside.
        const double shift = lon > lon1 ? 360.0 : -360.0;
        run(lon1, lat1, lon - shift, lat);
        move(lon1 + shift, lat1);
        run(lon1 + shift, lat1, lon, lat);
    } else if (group == MapGroup::Elliptical || group == MapGroup::Conical) {
        // Longitudes count from the centre; a step over the back meridian
        // ends at one edge of the map and goes on from the other.
        const double c = m_.lonCentre;
        const double l1 = wrap180(lon1 - c), l2 = wrap180(lon - c);
        if (std::fabs(l2 - l1) > 180.0) {
            const double edge = l1 > 0.0 ? kEdge : -kEdge;
            const double l2s = l2 + (l1 > 0.0 ? 360.0 : -360.0);
            const double t = (edge - l1) / (l2s - l1);
            const double latEdge = lat1 + t * (lat - lat1);
            run(c + l1, lat1, c + edge, latEdge);
            move(c - edge, latEdge);
            run(c - edge, latEdge, c + l2, lat);
        } else {
            run(c + l1, lat1, c + l2, lat);
        }
    } else if (group == MapGroup::Azimuthal) {
        // Steps go the short way round the globe.
        run(lon1, lat1, lon1 + wrap180(lon - lon1), lat);
    } else {
        run(lon1, lat1, lon, lat);
    }
    lon_ = lon, lat_ = lat, placed_ = true;
}

void MapPen::run(double lon1, double lat1, double lon2, double lat2) {
    const int n = interpolate_ ? mapSegmentSteps(lon1, lat1, lon2, lat2) : 1;
    double la = lon1, pa = lat1;
    for (int k = 1; k <= n; ++k) {
        const double t = double(k) / n;
        const double lb = k == n ? lon2 : lon1 + t * (lon2 - lon1), pb = k == n ? lat2 : lat1 + t * (lat2 - lat1);
        step(la, pa, lb, pb);
        la = lb, pa = pb;
    }
}

void MapPen::step(double lon1, double lat1, double lon2, double lat2) {
    if (m_.group == MapGroup::Azimuthal) {
        CapSegment s;
        if (!clipToCap(m_, lon1, lat1, lon2, lat2, s)) {
            down_ = false;
            return;
        }
        line(s.x1, s.y1, s.x2, s.y2, s.startMoved || !down_);
        down_ = !s.endMoved;
        return;
    }
    double X1 = 0, Y1 = 0, X2, Y2;
    if (!down_) projectToPlot(m_, lon1, lat1, X1, Y1);
    projectToPlot(m_, lon2, lat2, X2, Y2);
    line(X1, Y1, X2, Y2, !down_);
    down_ = true;
}

void MapPen::line(double X1, double Y1, double X2, double Y2, bool moveFirst) {
    if (moveFirst) strtqq(g_, clampPlot(float(X1)), clampPlot(float(Y1)), offset_);
    connqq(g_, clampPlot(float(X2)), clampPlot(float(Y2)), offset_);
}

}  // namespace vtx
