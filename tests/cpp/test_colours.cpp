// Colour tables, name maps and the colour state, checked entry by entry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "session/globals.h"
#include "device/colour.h"
#include "device/colour_tables.h"

namespace vtx {
namespace {

// The rainbow as published, sixteen entries a row.
const char* const kRainbowRows[16] = {
    "000000 220044 26004D 2B0055 2F005E 330066 33006F 330077 330080 330088 330091 330099 3300A2 3300AA 3000B1 2C00B8",
    "2900BE 2500C5 2200CC 2200D5 2200DD 2200E6 2200EE 1E00F2 1900F7 1500FB 1100FF 0D00FF 0800FF 0400FF 0000FF 0004FF",
    "0008FF 000CFF 0010FF 0014FF 0018FF 001CFF 0020FF 0024FF 0028FF 002CFF 0030FF 0033FF 0036FF 003AFF 003DFF 0040FF",
    "0044FF 0048FF 004CFF 0050FF 0054FF 0058FF 005CFF 0060FF 0064FF 0068FF 006CFF 0070FF 0074FF 0078FF 007CFF 0080FF",
    "0084FF 0088FF 008CFF 0090FF 0093FF 0096FF 009AFF 009DFF 00A0FF 00A4FF 00A8FF 00ACFF 00B0FF 00B4FF 00B8FF 00BCFF",
    "00C0FF 00C4FF 00C8FF 00CCFF 00D0FF 00D4FF 00D8FF 00DCFF 00E0FF 00E4FF 00E8FF 00ECFF 00F0FF 00F4FF 00F8FF 00FBFF",
    "00FFFF 00FFFC 00FFF8 00FFF5 00FFF1 00FFEE 00FFEA 00FFE5 00FFE1 00FFDD 00FFD9 00FFD4 00FFD0 00FFCC 00FFC8 00FFC3",
    "00FFBF 00FFBB 00FFB7 00FFB2 00FFAE 00FFAA 00FFA1 00FF99 00FF90 00FF88 00FF7F 00FF77 00FF6E 00FF66 00FF5F 00FF58",
    "00FF52 00FF4B 00FF44 00FF3B 00FF33 00FF2A 00FF22 00FF19 00FF11 00FF08 00FF00 09FF00 11FF00 1AFF00 22FF00 2BFF00",
    "33FF00 3CFF00 44FF00 48FF00 4DFF00 51FF00 55FF00 59FF00 5EFF00 62FF00 66FF00 69FF00 6DFF00 70FF00 74FF00 77FF00",
    "7BFF00 80FF00 84FF00 88FF00 8CFF00 91FF00 95FF00 99FF00 9DFF00 A2FF00 A6FF00 AAFF00 AEFF00 B3FF00 B7FF00 BBFF00",
    "BFFF00 C4FF00 C8FF00 CCFF00 D0FF00 D5FF00 D9FF00 DDFF00 E0FF00 E4FF00 E7FF00 EBFF00 EEFF00 F2FF00 F7FF00 FBFF00",
    "FFFF00 FFFB00 FFF600 FFF200 FFEE00 FFEA00 FFE500 FFE100 FFDD00 FFD900 FFD400 FFD000 FFCC00 FFC800 FFC300 FFBF00",
    "FFBB00 FFB800 FFB400 FFB100 FFAD00 FFAA00 FFA600 FFA100 FF9D00 FF9900 FF9500 FF9000 FF8C00 FF8800 FF8400 FF7F00",
    "FF7B00 FF7700 FF7300 FF6E00 FF6A00 FF6600 FF6200 FF5D00 FF5900 FF5500 FF5100 FF4C00 FF4800 FF4400 FF4100 FF3D00",
    "FF3A00 FF3600 FF3300 FF2F00 FF2A00 FF2600 FF2200 FF1E00 FF1900 FF1500 FF1100 FF0D00 FF0800 FF0400 FF0000 FFFFFF",
};

std::vector<ColourEntry> publishedRainbow() {
    std::vector<ColourEntry> t;
    for (const char* row : kRainbowRows) {
        std::istringstream in(row);
        std::string hex;
        while (in >> hex) t.push_back(ColourEntry(std::stoul(hex, nullptr, 16)));
    }
    return t;
}

std::vector<ColourEntry> table(int kind, int device = 201) {
    std::vector<ColourEntry> t(kColourEntries, 0xABCDEF);  // marks entries a kind leaves alone
    fillColourTable(kind, device, t.data());
    return t;
}

std::vector<int> names(int kind, int device = 201) {
    std::vector<int> m(kColourNames);
    fillColourNameMap(kind, device, m.data());
    return m;
}

ColourEntry rgb(double r, double g, double b) {
    auto up = [](double x) { return int(std::floor(x + 0.5)); };
    return packRgb(up(r), up(g), up(b));
}

// The record initialised on a device with the given effective screen mode.
Globals& plotOn(int device, int screenMode = 0) {
    jqqlev(0, 3, "test");
    Globals& g = *qqgglb();
    g.ctl.level = 1;
    g.ctl.device = device;
    g.out.screenMode = screenMode;
    g.prot.unit = 6;
    g.prot.stream = stdout;
    g.prot.warnOn = 1;
    g.colour.userTable = 0;
    return g;
}

TEST(ColourTables, RainbowIsThePublishedTable) {
    std::vector<ColourEntry> expected = publishedRainbow();
    ASSERT_EQ(expected.size(), 256u);
    std::vector<ColourEntry> t = table(kVltRain);
    for (int i = 0; i < 256; ++i) EXPECT_EQ(t[i], expected[i]) << "entry " << i;
}

TEST(ColourTables, SpectrumFollowsItsRampsExceptTheFourPureColours) {
    std::vector<ColourEntry> t = table(kVltSpec);
    EXPECT_EQ(t[0], 0x000000u);
    EXPECT_EQ(t[255], 0xFFFFFFu);
    EXPECT_EQ(t[52], 0x0000FFu);
    EXPECT_EQ(t[102], 0x00FFFFu);
    EXPECT_EQ(t[153], 0x00FF00u);
    EXPECT_EQ(t[204], 0xFFFF00u);
    for (int i = 1; i <= 254; ++i) {
        if (i == 52 || i == 102 || i == 153 || i == 204) continue;
        double x = 5.0 * (i - 1) / 253.0;
        int k = std::min(4, int(x));
        double f = x - k;
        const ColourEntry ramps[5] = {rgb(255 * (1 - f), 0, 255), rgb(0, 255 * f, 255), rgb(0, 255, 255 * (1 - f)),
                                      rgb(255 * f, 255, 0), rgb(255, 255 * (1 - f), 0)};
        EXPECT_EQ(t[i], ramps[k]) << "entry " << i;
    }
}

TEST(ColourTables, GreyRampAndTemperature) {
    std::vector<ColourEntry> grey = table(kVltGrey), temp = table(kVltTemp);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(grey[i], ColourEntry(i) * 0x010101u);
        double r = i < 150 ? 1.7 * i : 255, g = i < 120 ? 0 : (i - 120) * 1.8888889,
               b = i < 190 ? 0 : (i - 190) * 3.9230769;
        EXPECT_EQ(temp[i], rgb(r, g, b)) << "entry " << i;
    }
    EXPECT_EQ(temp[255], 0xFFFFFFu);
}

TEST(ColourTables, ReversedKindsMirrorTheWholeTable) {
    const int pairs[3][2] = {{kVltRain, kVltRRain}, {kVltSpec, kVltRSpec}, {kVltGrey, kVltRGrey}};
    for (const auto& p : pairs) {
        std::vector<ColourEntry> plain = table(p[0]), reversed = table(p[1]);
        for (int i = 0; i < 256; ++i) EXPECT_EQ(reversed[i], plain[255 - i]) << "kind " << p[1] << " entry " << i;
    }
}

TEST(ColourTables, ShortTablesFillOnlyTheirEntriesWithWhiteFirstOnPaper) {
    const ColourEntry small[9] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF5500, 0x00FFFF, 0xFF00FF};
    const ColourEntry vga[16] = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
                                 0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};
    std::vector<ColourEntry> expected(kColourEntries, 0xABCDEF);
    std::copy(small, small + 9, expected.begin());
    EXPECT_EQ(table(kVltSmall), expected);
    std::swap(expected[0], expected[1]);
    EXPECT_EQ(table(kVltSmall, 501), expected);
    EXPECT_EQ(table(kVltSmall, 221), expected);

    expected.assign(kColourEntries, 0xABCDEF);
    std::copy(vga, vga + 16, expected.begin());
    EXPECT_EQ(table(kVltVga), expected);
    std::swap(expected[0], expected[15]);
    EXPECT_EQ(table(kVltVga, 501), expected);
    EXPECT_EQ(table(kVltVga, 221), expected);
    EXPECT_EQ(table(kVltRain, 501)[0], 0x000000u);  // the ramps are not exchanged
}

