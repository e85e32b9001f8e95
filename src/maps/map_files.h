// Readers of coastline files: GSHHS shoreline files (binary, big-endian)
// and MAPG text files. They report their points to a sink and their
// outcome as a status; warnings are the caller's business.
#pragma once

#include <functional>

namespace vtx {

enum class MapFileStatus { Ok = 0, OpenFailed, ShortData };

// A point of a coastline; `move` starts a new line there.
using MapPointSink = std::function<void(double lon, double lat, bool move)>;

// GSHHS: records of a header (eight 32-bit integers: identifier, point
// count, level, west, east, south, north, area; two 16-bit integers) and
// the points as pairs of 32-bit longitude and latitude in millionths of a
// degree. `level` 0 takes every polygon, otherwise only polygons of that
// level (1 land, 2 lake). A line breaks where the longitude jumps by more
// than 15 degrees (the date line).
MapFileStatus readGshhs(const char* path, int level, const MapPointSink& sink);

// MAPG: text lines of at most 132 characters; "#" starts a new line, other
// lines hold a longitude and a latitude.
MapFileStatus readMapg(const char* path, const MapPointSink& sink);

}  // namespace vtx
