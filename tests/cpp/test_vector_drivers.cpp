// The SVG, PDF and CGM drivers driven through the device dispatcher and
// their driver records (colours, characters, polygons), read back byte by
// byte from the files they write.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "core/api.h"
#include "session/api.h"
#include "device/api.h"
#include "device/colour.h"
#include "device/driver.h"
#include "device/drivers/fixed_number.h"
#include "device/drivers/latin1.h"
#include "device/pipeline.h"

namespace vtx {
namespace {

std::string scratchFile(const char* name) {
    static std::string dir;
    if (dir.empty()) {
        char pattern[] = "/tmp/vtx-drivers-XXXXXX";
        dir = mkdtemp(pattern);
    }
    std::string path = dir + "/" + name;
    std::remove(path.c_str());
    return path;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Opens a plot on the device; the returned record is the library's own.
Globals& openPlot(const char* device, const std::string& path, void (*before)() = nullptr) {
    metafl(device);
    setfil(path.c_str());
    if (before) before();
    vtxini();
    errmod("PROT", "OFF");
    return *qqgglb();
}

std::string finish(const std::string& path) {
    vtxfin();
    return readFile(path);
}

const DeviceDriver& driverOf(const Globals& g) { return *deviceDriver(g.ctl.device); }

// A character of a device font at a pen position, without base shift.
DeviceChar glyph(int code, float x, float y, int font, int height, int angle = 0) {
    return {code, font, height, angle, x, y, 0.0f, 0.0f};
}

void normalScreen() { scrmod("NOREV"); }

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t i = text.find(what); i != std::string::npos; i = text.find(what, i + 1)) ++n;
    return n;
}

// --- SVG ---

TEST(Svg, PolylineBreaksAfterEveryFifthPointButNotAfterTheLast) {
    const std::string path = scratchFile("seven.svg");
    Globals& g = openPlot("SVG", path);
    xjdraw(g, 0, 0, kOpMove);
    for (int i = 1; i < 7; ++i) xjdraw(g, float(100 * i), float(50 * i), kOpDraw);
    const std::string text = finish(path);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(text, m, std::regex("<polyline points=\"\n([^\"]*)\"/>\n")));
    const std::string points = m[1];
    const std::regex point(" -?\\d+\\.\\d\\d, -?\\d+\\.\\d\\d");
    const size_t lineEnd = points.find('\n');
    ASSERT_NE(lineEnd, std::string::npos);
    EXPECT_EQ(std::distance(std::sregex_iterator(points.begin(), points.begin() + lineEnd, point), {}), 5);
    EXPECT_EQ(std::distance(std::sregex_iterator(points.begin() + lineEnd + 1, points.end(), point), {}), 2);
    EXPECT_NE(points.back(), '\n') << "no break after the seventh point";
}

TEST(Svg, FullPathsOfFiftyPointsContinueFromTheirLastPoint) {
    const std::string path = scratchFile("sixty.svg");
    Globals& g = openPlot("SVG", path);
    xjdraw(g, 0, 0, kOpMove);
    for (int i = 1; i <= 60; ++i) xjdraw(g, float(10 * i), 100.0f, kOpDraw);
    const std::string text = finish(path);
    EXPECT_EQ(count(text, "<polyline"), 2);
    // the 50th point (index 49, x = 490 plot units) ends the first path and starts the second
    char fiftieth[32];
    std::snprintf(fiftieth, sizeof fiftieth, " %.2f, %.2f", 490 * g.out.deviceScale, 100 * g.out.deviceScale);
    const size_t second = text.find("<polyline", text.find("<polyline") + 1);
    EXPECT_EQ(text.compare(second, 19 + std::string(fiftieth).size(), "<polyline points=\"\n" + std::string(fiftieth)), 0);
}

TEST(Svg, ColourChangeSplitsAPolylineIntoTwoGroups) {
    const std::string path = scratchFile("split.svg");
    Globals& g = openPlot("SVG", path);
    xjdraw(g, 0, 0, kOpMove);
    xjdraw(g, 100, 0, kOpDraw);
    xjdraw(g, 100, 100, kOpDraw);
    driverOf(g).colour(g, 1, 255, 0, 0);
    xjdraw(g, 200, 100, kOpDraw);
    xjdraw(g, 200, 200, kOpDraw);
    const std::string text = finish(path);
    const std::regex group("<g fill=\"none\" stroke=\"(#\\w+)\" stroke-width=\"1.000\">\n<polyline points=\"\n"
                           "([^\"]*)\"/>\n</g>\n");
    std::vector<std::string> colours, firsts;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), group); it != std::sregex_iterator(); ++it) {
        colours.push_back((*it)[1]);
        std::string pts = (*it)[2];
        firsts.push_back(pts.substr(0, pts.find(',', 1)));
    }
    ASSERT_EQ(colours, (std::vector<std::string>{"#000000", "#ff0000"}));
    // the second element starts where the first ended, so there is no gap
    char corner[16];
    std::snprintf(corner, sizeof corner, " %.2f", 100 * g.out.deviceScale);
    EXPECT_EQ(firsts[1], corner);
}

