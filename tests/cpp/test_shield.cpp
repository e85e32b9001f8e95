// Shielding: the region buffer (records, capacity, deletion, visibility) and
// the segment tests of the six region types.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "device/shield_regions.h"
#include "device/shield_segments.h"
#include "device/shielding.h"
#include "session/globals.h"

namespace vtx {
namespace {

using Parts = std::vector<std::pair<float, float>>;

Parts visible(const ShieldState& s, float x1, float y1, float x2, float y2, bool* overflow = nullptr) {
    float t[2 * 64];
    bool over = false;
    int n = visibleIntervals(s, x1, y1, x2, y2, t, 64, over);
    if (overflow) *overflow = over;
    Parts p;
    for (int i = 0; i < n; ++i) p.push_back({t[2 * i], t[2 * i + 1]});
    return p;
}

void expectParts(const Parts& got, const Parts& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].first, want[i].first, 1e-4) << i;
        EXPECT_NEAR(got[i].second, want[i].second, 1e-4) << i;
    }
}

int rect(ShieldState& s, int x1, int y1, int x2, int y2) {
    int v[4] = {x1, y1, x2, y2};
    return addRegion(s, kRegionRectangle, v, 4);
}

TEST(ShieldBuffer, HoldsOneHundredSixtySixRectanglesAndRefusesTheNext) {
    ShieldState s;
    for (int i = 1; i <= 166; ++i) ASSERT_EQ(rect(s, i, i, i + 5, i + 5), i);
    EXPECT_EQ(s.used, 996);
    EXPECT_EQ(rect(s, 0, 0, 1, 1), 0);
    EXPECT_EQ(s.regions, 166);
    EXPECT_EQ(s.userRegions, 166);
}

TEST(ShieldBuffer, RecordsCarryTypeGroupStateAndId) {
    ShieldState s;
    s.group = kShieldText;
    int v[5] = {10, 20, 30, 1571, 3142};
    ASSERT_EQ(addRegion(s, kRegionPie, v, 5), 1);
    EXPECT_EQ(s.words[0], 510);
    EXPECT_EQ(s.words[1], 1);
    EXPECT_EQ(s.words[5], 1571);
    EXPECT_EQ(regionLength(s.words), 7);
    EXPECT_EQ(s.userRegions, 0);
    EXPECT_EQ(regionAngle(-90.0f), 4712);
    EXPECT_EQ(regionAngle(360.0f), 0);
    EXPECT_EQ(regionWord(1e9f), 32767);
    EXPECT_EQ(regionWord(NAN), -32768);
}

TEST(ShieldBuffer, DeletionCompactsAndKeepsIdsAndGroupRegions) {
    ShieldState s;
    rect(s, 0, 0, 1, 1);
    s.group = kShieldText;
    rect(s, 2, 2, 3, 3);
    s.group = kShieldUser;
    rect(s, 4, 4, 5, 5);
    int zero = 0;
    // shldel (0): all user regions, the text region stays.
    deleteRegions(s, [](const int16_t* r, void*) { return regionGroup(r) == kShieldUser; }, &zero);
    EXPECT_EQ(s.regions, 1);
    EXPECT_EQ(s.userRegions, 0);
    EXPECT_EQ(s.used, 6);
    EXPECT_EQ(regionId(s.words), 2);
    EXPECT_EQ(s.words[2], 2);
    // The ID counter keeps running while regions remain.
    EXPECT_EQ(rect(s, 6, 6, 7, 7), 4);
    int text = kShieldText;
    deleteRegions(s, regionOfGroup, &text);
    deleteRegions(s, regionWithId, &zero);
    EXPECT_EQ(s.regions, 0);
    EXPECT_EQ(rect(s, 8, 8, 9, 9), 1);  // an empty buffer restarts the IDs
}

TEST(ShieldBuffer, LastUserRegionsGoAndOthersStay) {
    ShieldState s;
    for (int i = 0; i < 4; ++i) {
        s.group = i == 1 ? kShieldLegends : kShieldUser;
        rect(s, i, i, i + 1, i + 1);
    }
    deleteLastUserRegions(s, 2);
    ASSERT_EQ(s.regions, 2);
    EXPECT_EQ(regionId(s.words), 1);
    EXPECT_EQ(regionId(s.words + 6), 2);
    deleteLastUserRegions(s, 10);
    EXPECT_EQ(s.regions, 1);
    EXPECT_EQ(s.userRegions, 0);
}

TEST(ShieldSegments, RectangleCutsAGapExactlyOverItself) {
    ShieldState s;
    int id = rect(s, 40, 40, 60, 60);
    expectParts(visible(s, 0, 50, 100, 50), {{0, 0.4f}, {0.6f, 1}});
    expectParts(visible(s, 0, 39, 100, 39), {{0, 1}});
    expectParts(visible(s, 45, 45, 55, 55), {});
    setRegionsActive(s, regionWithId, &id, false);
    expectParts(visible(s, 0, 50, 100, 50), {{0, 1}});
    setRegionsActive(s, regionWithId, &id, true);
    expectParts(visible(s, 100, 50, 0, 50), {{0, 0.4f}, {0.6f, 1}});
}

TEST(ShieldSegments, OverlappingRegionsMergeIntoOneGap) {
    ShieldState s;
    rect(s, 20, 0, 40, 100);
    rect(s, 30, 0, 50, 100);
    rect(s, 70, 0, 80, 100);
    expectParts(visible(s, 0, 50, 100, 50), {{0, 0.2f}, {0.5f, 0.7f}, {0.8f, 1}});
}

