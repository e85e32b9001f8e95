// The line pipeline below the public routines: polyline batches, circle and
// axis clipping, closed thick rings and the PostScript output line.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/api.h"
#include "session/api.h"
#include "device/api.h"
#include "device/driver.h"
#include "device/line_style.h"
#include "device/pipeline.h"

namespace vtx {
namespace {

// A plot into `file` (in the test's temporary directory) on `device` (a
// keyword), protocol off.
Globals& open(const char* device, const std::string& file) {
    EXPECT_EQ(chdir(testing::TempDir().c_str()), 0);
    std::remove(file.c_str());
    metafl(device);
    setfil(file.c_str());
    vtxini();
    errmod("PROT", "OFF");
    unit(nullptr);
    return *qqgglb();
}

std::string finish(const std::string& file) {
    vtxfin();
    std::ifstream in(file);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The PostScript paths of a file as lists of points.
std::vector<std::vector<std::pair<int, int>>> psPaths(const std::string& text) {
    std::vector<std::vector<std::pair<int, int>>> paths;
    std::regex point(R"((-?\d+) +(-?\d+) ([ud]) |(p) )");
    std::string body = text.substr(text.find("scale\n") + 6);
    for (char& c : body)
        if (c == '\n') c = ' ';
    for (auto it = std::sregex_iterator(body.begin(), body.end(), point); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        if (m[4] == "p") continue;
        if (m[3] == "u") paths.emplace_back();
        paths.back().emplace_back(std::stoi(m[1]), std::stoi(m[2]));
    }
    return paths;
}

// HPGL pen records: (down, x, y) in plotter units.
struct Pen {
    bool down;
    int x, y;
};
std::vector<Pen> hpglPens(const std::string& text) {
    std::vector<Pen> pens;
    std::regex rec(R"(P([UD])(-?\d+),(-?\d+);)");
    std::string flat;
    for (char c : text)
        if (c != '\n') flat += c;
    for (auto it = std::sregex_iterator(flat.begin(), flat.end(), rec); it != std::sregex_iterator(); ++it)
        pens.push_back({(*it)[1] == "D", std::stoi((*it)[2]), std::stoi((*it)[3])});
    if (!pens.empty()) pens.pop_back();  // the closing PU0,0
    return pens;
}

TEST(Polyline, HundredTwentyPointsFollowTheBatchesOfTheBuffer) {
    const std::string file = "pipeline_120.ps";
    Globals& g = open("POST", file);
    strtqq(g, 100.0f, 100.0f);
    for (int i = 1; i < 120; ++i) connqq(g, 100.0f + 10.0f * i, 100.0f + float(i % 7));
    std::string text = finish(file);
    auto paths = psPaths(text);
    // batches of 100 and 21 points; the driver cuts paths at 50 points
    ASSERT_EQ(paths.size(), 4u);
    EXPECT_EQ(paths[0].size(), 50u);
    EXPECT_EQ(paths[1].size(), 50u);
    EXPECT_EQ(paths[2].size(), 2u);
    EXPECT_EQ(paths[3].size(), 21u);
    for (size_t i = 1; i < paths.size(); ++i) EXPECT_EQ(paths[i].front(), paths[i - 1].back());
    // 120 distinct points, each once apart from the shared ends
    EXPECT_EQ(paths[0].size() + paths[1].size() + paths[2].size() + paths[3].size() - 3, 120u);
    EXPECT_EQ(std::system(("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=nullpage " + file + " >/dev/null 2>&1").c_str()), 0);
}

TEST(Polyline, HundredPointsShareTheHundredthPoint) {
    const std::string file = "pipeline_100.hpg";
    Globals& g = open("HPGL", file);
    strtqq(g, 0.0f, 0.0f);
    for (int i = 1; i < 100; ++i) connqq(g, float(i), float(i % 2));
    auto pens = hpglPens(finish(file));
    // move, 99 draws (first batch), then the second batch: a move to the 100th point
    ASSERT_EQ(pens.size(), 101u);
    EXPECT_FALSE(pens[0].down);
    EXPECT_FALSE(pens[100].down);
    EXPECT_EQ(pens[100].x, pens[99].x);
    EXPECT_EQ(pens[100].y, pens[99].y);
    for (int i = 1; i < 100; ++i) EXPECT_TRUE(pens[i].down);
}

TEST(Clipping, CircleKeepsTheChordInside) {
    const std::string file = "pipeline_circle.hpg";
    Globals& g = open("HPGL", file);
    setAxisClipArea(g, AxisClipArea{0, 0, 2969, 2099, 1000.0f, 1000.0f, 100.0f, 1});
    sclpax(g, 1);
    EXPECT_EQ(jqqclp(g, 1000.0f, 1099.0f), 0);
    EXPECT_EQ(jqqclp(g, 1000.0f, 1101.0f), 1);
    clip2d(g, 800.0f, 1000.0f, 1200.0f, 1000.0f);  // both ends outside: the diameter
    clip2d(g, 1000.0f, 1000.0f, 1000.0f, 1300.0f); // one end outside: to the rim
    clip2d(g, 800.0f, 800.0f, 800.0f, 1200.0f);    // misses the circle
    sclpax(g, 0);
    EXPECT_EQ(g.line.clipShape, 0);
    auto pens = hpglPens(finish(file));
    ASSERT_EQ(pens.size(), 3u);
    const int H = 2099 * 4;
    EXPECT_FALSE(pens[0].down);
    EXPECT_EQ(pens[0].x, 900 * 4);
    EXPECT_EQ(pens[1].x, 1100 * 4);
    EXPECT_TRUE(pens[2].down);
    EXPECT_NEAR(H - pens[2].y, 1100 * 4, 4);  // bisection stops within 0.1 unit of the rim
}

TEST(Clipping, AxisSystemIntersectsAndRestoresTheWindow) {
    Globals& g = open("HPGL", "pipeline_axis.hpg");
    clpwin(100, 100, 1000, 1000);
    setAxisClipArea(g, AxisClipArea{500, 50, 2000, 800, 0, 0, 0, 0});
    sclpax(g, 1);
    EXPECT_EQ(g.line.clipX1, 500);
    EXPECT_EQ(g.line.clipY1, 100);
    EXPECT_EQ(g.line.clipX2, 1099);
    EXPECT_EQ(g.line.clipY2, 800);
    sclpax(g, 0);
    EXPECT_EQ(g.line.clipX1, 100);
    EXPECT_EQ(g.line.clipY2, 1099);
    noclip();
    sclpax(g, 1);  // clipping mode NONE leaves the window as it is
    EXPECT_EQ(g.line.clipX2, 1099);
    finish("pipeline_axis.hpg");
}

TEST(ThickLines, ClosedPolylineGetsTwoClosedRingsPerOutline) {
    const std::string file = "pipeline_ring.hpg";
    Globals& g = open("HPGL", file);
    linwid(3);  // w = 3: one outline at half width 1.5
    lnjoin("SHAR");
    strtqq(g, 100.0f, 100.0f);
    connqq(g, 300.0f, 100.0f);
    connqq(g, 300.0f, 300.0f);
    connqq(g, 100.0f, 300.0f);
    connqq(g, 100.0f, 100.0f);
    auto pens = hpglPens(finish(file));
    // centre line (move + 4 draws), then two mitred rings of 4 corners each
    ASSERT_EQ(pens.size(), 5u + 5u + 5u);
    const int H = 2099 * 4;
    EXPECT_FALSE(pens[5].down);
    EXPECT_FALSE(pens[10].down);
    std::vector<std::pair<int, int>> outer, inner;
    for (int i = 5; i < 10; ++i) outer.push_back({pens[i].x / 2, (H - pens[i].y) / 2});
    for (int i = 10; i < 15; ++i) inner.push_back({pens[i].x / 2, (H - pens[i].y) / 2});
    EXPECT_EQ(outer.front(), outer.back());
    EXPECT_EQ(inner.front(), inner.back());
    // corners at 1.5 units outside and inside the square (coordinates doubled)
    std::set<std::pair<int, int>> a(outer.begin(), outer.end()), b(inner.begin(), inner.end());
    std::set<std::pair<int, int>> ringA{{197, 197}, {603, 197}, {603, 603}, {197, 603}};
    std::set<std::pair<int, int>> ringB{{203, 203}, {597, 203}, {597, 597}, {203, 597}};
    EXPECT_TRUE((a == ringA && b == ringB) || (a == ringB && b == ringA));
}

TEST(PostScriptText, WordsAreNeverSplitAcrossLines) {
    const std::string file = "pipeline_words.ps";
    Globals& g = open("POST", file);
    // points beyond the page give five-digit device units
    const DeviceDriver& driver = *deviceDriver(g.ctl.device);
    std::vector<std::string> expected;
    for (int i = 0; i <= 30; ++i) {
        const float x = float(5000 + 97 * i), y = float(100 + 13 * i);
        xjdraw(g, x, y, i == 0 ? kOpMove : kOpDraw);
        const DevicePoint p = driver.mapPoint(g, x, y);
        expected.push_back(std::to_string(int(std::floor(p.x + 0.5f))));
        expected.push_back(std::to_string(int(std::floor(p.y + 0.5f))));
        expected.push_back(i == 0 ? "u" : "d");
    }
    expected.push_back("p");
    std::string text = finish(file);
    std::string body = text.substr(text.find("scale\n") + 6);
    body = body.substr(body.find(" f ") + 3);  // after the colour that vtxini selects
    std::istringstream lines(body);
    std::string line;
    std::vector<std::string> words;
    while (std::getline(lines, line)) {
        EXPECT_LE(line.size(), 80u);
        std::istringstream in(line);
        for (std::string word; in >> word && word != "showpage";) words.push_back(word);
    }
    EXPECT_EQ(words, expected);
}

TEST(Dashes, AsegmentEndingInsideAnElementUsesOnlyItsLength) {
    Globals& g = open("HPGL", "pipeline_dash.hpg");
    const int pattern[2] = {30, 20};
    myline(pattern, 2);
    strtqq(g, 0.0f, 0.0f);
    connqq(g, 10.0f, 0.0f);
    EXPECT_EQ(g.line.dashPhase, 0);
    EXPECT_FLOAT_EQ(g.line.dashRemaining, 20.0f);
    connqq(g, 45.0f, 0.0f);  // 20 drawn, then 15 of the gap
    EXPECT_EQ(g.line.dashPhase, 1);
    EXPECT_EQ(g.line.dashIndex, 2);
    EXPECT_FLOAT_EQ(g.line.dashRemaining, 5.0f);
    connqq(g, 1e9f, 0.0f);  // far beyond any page: finishes without looping forever
    finish("pipeline_dash.hpg");
}

}  // namespace
}  // namespace vtx
