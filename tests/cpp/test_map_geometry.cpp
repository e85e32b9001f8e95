// Map projections against the textbook forms of each projection (equations
// as given in the map-projection literature, written out here rather than
// taken from the library), and the fitting of windows into the axis rectangle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "maps/map_geometry.h"

using namespace vtx;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double D = kPi / 180.0;

MapGeometry geometry(int code) {
    MapGeometry m;
    m.code = code;
    m.group = projectionByCode(code)->group;
    return m;
}

void expectUnits(const MapGeometry& m, double lon, double lat, double ex, double ey, double tol = 1e-9) {
    double px, py;
    projectUnits(m, lon, lat, px, py);
    EXPECT_NEAR(px, ex, tol) << "code " << m.code << " at " << lon << ", " << lat;
    EXPECT_NEAR(py, ey, tol) << "code " << m.code << " at " << lon << ", " << lat;
}

}  // namespace

TEST(MapTable, HoldsThePlainMapTwentyOneProjectionsAndTheUserHook) {
    ASSERT_EQ(projectionCount(), 23);
    for (int i = 0; i < projectionCount(); ++i)
        for (int j = i + 1; j < projectionCount(); ++j) EXPECT_NE(projectionRow(i).code, projectionRow(j).code);
    EXPECT_EQ(projectionByCode(34)->group, MapGroup::Azimuthal);
    EXPECT_EQ(projectionByCode(7), nullptr);
}

TEST(MapFormulas, CylindricalAndEllipticalMatchTheirTextbookForms) {
    // Mercator: y = ln tan(pi/4 + phi/2); the poles at 89.99 degrees.
    MapGeometry m = geometry(kProjMerc);
    expectUnits(m, 30, 45, 30 * D, std::log(std::tan(kPi / 4 + 22.5 * D)));
    expectUnits(m, 0, 90, 0, std::log(std::tan(kPi / 4 + 89.99 * D / 2)));
    expectUnits(m, 0, -90, 0, -std::log(std::tan(kPi / 4 + 89.99 * D / 2)));
    // Lambert cylindrical equal-area: y = sin phi.
    expectUnits(geometry(kProjEqua), -60, 30, -60 * D, 0.5);
    // Sinusoidal: x = lambda cos phi.
    expectUnits(geometry(kProjSans), 90, 60, 90 * D * 0.5, 60 * D);
    // Aitoff: alpha = acos(cos phi cos(lambda/2)), x = 2 cos phi sin(lambda/2) / sinc alpha,
    // y = sin phi / sinc alpha.
    for (auto [lon, lat] : {std::pair{120.0, 40.0}, std::pair{-150.0, -70.0}, std::pair{10.0, 5.0}}) {
        const double l = lon * D, p = lat * D;
        const double a = std::acos(std::cos(p) * std::cos(l / 2)), sinc = std::sin(a) / a;
        expectUnits(geometry(kProjAito), lon, lat, 2 * std::cos(p) * std::sin(l / 2) / sinc, std::sin(p) / sinc);
        // Hammer: x = 2 sqrt2 cos phi sin(lambda/2) / sqrt(1 + cos phi cos(lambda/2)), y = sqrt2 sin phi / ...
        const double q = std::sqrt(1 + std::cos(p) * std::cos(l / 2));
        expectUnits(geometry(kProjHamm), lon, lat, 2 * std::sqrt(2.0) * std::cos(p) * std::sin(l / 2) / q,
                    std::sqrt(2.0) * std::sin(p) / q);
        // Winkel tripel: the mean of Aitoff and the equirectangular projection
        // with standard parallel phi1, here cos phi1 = cos 40 degrees.
        expectUnits(geometry(kProjWink), lon, lat,
                    0.5 * (l * 0.7660444 + 2 * std::cos(p) * std::sin(l / 2) / sinc),
                    0.5 * (p + std::sin(p) / sinc), 1e-7);
    }
    // Mollweide and the ellipse keep the degrees.
    expectUnits(geometry(kProjMoll), -170, 80, -170, 80);
}