TEST(Svg, CharactersAreTextElementsWithEscapesAndTheFontInTheirGroup) {
    const std::string path = scratchFile("text.svg");
    Globals& g = openPlot("SVG", path);
    const DeviceDriver& d = driverOf(g);
    d.character(g, glyph('a', 100, 200, 5, 36));
    d.character(g, glyph('<', 130, 200, 5, 36));
    d.character(g, glyph('b', 160, 200, 5, 36));
    d.character(g, glyph(130, 190, 200, 18, 36, 30));  // a-umlaut in Courier, turned
    d.character(g, glyph(250, 220, 200, 18, 36));      // beyond the accented letters: a blank
    const std::string text = finish(path);
    const float s = g.out.deviceScale;
    const int size = int(36 * 22 * s / 15 + 0.5f);
    char expected[512];
    std::snprintf(expected, sizeof expected,
                  "<g font-family=\"Helvetica\" font-weight=\"bold\" font-style=\"normal\"\n"
                  "font-size=\"%d\" stroke=\"none\" fill=\"#000000\">\n"
                  "<text x=\"%.2f\" y=\"%.2f\">a</text>\n"
                  "<text x=\"%.2f\" y=\"%.2f\">&lt;</text>\n"
                  "<text x=\"%.2f\" y=\"%.2f\">b</text>\n</g>\n"
                  "<g font-family=\"Courier\" font-weight=\"normal\" font-style=\"normal\"\n",
                  size, 100 * s, 200 * s, 130 * s, 200 * s, 160 * s, 200 * s);
    EXPECT_NE(text.find(expected), std::string::npos) << text;
    EXPECT_NE(text.find(" rotate=\"-30\">\xE4</text>\n"), std::string::npos);
    EXPECT_NE(text.find("> </text>\n</g>\n</svg>\n"), std::string::npos);
}

TEST(Svg, PolygonsAreFilledInTheCurrentColourAtTheDevicesOwnPoints) {
    const std::string path = scratchFile("fill.svg");
    Globals& g = openPlot("SVG", path);
    driverOf(g).colour(g, 1, 0, 128, 255);
    const float s = g.out.deviceScale;
    const float x[3] = {0, 1000, 0}, y[3] = {0, 0, 500};
    driverOf(g).polygon(g, x, y, 3);
    const std::string text = finish(path);
    char polygon[256];
    std::snprintf(polygon, sizeof polygon,
                  "<g fill=\"none\" stroke=\"#0080ff\" stroke-width=\"1.000\">\n<polygon fill=\"#0080ff\" points=\"\n"
                  " 0.00, 0.00 %.2f, 0.00 0.00, %.2f\"/>\n",
                  1000 * s, 500 * s);
    EXPECT_NE(text.find(polygon), std::string::npos) << text;
}

TEST(Svg, ANormalScreenStartsWithABlackRectangleOverTheWindow) {
    const std::string path = scratchFile("black.svg");
    Globals& g = openPlot("SVG", path, normalScreen);
    char rect[160];
    std::snprintf(rect, sizeof rect, "<rect x=\"0.00\" y=\"0.00\" width=\"%d.00\" height=\"%d.00\"\n"
                  " fill=\"#000000\" stroke=\"none\"/>\n", g.out.winW - 1, g.out.winH - 1);
    const std::string text = finish(path);
    scrmod("AUTO");
    EXPECT_NE(text.find(rect), std::string::npos) << text;
}

TEST(Svg, Latin1MappingOfTheAccentedCharacters) {
    EXPECT_EQ(latin1Code(127), 196);
    EXPECT_EQ(latin1Code(130), 228);
    EXPECT_EQ(latin1Code(186), 191);
    EXPECT_EQ(latin1Code(187), ' ');
    EXPECT_EQ(latin1Code(7), ' ');
    EXPECT_EQ(latin1Code('z'), 'z');
}

// --- PDF (uncompressed, so that the operators can be read in the file) ---

void rawStreams() { pdfmod("OFF", "COMP"); }

