// Axis systems: tick positions, label texts, automatic scaling steps and
// the polar transform, checked on the functions the drawers use.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "session/globals.h"
#include "graph2d/axis_drawer.h"
#include "graph2d/axis_transform.h"
#include "graph2d/labels.h"
#include "graph2d/scaling.h"
#include "utilities/api.h"

namespace vtx {
namespace {

Globals& record() {
    qqsglb(0);
    return *qqgglb();
}

struct Tick {
    float offset;
    bool major;
};

std::vector<Tick> ticksOf(const AxisDrawSpec& s, int perLabel) {
    std::vector<Tick> out;
    forEachTick(record(), s, perLabel, [&](float off, bool major) { out.push_back({off, major}); });
    return out;
}

TEST(Ticks, FivePerIntervalEveryFifthMajor) {
    AxisDrawSpec s;
    s.a = 0, s.e = 10, s.first = 0, s.step = 2, s.length = 1001;
    const std::vector<Tick> t = ticksOf(s, 5);
    ASSERT_EQ(t.size(), 26u);  // every 0.4 from 0 to 10
    for (size_t i = 0; i < t.size(); ++i) {
        EXPECT_FLOAT_EQ(t[i].offset, std::round(float(i) * 40.0f));
        EXPECT_EQ(t[i].major, i % 5 == 0);
    }
}

TEST(Ticks, CountBackFromTheFirstLabelOnReversedAxes) {
    AxisDrawSpec s;
    s.a = 10, s.e = 0, s.first = 9, s.step = -2, s.length = 101;
    const std::vector<Tick> t = ticksOf(s, 2);
    ASSERT_EQ(t.size(), 11u);
    for (const Tick& k : t) {
        // 10 lies half a step before the first label 9; 7 is the next label
        if (k.offset == 0.0f) {
            EXPECT_FALSE(k.major);
        }
        if (k.offset == 10.0f || k.offset == 30.0f) {
            EXPECT_TRUE(k.major);
        }
    }
}

TEST(Ticks, LogarithmicDecadesGetMinorTicksAtTwoToNine) {
    AxisDrawSpec s;
    s.a = -1, s.e = 3, s.first = -1, s.step = 1, s.length = 401, s.log = 1;
    const std::vector<Tick> t = ticksOf(s, 9);
    ASSERT_EQ(t.size(), 4u * 9u + 1u);
    int majors = 0;
    for (const Tick& k : t) majors += k.major;
    EXPECT_EQ(majors, 5);
    EXPECT_FLOAT_EQ(t[1].offset, std::round(100.0f * std::log10(2.0f)));
    EXPECT_FLOAT_EQ(t[8].offset, std::round(100.0f * std::log10(9.0f)));
}

TEST(Ticks, AbsurdRatiosDrawNothingInsteadOfLooping) {
    AxisDrawSpec s;
    s.a = 0, s.e = 1e30f, s.first = 0, s.step = 1e-10f, s.length = 1001;
    EXPECT_TRUE(ticksOf(s, 2).empty());
    s.e = NAN;
    EXPECT_TRUE(ticksOf(s, 2).empty());
}

TEST(LabelTexts, TimeHoursAndSeconds) {
    char buf[32];
    timeLabelText(kLabTime, -3600.0f, false, buf, sizeof buf);
    EXPECT_STREQ(buf, "2300");
    timeLabelText(kLabSeco, 3725.0f, false, buf, sizeof buf);
    EXPECT_STREQ(buf, "010205");
    timeLabelText(kLabSeco, 3725.0f, true, buf, sizeof buf);
    EXPECT_STREQ(buf, "01:02:05");
    timeLabelText(kLabTime, 3599.0f, true, buf, sizeof buf);  // 59.98 minutes round into the hour
    EXPECT_STREQ(buf, "01:00");
    timeLabelText(kLabHour, 7.0f * 3600.0f, false, buf, sizeof buf);
    EXPECT_STREQ(buf, "7");
    timeLabelText(kLabHour, 86400.0f * 3 + 15.0f * 3600.0f, false, buf, sizeof buf);
    EXPECT_STREQ(buf, "15");
    timeLabelText(kLabTime, 1e30f, false, buf, sizeof buf);  // finite garbage, no hang
    EXPECT_EQ(std::string(buf).size(), 4u);
}

TEST(LabelTexts, DegreesWithHemisphereLetters) {
    Globals& g = record();
    char buf[64];
    mapLabelText(g.text, kLabMap, 0, -30.0f, -1, buf, sizeof buf);
    EXPECT_STREQ(buf, "30[o$ W");
    mapLabelText(g.text, kLabMap, 0, 0.0f, -1, buf, sizeof buf);
    EXPECT_STREQ(buf, "0[o$");
    mapLabelText(g.text, kLabLmap, 1, -45.0f, -1, buf, sizeof buf);
    EXPECT_STREQ(buf, "45[o$ s");
    mapLabelText(g.text, kLabDmap, 1, -45.0f, 1, buf, sizeof buf);
    EXPECT_STREQ(buf, "-45.0[o$");
}

TEST(LabelTexts, DatesInBothLanguages) {
    Globals& g = record();
    basdat(1, 1, 2024);
    char buf[64];
    const int march4 = incdat(4, 3, 2024);  // a Monday
    dateLabelText(g, 0, march4, buf, sizeof buf);
    EXPECT_STREQ(buf, "4 Mar 2024");
    AxisState& a = g.axis;
    a.dateLanguage[0] = 1, a.dateDay[0] = 0, a.dateMonth[0] = 3, a.dateYear[0] = 1, a.dateOrder[0] = 5;
    dateLabelText(g, 0, march4, buf, sizeof buf);
    EXPECT_STREQ(buf, "24 M!arz Mo");
    a.dateDay[0] = 4, a.dateMonth[0] = 4, a.dateYear[0] = 0, a.dateOrder[0] = 2, a.dateSeparator[0] = '/';
    dateLabelText(g, 0, march4 + 2, buf, sizeof buf);
    EXPECT_STREQ(buf, "03/06/2024");
    a.dateLanguage[0] = 0, a.dateDay[0] = 1, a.dateMonth[0] = 0, a.dateOrder[0] = 0, a.dateSeparator[0] = ' ';
}

TEST(LabelTexts, UserLabelsRunBackwardsOnReversedAxes) {
    Globals& g = record();
    AxisState& a = g.axis;
    a.labelType[0] = kLabMyla;
    a.myLabelCount[0] = 3;
    snprintf(a.myLabelText[0][0], 33, "a"), snprintf(a.myLabelText[0][1], 33, "b"), snprintf(a.myLabelText[0][2], 33, "c");
    AxisLabel l;
    axisLabelText(g, 0, 0.0f, false, 0, 2, false, l);
    EXPECT_STREQ(l.text, "a");
    axisLabelText(g, 0, 0.0f, false, 0, 2, true, l);
    EXPECT_STREQ(l.text, "c");
    axisLabelText(g, 0, 0.0f, false, 7, 9, false, l);
    EXPECT_STREQ(l.text, "");
    a.labelType[0] = kLabLog;
    axisLabelText(g, 0, 2.0f, true, 0, 2, false, l);
    EXPECT_STREQ(l.text, "10[2$");
    EXPECT_TRUE(l.needsMix);
    a.labelType[0] = kLabFloa;
    a.labelDigits[0] = -1;
    axisLabelText(g, 0, 3.0f, true, 0, 2, false, l);
    EXPECT_STREQ(l.text, "1000");
    a.labelDigits[0] = 1;
    a.myLabelCount[0] = 0;
}

TEST(AutoScale, StepsFromTheRangeAndTheAxisLength) {
    AutoScale s = autoScaleNumeric(0.3f, 7.9f, false, 1781, 200, kLabFloa);
    EXPECT_FLOAT_EQ(s.step, 1.0f);
    EXPECT_FLOAT_EQ(s.first, 1.0f);
    EXPECT_EQ(s.digits, -1);
    s = autoScaleNumeric(0.3f, 7.9f, false, 900, 200, kLabFloa);
    EXPECT_FLOAT_EQ(s.step, 2.0f);
    s = autoScaleNumeric(-0.013f, 0.004f, false, 1781, 200, kLabFloa);  // range 0.017: k = -2, n = 1
    EXPECT_FLOAT_EQ(s.step, 0.002f);
    EXPECT_EQ(s.digits, 3);
    EXPECT_FLOAT_EQ(s.first, -0.012f);
    s = autoScaleNumeric(0.0f, 80.0f, false, 1781, 200, kLabExp);  // n = 8 > 6 doubles for EXP
    EXPECT_FLOAT_EQ(s.step, 20.0f);
    EXPECT_EQ(s.digits, 1);
    s = autoScaleNumeric(0.0f, 1e30f, false, 1781, 200, kLabFloa);
    EXPECT_TRUE(std::isfinite(s.step));
}

TEST(AutoScale, TimeStepsInSecondsAndMinutes) {
    EXPECT_FLOAT_EQ(autoScaleTime(0, 7).step, 1.0f);
    EXPECT_FLOAT_EQ(autoScaleTime(0, 100).step, 20.0f);
    EXPECT_FLOAT_EQ(autoScaleTime(0, 20 * 60).step, 300.0f);
    const AutoScale s = autoScaleTime(100, 200 * 60);
    EXPECT_FLOAT_EQ(s.step, 1800.0f);
    EXPECT_FLOAT_EQ(s.first, 1800.0f);
}

TEST(PolarTransform, ZeroDirectionAndSense) {
    AxisState a;
    a.kind = AxisKind::Polar;
    a.polarCX = 500, a.polarCY = 500, a.sx.factor = 10;
    const float quarter = 1.5707963f;
    float x, y;
    polarToPlot(a, 10, 0, x, y);
    EXPECT_NEAR(x, 600, 1e-3);
    EXPECT_NEAR(y, 500, 1e-3);
    a.polarZero = 1;  // TOP
    polarToPlot(a, 10, 0, x, y);
    EXPECT_NEAR(x, 500, 1e-3);
    EXPECT_NEAR(y, 400, 1e-3);
    a.polarClockwise = 1;  // clockwise from the top: a quarter turn points right
    polarToPlot(a, 10, quarter, x, y);
    EXPECT_NEAR(x, 600, 1e-3);
    EXPECT_NEAR(y, 500, 1e-3);
}

TEST(CartesianTransform, LogValuesNegLogAndLimits) {
    Globals& g = record();
    AxisState saved = g.axis;
    AxisState& a = g.axis;
    a.kind = AxisKind::Cartesian;
    a.xa = 100, a.ya = 900;
    a.sx = AxisScaling{0, 10, 0, 1, 100, 0, 0, 10};
    a.sy = AxisScaling{-1, 3, -1, 1, 200, 1, 0.1f, 1000};
    float X, Y;
    userToPlot(g, 5, 100, X, Y);
    EXPECT_FLOAT_EQ(X, 600);
    EXPECT_FLOAT_EQ(Y, 300);
    userToPlot(g, 1e30f, -1, X, Y);
    EXPECT_FLOAT_EQ(X, kPlotLimit);
    EXPECT_FLOAT_EQ(Y, kPlotLimit);  // log of a non-positive value: far below
    a.negLog = 0.01f;
    userToPlot(g, NAN, -1, X, Y);
    EXPECT_FLOAT_EQ(Y, 900 + 200);
    EXPECT_TRUE(std::isfinite(X));
    EXPECT_TRUE(outsideScaling(a, 11, 5));
    EXPECT_TRUE(outsideScaling(a, 5, 0.05f));
    EXPECT_TRUE(outsideScaling(a, NAN, 5));
    EXPECT_FALSE(outsideScaling(a, 10, 1000));
    EXPECT_FLOAT_EQ(plotToUserY(a, 300), 100.0f);
    g.axis = saved;
}

}  // namespace
}  // namespace vtx
