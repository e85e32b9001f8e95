#include "device/shield_regions.h"

#include <cmath>

namespace vtx {

int regionLength(const int16_t* record) {
    switch (regionType(record)) {
        case kRegionRectangle: return 6;
        case kRegionRotated: return 7;
        case kRegionCircle: return 5;
        case kRegionEllipse: return 7;
        case kRegionPie: return 7;
        case kRegionPolygon: return 3 + 2 * record[2];
        default: return 2;
    }
}

int16_t regionWord(float v) {
    if (!(v > -32768.0f)) return -32768;  // NaN too
    if (v > 32767.0f) return 32767;
    return int16_t(std::lround(v));
}

int regionAngle(float degrees) {
    const double twoPi = 2.0 * 3.14159265358979;
    double r = std::fmod(double(degrees) * 3.14159265358979 / 180.0, twoPi);
    if (!std::isfinite(r)) return 0;
    if (r < 0) r += twoPi;
    int m = int(std::lround(r * 1000.0));
    return m >= 6283 ? 0 : m;
}

int addRegion(ShieldState& s, int type, const int* values, int count) {
    if (s.regions == 0) s.used = 0;
    if (s.used + 2 + count > kShieldWords) return 0;
    if (s.regions == 0) s.nextId = 0, s.userRegions = 0;
    ++s.nextId;
    ++s.regions;
    if (s.group == kShieldUser) ++s.userRegions;
    int16_t* r = s.words + s.used;
    r[0] = int16_t(type * 100 + s.group * 10);
    r[1] = int16_t(s.nextId > 32767 ? 32767 : s.nextId);
    for (int i = 0; i < count; ++i) r[2 + i] = int16_t(values[i]);
    s.used += 2 + count;
    return r[1];
}

int deleteRegions(ShieldState& s, RegionFilter chosen, void* context) {
    int from = 0, to = 0, deleted = 0;
    s.regions = s.userRegions = 0;
    while (from < s.used) {
        int len = regionLength(s.words + from);
        if (chosen(s.words + from, context)) {
            ++deleted;
        } else {
            for (int i = 0; i < len; ++i) s.words[to + i] = s.words[from + i];
            ++s.regions;
            if (regionGroup(s.words + to) == kShieldUser) ++s.userRegions;
            to += len;
        }
        from += len;
    }
    s.used = to;
    return deleted;
}

namespace {

struct UserCount {
    int keep;   // the first `keep` user regions stay
    int seen = 0;
};

bool userRegionBeyond(const int16_t* record, void* context) {
    auto* c = static_cast<UserCount*>(context);
    return regionGroup(record) == kShieldUser && ++c->seen > c->keep;
}

}  // namespace

void deleteLastUserRegions(ShieldState& s, int n) {
    UserCount count{s.userRegions - n};
    deleteRegions(s, userRegionBeyond, &count);
}

bool regionWithId(const int16_t* record, void* context) {
    int id = *static_cast<int*>(context);
    return id == 0 || regionId(record) == id;
}

bool regionOfGroup(const int16_t* record, void* context) { return regionGroup(record) == *static_cast<int*>(context); }

void setRegionsActive(ShieldState& s, RegionFilter chosen, void* context, bool active) {
    for (int at = 0; at < s.used; at += regionLength(s.words + at)) {
        int16_t* r = s.words + at;
        if (chosen(r, context)) r[0] = int16_t(r[0] - r[0] % 10 + (active ? 0 : 1));
    }
}

void clearShieldRegions(Globals& g) {
    ShieldState& s = g.shield;
    s.used = s.regions = s.userRegions = s.nextId = 0;
    s.group = kShieldUser;
    s.lastEndHidden = 0;
    removeSegmentFilter(g.line.slots, SegmentStage::Shielding);
}

}  // namespace vtx
