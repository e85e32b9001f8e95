// Number formatting: any float bit pattern with any digit count, through
// the formats the labels use.
#include <cstring>

#include "fuzz/fuzz_plot.h"
#include "text/api.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 6) return 0;
    fuzz::openPlot();
    float value;
    std::memcpy(&value, data, sizeof value);
    const int ndig = int(int8_t(data[4]));
    static const char* const kFormats[] = {"FLOAT", "EXP", "FEXP", "LOG", "CYCLE", "STANDARD"};
    vtx::numfmt(kFormats[data[5] % 6]);
    (void)vtx::fcha(value, ndig);
    (void)vtx::flen(value, ndig);
    (void)vtx::nlnumb(value, ndig);
    vtx::number(value, ndig, 200, 200);
    return 0;
}
