// The pipeline's slots: stages run in slot order whatever the order they were
// installed in, suspension bypasses point stages without removing them, and
// the owners install and remove their stages.
#include <gtest/gtest.h>

#include <memory>

#include "core/checks.h"
#include "device/base_transform.h"
#include "device/pipeline.h"
#include "device/shielding.h"

namespace vtx {
namespace {

void doubleX(const Globals&, float& x, float&) { x *= 2.0f; }
void addTen(const Globals&, float& x, float&) { x += 10.0f; }

float throughLiveStages(const PipelineSlots& s, float x) {
    static const auto g = std::make_unique<Globals>();
    float y = 0.0f;
    for (int i = 0; i < s.livePoints; ++i) s.livePoint[i](*g, x, y);
    return x;
}

TEST(PipelineSlots, PointStagesRunInSlotOrderAndSuspensionBypassesThem) {
    PipelineSlots s;
    installPointStage(s, PointStage::BaseTransform, addTen);
    installPointStage(s, PointStage::Projection3D, doubleX);  // installed later, runs first
    EXPECT_EQ(throughLiveStages(s, 1.0f), 12.0f);
    suspendPointStages(s, true);
    EXPECT_EQ(throughLiveStages(s, 1.0f), 1.0f);
    EXPECT_TRUE(pointStageInstalled(s, PointStage::Projection3D));
    suspendPointStages(s, false);
    removePointStage(s, PointStage::Projection3D);
    EXPECT_EQ(throughLiveStages(s, 1.0f), 11.0f);
    removePointStage(s, PointStage::BaseTransform);
    EXPECT_FALSE(anyPointStageInstalled(s));
    EXPECT_EQ(s.livePoints, 0);
}

void hide(Globals&, float, float, float, float, bool) {}
void shieldStub(Globals&, float, float, float, float, bool) {}

TEST(PipelineSlots, SegmentFiltersChainInSlotOrder) {
    PipelineSlots s;
    EXPECT_FALSE(anySegmentFilterInstalled(s));
    installSegmentFilter(s, SegmentStage::Shielding, shieldStub);
    EXPECT_EQ(s.firstSegment, &shieldStub);
    installSegmentFilter(s, SegmentStage::HiddenLines, hide);
    EXPECT_EQ(s.firstSegment, &hide);
    EXPECT_EQ(nextSegmentFilter(s, SegmentStage::HiddenLines), &shieldStub);
    EXPECT_EQ(nextSegmentFilter(s, SegmentStage::Shielding), nullptr);  // then the device
    removeSegmentFilter(s, SegmentStage::HiddenLines);
    EXPECT_EQ(s.firstSegment, &shieldStub);
}

// The public routines on the process-wide record, with no output open.
Globals& record() {
    jqqlev(0, 3, "test");
    Globals& g = *qqgglb();
    g.prot.warnOn = 0;
    return g;
}

TEST(PipelineSlots, OwnersInstallAndRemoveTheirStages) {
    Globals& g = record();
    trfshf(5, 0);
    ASSERT_TRUE(pointStageInstalled(g.line.slots, PointStage::BaseTransform));
    float x = 1.0f, y = 2.0f;
    g.line.slots.livePoint[0](g, x, y);
    EXPECT_EQ(x, 6.0f);
    trfres();
    EXPECT_FALSE(anyPointStageInstalled(g.line.slots));

    g.ctl.level = 1;
    shlrec(10, 10, 5, 5);
    EXPECT_TRUE(segmentFilterInstalled(g.line.slots, SegmentStage::Shielding));
    g.shield.suspended = 1;  // as while a legend is drawn
    updateShieldFilter(g);
    EXPECT_FALSE(anySegmentFilterInstalled(g.line.slots));
    g.shield.suspended = 0;
    updateShieldFilter(g);
    shldel(0);
    EXPECT_FALSE(anySegmentFilterInstalled(g.line.slots));
    g.ctl.level = 0;
}

}  // namespace
}  // namespace vtx