TEST(ColourNames, MapsPerKind) {
    EXPECT_EQ(names(kVltSmall), (std::vector<int>{1, 2, 3, 5, 4, 6, 7, 8, 1}));
    for (int kind : {kVltRain, kVltTemp})
        EXPECT_EQ(names(kind), (std::vector<int>{255, 254, 138, 192, 30, 223, 96, 13, 0}));
    EXPECT_EQ(names(kVltSpec), (std::vector<int>{255, 254, 154, 205, 53, 235, 103, 1, 0}));
    EXPECT_EQ(names(kVltGrey), (std::vector<int>{255, 230, 185, 150, 95, 215, 175, 110, 255}));
    EXPECT_EQ(names(kVltVga), (std::vector<int>{15, 4, 2, 14, 1, 12, 3, 5, 0}));
    // Reversed kinds mirror the colours but keep WHIT and BLAC.
    EXPECT_EQ(names(kVltRRain), (std::vector<int>{255, 1, 117, 63, 225, 32, 159, 242, 0}));
    EXPECT_EQ(names(kVltRSpec), (std::vector<int>{255, 1, 101, 50, 202, 20, 152, 254, 0}));
    EXPECT_EQ(names(kVltRGrey), (std::vector<int>{255, 25, 70, 105, 160, 40, 80, 145, 255}));
}

