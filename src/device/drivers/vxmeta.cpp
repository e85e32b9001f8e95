// The library's own metafile: a header line with the page size, drawing
// records, and the end record.
#include "device/driver.h"
#include "device/output.h"

namespace vtx {

namespace {

void begin(Globals& g) { outPrintf(g, "%10.1f%10.1f\n", float(g.out.nxPage), float(g.out.nyPage)); }

void end(Globals& g) { qqbuff(g, " 9.0000000"); }

}  // namespace

extern const DeviceDriver kVxmetaDriver = {begin, end, nullptr, nullptr};

}  // namespace vtx
