// The library's accented characters (codes 127..186) as ISO-8859-1 bytes,
// shared by the SVG and PDF text writers.
#include "device/drivers/latin1.h"

namespace vtx {

namespace {

const unsigned char kAccented[60] = {
    196, 214, 220, 228, 246, 252, 223, 197, 216, 198,  // 127..136
    229, 248, 230, 209, 241, 199, 231, 203, 207, 235,  // 137..146
    239, 193, 201, 205, 211, 218, 225, 233, 237, 243,  // 147..156
    250, 192, 200, 204, 210, 217, 224, 232, 236, 242,  // 157..166
    249, 194, 202, 206, 212, 219, 226, 234, 238, 244,  // 167..176
    251, 195, 227, 213, 245, 221, 253, 255, 161, 191,  // 177..186
};

}  // namespace

int latin1Code(int code) {
    if (code < 127) return code < 32 ? ' ' : code;
    if (code <= 186) return kAccented[code - 127];
    return ' ';
}

}  // namespace vtx
