// Bit fields of 16- and 32-bit words, positions counted from the most
// significant bit (0). Binary file formats pack their fields this way.
#include <cstdint>

#include "core/checks.h"
#include "core/messages.h"
#include "session/globals.h"
#include "utilities/api.h"

namespace vtx {

namespace {

// `output` with nbits bits from `input` (starting at bit inPos) written at
// bit outPos, in words of `width` bits; unchanged for a field outside them.
int copyBits(const char* routine, int width, int nbits, int input, int inPos, int output, int outPos) {
    if (!jqqlev(0, 3, routine)) return output;
    if (jqqval(nbits, 1, width) != 0 || jqqval(inPos, 0, width - nbits) != 0 ||
        jqqval(outPos, 0, width - nbits) != 0)
        return output;
    const std::uint32_t fieldMask = nbits == 32 ? 0xFFFFFFFFu : (1u << nbits) - 1u;
    const std::uint32_t in = std::uint32_t(input), out = std::uint32_t(output);
    const std::uint32_t field = (in >> (width - inPos - nbits)) & fieldMask;
    const int shift = width - outPos - nbits;
    std::uint32_t result = (out & ~(fieldMask << shift)) | (field << shift);
    // A 16-bit word is a signed short, as the caller's input was.
    if (width == 16) result = std::uint32_t(std::int32_t(std::int16_t(std::uint16_t(result))));
    return std::int32_t(result);
}

}  // namespace

int bitsi2(int nbits, int input, int inPos, int output, int outPos) {
    return copyBits("bitsi2", 16, nbits, input, inPos, output, outPos);
}

int bitsi4(int nbits, int input, int inPos, int output, int outPos) {
    return copyBits("bitsi4", 32, nbits, input, inPos, output, outPos);
}

}  // namespace vtx
