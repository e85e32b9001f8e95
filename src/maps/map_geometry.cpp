// The formulas of the map projections and the fitting of a map window into
// its axis rectangle.
#include "maps/map_geometry.h"

#include <algorithm>
#include <cmath>

namespace vtx {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;

constexpr ProjectionRow kRows[] = {
#define PROJECTION(keyword, code, group) {keyword, code, MapGroup::group},
#include "maps/projections.def"
};

double clampUnit(double v) { return v < -1.0 ? -1.0 : (v > 1.0 ? 1.0 : v); }

// Longitude difference folded into [-180, 180].
double wrapLongitude(double lambda) {
    if (!std::isfinite(lambda)) return lambda;
    if (lambda < -180.0 || lambda > 180.0) lambda = std::remainder(lambda, 360.0);
    return lambda;
}

void cylindrical(const MapGeometry& m, double lambda, double phi, double& px, double& py) {
    px = lambda * kDeg;
    if (m.code == kProjMerc) {
        // The poles have no finite image; they are drawn at 89.99 degrees.
        phi = std::clamp(phi, -89.99, 89.99);
        py = std::log(std::tan((0.5 * phi + 45.0) * kDeg));
    } else if (m.code == kProjEqua) {
        py = std::sin(phi * kDeg);
    } else {
        py = phi * kDeg;
    }
}

void elliptical(const MapGeometry& m, double lambda, double phi, double& px, double& py) {
    const double lr = lambda * kDeg, pr = phi * kDeg;
    if (m.code == kProjSans) {
        px = lr * std::cos(pr), py = pr;
        return;
    }
    if (m.code != kProjAito && m.code != kProjHamm && m.code != kProjWink) {
        px = lambda, py = phi;
        return;
    }
    // alpha: angular distance from the map centre, gamma: its direction
    // measured from north.
    const double alpha = std::acos(clampUnit(std::cos(pr) * std::cos(lr / 2.0)));
    double gamma = alpha != 0.0 ? std::acos(clampUnit(std::sin(pr) / std::sin(alpha))) : 0.0;
    if (lambda < 0.0) gamma = -gamma;
    if (m.code == kProjAito) {
        px = 2.0 * alpha * std::sin(gamma), py = alpha * std::cos(gamma);
    } else if (m.code == kProjHamm) {
        const double t = std::sin(alpha / 2.0);
        px = 4.0 * t * std::sin(gamma), py = 2.0 * t * std::cos(gamma);
    } else {
        px = 0.5 * (lr * 0.7660444 + 2.0 * alpha * std::sin(gamma));
        py = 0.5 * (pr + alpha * std::cos(gamma));
    }
}

// Polar distance of a latitude from the cone's pole, radians.
double polarDistance(const MapGeometry& m, double phi) { return (m.southern ? 90.0 + phi : 90.0 - phi) * kDeg; }

// Angle factor and radius of a polar distance theta on the cone.
void coneRadius(const MapGeometry& m, double theta, double& n, double& rho) {
    const ConeConstants& k = m.cone;
    switch (m.code) {
        case kProjConf:
            theta = std::min(theta, 179.99 * kDeg);
            n = k.nConformal;
            rho = k.eConformal * std::pow(std::tan(theta / 2.0), n);
            break;
        case kProjAlbe:
            n = k.nEqualArea;
            rho = std::sqrt(std::max(0.0, k.cEqualArea - 2.0 * n * std::cos(theta))) / n;
            break;
        case kProjConi:
            n = k.nEquidistant;
            rho = theta + k.aEquidistant;
            break;
        default:  // POLY
            n = 1.0;
            rho = theta;
            break;
    }
}

void conical(const MapGeometry& m, double lambda, double phi, double& px, double& py) {
    double n, rho;
    coneRadius(m, polarDistance(m, phi), n, rho);
    const double beta = n * wrapLongitude(lambda) * kDeg;
    px = rho * std::sin(beta);
    py = m.coneOffset - rho * std::cos(beta);
    if (m.southern) py = -py;
}

}  // namespace

int projectionCount() { return int(sizeof kRows / sizeof kRows[0]); }
const ProjectionRow& projectionRow(int index) { return kRows[index]; }

const ProjectionRow* projectionByCode(int code) {
    for (const ProjectionRow& r : kRows)
        if (r.code == code) return &r;
    return nullptr;
}