TEST(Pdf, OnlyTheLastOfTwoMovesIsWrittenBeforeADraw) {
    const std::string path = scratchFile("moves.pdf");
    Globals& g = openPlot("PDF", path, rawStreams);
    xjdraw(g, 10, 10, kOpMove);
    xjdraw(g, 20, 20, kOpMove);
    xjdraw(g, 30, 20, kOpDraw);
    xjdraw(g, 30, 30, kOpDraw);
    const std::string text = finish(path);
    const float s = g.out.deviceScale;  // landscape: turned, points are (y s, x s)
    char expected[160];
    std::snprintf(expected, sizeof expected, "%.2f %.2f m\n%.2f %.2f l\n%.2f %.2f l\nS\n", 20 * s, 20 * s,
                  20 * s, 30 * s, 30 * s, 30 * s);
    EXPECT_NE(text.find(std::string("RG\n") + expected), std::string::npos) << text;
}

TEST(Pdf, APolygonIsOnePathFilledEvenOddAfterTheOpenPathIsStroked) {
    const std::string path = scratchFile("polygon.pdf");
    Globals& g = openPlot("PDF", path, rawStreams);
    xjdraw(g, 10, 10, kOpMove);
    xjdraw(g, 20, 10, kOpDraw);
    const long vectors = g.ctl.vectors;
    const float x[3] = {100, 200, 100}, y[3] = {100, 100, 300};
    driverOf(g).polygon(g, x, y, 3);
    EXPECT_EQ(g.ctl.vectors, vectors + 4) << "the move, two draws and the fill";
    const std::string text = finish(path);
    const float s = g.out.deviceScale;
    char expected[200];
    std::snprintf(expected, sizeof expected, "l\nS\n%.2f %.2f m\n%.2f %.2f l\n%.2f %.2f l\nh\nf*\n", 100 * s,
                  100 * s, 100 * s, 200 * s, 300 * s, 100 * s);
    EXPECT_NE(text.find(expected), std::string::npos) << text;
}

TEST(Pdf, CharactersUseOctalEscapesWinAnsiBytesAndOneFontObject) {
    const std::string path = scratchFile("text.pdf");
    Globals& g = openPlot("PDF", path, rawStreams);
    const DeviceDriver& d = driverOf(g);
    d.character(g, glyph('(', 100, 200, 4, 40));
    d.character(g, glyph(130, 100, 200, 4, 40));
    d.character(g, glyph('\\', 100, 200, 4, 40, 45));
    xjdraw(g, 300, 200, kOpMove);
    xjdraw(g, 400, 200, kOpDraw);
    const std::string text = finish(path);
    const float s = g.out.deviceScale;
    char matrix[64], font[32];
    std::snprintf(matrix, sizeof matrix, "0 1 -1 0 %.2f %.2f Tm\n", 200 * s, 100 * s);
    std::snprintf(font, sizeof font, "BT\n/F5 %.1f Tf\n", 40 * s * kDeviceFontScale);
    // every character moves to its own start, which ends the text object
    const std::string expected = font + std::string(matrix) + "(\\50) Tj\nET\n" + font + matrix + "(\xE4) Tj\nET\n";
    EXPECT_NE(text.find(expected), std::string::npos) << text;
    EXPECT_NE(text.find("-0.71 0.71 -0.71 -0.71"), std::string::npos) << "45 degrees on a turned page";
    EXPECT_NE(text.find("(\\134) Tj\nET\n"), std::string::npos);
    EXPECT_EQ(count(text, "/Type /Font\n"), 1);
    EXPECT_NE(text.find("<< /Type /Font\n/Subtype /Type1\n/BaseFont /Helvetica\n/Encoding /WinAnsiEncoding\n>>\n"),
              std::string::npos);
    EXPECT_NE(text.find("/Resources << /ProcSet [/PDF /Text]\n/Font <<\n/F5 "), std::string::npos);
}

void rawStreamsOnNormalScreen() {
    rawStreams();
    normalScreen();
}

TEST(Pdf, FontsAreWrittenOnceAndListedOnLaterPages) {
    const std::string path = scratchFile("pages.pdf");
    Globals& g = openPlot("PDF", path, rawStreamsOnNormalScreen);
    driverOf(g).character(g, glyph('A', 100, 200, 0, 30));
    newpag();
    const std::string text = finish(path);
    scrmod("AUTO");
    EXPECT_EQ(count(text, "/BaseFont /Times-Roman"), 1);
    EXPECT_EQ(count(text, "/F1 "), 3);  // Tf, and the resources of both pages
    // a normal screen paints every page black first
    EXPECT_EQ(count(text, "0 0 0 RG\n0.00 0.00 "), 2);
}