TEST(MapFormulas, ConesMatchLambertAlbersAndEquidistantConics) {
    const double phi1 = 40, phi2 = 60;
    const double p1 = phi1 * D, p2 = phi2 * D;
    auto cone = [&](int code) {
        MapGeometry m = geometry(code);
        m.cone = coneConstants((90 - phi1) * D, (90 - phi2) * D);
        return m;
    };
    const double lon = 25, lat = 52, l = lon * D, p = lat * D;
    {   // Lambert conformal conic.
        const double n = std::log(std::cos(p1) / std::cos(p2)) /
                         std::log(std::tan(kPi / 4 + p2 / 2) / std::tan(kPi / 4 + p1 / 2));
        const double F = std::cos(p1) * std::pow(std::tan(kPi / 4 + p1 / 2), n) / n;
        const double rho = F / std::pow(std::tan(kPi / 4 + p / 2), n);
        expectUnits(cone(kProjConf), lon, lat, rho * std::sin(n * l), -rho * std::cos(n * l), 1e-9);
    }
    {   // Albers equal-area conic.
        const double n = (std::sin(p1) + std::sin(p2)) / 2, C = std::cos(p1) * std::cos(p1) + 2 * n * std::sin(p1);
        const double rho = std::sqrt(C - 2 * n * std::sin(p)) / n;
        expectUnits(cone(kProjAlbe), lon, lat, rho * std::sin(n * l), -rho * std::cos(n * l), 1e-9);
    }
    {   // Equidistant conic.
        const double n = (std::cos(p1) - std::cos(p2)) / (p2 - p1), G = std::cos(p1) / n + p1;
        const double rho = G - p;
        expectUnits(cone(kProjConi), lon, lat, rho * std::sin(n * l), -rho * std::cos(n * l), 1e-9);
    }
    {   // One standard parallel: Lambert conformal with n = sin phi1.
        MapGeometry m = geometry(kProjConf);
        m.cone = coneConstants((90 - phi1) * D, (90 - phi1) * D);
        const double n = std::sin(p1), F = std::cos(p1) * std::pow(std::tan(kPi / 4 + p1 / 2), n) / n;
        const double rho = F / std::pow(std::tan(kPi / 4 + p / 2), n);
        expectUnits(m, lon, lat, rho * std::sin(n * l), -rho * std::cos(n * l), 1e-9);
    }
    // Longitudes beyond the date line fold back onto the cone.
    double x1, y1, x2, y2;
    projectUnits(cone(kProjConi), 200, lat, x1, y1);
    projectUnits(cone(kProjConi), -160, lat, x2, y2);
    EXPECT_NEAR(x1, x2, 1e-12);
    EXPECT_NEAR(y1, y2, 1e-12);
}

TEST(MapFormulas, AzimuthalRadiiAndDirections) {
    // Radius of angular distance c in the five azimuthal projections.
    const double c = 50 * D;
    EXPECT_NEAR(azimuthalRadius(kProjGnom, c), std::tan(c), 1e-12);
    EXPECT_NEAR(azimuthalRadius(kProjOrth, c), std::sin(c), 1e-12);
    EXPECT_NEAR(azimuthalRadius(kProjSter, c), 2 * std::tan(c / 2), 1e-12);
    EXPECT_NEAR(azimuthalRadius(kProjAzim, c), c, 1e-12);
    EXPECT_NEAR(azimuthalRadius(kProjLamb, c), 2 * std::sin(c / 2), 1e-12);
    // The hidden hemisphere of the orthographic projection folds outside the disc.
    EXPECT_GT(azimuthalRadius(kProjOrth, 120 * D), 1.0);

    // Oblique azimuthal equidistant centred on (10 E, 50 N): distance from the
    // spherical law of cosines, north up and east to the right.
    MapGeometry m = geometry(kProjAzim);
    m.lon0 = 10, m.lat0 = 50;
    for (double lon : {40.0, -20.0, 170.0}) {
        const double lat = 20, p0 = 50 * D, p = lat * D, dl = (lon - 10) * D;
        const double dist = std::acos(std::sin(p0) * std::sin(p) + std::cos(p0) * std::cos(p) * std::cos(dl));
        const double k = dist / std::sin(dist);
        expectUnits(m, lon, lat, k * std::cos(p) * std::sin(dl),
                    k * (std::cos(p0) * std::sin(p) - std::sin(p0) * std::cos(p) * std::cos(dl)), 1e-9);
    }
    // North polar stereographic: the meridian of the centre longitude points down the page.
    MapGeometry s = geometry(kProjSter);
    s.lat0 = 90, s.lon0 = 0;
    expectUnits(s, 0, 60, 0, -2 * std::tan(15 * D), 1e-12);
    expectUnits(s, 90, 60, 2 * std::tan(15 * D), 0, 1e-12);
}

