// Keyword matching: every keyword routine of the table takes the input as
// its keyword (and as its second keyword where it has one).
#include "contour/api.h"
#include "device/colour.h"
#include "device/line_style.h"
#include "fuzz/fuzz_plot.h"
#include "graph2d/api.h"
#include "graph2d/curve_api.h"
#include "text/api.h"

namespace {

using One = void (*)(const char*);
using Two = void (*)(const char*, const char*);

const One kOne[] = {vtx::color, vtx::txtjus, vtx::numfmt, vtx::titjus, vtx::lncap, vtx::lnjoin, vtx::psfont,
                    vtx::chacod, vtx::texmod, vtx::reset, vtx::axstyp, vtx::polcrv, vtx::chncrv};
const Two kTwo[] = {vtx::labels, vtx::name, vtx::eushft, vtx::setmix, vtx::labpos, vtx::labjus, vtx::axsscl,
                    vtx::shdmod};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    fuzz::openPlot();
    const std::string s = fuzz::text(data + 1, size - 1, 64);
    const size_t k = data[0];
    const size_t ones = sizeof kOne / sizeof kOne[0], twos = sizeof kTwo / sizeof kTwo[0];
    if (k % (ones + twos) < ones) kOne[k % (ones + twos)](s.c_str());
    else kTwo[k % (ones + twos) - ones](s.c_str(), s.c_str());
    return 0;
}
