// The plotter language: select pen 1 at the start, lift the pen home at the end.
#include "device/driver.h"
#include "device/output.h"

namespace vtx {

namespace {

void begin(Globals& g) { outPrintf(g, " SP1;\n"); }

void end(Globals& g) { qqbuff(g, "PU0,0;"); }

}  // namespace

extern const DeviceDriver kHpglDriver = {begin, end, nullptr, nullptr};

}  // namespace vtx