ConeConstants coneConstants(double theta1, double theta2) {
    ConeConstants k;
    k.theta1 = theta1, k.theta2 = theta2;
    k.single = std::fabs(theta1 - theta2) < 1.0e-9;
    if (k.single) {
        k.mid = theta1;
        k.nConformal = std::cos(theta1);
        k.eConformal = std::tan(theta1) / std::pow(std::tan(theta1 / 2.0), k.nConformal);
        // One parallel: the equal-area cone whose second parallel is the pole.
        k.nEqualArea = std::pow(std::cos(theta1 / 2.0), 2.0);
        k.cEqualArea = 2.0 * k.nEqualArea;
        k.nEquidistant = std::cos(theta1);
        k.aEquidistant = std::tan(theta1) - theta1;
        return k;
    }
    const double mid = (theta1 + theta2) / 2.0, h = (theta2 - theta1) / 2.0;
    k.mid = mid;
    k.nConformal = (std::log10(std::sin(theta2)) - std::log10(std::sin(theta1))) /
                   (std::log10(std::tan(theta2 / 2.0)) - std::log10(std::tan(theta1 / 2.0)));
    k.eConformal = std::sin(theta2) / (k.nConformal * std::pow(std::tan(theta2 / 2.0), k.nConformal));
    k.nEqualArea = (std::cos(theta1) + std::cos(theta2)) / 2.0;
    k.cEqualArea = std::pow(std::sin(theta1), 2.0) + 2.0 * k.nEqualArea * std::cos(theta1);
    k.nEquidistant = std::cos(mid) * std::sin(h) / h;
    k.aEquidistant = std::tan(mid) * h / std::tan(h) - mid;
    return k;
}

void azimuthalPolar(const MapGeometry& m, double lon, double lat, double& c, double& beta) {
    if (m.lat0 >= 90.0) {
        c = (90.0 - lat) * kDeg, beta = (lon - 90.0 - m.lon0) * kDeg;
        return;
    }
    if (m.lat0 <= -90.0) {
        c = (lat + 90.0) * kDeg, beta = -(lon - 90.0 - m.lon0) * kDeg;
        return;
    }
    const double p0 = m.lat0 * kDeg, p = lat * kDeg;
    const double dl = std::fabs(m.lon0 - lon) * kDeg;
    c = std::acos(clampUnit(std::sin(p0) * std::sin(p) + std::cos(p0) * std::cos(p) * std::cos(dl)));
    if (c == 0.0) {
        beta = (lon - 90.0) * kDeg;
        return;
    }
    double b = std::acos(clampUnit((std::sin(p) - std::sin(p0) * std::cos(c)) / (std::cos(p0) * std::sin(c))));
    const double east = std::fmod(std::fmod(lon - m.lon0, 360.0) + 360.0, 360.0);
    if (east > 0.0 && east < 180.0) b = -b;
    beta = kPi / 2.0 + b;
}

double azimuthalRadius(int code, double c) {
    switch (code) {
        case kProjGnom: return std::tan(std::min(c, 89.99 * kDeg));
        case kProjOrth: return c <= kPi / 2.0 ? std::sin(c) : 2.0 - std::sin(c);
        case kProjSter: return 2.0 * std::tan(std::min(c, 179.99 * kDeg) / 2.0);
        case kProjLamb: return 2.0 * std::sin(c / 2.0);
        default: return c;  // AZIM
    }
}

void projectUnits(const MapGeometry& m, double lon, double lat, double& px, double& py) {
    const double lambda = lon - m.lonCentre;
    switch (m.group) {
        case MapGroup::Cylindrical: cylindrical(m, lambda, lat, px, py); return;
        case MapGroup::Elliptical: elliptical(m, lambda, lat, px, py); return;
        case MapGroup::Conical: conical(m, lambda, lat, px, py); return;
        case MapGroup::Azimuthal: {
            double c, beta;
            azimuthalPolar(m, lon, lat, c, beta);
            const double rho = azimuthalRadius(m.code, c);
            px = rho * std::cos(beta), py = rho * std::sin(beta);
            return;
        }
        case MapGroup::User:
            if (m.user) {
                float xp = 0.0f, yp = 0.0f;
                m.user(float(lon), float(lat), xp, yp);
                px = xp, py = yp;
                return;
            }
            px = lon, py = lat;
            return;
        default: px = lon, py = lat; return;
    }
}