TEST(MapSetup, WindowsFillTheAxisRectangle) {
    MapWindow w;
    w.nxa = 300, w.nya = 1700, w.nxl = 2001, w.nyl = 1001;
    // Cylindrical: the lower and upper latitude on the axis, centre longitude in the middle.
    MapGeometry m = geometry(kProjMerc);
    w.ya = -60, w.ye = 80;
    setupMap(m, w);
    double X, Y;
    projectToPlot(m, 0, -60, X, Y);
    EXPECT_NEAR(X, 1300, 1e-6);
    EXPECT_NEAR(Y, 1700, 1e-6);
    projectToPlot(m, 0, 80, X, Y);
    EXPECT_NEAR(Y, 700, 1e-6);

    // A cone from 30 to 70 north takes 40 and 60 as standard parallels; from
    // -70 to -30 it is a southern cone, its apex below the map.
    MapGeometry c = geometry(kProjConf);
    w.xa = -20, w.xe = 40, w.ya = 30, w.ye = 70;
    setupMap(c, w);
    EXPECT_NEAR(c.cone.theta1, 50 * D, 1e-12);
    EXPECT_NEAR(c.cone.theta2, 30 * D, 1e-12);
    projectToPlot(c, 10, 30, X, Y);
    EXPECT_NEAR(X, 1300, 1e-6);
    EXPECT_NEAR(Y, 1700, 1e-6);
    projectToPlot(c, 10, 70, X, Y);
    EXPECT_NEAR(Y, 700, 1e-6);
    projectToPlot(c, 40, 70, X, Y);
    const double northEdge = Y;
    EXPECT_LT(northEdge, 700);  // parallels are arcs around the apex above the map
    MapGeometry sc = geometry(kProjConf);
    w.ya = -70, w.ye = -30;
    setupMap(sc, w);
    EXPECT_TRUE(sc.southern);
    projectToPlot(sc, 10, -70, X, Y);
    EXPECT_NEAR(Y, 1700, 1e-6);
    projectToPlot(sc, 40, -70, X, Y);
    EXPECT_GT(Y, 1700);  // mirrored: the apex lies below the map

    // Azimuthal: a window above 90 degrees shows the cap around mappol in a
    // circle; a smaller one is centred on the window.
    MapGeometry a = geometry(kProjAzim);
    w.xa = -180, w.xe = 180, w.ya = -90, w.ye = 90, w.poleLon = 20, w.poleLat = 45;
    setupMap(a, w);
    EXPECT_EQ(a.frame, MapFrameKind::Circle);
    EXPECT_NEAR(a.frameRadius, 500, 1e-9);
    projectToPlot(a, 20, 45, X, Y);
    EXPECT_NEAR(X, 1300, 1e-6);
    EXPECT_NEAR(Y, 1200, 1e-6);
    projectToPlot(a, 20, -45, X, Y);  // 90 degrees south of the centre: on the rim
    EXPECT_NEAR(Y, 1700, 1e-6);
    MapGeometry b = geometry(kProjLamb);
    w.xa = 0, w.xe = 40, w.ya = 30, w.ye = 70;
    setupMap(b, w);
    EXPECT_DOUBLE_EQ(b.lat0, 50);
    EXPECT_DOUBLE_EQ(b.lon0, 20);
    EXPECT_EQ(b.frame, MapFrameKind::Rectangle);
}

