// Rectangles written straight into a pixel surface against the polygon fill
// they stand in for: the same pixels, device pen, vector count and current
// point, for any size, position and clipping.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "core/api.h"
#include "device/api.h"
#include "device/area_fill.h"
#include "device/colour.h"
#include "device/drivers/raster/api.h"
#include "device/rectangle_fill.h"
#include "device/shading.h"
#include "session/api.h"

namespace vtx {
namespace {

struct Box {
    float x1, y1, x2, y2;
};

// What a fill leaves behind besides the pixels.
struct Trace {
    int penX, penY;
    long vectors;
    float curX, curY;
    bool operator==(const Trace& o) const {
        return penX == o.penX && penY == o.penY && vectors == o.vectors && curX == o.curX && curY == o.curY;
    }
};

// A solid-fill PNG plot with a clipping window inside the page and an
// origin shift; `rgb` for a surface of colour triples.
Globals& openPlot(bool rgb) {
    EXPECT_EQ(chdir(testing::TempDir().c_str()), 0);
    metafl("PNG");
    setfil("rectangle_fill.png");
    filmod("DELETE");
    if (rgb) imgfmt("RGB");
    vtxini();
    errmod("PROT", "OFF");
    unit(nullptr);
    Globals& g = *qqgglb();
    clpwin(300, 250, 2000, 1400);
    origin(17, -9);
    setShadingPattern(g, 16);
    return g;
}

// Random boxes: sides from a tenth of a pixel to a few hundred pixels, some
// edges exactly on scan lines or on the rounding boundary of a pixel, many
// reaching out of the clipping window or off the page.
std::vector<Box> randomBoxes(const Globals& g, int count) {
    std::mt19937 rng(20261206);
    std::uniform_real_distribution<float> pos(-200.0f, 2800.0f), unit(0.0f, 1.0f);
    const float pixel = 1.0f / g.out.deviceScale, h = g.fill.spacing;
    const float ox = float(g.line.originX), oy = float(g.line.originY);
    auto snapX = [&](float x) {  // x whose pixel coordinate is k + 0.5, or the float above
        const float onEdge = (std::floor((x + ox) * g.out.deviceScale) + 0.5f) / g.out.deviceScale - ox;
        return unit(rng) < 0.5f ? onEdge : std::nextafter(onEdge, 1e9f);
    };
    auto snapY = [&](float y) {  // on a scan line, or on a pixel's rounding boundary
        if (unit(rng) < 0.5f) return float(std::round(double(y) / h) * h);
        const float k = std::floor((y + oy) * g.out.deviceScale);
        return (k + 0.5f) / g.out.deviceScale - oy;
    };
    std::vector<Box> boxes;
    for (int i = 0; i < count; ++i) {
        const float w = pixel * std::pow(10.0f, unit(rng) * 3.5f - 1.0f);
        const float hgt = pixel * std::pow(10.0f, unit(rng) * 3.5f - 1.0f);
        Box b{pos(rng), pos(rng) * 0.7f, 0.0f, 0.0f};
        b.x2 = b.x1 + w, b.y2 = b.y1 + hgt;
        if (i % 4 == 1) b.x1 = snapX(b.x1), b.x2 = snapX(b.x2);
        if (i % 4 == 2) b.y1 = snapY(b.y1), b.y2 = snapY(b.y2);
        if (i % 8 == 3) b.x2 = b.x1;  // no width: nothing to draw
        if (i % 8 == 4) b.x1 = boxes.back().x1, b.x2 = boxes.back().x2;  // the sides of the last one
        if (i % 8 == 7) {             // cut to the window's sides, as colour plots do
            b.x1 = std::max(b.x1, float(g.line.clipX1) - ox), b.x2 = std::min(b.x2, float(g.line.clipX2) - ox);
            if (b.x1 > b.x2) b.x1 = b.x2;
        }
        if (b.x2 < b.x1) std::swap(b.x1, b.x2);
        if (b.y2 < b.y1) std::swap(b.y1, b.y2);
        boxes.push_back(b);
    }
    return boxes;
}

// Fills every box in its own colour from the same start, directly or as the
// polygon through dareaf; gives the traces and the pixels.
std::vector<Trace> fillAll(Globals& g, const std::vector<Box>& boxes, bool direct, std::vector<unsigned char>& pixels) {
    PixelSurface& s = g.surface;
    s.clear();
    s.penX = s.penY = 0;
    g.ctl.vectors = 0;
    g.line.curX = g.line.curY = 0.0f;
    RectangleFill cells(g);
    EXPECT_TRUE(cells.direct());
    std::vector<Trace> traces;
    for (size_t i = 0; i < boxes.size(); ++i) {
        qqsclr(g, int(i % 250) + 2);
        const Box& b = boxes[i];
        if (direct) {
            cells.fill(b.x1, b.y1, b.x2, b.y2);
        } else {
            const float x[4] = {b.x1, b.x2, b.x2, b.x1}, y[4] = {b.y1, b.y1, b.y2, b.y2};
            dareaf(g, x, y, 4);
        }
        traces.push_back({s.penX, s.penY, g.ctl.vectors, g.line.curX, g.line.curY});
    }
    pixels.assign(s.pixels.get(), s.pixels.get() + s.stride * size_t(s.height));
    return traces;
}

void expectSameAsPolygonFill(bool rgb) {
    Globals& g = openPlot(rgb);
    const std::vector<Box> boxes = randomBoxes(g, 4000);
    std::vector<unsigned char> direct, polygon;
    const std::vector<Trace> a = fillAll(g, boxes, true, direct);
    const std::vector<Trace> b = fillAll(g, boxes, false, polygon);
    for (size_t i = 0; i < boxes.size(); ++i)
        ASSERT_TRUE(a[i] == b[i]) << "box " << i << ": " << boxes[i].x1 << " " << boxes[i].y1 << " " << boxes[i].x2
                                  << " " << boxes[i].y2;
    EXPECT_TRUE(direct == polygon);
    EXPECT_GT(a.back().vectors, 4000);
    vtxfin();
}

TEST(RectangleFill, IndexSurfaceGetsThePixelsPenAndVectorsOfThePolygonFill) { expectSameAsPolygonFill(false); }

TEST(RectangleFill, RgbSurfaceGetsThePixelsPenAndVectorsOfThePolygonFill) { expectSameAsPolygonFill(true); }

}  // namespace
}  // namespace vtx