void setupMap(MapGeometry& m, const MapWindow& w) {
    m.lonCentre = (w.xa + w.xe) / 2.0;
    m.frame = MapFrameKind::Rectangle;
    m.coneOffset = 0.0;
    m.southern = false;
    if (m.group == MapGroup::Plain) {
        // An ordinary linear axis system in degrees, each axis its own factor.
        m.lonCentre = 0.0;
        m.scale = (w.nyl - 1.0) / (w.ye - w.ya);
        m.scaleX = (w.nxl - 1.0) / (w.xe - w.xa);
        m.x0 = w.nxa - w.xa * m.scaleX;
        m.y0 = w.nya + w.ya * m.scale;
        return;
    }
    if (m.group == MapGroup::User) {
        m.lonCentre = 0.0;
        m.scale = m.scaleX = 1.0;
        m.x0 = w.nxa, m.y0 = w.nya;
        return;
    }
    m.x0 = w.nxa + (w.nxl - 1.0) / 2.0;
    m.y0 = m.group == MapGroup::Cylindrical ? w.nya : w.nya - (w.nyl - 1.0) / 2.0;
    if (m.group == MapGroup::Elliptical) m.frame = MapFrameKind::Outline;

    if (m.group == MapGroup::Azimuthal) {
        m.radius = std::clamp(w.sphere, 1.0e-3, 90.0) * kDeg;
        if (w.ye - w.ya > 90.0) {
            // The whole visible cap around the mappol point, in a circle.
            m.lon0 = w.poleLon, m.lat0 = w.poleLat;
            const double side = std::min(w.nxl, w.nyl) - 1.0, r = m.radius;
            switch (m.code) {
                case kProjGnom: m.scale = side / (2.0 * std::tan(std::min(r, 85.0 * kDeg))); break;
                case kProjOrth: m.scale = side / (2.0 * std::sin(r)); break;
                case kProjSter: m.scale = side / (4.0 * std::tan(r / 2.0)); break;
                case kProjLamb: m.scale = side / (4.0 * std::sin(r / 2.0)); break;
                default: m.scale = side / (2.0 * r); break;  // the rim on the circle, as for the others
            }
            m.scaleX = m.scale;
            m.frame = MapFrameKind::Circle;
            m.frameX = m.x0, m.frameY = m.y0, m.frameRadius = side / 2.0;
            return;
        }
        m.lat0 = (w.ya + w.ye) / 2.0, m.lon0 = m.lonCentre;
    }
    if (m.group == MapGroup::Conical) {
        double phi1 = w.ya + (w.ye - w.ya) / 4.0, phi2 = w.ya + 3.0 * (w.ye - w.ya) / 4.0;
        if (w.refSet) phi1 = w.ref1, phi2 = w.ref2;
        m.southern = (w.ya + w.ye) / 2.0 < 0.0;
        m.cone = coneConstants(polarDistance(m, phi1), polarDistance(m, phi2));
    }

    double pa, pe;
    if (m.group == MapGroup::Conical) {
        double n;
        coneRadius(m, polarDistance(m, w.ya), n, pa);
        coneRadius(m, polarDistance(m, w.ye), n, pe);
        m.scale = (w.nyl - 1.0) / std::fabs(pe - pa);
        m.coneOffset = (pa + pe) / 2.0;
    } else if (m.group == MapGroup::Azimuthal) {
        double c, beta;
        azimuthalPolar(m, m.lonCentre, w.ya, c, beta);
        pa = azimuthalRadius(m.code, c);
        azimuthalPolar(m, m.lonCentre, w.ye, c, beta);
        pe = azimuthalRadius(m.code, c);
        m.scale = (w.nyl - 1.0) / (std::fabs(pa) + std::fabs(pe));
    } else {
        double px;
        projectUnits(m, m.lonCentre, w.ya, px, pa);
        projectUnits(m, m.lonCentre, w.ye, px, pe);
        m.scale = (w.nyl - 1.0) / (pe - pa);
        if (m.group == MapGroup::Cylindrical) m.y0 += pa * m.scale;
        // A window that is not symmetric about the equator stays centred.
        else m.y0 += (pa + pe) / 2.0 * m.scale;
    }
    m.scaleX = m.scale;
}

int checkMapLimits(int code, MapGroup group, double xa, double xe, double ya, double ye) {
    if (!(xa < xe) || !(ya < ye)) return 52;
    auto within = [](double v, double lim) { return v >= -lim && v <= lim; };
    switch (group) {
        case MapGroup::Cylindrical:
        case MapGroup::Conical:
            if (!within(xa, 540.1) || !within(xe, 540.1)) return 2;
            if (!within(ya, 90.1) || !within(ye, 90.1)) return 2;
            if (group == MapGroup::Conical && !(ya >= -0.1 || ye <= 0.1)) return 2;
            break;
        case MapGroup::Elliptical:
            if (!within(xa, 180.1) || !within(xe, 180.1) || !within(ya, 90.1) || !within(ye, 90.1)) return 2;
            break;
        case MapGroup::Azimuthal:
            if (ye - ya > 90.0 &&
                (!within(xa, 180.1) || !within(xe, 180.1) || !within(ya, 90.1) || !within(ye, 90.1)))
                return 2;
            break;
        default: break;
    }
    (void)code;
    return 0;
}