TEST(ShieldSegments, RotatedRectangleTurnsAboutItsFirstCorner) {
    ShieldState s;
    int v[5] = {50, 50, 69, 59, regionAngle(90)};  // 20 wide, 10 high, turned upwards
    addRegion(s, kRegionRotated, v, 5);
    expectParts(visible(s, 55, 0, 55, 100), {{0, 0.31f}, {0.5f, 1}});
    expectParts(visible(s, 0, 55, 100, 55), {{0, 1}});
}

TEST(ShieldSegments, CirclesAndTurnedEllipses) {
    ShieldState s;
    int c[3] = {50, 50, 10};
    addRegion(s, kRegionCircle, c, 3);
    expectParts(visible(s, 0, 50, 100, 50), {{0, 0.4f}, {0.6f, 1}});
    expectParts(visible(s, 0, 40, 100, 40), {{0, 1}});  // tangent: nothing to hide
    ShieldState e;
    int v[5] = {50, 50, 20, 5, regionAngle(90)};  // long axis vertical
    addRegion(e, kRegionEllipse, v, 5);
    expectParts(visible(e, 0, 50, 100, 50), {{0, 0.45f}, {0.55f, 1}});
    expectParts(visible(e, 50, 0, 50, 100), {{0, 0.3f}, {0.7f, 1}});
}

TEST(ShieldSegments, PieCoversOnlyItsSector) {
    ShieldState s;
    int v[5] = {50, 50, 10, regionAngle(0), regionAngle(90)};  // upper right quarter on the page
    addRegion(s, kRegionPie, v, 5);
    float edge = 0.5f + std::sqrt(75.0f) / 100.0f;
    expectParts(visible(s, 0, 45, 100, 45), {{0, 0.5f}, {edge, 1}});
    expectParts(visible(s, 0, 55, 100, 55), {{0, 1}});
    ShieldState full;
    int w[5] = {50, 50, 10, 0, 0};
    addRegion(full, kRegionPie, w, 5);
    expectParts(visible(full, 0, 55, 100, 55), {{0, 0.5f - std::sqrt(75.0f) / 100}, {edge, 1}});
}

TEST(ShieldSegments, ConcavePolygonHidesEachPartItCovers) {
    ShieldState s;
    int v[1 + 16] = {8, 0, 0, 30, 0, 30, 50, 70, 50, 70, 0, 100, 0, 100, 100, 0, 100};
    addRegion(s, kRegionPolygon, v, 17);
    EXPECT_EQ(s.used, 3 + 16);
    expectParts(visible(s, -10, 25, 110, 25),
                {{0, 10 / 120.0f}, {40 / 120.0f, 80 / 120.0f}, {110 / 120.0f, 1}});
    expectParts(visible(s, -10, 75, 110, 75), {{0, 10 / 120.0f}, {110 / 120.0f, 1}});
}

TEST(ShieldSegments, TooManyCrossingsLeaveTheRegionOutAndSayIt) {
    ShieldState s;
    std::vector<int> v = {0};  // saw teeth: each crosses y = 5 twice
    for (int t = 0; t < 140; ++t) v.insert(v.end(), {2 * t, 0, 2 * t + 1, 9});
    v.insert(v.end(), {280, -20, 0, -20});
    v[0] = int(v.size() - 1) / 2;
    ASSERT_GT(addRegion(s, kRegionPolygon, v.data(), int(v.size())), 0);
    bool overflow = false;
    expectParts(visible(s, -1, 5, 1000, 5, &overflow), {{0, 1}});
    EXPECT_TRUE(overflow);
    visible(s, -1, -5, 1000, -5, &overflow);
    EXPECT_FALSE(overflow);
}

// The public routines on the process-wide record, with no output open.
Globals& freshRecord() {
    jqqlev(0, 3, "test");
    Globals& g = *qqgglb();
    g.ctl.level = 1;
    g.prot.warnOn = 0;
    clearShieldRegions(g);
    return g;
}

TEST(ShieldRoutines, ShldelZeroKeepsTheRegionsOfAutomaticGroups) {
    Globals& g = freshRecord();
    shlrec(10, 10, 5, 5);
    registerShieldRectangle(g, kShieldText, 100, 100, 20, 10, 0);  // flag off: nothing
    shield("MESS", "ON");
    registerShieldRectangle(g, kShieldText, 100, 100, 20, 10, 0);
    shlcir(50, 50, 5);
    EXPECT_EQ(shlind(), 3);
    EXPECT_EQ(g.shield.userRegions, 2);
    EXPECT_TRUE(segmentFilterInstalled(g.line.slots, SegmentStage::Shielding));
    shldel(0);
    ASSERT_EQ(shlind(), 1);
    EXPECT_EQ(regionGroup(g.shield.words), kShieldText);
    EXPECT_EQ(g.shield.words[2], 100);
    EXPECT_EQ(g.shield.words[4], 119);
    shield("MESS", "RESE");
    EXPECT_EQ(shlind(), 0);
    EXPECT_FALSE(segmentFilterInstalled(g.line.slots, SegmentStage::Shielding));
    EXPECT_FALSE(autoShielding(g, kShieldText));
}

TEST(ShieldRoutines, PolygonDropsRepeatedAndClosingPoints) {
    Globals& g = freshRecord();
    const int x[6] = {0, 100, 100, 100, 50, 0}, y[6] = {0, 0, 0, 80, 90, 0};
    shlpol(x, y, 6);
    ASSERT_EQ(shlind(), 1);
    EXPECT_EQ(regionType(g.shield.words), kRegionPolygon);
    EXPECT_EQ(g.shield.words[2], 4);
    EXPECT_EQ(g.shield.used, 3 + 2 * 4);
}

}  // namespace
}  // namespace vtx
