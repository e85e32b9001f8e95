// Control core: checks, messages, defaults and reset, on the process-wide record.
#include <gtest/gtest.h>

#include <string>

#include "core/api.h"
#include "session/api.h"
#include "session/globals.h"
#include "core/messages.h"
#include "figures/figures_state.h"

namespace vtx {
namespace {

// The record at a chosen level, with the protocol on standard output.
Globals& recordAt(int level) {
    jqqlev(0, 3, "test");
    Globals& g = *qqgglb();
    g.ctl.level = level;
    g.prot.unit = 6;
    g.prot.stream = stdout;
    g.prot.warnOn = 1;
    return g;
}

std::string captured(void (*action)()) {
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

TEST(Checks, RangeRule) {
    recordAt(1);
    EXPECT_EQ(jqqval(5, 1, 10), 0);
    EXPECT_EQ(jqqval(11, 1, 10), 1);
    EXPECT_EQ(jqqval(0, 1, 10), 1);
    EXPECT_EQ(jqqval(1 << 30, 1, -1), 0);  // upper bound below lower: none
    EXPECT_EQ(jqqval(0, 1, -1), 1);
}

TEST(Checks, KeywordRule) {
    recordAt(1);
    EXPECT_EQ(keywordIndex("AB  +ABCD", 2, "ab"), 1);
    EXPECT_EQ(keywordIndex("ABCD+AB  ", 2, "ab"), 2);
    EXPECT_EQ(keywordIndex("AB  +ABCD", 2, "abcdef"), 2);
    EXPECT_EQ(keywordIndex("LINE+STEP", 2, "Linear"), 1);
    EXPECT_EQ(keywordIndex("OFF +ON  ", 2, "on"), 2);
    EXPECT_EQ(keywordIndex("OFF +ON  ", 2, "o"), 0);
    EXPECT_EQ(keywordIndex("ALL ", 1, "all"), 1);
    EXPECT_EQ(keywordIndex("LIN +LOG", 2, "log"), 2);  // last entry without trailing blank
    EXPECT_EQ(keywordIndex("A1. +B   ", 2, "a1."), 1);  // only letters change case
    EXPECT_EQ(keywordIndex("CM  +INCH", 2, ""), 0);
}

TEST(Checks, KeywordMismatchWarnsWithTheWholeKeyword) {
    recordAt(1);
    std::string out = captured([] { jqqind("CONS+FILE", 2, "printer"); });
    EXPECT_EQ(out, " <<<< Warning   2: Incorrect parameter in TEST!   (printer)\n");
}

TEST(Checks, Dates) {
    recordAt(1);
    EXPECT_EQ(jqqyea(2000), 1);
    EXPECT_EQ(jqqyea(1900), 0);
    EXPECT_EQ(jqqyea(2024), 1);
    EXPECT_EQ(jqqdat(29, 2, 2000), 0);
    EXPECT_EQ(jqqdat(31, 4, 2021), 0);  // month lengths are not compared
    EXPECT_EQ(captured([] { jqqdat(29, 2, 1900); }),
              " <<<< Warning   2: Incorrect parameter in TEST!   (  29)\n");
    EXPECT_EQ(captured([] { jqqdat(32, 13, 10); }), " <<<< Warning   2: Incorrect parameter in TEST!   (  32)\n");
    EXPECT_EQ(captured([] { jqqdat(1, 13, 10); }), " <<<< Warning   2: Incorrect parameter in TEST!   (  13)\n");
    EXPECT_EQ(captured([] { jqqdat(1, 1, 999); }), " <<<< Warning   2: Incorrect parameter in TEST!   ( 999)\n");
}

TEST(Checks, CopyAndUpperCase) {
    char buf[8];
    EXPECT_EQ(qqcopy(buf, "abcdefgh", 3), 3);
    EXPECT_STREQ(buf, "abc");
    char text[] = "a1b-Zä";
    upstr(text);
    EXPECT_STREQ(text, "A1B-Zä");
}

TEST(Messages, NumberOutsideTheTable) {
    recordAt(1);
    EXPECT_EQ(captured([] { warnin(70); }),
              "<<<< Incorrect parameter in errmes! (  70)\n <<<< Warning  70:   in TEST!\n");
}

TEST(Messages, OwnTextAboveOneHundred) {
    recordAt(1);
    qqserr("Polar axis systems must have linear scaling");
    EXPECT_EQ(captured([] { warnin(101); }),
              " <<<< Warning 101: Polar axis systems must have linear scaling in TEST!\n");
}

TEST(Messages, CounterCountsSilentWarnings) {
    Globals& g = recordAt(1);
    int before = g.ctl.warnings;
    g.prot.unit = 0;
    EXPECT_EQ(captured([] { warni1(2, 5); }), "");
    g.prot.unit = 6;
    g.prot.warnOn = 0;
    EXPECT_EQ(captured([] { warnc1(2, "x"); }), "");
    EXPECT_EQ(g.ctl.warnings, before + 2);
}

TEST(Levels, WrongLevelReturnsNullAndNamesTheRoutine) {
    recordAt(2);
    testing::internal::CaptureStdout();
    EXPECT_EQ(jqqlev(1, 1, "graf"), nullptr);
    EXPECT_NE(chkini("height"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " <<<< Warning   3: Incorrect level in GRAF!   (   2)\n");
    recordAt(0);
    testing::internal::CaptureStdout();
    EXPECT_NE(chkini("marker"), nullptr);  // stores anyway
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " <<<< Warning   3: Incorrect level in MARKER!   (   0)\n");
}

TEST(Defaults, EveryResetKeywordIsKnown) {
    static const char* const kKeys[] = {
        "ALL", "ANGL", "AUTR", "AX3L", "AXCL", "AXEN", "AXIS", "AXSL", "AXSP", "BARD", "BARG", "BARP", "BART",
        "BARW", "BASA", "CENT", "CHAA", "CHAB", "CHAS", "CHAW", "CHNC", "CHNP", "CIRC", "CLPB", "CLPM", "CLPW",
        "CLRC", "COLM", "COLO", "COLR", "CONC", "CONG", "CONM", "DIGI", "EUSH", "EXPZ", "FILB", "FILC", "FIXS",
        "FLAB", "FRAM", "FRME", "GAPC", "GRAC", "HEIG", "HNAM", "HTIT", "IANG", "INTA", "LABC", "LABD", "LABE",
        "LABJ", "LABP", "LABT", "LEGC", "LFTT", "LINC", "LINS", "LOGT", "MAPM", "MAPP", "MAPR", "MAPS", "MDFM",
        "MIXA", "MIXL", "MPLA", "MPLC", "MPLS", "MYLA", "NAMD", "NAME", "NEGL", "NEWM", "NOAR", "NOBA", "NOBG",
        "NOCH", "NOCL", "NOFI", "NOGR", "NOHI", "NOLI", "NUMF", "NUMO", "ORIG", "PATC", "PIEE", "PIEL", "PIEV",
        "POLC", "PROJ", "RGTL", "RVYN", "SCAL", "SETB", "SETC", "SETE", "SETG", "SETM", "SETR", "SETS", "SHDC",
        "SHDP", "SHIE", "SHLS", "SMXA", "SPLM", "SURC", "SURS", "SURV", "SYMR", "THKC", "TICK", "TICL", "TICP",
        "TIMO", "TITL", "UNIT", "VIEW", "VKXB", "VKYB", "VKYT", "WIDB", "WIND", "WINM", "WINS", "ZSCA"};
    ASSERT_EQ(sizeof kKeys / sizeof kKeys[0], 129u);
    Globals& g = recordAt(1);
    int before = g.ctl.warnings;
    testing::internal::CaptureStdout();
    for (const char* key : kKeys) reset(key);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(g.ctl.warnings, before);
}

TEST(Defaults, ResetRestoresOneParameter) {
    Globals& g = recordAt(1);
    g.out.unitFactor = 1.0f;
    g.text.height = 50;
    g.text.angle = 30;
    reset("height");
    EXPECT_EQ(g.text.height, 36);
    EXPECT_EQ(g.text.angle, 30);
    reset("all");
    EXPECT_EQ(g.text.angle, 0);
}

TEST(Defaults, LengthsStayPhysicalInOtherUnits) {
    Globals& g = recordAt(1);
    g.out.unitFactor = 2.54f;
    resall(g);
    EXPECT_EQ(g.text.height, 14);
    EXPECT_EQ(g.axis.tickLong, 9);
    EXPECT_FLOAT_EQ(g.fig.arcSpacing, 10.0f / 2.54f);
    g.out.unitFactor = 1.0f;
    resall(g);
    EXPECT_EQ(g.text.height, 36);
}

TEST(Defaults, LevelZeroSettingsSurviveResall) {
    Globals& g = recordAt(1);
    g.out.winPlace = 2;
    g.colour.colourMode = 1;
    resall(g);
    EXPECT_EQ(g.out.winPlace, 2);
    EXPECT_EQ(g.colour.colourMode, 1);
    reset("winsiz");
    EXPECT_EQ(g.out.winPlace, 0);
}

TEST(Defaults, GreyTableForBlackAndWhitePostScript) {
    Globals& g = recordAt(1);
    g.ctl.device = 501;
    resall(g);
    EXPECT_EQ(g.colour.kind, kVltRGrey);
    g.ctl.device = 502;
    resall(g);
    EXPECT_EQ(g.colour.kind, kVltRain);
}

TEST(Pages, PageStoresSizeLessOneTimesTheUnitFactor) {
    Globals& g = recordAt(0);
    g.out.unitFactor = 2.54f;
    testing::internal::CaptureStdout();
    page(3000, 2000);
    testing::internal::GetCapturedStdout();
    EXPECT_FLOAT_EQ(g.out.pageW, 2999 * 2.54f);
    EXPECT_FLOAT_EQ(g.out.pageH, 1999 * 2.54f);
    EXPECT_STREQ(g.out.pageKey, "PAGE");
    g.out.unitFactor = 1.0f;
}

}  // namespace
}  // namespace vtx
