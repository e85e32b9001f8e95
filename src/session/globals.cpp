#include "session/globals.h"

#include <new>

#include "business/business_state.h"
#include "contour/contour_state.h"
#include "figures/figures_state.h"
#include "graph3d/graph3d_state.h"
#include "maps/map_state.h"
#include "utilities/utility_state.h"

namespace vtx {

struct UpperStates {
    Graph3DState g3d;
    ContourState contour;
    MapState map;
    FiguresState fig;
    BusinessState biz;
    UtilityState util;
};

Globals::Globals(UpperStates& upper)
    : g3d(upper.g3d), contour(upper.contour), map(upper.map), fig(upper.fig), biz(upper.biz), util(upper.util), upper_(&upper) {}

Globals::Globals() : Globals(*new UpperStates()) { ownsUpper_ = true; }

Globals::~Globals() {
    if (ownsUpper_) delete upper_;
}

namespace {

// The storage of the upper states comes first, so that it exists before the
// record's references are bound to it; one allocation holds everything.
struct UpperStorage {
    UpperStates upper;
};

struct CompleteRecord : UpperStorage, Globals {
    CompleteRecord() : Globals(upper) {}
};

CoreRecord* createRecord() { return static_cast<Globals*>(new (std::nothrow) CompleteRecord()); }

void destroyRecord(CoreRecord* record) {
    delete static_cast<CompleteRecord*>(static_cast<Globals*>(record));
}

// Runs when the library is loaded, before any routine can be called.
[[maybe_unused]] const bool kFactoryInstalled = (installRecordFactory(createRecord, destroyRecord), true);

}  // namespace

}  // namespace vtx

// Referenced by the link options of the library target, so that this file
// and with it the record factory is linked into every program.
extern "C" const int vantix_record_factory_anchor = 1;