TEST(ColourNames, MetafilesDrawWhiteAsEntryZeroInTheRamps) {
    for (int device : {211, 221}) {
        for (int kind : {kVltRain, kVltSpec, kVltGrey}) EXPECT_EQ(names(kind, device)[0], 0);
        EXPECT_EQ(names(kVltRRain, device)[0], 255);
        EXPECT_EQ(names(kVltSmall, device)[0], 1);
    }
    EXPECT_EQ(names(kVltRain, 501)[0], 255);
}

TEST(ColourState, LoadSetsForegroundBackgroundRangeAndCycle) {
    Globals& g = plotOn(201);
    loadColourTable(g, kVltRain);
    EXPECT_EQ(g.colour.foreground, 255);
    EXPECT_EQ(g.colour.background, 0);
    EXPECT_EQ(g.colour.current, 255);
    EXPECT_EQ(g.colour.rangeLow, 1);
    EXPECT_EQ(g.colour.rangeHigh, 254);
    const int cycle[8] = {255, 254, 138, 192, 30, 223, 96, 13};
    for (int i = 0; i < 30; ++i) EXPECT_EQ(g.colour.colourCycle[i], cycle[i % 8]) << "cycle entry " << i + 1;

    loadColourTable(g, kVltSmall);
    EXPECT_EQ(g.colour.foreground, 1);
    EXPECT_EQ(g.colour.rangeHigh, 8);
    loadColourTable(g, kVltVga);
    EXPECT_EQ(g.colour.foreground, 15);
    EXPECT_EQ(g.colour.rangeHigh, 14);
}

TEST(ColourState, ReverseScreenExchangesFirstAndLastColour) {
    for (int device : {50, 502, 503, 504, 511, 604, 801}) {
        Globals& g = plotOn(device, 2);
        loadColourTable(g, kVltRain);
        EXPECT_EQ(g.colour.table[0], 0xFFFFFFu) << device;
        EXPECT_EQ(g.colour.table[255], 0x000000u) << device;
        EXPECT_EQ(g.colour.sentIndex, 255);
        EXPECT_EQ(g.colour.sentRgb[0] + g.colour.sentRgb[1] + g.colour.sentRgb[2], 0);  // black foreground
        loadColourTable(g, kVltSmall);
        EXPECT_EQ(g.colour.table[0], 0xFFFFFFu);
        EXPECT_EQ(g.colour.table[1], 0x000000u);
    }
    for (int device : {201, 211, 401, 501}) {
        Globals& g = plotOn(device, 2);
        loadColourTable(g, kVltRain);
        EXPECT_EQ(g.colour.table[0], 0x000000u) << device;
    }
    Globals& g = plotOn(503, 0);
    loadColourTable(g, kVltRain);
    EXPECT_EQ(g.colour.table[0], 0x000000u);
}

