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
    // BOTH is ALL: land (1) and lakes (2).
    const int level = s.level == 3 ? 0 : s.level;

    MapCopy copies[9];
    const int n = mapCopies(s, copies);
    sclpax(g, 1);
    for (int c = 0; c < n; ++c) {
        MapPen pen(g, 0.0f, false);
        const MapCopy k = copies[c];
        auto sink = [&](double lon, double lat, bool move) {
            const double x = lon + k.lonOffset, y = k.latSign * lat + k.latOffset;
            if (move) pen.move(x, y);
            else pen.draw(x, y);
        };
        if (path.empty()) {
            if (level != 2) forEachLinePoint(kBaseMapCoast, kBaseMapCoastSize, sink);
            if (level != 1) forEachLinePoint(kBaseMapLakes, kBaseMapLakesSize, sink);
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
