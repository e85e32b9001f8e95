// world: coastlines from the base map, a GSHHS shoreline file or a user map
// file, drawn through the map pen and clipped to the axis system.
#include <cmath>
#include <string>

#include "session/globals.h"
#include "core/messages.h"
#include "device/pipeline.h"
#include "maps/api.h"
#include "maps/base_map.h"
#include "maps/map_files.h"
#include "maps/map_pen.h"

namespace vtx {

namespace {

// Copies of the data for cylindrical windows that reach beyond the globe:
// shifted by a full turn in longitude, mirrored over a pole in latitude.
struct Copy {
    double lonOffset, latOffset, latSign;
};

int cylindricalCopies(const MapState& s, Copy* out) {
    double lons[3], lats[3][2];
    int nl = 0, np = 0;
    if (s.xa < -180.1) lons[nl++] = -360.0;
    if (s.xe > 180.1) lons[nl++] = 360.0;
    if (s.xa < 179.9 && s.xe > -179.9) lons[nl++] = 0.0;
    if (s.ya < -90.1) lats[np][0] = -180.0, lats[np++][1] = -1.0;
    if (s.ye > 90.1) lats[np][0] = 180.0, lats[np++][1] = -1.0;
    if (s.ya < 89.9 && s.ye > -89.9) lats[np][0] = 0.0, lats[np++][1] = 1.0;
    int n = 0;
    for (int i = 0; i < nl; ++i)
        for (int j = 0; j < np; ++j) out[n++] = {lons[i], lats[j][0], lats[j][1]};
    return n;
}

}  // namespace

void world() {
    Globals* gp = jqqlev(2, 3, "world");
    if (!gp) return;
    Globals& g = *gp;
    if (g.axis.kind != AxisKind::Map) {
        warnText(101, "World needs a map axis system");
        return;
    }
    const MapState& s = g.map;
    std::string path;
    if (s.base >= 1 && s.base <= 4) {
        static const char* const kFiles[] = {"gshhs_l.b", "gshhs_i.b", "gshhs_h.b", "gshhs_f.b"};
        path = std::string(installDirectory()) + "/map/" + kFiles[s.base - 1];
    } else if (s.base == 5) {
        if (!s.fileSet) {
            warnText(101, "No map file defined with MAPFIL");
            return;
        }
        path = s.fileName;
    }
    const bool gshhs = !path.empty() && (s.base != 5 || s.fileFormat == 0);
    // BOTH is ALL; the base map holds land outlines only.
    const int level = s.level == 3 ? 0 : s.level;
    if (path.empty() && level == 2) return;

    Copy copies[9] = {{0.0, 0.0, 1.0}};
    const int n = s.geo.group == MapGroup::Cylindrical || s.geo.group == MapGroup::Plain
                      ? cylindricalCopies(s, copies)
                      : 1;
    sclpax(g, 1);
    for (int c = 0; c < n; ++c) {
        MapPen pen(g, 0.0f, false);
        const Copy k = copies[c];
        auto sink = [&](double lon, double lat, bool move) {
            const double x = lon + k.lonOffset, y = k.latSign * lat + k.latOffset;
            if (move) pen.move(x, y);
            else pen.draw(x, y);
        };
        if (path.empty()) {
            forEachBaseMapPoint(sink);
            continue;
        }
        const MapFileStatus status = gshhs ? readGshhs(path.c_str(), level, sink) : readMapg(path.c_str(), sink);
        if (status == MapFileStatus::OpenFailed) {
            protocolPrintf(g, " <<<< Warning: Open error in %s!\n", path.c_str());
            break;
        }
        if (status == MapFileStatus::ShortData) {
            warnText(101, "Not enough data in map file");
            break;
        }
    }
    qqstrk(g);
    sclpax(g, 0);
}

}  // namespace vtx
