// The map settings of level 1 (projection, centre, cones, visible cap) and
// the coastline and segment options of any level.
#include <cstring>

#include "session/globals.h"
#include "core/checks.h"
#include "core/messages.h"
#include "maps/api.h"
#include "maps/map_state.h"

namespace vtx {

namespace {

bool outside(float v, float lo, float hi) { return !(v >= lo && v <= hi); }

UserProjection g_userProjection = nullptr;

}  // namespace

void usrprj(UserProjection fn) { g_userProjection = fn; }

UserProjection userProjection() { return g_userProjection; }

void projct(const char* keyword) {
    Globals* g = jqqlev(1, 1, "projct");
    if (!g) return;
    char list[6 * 23] = {};
    for (int i = 0; i < projectionCount(); ++i) {
        if (i) std::strcat(list, "+");
        std::strcat(list, projectionRow(i).keyword);
    }
    const int k = jqqind(list, projectionCount(), keyword);
    if (k) g->map.projection = projectionRow(k - 1).code;
}

void mappol(float lon, float lat) {
    Globals* g = jqqlev(1, 1, "mappol");
    if (!g) return;
    if (outside(lon, -180.1f, 180.1f) || outside(lat, -90.1f, 90.1f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->map.pole[0] = lon, g->map.pole[1] = lat, g->map.poleSet = 1;
}

void mapref(float lat1, float lat2) {
    Globals* g = jqqlev(1, 1, "mapref");
    if (!g) return;
    if (outside(lat1, -90.1f, 90.1f) || outside(lat2, -90.1f, 90.1f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->map.ref[0] = lat1, g->map.ref[1] = lat2, g->map.refSet = 1;
}

void mapsph(float radius) {
    Globals* g = jqqlev(1, 1, "mapsph");
    if (!g) return;
    if (!(radius > 0.0f && radius <= 90.0f)) {
        warnin(Warning::IncorrectParameter);
        return;
    }
    g->map.sphere = radius, g->map.sphereSet = 1;
}

void mapbas(const char* keyword) {
    Globals* g = chkini("mapbas");
    if (!g) return;
    if (const int k = jqqind("VANT+GSHL+GSHI+GSHH+GSHF+MAPF", 6, keyword)) g->map.base = k - 1;
}

void mapfil(const char* file, const char* format) {
    Globals* g = chkini("mapfil");
    if (!g) return;
    const int k = jqqind("GSHH+MAPG", 2, format);
    if (!k) return;
    std::strncpy(g->map.fileName, file, sizeof g->map.fileName - 1);
    g->map.fileName[sizeof g->map.fileName - 1] = '\0';
    g->map.fileFormat = k - 1;
    g->map.fileSet = 1;
}

void maplev(const char* keyword) {
    Globals* g = chkini("maplev");
    if (!g) return;
    if (const int k = jqqind("ALL +LAND+LAKE+BOTH", 4, keyword)) g->map.level = k - 1;
}

void mapmod(const char* keyword) {
    Globals* g = chkini("mapmod");
    if (!g) return;
    // GREA is listed but cannot be selected: only the first two entries count.
    if (const int k = jqqind("STRA+INTE", 2, keyword)) g->map.mode = k - 1;
}

}  // namespace vtx