// --- CGM ---

struct CgmElement {
    unsigned header;
    std::string data;
};

// Walks the elements by their headers, as a reader would.
std::vector<CgmElement> cgmElements(const std::string& raw) {
    std::vector<CgmElement> out;
    size_t pos = 0;
    while (pos + 2 <= raw.size()) {
        unsigned word = (unsigned char)raw[pos] << 8 | (unsigned char)raw[pos + 1];
        pos += 2;
        size_t length = word & 31;
        if (length == 31) {
            length = ((unsigned char)raw[pos] << 8 | (unsigned char)raw[pos + 1]) & 0x7FFF;
            pos += 2;
        }
        out.push_back({word, raw.substr(pos, length)});
        pos += length + (length & 1);
        if (word == 0x0040) break;
    }
    return out;
}

std::vector<std::vector<int>> polylines(const std::string& raw) {
    std::vector<std::vector<int>> out;
    for (const CgmElement& e : cgmElements(raw)) {
        if (e.header != 0x403F) continue;
        std::vector<int> values;
        for (size_t i = 0; i + 1 < e.data.size(); i += 2)
            values.push_back(short((unsigned char)e.data[i] << 8 | (unsigned char)e.data[i + 1]));
        out.push_back(values);
    }
    return out;
}

TEST(Cgm, OneHundredTwentyPointsAreBatchesOf50And50And22WithoutGaps) {
    const std::string path = scratchFile("long.cgm");
    Globals& g = openPlot("CGM", path);
    xjdraw(g, 0, 0, kOpMove);
    for (int i = 1; i < 120; ++i) xjdraw(g, float(i), float(i % 7), kOpDraw);
    const auto lines = polylines(finish(path));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 100u);
    EXPECT_EQ(lines[1].size(), 100u);
    EXPECT_EQ(lines[2].size(), 44u);
    EXPECT_EQ(lines[1][0], lines[0][98]);  // each batch starts at the previous batch's last point
    EXPECT_EQ(lines[2][0], lines[1][98]);
    EXPECT_EQ(lines[2][42], 119 * 2);
}

TEST(Cgm, APipelinePolylineIsCutWhereThePipelineRestartsItsBuffer) {
    // The pipeline strokes 100 points at a time and moves to the last one, and
    // a move ends a CGM element: 50, 50, 2 and the 21 points of the rest.
    const std::string path = scratchFile("pipeline.cgm");
    Globals& g = openPlot("CGM", path);
    strtqq(g, 0, 1000);
    for (int i = 1; i < 120; ++i) connqq(g, float(10 * i), 1000);
    qqstrk(g);
    const auto lines = polylines(finish(path));
    std::vector<size_t> sizes;
    for (const auto& l : lines) sizes.push_back(l.size() / 2);
    EXPECT_EQ(sizes, (std::vector<size_t>{50, 50, 2, 21}));
}

TEST(Cgm, EveryRecordIs80BytesAndTheLastIsPaddedWithBlanks) {
    const std::string path = scratchFile("records.cgm");
    Globals& g = openPlot("CGM", path);
    for (int i = 0; i < 30; ++i) lineqq(g, 0, float(i), 100, float(i));
    const std::string raw = finish(path);
    ASSERT_EQ(raw.size() % 80, 0u);
    const auto els = cgmElements(raw);
    ASSERT_FALSE(els.empty());
    EXPECT_EQ(els.back().header, 0x0040u);
    EXPECT_EQ(polylines(raw).size(), 30u);
}

}  // namespace
}  // namespace vtx

TEST(FixedNumbers, TwoDecimalsAsPrintfWritesThem) {
    // Ties of the exact value round to even, small negatives keep their sign.
    std::vector<float> values = {0.0f, -0.0f, 0.125f, 0.375f, -0.125f, 2.675f, 1e7f, -1e7f, -0.001f, 0.005f,
                                 99.995f, 1234.5f, 0.994999f};
    unsigned state = 12345u;
    for (int i = 0; i < 200000; ++i) {
        state = state * 1103515245u + 12345u;
        const float scale = (i % 3 == 0) ? 1.0f : (i % 3 == 1) ? 3000.0f : 1e6f;
        values.push_back((float(state >> 8) / float(1u << 24) - 0.5f) * scale);
    }
    for (float v : values) {
        char expected[64], got[64];
        std::snprintf(expected, sizeof expected, "%.2f", double(v));
        *vtx::putFixed2(got, double(v)) = '\0';
        ASSERT_STREQ(got, expected) << v;
    }
}
