// The two places where subsystems plug stages into the line pipeline: the
// point-transform slot, which every stored point passes, and the
// segment-filter slot, which every visible segment passes on its way to the
// device. Each slot is a short fixed list; a subsystem installs its stage
// while it is in effect and removes it afterwards, so that a pipeline with
// nothing installed costs one test per point and one per segment.
#pragma once

namespace vtx {

struct Globals;

// Stages of the point-transform slot, in the order a point passes them.
enum class PointStage { Projection3D, MapProjection, BaseTransform, Count };

// Stages of the segment-filter slot, in the order a segment passes them.
enum class SegmentStage { PlaneProjection, HiddenLines, Shielding, Count };

constexpr int kPointStages = int(PointStage::Count);
constexpr int kSegmentStages = int(SegmentStage::Count);

// Maps a stored point in place (plot coordinates).
using PointTransform = void (*)(const Globals& g, float& x, float& y);

// Takes a visible segment and hands what remains of it on with passSegment;
// with moveFirst the pen is not yet at (x1, y1).
using SegmentFilter = void (*)(Globals& g, float x1, float y1, float x2, float y2, bool moveFirst);

struct PipelineSlots {
    PointTransform point[kPointStages] = {};  // by PointStage; null while not installed
    PointTransform livePoint[kPointStages] = {};  // the installed ones in order, none while suspended
    int livePoints = 0;
    int pointsSuspended = 0;
    SegmentFilter segment[kSegmentStages] = {};  // by SegmentStage; null while not installed
    SegmentFilter firstSegment = nullptr;        // where a visible segment goes first; null: the device
};

void installPointStage(PipelineSlots& s, PointStage stage, PointTransform apply);
void removePointStage(PipelineSlots& s, PointStage stage);
bool pointStageInstalled(const PipelineSlots& s, PointStage stage);
bool anyPointStageInstalled(const PipelineSlots& s);

// Frames of shielding regions are drawn in plain plot coordinates: while
// suspended, the installed point stages stay installed but are bypassed.
void suspendPointStages(PipelineSlots& s, bool suspended);

void installSegmentFilter(PipelineSlots& s, SegmentStage stage, SegmentFilter filter);
void removeSegmentFilter(PipelineSlots& s, SegmentStage stage);
bool segmentFilterInstalled(const PipelineSlots& s, SegmentStage stage);
inline bool anySegmentFilterInstalled(const PipelineSlots& s) { return s.firstSegment != nullptr; }

// The filter installed after `from`, or null when the device comes next.
SegmentFilter nextSegmentFilter(const PipelineSlots& s, SegmentStage from);

}  // namespace vtx