TEST(ColourState, PagePrinterOnlyKnowsTheSmallTable) {
    Globals& g = plotOn(301);
    loadColourTable(g, kVltRain);
    EXPECT_EQ(g.colour.kind, kVltSmall);
    EXPECT_EQ(g.colour.foreground, 1);
}

TEST(ColourState, UserTableSurvivesOneLoad) {
    Globals& g = plotOn(503, 2);
    g.colour.table[0] = 0x123456;
    g.colour.table[255] = 0x654321;
    g.colour.userTable = 1;
    loadColourTable(g, kVltRain);
    EXPECT_EQ(g.colour.table[0], 0x123456u);  // neither replaced nor exchanged
    EXPECT_EQ(g.colour.table[255], 0x654321u);
    EXPECT_EQ(g.colour.userTable, 0);
    EXPECT_EQ(g.colour.kind, kVltRain);
    loadColourTable(g, kVltRain);
    EXPECT_EQ(g.colour.table[255], 0x000000u);
}

TEST(ColourState, DeviceReceivesEntriesAndTheTableOnlyWhenItChanges) {
    Globals& g = plotOn(604);
    loadColourTable(g, kVltRain);
    const int sends = g.colour.tableSends;
    setclr(30);
    EXPECT_EQ(g.colour.sentIndex, 30);
    EXPECT_EQ(g.colour.sentRgb[0] * 65536 + g.colour.sentRgb[1] * 256 + g.colour.sentRgb[2], 0x0000FF);
    EXPECT_EQ(g.colour.tableSends, sends);
    setind(30, 0.5f, 0.25f, 1.0f);  // the colour in use is sent again with its new value
    EXPECT_EQ(g.colour.tableSends, sends + 1);
    EXPECT_EQ(g.colour.sentRgb[0], 128);
    EXPECT_EQ(g.colour.sentRgb[1], 64);
}

TEST(ColourRequests, GetindOutOfRangeWarnsAndLeavesOutputs) {
    Globals& g = plotOn(201);
    loadColourTable(g, kVltRain);
    float r = -7, gr = -8, b = -9;
    testing::internal::CaptureStdout();
    getind(256, r, gr, b);
    getind(-1, r, gr, b);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out,
              " <<<< Warning   2: Incorrect parameter in GETIND!   ( 256)\n"
              " <<<< Warning   2: Incorrect parameter in GETIND!   (  -1)\n");
    EXPECT_EQ(r, -7);
    EXPECT_EQ(gr, -8);
    EXPECT_EQ(b, -9);
}

TEST(Hsv, RoundTripsThroughEveryColourOfTheRainbow) {
    plotOn(201);
    std::vector<ColourEntry> rain = publishedRainbow();
    for (ColourEntry e : rain) {
        float r = redOf(e) / 255.0f, g = greenOf(e) / 255.0f, b = blueOf(e) / 255.0f;
        float h = -1, s = -1, v = -1, r2 = -1, g2 = -1, b2 = -1;
        rgbhsv(r, g, b, h, s, v);
        ASSERT_GE(h, 0.0f);
        ASSERT_LT(h, 360.0f);
        hsvrgb(h, s, v, r2, g2, b2);
        EXPECT_NEAR(r2, r, 1e-5) << std::hex << e;
        EXPECT_NEAR(g2, g, 1e-5) << std::hex << e;
        EXPECT_NEAR(b2, b, 1e-5) << std::hex << e;
    }
}

TEST(Hsv, HueSectors) {
    plotOn(201);
    float r, g, b;
    const float expected[7][4] = {{0, 1, 0, 0},   {60, 1, 1, 0},  {120, 0, 1, 0}, {180, 0, 1, 1},
                                  {240, 0, 0, 1}, {300, 1, 0, 1}, {360, 1, 0, 0}};
    for (const auto& e : expected) {
        hsvrgb(e[0], 1.0f, 1.0f, r, g, b);
        EXPECT_FLOAT_EQ(r, e[1]) << e[0];
        EXPECT_FLOAT_EQ(g, e[2]) << e[0];
        EXPECT_FLOAT_EQ(b, e[3]) << e[0];
    }
    hsvrgb(30.0f, 0.5f, 0.8f, r, g, b);
    EXPECT_FLOAT_EQ(r, 0.8f);
    EXPECT_FLOAT_EQ(g, 0.6f);
    EXPECT_FLOAT_EQ(b, 0.4f);
}

}  // namespace
}  // namespace vtx
