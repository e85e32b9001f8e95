// Named warnings, borrowed drawing and text attributes, and the calendar
// that date axes use without going through the public date routines.
#include <gtest/gtest.h>

#include <string>

#include "core/calendar.h"
#include "core/checks.h"
#include "core/messages.h"
#include "device/attribute_scope.h"
#include "graph2d/axis_dates.h"
#include "text/text_scope.h"
#include "utilities/api.h"

namespace vtx {
namespace {

Globals& recordNamed(const char* routine) {
    jqqlev(0, 3, routine);
    Globals& g = *qqgglb();
    g.ctl.level = 1;
    g.prot.unit = 6;
    g.prot.stream = stdout;
    g.prot.warnOn = 1;
    return g;
}

template <typename F>
std::string captured(F action) {
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

TEST(NamedWarnings, NumberAndTextComeFromTheTable) {
    recordNamed("curve");
    EXPECT_EQ(captured([] { warnin(Warning::NoMemory); }), " <<<< Warning  53: Not enough memory in CURVE!\n");
    EXPECT_EQ(captured([] { warni1(Warning::SplinePointCount, 2); }),
              " <<<< Warning  31: Incorrect number of points for spline interpolation in CURVE!   (   2)\n");
    EXPECT_EQ(captured([] { warnc1(Warning::ArrayOutOfScreen, "x"); }),
              " <<<< Warning  58: Array is out of screen in CURVE!   (x)\n");
}

TEST(NamedWarnings, OwnTextsWithAndWithoutValue) {
    Globals& g = recordNamed("legend");
    const int before = g.ctl.warnings;
    EXPECT_EQ(captured([] { warnText(105, "Undefined legend line", 3); }),
              " <<<< Warning 105: Undefined legend line in LEGEND!   (   3)\n");
    EXPECT_EQ(captured([] { warnText(101, "no base date is defined with basdat"); }),
              " <<<< Warning 101: no base date is defined with basdat in LEGEND!\n");
    EXPECT_EQ(g.ctl.warnings, before + 2);
}

TEST(AttributeScopes, DashStateComesBackMidPattern) {
    Globals& g = recordNamed("test");
    g.line.dash[0] = 7, g.line.dash[1] = 3, g.line.dashCount = 2;
    g.line.dashPhase = 1, g.line.dashIndex = 2, g.line.dashRemaining = 1.5f, g.line.lineType = 9;
    {
        DashScope dash(g);
        g.line.dash[0] = 1, g.line.dashCount = 1, g.line.dashPhase = 0, g.line.dashIndex = 1;
        g.line.dashRemaining = 1.0f, g.line.lineType = 0;
    }
    EXPECT_EQ(g.line.dash[0], 7);
    EXPECT_EQ(g.line.dashCount, 2);
    EXPECT_EQ(g.line.dashPhase, 1);
    EXPECT_EQ(g.line.dashIndex, 2);
    EXPECT_FLOAT_EQ(g.line.dashRemaining, 1.5f);
    EXPECT_EQ(g.line.lineType, 9);
}

TEST(AttributeScopes, LineTypeRestartsItsDashesOnlyWhenAskedOrChanged) {
    Globals& g = recordNamed("test");
    g.out.unitFactor = 1.0f;
    setLineType(g, 2);
    g.line.dashPhase = 1, g.line.dashIndex = 2;
    { LineTypeScope kept(g); }
    EXPECT_EQ(g.line.dashIndex, 2);  // unchanged type: the position stays
    { LineTypeScope always(g, Restore::Always); }
    EXPECT_EQ(g.line.dashIndex, 1);
    {
        LineTypeScope borrowed(g);
        setLineType(g, 5);
    }
    EXPECT_EQ(g.line.lineType, 2);
}

TEST(AttributeScopes, FillComesBackWhole) {
    Globals& g = recordNamed("test");
    g.fill.pattern = 12, g.fill.angle = 45, g.fill.outline = 1;
    {
        FillScope fill(g);
        g.fill.pattern = 16, g.fill.angle = 0, g.fill.outline = 0;
    }
    EXPECT_EQ(g.fill.pattern, 12);
    EXPECT_EQ(g.fill.angle, 45);
    EXPECT_EQ(g.fill.outline, 1);
}

TEST(TextScopes, CallerSettingsComeBackAndTheScaleFollowsTheHeight) {
    Globals& g = recordNamed("test");
    TextState& t = g.text;
    t.height = 36, t.angle = 30, t.justify = 2, t.mixAlphabet = 1, t.euShift = 1, t.fixedOn = 1;
    t.euShiftChars[0] = '"';
    {
        TextScope scope(g);
        t.scales[0].valid = true;
        scope.setHeight(36);
        EXPECT_TRUE(t.scales[0].valid);  // same height: the scale still holds
        scope.setHeight(50);
        EXPECT_FALSE(t.scales[0].valid);
        t.angle = 0, t.justify = 0, t.mixAlphabet = 0, t.euShift = 0, t.euShiftChars[0] = 0, t.fixedOn = 0;
        scope.restoreAlphabet();
        EXPECT_EQ(t.mixAlphabet, 1);
        EXPECT_EQ(t.euShiftChars[0], '"');
        EXPECT_EQ(t.angle, 0);  // only the alphabet came back
        t.scales[0].valid = true;
    }
    EXPECT_EQ(t.height, 36);
    EXPECT_FALSE(t.scales[0].valid);
    EXPECT_EQ(t.angle, 30);
    EXPECT_EQ(t.justify, 2);
    EXPECT_EQ(t.fixedOn, 1);
}

TEST(AxisCalendar, AgreesWithTheDateRoutinesAndNamesTheCaller) {
    Globals& g = recordNamed("basdat");
    basdat(1, 1, 2000);
    recordNamed("graf");
    int day = 0, month = 0, year = 0;
    axisDate(g, 60, day, month, year);  // 2000 is a leap year
    EXPECT_EQ(day, 1);
    EXPECT_EQ(month, 3);
    EXPECT_EQ(year, 2000);
    EXPECT_EQ(axisDayNumber(g, 1, 3, 2000), 60);
    EXPECT_EQ(axisWeekday(1, 1, 2000), 6);  // a Saturday
    EXPECT_EQ(std::string(g.ctl.routine), "GRAF");
    EXPECT_EQ(captured([&] { EXPECT_EQ(axisDayNumber(g, 1, 1, 999), 0); }),
              " <<<< Warning   2: Incorrect parameter in GRAF!   ( 999)\n");
    EXPECT_EQ(weekdayOf(5, 7, 1999), 1);
    EXPECT_EQ(serialDay(1, 3, 2100) - serialDay(28, 2, 2100), 1);  // 2100 is no leap year
}

}  // namespace
}  // namespace vtx
