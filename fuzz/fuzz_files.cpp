// Files placed into a plot: metafiles (incfil) and images (wimage, wtiff)
// read from any bytes onto the in-memory raster.
#include "device/api.h"
#include "device/drivers/raster/api.h"
#include "fuzz/fuzz_plot.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    fuzz::openPlot();
    const std::string path = fuzz::inFile(data + 1, size - 1);
    switch (data[0] % 3) {
        case 0: vtx::incfil(path.c_str()); break;
        case 1: vtx::wimage(path.c_str()); break;
        default: vtx::wtiff(path.c_str()); break;
    }
    return 0;
}
