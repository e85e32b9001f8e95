// Band polygons of filled contours: they tile grid cells and triangles
// exactly, each band where its values lie, saddles split by the centre.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "contour/band_polygons.h"

using namespace vtx;

namespace {

struct AreaSink {
    std::vector<double> area;  // per band
    int polygons = 0;
    explicit AreaSink(int bands) : area(bands, 0.0) {}
    void fill(int band, const float* x, const float* y, int n) {
        double a = 0.0;
        for (int i = 0; i < n; ++i) {
            const int k = (i + 1) % n;
            a += double(x[i]) * y[k] - double(x[k]) * y[i];
        }
        area.at(band) += std::fabs(a) / 2.0;
        ++polygons;
    }
    double total() const {
        double t = 0.0;
        for (double a : area) t += a;
        return t;
    }
};

// A grid over x in 0..nx-1, y in 0..ny-1 with z = f(x, y).
template <class F>
AreaSink gridAreas(int nx, int ny, const std::vector<float>& levels, F f, bool merge) {
    std::vector<float> x(nx), y(ny), z(std::size_t(nx) * ny);
    for (int i = 0; i < nx; ++i) x[i] = float(i);
    for (int j = 0; j < ny; ++j) y[j] = float(j);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) z[std::size_t(i) * ny + j] = f(float(i), float(j));
    AreaSink sink(int(levels.size()) + 1);
    gridBands(ContourGrid{x.data(), nx, y.data(), ny, z.data()}, levels.data(), int(levels.size()), merge, sink);
    return sink;
}

}  // namespace

TEST(ContourBands, BandOfCountsLevelsAtOrBelowTheValue) {
    const float levels[3] = {0.0f, 1.0f, 2.0f};
    EXPECT_EQ(bandOf(-0.5f, levels, 3), 0);
    EXPECT_EQ(bandOf(0.0f, levels, 3), 1);  // a value on a level belongs to the band above it
    EXPECT_EQ(bandOf(1.5f, levels, 3), 2);
    EXPECT_EQ(bandOf(2.0f, levels, 3), 3);
}

TEST(ContourBands, BandsOfAGridSumToItsAreaWithOrWithoutMergedRuns) {
    const std::vector<float> levels = {-0.6f, -0.2f, 0.1f, 0.5f, 0.8f};
    auto wave = [](float x, float y) { return std::sin(x * 0.7f) * std::cos(y * 0.5f); };
    for (bool merge : {false, true}) {
        const AreaSink s = gridAreas(13, 9, levels, wave, merge);
        EXPECT_NEAR(s.total(), 12.0 * 8.0, 1e-3) << merge;
        for (double a : s.area) EXPECT_GT(a, 0.0);
    }
    // Merging changes the polygons, not the areas.
    const AreaSink a = gridAreas(13, 9, levels, wave, false), b = gridAreas(13, 9, levels, wave, true);
    EXPECT_LT(b.polygons, a.polygons);
    for (std::size_t k = 0; k < a.area.size(); ++k) EXPECT_NEAR(a.area[k], b.area[k], 1e-3);
}

TEST(ContourBands, LinearRampGivesEachBandItsStrip) {
    // z = x over 0..4: the bands between levels 1, 2.5 and 3 are strips of those widths times 3.
    const AreaSink s = gridAreas(5, 4, {1.0f, 2.5f, 3.0f}, [](float x, float) { return x; }, true);
    EXPECT_NEAR(s.area[0], 3.0, 1e-5);
    EXPECT_NEAR(s.area[1], 4.5, 1e-5);
    EXPECT_NEAR(s.area[2], 1.5, 1e-5);
    EXPECT_NEAR(s.area[3], 3.0, 1e-5);
}

TEST(ContourBands, SaddleIsSplitByTheCentreValue) {
    // Corners 0, 1, 0, 1 around a centre of 0.5: level 0.4 puts the centre
    // above, so the high band is one connected piece through the middle.
    const float x[2] = {0.0f, 1.0f}, y[2] = {0.0f, 1.0f}, z[4] = {0.0f, 1.0f, 1.0f, 0.0f};
    const float level = 0.4f;
    AreaSink s(2);
    gridBands(ContourGrid{x, 2, y, 2, z}, &level, 1, true, s);
    EXPECT_NEAR(s.total(), 1.0, 1e-6);
    // Each low corner keeps two triangles such as (0, 0), (0.4, 0), (0.4, 0.4): 0.08 each.
    EXPECT_NEAR(s.area[0], 4 * 0.08, 1e-5);
}

TEST(ContourBands, NaNCellsStayEmptyAndTrianglesTileTheMesh) {
    const float nan = std::nanf("");
    const float x[3] = {0.0f, 1.0f, 2.0f}, y[2] = {0.0f, 1.0f};
    const float z[6] = {0.0f, 1.0f, 1.0f, 2.0f, 2.0f, nan};  // the right cell has a NaN corner
    const float level = 0.5f;
    AreaSink s(2);
    gridBands(ContourGrid{x, 3, y, 2, z}, &level, 1, false, s);
    EXPECT_NEAR(s.total(), 1.0, 1e-6);

    // Two triangles of a unit square, z = x + y, levels 0.5 and 1.5.
    const float mx[4] = {0, 1, 1, 0}, my[4] = {0, 0, 1, 1}, mz[4] = {0, 1, 2, 1};
    const int i1[2] = {1, 1}, i2[2] = {2, 3}, i3[2] = {3, 4};
    const float levels[2] = {0.5f, 1.5f};
    AreaSink m(3);
    meshBands(ContourMesh{mx, my, mz, 4, i1, i2, i3, 2}, levels, 2, m);
    EXPECT_NEAR(m.area[0], 0.125, 1e-6);
    EXPECT_NEAR(m.area[1], 0.75, 1e-6);
    EXPECT_NEAR(m.area[2], 0.125, 1e-6);
}