int mapSegmentSteps(double lon1, double lat1, double lon2, double lat2) {
    const double len = std::hypot(lon2 - lon1, lat2 - lat1);
    if (!std::isfinite(len)) return 1;
    // Segments longer than a few turns of the globe come only from absurd
    // input; their steps are bounded so that they stay cheap.
    return int(std::max(1.0, std::min(std::round(len), 2000.0)));
}

void capToPlot(const MapGeometry& m, double lon, double lat, double& X, double& Y) {
    double c, beta;
    azimuthalPolar(m, lon, lat, c, beta);
    const double rho = azimuthalRadius(m.code, std::min(c, m.radius));
    X = m.x0 + m.scale * rho * std::cos(beta), Y = m.y0 - m.scale * rho * std::sin(beta);
}

bool clipToCap(const MapGeometry& m, double lon1, double lat1, double lon2, double lat2, CapSegment& out) {
    double c1, b1, c2, b2;
    azimuthalPolar(m, lon1, lat1, c1, b1);
    azimuthalPolar(m, lon2, lat2, c2, b2);
    const double r = m.radius + 1.0e-9;
    if (c1 > r && c2 > r) return false;
    out.startMoved = c1 > r, out.endMoved = c2 > r;
    const double rho1 = azimuthalRadius(m.code, std::min(c1, m.radius));
    const double rho2 = azimuthalRadius(m.code, std::min(c2, m.radius));
    out.x1 = m.x0 + m.scale * rho1 * std::cos(b1), out.y1 = m.y0 - m.scale * rho1 * std::sin(b1);
    out.x2 = m.x0 + m.scale * rho2 * std::cos(b2), out.y2 = m.y0 - m.scale * rho2 * std::sin(b2);
    return true;
}

void cutAtBackMeridian(const double* lon, const double* lat, int n, double centre, std::vector<RingPiece>& pieces) {
    if (n < 3) return;
    // Longitudes from the centre, continuous along the ring.
    RingPiece flat;
    double u = wrapLongitude(lon[0] - centre);
    for (int i = 0; i < n; ++i) {
        if (i > 0) u += wrapLongitude(lon[i] - lon[i - 1]);
        flat.lon.push_back(u), flat.lat.push_back(lat[i]);
    }
    // A ring around a pole does not close in longitude: close it over the pole.
    const double turn = u + wrapLongitude(lon[0] - lon[n - 1]) - flat.lon[0];
    if (std::fabs(turn) > 180.0) {
        double mean = 0.0;
        for (int i = 0; i < n; ++i) mean += lat[i];
        const double pole = mean < 0.0 ? -90.0 : 90.0;
        flat.lon.push_back(flat.lon[0] + turn), flat.lat.push_back(lat[0]);
        flat.lon.push_back(flat.lon[0] + turn), flat.lat.push_back(pole);
        flat.lon.push_back(flat.lon[0]), flat.lat.push_back(pole);
    }
    double lo = flat.lon[0], hi = lo;
    for (double v : flat.lon) lo = std::min(lo, v), hi = std::max(hi, v);
    // Just inside the back meridian, so the projection keeps each piece on its side.
    constexpr double kEdge = 180.0 - 1.0e-7;
    // Each turn of the globe the ring covers is clipped to the map's one turn.
    for (int k = -2; k <= 2; ++k) {
        const double shift = 360.0 * k;
        if (hi + shift <= -kEdge || lo + shift >= kEdge) continue;
        RingPiece in, out;
        in.lon = flat.lon, in.lat = flat.lat;
        for (double& v : in.lon) v += shift;
        for (const double edge : {-kEdge, kEdge}) {
            auto inside = [edge](double v) { return edge < 0.0 ? v >= edge : v <= edge; };
            out.lon.clear(), out.lat.clear();
            const int m = int(in.lon.size());
            for (int i = 0; i < m; ++i) {
                const int j = (i + m - 1) % m;
                const double px = in.lon[j], py = in.lat[j], qx = in.lon[i], qy = in.lat[i];
                if (inside(qx) != inside(px)) {
                    out.lon.push_back(edge), out.lat.push_back(py + (qy - py) * (edge - px) / (qx - px));
                }
                if (inside(qx)) out.lon.push_back(qx), out.lat.push_back(qy);
            }
            std::swap(in, out);
            if (in.lon.size() < 3) break;
        }
        if (in.lon.size() < 3) continue;
        for (double& v : in.lon) v += centre;
        pieces.push_back(std::move(in));
    }
}

}  // namespace vtx
