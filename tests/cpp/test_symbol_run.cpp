// Symbol runs on a pixel surface draw what the symbols drawn one by one
// draw: the same pixels, device pen, vector count and pipeline point, for
// random centres and for centres on pixel and scan-line boundaries.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "core/api.h"
#include "device/api.h"
#include "device/colour.h"
#include "device/line_style.h"
#include "device/shielding.h"
#include "device/drivers/raster/api.h"
#include "session/api.h"
#include "text/api.h"
#include "text/symbols.h"

namespace vtx {
namespace {

struct Outcome {
    std::vector<unsigned char> pixels;
    int penX = 0, penY = 0;
    long vectors = 0;
    float curX = 0.0f, curY = 0.0f;
};

struct Scene {
    bool rgb = false;
    int originX = 0, originY = 0;
    float angle = 0.0f;
    bool window = false;  // a small clipping window that cuts many symbols
};

Globals& open(const Scene& scene) {
    EXPECT_EQ(chdir(testing::TempDir().c_str()), 0);
    metafl("PNG");
    setfil("symbol_run.png");
    filmod("DELETE");
    if (scene.rgb) imgfmt("RGB");
    vtxini();
    errmod("PROT", "OFF");
    unit(nullptr);
    if (scene.originX || scene.originY) origin(scene.originX, scene.originY);
    if (scene.window) clpwin(700, 500, 900, 600);
    symrot(scene.angle);
    return *qqgglb();
}

// Centres in plot units: random ones, whole units at a few heights, and ones
// where the symbol's centre rounds to a pixel half way (x·scale = k + ½) or
// sits on a scan line of the solid fill (y = k·0.75 / scale).
std::vector<std::pair<float, float>> centres(const Globals& g, unsigned seed, int n) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> page(-40.0f, float(g.out.nxPage) + 40.0f), pageY(-40.0f, float(g.out.nyPage) + 40.0f);
    std::uniform_int_distribution<int> pixel(2, 840);
    const float s = g.out.deviceScale, h = 0.75f / s;
    std::vector<std::pair<float, float>> out;
    for (int i = 0; i < n; ++i) {
        switch (i % 4) {
            case 0: out.emplace_back(page(rng), pageY(rng)); break;
            // whole units at a dozen heights: the run reuses what it worked out per height
            case 1: out.emplace_back(std::round(page(rng)), 211.0f * std::round(pageY(rng) / 211.0f)); break;
            case 2: out.emplace_back((float(pixel(rng)) + 0.5f) / s, (float(pixel(rng) / 2) + 0.5f) / s); break;
            default: out.emplace_back(float(pixel(rng)) / s, float(pixel(rng)) * h); break;
        }
    }
    return out;
}

template <typename Draw>
Outcome drawn(Globals& g, Draw draw) {
    PixelSurface& s = g.surface;
    s.clear();
    s.penX = 3, s.penY = 4;
    g.ctl.vectors = 0;
    g.line.curX = g.line.curY = -1.0f;
    draw();
    const unsigned char* p = s.pixels.get();
    return {std::vector<unsigned char>(p, p + s.stride * std::size_t(s.height)), s.penX, s.penY, g.ctl.vectors,
            g.line.curX, g.line.curY};
}

Outcome oneByOne(Globals& g, int number, const std::vector<std::pair<float, float>>& points) {
    return drawn(g, [&] {
        for (const auto& [x, y] : points) dsymbl(g, number, x, y);
    });
}

void expectSame(const Outcome& a, const Outcome& b, const std::string& what) {
    EXPECT_TRUE(a.pixels == b.pixels) << what;
    EXPECT_EQ(a.penX, b.penX) << what;
    EXPECT_EQ(a.penY, b.penY) << what;
    EXPECT_EQ(a.vectors, b.vectors) << what;
    EXPECT_EQ(a.curX, b.curX) << what;
    EXPECT_EQ(a.curY, b.curY) << what;
}

// Every symbol in three sizes over many centres, in one scene.
void compareScene(const Scene& scene, unsigned seed) {
    Globals& g = open(scene);
    ASSERT_TRUE(g.surface.exists());
    for (int number = 0; number <= kHighestSymbol; ++number) {
        for (int size : {35, 9, 120}) {
            hsymbl(size);
            setclr(10 + 7 * number + size % 5);
            const auto points = centres(g, seed + unsigned(number * 131 + size), 160);
            const Outcome single = oneByOne(g, number, points);
            const Outcome run = drawn(g, [&] {
                SymbolRun symbols(g, number, 100000);  // as many as make it keep a table of heights
                if (size < 100) {
                    EXPECT_TRUE(symbols.direct()) << number;  // larger ones may exceed its tables
                }
                for (const auto& [x, y] : points) symbols.draw(x, y);
            });
            expectSame(single, run, "symbol " + std::to_string(number) + " size " + std::to_string(size));
        }
    }
    vtxfin();
}

TEST(SymbolRun, DrawsTheSymbolsOfDsymblPixelForPixel) {
    compareScene({}, 1);
    compareScene({true, 0, 0, 0.0f, false}, 2);
    compareScene({false, 37, -11, 0.0f, false}, 3);
    compareScene({false, 0, 0, 30.0f, false}, 4);
    compareScene({false, 0, 0, 0.0f, true}, 5);
}

// Thousands of symbols at once go to two threads where they lie well inside
// the window; the rest are drawn the general way, partly while the second
// thread works. Same outcome as one by one, whichever kind comes last.
void compareMany(const Scene& scene, unsigned seed) {
    Globals& g = open(scene);
    ASSERT_TRUE(g.surface.exists());
    std::mt19937 rng(seed);
    std::uniform_real_distribution<float> x(300.0f, 2600.0f), y(200.0f, 1900.0f);
    for (int number : {21, 17, 0, 15, 23, 8}) {
        hsymbl(number == 8 ? 60 : 35);
        setclr(30 + number);
        auto points = centres(g, seed + unsigned(number), 1500);  // edges, halves, off the page
        for (int i = 0; i < 6000; ++i) points.emplace_back(std::round(x(rng)), std::round(y(rng)));
        std::shuffle(points.begin(), points.end(), rng);
        for (bool insideLast : {true, false}) {
            points.back() = insideLast ? std::make_pair(1000.0f, 1000.0f) : std::make_pair(-5.5f, 7.25f);
            const Outcome single = oneByOne(g, number, points);
            const Outcome many = drawn(g, [&] {
                SymbolRun symbols(g, number, long(points.size()));
                std::vector<float> xs, ys;
                for (const auto& [px, py] : points) xs.push_back(px), ys.push_back(py);
                symbols.drawAll(xs.data(), ys.data(), long(xs.size()));
            });
            expectSame(single, many, "symbol " + std::to_string(number) + (insideLast ? " inside last" : " outside last"));
        }
    }
    vtxfin();
}

TEST(SymbolRun, ManySymbolsOnTwoThreadsDrawWhatOneByOneDraws) {
    compareMany({}, 11);
    compareMany({true, 0, 0, 0.0f, false}, 12);
    compareMany({false, 37, -11, 0.0f, false}, 13);
    compareMany({false, 0, 0, 0.0f, true}, 14);
}

// Where the state leaves the surface to the pipeline, a run draws each
// symbol the general way.
TEST(SymbolRun, LeavesThickLinesAndShieldedSymbolsToThePipeline) {
    Globals& g = open({});
    linwid(5);
    EXPECT_FALSE(SymbolRun(g, 21, 1000).direct());
    linwid(1);
    shield("SYMB", "ON");
    EXPECT_FALSE(SymbolRun(g, 21, 1000).direct());
    shield("SYMB", "OFF");
    EXPECT_TRUE(SymbolRun(g, 21, 1000).direct());
    vtxfin();
}

}  // namespace
}  // namespace vtx
