// Text through the instruction alphabet, the formula parser and the
// language shifts: the first byte chooses how the rest is read.
#include "fuzz/fuzz_plot.h"
#include "text/api.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    fuzz::openPlot();
    const std::string s = fuzz::text(data + 1, size - 1);
    switch (data[0] % 4) {
        case 0:
            vtx::mixalf();
            vtx::messag(s.c_str(), 100, 100);
            break;
        case 1:
            vtx::texmod("ON");
            vtx::messag(s.c_str(), 100, 300);
            vtx::texmod("OFF");
            break;
        case 2:
            vtx::eushft("GERMAN", "!");
            vtx::nlmess(s.c_str());
            break;
        default:
            vtx::texmod("ON");
            vtx::nlmess(s.c_str());
            vtx::texmod("OFF");
            break;
    }
    return 0;
}