TEST(MapSetup, LimitChecksPerGroup) {
    EXPECT_EQ(checkMapLimits(1, MapGroup::Cylindrical, 10, 10, 0, 1), 52);
    EXPECT_EQ(checkMapLimits(1, MapGroup::Cylindrical, -180, 180, -90, 90), 0);
    EXPECT_EQ(checkMapLimits(1, MapGroup::Cylindrical, -600, 180, -90, 90), 2);
    EXPECT_EQ(checkMapLimits(12, MapGroup::Elliptical, -190, 180, -90, 90), 2);
    EXPECT_EQ(checkMapLimits(20, MapGroup::Conical, 0, 40, -10, 30), 2);
    EXPECT_EQ(checkMapLimits(20, MapGroup::Conical, 0, 40, -0.05, 30), 0);
    EXPECT_EQ(checkMapLimits(33, MapGroup::Azimuthal, -200, 180, -90, 90), 2);
    EXPECT_EQ(checkMapLimits(33, MapGroup::Azimuthal, -200, -150, 0, 60), 0);
}

TEST(MapPen, CapClippingAndSegmentSteps) {
    EXPECT_EQ(mapSegmentSteps(0, 0, 30, 40), 50);
    EXPECT_EQ(mapSegmentSteps(0, 0, 0.2, 0.1), 1);
    MapGeometry m = geometry(kProjOrth);
    m.lat0 = 90, m.scale = 100, m.x0 = 0, m.y0 = 0;
    CapSegment s;
    EXPECT_FALSE(clipToCap(m, 0, -10, 10, -20, s));  // both on the hidden side
    ASSERT_TRUE(clipToCap(m, 0, 10, 0, -10, s));
    EXPECT_FALSE(s.startMoved);
    EXPECT_TRUE(s.endMoved);
    EXPECT_NEAR(std::hypot(s.x2, s.y2), 100, 1e-9);  // on the rim, along its own azimuth
    EXPECT_NEAR(s.x2, 0, 1e-9);
    EXPECT_GT(s.y2, 0);
}

TEST(BackMeridianCut, SplitsARingOverTheBackMeridianAndClosesOneAroundAPole) {
    // A square from 170 E to 170 W on a map centred on 0 lies over the back meridian.
    const double lon[] = {170, -170, -170, 170}, lat[] = {10, 10, 20, 20};
    std::vector<RingPiece> pieces;
    cutAtBackMeridian(lon, lat, 4, 0.0, pieces);
    ASSERT_EQ(pieces.size(), 2u);
    double area = 0.0;
    for (const RingPiece& p : pieces) {
        double lo = 1e9, hi = -1e9;
        for (double v : p.lon) lo = std::min(lo, v), hi = std::max(hi, v);
        EXPECT_TRUE((lo > -180.0 && hi <= -170.0) || (lo >= 170.0 && hi < 180.0)) << lo << " " << hi;
        for (size_t i = 0; i < p.lon.size(); ++i) {
            const size_t j = (i + 1) % p.lon.size();
            area += (p.lon[i] * p.lat[j] - p.lon[j] * p.lat[i]) / 2.0;
        }
    }
    EXPECT_NEAR(std::fabs(area), 200.0, 1e-3);  // nothing lost: 20 by 10 degrees
    // The same square on a map centred on 180 stays whole.
    pieces.clear();
    cutAtBackMeridian(lon, lat, 4, 180.0, pieces);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].lon.size(), 4u);
    // A ring around the north pole is closed over the pole: every longitude
    // of the map is covered up to 90 N.
    const double plon[] = {0, 90, 180, -90}, plat[] = {70, 70, 70, 70};
    pieces.clear();
    cutAtBackMeridian(plon, plat, 4, 30.0, pieces);
    double lo = 1e9, hi = -1e9, top = -90;
    for (const RingPiece& p : pieces)
        for (size_t i = 0; i < p.lon.size(); ++i)
            lo = std::min(lo, p.lon[i]), hi = std::max(hi, p.lon[i]), top = std::max(top, p.lat[i]);
    EXPECT_NEAR(lo, -150.0, 1e-6);
    EXPECT_NEAR(hi, 210.0, 1e-6);
    EXPECT_EQ(top, 90.0);
}
