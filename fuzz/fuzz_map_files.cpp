// The coastline readers on any bytes: GSHHS at every level filter, MAPG.
#include "fuzz/fuzz_plot.h"
#include "maps/map_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::inFile(data, size);
    long points = 0;
    const vtx::MapPointSink sink = [&](double, double, bool) { ++points; };
    for (int level = 0; level <= 2; ++level) (void)vtx::readGshhs(path.c_str(), level, sink);
    (void)vtx::readMapg(path.c_str(), sink);
    return 0;
}
