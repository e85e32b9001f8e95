// The record as the session composes it: the subsystems' reset tables and
// the upper subsystems' states that the record holds by reference.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "business/business_state.h"
#include "contour/contour_state.h"
#include "graph3d/graph3d_state.h"
#include "maps/map_state.h"
#include "session/api.h"
#include "session/globals.h"
#include "utilities/utility_state.h"

namespace vtx {
namespace {

Globals& levelOneRecord() {
    jqqlev(0, 3, "test");
    Globals& g = *qqgglb();
    g.ctl.level = 1;
    g.out.unitFactor = 1.0f;
    g.prot.unit = 6;
    g.prot.stream = stdout;
    return g;
}

// Two subsystems claiming one keyword would leave the second unreachable.
TEST(ResetTables, KeywordsAreFourCapitalsAndBelongToOneSubsystem) {
    const std::vector<std::string> keys = resetKeywords();
    EXPECT_EQ(keys.size(), 128u);
    std::set<std::string> seen;
    for (const std::string& key : keys) {
        EXPECT_EQ(key.size(), 4u) << key;
        for (char c : key) EXPECT_TRUE(std::isupper(static_cast<unsigned char>(c)) || std::isdigit(c)) << key;
        EXPECT_TRUE(seen.insert(key).second) << key << " is listed twice";
    }
}

TEST(ResetTables, ResallRestoresEveryBarAndPieSettingToItsInitialValue) {
    Globals& g = levelOneRecord();
    BusinessState& biz = g.biz;
    biz.barType = biz.barPos = biz.barChange = biz.barGroups = 7;
    biz.barGroupGap = biz.barDepth = biz.barAngle = 7.0f;
    biz.pieType = biz.pieExplode = biz.pieVector = biz.pieVectorMode = biz.pieChange = biz.pieBorder = 7;
    biz.pieOpt[0] = biz.pieOpt[1] = 7.0f;
    biz.pieUnit[1][0] = '%';
    biz.pieColourCount = biz.pieColours[3][1] = 7;
    testing::internal::CaptureStdout();
    resall(g);
    testing::internal::GetCapturedStdout();
    const BusinessState fresh;
    EXPECT_EQ(std::memcmp(&g.biz, &fresh, sizeof fresh), 0);
}

TEST(ResetTables, KeywordsOfTheUpperSubsystemsReachTheirStates) {
    Globals& g = levelOneRecord();
    g.g3d.barWidth = 40, g.g3d.axis3[1] = 7.0f;
    g.map.projection = 31;
    g.util.gridExponent = 3.0f;
    g.contour.gap = 2.0f;
    testing::internal::CaptureStdout();
    for (const char* key : {"WIDB", "AXIS", "PROJ", "MDFM", "CONG"}) reset(key);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(g.g3d.barWidth, 85);
    EXPECT_EQ(g.g3d.axis3[1], 2.0f);
    EXPECT_EQ(g.map.projection, 0);
    EXPECT_EQ(g.util.gridExponent, 2.0f);
    EXPECT_EQ(g.contour.gap, 0.5f);
}

TEST(ResetTables, UnknownKeywordWarnsAndChangesNothing) {
    Globals& g = levelOneRecord();
    g.text.height = 50;
    testing::internal::CaptureStdout();
    reset("hxyz");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " <<<< Warning   2: Incorrect parameter in RESET!   (HXYZ)\n");
    EXPECT_EQ(g.text.height, 50);
}

TEST(Record, FreeStandingRecordsOwnTheirUpperStates) {
    Globals a, b;
    a.g3d.flab3 = 5;
    a.map.mode = 3;
    EXPECT_EQ(b.g3d.flab3, 1);
    EXPECT_EQ(b.map.mode, 1);
    Globals* process = jqqlev(0, 3, "test");
    ASSERT_NE(process, nullptr);
    EXPECT_NE(&a.g3d, &process->g3d);
}

TEST(Record, CoreAndSessionSeeTheSameRecord) {
    Globals* g = jqqlev(0, 3, "test");
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(static_cast<CoreRecord*>(g), coreRecord());
    EXPECT_EQ(coreLevel(0, 3, "test"), coreRecord());
}

}  // namespace
}  // namespace vtx
