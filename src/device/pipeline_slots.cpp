#include "device/pipeline_slots.h"

namespace vtx {

namespace {

// The live list keeps the installed stages packed in slot order, so that the
// per-point loop neither skips empty entries nor tests the suspension.
void rebuildLivePoints(PipelineSlots& s) {
    s.livePoints = 0;
    if (s.pointsSuspended) return;
    for (PointTransform apply : s.point)
        if (apply) s.livePoint[s.livePoints++] = apply;
}

void rebuildFirstSegment(PipelineSlots& s) {
    s.firstSegment = nullptr;
    for (SegmentFilter filter : s.segment)
        if (filter) {
            s.firstSegment = filter;
            return;
        }
}

}  // namespace

void installPointStage(PipelineSlots& s, PointStage stage, PointTransform apply) {
    s.point[int(stage)] = apply;
    rebuildLivePoints(s);
}

void removePointStage(PipelineSlots& s, PointStage stage) { installPointStage(s, stage, nullptr); }

bool pointStageInstalled(const PipelineSlots& s, PointStage stage) { return s.point[int(stage)] != nullptr; }

bool anyPointStageInstalled(const PipelineSlots& s) {
    for (PointTransform apply : s.point)
        if (apply) return true;
    return false;
}

void suspendPointStages(PipelineSlots& s, bool suspended) {
    s.pointsSuspended = suspended;
    rebuildLivePoints(s);
}

void installSegmentFilter(PipelineSlots& s, SegmentStage stage, SegmentFilter filter) {
    s.segment[int(stage)] = filter;
    rebuildFirstSegment(s);
}

void removeSegmentFilter(PipelineSlots& s, SegmentStage stage) { installSegmentFilter(s, stage, nullptr); }

bool segmentFilterInstalled(const PipelineSlots& s, SegmentStage stage) { return s.segment[int(stage)] != nullptr; }

SegmentFilter nextSegmentFilter(const PipelineSlots& s, SegmentStage from) {
    for (int i = int(from) + 1; i < kSegmentStages; ++i)
        if (s.segment[i]) return s.segment[i];
    return nullptr;
}

}  // namespace vtx
