// The region buffer of shielding: records of 16-bit words, one after another.
//   word 0  type * 100 + group * 10 + state (0 active, 1 inactive)
//   word 1  region ID
//   then    the values of the type (plot coordinates, angles in 1/1000 radian)
#pragma once

#include <cstdint>

#include "session/globals.h"

namespace vtx {

enum ShieldRegionType {
    kRegionRectangle = 1,  // x1, y1, x2, y2 (inclusive corners)
    kRegionRotated = 2,    // x1, y1, x2, y2, angle about (x1, y1)
    kRegionCircle = 3,     // x, y, r
    kRegionEllipse = 4,    // x, y, a, b, angle
    kRegionPie = 5,        // x, y, r, start angle, end angle
    kRegionPolygon = 6,    // n, then n (x, y) pairs
};

inline int regionType(const int16_t* record) { return record[0] / 100; }
inline int regionGroup(const int16_t* record) { return record[0] / 10 % 10; }
inline bool regionActive(const int16_t* record) { return record[0] % 10 == 0; }
inline int regionId(const int16_t* record) { return record[1]; }

// Words of the record starting at `record` (header included).
int regionLength(const int16_t* record);

// Appends a region of the state's current group. Returns its ID, or 0 when it
// does not fit into the buffer (the caller warns with 47).
int addRegion(ShieldState& s, int type, const int* values, int count);

// Chooses regions for deletion or a change of state.
using RegionFilter = bool (*)(const int16_t* record, void* context);

// Deletes the chosen regions, moving the others down in their order; IDs do
// not change. Returns the number deleted.
int deleteRegions(ShieldState& s, RegionFilter chosen, void* context);

// Deletes the last n regions of group 0.
void deleteLastUserRegions(ShieldState& s, int n);

// Makes the chosen regions active or inactive.
void setRegionsActive(ShieldState& s, RegionFilter chosen, void* context, bool active);

// Filters: the region with ID *(int*)context (0: every region), the regions
// of group *(int*)context.
bool regionWithId(const int16_t* record, void* context);
bool regionOfGroup(const int16_t* record, void* context);

// Empties the buffer (parameter reset).
void clearShieldRegions(Globals& g);

// Rounds a coordinate into a buffer word.
int16_t regionWord(float v);

// Angle in degrees as stored: thousandths of a radian in [0, 2 pi).
int regionAngle(float degrees);

}  // namespace vtx
